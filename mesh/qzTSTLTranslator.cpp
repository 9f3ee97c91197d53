#include "mesh/qzTSTLTranslator.h"

#include "brimlib/qzException.h"
#include "foundation/qzParserException.h"
#include "mesh/qzSTLParser.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <optional>

namespace cadcam
{
namespace
{
constexpr std::size_t kHeaderSize = 80;
constexpr std::size_t kRecordSize = 50;
// Records are read and written in blocks of this many, through one buffer.
constexpr std::size_t kBlockRecords = 8192;

void LoadFloats(const unsigned char* bytes, float* values, int count)
{
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
    std::memcpy(values, bytes, 4 * static_cast<std::size_t>(count));
#else
    for (int i = 0; i < count; ++i)
    {
        const unsigned char* b = bytes + 4 * i;
        const std::uint32_t bits = static_cast<std::uint32_t>(b[0]) | static_cast<std::uint32_t>(b[1]) << 8 |
                                   static_cast<std::uint32_t>(b[2]) << 16 | static_cast<std::uint32_t>(b[3]) << 24;
        std::memcpy(values + i, &bits, 4);
    }
#endif
}

void StoreFloat(unsigned char* bytes, float value)
{
    std::uint32_t bits;
    std::memcpy(&bits, &value, 4);
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<unsigned char>(bits >> (8 * i));
}

/// Bytes the stream can still deliver, when it can tell.
std::optional<std::uint64_t> RemainingBytes(std::istream* in)
{
    if (!in || !*in)
        return std::nullopt;
    const std::streamoff here = in->tellg();
    if (here < 0)
        return std::nullopt;
    in->seekg(0, std::ios_base::end);
    const std::streamoff end = in->tellg();
    in->clear();
    in->seekg(here, std::ios_base::beg);
    if (end < here || !*in)
    {
        in->clear();
        return std::nullopt;
    }
    return static_cast<std::uint64_t>(end - here);
}

std::optional<std::uint64_t> RemainingBytes(misc::qzStdInputStream& stream)
{
    return RemainingBytes(stream.GetStream().Get());
}

std::optional<std::uint64_t> RemainingBytes(std::istream& stream)
{
    return RemainingBytes(&stream);
}

/// |a - b| in the mesh's precision, computed as qzTPoint3d's length is.
template <class T> T Distance(const float* a, const float* b)
{
    const T x = static_cast<T>(a[0]) - static_cast<T>(b[0]);
    const T y = static_cast<T>(a[1]) - static_cast<T>(b[1]);
    const T z = static_cast<T>(a[2]) - static_cast<T>(b[2]);
    return std::sqrt(x * x + y * y + z * z);
}
} // namespace

template <class T, class Point, class Normal>
void qzTSTLTranslator<T, Point, Normal>::OpenFile(const misc::qzFileName& fileName, bool binary, misc::qzIFStream& stream)
{
    stream.open(fileName.GetFilePath().c_str(), binary ? static_cast<unsigned int>(misc::qzOpenMode::binary) : 0u);
}

template <class T, class Point, class Normal>
void qzTSTLTranslator<T, Point, Normal>::OpenFile(const misc::qzFileName& fileName, bool binary, misc::qzOFStream& stream)
{
    stream.open(fileName.GetFilePath().c_str(), binary ? static_cast<unsigned int>(misc::qzOpenMode::binary) : 0u);
}

template <class T, class Point, class Normal>
bool qzTSTLTranslator<T, Point, Normal>::FoundAsciiSTLKeywords(const std::string& text)
{
    for (const char* keyword :
         {"solid", "facet", "normal", "outer", "loop", "vertex", "endloop", "endfacet", "endsolid"})
        if (text.find(keyword) != std::string::npos)
            return true;
    return false;
}

template <class T, class Point, class Normal>
bool qzTSTLTranslator<T, Point, Normal>::IsBinary(const misc::qzFileName& fileName)
{
    if (!misc::qzFileSystem::FileExists(fileName.GetFilePath()))
        throw qzSTLParserException(qzSTLParserException::FILE_NOT_FOUND);
    return IsSTLFileBinary(fileName);
}

template <class T, class Point, class Normal>
bool qzTSTLTranslator<T, Point, Normal>::IsSTLFileBinary(const misc::qzFileName& fileName)
{
    const std::uint64_t size = misc::qzFileSystem::GetFileSize(fileName.GetFilePath());
    if (size < 2 * kHeaderSize)
    {
        // Too short to judge by its bytes: whatever does not parse as ASCII STL is binary.
        misc::qzIFStream text;
        OpenFile(fileName, false, text);
        Mesh scratch(measures::qzUnitsFactory::METRIC);
        try
        {
            ReadSTLAscii(text, scratch);
            return false;
        }
        catch (const misc::qzException&)
        {
            return true;
        }
    }
    {
        misc::qzIFStream text;
        OpenFile(fileName, false, text);
        char block[kHeaderSize];
        if (!text.read(block, kHeaderSize) || !text.read(block, kHeaderSize))
            return true;
        if (FoundAsciiSTLKeywords(std::string(block, strnlen(block, kHeaderSize))))
            return false;
    }
    misc::qzIFStream binary;
    OpenFile(fileName, true, binary);
    unsigned char head[kHeaderSize + 4];
    if (!binary.read(reinterpret_cast<char*>(head), sizeof head))
        return true;
    std::int32_t count;
    std::memcpy(&count, head + kHeaderSize, 4);
    const auto expected = static_cast<std::int64_t>(kHeaderSize + 4) + static_cast<std::int64_t>(kRecordSize) * count;
    if (static_cast<std::int64_t>(size) != expected)
        throw qzSTLParserException(qzSTLParserException::INVALID_TRIANGLE_COUNT);
    return true;
}

template <class T, class Point, class Normal>
void qzTSTLTranslator<T, Point, Normal>::ReadSTL(const misc::qzFileName& fileName, Mesh& mesh)
{
    if (!misc::qzFileSystem::FileExists(fileName.GetFilePath()))
        throw qzSTLParserException(qzSTLParserException::FILE_NOT_FOUND);
    const bool binary = IsSTLFileBinary(fileName);
    misc::qzIFStream file;
    OpenFile(fileName, binary, file);
    if (!file)
        throw qzSTLParserException(qzSTLParserException::OPEN_FAILED);
    if (binary)
    {
        misc::qzStdInputStream stream(file);
        ReadSTLBinary(stream, mesh);
    }
    else
        ReadSTLAscii(file, mesh);
}

template <class T, class Point, class Normal>
void qzTSTLTranslator<T, Point, Normal>::ReadSTLAscii(std::istream& stream, Mesh& mesh)
{
    misc::qzAutoPointer<qzSTLFile<T>> state(new qzSTLFile<T>());
    // Room for as many facets as the text can hold (a facet takes at least 86 characters);
    // reserving touches no memory, while growing a large soup would copy it over and over.
    if (const std::optional<std::uint64_t> remaining = RemainingBytes(stream))
        state->GetSoup().Reserve(static_cast<std::size_t>(std::min<std::uint64_t>(*remaining / 86, 1u << 26)));
    qzParserSTL<T> parser(state);
    parser.Parse(stream);
    // Text that ends inside a facet is a file cut short, not a smaller mesh; a missing final
    // "endsolid" after complete facets stays accepted.
    if (state->GetInFacet() || state->GetInLoop())
        throw qzSTLParserException(qzSTLParserException::INVALID_SYNTAX);
    mesh.SetTriangles(state->GetSoup());
}

template <class T, class Point, class Normal>
void qzTSTLTranslator<T, Point, Normal>::ReadSTLBinary(misc::qzStdInputStream& stream, Mesh& mesh)
{
    try
    {
        unsigned char head[kHeaderSize + 4];
        misc::qzUInt64 size = sizeof head;
        stream.Read(head, size);
        std::int32_t count;
        std::memcpy(&count, head + kHeaderSize, 4);
        // A negative count reads as nothing to read: refused like a zero count.
        if (count <= 0)
            throw qzSTLParserException(qzSTLParserException::INVALID_TRIANGLE_COUNT);

        // Corners are welded as they arrive, in single precision as stored: exact for either
        // coordinate type. Memory is reserved from what the stream holds.
        const std::optional<std::uint64_t> remaining = RemainingBytes(stream);
        const std::uint64_t reserve =
            std::min<std::uint64_t>(static_cast<std::uint64_t>(count), remaining ? *remaining / kRecordSize : 65536);
        detail::CornerWelder<float> welder(static_cast<std::size_t>(3 * reserve));
        std::vector<typename Mesh::qzTTriangle> triangles;
        detail::ReserveLarge(triangles, static_cast<std::size_t>(reserve));

        const T nearlyZero = static_cast<T>(1e-12);
        const T shortest = static_cast<T>(9.999999960041972e-13);
        // The block holds what the file can deliver, up to a fixed size: a small file costs a
        // small buffer.
        std::vector<unsigned char> block(
            static_cast<std::size_t>(std::min<std::uint64_t>(std::max<std::uint64_t>(reserve, 1), kBlockRecords)) *
            kRecordSize);
        const std::size_t blockRecords = block.size() / kRecordSize;
        for (std::uint64_t left = static_cast<std::uint64_t>(count); left > 0;)
        {
            const std::size_t records = static_cast<std::size_t>(std::min<std::uint64_t>(left, blockRecords));
            misc::qzUInt64 bytes = records * kRecordSize;
            stream.Read(block.data(), bytes); // a short file throws here
            left -= records;
            for (std::size_t r = 0; r < records; ++r)
            {
                const unsigned char* record = block.data() + r * kRecordSize;
                float f[12];
                LoadFloats(record, f, 12);
                const float *p1 = f + 3, *p2 = f + 6, *p3 = f + 9;
                // The reader's own skip, then the soup's edge rule, in the mesh's precision.
                const T d12 = Distance<T>(p1, p2), d23 = Distance<T>(p3, p2);
                if ((d12 < nearlyZero && d23 < nearlyZero) || d12 < shortest || d23 < shortest ||
                    Distance<T>(p3, p1) < shortest)
                    continue;
                if (triangles.size() == triangles.capacity())
                    detail::ReserveLarge(triangles, 2 * triangles.size());
                triangles.push_back({{welder.Add(p1), welder.Add(p2), welder.Add(p3)},
                                     Normal(static_cast<T>(f[0]), static_cast<T>(f[1]), static_cast<T>(f[2]))});
            }
        }
        if (triangles.empty())
            return; // nothing usable: the mesh stays as it was
        std::vector<Point> points = Mesh::FinishWeld(welder, triangles);
        mesh.AssignWelded(std::move(points), std::move(triangles));
    }
    catch (const misc::qzException& e)
    {
        throw qzSTLParserException(qzSTLParserException::INVALID_FORMAT, &e);
    }
}

template <class T, class Point, class Normal>
void qzTSTLTranslator<T, Point, Normal>::WriteSTL(const misc::qzFileName& fileName, const Mesh& mesh, bool binary)
{
    misc::qzOFStream file;
    OpenFile(fileName, binary, file);
    if (!file)
        throw qzmiscException(qzmiscException::OUTPUT_STREAM_FAILED);
    if (binary)
    {
        misc::qzStdOutputStream stream(file);
        WriteSTLBinary(stream, mesh);
    }
    else
        WriteSTLAscii(file, mesh);
    file.close();
    if (file.GetFailed())
        throw qzmiscException(qzmiscException::OUTPUT_STREAM_FAILED);
}

template <class T, class Point, class Normal>
void qzTSTLTranslator<T, Point, Normal>::WriteSTLBinary(misc::qzStdOutputStream& stream, const Mesh& mesh)
{
    unsigned char head[kHeaderSize + 4];
    std::memset(head, ' ', kHeaderSize);
    std::memcpy(head, "STL File", 8);
    const std::uint32_t count = mesh.GetNumberOfTriangles();
    for (int i = 0; i < 4; ++i)
        head[kHeaderSize + i] = static_cast<unsigned char>(count >> (8 * i));
    stream.Write(head, sizeof head);

    const std::vector<Point>& points = mesh.GetPoints();
    const auto& triangles = mesh.GetTriangles();
    std::vector<unsigned char> block(std::min(kBlockRecords, triangles.size()) * kRecordSize);
    for (std::size_t first = 0; first < triangles.size(); first += kBlockRecords)
    {
        const std::size_t records = std::min(kBlockRecords, triangles.size() - first);
        for (std::size_t r = 0; r < records; ++r)
        {
            const auto& triangle = triangles[first + r];
            unsigned char* record = block.data() + r * kRecordSize;
            const Normal& n = triangle.normal;
            const float normal[3] = {static_cast<float>(n.x()), static_cast<float>(n.y()), static_cast<float>(n.z())};
            for (int i = 0; i < 3; ++i)
                StoreFloat(record + 4 * i, normal[i]);
            for (int k = 0; k < 3; ++k)
            {
                const Point& p = points.at(triangle.vertices[k]);
                StoreFloat(record + 12 + 12 * k, static_cast<float>(p.x()));
                StoreFloat(record + 16 + 12 * k, static_cast<float>(p.y()));
                StoreFloat(record + 20 + 12 * k, static_cast<float>(p.z()));
            }
            record[48] = record[49] = 0;
        }
        stream.Write(block.data(), records * kRecordSize);
    }
}

namespace
{
/// Text of the ASCII file, built in a buffer and written in large pieces.
class AsciiWriter
{
public:
    explicit AsciiWriter(std::ostream& stream) : m_stream(stream) { m_buffer.reserve(kFlushAt + 256); }

