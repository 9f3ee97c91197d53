// Reader frame of the binary parameter format: the state and helpers every generation shares.
#pragma once

#include "brimlib/qz5axParams.h"
#include "paramformat/qzBICadcamTypes.h"
#include "paramformat/qzBILostData.h"
#include "paramformat/qzBIPostTypes.h"
#include "paramformat/qzLostParamsOV20.h"

#include <vector>

/// Base of the readers of stored parameter sets. A stored set carries no version: the caller
/// gives the version it was stored with, and the reader of the newest generation
/// (qzBI5axParams3) reads every version from 3 to 226. This base reads versions 3 to 5 itself.
///
/// Enumerations are 4-byte ints below version 18 and one sign-extended byte from 18 on. Units
/// are one byte up to version 23 (1 is metric, anything else inch) and an int from 24 on.
/// Values that cannot be carried into the model append a "BinLostData" entry to the caller's
/// list, which a reader never clears. A stream that ends early throws qzmiscException 2018 (2157
/// for a 64-bit size of 2^31 or more); the target is then partly filled and must be discarded.
///
/// A reader borrows its stream and lost-data list; it serves one thread at a time.
class TESSAFORM_API qzBI5axParams
{
public:
    /// The stream, the stored version, the shrink-data flag, the caller's lost-data list, the
    /// unicode and 64-bit-binary flags, and whether to validate each set read.
    qzBI5axParams(misc::qzBinInputStream& stream, unsigned int version, bool shrinkData,
                  std::vector<misc::qzBILostData>& lostData, bool isUnicode, bool is64bBin, bool validate);
    /// A second reader on the same stream, version, flags and lost-data list.
    qzBI5axParams(const qzBI5axParams& other);
    qzBI5axParams& operator=(const qzBI5axParams&) = delete;

    /// The oldest stored version any generation reads: 3.
    unsigned int GetLowerKnownBinVersion() const { return 3; }
    /// The newest stored version this generation reads.
    virtual unsigned int GetUpperKnownBinVersion() const;
    /// Refuses a stored version outside 3 to GetUpperKnownBinVersion() with qzvelbrookException
    /// 2027.
    void CheckVersion() const;

    /// One whole parameter set into `params` (default-constructed, so that fields an old version
    /// lacks keep the model's defaults).
    virtual misc::qzBinInputStream& operator>>(qz5axParams& params);
    /// Units by the stored version's rule.
    virtual misc::qzBinInputStream& operator>>(measures::qzUnitsFactory::Units& units);
    /// \name Enumerations
    ///@{

    /// An enumeration by the stored version's rule (a 4-byte integer in the older versions, one
    /// signed byte in the newer), taken as stored.
    virtual misc::qzBinInputStream& operator>>(qz5axParams::axis& value);
    virtual misc::qzBinInputStream& operator>>(qz5axParams::cutOrder& value);
    virtual misc::qzBinInputStream& operator>>(qz5axParams::cutType& value);
    virtual misc::qzBinInputStream& operator>>(qz5axParams::direction& value);
    virtual misc::qzBinInputStream& operator>>(qz5axParams::extAxis& value);
    virtual misc::qzBinInputStream& operator>>(qz5axParams::machType& value);
    virtual misc::qzBinInputStream& operator>>(qz5axParams::outputType& value);
    virtual misc::qzBinInputStream& operator>>(qz5axParams::tiltStrategy& value);
    virtual misc::qzBinInputStream& operator>>(qz5axParams::toolContact& value);
    virtual misc::qzBinInputStream& operator>>(qzCollCtrlOpBaseParams::collStrategy& value);
    virtual misc::qzBinInputStream& operator>>(qzCollCtrlOpParams::collAvoidTiltDir& value);
    virtual misc::qzBinInputStream& operator>>(qzCollCtrlOpParams::collLeaveOutPointsType& value);
    virtual misc::qzBinInputStream& operator>>(qzCollCtrlOpParams::collSideRetractDir& value);
    virtual misc::qzBinInputStream& operator>>(qzCollCtrlOpParams::signType& value);
    ///@}
    /// A collision-control operation as stored below version 8.
    virtual misc::qzBinInputStream& operator>>(qzCollCtrlOpParams& operation);
    /// The collision-control record as stored below version 8: the four operations, the three
    /// upper clearances (the lower ones take the same values) and the check-between-points flag.
    virtual misc::qzBinInputStream& operator>>(qzCollCtrlParams& record);
    /// The gap handling of the oldest layouts, parked for conversion, by the enumeration rule.
    virtual misc::qzBinInputStream& operator>>(qzLostParamsOV20::gapHandling& value);

    /// Leaves the stream and the lost-data list (both borrowed) as they are.
    virtual ~qzBI5axParams();

    /// The stored version the data are read as.
    unsigned int GetVersion() const { return m_version; }
    /// Whether each whole set read is passed to the validator.
    bool GetValidate() const { return m_validate; }
    /// The stream read from.
    misc::qzBinInputStream& GetStream() const { return m_stream; }

protected:
    /// An enumeration value by the stored version's rule.
    int ReadEnumFromBinFile()
    {
        if (m_version < cadcam::qzBICadcamTypes::kOneByteEnumVersion)
            return ReadInt();
        return static_cast<signed char>(Read<char>());
    }
    /// A direction; below version 193 a vector of length 1e-12 or less reads as (0, 0, 1).
    cadcam::qzTPoint3d<double> ReadVectorFromBinFile();

    /// \name Fields
    ///@{

    /// One field of the named type, as the primitive reader decodes it.
    bool ReadBool() { return Read<bool>(); }
    int ReadInt() { return Read<int>(); }
    unsigned int ReadUInt() { return Read<unsigned int>(); }
    double ReadDouble() { return Read<double>(); }
    ///@}
    /// Three doubles, as the cadcam reader reads a point.
    cadcam::qzTPoint3d<double> ReadPoint()
    {
        const double x = ReadDouble();
        const double y = ReadDouble();
        return cadcam::qzTPoint3d<double>(x, y, ReadDouble());
    }
    /// Units by the stored version's rule.
    measures::qzUnitsFactory::Units ReadUnits();

    /// The record of versions 3 to 32. As generation 1 reads it: the model's defaults first,
    /// the area flags only up to version 5 (and the cutting area from them), the cutting-area
    /// fields from 6. As this base reads it: no defaults, the flags always read and unused,
    /// nothing after the morph-pocket count.
    void ReadOldestRecord(qz5axParams& params, bool asGeneration1);
    /// Forgets what an earlier read parked.
    void ResetReadState() { m_lost = qzLostParamsOV20(); }

    /// Walks a record's description and reads each field the stored version holds.
    template <class Reader, class R> class FieldReader;

    misc::qzBinInputStream& m_stream;            ///< The stream read from (borrowed).
    misc::qzBIBasicTypes m_basic;                ///< Primitive values.
    cadcam::qzBICadcamTypes2 m_cadcam;           ///< Points, units and other cadcam values.
    post::qzBIPostTypes m_post;                  ///< The machine definition.
    std::vector<misc::qzBILostData>& m_lostData; ///< The caller's list; entries are appended.
    unsigned int m_version;                      ///< The stored version.
    /// Legacy values parked for conversion, and the feed rates and flags remembered during a read.
    qzLostParamsOV20 m_lost;
    bool m_validate; ///< Whether whole sets are validated.

private:
    // The basic reader's own decoding, inline for data in memory: one call per field would be
    // most of the cost of a read.
    template <class T> T Read() { return m_basic.ReadValue<T>(); }
};
