// Interoperability with admesh, an independent STL reader and writer: files go both ways.
#include "mesh/mesh_test_support.h"

#include <admesh/stl.h>

#include <map>
#include <set>
#include <tuple>

namespace
{
using namespace tessaform_test;

template <class T> using AdmeshInterop = RealTest<T>;
TYPED_TEST_SUITE(AdmeshInterop, Reals);

/// An STL file opened by admesh, closed with the object.
class AdmeshFile
{
public:
    explicit AdmeshFile(std::string path)
    {
        stl_open(&m_stl, path.data());
        m_open = stl_get_error(&m_stl) == 0;
    }
    ~AdmeshFile() { stl_close(&m_stl); }
    AdmeshFile(const AdmeshFile&) = delete;
    AdmeshFile& operator=(const AdmeshFile&) = delete;

    bool IsOpen() const { return m_open; }
    stl_file& Get() { return m_stl; }
    int Count() const { return m_stl.stats.number_of_facets; }
    const stl_facet& Facet(int i) const { return m_stl.facet_start[i]; }

private:
    stl_file m_stl{};
    bool m_open = false;
};

template <class V> std::array<float, 3> Xyz(const V& v)
{
    return {v.x, v.y, v.z};
}

template <class T>
void ExpectExact(const Pt3<T>& ours, const std::array<float, 3>& theirs, const char* what, int facet)
{
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(SameBits(static_cast<float>(ours[i]), theirs[i]))
            << what << " of facet " << facet << ", coordinate " << i << ": " << ours[i] << " vs "
            << theirs[i];
}

template <class T>
void ExpectClose(const Pt3<T>& ours, const std::array<float, 3>& theirs, const char* what, int facet)
{
    for (int i = 0; i < 3; ++i)
        EXPECT_NEAR(theirs[i], ours[i], 1e-5 * std::abs(ours[i]))
            << what << " of facet " << facet << ", coordinate " << i;
}

template <class T, class Compare>
void CompareFacets(const MeshOf<T>& mesh, const AdmeshFile& file, Compare compare)
{
    ASSERT_EQ(static_cast<unsigned>(file.Count()), mesh.GetNumberOfTriangles());
    for (int f = 0; f < file.Count(); ++f)
    {
        const stl_facet& facet = file.Facet(f);
        compare(mesh.GetTriangle(static_cast<unsigned>(f)).normal, Xyz(facet.normal), "normal", f);
        for (unsigned k = 0; k < 3; ++k)
            compare(mesh.GetTriangleVertexData(static_cast<unsigned>(f), k), Xyz(facet.vertex[k]), "vertex",
                    f);
    }
}

constexpr int kNu = 24, kNv = 12; // 576 triangles

TYPED_TEST(AdmeshInterop, AdmeshReadsOurBinaryBitForBitAndOurAsciiWithinItsDigits)
{
    using T = TypeParam;
    ScopedTempDir dir;
    const MeshOf<T> torus = Torus<T>(kNu, kNv);
    StlOf<T>::WriteSTL(misc::qzFileName(dir.Path("ascii.stl"), true), torus, false);
    AdmeshFile text(dir.Path("ascii.stl"));
    ASSERT_TRUE(text.IsOpen());
    EXPECT_EQ(text.Get().stats.type, ascii);
    CompareFacets(torus, text, ExpectClose<T>);

    StlOf<T>::WriteSTL(misc::qzFileName(dir.Path("binary.stl"), true), torus, true);
    AdmeshFile file(dir.Path("binary.stl"));
    ASSERT_TRUE(file.IsOpen());
    EXPECT_EQ(file.Get().stats.type, binary);
    CompareFacets(torus, file, ExpectExact<T>);

    // admesh's own welding gives the same points: the same corners share a vertex.
    stl_check_facets_exact(&file.Get());
    stl_generate_shared_vertices(&file.Get());
    ASSERT_EQ(static_cast<unsigned>(file.Get().stats.shared_vertices), torus.GetNumberOfPoints());
    std::map<int, std::uint32_t> ours;
    std::map<std::uint32_t, int> theirs;
    for (int f = 0; f < file.Count(); ++f)
        for (int k = 0; k < 3; ++k)
        {
            const int a = file.Get().v_indices[f].vertex[k];
            const std::uint32_t b = torus.GetTriangle(static_cast<unsigned>(f)).vertices[k];
            EXPECT_EQ(ours.emplace(a, b).first->second, b) << "facet " << f << ", corner " << k;
            EXPECT_EQ(theirs.emplace(b, a).first->second, a) << "facet " << f << ", corner " << k;
        }
}

TYPED_TEST(AdmeshInterop, WeReadWhatAdmeshWrites)
{
    using T = TypeParam;
    ScopedTempDir dir;
    StlOf<T>::WriteSTL(misc::qzFileName(dir.Path("source.stl"), true), Torus<T>(kNu, kNv), true);
    AdmeshFile source(dir.Path("source.stl"));
    ASSERT_TRUE(source.IsOpen());
    stl_write_binary(&source.Get(), dir.Path("binary.stl").c_str(), "written by admesh");
    stl_write_ascii(&source.Get(), dir.Path("ascii.stl").c_str(), "written by admesh");

    std::set<std::tuple<float, float, float>> corners;
    for (int f = 0; f < source.Count(); ++f)
        for (const stl_vertex& v : source.Facet(f).vertex)
            corners.emplace(v.x, v.y, v.z);

    for (const char* name : {"binary.stl", "ascii.stl"})
    {
        SCOPED_TRACE(name);
        MeshOf<T> mesh(kMetric);
        StlOf<T>::ReadSTL(misc::qzFileName(dir.Path(name), true), mesh);
        // Nine significant digits in admesh's text give every float back exactly.
        CompareFacets(mesh, source, ExpectExact<T>);
        EXPECT_EQ(mesh.GetNumberOfPoints(), corners.size());
    }
}
} // namespace
