// STL files: the written layouts, variant detection, reading errors and round trips.
#include "mesh/mesh_test_support.h"

#include <cmath>
#include <limits>
#include <random>
#include <sstream>

namespace
{
using namespace tessaform_test;

template <class T> using StlFiles = RealTest<T>;
TYPED_TEST_SUITE(StlFiles, Reals);

/// Bytes from hexadecimal pairs; spaces are ignored.
std::string Hex(const std::string& text)
{
    std::string bytes;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (text[i] != ' ')
            bytes += static_cast<char>(std::stoi(text.substr(i++, 2), nullptr, 16));
    return bytes;
}

template <class T> std::string WriteBinary(const MeshOf<T>& mesh)
{
    std::ostringstream out;
    misc::qzStdOutputStream stream(out);
    StlOf<T>::WriteSTLBinary(stream, mesh);
    return out.str();
}

template <class T> std::string WriteAscii(const MeshOf<T>& mesh)
{
    std::ostringstream out;
    StlOf<T>::WriteSTLAscii(out, mesh);
    return out.str();
}

/// Reads `bytes` as a file into a mesh holding one triangle; the error thrown, if any. A failed
/// read must leave the mesh alone.
template <class T>
std::optional<misc::qzException> FileError(const std::string& bytes, MeshOf<T>* result = nullptr)
{
    ScopedTempDir dir;
    WriteFile(dir.Path("part.stl"), bytes);
    SoupOf<T> soup;
    soup.AddTriangle(Pt3<T>(7, 0, 0), Pt3<T>(8, 0, 0), Pt3<T>(7, 1, 0), Pt3<T>(0, 0, 1));
    MeshOf<T> mesh(soup, kMetric);
    std::optional<misc::qzException> error;
    try
    {
        StlOf<T>::ReadSTL(misc::qzFileName(dir.Path("part.stl"), true), mesh);
    }
    catch (const misc::qzException& e)
    {
        error = e;
        EXPECT_EQ(mesh.GetPoint(0), Pt3<T>(7, 0, 0)) << "a failed read changed the mesh";
    }
    if (result)
        *result = mesh;
    return error;
}

/// The error of ReadSTLBinary on `bytes` held in memory.
template <class T> std::optional<misc::qzException> StreamError(const std::string& bytes)
{
    std::istringstream in(bytes);
    misc::qzStdInputStream stream(in);
    MeshOf<T> mesh(kMetric);
    return Thrown<misc::qzException>([&] { StlOf<T>::ReadSTLBinary(stream, mesh); });
}

unsigned long Code(const std::optional<misc::qzException>& e)
{
    return e ? e->GetErrorCode() : 0;
}

unsigned long CauseCode(const std::optional<misc::qzException>& e)
{
    return e && e->GetPrevious() ? e->GetPrevious()->GetErrorCode() : 0;
}

const Record kFlat = {0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 1, 0};
const Record kOther = {0, 0, 1, 1, 0, 0, 1, 1, 0, 0, 1, 0};

TYPED_TEST(StlFiles, BinaryLayoutByteForByte)
{
    using T = TypeParam;
    SoupOf<T> soup;
    soup.AddTriangle(Pt3<T>(1, 0, 0), Pt3<T>(0, 2, 0), Pt3<T>(0, 0, 0), Pt3<T>(0, 0, 1));
    soup.AddTriangle(Pt3<T>(0, 2, 0), Pt3<T>(1, 0, 0), Pt3<T>(0, 0, T(-0.5)), Pt3<T>(-1, T(0.5), 2));
    const std::string expected =
        "STL File" + std::string(72, ' ') +
        Hex("02000000"
            "00000000 00000000 0000803f  0000803f 00000000 00000000  00000000 00000040 00000000"
            "00000000 00000000 00000000  0000"
            "000080bf 0000003f 00000040  00000000 00000040 00000000  0000803f 00000000 00000000"
            "00000000 00000000 000000bf  0000");
    EXPECT_EQ(WriteBinary(MeshOf<T>(soup, kMetric)), expected);
    EXPECT_EQ(WriteBinary(MeshOf<T>(kMetric)), "STL File" + std::string(72, ' ') + Hex("00000000"));
}

TYPED_TEST(StlFiles, AsciiNumbersAreTheShortestTextOfTheFloatValue)
{
    using T = TypeParam;
    EXPECT_EQ(WriteAscii(MeshOf<T>(kMetric)), "solid ascii\nendsolid\n");
    SoupOf<T> soup;
    // Six digits where they render the float exactly, more where they would not; 1.234565 is
    // 1.2345649... as a double but 1.2345650... as a float, and a third needs eight digits.
    soup.AddTriangle(Pt3<T>(T(0.1234567), T(1234567), T(-0.5)), Pt3<T>(T(1.234565), 0, T(1e-5)),
                     Pt3<T>(T(1) / T(3), T(0.1), T(1e30)), Pt3<T>(0, 0, 1));
    EXPECT_EQ(WriteAscii(MeshOf<T>(soup, kMetric)), "solid ascii\n"
                                                    "  facet normal 0 0 1\n"
                                                    "    outer loop\n"
                                                    "      vertex 0.1234567 1234567 -0.5\n"
                                                    "      vertex 1.234565 0 1e-05\n"
                                                    "      vertex 0.33333334 0.1 1e+30\n"
                                                    "    endloop\n"
                                                    "  endfacet\n"
                                                    "endsolid\n");
}

TYPED_TEST(StlFiles, BinaryThroughAsciiAndBackIsBitExact)
{
    using T = TypeParam;
    std::mt19937 random(7);
    std::uniform_real_distribution<float> mantissa(-1.0f, 1.0f);
    std::uniform_int_distribution<int> exponent(-30, 30);
    const auto value = [&] { return std::ldexp(mantissa(random), exponent(random)); };
    std::vector<Record> records;
    for (int t = 0; t < 500; ++t)
    {
        Record r;
        for (float& v : r)
            v = value();
        records.push_back(r);
    }
    const std::string bytes = BinaryStl("STL File", 500, records);
    MeshOf<T> mesh(kMetric);
    ASSERT_FALSE(FileError<T>(bytes, &mesh));
    ASSERT_EQ(mesh.GetNumberOfTriangles(), 500u);

    MeshOf<T> back(kMetric);
    std::istringstream text(WriteAscii(mesh));
    StlOf<T>::ReadSTLAscii(text, back);
    EXPECT_EQ(WriteBinary(back), WriteBinary(mesh));
}

TYPED_TEST(StlFiles, VariantDetection)
{
    using T = TypeParam;
    MeshOf<T> mesh(kMetric);
    // A binary header may begin with "solid": the text after it decides.
    EXPECT_FALSE(FileError<T>(BinaryStl("solid by a binary writer", 2, {kFlat, kOther}), &mesh));
    EXPECT_EQ(mesh.GetNumberOfTriangles(), 2u);
    EXPECT_EQ(mesh.GetNumberOfPoints(), 4u);
    // Shorter than two headers and no ASCII STL: binary.
    EXPECT_FALSE(FileError<T>(BinaryStl("STL File", 1, {kOther}), &mesh));
    EXPECT_EQ(mesh.GetNumberOfTriangles(), 1u);
    EXPECT_EQ(mesh.GetPoint(2), Pt3<T>(1, 1, 0));
    // Short ASCII STL.
    EXPECT_FALSE(
        FileError<T>("solid\nfacet normal 0 0 1\nouter loop\nvertex 0 0 0\nvertex 3 0 0\nvertex 0 1 0\n"
                     "endloop\nendfacet\nendsolid\n",
                     &mesh));
    EXPECT_EQ(mesh.GetPoint(2), Pt3<T>(3, 0, 0));
}

TYPED_TEST(StlFiles, ReadingErrors)
{
    using T = TypeParam;
    {
        MeshOf<T> mesh(kMetric);
        const auto e = Thrown<cadcam::qzSTLParserException>(
            [&] { StlOf<T>::ReadSTL(misc::qzFileName("/nonexistent/part.stl", true), mesh); });
        ASSERT_TRUE(e);
        EXPECT_EQ(e->GetErrorCode(), 3500u);
    }
    // The count disagrees with the size.
    EXPECT_EQ(Code(FileError<T>(BinaryStl("STL File", 3, {kFlat, kOther}))), 3511u);
    EXPECT_EQ(Code(FileError<T>(BinaryStl("STL File", 1, {kFlat, kOther}))), 3511u);
    const auto zero = FileError<T>(BinaryStl("STL File", 0, {}));
    EXPECT_EQ(Code(zero), 3501u);
    EXPECT_EQ(CauseCode(zero), 3511u);
    // In memory the size is not checked first: the reader itself refuses.
    const auto negative = StreamError<T>(BinaryStl("STL File", -5, {kFlat, kOther}));
    EXPECT_EQ(Code(negative), 3501u);
    EXPECT_EQ(CauseCode(negative), 3511u);
    const auto truncated = StreamError<T>(BinaryStl("STL File", 3, {kFlat, kOther}));
    EXPECT_EQ(Code(truncated), 3501u);
    EXPECT_EQ(CauseCode(truncated), 2148u);
    EXPECT_EQ(Code(StreamError<T>(BinaryStl("STL File", 3, {kFlat, kOther}).substr(0, 200))), 3501u);
    // A huge count over two records: refused without reserving for the count.
    EXPECT_EQ(Code(StreamError<T>(
                  BinaryStl("STL File", std::numeric_limits<std::int32_t>::max(), {kFlat, kOther}))),
              3501u);
    EXPECT_EQ(Code(StreamError<T>("STL File")), 3501u);
}

TYPED_TEST(StlFiles, DegenerateTrianglesAreSkippedAndNaNsKept)
{
    using T = TypeParam;
    const Record tiny = {0, 0, 1, 0, 0, 0, 1e-13f, 0, 0, 0, 1, 0};
    const Record point = {0, 0, 1, 2, 2, 2, 2, 2, 2, 2, 2, 2};
    MeshOf<T> mesh(kMetric);
    EXPECT_FALSE(FileError<T>(BinaryStl("STL File", 4, {tiny, point, tiny, point}), &mesh));
    EXPECT_EQ(mesh.GetPoint(0), Pt3<T>(7, 0, 0));
    EXPECT_EQ(mesh.GetNumberOfTriangles(), 1u);
    EXPECT_FALSE(FileError<T>(BinaryStl("STL File", 3, {tiny, kFlat, point}), &mesh));
    EXPECT_EQ(mesh.GetNumberOfTriangles(), 1u);
    EXPECT_EQ(mesh.GetNumberOfPoints(), 3u);

    const float nan = std::numeric_limits<float>::quiet_NaN();
    const Record a = {0, 0, 1, nan, 0, 0, 1, 0, 0, 0, 1, 0}, b = {0, 0, 1, nan, 0, 0, 0, 1, 0, 0, 0, 1};
    EXPECT_FALSE(FileError<T>(BinaryStl("STL File", 4, {a, b, a, kFlat}), &mesh));
    ASSERT_EQ(mesh.GetNumberOfTriangles(), 4u);
    // (0,0,0) (0,0,1) (0,1,0) (1,0,0) and one point for each of the three NaN corners.
    EXPECT_EQ(mesh.GetNumberOfPoints(), 7u);
    for (unsigned t = 0; t < 3; ++t)
        EXPECT_TRUE(std::isnan(mesh.GetTriangleFirstVertexData(t).x()));
}

TYPED_TEST(StlFiles, BinaryRoundTripKeepsEveryBit)
{
    using T = TypeParam;
    // Stored normals of any length are kept as they are.
    const Record odd = {0.1f, 3, -1e-7f, -1, 0.25f, 0, 1e-20f, 3e30f, 0, -1, 0.25f, 5};
    const std::string bytes = BinaryStl("STL File", 4, {odd, kFlat, kOther, odd});
    MeshOf<T> mesh(kMetric);
    ASSERT_FALSE(FileError<T>(bytes, &mesh));
    ASSERT_EQ(mesh.GetNumberOfTriangles(), 4u);
    EXPECT_EQ(mesh.GetTriangle(0).normal, Pt3<T>(0.1f, 3, -1e-7f));
    EXPECT_EQ(mesh.GetTriangle(3).normal, Pt3<T>(0.1f, 3, -1e-7f));
    EXPECT_EQ(mesh.GetTriangleSecondVertexData(3), Pt3<T>(1e-20f, 3e30f, 0));
    EXPECT_EQ(WriteBinary(mesh), bytes);
}
} // namespace
