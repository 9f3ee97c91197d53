// Field order of the tool records (internal): the values each typed tool stores before the
// common block, declared once for the writer and the reader.
#pragma once

#include "brimlib/qzTypedTools.h"

#include <tuple>

namespace paramformat
{
/// Values() lists a kind's own values in stream order, which is also the order in which its
/// constructor takes them: double as F64, int as I32, cornerRaduisType as ENUM.
/// kSingleLength: the common block holds the diameter and one length instead of two.
/// kShoulderCorrection: records below version 154 follow the common block with the corrected
/// shoulder diameter and base length (two F64).
/// kValuesFrom: the first stored version that holds the kind's own values; older records
/// construct the tool with every own value 0.
struct TypedToolLayoutDefaults
{
    static constexpr bool kSingleLength = false;
    static constexpr bool kShoulderCorrection = false;
    static constexpr unsigned kValuesFrom = 0;
};

template <class Tool> struct TypedToolLayout;

template <> struct TypedToolLayout<cadcam::qzBoreBar> : TypedToolLayoutDefaults
{
    static auto Values(const cadcam::qzBoreBar& tool)
    {
        return std::make_tuple(tool.GetCornerRadius(), tool.GetShankDiameter(), tool.GetCornerType());
    }
};

template <> struct TypedToolLayout<cadcam::qzBullMill> : TypedToolLayoutDefaults
{
    static auto Values(const cadcam::qzBullMill& tool) { return std::make_tuple(tool.GetCornerRadius()); }
};

template <> struct TypedToolLayout<cadcam::qzChamferMill> : TypedToolLayoutDefaults
{
    static constexpr bool kShoulderCorrection = true;
    static auto Values(const cadcam::qzChamferMill& tool)
    {
        return std::make_tuple(tool.GetCornerRadius(), tool.GetCornerType(), tool.GetAngle(),
                               tool.GetTipDiameter());
    }
};

template <> struct TypedToolLayout<cadcam::qzCntrBore> : TypedToolLayoutDefaults
{
    static auto Values(const cadcam::qzCntrBore&) { return std::make_tuple(); }
};

template <> struct TypedToolLayout<cadcam::qzCSink> : TypedToolLayoutDefaults
{
    static auto Values(const cadcam::qzCSink& tool)
    {
        return std::make_tuple(tool.GetCornerRadius(), tool.GetCornerType(), tool.GetAngle());
    }
};

template <> struct TypedToolLayout<cadcam::qzCtrDrill> : TypedToolLayoutDefaults
{
    static auto Values(const cadcam::qzCtrDrill& tool)
    {
        return std::make_tuple(tool.GetPilotDiameter(), tool.GetPilotLength());
    }
};

template <> struct TypedToolLayout<cadcam::qzDoveMill> : TypedToolLayoutDefaults
{
    static constexpr bool kShoulderCorrection = true;
    static auto Values(const cadcam::qzDoveMill& tool)
    {
        return std::make_tuple(tool.GetAngle(), tool.GetCornerRadius(), tool.GetCornerType());
    }
};

template <> struct TypedToolLayout<cadcam::qzDrill> : TypedToolLayoutDefaults
{
    static auto Values(const cadcam::qzDrill& tool) { return std::make_tuple(tool.GetPointAngle()); }
};

template <> struct TypedToolLayout<cadcam::qzEndMill> : TypedToolLayoutDefaults
{
    static auto Values(const cadcam::qzEndMill&) { return std::make_tuple(); }
};

template <> struct TypedToolLayout<cadcam::qzFaceMill> : TypedToolLayoutDefaults
{
    static auto Values(const cadcam::qzFaceMill& tool)
    {
        return std::make_tuple(tool.GetAngle(), tool.GetBodyDiameter(), tool.GetCornerRadius(),
                               tool.GetCornerType());
    }
};

template <> struct TypedToolLayout<cadcam::qzLolMill> : TypedToolLayoutDefaults
{
    static constexpr bool kShoulderCorrection = true;
    static constexpr unsigned kValuesFrom = 155;
    static auto Values(const cadcam::qzLolMill& tool) { return std::make_tuple(tool.GetNeckDiameter()); }
};

template <> struct TypedToolLayout<cadcam::qzRadMill> : TypedToolLayoutDefaults
{
    static auto Values(const cadcam::qzRadMill& tool) { return std::make_tuple(tool.GetCornerRadius()); }
};

template <> struct TypedToolLayout<cadcam::qzReamer> : TypedToolLayoutDefaults
{
    static auto Values(const cadcam::qzReamer&) { return std::make_tuple(); }
};

template <> struct TypedToolLayout<cadcam::qzSlotMill> : TypedToolLayoutDefaults
{
    static constexpr bool kSingleLength = true;
    static auto Values(const cadcam::qzSlotMill& tool)
    {
        return std::make_tuple(tool.GetCornerRadius(), tool.GetCornerType());
    }
};

template <> struct TypedToolLayout<cadcam::qzSpherMill> : TypedToolLayoutDefaults
{
    static auto Values(const cadcam::qzSpherMill&) { return std::make_tuple(); }
};

template <> struct TypedToolLayout<cadcam::qzSpotDrill> : TypedToolLayoutDefaults
{
    static auto Values(const cadcam::qzSpotDrill& tool) { return std::make_tuple(tool.GetPointAngle()); }
};

template <> struct TypedToolLayout<cadcam::qzTaperMill> : TypedToolLayoutDefaults
{
    static constexpr bool kShoulderCorrection = true;
    static auto Values(const cadcam::qzTaperMill& tool)
    {
        return std::make_tuple(tool.GetAngle(), tool.GetCornerRadius(), tool.GetCornerType());
    }
};

template <> struct TypedToolLayout<cadcam::qzTapLH> : TypedToolLayoutDefaults
{
    static auto Values(const cadcam::qzTapLH& tool)
    {
        return std::make_tuple(tool.GetCornerRadius(), tool.GetCornerType(), tool.GetPitch(),
                               tool.GetNumberOfFlutes());
    }
};

template <> struct TypedToolLayout<cadcam::qzTapRH> : TypedToolLayoutDefaults
{
    static auto Values(const cadcam::qzTapRH& tool)
    {
        return std::make_tuple(tool.GetCornerRadius(), tool.GetCornerType(), tool.GetPitch(),
                               tool.GetNumberOfFlutes());
    }
};

template <> struct TypedToolLayout<cadcam::qzBarrelMill> : TypedToolLayoutDefaults
{
    static constexpr bool kShoulderCorrection = true;
    static auto Values(const cadcam::qzBarrelMill& tool)
    {
        return std::make_tuple(tool.GetBarrelRadius(), tool.GetCornerRadius(), tool.GetTipDiameter());
    }
};

template <> struct TypedToolLayout<cadcam::qzConvexTipMill> : TypedToolLayoutDefaults
{
    static auto Values(const cadcam::qzConvexTipMill& tool)
    {
        return std::make_tuple(tool.GetCornerRadius(), tool.GetTipRadius());
    }
};

} // namespace paramformat
