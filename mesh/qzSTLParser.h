// The ASCII STL keyword parser.
#pragma once

#include "mesh/qzContainerMesh.h"
#include "mesh/qzParser.h"

namespace cadcam
{
/// Parse state of ASCII STL reading: the facets collected so far and where the text is.
template <class T> class TESSAFORM_API qzSTLFile
{
public:
    /// The triangle soup that the facets are collected into.
    using Soup = typename qzContainerMesh<T, qzTPoint3d<T>, qzTPoint3d<T>>::qzTTriangleVector;

    /// The facets collected so far, not welded.
    ///@{
    Soup& GetSoup() { return m_soup; }
    const Soup& GetSoup() const { return m_soup; }
    ///@}
    /// The vertices of the current facet's loop (at most three are kept).
    std::vector<qzTPoint3d<T>>& GetVertices() { return m_vertices; }
    /// The current facet's normal, as read from its "facet" line.
    ///@{
    const qzTPoint3d<T>& GetNormal() const { return m_normal; }
    void SetNormal(const qzTPoint3d<T>& normal) { m_normal = normal; }
    ///@}
    /// Whether the text is between "facet" and its "endfacet".
    ///@{
    bool GetInFacet() const { return m_inFacet; }
    void SetInFacet(bool value) { m_inFacet = value; }
    ///@}
    /// Whether the text is between "outer loop" and its "endloop".
    ///@{
    bool GetInLoop() const { return m_inLoop; }
    void SetInLoop(bool value) { m_inLoop = value; }
    ///@}
    /// Whether the text is between "solid" and its "endsolid".
    ///@{
    bool GetInSolid() const { return m_inSolid; }
    void SetInSolid(bool value) { m_inSolid = value; }
    ///@}
    /// Whether an "endsolid" has been read; the parser stops after it.
    ///@{
    bool GetSolidEnded() const { return m_solidEnded; }
    void SetSolidEnded(bool value) { m_solidEnded = value; }
    ///@}

    /// Ends the loop of the current facet: exactly three collected vertices become a triangle
    /// with the current normal; any other number stays collected.
    void CloseFacet();

private:
    Soup m_soup;
    std::vector<qzTPoint3d<T>> m_vertices;
    qzTPoint3d<T> m_normal;
    bool m_inFacet = false;
    bool m_inLoop = false;
    bool m_inSolid = false;
    bool m_solidEnded = false;
};

/// The keyword commands of ASCII STL; "Invalid Syntax" is qzSTLParserException 3510.
///
/// "solid": opens the solid; 3510 when one is already open.
template <class T> class TESSAFORM_API qzParserCmdSolid : public misc::qzParserCommand<qzSTLFile<T>>
{
public:
    /// Opens the solid; the rest of the line (its name) is ignored.
    void Execute(misc::qzAutoPointer<qzSTLFile<T>>& state, const std::string& line, const unsigned& number) override;
};

/// "facet normal x y z": opens a facet with the given normal.
template <class T> class TESSAFORM_API qzParserCmdFacet : public misc::qzParserCommand<qzSTLFile<T>>
{
public:
    /// qzSTLParserException 3502 unless the line has five words with three numbers last, 3510
    /// inside a facet.
    void Execute(misc::qzAutoPointer<qzSTLFile<T>>& state, const std::string& line, const unsigned& number) override;

private:
    misc::qzStringTokenizer m_words;
};

/// "outer loop" (also "outerloop"): opens the loop of the current facet.
template <class T> class TESSAFORM_API qzParserCmdOuter : public misc::qzParserCommand<qzSTLFile<T>>
{
public:
    /// qzSTLParserException 3503 for two words whose second is not "loop", 3510 inside a loop.
    void Execute(misc::qzAutoPointer<qzSTLFile<T>>& state, const std::string& line, const unsigned& number) override;

private:
    misc::qzStringTokenizer m_words;
};

/// "vertex x y z": adds a corner to the current loop.
template <class T> class TESSAFORM_API qzParserCmdVertex : public misc::qzParserCommand<qzSTLFile<T>>
{
public:
    /// qzSTLParserException 3504 unless the line has four words with three numbers last, 3510
    /// outside a loop of a facet of a solid; vertices beyond the third are ignored.
    void Execute(misc::qzAutoPointer<qzSTLFile<T>>& state, const std::string& line, const unsigned& number) override;

private:
    misc::qzStringTokenizer m_words;
};

/// "endloop": closes the loop of the current facet (see qzSTLFile::CloseFacet).
template <class T> class TESSAFORM_API qzParserCmdEndLoop : public misc::qzParserCommand<qzSTLFile<T>>
{
public:
    /// qzSTLParserException 3505 for text after the keyword, 3510 outside a loop.
    void Execute(misc::qzAutoPointer<qzSTLFile<T>>& state, const std::string& line, const unsigned& number) override;
    /// The effect without the word-count check.
    static void EndLoop(qzSTLFile<T>& state);

private:
    misc::qzStringTokenizer m_words;
};

/// "endfacet": closes the current facet.
template <class T> class TESSAFORM_API qzParserCmdEndFacet : public misc::qzParserCommand<qzSTLFile<T>>
{
public:
    /// qzSTLParserException 3506 for text after the keyword, 3510 outside a facet.
    void Execute(misc::qzAutoPointer<qzSTLFile<T>>& state, const std::string& line, const unsigned& number) override;
    /// The effect without the word-count check.
    static void EndFacet(qzSTLFile<T>& state);

private:
    misc::qzStringTokenizer m_words;
};

/// "endsolid": closes the solid and marks it ended, which stops the parser.
template <class T> class TESSAFORM_API qzParserCmdEndSolid : public misc::qzParserCommand<qzSTLFile<T>>
{
public:
    /// Ends the solid (any name after the keyword is ignored); 3510 outside a solid.
    void Execute(misc::qzAutoPointer<qzSTLFile<T>>& state, const std::string& line, const unsigned& number) override;
    /// The effect, as Execute.
    static void EndSolid(qzSTLFile<T>& state);
};

/// "end loop", "end facet", "end solid" in any letter case.
template <class T> class TESSAFORM_API qzParserCmdEndBlock : public misc::qzParserCommand<qzSTLFile<T>>
{
public:
    /// Acts as the matching end keyword; a lone "end" does nothing, any other second word is
    /// qzSTLParserException 3507.
    void Execute(misc::qzAutoPointer<qzSTLFile<T>>& state, const std::string& line, const unsigned& number) override;

private:
    misc::qzStringTokenizer m_words;
};

/// The ASCII STL parser: the nine keywords of the format, and the stop after the first solid.
template <class T> class TESSAFORM_API qzParserSTL : public misc::qzParser<qzSTLFile<T>>
{
public:
    /// A parser filling `state` (shared: the caller reads the soup from it afterwards).
    explicit qzParserSTL(misc::qzAutoPointer<qzSTLFile<T>> state);
    ~qzParserSTL() override;

    /// Registers "solid", "facet", "outer", "outerloop", "vertex", "endloop", "endfacet",
    /// "endsolid" and "end".
    void RegisterCommands() override;
    /// Stops the parse once a solid has ended ("Accessing NULL pointer" without a state).
    void OnCommandDone() override;
};

extern template class TESSAFORM_EXTERN_TEMPLATE qzSTLFile<float>;
extern template class TESSAFORM_EXTERN_TEMPLATE qzSTLFile<double>;
extern template class TESSAFORM_EXTERN_TEMPLATE qzParserSTL<float>;
extern template class TESSAFORM_EXTERN_TEMPLATE qzParserSTL<double>;
} // namespace cadcam
