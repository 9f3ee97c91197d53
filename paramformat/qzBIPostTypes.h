// Reader of the machine-side records: machine definitions (and, with the posted-move codecs,
// posted moves, their lists and posted toolpaths).
#pragma once

#include "brimlib/qzAutoPointer.h"
#include "brimlib/qzMachDef.h"
#include "paramformat/qzBICadcamTypes.h"
#include "paramformat/qzBILostData.h"

#include <vector>

namespace post
{
/// Reads machine-side records of a stored version. Its enumerations are 4-byte ints (2 with
/// shrink data) whatever the stored version.
///
/// Lost-data entries (the machine definition's parallel-axis repair) go to the list given at
/// construction, or to a list of the reader's own (`GetLostData`).
class TESSAFORM_API qzBIPostTypes
{
public:
    /// The stream, the stored version, the shrink-data, unicode and 64-bit-binary flags, the
    /// caller's lost-data list and the default units.
    qzBIPostTypes(misc::qzBinInputStream& stream, unsigned int version, bool shrinkData, bool isUnicode,
                  bool is64bBin, std::vector<misc::qzBILostData>& lostData,
                  measures::qzUnitsFactory::Units defaultUnits = measures::qzUnitsFactory::METRIC);
    /// The same, collecting lost-data entries in a list of its own.
    qzBIPostTypes(misc::qzBinInputStream& stream, unsigned int version, bool shrinkData, bool isUnicode,
                  bool is64bBin, measures::qzUnitsFactory::Units defaultUnits = measures::qzUnitsFactory::METRIC);
    qzBIPostTypes(const qzBIPostTypes& other);
    qzBIPostTypes& operator=(const qzBIPostTypes&) = delete;
    virtual ~qzBIPostTypes();

    /// A machine definition of the stored version, in a new object of the variant its number of
    /// axes names (values missing from older versions take their presets).
    virtual misc::qzBinInputStream& operator>>(misc::qzAutoPointer<qzMachDef>& machDef);

    unsigned int GetVersion() const { return m_cadcam.GetVersion(); }
    const std::vector<misc::qzBILostData>& GetLostData() const { return *m_lostData; }
    misc::qzBinInputStream& GetStream() const { return m_stream; }

protected:
    /// A 4-byte enumeration (2 bytes with shrink data).
    int ReadEnum32();

    misc::qzBinInputStream& m_stream;
    cadcam::qzBICadcamTypes m_cadcam; // also the basic-type reader of this reader
    std::vector<misc::qzBILostData> m_ownLostData;
    std::vector<misc::qzBILostData>* m_lostData;
};
} // namespace post
