// Values of older stored versions that the model no longer holds in the same form.
#pragma once

#include "brimlib/qz5axParams.h"

#include <optional>

/// The lost-parameter store: values of stored versions before the current layout that have no
/// field of their own in the model (or a field of another shape), parked while a set is read
/// and converted into their present equivalents at the end of the read.
///
/// The readers fill the public values; the ApplySettings... operations convert them. A
/// default-constructed store holds zeros, false flags and empty optionals.
class TESSAFORM_API qzLostParamsOV20
{
public:
    /// How old versions handled a gap or a link between slices.
    enum gapHandling : int
    {
        GAP_STRAIGHT_LINE = 0,
        GAP_BLEND_SPLINE = 1,
        GAP_RETRACT = 2,
        GAP_FOLLOW_SURFACE = 3,
        GAP_BROKEN_FEED = 4
    };

    /// Zeros, false flags and empty optionals.
    qzLostParamsOV20();

    /// The stock remain of the mesh method (when it was stored, versions 115 to 195, and the
    /// calculation method is the mesh one), and the lag and side tilt angles, out-of-range
    /// angles of versions below 200 becoming 0.
    void ApplySettingsTo5axParams(qz5axParams& params, unsigned version) const;
    /// Clearance, leads, gap sizes and move actions of versions below 33.
    void ApplySettingsToLinkParams(qzLinkParams& link) const;
    /// The six roughing strategies of versions below 35.
    void ApplySettingsToRoughingParams(qzRoughingParams& roughing, unsigned version) const;
    /// The stock operation of versions below 87.
    void ApplySettingsToStockParams(qzCollCtrlOpStockParams& stock, unsigned version) const;
    /// The 2-degree options of a collision-control operation of versions below 125 (their
    /// check: "CCWith2DegOptionsList ..." when the list is not the five options).
    void ApplySettingsToCollControlOpParams(qzCollCtrlOpParams& operation, unsigned version) const;
    /// The merge distance and the surface-edge handling type (0 or 1; any other type throws
    /// qz5axParamsEx 2490 "Invalid surface edge handling type").
    void ApplySettingsToSurfEdgeHandlingParams(qzSurfEdgeHandlingParams& record,
                                               const qzPercentOrValueParameter& mergeDistance,
                                               int type) const;
    /// The tilt relative to the cut direction of versions below 189.
    void ApplySettingsToTiltRel2CutDirParams(qzTiltRelativeToCutDirParams& record, unsigned version) const;
    /// Spiral when either stored spiral flag is set, otherwise the set's machining type.
    qz5axParams::machType GetMachTypeBasedOnSpiralSettings(const qz5axParams& params) const;
    /// Whether leads may be used with a gap handling (not with 0, 3 and 4).
    bool ValidateUsageOfEEMC(gapHandling handling) const;

    /// 0, 1, 2 as they are; any other axis throws qzException "Axis Conversion not implemented".
    static qzLinkParams::ClearanceAxis ConvertAxis(qz5axParams::axis axis);
    /// The move action of a gap handling; a retract becomes incremental (5) without the entry
    /// mode flag. Handlings above 4 throw qzException "MoveAction Conversion not implemented".
    static qzMoveHandling::Action ConvertMoveAction(gapHandling handling, bool entryModeFlag);

    /// \name Values of the oldest record (versions 3 to 32)
    ///@{

    /// Stored by the oldest record under this name; ApplySettingsToLinkParams turns them into
    /// the link record's clearance, leads, gaps and move actions.
    bool leadsUsed;
    bool leadInFlag;
    bool leadOutFlag;
    double leadInArcSweep;
    double leadOutArcSweep;
    double leadInArcDiaOverToolDia;
    double leadOutArcDiaOverToolDia;
    bool arcLeadsFlag;
    double gapsAlongCutGapPercent;
    gapHandling gapsAlongCutHandling[2];
    double linksBetweenSlicesGapPercent;
    gapHandling linksBetweenSlicesHandling[2];
    bool entryModeFlag;
    qz5axParams::axis clearanceAxis;
    double clearancePlaneHeight;
    double feedPlaneDistance;
    double retractPlaneDistance;
    ///@}

    /// \name Roughing before its own record (versions below 35)
    ///@{

