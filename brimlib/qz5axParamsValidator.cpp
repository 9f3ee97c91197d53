#include "brimlib/qz5axParamsValidator.h"

std::vector<misc::qzException> qz5axParamsValidator::Validate(const qz5axParams& params, bool checkAll)
{
    std::vector<misc::qzException> problems;
    if (!(params.GetCutTolerance() > 0.0))
        problems.push_back(qz5axParamsEx(2430, "Cut tolerance must be positive"));
    if (params.GetFeedRate() < 0.0 || params.GetPlungeFeedRate() < 0.0 || params.GetRetractFeedRate() < 0.0 ||
        params.GetRapidFeedrate() < 0.0)
        problems.push_back(qz5axParamsEx(2431, "Feed rates must not be negative"));
    if (params.GetMachDef().IsNull())
        problems.push_back(qz5axParamsEx(2432, "Machine definition missing"));
    const auto& operations = params.GetCollControl().GetCollCtrlOperations();
    if (operations.size() != qzCollCtrlParams::GetNoOfCollCtrlOperations())
        problems.push_back(qz5axParamsEx(2433, "Collision control needs 4 operations"));
    if (!checkAll && !problems.empty())
        return problems;
    for (unsigned index = 0; index < operations.size(); ++index)
    {
        const qzCollCtrlOpParams& op = operations[index];
        if (op.GetStatus() && op.GetAvoidMinTiltAngle() > op.GetAvoidMaxTiltAngle())
            problems.push_back(qz5axParamsEx(2434, "Avoid tilt angles out of order"));
        try
        {
            AvoidTiltDir(params, index, false);
        }
        catch (const qz5axParamsEx& e)
        {
            problems.push_back(e);
        }
    }
    return problems;
}

std::vector<misc::qzException> qz5axParamsValidator::AvoidTiltDir(const qz5axParams& params, unsigned int index,
                                                                  bool report)
{
    std::vector<misc::qzException> problems;
    const auto& operations = params.GetCollControl().GetCollCtrlOperations();
    if (index >= operations.size())
    {
        const qz5axParamsEx missing(2433, "Collision control needs 4 operations");
        if (!report)
            throw missing;
        problems.push_back(missing);
        return problems;
    }
    const qzCollCtrlOpParams& op = operations[index];
    const int direction = op.GetAvoidTiltDir();
    if (op.GetStatus() && (direction < qzCollCtrlOpParams::ALONG_CUT_DIRECTION ||
                           direction > qzCollCtrlOpParams::THREE_TO_FIVE_AXIS_CONVERSION))
        throw qz5axParamsEx(2435, "Invalid avoid tilt direction in collision control operation");
    return problems;
}
