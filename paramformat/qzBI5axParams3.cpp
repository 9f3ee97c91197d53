#include "paramformat/qzBI5axParams3.h"

#include "brimlib/qz5axParamsValidator.h"
#include "brimlib/qzException.h"
#include "paramformat/qzBI5axParamsFieldReader.h"

namespace
{
// A feed rate as a percentage of the feed rate remembered from the set (100 when that is 0).
double PercentOfFeedRate(double feedRate, double of)
{
    return feedRate == 0.0 ? 100.0 : of / feedRate * 100.0;
}

bool AnyLeadOn(const qzMoveHandling& record)
{
    return record.GetLeadInController().GetIsUsed() || record.GetLeadOutController().GetIsUsed();
}
} // namespace

qzBI5axParams3::qzBI5axParams3(misc::qzBinInputStream& stream, unsigned int version, bool shrinkData,
                               std::vector<misc::qzBILostData>& lostData, bool isUnicode, bool is64bBin,
                               bool validate)
    : qzBI5axParams2(stream, version, shrinkData, lostData, isUnicode, is64bBin, validate)
{
    CheckVersion();
}

qzBI5axParams3::qzBI5axParams3(const qzBI5axParams3& other) = default;

unsigned int qzBI5axParams3::GetUpperKnownBinVersion() const
{
    return 226;
}

template <class R> misc::qzBinInputStream& qzBI5axParams3::ReadDescribed(R& record)
{
    FieldReader<qzBI5axParams3, R>(*this, record).Walk();
    return m_stream;
}

// ---------------------------------------------------------------------------------------------
// Main record

misc::qzBinInputStream& qzBI5axParams3::operator>>(qz5axParams& params)
{
    FieldReader<qzBI5axParams3, qz5axParams> fields(*this, params);
    if (m_version < 33)
    {
        qzBI5axParams2::operator>>(params);
        qzLinkParams link = params.GetLinkParams();
        m_lost.ApplySettingsToLinkParams(link);
        params.SetLinkParams(link);
    }
    else
    {
        ResetReadState();
        paramformat::DescribeMainRecordHead(fields);
        if (m_version < 126)
        {
            qzCollCtrlParams collControl = params.GetCollControl();
            ApplyMaxAngleStep2CollParams(params.GetMaxAngleChange(), collControl);
            params.SetCollControl(collControl);
        }
    }
    qzRoughingParams roughing = params.GetRoughingParams();
    m_lost.ApplySettingsToRoughingParams(roughing, m_version);
    params.SetRoughingParams(roughing);

    paramformat::DescribeMainRecordTail(fields);
    ConvertTailOfOlderVersions(params);

    if (m_version < 219 && Has3To5AxConversionCollOp(params.GetCollControl()))
        params.SetConversionLinkType(qz5axParams::CONVERSION_LINK_3_TO_5_AXIS);
    m_lost.ApplySettingsTo5axParams(params, m_version);
    if (m_validate)
        qz5axParamsValidator::Validate(params, true); // findings are the host's to look for
    return m_stream;
}

void qzBI5axParams3::ConvertTailOfOlderVersions(qz5axParams& params)
{
    if (m_version < 38 && (params.GetTiltStrategy() == qz5axParams::THROUGH_POINT ||
                           params.GetTiltStrategy() == qz5axParams::AWAY_FROM_POINT))
        params.SetTiltAngleFixed(0.0);
    if (m_version < 86 && params.GetTiltStrategy() == qz5axParams::THROUGH_CURVE &&
        params.GetCurCurvTiltType() == qz5axParams::CURVE_TILT_THROUGH_AXIS)
        params.SetTiltAxis(qz5axParams::EXT_Z);
    if (m_version < 87)
    {
        qzCollCtrlOpStockParams stock = params.GetCollCtrlOpStockParams();
        m_lost.ApplySettingsToStockParams(stock, m_version);
        params.SetCollCtrlOpStockParams(stock);
    }
    if (m_version < 97)
        params.SetCurMachType(m_lost.GetMachTypeBasedOnSpiralSettings(params));
    if (m_version < 186)
    {
        const qzPercentOrValueParameter mergeDistance =
            m_version < 85 || !m_lost.surfEdgeMergeDistance
                ? GetVal4SurfEdgeMergeDistDependingOnGapSettings(params)
                : *m_lost.surfEdgeMergeDistance;
        qzSurfEdgeHandlingParams surfEdges = params.GetSurfEdgeHandlingParams();
        m_lost.ApplySettingsToSurfEdgeHandlingParams(surfEdges, mergeDistance,
                                                     m_version >= 180 ? m_lost.surfEdgeHandlingType : 0);
        params.SetSurfEdgeHandlingParams(surfEdges);
    }
    if (m_version < 189)
    {
        qzTiltRelativeToCutDirParams tilt = params.GetTiltRelativeToCutDirParams();
        m_lost.ApplySettingsToTiltRel2CutDirParams(tilt, m_version);
        params.SetTiltRelativeToCutDirParams(tilt);
    }
}

