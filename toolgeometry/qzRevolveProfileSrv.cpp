#include "toolgeometry/qzRevolveProfileSrv.h"

#include "brimlib/qzException.h"
#include "brimlib/qzFileSystem.h"
#include "mesh/qzTSTLTranslator.h"
#include "toolgeometry/qzTruncatedCone.h"

#include <climits>
#include <cmath>
#include <fstream>
#include <limits>
#include <type_traits>
#include <utility>
#include <vector>

namespace cadcam
{
namespace
{
template <class T> constexpr T kEpsilon = std::is_same<T, float>::value ? T(1e-6) : T(1e-12);
template <class T> constexpr T kTwoPi = T(6.28318530717958647692);

template <class T> using Triangle = typename qzTMesh<T>::qzTTriangle;

/// A profile point as the mesh sees it: radius and height.
template <class T> struct Ring
{
    T r;
    T z;
    bool operator==(const Ring& o) const { return r == o.r && z == o.z; }
};

/// Fills point and triangle lists of the surface of revolution; see CreateMeshOZ.
template <class T> class RevolvedMeshBuilder
{
public:
    RevolvedMeshBuilder(std::vector<qzTPoint3d<T>>& points, std::vector<Triangle<T>>& triangles)
        : m_points(points), m_triangles(triangles)
    {
    }

    void Build(const std::vector<Ring<T>>& rings, bool closedLoop, int steps)
    {
        const std::size_t n = static_cast<std::size_t>(steps);
        const std::size_t count = rings.size();
        m_cos.resize(n);
        m_sin.resize(n);
        const T delta = kTwoPi<T> / T(steps);
        for (std::size_t j = 0; j < n; ++j)
        {
            // The angles of the meridians, as Revolve turns them; meridian 0 is the profile.
            const T angle = T(j) * delta;
            m_cos[j] = j == 0 ? T(1) : std::cos(angle);
            m_sin[j] = j == 0 ? T(0) : std::sin(angle);
        }
        m_flip = SignedArea(rings, closedLoop) < 0;

        m_points.clear();
        m_triangles.clear();
        m_points.reserve(count * n + 2);
        m_triangles.reserve(2 * count * n + 2 * n);

        std::vector<std::uint32_t> first(n), previous(n), current(n);
        for (std::size_t i = 0; i < count; ++i)
        {
            AddRing(rings[i], i == 0 ? nullptr : &previous, current);
            if (i == 0)
                first = current;
            else
                Join(previous, current);
            std::swap(previous, current);
        }
        if (closedLoop)
            Join(previous, first);
        else
        {
            if (rings.front().r != T(0))
                Cap(rings.front().z, first, true);
            if (rings.back().r != T(0))
                Cap(rings.back().z, previous, false);
        }
    }

private:
    static double SignedArea(const std::vector<Ring<T>>& rings, bool closedLoop)
    {
        // Twice the area of the profile closed along the axis (or onto itself), in (r, z).
        std::vector<Ring<T>> polygon(rings);
        if (!closedLoop)
        {
            polygon.push_back({T(0), rings.back().z});
            polygon.push_back({T(0), rings.front().z});
        }
        double twice = 0.0;
        for (std::size_t i = 0; i < polygon.size(); ++i)
        {
            const Ring<T>& a = polygon[i];
            const Ring<T>& b = polygon[(i + 1) % polygon.size()];
            twice += double(a.r) * double(b.z) - double(b.r) * double(a.z);
        }
        return twice;
    }

    void AddRing(const Ring<T>& ring, const std::vector<std::uint32_t>* previous,
                 std::vector<std::uint32_t>& indices)
    {
        const std::size_t n = indices.size();
        if (ring.r == T(0))
        {
            const std::uint32_t axis = AddPoint(qzTPoint3d<T>(T(0), T(0), ring.z), previous, 0);
            for (std::size_t j = 0; j < n; ++j)
                indices[j] = axis;
            return;
        }
        for (std::size_t j = 0; j < n; ++j)
            indices[j] = AddPoint(qzTPoint3d<T>(ring.r * m_cos[j], ring.r * m_sin[j], ring.z), previous, j);
    }

    std::uint32_t AddPoint(const qzTPoint3d<T>& p, const std::vector<std::uint32_t>* previous, std::size_t j)
    {
        // A point that rounding made equal to the same meridian's previous point is that point.
        if (previous && m_points[(*previous)[j]] == p)
            return (*previous)[j];
        m_points.push_back(p);
        return static_cast<std::uint32_t>(m_points.size() - 1);
    }

    void Join(const std::vector<std::uint32_t>& lower, const std::vector<std::uint32_t>& upper)
    {
        const std::size_t n = lower.size();
        for (std::size_t j = 0; j < n; ++j)
        {
            const std::size_t k = j + 1 == n ? 0 : j + 1;
            const std::uint32_t a = lower[j], b = lower[k], c = upper[k], d = upper[j];
            AddTriangle(a, b, c);
            AddTriangle(a, c, d);
        }
    }

    void Cap(T z, const std::vector<std::uint32_t>& rim, bool atStart)
    {
        m_points.emplace_back(T(0), T(0), z);
        const auto centre = static_cast<std::uint32_t>(m_points.size() - 1);
        const std::size_t n = rim.size();
        for (std::size_t j = 0; j < n; ++j)
        {
            const std::size_t k = j + 1 == n ? 0 : j + 1;
            // The rim runs opposite to the side triangles that share it.
            if (atStart)
                AddTriangle(centre, rim[k], rim[j]);
            else
                AddTriangle(centre, rim[j], rim[k]);
        }
    }

    void AddTriangle(std::uint32_t a, std::uint32_t b, std::uint32_t c)
    {
        if (a == b || b == c || a == c)
            return;
        if (m_flip)
            std::swap(b, c);
        const qzTPoint3d<T>& p0 = m_points[a];
        const qzTPoint3d<T>& p1 = m_points[b];
        const qzTPoint3d<T>& p2 = m_points[c];
        m_triangles.push_back(Triangle<T>{{a, b, c}, Cross(p2 - p1, p0 - p1)});
    }

    std::vector<qzTPoint3d<T>>& m_points;
    std::vector<Triangle<T>>& m_triangles;
    std::vector<T> m_cos;
    std::vector<T> m_sin;
    bool m_flip = false;
};

/// The profile's distinct consecutive (x, z) pairs; whether it closes onto itself.
template <class T> std::vector<Ring<T>> CollectRings(const qz3dPolyLine<T>& profile, bool& closedLoop)
{
    std::vector<Ring<T>> rings;
    rings.reserve(profile.GetPointCount());
    for (const auto& point : profile.GetPoints())
    {
        if (point->x() < T(0))
            throw misc::qzException(0, "Profile could not be revolved. ( negative radius)");
        const Ring<T> ring{point->x(), point->z()};
        if (rings.empty() || !(rings.back() == ring))
            rings.push_back(ring);
    }
    closedLoop = rings.size() >= 3 && rings.front() == rings.back();
    if (closedLoop)
        rings.pop_back();
    return rings;
}
} // namespace

template <class T> qzRevolveProfileSrv<T>::qzRevolveProfileSrv(const T& tolerance) : m_tolerance(tolerance) {}
template <class T> qzRevolveProfileSrv<T>::qzRevolveProfileSrv(const qzRevolveProfileSrv& other) = default;
template <class T>
qzRevolveProfileSrv<T>& qzRevolveProfileSrv<T>::operator=(const qzRevolveProfileSrv& other) = default;
template <class T> qzRevolveProfileSrv<T>::~qzRevolveProfileSrv() = default;

template <class T> T qzRevolveProfileSrv<T>::GetMaxRadius(const Profile& profile) const
{
    T radius = T(0);
    for (const auto& point : profile->GetPoints())
        if (point->x() > radius)
            radius = point->x();
    return radius;
}

template <class T> int qzRevolveProfileSrv<T>::CalculateNumberOfSteps(const Profile& profile) const
{
    const T radius = GetMaxRadius(profile);
    if (radius <= kEpsilon<T>)
        throw misc::qzException(0, "Profile could not be revolved. ( maxRadius = 0)");
    if (m_tolerance <= kEpsilon<T>)
        throw misc::qzException(0, "Profile could not be revolved.(tolerance = 0)");
    if (radius <= m_tolerance)
        return 3;
    const T angle = T(2) * std::acos(T(1) - m_tolerance / radius);
    const T steps = kTwoPi<T> / angle;
    // A tolerance lost against the radius in 1 - t / R would leave an angle of 0.
    if (!(steps < T(INT_MAX)))
        throw misc::qzException(0, "Profile could not be revolved. (too many steps)");
    const int n = static_cast<int>(steps);
    return n > 3 ? n : 3;
}

template <class T>
typename qzRevolveProfileSrv<T>::Profile qzRevolveProfileSrv<T>::Revolve(const qz3dPolyLine<T>& profile,
                                                                         const T& angle)
{
    Profile meridian(new qz3dPolyLine<T>());
    meridian->ReservePoints(profile.GetPointCount());
    const T c = std::cos(angle), s = std::sin(angle);
    for (const auto& point : profile.GetPoints())
    {
        const T x = point->x();
        if (x == T(0))
            meridian->AddPoint(qz3dPoint<T>(T(0), T(0), point->z()));
        else
            meridian->AddPoint(qz3dPoint<T>(x * c, x * s, point->z()));
    }
    return meridian;
}

template <class T>
void qzRevolveProfileSrv<T>::RevolveOZ(const Profile& profile, std::list<Profile>& meridians,
                                       bool keepOnlyEqualSize)
{
    const int steps = CalculateNumberOfSteps(profile);
    const T delta = kTwoPi<T> / T(steps);
    std::list<Profile> added;
    added.push_back(profile);
    for (int i = 1; i < steps; ++i)
    {
        Profile meridian = Revolve(*profile, T(i) * delta);
        if (!keepOnlyEqualSize || meridian->GetPointCount() == profile->GetPointCount())
            added.push_back(std::move(meridian));
    }
    meridians.splice(meridians.end(), added);
}

template <class T>
void qzRevolveProfileSrv<T>::CreateTruncatedConesOZ(const Profile& profile, qz3dShapeList<T>& shapes)
{
    bool first = true;
    T previousRadius = T(0);
    misc::qzAutoPointer<qz3dPoint<T>> previousAxis;
    for (const auto& point : profile->GetPoints())
    {
        misc::qzAutoPointer<qz3dPoint<T>> axis(new qz3dPoint<T>(T(0), point->y(), point->z()));
        if (!first && point->z() != previousAxis->z())
            shapes.Add(misc::qzAutoPointer<qz3dShape<T>>(new qzTruncatedCone<T>(
                previousAxis, previousRadius, axis, point->x(), qzCenterlineShape<T>::ALL_SURFACES)));
        first = false;
        previousRadius = point->x();
        previousAxis = axis;
    }
}

template <class T>
void qzRevolveProfileSrv<T>::PrintProfile(const qz3dPolyLine<T>& profile, const std::string& fileName)
{
    std::ofstream file(fileName, std::ios::out | std::ios::trunc);
    if (!file)
        throw qzmiscException(qzmiscException::OUTPUT_STREAM_FAILED);
    file.precision(std::numeric_limits<T>::max_digits10);
    for (const auto& point : profile.GetPoints())
        file << point->x() << ' ' << point->y() << ' ' << point->z() << '\n';
    file.close();
    if (!file)
        throw qzmiscException(qzmiscException::OUTPUT_STREAM_FAILED);
}

template <class T>
void qzRevolveProfileSrv<T>::PrintMesh(const qzTMesh<T>& mesh, const std::string& fileName) const
{
    qzTSTLTranslator<T, qzTPoint3d<T>, qzTPoint3d<T>>::WriteSTL(misc::qzFileName(fileName, true), mesh, true);
}

template <class T>
misc::qzAutoPointer<qzTMesh<T>> qzRevolveProfileSrv<T>::CreateMeshOZ(const Profile& profile,
                                                                     Units units) const
{
    misc::qzAutoPointer<qzTMesh<T>> mesh(new qzTMesh<T>(units));
    CreateMeshOZ(profile, *mesh);
    return mesh;
}

template <class T> void qzRevolveProfileSrv<T>::CreateMeshOZ(const Profile& profile, qzTMesh<T>& mesh) const
{
    const int steps = CalculateNumberOfSteps(profile);
    bool closedLoop = false;
    const std::vector<Ring<T>> rings = CollectRings(*profile, closedLoop);
    RevolvedMeshBuilder<T>(mesh.GetPoints(), mesh.GetTriangles()).Build(rings, closedLoop, steps);
    // The cached box belonged to the old content.
    mesh.SetBoundingBox(qz3dBoundingBox<T>());
}

template class qzRevolveProfileSrv<float>;
template class qzRevolveProfileSrv<double>;
} // namespace cadcam
