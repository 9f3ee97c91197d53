// Roughing strategies: multi-cuts, plunge, morph pocket, depth cuts, blend, trochoidal, area,
// toolpath rotation and toolpath sorting.
#pragma once

#include "brimlib/qzMeasurable.h"
#include "brimlib/qzParamField.h"

/// Multiple cuts offset from the surface.
class TESSAFORM_API qzMultiCutsRoughParams : public measures::qzMeasurable
{
public:
    /// Order of the cuts: pass by pass, or region by region (GetSortType).
    enum sortType : int
    {
        BY_PASS = 0,
        BY_REGION = 1
    };
    using measures::qzMeasurable::qzMeasurable;

    QZ_PARAM(bool, IsUsedFlg, false)
    QZ_PARAM(sortType, SortType, BY_PASS)
    QZ_PARAM(unsigned int, NumberOfRoughCuts, 1u)
    QZ_PARAM(double, RoughPassSpacing, 1.0)
    QZ_PARAM(unsigned int, NumberOfFinishCuts, 0u)
    QZ_PARAM(double, FinishPassSpacing, 0.5)
    QZ_PARAM(double, GradualMachAngleXYChange, 0.0)
};

/// Plunge roughing.
class TESSAFORM_API qzPlungeRoughParams : public measures::qzMeasurable
{
public:
    using measures::qzMeasurable::qzMeasurable;

    QZ_PARAM(bool, IsUsedFlg, false)
    QZ_PARAM(double, StepLength, 1.0)
    QZ_PARAM(double, SlideLength, 0.0)
    QZ_PARAM(double, PlungeHeight, 5.0)
    QZ_PARAM(double, RetractAngle, 0.0)
};

/// Morphed pocket roughing.
class TESSAFORM_API qzMorphPocketRoughParams : public measures::qzMeasurable
{
public:
    /// Area the pocket covers (GetPocketAreaType).
    enum pocketAreaType : int
    {
        WHOLE_AREA = 0,
        BETWEEN_CURVES = 1
    };
    using measures::qzMeasurable::qzMeasurable;

    QZ_PARAM(bool, IsUsedFlg, false)
    QZ_PARAM(bool, InsideToOutsideFlg, false)
    QZ_PARAM(double, Stepover, 1.0)
    QZ_PARAM(pocketAreaType, PocketAreaType, WHOLE_AREA)
    QZ_PARAM(unsigned int, NumberOfCuts, 1u)
    QZ_PARAM(bool, SpiralMachiningFlg, false)
};

/// Cuts in depth.
class TESSAFORM_API qzDepthCutsRoughParams : public measures::qzMeasurable
{
public:
    /// How the depth cuts are placed (GetCutsType).
    enum depthCutsType : int
    {
        CONSTANT_STOCK = 0,
        OFFSET_FROM_SURFACE = 1,
        SHIFT_ALONG_TOOL_AXIS = 2
    };
    /// Order of the cuts: depth by depth, or region by region (GetSortType).
    enum sortType : int
    {
        BY_DEPTH = 0,
        BY_REGION = 1
    };
    /// What the depths are measured from (GetApplyDepthMode).
    enum ApplyDepthMode : int
    {
        FROM_SURFACE = 0,
        FROM_STOCK = 1
    };
    using measures::qzMeasurable::qzMeasurable;

    QZ_PARAM(bool, IsUsedFlg, false)
    QZ_PARAM(depthCutsType, CutsType, OFFSET_FROM_SURFACE)
    QZ_PARAM(unsigned int, NumberOfRoughCuts, 1u)
    QZ_PARAM(double, RoughPassSpacing, 1.0)
    QZ_PARAM(unsigned int, NumberOfFinishCuts, 0u)
    QZ_PARAM(double, FinishPassSpacing, 0.5)
    QZ_PARAM(sortType, SortType, BY_DEPTH)
    QZ_PARAM(bool, UseRampFlg, false)
    QZ_PARAM(ApplyDepthMode, ApplyDepthMode, FROM_SURFACE)
};