// ---------------------------------------------------------------------------------------------
// Collision control

misc::qzBinInputStream& qzBI5axParams3::operator>>(qzCollCtrlOpParams& operation)
{
    qzBI5axParams2::operator>>(operation);
    FieldReader<qzBI5axParams3, qzCollCtrlOpParams> fields(*this, operation);
    paramformat::DescribeCollOpTail(fields);
    if (m_version >= 125 && m_version <= 128)
        SetFixAndRotAxisFlgs4CollParamsOldVer(m_lost.fixAxesFlag, m_lost.fixAxesValue, operation);
    if (m_version >= 147 && m_version <= 220)
    {
        operation.SetProjectToolInwardsFlg(operation.GetMoveToolOutwardsFlg());
        operation.SetMaxInwardDistance4ProjectTool(operation.GetMaxOutwardDistance4MoveTool());
    }
    m_lost.ApplySettingsToCollControlOpParams(operation, m_version);
    return m_stream;
}

misc::qzBinInputStream& qzBI5axParams3::operator>>(qzCCWith2DegOptionsList& record)
{
    const unsigned int count = m_basic.GetSize_t();
    // Grown as entries arrive: a corrupt count ends at the end of the stream, not in memory. The
    // buffer is kept between lists, since every operation of every set holds one.
    static thread_local qzCCWith2DegOptionsList::OptionList options;
    options.clear();
    for (unsigned int i = 0; i < count; ++i)
    {
        std::pair<qzCCWith2DegOptionsList::CCWith2DegOptions, bool> option;
        *this >> option;
        options.push_back(option);
    }
    record.SetOptionList(options);
    if (options.capacity() > 64) // a corrupt count is not kept
        qzCCWith2DegOptionsList::OptionList().swap(options);
    return m_stream;
}

misc::qzBinInputStream&
qzBI5axParams3::operator>>(std::pair<qzCCWith2DegOptionsList::CCWith2DegOptions, bool>& option)
{
    option.first = static_cast<qzCCWith2DegOptionsList::CCWith2DegOptions>(ReadEnumFromBinFile());
    option.second = ReadBool();
    return m_stream;
}

void qzBI5axParams3::ApplyMaxAngleStep2CollParams(double maxAngleStep, qzCollCtrlParams& record) const
{
    for (unsigned index = 0; index < qzCollCtrlParams::GetNoOfCollCtrlOperations(); ++index)
    {
        qzCollCtrlOpParams operation = record.GetCollCtrlOperation(index);
        if (operation.GetStatus() && operation.GetStrategy() == qzCollCtrlOpBaseParams::TILT_TOOL &&
            operation.GetAvoidTiltDir() == qzCollCtrlOpParams::AUTOMATIC)
        {
            operation.SetMaxAngleStep(maxAngleStep);
            record.SetCollCtrlOperation(operation, index);
        }
    }
}