    void Text(const char* text) { m_buffer.append(text); }
    /// " x y z\n", each rounded to single precision and written in general notation with the
    /// fewest significant digits, 6 or more, that read back to the same single-precision value:
    /// what the stream's default 6 digits render exactly prints as before, and nothing is lost.
    template <class P> void Numbers(const P& p)
    {
        for (float value : {static_cast<float>(p.x()), static_cast<float>(p.y()), static_cast<float>(p.z())})
        {
            char digits[32];
            digits[0] = ' ';
            char* end = digits + 1;
            for (int precision = 6; precision <= 9; ++precision)
            {
                end = std::to_chars(digits + 1, digits + sizeof digits, value, std::chars_format::general, precision)
                          .ptr;
                if (!std::isfinite(value) || ReadsBackAs(digits + 1, end, value))
                    break;
            }
            m_buffer.append(digits, end);
        }
        m_buffer += '\n';
        if (m_buffer.size() >= kFlushAt)
            Flush();
    }
    void Flush()
    {
        m_stream.write(m_buffer.data(), static_cast<std::streamsize>(m_buffer.size()));
        m_buffer.clear();
    }

private:
    // As the reader converts: to double, then to the mesh's single precision.
    static bool ReadsBackAs(const char* first, const char* last, float value)
    {
        double read = 0.0;
        return std::from_chars(first, last, read).ec == std::errc() && static_cast<float>(read) == value;
    }

    static constexpr std::size_t kFlushAt = 1 << 18;
    std::ostream& m_stream;
    std::string m_buffer;
};
} // namespace

template <class T, class Point, class Normal>
void qzTSTLTranslator<T, Point, Normal>::WriteSTLAscii(std::ostream& stream, const Mesh& mesh)
{
    AsciiWriter out(stream);
    out.Text("solid ascii\n");
    const std::vector<Point>& points = mesh.GetPoints();
    for (const auto& triangle : mesh.GetTriangles())
    {
        out.Text("  facet normal");
        out.Numbers(triangle.normal);
        out.Text("    outer loop\n");
        for (std::uint32_t v : triangle.vertices)
        {
            out.Text("      vertex");
            out.Numbers(points.at(v));
        }
        out.Text("    endloop\n  endfacet\n");
    }
    out.Text("endsolid\n");
    out.Flush();
    stream.flush();
    if (!stream)
        throw qzmiscException(qzmiscException::OUTPUT_STREAM_FAILED);
}

template class qzTSTLTranslator<float, qzTPoint3d<float>, qzTPoint3d<float>>;
template class qzTSTLTranslator<double, qzTPoint3d<double>, qzTPoint3d<double>>;
} // namespace cadcam
