#include "paramformat/qzBI5axParams.h"

#include "brimlib/qzException.h"
#include "brimlib/qzStringConv.h"
#include "paramformat/qzBI5axParamsFieldReader.h"

#include <cmath>

qzBI5axParams::qzBI5axParams(misc::qzBinInputStream& stream, unsigned int version, bool shrinkData,
                             std::vector<misc::qzBILostData>& lostData, bool isUnicode, bool is64bBin,
                             bool validate)
    : m_stream(stream), m_basic(stream, shrinkData, isUnicode, is64bBin),
      m_cadcam(stream, version, shrinkData, isUnicode, is64bBin),
      m_post(stream, version, shrinkData, isUnicode, is64bBin, lostData), m_lostData(lostData),
      m_version(version), m_validate(validate)
{
}

qzBI5axParams::qzBI5axParams(const qzBI5axParams& other)
    : m_stream(other.m_stream), m_basic(other.m_basic), m_cadcam(other.m_cadcam), m_post(other.m_post),
      m_lostData(other.m_lostData), m_version(other.m_version), m_lost(other.m_lost),
      m_validate(other.m_validate)
{
}

qzBI5axParams::~qzBI5axParams() = default;

unsigned int qzBI5axParams::GetUpperKnownBinVersion() const
{
    return 5;
}

void qzBI5axParams::CheckVersion() const
{
    const unsigned int upper = GetUpperKnownBinVersion();
    if (m_version < GetLowerKnownBinVersion() || m_version > upper)
        throw qzvelbrookException(
            qzvelbrookException::VERSION_NOT_SUPPORTED,
            std::string("binary log file version doesn't match logger supported versions.\n") +
                "Version read: " + misc::from_value(m_version) +
                ", version known: " + misc::from_value(GetLowerKnownBinVersion()) + " to " +
                misc::from_value(upper) + ". Cannot process this file.");
}

measures::qzUnitsFactory::Units qzBI5axParams::ReadUnits()
{
    if (m_version <= 23)
        return static_cast<unsigned char>(Read<char>()) == 1 ? measures::qzUnitsFactory::METRIC
                                                             : measures::qzUnitsFactory::INCH;
    return static_cast<measures::qzUnitsFactory::Units>(ReadInt());
}

cadcam::qzTPoint3d<double> qzBI5axParams::ReadVectorFromBinFile()
{
    const cadcam::qzTPoint3d<double> v = ReadPoint();
    if (m_version < 193 && std::sqrt(v.x() * v.x() + v.y() * v.y() + v.z() * v.z()) <= 1e-12)
        return cadcam::qzTPoint3d<double>(0, 0, 1);
    return v;
}

misc::qzBinInputStream& qzBI5axParams::operator>>(measures::qzUnitsFactory::Units& units)
{
    units = ReadUnits();
    return m_stream;
}

// Every enumeration reads by the stored version's rule.
#define QZ_READ_ENUM(Type)                                                                                   \
    misc::qzBinInputStream& qzBI5axParams::operator>>(Type& value)                                           \
    {                                                                                                        \
        value = static_cast<Type>(ReadEnumFromBinFile());                                                    \
        return m_stream;                                                                                     \
    }

QZ_READ_ENUM(qz5axParams::axis)
QZ_READ_ENUM(qz5axParams::cutOrder)
QZ_READ_ENUM(qz5axParams::cutType)
QZ_READ_ENUM(qz5axParams::direction)
QZ_READ_ENUM(qz5axParams::extAxis)
QZ_READ_ENUM(qz5axParams::machType)
QZ_READ_ENUM(qz5axParams::outputType)
QZ_READ_ENUM(qz5axParams::tiltStrategy)
QZ_READ_ENUM(qz5axParams::toolContact)
QZ_READ_ENUM(qzCollCtrlOpBaseParams::collStrategy)
QZ_READ_ENUM(qzCollCtrlOpParams::collAvoidTiltDir)
QZ_READ_ENUM(qzCollCtrlOpParams::collLeaveOutPointsType)
QZ_READ_ENUM(qzCollCtrlOpParams::collSideRetractDir)
QZ_READ_ENUM(qzCollCtrlOpParams::signType)
QZ_READ_ENUM(qzLostParamsOV20::gapHandling)

#undef QZ_READ_ENUM

