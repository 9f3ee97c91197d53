// Reader of the second record layout (stored versions 8 to 32) and of the collision-control
// records of every version from 8.
#pragma once

#include "paramformat/qzBI5axParams1.h"

/// Reads parameter sets stored with versions 8 to 32: the oldest record, then the tilt types,
/// the machine definition and a few values appended by later versions. Its reader of the
/// collision-control operation serves every version from 8 up to the newest.
///
/// Below version 11 with the validate flag, an operation whose avoid-tilt direction the
/// validator rejects is switched off, and one "BinLostData" entry with identifier 1 reports it
/// (however many operations were switched off). Below 18 each operation's check-surface
/// tolerance is the set's cut tolerance.
class TESSAFORM_API qzBI5axParams2 : public qzBI5axParams1
{
public:
    /// The same arguments as every generation (qzBI5axParams); the version is not checked here.
    qzBI5axParams2(misc::qzBinInputStream& stream, unsigned int version, bool shrinkData,
                   std::vector<misc::qzBILostData>& lostData, bool isUnicode, bool is64bBin, bool validate);
    /// A second reader on the same stream, version, flags and lost-data list.
    qzBI5axParams2(const qzBI5axParams2& other);

    /// 32.
    unsigned int GetUpperKnownBinVersion() const override;
    using qzBI5axParams1::operator>>;
    misc::qzBinInputStream& operator>>(qz5axParams& params) override;
    /// The operation's fields up to the tilt of collision-free contours (the later ones are the
    /// newest generation's); below version 8 the oldest layout.
    misc::qzBinInputStream& operator>>(qzCollCtrlOpParams& operation) override;

private:
    void ReadTail(qz5axParams& params);
    void DisableRejectedOperations(qz5axParams& params);
};
