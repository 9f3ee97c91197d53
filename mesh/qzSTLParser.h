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
    using Soup = typename qzContainerMesh<T, qzTPoint3d<T>, qzTPoint3d<T>>::qzTTriangleVector;

    Soup& GetSoup() { return m_soup; }
    const Soup& GetSoup() const { return m_soup; }
    std::vector<qzTPoint3d<T>>& GetVertices() { return m_vertices; }
    const qzTPoint3d<T>& GetNormal() const { return m_normal; }
    void SetNormal(const qzTPoint3d<T>& normal) { m_normal = normal; }
    bool GetInFacet() const { return m_inFacet; }
    void SetInFacet(bool value) { m_inFacet = value; }
    bool GetInLoop() const { return m_inLoop; }
    void SetInLoop(bool value) { m_inLoop = value; }
    bool GetInSolid() const { return m_inSolid; }
    void SetInSolid(bool value) { m_inSolid = value; }
    bool GetSolidEnded() const { return m_solidEnded; }
    void SetSolidEnded(bool value) { m_solidEnded = value; }

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
template <class T> class TESSAFORM_API qzParserCmdSolid : public misc::qzParserCommand<qzSTLFile<T>>
{
public:
    void Execute(misc::qzAutoPointer<qzSTLFile<T>>& state, const std::string& line, const unsigned& number) override;
};

template <class T> class TESSAFORM_API qzParserCmdFacet : public misc::qzParserCommand<qzSTLFile<T>>
{
public:
    void Execute(misc::qzAutoPointer<qzSTLFile<T>>& state, const std::string& line, const unsigned& number) override;

private:
    misc::qzStringTokenizer m_words;
};

template <class T> class TESSAFORM_API qzParserCmdOuter : public misc::qzParserCommand<qzSTLFile<T>>
{
public:
    void Execute(misc::qzAutoPointer<qzSTLFile<T>>& state, const std::string& line, const unsigned& number) override;

private:
    misc::qzStringTokenizer m_words;
};

template <class T> class TESSAFORM_API qzParserCmdVertex : public misc::qzParserCommand<qzSTLFile<T>>
{
public:
    void Execute(misc::qzAutoPointer<qzSTLFile<T>>& state, const std::string& line, const unsigned& number) override;

private:
    misc::qzStringTokenizer m_words;
};

template <class T> class TESSAFORM_API qzParserCmdEndLoop : public misc::qzParserCommand<qzSTLFile<T>>
{
public:
    void Execute(misc::qzAutoPointer<qzSTLFile<T>>& state, const std::string& line, const unsigned& number) override;
    /// The effect without the word-count check.
    static void EndLoop(qzSTLFile<T>& state);

private:
    misc::qzStringTokenizer m_words;
};

template <class T> class TESSAFORM_API qzParserCmdEndFacet : public misc::qzParserCommand<qzSTLFile<T>>
{
public:
    void Execute(misc::qzAutoPointer<qzSTLFile<T>>& state, const std::string& line, const unsigned& number) override;
    static void EndFacet(qzSTLFile<T>& state);

private:
    misc::qzStringTokenizer m_words;
};

template <class T> class TESSAFORM_API qzParserCmdEndSolid : public misc::qzParserCommand<qzSTLFile<T>>
{
public:
    void Execute(misc::qzAutoPointer<qzSTLFile<T>>& state, const std::string& line, const unsigned& number) override;
    static void EndSolid(qzSTLFile<T>& state);
};

/// "end loop", "end facet", "end solid" in any letter case.
template <class T> class TESSAFORM_API qzParserCmdEndBlock : public misc::qzParserCommand<qzSTLFile<T>>
{
public:
    void Execute(misc::qzAutoPointer<qzSTLFile<T>>& state, const std::string& line, const unsigned& number) override;

private:
    misc::qzStringTokenizer m_words;
};

/// The ASCII STL parser: the nine keywords of the format, and the stop after the first solid.
template <class T> class TESSAFORM_API qzParserSTL : public misc::qzParser<qzSTLFile<T>>
{
public:
    explicit qzParserSTL(misc::qzAutoPointer<qzSTLFile<T>> state);
    ~qzParserSTL() override;

    void RegisterCommands() override;
    /// Stops the parse once a solid has ended ("Accessing NULL pointer" without a state).
    void OnCommandDone() override;
};

extern template class TESSAFORM_EXTERN_TEMPLATE qzSTLFile<float>;
extern template class TESSAFORM_EXTERN_TEMPLATE qzSTLFile<double>;
extern template class TESSAFORM_EXTERN_TEMPLATE qzParserSTL<float>;
extern template class TESSAFORM_EXTERN_TEMPLATE qzParserSTL<double>;
} // namespace cadcam
