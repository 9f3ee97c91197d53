// Reader of every stored version of a parameter set (3 to 226).
#pragma once

#include "paramformat/qzBI5axParams2.h"

#include <utility>

// The enumerations of the records that only this generation reads.
#define QZ_BI5AX_PARAMS3_ENUMS(X)                                                                            \
    X(qz5axParams::cuttingAreaType)                                                                          \
    X(qz5axParams::curvTiltType)                                                                             \
    X(qz5axParams::sideTiltDefTypes)                                                                         \
    X(qz5axParams::sideTiltAproximationTypes)                                                                \
    X(qz5axParams::tiltThruLinesTypes)                                                                       \
    X(qz5axParams::containmentType)                                                                          \
    X(qz5axParams::toolConeAxisTypes)                                                                        \
    X(qz5axParams::conversionLinkType)                                                                       \
    X(qz5axParams::machiningAreaMode)                                                                        \
    X(qz5axParams::startPositionOffsetType)                                                                  \
    X(qz5axParams::startPointSelectionType)                                                                  \
    X(qz5axParams::SpiralMachType)                                                                           \
    X(qz5axParams::ToolPlaneDirTypeFor3Axis)                                                                 \
    X(qzLeadParams::Type)                                                                                    \
    X(qzLeadParams::AxisOrientation)                                                                         \
    X(qzFirstEntry::Type)                                                                                    \
    X(qzLastExit::Type)                                                                                      \
    X(qzMoveHandling::Action)                                                                                \
    X(qzLinkParams::ClearanceType)                                                                           \
    X(qzLinkParams::ClearanceAxis)                                                                           \
    X(qzCCWith2DegOptionsList::CCWith2DegOptions)                                                            \
    X(qzCollCtrlOpStockParams::StockOffsetMode)                                                              \
    X(qzCollCtrlOpStockParams::StockType)                                                                    \
    X(qzMultiCutsRoughParams::sortType)                                                                      \
    X(qzMorphPocketRoughParams::pocketAreaType)                                                              \
    X(qzDepthCutsRoughParams::depthCutsType)                                                                 \
    X(qzDepthCutsRoughParams::sortType)                                                                      \
    X(qzDepthCutsRoughParams::ApplyDepthMode)                                                                \
    X(qzAreaRoughParams::roughingType)                                                                       \
    X(qzAreaRoughParams::areaType)                                                                           \
    X(qzAreaRoughParams::cuttingMethod)                                                                      \
    X(qzAreaRoughParams::usageStage)                                                                         \
    X(qzAreaRoughParams::sectionMachMode)                                                                    \
    X(qzAreaRoughParams::TrimCutsMethod)                                                                     \
    X(qzTPRotationRoughParams::sortType)                                                                     \
    X(qzTPRotationRoughParams::stockApplicationStage)                                                        \
    X(qzTPRotationRoughParams::linkingApplicationStage)                                                      \
    X(qzSortTpRoughParams::reverseTpType)                                                                    \
    X(qzTpCalcMethodsParams::Method)                                                                         \
    X(qzTriangleMeshBasedTpCalcParams::Pattern)                                                              \
    X(qzTriangleMeshBasedTpCalcParams::RampType)                                                             \
    X(qzTriangleMeshBasedTpCalcParams::ParallelCutsStartCorner)                                              \
    X(qzTriangleMeshBasedTpCalcParams::ConstantZStart)                                                       \
    X(qzTriangleMeshBasedTpCalcParams::ProjectCurvesType)                                                    \
    X(qzTriangleMeshBasedTpCalcParams::ProjectCurvesOffsetDir)                                               \
    X(qzTriangleMeshBasedTpCalcParams::GDContainmentType)                                                    \
    X(qzTriangleMeshBasedTpCalcParams::ProjCurvesSpiralCutMethod)                                            \
    X(qzTriangleMeshBasedTpCalcParams::Offset2dContainmentMethod)                                            \
    X(qzProjectionPatternTriMeshBasedParams::Type)                                                           \
    X(qzProjectionPatternTriMeshBasedParams::Style)                                                          \
    X(qzProjectionPatternTriMeshBasedParams::Direction)                                                      \
    X(qzDrillingBasedTpCalcParams::Pattern)                                                                  \
    X(qzDrillingBasedTpCalcParams::DrillCycle)                                                               \
    X(qzWireframeBasedTpCalcParams::CuttingSide)                                                             \
    X(qzImpellerCutParams::CutsPerSectionMode)                                                               \
    X(qzImpellerCutParams::CutDirection)                                                                     \
    X(qzImpellerCutParams::CutOrdering)                                                                      \
    X(qzImpellerMachLayerDefParams::MachLayerType)                                                           \
    X(qzImpellerMachLayerDefParams::ShroudOffsetTrimType)                                                    \
    X(qzImpellerSplittersImpellerParams::SplitStrategy)                                                      \
    X(qzImpellerTiltParams::TiltStrategy)                                                                    \
    X(qzImpellerTrimAndExtendParams::TrimStrategy)                                                           \
    X(qzShallowAndSteepAreaParams::MachiningAreaType)