bool qzBI5axParams3::Has3To5AxConversionCollOp(const qzCollCtrlParams& record) const
{
    for (unsigned index = 0; index < qzCollCtrlParams::GetNoOfCollCtrlOperations(); ++index)
    {
        const qzCollCtrlOpParams& operation = record.GetCollCtrlOperation(index);
        if (operation.GetStatus() && operation.GetStrategy() == qzCollCtrlOpBaseParams::TILT_TOOL &&
            operation.GetAvoidTiltDir() == qzCollCtrlOpParams::THREE_TO_FIVE_AXIS_CONVERSION)
            return true;
    }
    return false;
}

void qzBI5axParams3::SetFixAndRotAxisFlgs4CollParamsOldVer(bool enabled, int value,
                                                           qzCollCtrlOpParams& operation) const
{
    // Below 128 the values 0 to 2 came with an enabling flag; 128 numbered them 1 to 3 alone.
    if (m_version == 128)
        value = value >= 1 && value <= 3 ? value - 1 : -1;
    else if (!enabled)
        value = -1;
    operation.SetTiltAxisFixFlg(value == 1 || value == 2);
    operation.SetRotaryAxisFixFlg(value == 0 || value == 2);
}

// ---------------------------------------------------------------------------------------------
// Calculation methods

misc::qzBinInputStream& qzBI5axParams3::operator>>(qzTpCalcMethodsParams& record)
{
    ReadDescribed(record);
    if (m_version < 173)
    {
        bool fromProjection = false;
        record.SetMethod(ConvertTpCalculationMethodFromOlderBins(m_lost.oldTpCalcMethod, fromProjection));
        if (fromProjection)
        {
            qzTriangleMeshBasedTpCalcParams mesh = record.GetTriangleMeshBasedTpCalcParams();
            mesh.SetPattern(qzTriangleMeshBasedTpCalcParams::ROUGHING);
            record.SetTriangleMeshBasedTpCalcParams(mesh);
        }
    }
    return m_stream;
}

qzTpCalcMethodsParams::Method
qzBI5axParams3::ConvertTpCalculationMethodFromOlderBins(int method, bool& fromProjection) const
{
    fromProjection = false;
    switch (method)
    {
    case 0:
        return qzTpCalcMethodsParams::SURFACE_BASED;
    case 1:
        return qzTpCalcMethodsParams::TRIANGLE_MESH_BASED;
    case 2:
        fromProjection = true;
        return qzTpCalcMethodsParams::TRIANGLE_MESH_BASED;
    case 6:
        return qzTpCalcMethodsParams::DRILLING;
    case 7:
        return qzTpCalcMethodsParams::DRIVE_CURVES;
    case 8:
        return qzTpCalcMethodsParams::ORIGINAL_TOOLPATH;
    default: // 3 to 5 were never released; anything else is not a method
        throw qz5axParamsEx(2438, "Invalid Method in TpCalcMethodsParams params!");
    }
}

misc::qzBinInputStream& qzBI5axParams3::operator>>(qzTriangleMeshBasedTpCalcParams& record)
{
    return ReadDescribed(record);
}

void qzBI5axParams3::ReadAndSetProjPatternTriMeshBasedParams4OlderBins(
    qzTriangleMeshBasedTpCalcParams& record)
{
    using P = qzProjectionPatternTriMeshBasedParams;
    P pattern = record.GetProjectionPatternParams();
    pattern.SetType(static_cast<P::Type>(ReadEnumFromBinFile()));
    pattern.SetStyle(static_cast<P::Style>(ReadEnumFromBinFile()));
    pattern.SetStartPoint(ReadPoint());
    pattern.SetStartHeight(ReadDouble());
    pattern.SetEndHeight(ReadDouble());
    pattern.SetStartAngle(ReadDouble());
    pattern.SetEndAngle(ReadDouble());
    pattern.SetStepAngle(ReadDouble());
    if (m_version >= 135)
    {
        pattern.SetCylinderRadiusAroundLine(ReadDouble());
        pattern.SetDirection(static_cast<P::Direction>(ReadEnumFromBinFile()));
        pattern.SetOutputPatternFlg(ReadBool());
    }
    record.SetProjectionPatternParams(pattern);
}

