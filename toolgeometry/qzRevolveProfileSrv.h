// Revolving half-profiles about the OZ axis: meridians, truncated cones and closed meshes.
#pragma once

#include "tessaform_export.h"
#include "brimlib/qzAutoPointer.h"
#include "brimlib/qzMeasurable.h"
#include "geometry/qz3dContour.h"
#include "mesh/qzTMesh.h"
#include "toolgeometry/qz3dShape.h"

#include <list>
#include <string>

namespace cadcam
{
/// Turns a half-profile about the OZ axis. A profile is an open 3D polyline whose points are
/// read as (x = radius, y, z = height); x is expected to be >= 0 and y to be 0 (y is ignored
/// except where stated). The tolerance is the largest distance allowed between a circle of
/// revolution and the polygon that stands for it; angles are in radians.
///
/// Errors of every operation that counts meridians: misc::qzException "Profile could not be
/// revolved. ( maxRadius = 0)" when no point lies further than 1e-12 (float: 1e-6) from the
/// axis, "Profile could not be revolved.(tolerance = 0)" for a tolerance at or below that,
/// "Profile could not be revolved. (too many steps)" when the count would not fit an int,
/// and "Accessing NULL pointer" for an empty profile.
template <class T> class TESSAFORM_API qzRevolveProfileSrv
{
public:
    /// A half-profile as described above, shared.
    using Profile = misc::qzAutoPointer<qz3dPolyLine<T>>;
    /// Units of the meshes created.
    using Units = measures::qzUnitsFactory::Units;

    /// The chord tolerance, in length units; checked when meridians are counted, not here.
    explicit qzRevolveProfileSrv(const T& tolerance);
    /// Copies the tolerance.
    ///@{
    qzRevolveProfileSrv(const qzRevolveProfileSrv& other);
    qzRevolveProfileSrv& operator=(const qzRevolveProfileSrv& other);
    ///@}
    virtual ~qzRevolveProfileSrv();

    /// The chord tolerance given at construction.
    const T& GetTolerance() const { return m_tolerance; }

    /// Number of meridians, at least 3: with R the largest radius, the chord of the angle
    /// 2 acos(1 - tolerance / R) deviates from the circle by the tolerance, and 2 pi over that
    /// angle, truncated, is the count (3 when the tolerance reaches R).
    int CalculateNumberOfSteps(const Profile& profile) const;
    /// Appends n meridians, the profile itself (shared) first, then its copies turned by
    /// i * 2 pi / n. A copy's coincident points collapse (exact comparison), so with
    /// `keepOnlyEqualSize` copies whose point count differs from the profile's are dropped.
    /// The list is unchanged when counting fails.
    void RevolveOZ(const Profile& profile, std::list<Profile>& meridians, bool keepOnlyEqualSize);
    /// Appends one qzTruncatedCone (all three surfaces) per segment whose end heights differ
    /// exactly, centred at (0, y, z) of its end points; flat segments give none. A segment
    /// rising by at most 1e-12 throws the cone's "center1 and center2 should be not equal".
    void CreateTruncatedConesOZ(const Profile& profile, qz3dShapeList<T>& shapes);
    /// Writes "x y z" per point, one point a line, with enough digits to read back exactly.
    /// qzmiscException 2149 when the file cannot be opened or written.
    static void PrintProfile(const qz3dPolyLine<T>& profile, const std::string& fileName);
    /// Writes the mesh as a binary STL file; qzmiscException 2149 when the file cannot be opened
    /// or written.
    void PrintMesh(const qzTMesh<T>& mesh, const std::string& fileName) const;

    /// The closed surface of revolution of the profile as an indexed mesh in `units`.
    ///
    /// The meridians are those of RevolveOZ (same count, same points); consecutive meridians,
    /// and the last with the first, are joined by two triangles per profile segment. Profile
    /// points on the axis (x exactly 0) become one vertex shared by every meridian, so their
    /// segments close into fans; a segment along the axis adds nothing. Where the profile ends
    /// off the axis, a flat cap fans from the axis point at that end's height to its circle.
    /// A profile whose last point repeats its first (in x and z) is a closed loop: its last
    /// segment joins its first and no cap is added.
    ///
    /// Consecutive profile points equal in x and z count once. Where a meridian's point
    /// coincides exactly with the previous point of the same meridian (as rounding can make
    /// it do for very close profile points), the two share one vertex and triangles that
    /// degenerate to an edge are left out.
    ///
    /// The result is closed and faces outward: every edge belongs to exactly two triangles that
    /// run it in opposite directions, and the orientation follows the sense in which the profile,
    /// closed along the axis, turns in the (x, z) half-plane. Normals are (P2 - P1) x (P0 - P1),
    /// twice the triangle's area long. Points are in ring order (profile point by profile
    /// point, meridian by meridian, the cap centres last), not sorted.
    ///
    /// Errors: those of CalculateNumberOfSteps, and misc::qzException "Profile could not be
    /// revolved. ( negative radius)" for a point with x below 0.
    misc::qzAutoPointer<qzTMesh<T>> CreateMeshOZ(const Profile& profile, Units units) const;
    /// The same into an existing mesh, whose content is replaced (its lists' storage is reused;
    /// its units are kept). The mesh is unchanged when an error is thrown.
    void CreateMeshOZ(const Profile& profile, qzTMesh<T>& mesh) const;

private:
    T GetMaxRadius(const Profile& profile) const;
    static Profile Revolve(const qz3dPolyLine<T>& profile, const T& angle);

    T m_tolerance;
};

extern template class TESSAFORM_EXTERN_TEMPLATE qzRevolveProfileSrv<float>;
extern template class TESSAFORM_EXTERN_TEMPLATE qzRevolveProfileSrv<double>;
} // namespace cadcam