misc::qzBinInputStream& qzBI5axParams::operator>>(qzCollCtrlOpParams& operation)
{
    operation.SetStatus(ReadBool());
    // One flag chose between the drive surfaces and the check surfaces alone.
    const bool checkSurfacesOnly = ReadBool();
    operation.SetCheckSurfaces(true);
    operation.SetCheckDriveSurfaces(!checkSurfacesOnly);
    operation.SetStrategy(static_cast<qzCollCtrlOpBaseParams::collStrategy>(ReadEnumFromBinFile()));
    operation.SetSideRetractDir(static_cast<qzCollCtrlOpParams::collSideRetractDir>(ReadEnumFromBinFile()));
    operation.SetAvoidTiltDir(static_cast<qzCollCtrlOpParams::collAvoidTiltDir>(ReadEnumFromBinFile()));
    operation.SetAvoidTiltSign(static_cast<qzCollCtrlOpParams::signType>(ReadEnumFromBinFile()));
    operation.SetAvoidTiltAngles(0.0, ReadDouble());
    operation.SetStockToLeave(ReadDouble());
    operation.SetToolAxOrContinuousFlg(false);
    operation.SetDistForToolAxOrContinuous(operation.GetUnits() == measures::qzUnitsFactory::METRIC ? 0.1
                                                                                                    : 0.05);
    operation.SetAllowedAnglesInCutDirection(-90.0, 90.0);
    operation.SetReusePastContoursSolutionFlg(false);
    operation.SetDeviationAngle(45.0);
    return m_stream;
}

misc::qzBinInputStream& qzBI5axParams::operator>>(qzCollCtrlParams& record)
{
    // The layout of version 8 with the operations of the reader's generation; the fields
    // added later take their absent values.
    FieldReader<qzBI5axParams, qzCollCtrlParams>(*this, record).Walk();
    return m_stream;
}

misc::qzBinInputStream& qzBI5axParams::operator>>(qz5axParams& params)
{
    ResetReadState();
    ReadOldestRecord(params, false);
    return m_stream;
}