/// Blend roughing between two curves.
class TESSAFORM_API qzBlendRoughParams : public measures::qzMeasurable
{
public:
    using measures::qzMeasurable::qzMeasurable;

    QZ_PARAM(bool, IsUsedFlg, false)
    QZ_PARAM(double, Stepover, 1.0)
};

/// Trochoidal roughing.
class TESSAFORM_API qzTrochoidalRoughParams : public measures::qzMeasurable
{
public:
    using measures::qzMeasurable::qzMeasurable;

    QZ_PARAM(bool, IsUsedFlg, false)
};

/// Roughing of areas about a rotary axis.
class TESSAFORM_API qzAreaRoughParams : public measures::qzMeasurable
{
public:
    /// How the area is roughed (GetRoughingType).
    enum roughingType : int
    {
        PLUNGE = 0,
        SIDE_CUT = 1,
        SPIRAL = 2
    };
    /// Which area is machined (GetAreaType).
    enum areaType : int
    {
        BETWEEN_BLADES = 0,
        AROUND_HUB = 1
    };
    /// How successive cuts are joined (GetCuttingMethod).
    enum cuttingMethod : int
    {
        ZIGZAG = 0,
        ONE_WAY = 1
    };
    /// Machining stage the operation serves (GetUsageStage).
    enum usageStage : int
    {
        ROUGHING = 0,
        SEMI_FINISHING = 1
    };
    /// Whether the area is machined whole or section by section (GetSectionMachiningMode).
    enum sectionMachMode : int
    {
        WHOLE_SECTION = 0,
        BY_SECTION = 1
    };
    /// How the trimming of cuts is measured (GetTrimCutsMethod).
    enum TrimCutsMethod : int
    {
        TRIM_BY_LENGTH = 0,
        TRIM_BY_PERCENTAGE = 1
    };
    using measures::qzMeasurable::qzMeasurable;

    QZ_PARAM(bool, IsUsedFlg, false)
    QZ_PARAM(roughingType, RoughingType, PLUNGE)
    QZ_PARAM(qzPoint3d, RotaryAxisDirection, qzPoint3d(0, 0, 1))
    QZ_PARAM(qzPoint3d, RotaryAxisBasePoint, qzPoint3d())
    QZ_PARAM(double, MaxStepoverDistance, 1.0)
    QZ_PARAM(areaType, AreaType, BETWEEN_BLADES)
    QZ_PARAM(cuttingMethod, CuttingMethod, ZIGZAG)
    QZ_PARAM(usageStage, UsageStage, ROUGHING)
    QZ_PARAM(sectionMachMode, SectionMachiningMode, WHOLE_SECTION)
    QZ_PARAM(unsigned int, NumberOfCuts, 1u)
    QZ_PARAM(bool, AlternateDirectionFlg, false)
    QZ_PARAM(double, ContourExtensionAtStart, 0.0)
    QZ_PARAM(double, ContourExtensionAtEnd, 0.0)
    QZ_PARAM(bool, UseDepthCutsFlg, false)
    QZ_PARAM(int, DepthCutsNumber, 1)
    QZ_PARAM(double, DepthCutsSpacing, 1.0)
    QZ_PARAM(double, DepthCutsStartHeight, 0.0)
    QZ_PARAM(bool, TrimCutsFlg, false)
    QZ_PARAM(TrimCutsMethod, TrimCutsMethod, TRIM_BY_LENGTH)
    QZ_PARAM(double, CutLenTrimmingPercentage, 100.0)
    QZ_PARAM(bool, SmoothAboveSplitterFlg, false)
};

