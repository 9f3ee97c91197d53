// Helpers of the mesh tests: mesh types per real type, a closed test mesh and STL byte builders.
#pragma once

#include "geometry/geometry_test_support.h"
#include "mesh/mesh.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace tessaform_test
{
template <class T> using Pt3 = cadcam::qzTPoint3d<T>;
template <class T> using MeshOf = cadcam::qzContainerMesh<T, Pt3<T>, Pt3<T>>;
template <class T> using SoupOf = typename MeshOf<T>::qzTTriangleVector;
template <class T> using StlOf = cadcam::qzTSTLTranslator<T, Pt3<T>, Pt3<T>>;
constexpr measures::qzUnitsFactory::Units kMetric = measures::qzUnitsFactory::METRIC;
constexpr measures::qzUnitsFactory::Units kInch = measures::qzUnitsFactory::INCH;

template <class T> bool SameBits(T a, T b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

/// A closed torus (major radius 4, minor 1.5) of nu * nv quads split in two, corners and unit
/// normals rounded to float so that binary STL holds them exactly.
template <class T> MeshOf<T> Torus(int nu, int nv)
{
    const double pi = 3.14159265358979323846;
    const auto corner = [&](int i, int j)
    {
        const double u = 2 * pi * (i % nu) / nu, v = 2 * pi * (j % nv) / nv;
        const double ring = 4 + 1.5 * std::cos(v);
        return Pt3<T>(static_cast<float>(ring * std::cos(u)), static_cast<float>(ring * std::sin(u)),
                      static_cast<float>(1.5 * std::sin(v)));
    };
    const auto normal = [](const Pt3<T>& a, const Pt3<T>& b, const Pt3<T>& c)
    {
        const double e[2][3] = {{b.x() - a.x(), b.y() - a.y(), b.z() - a.z()},
                                {c.x() - a.x(), c.y() - a.y(), c.z() - a.z()}};
        const double n[3] = {e[0][1] * e[1][2] - e[0][2] * e[1][1], e[0][2] * e[1][0] - e[0][0] * e[1][2],
                             e[0][0] * e[1][1] - e[0][1] * e[1][0]};
        const double l = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
        return Pt3<T>(static_cast<float>(n[0] / l), static_cast<float>(n[1] / l),
                      static_cast<float>(n[2] / l));
    };
    SoupOf<T> soup;
    for (int i = 0; i < nu; ++i)
        for (int j = 0; j < nv; ++j)
        {
            const Pt3<T> a = corner(i, j), b = corner(i + 1, j), c = corner(i + 1, j + 1),
                         d = corner(i, j + 1);
            soup.AddTriangle(a, b, c, normal(a, b, c));
            soup.AddTriangle(a, c, d, normal(a, c, d));
        }
    return MeshOf<T>(soup, kMetric);
}

inline std::string Le32(std::uint32_t v)
{
    return {static_cast<char>(v & 0xFF), static_cast<char>(v >> 8 & 0xFF), static_cast<char>(v >> 16 & 0xFF),
            static_cast<char>(v >> 24)};
}

inline std::string F32(float f)
{
    std::uint32_t bits;
    std::memcpy(&bits, &f, 4);
    return Le32(bits);
}

/// Normal x, y, z, then three corners.
using Record = std::array<float, 12>;

/// A binary STL file: the header padded with spaces to 80 bytes, the stored count and the records
/// with zero attribute words.
inline std::string BinaryStl(const std::string& header, std::int32_t count,
                             const std::vector<Record>& records)
{
    std::string bytes =
        header + std::string(80 - header.size(), ' ') + Le32(static_cast<std::uint32_t>(count));
    for (const Record& r : records)
    {
        for (float f : r)
            bytes += F32(f);
        bytes += std::string(2, '\0');
    }
    return bytes;
}
} // namespace tessaform_test
