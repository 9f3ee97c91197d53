// Reading and writing STL files, ASCII and binary.
#pragma once

#include "brimlib/qzFileStreams.h"
#include "brimlib/qzFileSystem.h"
#include "foundation/qzStdStreams.h"
#include "mesh/qzContainerMesh.h"

#include <istream>
#include <ostream>

namespace cadcam
{
/// Static STL reader and writer of a mesh. Reading detects the variant itself, replaces the
/// mesh content with the welded triangles (the units stay as they are) and leaves the mesh
/// unchanged on any error or when the file holds no usable triangle.
///
/// Binary files: an 80-byte header ("STL File" and 72 spaces when written), the triangle count
/// N (4 bytes) and N records of a normal, three vertices (single precision) and a zero
/// attribute word. ASCII files: "solid ascii", per triangle a facet block with its stored
/// normal and corners (numbers rounded to single precision and written with the fewest
/// significant digits, 6 or more, that read back to that value), "endsolid".
template <class T, class Point, class Normal> class TESSAFORM_API qzTSTLTranslator
{
public:
    /// The mesh type read and written.
    using Mesh = qzContainerMesh<T, Point, Normal>;

    /// qzSTLParserException 3500 for a missing file, 3508 for a file that cannot be opened, 3511
    /// when a binary file's size does not match its count; otherwise the errors of the variant's
    /// reader.
    static void ReadSTL(const misc::qzFileName& fileName, Mesh& mesh);
    /// Parses ASCII STL (the errors of the STL parser propagate).
    static void ReadSTLAscii(std::istream& stream, Mesh& mesh);
    /// Reads binary STL; every error becomes qzSTLParserException 3501 with the error as cause
    /// (a count of 0 or below gives a 3511 cause). Memory is reserved from what the stream
    /// holds, never from the stored count alone.
    static void ReadSTLBinary(misc::qzStdInputStream& stream, Mesh& mesh);
    /// Writes the mesh in the variant asked for; a failure of the file throws
    /// qzmiscException 2149 (binary: at the failing write; ASCII: when the file is complete).
    static void WriteSTL(const misc::qzFileName& fileName, const Mesh& mesh, bool binary);
    /// Throws qzmiscException 2149 when the stream has failed at the end.
    static void WriteSTLAscii(std::ostream& stream, const Mesh& mesh);
    /// Writes binary STL (coordinates and normals rounded to single precision); a failing write
    /// throws qzmiscException 2149.
    static void WriteSTLBinary(misc::qzStdOutputStream& stream, const Mesh& mesh);
    /// Whether ReadSTL would read the file as binary STL (its detection, with its errors:
    /// 3500 for a missing file, 3511 for a binary size that does not match the count).
    static bool IsBinary(const misc::qzFileName& fileName);

private:
    static bool IsSTLFileBinary(const misc::qzFileName& fileName);
    static bool FoundAsciiSTLKeywords(const std::string& text);
    static void OpenFile(const misc::qzFileName& fileName, bool binary, misc::qzIFStream& stream);
    static void OpenFile(const misc::qzFileName& fileName, bool binary, misc::qzOFStream& stream);
};

extern template class TESSAFORM_EXTERN_TEMPLATE qzTSTLTranslator<float, qzTPoint3d<float>, qzTPoint3d<float>>;
extern template class TESSAFORM_EXTERN_TEMPLATE qzTSTLTranslator<double, qzTPoint3d<double>, qzTPoint3d<double>>;
} // namespace cadcam
