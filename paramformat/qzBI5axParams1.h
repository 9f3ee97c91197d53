// Reader of the oldest record layout (stored versions 3 to 7).
#pragma once

#include "paramformat/qzBI5axParams.h"

/// Reads parameter sets stored with versions 3 to 7: the record whose fields later moved into
/// the link, roughing and stock records. Those values are parked in the lost-parameter store;
/// the newest generation converts them. The model's defaults stand for every field the record
/// does not hold.
class TESSAFORM_API qzBI5axParams1 : public qzBI5axParams
{
public:
    /// The same arguments as every generation (qzBI5axParams); the version is not checked here.
    qzBI5axParams1(misc::qzBinInputStream& stream, unsigned int version, bool shrinkData,
                   std::vector<misc::qzBILostData>& lostData, bool isUnicode, bool is64bBin, bool validate);
    /// A second reader on the same stream, version, flags and lost-data list.
    qzBI5axParams1(const qzBI5axParams1& other);

    /// 7.
    unsigned int GetUpperKnownBinVersion() const override;
    using qzBI5axParams::operator>>;
    misc::qzBinInputStream& operator>>(qz5axParams& params) override;
};