void qzBI5axParams::ReadOldestRecord(qz5axParams& params, bool asGeneration1)
{
    qzLostParamsOV20& lost = m_lost;
    params.SetUnits(ReadUnits(), false);
    if (asGeneration1)
        params.SetDefaults();
    params.SetTrimLoopSurfPolygonTolerace(ReadDouble());
    lost.feedPlaneDistance = ReadDouble();
    lost.retractPlaneDistance = ReadDouble();
    lost.rapidRetractFlg = ReadBool();
    params.SetRapidRetractFlg(lost.rapidRetractFlg);
    lost.entryModeFlag = ReadBool();
    lost.clearanceAxis = static_cast<qz5axParams::axis>(ReadEnumFromBinFile());
    lost.clearancePlaneHeight = ReadDouble();
    lost.feedRate = ReadDouble();
    params.SetFeedRate(lost.feedRate);
    lost.plungeFeedRate = ReadDouble();
    params.SetPlungeFeedRate(lost.plungeFeedRate);
    lost.retractFeedRate = ReadDouble();
    params.SetRetractFeedRate(lost.retractFeedRate);
    params.SetOptimizeFeedRate(ReadBool());
    params.SetFeedRateRadius1(ReadDouble());
    params.SetFeedRateRadius2(ReadDouble());
    params.SetFeedRateFactor1(ReadDouble());
    params.SetFeedRateFactor2(ReadDouble());
    params.SetFeedRateFactor3(ReadDouble());
    params.SetFeedRateFactor4(ReadDouble());
    params.SetStockRemain(ReadDouble());
    params.SetCutDepth(ReadDouble());
    params.SetCutTolerance(ReadDouble());
    params.SetDistanceFlag(ReadBool());
    params.SetDistance(ReadDouble());
    params.SetMaxAngleChange(ReadDouble());
    params.SetChainingTolerance(ReadDouble());
    params.SetMaxStepoverDistance(ReadDouble());
    params.SetCurCutType(static_cast<qz5axParams::cutType>(ReadEnumFromBinFile()));
    params.SetParallelMachAngleInYX(ReadDouble());
    params.SetParallelMachAngleFromZ(ReadDouble());

    // Versions up to 5 derived the cutting area from three flags; the base reader reads them
    // in every version and leaves the area alone.
    const bool areaFlags = !asGeneration1 || m_version <= 5;
    const bool flagA = areaFlags && ReadBool();
    params.SetNumberOfSteps(ReadUInt());
    const bool flagB = areaFlags && ReadBool();
    params.SetReverseCutsFlg(ReadBool());
    const bool flagC = areaFlags && ReadBool();

    params.SetLimitPoint1(ReadPoint());
    params.SetLimitPoint2(ReadPoint());
    params.SetCurMachType(static_cast<qz5axParams::machType>(ReadEnumFromBinFile()));
    params.SetCurCutOrder(static_cast<qz5axParams::cutOrder>(ReadEnumFromBinFile()));
    params.SetMachDirForOneWay(static_cast<qz5axParams::direction>(ReadEnumFromBinFile()));
    params.SetEnforceClosedContourFlg(ReadBool());
    params.SetCurOutputType(static_cast<qz5axParams::outputType>(ReadEnumFromBinFile()));
    params.SetCur4Axis(static_cast<qz5axParams::axis>(ReadEnumFromBinFile()));
    params.SetStartPosFlag(ReadBool());
    params.SetStartPosition(ReadPoint());
    params.SetStartPositionRotAngle(ReadDouble());

    lost.leadsUsed = ReadBool();
    lost.leadInFlag = ReadBool();
    lost.leadOutFlag = ReadBool();
    lost.leadInArcSweep = ReadDouble();
    lost.leadOutArcSweep = ReadDouble();
    lost.leadInArcDiaOverToolDia = ReadDouble();
    lost.leadOutArcDiaOverToolDia = ReadDouble();
    lost.arcLeadsFlag = ReadBool();
    lost.gapsAlongCutGapPercent = ReadDouble();
    lost.gapsAlongCutHandling[0] = static_cast<qzLostParamsOV20::gapHandling>(ReadEnumFromBinFile());
    lost.gapsAlongCutHandling[1] = static_cast<qzLostParamsOV20::gapHandling>(ReadEnumFromBinFile());
    lost.linksBetweenSlicesGapPercent = ReadDouble();
    lost.linksBetweenSlicesHandling[0] = static_cast<qzLostParamsOV20::gapHandling>(ReadEnumFromBinFile());
    lost.linksBetweenSlicesHandling[1] = static_cast<qzLostParamsOV20::gapHandling>(ReadEnumFromBinFile());
    ReadBool(); // unused since

    params.SetTiltStrategy(static_cast<qz5axParams::tiltStrategy>(ReadEnumFromBinFile()));
    params.SetTiltAxis(static_cast<qz5axParams::extAxis>(ReadEnumFromBinFile()));
    params.SetTiltAxisStart(ReadPoint());
    params.SetTiltAxisEnd(ReadPoint());
    params.SetTiltPoint(ReadPoint());
    params.SetTiltAngle(ReadDouble());
    params.SetTiltAngleFixed(ReadDouble());
    params.SetAxisMeetTiltFlg(ReadBool());
    params.SetReverseToolFlg(ReadBool());
    lost.lagAngle = ReadDouble();
    lost.sideTiltAngle = ReadDouble();
    lost.sideTiltFlag = ReadBool();
    params.SetXYPlaneAngleLimitFlg(ReadBool());
    params.SetXYPlaneAngleLimitStart(ReadDouble());
    params.SetXYPlaneAngleLimitEnd(ReadDouble());
    params.SetYZPlaneAngleLimitFlg(ReadBool());
    params.SetYZPlaneAngleLimitStart(ReadDouble());
    params.SetYZPlaneAngleLimitEnd(ReadDouble());
    params.SetXZPlaneAngleLimitFlg(ReadBool());
    params.SetXZPlaneAngleLimitStart(ReadDouble());
    params.SetXZPlaneAngleLimitEnd(ReadDouble());
    params.SetOrtAngLimitFlg(ReadBool());
    params.SetOrtAngLimitAngle1(ReadDouble());
    params.SetOrtAngLimitAngle2(ReadDouble());
    params.SetRunTool(static_cast<qz5axParams::toolContact>(ReadEnumFromBinFile()));

    qzCollCtrlParams collControl = params.GetCollControl();
    *this >> collControl; // the generation's own layout of the record
    params.SetCollControl(collControl);

    lost.stockUseFlag = ReadBool();
    lost.multiCutsUseFlag = ReadBool();
    lost.multiRoughCuts = ReadUInt();
    lost.multiFinishCuts = ReadUInt();
    lost.multiRoughSpacing = ReadDouble();
    lost.multiFinishSpacing = ReadDouble();
    lost.multiSortFlag = ReadBool();
    lost.firstSpiralFlag = ReadBool();
    params.SetSmoothFlg(ReadBool());
    params.SetSmoothThreshold(ReadDouble());
    params.SetRadiusFitFlg(ReadBool());
    params.SetAvoidSignChngRotAxisFlg(ReadBool());
    ReadBool(); // unused since
    params.SetCreatePocketFlg(ReadBool());
    ReadBool(); // unused since
    params.SetYLimitFlg(ReadBool());
    params.SetYLimitMin(ReadDouble());
    params.SetYLimitMax(ReadDouble());
    lost.plungeUseFlag = ReadBool();
    lost.morphPocketInsideToOutsideFlg = ReadBool();
    lost.morphPocketSpiralFlg = ReadBool();
    lost.plungeValue = ReadDouble();
    lost.morphPocketCount = ReadUInt();

    if (!asGeneration1)
        return;
    if (areaFlags)
    {
        qz5axParams::cuttingAreaType area = flagC   ? qz5axParams::BETWEEN_POINTS
                                            : flagB ? qz5axParams::BETWEEN_LIMITS
                                                    : qz5axParams::FULL_SURFACE;
        if (params.GetCurCutType() == qz5axParams::PARALLEL_TO_CURVE && flagA)
            area = qz5axParams::BETWEEN_CURVES;
        params.SetCuttingAreaType(area);
    }
    else
    {
        params.SetCuttingAreaType(static_cast<qz5axParams::cuttingAreaType>(ReadEnumFromBinFile()));
        params.SetStartMargin(ReadDouble());
        params.SetEndMargin(ReadDouble());
    }
}
