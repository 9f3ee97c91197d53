// The word tokenizer, the keyword parser and the ASCII STL grammar built on them.
#include "mesh/mesh_test_support.h"

#include <sstream>
#include <stdexcept>

namespace
{
using namespace tessaform_test;
using Words = std::vector<std::string>;

const std::string kLoop = "outer loop\nvertex 0 0 0\nvertex 1 0 0\nvertex 0 1 0\nendloop\n";
const std::string kFacet = "facet normal 0 0 1\n" + kLoop + "endfacet\n";

std::string Solid(const std::string& body)
{
    return "solid part\n" + body + "endsolid part\n";
}

template <class T = double> MeshOf<T> Read(const std::string& text)
{
    MeshOf<T> mesh(kMetric);
    std::istringstream in(text);
    StlOf<T>::ReadSTLAscii(in, mesh);
    return mesh;
}

/// The error code reading `text`; the mesh read into must keep its one triangle.
unsigned long ReadError(const std::string& text)
{
    MeshOf<double> mesh = Read(Solid(kFacet));
    std::istringstream in(text);
    const auto e = Thrown<misc::qzException>([&] { StlOf<double>::ReadSTLAscii(in, mesh); });
    EXPECT_EQ(mesh.GetNumberOfTriangles(), 1u) << "a failed read changed the mesh";
    return e ? e->GetErrorCode() : 0;
}

/// The one triangle (0,0,0) (1,0,0) (0,1,0) with normal (0,0,1), as read from kFacet.
template <class T> void ExpectUnitTriangle(const MeshOf<T>& mesh, const Pt3<T>& normal = Pt3<T>(0, 0, 1))
{
    ASSERT_EQ(mesh.GetNumberOfTriangles(), 1u);
    EXPECT_EQ(mesh.GetPoints(), (std::vector<Pt3<T>>{Pt3<T>(0, 0, 0), Pt3<T>(0, 1, 0), Pt3<T>(1, 0, 0)}));
    EXPECT_EQ(mesh.GetTriangleSecondVertexData(0), Pt3<T>(1, 0, 0));
    EXPECT_EQ(mesh.GetTriangle(0).normal, normal);
}

TEST(StlTokenizer, SplitsAtDelimitersAndKeepsQuotedWordsWhole)
{
    misc::qzStringTokenizer words;
    words.Parse("  vertex   1  2 3 ");
    EXPECT_EQ(words.GetTokens(), (Words{"vertex", "1", "2", "3"}));
    EXPECT_EQ(words[3], "3");
    EXPECT_THROW(words[4], std::out_of_range);
    words.Parse("solid \"my  part\" x\"y z\"w");
    EXPECT_EQ(words.GetTokens(), (Words{"solid", "my  part", "xy zw"}));
    words.Parse("one");
    EXPECT_EQ(words.GetTokens(), Words{"one"});
    EXPECT_THROW(words[1], std::out_of_range);

    misc::qzStringTokenizer custom(",;", "'");
    custom.Parse(",a;;b,'c;d e',");
    EXPECT_EQ(custom.GetTokens(), (Words{"a", "b", "c;d e"}));
    // A sign that is both delimiter and quote separates words outside quotes.
    custom.SetDelimiters("|");
    custom.SetNBSigns("|'");
    custom.Parse("a|b||c d");
    EXPECT_EQ(custom.GetTokens(), (Words{"a", "b", "c d"}));
}

TEST(StlParser, MinimalSolidGivesOneTriangle)
{
    ExpectUnitTriangle(Read<double>(Solid(kFacet)));
    ExpectUnitTriangle(Read<float>(Solid(kFacet)));
    ExpectUnitTriangle(Read("solid\n" + kFacet + "endsolid\n"));
}

TEST(StlParser, TwoWordEndsInAnyCaseActLikeTheKeywords)
{
    const std::string facet = "facet normal 0 0 1\nouter loop\nvertex 0 0 0\nvertex 1 0 0\nvertex 0 1 0\n";
    ExpectUnitTriangle(Read("solid\n" + facet + "end loop\nend facet\nend solid\n"));
    ExpectUnitTriangle(Read("solid\n" + facet + "end   Loop\nend FACET\nend SOLID\nfacet broken\n"));
    // Keywords, the leading "end" included, are case-sensitive.
    for (const char* line : {"ENDLOOP\n", "END loop\n"})
    {
        const auto e = Thrown<misc::qzParserException>([&] { Read("solid\n" + facet + line); });
        ASSERT_TRUE(e) << line;
        EXPECT_EQ(e->GetErrorCode(), 6251u);
        EXPECT_EQ(e->GetErrorMessage(), "Unknown keyword !");
    }
}

TEST(StlParser, WordCountsOfFacetOuterAndVertex)
{
    EXPECT_EQ(ReadError(Solid("facet normal 0 0\n" + kLoop + "endfacet\n")), 3502u);
    EXPECT_EQ(ReadError(Solid("facet normal 0 0 1 1\n" + kLoop + "endfacet\n")), 3502u);
    ExpectUnitTriangle(Read(Solid("facet xyz 1 2 3\n" + kLoop + "endfacet\n")), Pt3<double>(1, 2, 3));
    EXPECT_EQ(ReadError(Solid("facet normal 0 0 1\nouter lop\n")), 3503u);
    const std::string vertices = "vertex 0 0 0\nvertex 1 0 0\nvertex 0 1 0\nendloop\nendfacet\n";
    ExpectUnitTriangle(Read(Solid("facet normal 0 0 1\nouter\n" + vertices)));
    ExpectUnitTriangle(Read(Solid("facet normal 0 0 1\nouterloop\n" + vertices)));
    EXPECT_EQ(ReadError(Solid("facet normal 0 0 1\n" + vertices)), 3510u);
    EXPECT_EQ(ReadError(Solid("facet normal 0 0 1\nouter loop\nvertex 1 2\n")), 3504u);
}

TEST(StlParser, ExtraVerticesAreIgnoredAndMissingOnesCarryOver)
{
    const MeshOf<double> four = Read(Solid("facet normal 0 0 1\nouter loop\nvertex 0 0 0\nvertex 1 0 0\n"
                                           "vertex 0 1 0\nvertex 9 9 9\nendloop\nendfacet\n"));
    ExpectUnitTriangle(four);
    // The two vertices of the first facet and the first of the second make one triangle with
    // the second facet's normal.
    const MeshOf<double> carried =
        Read(Solid("facet normal 1 0 0\nouter loop\nvertex 0 0 0\nvertex 1 0 0\n"
                   "endloop\nendfacet\nfacet normal 0 0 1\nouter loop\n"
                   "vertex 0 1 0\nvertex 5 5 5\nvertex 6 6 6\nendloop\nendfacet\n"));
    ExpectUnitTriangle(carried);
}

TEST(StlParser, CommentsBlankLinesIndentationAndLineEnds)
{
    ExpectUnitTriangle(Read("(made by hand\n\nsolid\n   \n  \tfacet normal 0 0 1\n(inside)\n" + kLoop +
                            "\tendfacet\nendsolid\n"));
    EXPECT_EQ(ReadError(Solid("\t  facet normal 0 0 1\n" + kLoop + "endfacet\n")), 6251u);

    std::string crlf = Solid(kFacet);
    for (std::size_t at = crlf.find('\n'); at != std::string::npos; at = crlf.find('\n', at + 2))
        crlf.insert(at, "\r");
    ExpectUnitTriangle(Read(crlf));

    // Lines of any length.
    const std::string gap(5000, ' ');
    ExpectUnitTriangle(Read("solid " + std::string(6000, 'n') + "\nfacet normal 0 0 1\nouter loop\nvertex 0" +
                            gap + "0 0\nvertex 1 0" + gap +
                            "0\nvertex 0 1 0\nendloop\nendfacet\nendsolid\n"));
}

TEST(StlParser, NothingAfterTheFirstSolidIsRead)
{
    ExpectUnitTriangle(Read(Solid(kFacet) + "solid second\nfacet broken\nvertex x y z\nendsolid\n"));
    ExpectUnitTriangle(Read(Solid(kFacet + "end\n")));
}

TEST(StlParser, MisplacedAndUnknownEndsAreErrors)
{
    EXPECT_EQ(ReadError(Solid("end foo\n")), 3507u);
    EXPECT_EQ(ReadError(Solid("facet normal 0 0 1\nouter loop\nendloop x\n")), 3505u);
    EXPECT_EQ(ReadError(Solid("facet normal 0 0 1\n" + kLoop + "endfacet x\n")), 3506u);
    EXPECT_EQ(ReadError(Solid("solid inner\n")), 3510u);
    EXPECT_EQ(ReadError("endsolid\n"), 3510u);
    EXPECT_EQ(ReadError(Solid("facet normal 0 0 1\nfacet normal 0 0 1\n")), 3510u);
    const auto e = Thrown<cadcam::qzSTLParserException>([] { Read(Solid("endloop\n")); });
    ASSERT_TRUE(e);
    EXPECT_EQ(e->GetErrorMessage(), "Invalid Syntax");
}

TEST(StlParser, InvalidNumbersAreWrongParametersOfTheirKeyword)
{
    // Within the STL family, so that a host catching the STL errors sees every bad file; the
    // conversion error says which word it was.
    EXPECT_EQ(ReadError(Solid("facet normal 0 0 1\nouter loop\nvertex 0 blah 1\n")), 3504u);
    const auto vertex = Thrown<cadcam::qzSTLParserException>(
        [] { Read(Solid("facet normal 0 0 1\nouter loop\nvertex 0 zero 0\n")); });
    ASSERT_TRUE(vertex);
    EXPECT_EQ(vertex->GetErrorMessage(), "Keyword 'vertex' with wrong parameters found");
    ASSERT_NE(vertex->GetPrevious(), nullptr);
    EXPECT_EQ(vertex->GetPrevious()->GetErrorMessage(), "Invalid number: 'zero'");

    EXPECT_EQ(ReadError(Solid("facet normal 0 x 1\n")), 3502u);
    const auto normal = Thrown<cadcam::qzSTLParserException>([] { Read(Solid("facet normal 0 0 1,5\n")); });
    ASSERT_TRUE(normal);
    ASSERT_NE(normal->GetPrevious(), nullptr);
    EXPECT_EQ(normal->GetPrevious()->GetErrorMessage(), "Invalid number: '1,5'");
}

TEST(StlParser, TextEndingInsideAFacetIsACutFile)
{
    const std::string head = "solid cut\nfacet normal 0 0 1\n";
    EXPECT_EQ(ReadError(head + "outer loop\nvertex 0 0 0\n"), 3510u);
    EXPECT_EQ(ReadError(head + kLoop), 3510u);
    EXPECT_EQ(ReadError(head), 3510u);
    EXPECT_EQ(ReadError(head + "outer loop\nendsolid\n"), 3510u);
    // Complete facets without the final endsolid stay accepted.
    ExpectUnitTriangle(Read("solid open\n" + kFacet));
}

class BareParser : public misc::qzParser<int>
{
public:
    BareParser() : misc::qzParser<int>(misc::qzAutoPointer<int>(new int(0))) {}
};

TEST(StlParser, AParserWithoutCommandsRefusesToParse)
{
    BareParser parser;
    std::istringstream in("solid\n");
    const auto e = Thrown<misc::qzParserException>([&] { parser.Parse(in); });
    ASSERT_TRUE(e);
    EXPECT_EQ(e->GetErrorCode(), 6250u);
}
} // namespace