// ---------------------------------------------------------------------------------------------
// Surface edges, areas, roughing

qzPercentOrValueParameter
qzBI5axParams3::GetVal4SurfEdgeMergeDistDependingOnGapSettings(const qz5axParams& params) const
{
    const qzGapsAlongCut& gaps = params.GetLinkParams().GetGapsAlongCut();
    const bool firstStraight = gaps.GetSmallMoveHandling().GetAction() == qzMoveHandling::STRAIGHT_LINE;
    const bool secondStraight = gaps.GetLargeMoveHandling().GetAction() == qzMoveHandling::STRAIGHT_LINE;
    const double tolerance = params.GetCutTolerance();
    qzPercentOrValueParameter distance(999999.0, params.GetUnits());
    if (!firstStraight && !secondStraight)
        distance.SetValue(tolerance);
    else if (firstStraight && !secondStraight)
    {
        const qzPercentOrValueParameter& gap = gaps.GetGapSize();
        if (gap.IsPercent() || gap.GetValue() >= tolerance - 1e-12)
        {
            distance = gap;
            distance.SetUnits(params.GetUnits(), false);
        }
        else
            distance.SetValue(tolerance);
    }
    return distance;
}

misc::qzBinInputStream& qzBI5axParams3::operator>>(qzShallowAndSteepAreaParams& record)
{
    ReadDescribed(record);
    if (m_version < 69) // the angles were measured from the other side
        record.SetSlopeAngles(90.0 - record.GetSlopeAngleEnd(), 90.0 - record.GetSlopeAngleStart());
    return m_stream;
}

misc::qzBinInputStream& qzBI5axParams3::operator>>(qzRoughingParams& record)
{
    ReadDescribed(record);
    if (m_version < 127)
    {
        qzSortTpRoughParams sort = record.GetSortTpRoughParams();
        ApplyConnectSlicesShortDist2SortTpRoughParams(m_lost.connectSlicesShortDistFlg, sort);
        record.SetSortTpRoughParams(sort);
    }
    return m_stream;
}

void qzBI5axParams3::ApplyConnectSlicesShortDist2SortTpRoughParams(bool connect,
                                                                   qzSortTpRoughParams& record) const
{
    record.SetDefaults();
    record.SetIsUsedFlg(connect);
    record.SetConnectSlicesShortestDistFlg(connect);
}

misc::qzBinInputStream& qzBI5axParams3::operator>>(qzPercentOrValueParameter& record)
{
    record.SetUnits(ReadUnits(), false);
    const bool isPercent = ReadBool();
    const double value = ReadDouble();
    if (isPercent)
        record.SetPercent(value);
    else
        record.SetValue(value);
    return m_stream;
}

// ---------------------------------------------------------------------------------------------
// Links and leads

misc::qzBinInputStream& qzBI5axParams3::operator>>(qzLinkParams& record)
{
    ReadDescribed(record);
    if (m_version < 218) // lead feed rates were the set's plunge and retract feed rates
    {
        qzLeadParams in = record.GetLeadInDefaultParams();
        in.SetFeedRatePercent(PercentOfFeedRate(m_lost.feedRate, m_lost.plungeFeedRate));
        record.SetLeadInDefaultParams(in);
        if (!m_lost.rapidRetractFlg)
        {
            qzLeadParams out = record.GetLeadOutDefaultParams();
            out.SetFeedRatePercent(PercentOfFeedRate(m_lost.feedRate, m_lost.retractFeedRate));
            record.SetLeadOutDefaultParams(out);
        }
    }
    return m_stream;
}

misc::qzBinInputStream& qzBI5axParams3::operator>>(qzMoveHandling& record)
{
    SetActionAndLeadInOutControler(record);
    return m_stream;
}

void qzBI5axParams3::SetActionAndLeadInOutControler(qzMoveHandling& record)
{
    ReadDescribed(record);
}