/// Reads a parameter set of any stored version from 3 to 226; the constructor refuses every
/// other version (qzvelbrookException 2027) before a byte is read.
///
/// Versions from 33 on are read here, older ones by the older generations; then the values of
/// older versions that the model no longer holds in the same form are converted (links,
/// roughing, stock, surface edges, tilt, lead feed rates), and with the validate flag the set
/// is passed to qz5axParamsValidator::Validate (its findings are not acted on). Conversion
/// failures: qz5axParamsEx 2438 "Invalid Method in TpCalcMethodsParams params!" and 2490
/// "Invalid surface edge handling type", qzException "Axis Conversion not implemented" and
/// "MoveAction Conversion not implemented", and the option-list messages of
/// qzCCWith2DegOptionsList.
///
/// Every sub-record can also be read alone with its operator>>. One reader may read several
/// sets in a row from one stream when they were all stored with its version; nothing parked by
/// one set reaches the next.
class TESSAFORM_API qzBI5axParams3 : public qzBI5axParams2
{
public:
    /// The same arguments as every generation (qzBI5axParams); checks the version.
    qzBI5axParams3(misc::qzBinInputStream& stream, unsigned int version, bool shrinkData,
                   std::vector<misc::qzBILostData>& lostData, bool isUnicode, bool is64bBin, bool validate);
    /// A second reader on the same stream, version, flags and lost-data list.
    qzBI5axParams3(const qzBI5axParams3& other);

    /// 226.
    unsigned int GetUpperKnownBinVersion() const override;
    using qzBI5axParams2::operator>>;
    /// One whole parameter set of the reader's version, converted to the present model and
    /// validated when the validate flag is set.
    misc::qzBinInputStream& operator>>(qz5axParams& params) override;
    /// A collision-control operation in the layout of the reader's version.
    misc::qzBinInputStream& operator>>(qzCollCtrlOpParams& operation) override;
    /// \name Records
    ///@{

    /// One record alone in the layout of the reader's version: the fields that version stored,
    /// the others keeping the record's defaults or taking the values stated for them.
    virtual misc::qzBinInputStream& operator>>(qzImpellerTrimAndExtendParams& record);
    virtual misc::qzBinInputStream& operator>>(qzImpellerTiltParams& record);
    virtual misc::qzBinInputStream& operator>>(qzImpellerSplittersImpellerParams& record);
    virtual misc::qzBinInputStream& operator>>(qzImpellerSmoothParams& record);
    virtual misc::qzBinInputStream& operator>>(qzImpellerOffsetAndClearanceParams& record);
    virtual misc::qzBinInputStream& operator>>(qzImpellerMachLayerDefParams& record);
    virtual misc::qzBinInputStream& operator>>(qzImpellerCutParams& record);
    virtual misc::qzBinInputStream& operator>>(qzImpellerParams& record);
    virtual misc::qzBinInputStream& operator>>(qzTiltRelToImpellerMachLayerParams& record);
    virtual misc::qzBinInputStream& operator>>(qzTiltRelativeToCutDirParams& record);
    ///@}
    /// One 2-degree option and its flag.
    virtual misc::qzBinInputStream&
    operator>>(std::pair<qzCCWith2DegOptionsList::CCWith2DegOptions, bool>& option);
    /// A count, then that many options; a list that is not the five options fails with the
    /// list's own messages. Nothing is reserved from the stored count.
    virtual misc::qzBinInputStream& operator>>(qzCCWith2DegOptionsList& record);
    /// \name More records
    ///@{

