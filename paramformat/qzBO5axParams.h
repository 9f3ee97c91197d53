// Writer of the binary parameter format (the layout of stored version 226).
#pragma once

#include "brimlib/qz5axParams.h"
#include "paramformat/qzBOCadcamTypes.h"
#include "paramformat/qzBOPostTypes.h"

#include <type_traits>
#include <utility>

/// Writes a complete parameter set, or any of its records alone, into a byte stream: the plain
/// concatenation of the fields in the format's order, with no header, version or length. The
/// caller keeps the format version (226) beside the data.
///
/// With shrink data every 32-bit integer and every UNITS field takes 2 bytes and every double 4;
/// bools and enumerations (the low 8 bits of their value) take 1 byte. A parameter set without a
/// machine definition stops at that field with "Accessing NULL pointer"; a collision-control
/// record with fewer than 4 operations stops after the ones it has with std::out_of_range.
/// Stream failures propagate; the bytes written so far stay in the stream.
class TESSAFORM_API qzBO5axParams
{
public:
    /// The stream, the shrink-data flag and the validate flag: when set, the parameter set is
    /// passed to qz5axParamsValidator::Validate before it is written (its findings do not stop
    /// the write).
    qzBO5axParams(misc::qzBinOutputStream& stream, bool shrinkData, bool validate);
    /// A second writer on the same stream with the same flags.
    qzBO5axParams(const qzBO5axParams& other);
    qzBO5axParams& operator=(const qzBO5axParams&) = delete;

    /// Writes the whole parameter set, validated first when the validate flag is set.
    misc::qzBinOutputStream& operator<<(const qz5axParams& params);

    /// \name Records
    ///@{

    /// Writes one record alone, exactly as it appears inside a whole parameter set.
    misc::qzBinOutputStream& operator<<(const qzPercentOrValueParameter& record);
    misc::qzBinOutputStream& operator<<(const qzLeadParams& record);
    misc::qzBinOutputStream& operator<<(const qzLeadController& record);
    misc::qzBinOutputStream& operator<<(const qzLeadInOutController& record);
    misc::qzBinOutputStream& operator<<(const qzFirstEntry& record);
    misc::qzBinOutputStream& operator<<(const qzLastExit& record);
    misc::qzBinOutputStream& operator<<(const qzMoveHandling& record);
    misc::qzBinOutputStream& operator<<(const qzInterlinkHandeler& record);
    misc::qzBinOutputStream& operator<<(const qzGapsAlongCut& record);
    misc::qzBinOutputStream& operator<<(const qzLinkBetweenSlices& record);
    misc::qzBinOutputStream& operator<<(const qzLinkBetweenPasses& record);
    misc::qzBinOutputStream& operator<<(const qzLinkParams& record);
    misc::qzBinOutputStream& operator<<(const qzCollCtrlParams& record);
    misc::qzBinOutputStream& operator<<(const qzCollCtrlOpParams& record);
    misc::qzBinOutputStream& operator<<(const qzCollCtrlOpStockParams& record);
    misc::qzBinOutputStream& operator<<(const qzCCWith2DegOptionsList& record);
    misc::qzBinOutputStream& operator<<(const std::pair<qzCCWith2DegOptionsList::CCWith2DegOptions, bool>& option);
    misc::qzBinOutputStream& operator<<(const post::qzMachDef& record);
    misc::qzBinOutputStream& operator<<(const qzRoughingParams& record);
    misc::qzBinOutputStream& operator<<(const qzMultiCutsRoughParams& record);
    misc::qzBinOutputStream& operator<<(const qzPlungeRoughParams& record);
    misc::qzBinOutputStream& operator<<(const qzMorphPocketRoughParams& record);
    misc::qzBinOutputStream& operator<<(const qzDepthCutsRoughParams& record);
    misc::qzBinOutputStream& operator<<(const qzBlendRoughParams& record);
    misc::qzBinOutputStream& operator<<(const qzTrochoidalRoughParams& record);
    misc::qzBinOutputStream& operator<<(const qzAreaRoughParams& record);
    misc::qzBinOutputStream& operator<<(const qzTPRotationRoughParams& record);
    misc::qzBinOutputStream& operator<<(const qzSortTpRoughParams& record);
    misc::qzBinOutputStream& operator<<(const qzTpCalcMethodsParams& record);
    misc::qzBinOutputStream& operator<<(const qzTriangleMeshBasedTpCalcParams& record);
    misc::qzBinOutputStream& operator<<(const qzProjectionPatternTriMeshBasedParams& record);
    misc::qzBinOutputStream& operator<<(const qzDrillingBasedTpCalcParams& record);
    misc::qzBinOutputStream& operator<<(const qzWireframeBasedTpCalcParams& record);
    misc::qzBinOutputStream& operator<<(const qzImpellerParams& record);
    misc::qzBinOutputStream& operator<<(const qzImpellerCutParams& record);
    misc::qzBinOutputStream& operator<<(const qzImpellerMachLayerDefParams& record);
    misc::qzBinOutputStream& operator<<(const qzImpellerOffsetAndClearanceParams& record);
    misc::qzBinOutputStream& operator<<(const qzImpellerSmoothParams& record);
    misc::qzBinOutputStream& operator<<(const qzImpellerSplittersImpellerParams& record);
    misc::qzBinOutputStream& operator<<(const qzImpellerTiltParams& record);
    misc::qzBinOutputStream& operator<<(const qzImpellerTrimAndExtendParams& record);
    misc::qzBinOutputStream& operator<<(const qzShallowAndSteepAreaParams& record);
    misc::qzBinOutputStream& operator<<(const qz2dContainmentParams& record);
    misc::qzBinOutputStream& operator<<(const qzSurfEdgeHandlingParams& record);
    misc::qzBinOutputStream& operator<<(const qzTiltRelativeToCutDirParams& record);
    misc::qzBinOutputStream& operator<<(const qzTiltRelToImpellerMachLayerParams& record);
    ///@}

    /// Any enumeration of the records: one byte, the low 8 bits of its value.
    template <class E, class = std::enable_if_t<std::is_enum<E>::value &&
                                                !std::is_same<E, measures::qzUnitsFactory::Units>::value>>
    misc::qzBinOutputStream& operator<<(const E& value)
    {
        return WriteEnum(static_cast<int>(value));
    }

    /// Whether whole parameter sets are validated before they are written.
    bool GetValidate() const { return m_validate; }

private:
    template <class R> class FieldWriter;
    template <class R> misc::qzBinOutputStream& WriteRecord(const R& record);
    misc::qzBinOutputStream& WriteEnum(int value);

    misc::qzBinOutputStream& m_stream;
    cadcam::qzBOCadcamTypes m_cadcam;
    post::qzBOPostTypes m_post;
    misc::qzBOBasicTypes m_basic;
    bool m_validate;
};