void qzBI5axParams3::DisableLeads(qzMoveHandling& record)
{
    qzLeadInOutController leads = record.GetMoveLeadController();
    qzLeadController in = leads.GetLeadInController();
    in.SetIsUsed(false);
    leads.SetLeadInController(in);
    qzLeadController out = leads.GetLeadOutController();
    out.SetIsUsed(false);
    leads.SetLeadOutController(out);
    record.SetMoveLeadController(leads);
}

void qzBI5axParams3::DisableLeadsIfNeededForGapsAlongCut(qzMoveHandling& record) const
{
    const qzMoveHandling::Action action = record.GetAction();
    if (AnyLeadOn(record) && (action == qzMoveHandling::FOLLOW_SURFACE ||
                              (action == qzMoveHandling::STRAIGHT_LINE && m_version < 85)))
        DisableLeads(record);
}

void qzBI5axParams3::DisableLeadsIfNeededForLinksBetweenSlicesOrPasses(qzMoveHandling& record) const
{
    if (!AnyLeadOn(record))
        return;
    const qzMoveHandling::Action action = record.GetAction();
    if (action == qzMoveHandling::FOLLOW_SURFACE ||
        (m_version < 82 &&
         (action == qzMoveHandling::STRAIGHT_LINE || action == qzMoveHandling::BROKEN_FEED)))
        DisableLeads(record);
}

misc::qzBinInputStream& qzBI5axParams3::operator>>(qzGapsAlongCut& record)
{
    FieldReader<qzBI5axParams3, qzInterlinkHandeler>(*this, record).Walk();
    qzMoveHandling small = record.GetSmallMoveHandling();
    DisableLeadsIfNeededForGapsAlongCut(small);
    record.SetSmallMoveHandling(small);
    qzMoveHandling large = record.GetLargeMoveHandling();
    DisableLeadsIfNeededForGapsAlongCut(large);
    record.SetLargeMoveHandling(large);
    return m_stream;
}

misc::qzBinInputStream& qzBI5axParams3::operator>>(qzLinkBetweenSlices& record)
{
    FieldReader<qzBI5axParams3, qzInterlinkHandeler>(*this, record).Walk();
    qzMoveHandling small = record.GetSmallMoveHandling();
    DisableLeadsIfNeededForLinksBetweenSlicesOrPasses(small);
    record.SetSmallMoveHandling(small);
    qzMoveHandling large = record.GetLargeMoveHandling();
    DisableLeadsIfNeededForLinksBetweenSlicesOrPasses(large);
    record.SetLargeMoveHandling(large);
    return m_stream;
}

misc::qzBinInputStream& qzBI5axParams3::operator>>(qzLinkBetweenPasses& record)
{
    if (m_version >= 105 && m_version != 107)
    {
        ReadDescribed(record);
        qzMoveHandling small = record.GetSmallMoveHandling();
        DisableLeadsIfNeededForLinksBetweenSlicesOrPasses(small);
        record.SetSmallMoveHandling(small);
        qzMoveHandling large = record.GetLargeMoveHandling();
        DisableLeadsIfNeededForLinksBetweenSlicesOrPasses(large);
        record.SetLargeMoveHandling(large);
        return m_stream;
    }
    // One handling for every link between passes, whatever its length.
    qzMoveHandling handling = record.GetSmallMoveHandling();
    SetActionAndLeadInOutControler(handling);
    if (handling.GetAction() == qzMoveHandling::FOLLOW_SURFACE && AnyLeadOn(handling))
        DisableLeads(handling);
    record.SetSmallMoveHandling(handling);
    record.SetLargeMoveHandling(handling);
    return m_stream;
}

misc::qzBinInputStream& qzBI5axParams3::operator>>(qzFirstEntry& record)
{
    ReadDescribed(record);
    if (m_version < 218)
        record.SetLeadController(SetOldFeedrateInLeadInController(record.GetLeadController()));
    return m_stream;
}

misc::qzBinInputStream& qzBI5axParams3::operator>>(qzLastExit& record)
{
    ReadDescribed(record);
    if (m_version < 218)
        record.SetLeadController(SetOldFeedrateInLeadOutController(record.GetLeadController()));
    return m_stream;
}