    /// One record alone in the layout of the reader's version: the fields that version stored,
    /// the others keeping the record's defaults or taking the values stated for them.
    virtual misc::qzBinInputStream& operator>>(qzProjectionPatternTriMeshBasedParams& record);
    virtual misc::qzBinInputStream& operator>>(qzWireframeBasedTpCalcParams& record);
    virtual misc::qzBinInputStream& operator>>(qzDrillingBasedTpCalcParams& record);
    virtual misc::qzBinInputStream& operator>>(qzTriangleMeshBasedTpCalcParams& record);
    virtual misc::qzBinInputStream& operator>>(qzTpCalcMethodsParams& record);
    virtual misc::qzBinInputStream& operator>>(qzCollCtrlOpStockParams& record);
    virtual misc::qzBinInputStream& operator>>(qzSurfEdgeHandlingParams& record);
    virtual misc::qzBinInputStream& operator>>(qz2dContainmentParams& record);
    virtual misc::qzBinInputStream& operator>>(qzShallowAndSteepAreaParams& record);
    virtual misc::qzBinInputStream& operator>>(qzSortTpRoughParams& record);
    virtual misc::qzBinInputStream& operator>>(qzTPRotationRoughParams& record);
    virtual misc::qzBinInputStream& operator>>(qzAreaRoughParams& record);
    virtual misc::qzBinInputStream& operator>>(qzTrochoidalRoughParams& record);
    virtual misc::qzBinInputStream& operator>>(qzBlendRoughParams& record);
    virtual misc::qzBinInputStream& operator>>(qzDepthCutsRoughParams& record);
    virtual misc::qzBinInputStream& operator>>(qzMorphPocketRoughParams& record);
    virtual misc::qzBinInputStream& operator>>(qzPlungeRoughParams& record);
    virtual misc::qzBinInputStream& operator>>(qzMultiCutsRoughParams& record);
    virtual misc::qzBinInputStream& operator>>(qzRoughingParams& record);
    virtual misc::qzBinInputStream& operator>>(qzPercentOrValueParameter& record);
    virtual misc::qzBinInputStream& operator>>(qzLinkParams& record);
    virtual misc::qzBinInputStream& operator>>(qzMoveHandling& record);
    virtual misc::qzBinInputStream& operator>>(qzLinkBetweenPasses& record);
    virtual misc::qzBinInputStream& operator>>(qzLinkBetweenSlices& record);
    virtual misc::qzBinInputStream& operator>>(qzGapsAlongCut& record);
    virtual misc::qzBinInputStream& operator>>(qzLastExit& record);
    virtual misc::qzBinInputStream& operator>>(qzFirstEntry& record);
    virtual misc::qzBinInputStream& operator>>(qzLeadParams& record);
    virtual misc::qzBinInputStream& operator>>(qzLeadInOutController& record);
    virtual misc::qzBinInputStream& operator>>(qzLeadController& record);
    ///@}
#define QZ_DECLARE_ENUM_READER(Type) virtual misc::qzBinInputStream& operator>>(Type& value);
    QZ_BI5AX_PARAMS3_ENUMS(QZ_DECLARE_ENUM_READER)
#undef QZ_DECLARE_ENUM_READER

private:
    template <class, class> friend class qzBI5axParams::FieldReader;
    template <class R> misc::qzBinInputStream& ReadDescribed(R& record);

    void ConvertTailOfOlderVersions(qz5axParams& params);
    void ApplyMaxAngleStep2CollParams(double maxAngleStep, qzCollCtrlParams& record) const;
    bool Has3To5AxConversionCollOp(const qzCollCtrlParams& record) const;
    void SetFixAndRotAxisFlgs4CollParamsOldVer(bool enabled, int value, qzCollCtrlOpParams& operation) const;
    /// The method of the present numbering; `fromProjection` tells an old projection method.
    qzTpCalcMethodsParams::Method ConvertTpCalculationMethodFromOlderBins(int method,
                                                                          bool& fromProjection) const;
    void ReadAndSetProjPatternTriMeshBasedParams4OlderBins(qzTriangleMeshBasedTpCalcParams& record);
    qzPercentOrValueParameter GetVal4SurfEdgeMergeDistDependingOnGapSettings(const qz5axParams& params) const;
    void ApplyConnectSlicesShortDist2SortTpRoughParams(bool connect, qzSortTpRoughParams& record) const;
    void SetActionAndLeadInOutControler(qzMoveHandling& record);
    static void DisableLeads(qzMoveHandling& record);
    void DisableLeadsIfNeededForGapsAlongCut(qzMoveHandling& record) const;
    void DisableLeadsIfNeededForLinksBetweenSlicesOrPasses(qzMoveHandling& record) const;
    qzLeadController SetOldFeedrateInLeadInController(const qzLeadController& controller) const;
    qzLeadController SetOldFeedrateInLeadOutController(const qzLeadController& controller) const;
};