/// Copies of the toolpath rotated about an axis.
class TESSAFORM_API qzTPRotationRoughParams : public measures::qzMeasurable
{
public:
    /// Order of the output: copy by copy, or pass by pass (GetSortType).
    enum sortType : int
    {
        BY_COPY = 0,
        BY_PASS = 1
    };
    /// Whether the stock is applied before or after rotating (GetStockApplicationStage).
    enum stockApplicationStage : int
    {
        BEFORE_ROTATION = 0,
        AFTER_ROTATION = 1
    };
    /// Whether links are made before or after rotating (GetLinkingApplicationStage).
    enum linkingApplicationStage : int
    {
        LINK_BEFORE_ROTATION = 0,
        LINK_AFTER_ROTATION = 1
    };
    using measures::qzMeasurable::qzMeasurable;

    QZ_PARAM(bool, IsUsedFlg, false)
    QZ_PARAM(qzPoint3d, RotaryAxisDirection, qzPoint3d(0, 0, 1))
    QZ_PARAM(qzPoint3d, RotaryAxisBasePoint, qzPoint3d())
    QZ_PARAM(unsigned int, NumberOfSteps, 1u)
    QZ_PARAM(double, StartAngle, 0.0)
    QZ_PARAM(double, RotationAngle, 360.0)
    QZ_PARAM(sortType, SortType, BY_COPY)
    QZ_PARAM(double, TpToRotatePercentage, 100.0)
    QZ_PARAM(stockApplicationStage, StockApplicationStage, BEFORE_ROTATION)
    QZ_PARAM(linkingApplicationStage, LinkingApplicationStage, LINK_BEFORE_ROTATION)
    QZ_PARAM(double, StartShiftDistance, 0.0)
    QZ_PARAM(double, StepoverShiftDistance, 0.0)
};

/// Order of the toolpath's passes and slices.
class TESSAFORM_API qzSortTpRoughParams : public measures::qzMeasurable
{
public:
    /// Which passes are reversed (GetReverseTpType).
    enum reverseTpType : int
    {
        REVERSE_NONE = 0,
        REVERSE_ALL = 1,
        REVERSE_EVERY_OTHER = 2
    };
    using measures::qzMeasurable::qzMeasurable;
    /// The defaults, keeping the units.
    void SetDefaults();

    QZ_PARAM(bool, IsUsedFlg, false)
    QZ_PARAM(bool, ReverseOrderFlg, false)
    QZ_PARAM(reverseTpType, ReverseTpType, REVERSE_NONE)
    QZ_PARAM(bool, ConnectSlicesShortestDistFlg, false)
};

/// The nine roughing records.
class TESSAFORM_API qzRoughingParams
{
public:
    /// Defaults; `units` are those of every record (the set has none itself).
    explicit qzRoughingParams(measures::qzUnitsFactory::Units units = measures::qzUnitsFactory::METRIC);
    /// Restores the defaults, keeping the units of the multi-cuts record.
    void SetDefaults();

    QZ_PARAM(qzMultiCutsRoughParams, MultiCutsRoughParams, qzMultiCutsRoughParams())
    QZ_PARAM(qzPlungeRoughParams, PlungeRoughParams, qzPlungeRoughParams())
    QZ_PARAM(qzMorphPocketRoughParams, MorphPocketRoughParams, qzMorphPocketRoughParams())
    QZ_PARAM(qzDepthCutsRoughParams, DepthCutsRoughParams, qzDepthCutsRoughParams())
    QZ_PARAM(qzBlendRoughParams, BlendRoughParams, qzBlendRoughParams())
    QZ_PARAM(qzTrochoidalRoughParams, TrochoidalRoughParams, qzTrochoidalRoughParams())
    QZ_PARAM(qzAreaRoughParams, AreaRoughParams, qzAreaRoughParams())
    QZ_PARAM(qzTPRotationRoughParams, TPRotationRoughParams, qzTPRotationRoughParams())
    QZ_PARAM(qzSortTpRoughParams, SortTpRoughParams, qzSortTpRoughParams())
};