misc::qzBinInputStream& qzBI5axParams3::operator>>(qzLeadInOutController& record)
{
    ReadDescribed(record);
    if (m_version < 218)
    {
        record.SetLeadInController(SetOldFeedrateInLeadInController(record.GetLeadInController()));
        record.SetLeadOutController(SetOldFeedrateInLeadOutController(record.GetLeadOutController()));
    }
    return m_stream;
}

qzLeadController qzBI5axParams3::SetOldFeedrateInLeadInController(const qzLeadController& controller) const
{
    qzLeadController result = controller;
    qzLeadParams params = result.GetLeadParams();
    params.SetFeedRatePercent(PercentOfFeedRate(m_lost.feedRate, m_lost.plungeFeedRate));
    result.SetLeadParams(params);
    return result;
}

qzLeadController qzBI5axParams3::SetOldFeedrateInLeadOutController(const qzLeadController& controller) const
{
    qzLeadController result = controller;
    if (!m_lost.rapidRetractFlg)
    {
        qzLeadParams params = result.GetLeadParams();
        params.SetFeedRatePercent(PercentOfFeedRate(m_lost.feedRate, m_lost.retractFeedRate));
        result.SetLeadParams(params);
    }
    return result;
}

// ---------------------------------------------------------------------------------------------
// Records read field by field from their descriptions, with no conversion of their own.

#define QZ_READ_DESCRIBED(Record)                                                                            \
    misc::qzBinInputStream& qzBI5axParams3::operator>>(Record& record)                                       \
    {                                                                                                        \
        return ReadDescribed(record);                                                                        \
    }

QZ_READ_DESCRIBED(qzImpellerTrimAndExtendParams)
QZ_READ_DESCRIBED(qzImpellerTiltParams)
QZ_READ_DESCRIBED(qzImpellerSplittersImpellerParams)
QZ_READ_DESCRIBED(qzImpellerSmoothParams)
QZ_READ_DESCRIBED(qzImpellerOffsetAndClearanceParams)
QZ_READ_DESCRIBED(qzImpellerMachLayerDefParams)
QZ_READ_DESCRIBED(qzImpellerCutParams)
QZ_READ_DESCRIBED(qzImpellerParams)
QZ_READ_DESCRIBED(qzTiltRelToImpellerMachLayerParams)
QZ_READ_DESCRIBED(qzTiltRelativeToCutDirParams)
QZ_READ_DESCRIBED(qzProjectionPatternTriMeshBasedParams)
QZ_READ_DESCRIBED(qzWireframeBasedTpCalcParams)
QZ_READ_DESCRIBED(qzDrillingBasedTpCalcParams)
QZ_READ_DESCRIBED(qzCollCtrlOpStockParams)
QZ_READ_DESCRIBED(qzSurfEdgeHandlingParams)
QZ_READ_DESCRIBED(qz2dContainmentParams)
QZ_READ_DESCRIBED(qzSortTpRoughParams)
QZ_READ_DESCRIBED(qzTPRotationRoughParams)
QZ_READ_DESCRIBED(qzAreaRoughParams)
QZ_READ_DESCRIBED(qzTrochoidalRoughParams)
QZ_READ_DESCRIBED(qzBlendRoughParams)
QZ_READ_DESCRIBED(qzDepthCutsRoughParams)
QZ_READ_DESCRIBED(qzMorphPocketRoughParams)
QZ_READ_DESCRIBED(qzPlungeRoughParams)
QZ_READ_DESCRIBED(qzMultiCutsRoughParams)
QZ_READ_DESCRIBED(qzLeadParams)
QZ_READ_DESCRIBED(qzLeadController)

#undef QZ_READ_DESCRIBED

#define QZ_READ_ENUM(Type)                                                                                   \
    misc::qzBinInputStream& qzBI5axParams3::operator>>(Type& value)                                          \
    {                                                                                                        \
        value = static_cast<Type>(ReadEnumFromBinFile());                                                    \
        return m_stream;                                                                                     \
    }
QZ_BI5AX_PARAMS3_ENUMS(QZ_READ_ENUM)
#undef QZ_READ_ENUM
