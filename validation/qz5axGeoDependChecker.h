// Which input geometry a parameter set needs.
#pragma once

#include "brimlib/qz5axParams.h"

/// Answers, for one parameter set, which kinds of input geometry its calculation needs. Every
/// answer is computed from the set's values at the time of the call, so later changes of the
/// set are followed; the set must outlive the checker.
class TESSAFORM_API qz5axGeoDependChecker
{
public:
    /// What the impeller calculation looks at: the mesh record's impeller parameters and whether
    /// the calculation is an impeller one. Fixed when the checker is built.
    class TESSAFORM_API qzImpellerGeosDependChecker
    {
    public:
        /// Points at `params` (not owned) and keeps the impeller flag.
        qzImpellerGeosDependChecker(const qzImpellerParams* params, bool isImpellerCalc);
        /// The impeller parameters of the set's mesh record.
        const qzImpellerParams* GetImpellerParams() const { return m_params; }
        /// Whether the calculation was impeller mesh-based when the checker was built.
        bool IsImpellerCalc() const { return m_isImpellerCalc; }

    private:
        const qzImpellerParams* m_params;
        bool m_isImpellerCalc;
    };

    /// `ignoreCheckSurfaceIfCuttingPartIsAlreadySet4Gouge`: an active collision operation whose
    /// cutting part (drive surfaces, or machining surfaces on a mesh) already takes part in its
    /// check needs no check surfaces.
    qz5axGeoDependChecker(const qz5axParams& params, bool ignoreCheckSurfaceIfCuttingPartIsAlreadySet4Gouge);

    /// The flag described at the constructor; it may be changed at any time.
    ///@{
    bool GetIgnoreCheckSurfaceIfCuttingPartIsAlreadySet4Gouge() const { return m_ignoreCheckSurface; }
    void SetIgnoreCheckSurfaceIfCuttingPartIsAlreadySet4Gouge(bool ignore) { m_ignoreCheckSurface = ignore; }
    ///@}
    /// The impeller view, fixed when the checker was built.
    const qzImpellerGeosDependChecker& GetImpellerGeosDependChecker() const { return m_impeller; }

    /// A tilt curve: tilting through or away from a curve, with a curve tilt type other than
    /// through the axis, and 5- or 4-axis output.
    bool NeedTiltCurve() const;
    /// Tilt lines: tilting by orientation lines; or through lines, or side tilt defined by lines,
    /// with 5- or 4-axis output.
    bool NeedTiltLines() const;
    /// Hole lines: drilling with the hole-lines pattern.
    bool NeedDrillHoleLines() const;
    /// Drill points: drilling with the points or points-on-surface pattern.
    bool NeedDrillPoints() const;
    /// Drive curves and orientation lines: the drive-curves method (the two answer alike).
    ///@{
    bool NeedDriveCurves() const;
    bool NeedOrientationLines() const;
    ///@}
    /// An original toolpath: the original-toolpath method.
    bool NeedOriginalToolpath() const;
    /// A stock definition: stock in use, and the method not mesh-based or the stock type a
    /// stock definition.
    bool NeedStockDef() const;
    /// A 2D containment of the stock: stock in use, mesh-based, of the 2D-containment type.
    bool NeedStock2dContainment() const;
    /// Lower and upper edge surfaces: surface-based, morphing between surfaces (the two answer
    /// alike).
    ///@{
    bool NeedLowEdgeSurfaces() const;
    bool NeedUppEdgeSurfaces() const;
    ///@}
    /// One edge surface: surface-based, parallel to a surface.
    bool NeedSingleEdgeSurface() const;
    /// Projection curves: surface-based projection-curves cut; or mesh-based projection of user
    /// or offset curves without 2D containment, shallow-and-steep areas or rest finishing.
    bool NeedProjectionCurves() const;
    /// 2D containment curves: 2D containment in use, or the mesh-based 2D-containment pattern.
    bool Need2dContainmentCurves() const;
    /// Machining surfaces: mesh-based, except the impeller pattern.
    bool NeedMachiningSurfaces() const;
    /// Drive surfaces: surface-based, or drilling with the points-on-surface pattern.
    bool NeedDriveSurfaces() const;
    /// A lead curve: surface-based, cutting along a lead curve.
    bool NeedLeadCurve() const;
    /// Lower and upper edge curves: surface-based, morphing between curves (the two answer
    /// alike).
    ///@{
    bool NeedLowEdgeCurve() const;
    bool NeedUppEdgeCurve() const;
    ///@}
    /// Edge curves: surface-based, parallel to a curve.
    bool NeedEdgeCurves() const;
    /// Whether collision operation `index` needs check surfaces; std::out_of_range ("invalid
    /// vector<T> subscript") for an index beyond the operations held.
    bool NeedCheckSurfaces(qzCollCtrlParams::CollCtrlOperations index) const;

private:
    bool IsSurfaceBasedCalc() const;
    bool IsTriMeshBasedCalc() const;
    bool IsImpellerTriMeshBasedCalc() const;
    bool CutPartIsSetForCollCheck4CrtCollOp(const qzCollCtrlOpParams& operation) const;
    int Method() const;
    int CutType() const;
    int MeshPattern() const;
    bool OutputIs5Or4Axis() const;

    const qz5axParams* m_params;
    bool m_ignoreCheckSurface;
    qzImpellerGeosDependChecker m_impeller;
};
