#include "paramformat/qzBI5axParams2.h"

#include "brimlib/qz5axParamsValidator.h"
#include "paramformat/qzBI5axParamsFieldReader.h"

qzBI5axParams2::qzBI5axParams2(misc::qzBinInputStream& stream, unsigned int version, bool shrinkData,
                               std::vector<misc::qzBILostData>& lostData, bool isUnicode, bool is64bBin,
                               bool validate)
    : qzBI5axParams1(stream, version, shrinkData, lostData, isUnicode, is64bBin, validate)
{
}

qzBI5axParams2::qzBI5axParams2(const qzBI5axParams2& other) = default;

unsigned int qzBI5axParams2::GetUpperKnownBinVersion() const
{
    return 32;
}

misc::qzBinInputStream& qzBI5axParams2::operator>>(qz5axParams& params)
{
    qzBI5axParams1::operator>>(params);
    ReadTail(params);
    if (m_version < 11 && m_validate)
        DisableRejectedOperations(params);
    if (m_version < 18)
    {
        qzCollCtrlParams collControl = params.GetCollControl();
        for (unsigned index = 0; index < qzCollCtrlParams::GetNoOfCollCtrlOperations(); ++index)
        {
            qzCollCtrlOpParams operation = collControl.GetCollCtrlOperation(index);
            operation.SetCheckSurfTolerance(params.GetCutTolerance());
            collControl.SetCollCtrlOperation(operation, index);
        }
        params.SetCollControl(collControl);
    }
    return m_stream;
}

void qzBI5axParams2::ReadTail(qz5axParams& params)
{
    if (m_version >= 9)
    {
        params.SetCurCurvTiltType(static_cast<qz5axParams::curvTiltType>(ReadEnumFromBinFile()));
        params.SetCurSideTiltDefType(static_cast<qz5axParams::sideTiltDefTypes>(ReadEnumFromBinFile()));
        params.SetCurSideTiltAproximationType(
            static_cast<qz5axParams::sideTiltAproximationTypes>(ReadEnumFromBinFile()));
        params.SetCurTiltThruLinesTypes(static_cast<qz5axParams::tiltThruLinesTypes>(ReadEnumFromBinFile()));
        params.SetSideTiltUserDefDir(ReadVectorFromBinFile());
        misc::qzAutoPointer<post::qzMachDef> machDef;
        m_post >> machDef;
        params.SetMachDef(machDef);
        params.SetToolPlaneCustomDirFor3Axis(ReadVectorFromBinFile());
    }
    else
    {
        params.SetCurCurvTiltType(qz5axParams::CURVE_TILT_STANDARD);
        params.SetCurSideTiltDefType(m_lost.sideTiltFlag ? qz5axParams::SIDE_TILT_FIXED
                                                         : qz5axParams::SIDE_TILT_NONE);
        params.SetCurSideTiltAproximationType(qz5axParams::APPROXIMATION_NONE);
        params.SetCurTiltThruLinesTypes(qz5axParams::THRU_LINES_INTERPOLATE);
    }
    if (m_version >= 11)
    {
        params.SetCalcBasedOnToolCenter(ReadBool());
        params.SetFirstCutFeedRateScalePercentage(ReadDouble());
    }
    if (m_version >= 13)
        m_lost.sideTiltFanningDist = ReadDouble();
    if (m_version >= 14)
        params.SetDampingDistPrcntFromToolRadius(ReadDouble());
    if (m_version >= 15)
        m_lost.signedStockDefTolerance = ReadDouble();
}

void qzBI5axParams2::DisableRejectedOperations(qz5axParams& params)
{
    bool disabled = false;
    for (unsigned index = 0; index < qzCollCtrlParams::GetNoOfCollCtrlOperations(); ++index)
    {
        try
        {
            qz5axParamsValidator::AvoidTiltDir(params, index, true);
        }
        catch (const qz5axParamsEx&)
        {
            qzCollCtrlParams collControl = params.GetCollControl();
            qzCollCtrlOpParams operation = collControl.GetCollCtrlOperation(index);
            operation.SetStatus(false);
            collControl.SetCollCtrlOperation(operation, index);
            params.SetCollControl(collControl);
            disabled = true;
        }
    }
    if (disabled)
        m_lostData.emplace_back(misc::qzBILostData::BinLostDataName(), 1);
}

misc::qzBinInputStream& qzBI5axParams2::operator>>(qzCollCtrlOpParams& operation)
{
    if (m_version < 8)
        return qzBI5axParams1::operator>>(operation);
    FieldReader<qzBI5axParams2, qzCollCtrlOpParams> fields(*this, operation);
    paramformat::DescribeCollOpHead(fields);
    return m_stream;
}