    /// Stored under this name before the roughing record existed; ApplySettingsToRoughingParams
    /// moves them into the six roughing strategies.
    bool plungeUseFlag;
    double plungeValue;
    bool morphPocketInsideToOutsideFlg;
    bool morphPocketSpiralFlg;
    unsigned int morphPocketCount;
    bool depthCutsUseFlag;
    bool morphPocketUseFlag;
    bool blendUseFlag;
    bool trochoidalUseFlag;
    qzDepthCutsRoughParams::depthCutsType depthCutsType;
    qzDepthCutsRoughParams::sortType depthCutsSortType;
    unsigned int depthRoughCuts;
    double depthRoughSpacing;
    unsigned int depthFinishCuts;
    double depthFinishSpacing;
    double morphPocketDistance;
    qzMorphPocketRoughParams::pocketAreaType pocketAreaType;
    double blendDistance;
    double plungeSlideLength; ///< the three plunge values that had no field of their own
    double plungeHeight;
    double plungeRetractAngle;
    bool multiCutsUseFlag;
    unsigned int multiRoughCuts;
    double multiRoughSpacing;
    unsigned int multiFinishCuts;
    double multiFinishSpacing;
    bool multiSortFlag;
    ///@}

    /// \name Stock, spiral, 2-degree options, tilt
    ///@{

    /// Stored under this name by versions whose records lacked the field; the matching
    /// ApplySettings... operation carries it into the present record.
    bool stockUseFlag;
    double signedStockDefTolerance;
    bool firstSpiralFlag;
    bool secondSpiralFlag;
    bool first2DegFlag;
    bool second2DegFlag;
    double sideTiltFanningDist;
    bool allowFlipSideFlag;
    double gradualLeadAngleChange;
    double gradualSideTiltAngleChange;
    double ruledSurfaceRadiusLimit;
    bool alignToPlanarEdgesFlag;
    std::optional<double> meshStockRemain; ///< engaged when the stream held it
    double lagAngle;
    double sideTiltAngle;
    ///@}

    /// \name Remembered while reading
    ///@{

    /// A value read earlier in the same set that a later conversion needs (the lead feed rates,
    /// the side-tilt definition, the surface-edge merge distance, the calculation method).
    double feedRate;
    double plungeFeedRate;
    double retractFeedRate;
    bool rapidRetractFlg;
    bool sideTiltFlag; ///< versions below 9 derive the side-tilt definition from it
    std::optional<qzPercentOrValueParameter> surfEdgeMergeDistance; ///< versions 85 to 185
    int surfEdgeHandlingType;                                       ///< versions 180 to 185
    bool connectSlicesShortDistFlg;                                 ///< versions 42 to 126
    bool depthCutsFromStockFlg;                                     ///< versions 202 to 205
    bool fixAxesFlag;                                               ///< versions 125 to 127
    int fixAxesValue;                                               ///< versions 125 to 128
    int oldTpCalcMethod;                                            ///< versions below 173
    ///@}

private:
    void ApplySettingsForClearance(qzLinkParams& link) const;
    void ApplySettingsForLead(qzLinkParams& link) const;
    void ApplySettingsForLeadController(qzLinkParams& link) const;
    static void SetEntryLeadOutController(qzLeadInOutController& controller, bool leadIn, bool leadOut);
    void ApplySettingsToPlungeRoughParams(qzPlungeRoughParams& plunge) const;
    void ApplySettingsToMorphPocketRoughParams(qzMorphPocketRoughParams& morph) const;
    void ApplySettingsToDepthCutsRoughParams(qzDepthCutsRoughParams& depth) const;
    void ApplySettingsToBlendRoughParams(qzBlendRoughParams& blend) const;
    void ApplySettingsToTrochoidalRoughParams(qzTrochoidalRoughParams& trochoidal) const;
    void ApplySettingsToMultiCutsRoughParams(qzMultiCutsRoughParams& multi) const;
    /// The roughing values that versions below 33 did not store at all.
    static void SetDefaultsForNewRoughingParams(qzLostParamsOV20& lost, const qzRoughingParams& roughing);
    static void SetDefaultsForNewStockParams(qzCollCtrlOpStockParams& stock);
};
