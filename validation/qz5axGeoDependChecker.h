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
        qzImpellerGeosDependChecker(const qzImpellerParams* params, bool isImpellerCalc);
        const qzImpellerParams* GetImpellerParams() const { return m_params; }
        bool IsImpellerCalc() const { return m_isImpellerCalc; }

    private:
        const qzImpellerParams* m_params;
        bool m_isImpellerCalc;
    };

    /// `ignoreCheckSurfaceIfCuttingPartIsAlreadySet4Gouge`: an active collision operation whose
    /// cutting part (drive surfaces, or machining surfaces on a mesh) already takes part in its
    /// check needs no check surfaces.
    qz5axGeoDependChecker(const qz5axParams& params, bool ignoreCheckSurfaceIfCuttingPartIsAlreadySet4Gouge);

    bool GetIgnoreCheckSurfaceIfCuttingPartIsAlreadySet4Gouge() const { return m_ignoreCheckSurface; }
    void SetIgnoreCheckSurfaceIfCuttingPartIsAlreadySet4Gouge(bool ignore) { m_ignoreCheckSurface = ignore; }
    const qzImpellerGeosDependChecker& GetImpellerGeosDependChecker() const { return m_impeller; }

    bool NeedTiltCurve() const;
    bool NeedTiltLines() const;
    bool NeedDrillHoleLines() const;
    bool NeedDrillPoints() const;
    bool NeedDriveCurves() const;
    bool NeedOrientationLines() const;
    bool NeedOriginalToolpath() const;
    bool NeedStockDef() const;
    bool NeedStock2dContainment() const;
    bool NeedLowEdgeSurfaces() const;
    bool NeedUppEdgeSurfaces() const;
    bool NeedSingleEdgeSurface() const;
    bool NeedProjectionCurves() const;
    bool Need2dContainmentCurves() const;
    bool NeedMachiningSurfaces() const;
    bool NeedDriveSurfaces() const;
    bool NeedLeadCurve() const;
    bool NeedLowEdgeCurve() const;
    bool NeedUppEdgeCurve() const;
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
