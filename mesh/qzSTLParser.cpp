#include "mesh/qzSTLParser.h"

#include "brimlib/qzStringConv.h"

#include <algorithm>
#include <cctype>

namespace cadcam
{
namespace
{
using Code = qzSTLParserException::Code;

[[noreturn]] void Fail(Code code)
{
    throw qzSTLParserException(code);
}

// A word that is not a number fails as the keyword's wrong parameters, with the conversion
// error as the cause, so that callers catching the STL errors see every bad file.
template <class T> T Number(const std::string& word, Code code)
{
    double value;
    try
    {
        misc::to_value(word, value);
    }
    catch (const misc::qzException& e)
    {
        throw qzSTLParserException(code, &e);
    }
    return static_cast<T>(value);
}
} // namespace

template <class T> void qzSTLFile<T>::CloseFacet()
{
    if (m_vertices.size() != 3)
        return;
    m_soup.AddTriangle(m_vertices[0], m_vertices[1], m_vertices[2], m_normal);
    m_vertices.clear();
}

template <class T>
void qzParserCmdSolid<T>::Execute(misc::qzAutoPointer<qzSTLFile<T>>& state, const std::string&, const unsigned&)
{
    if (state->GetInSolid())
        Fail(qzSTLParserException::INVALID_SYNTAX);
    state->SetInSolid(true);
}

template <class T>
void qzParserCmdFacet<T>::Execute(misc::qzAutoPointer<qzSTLFile<T>>& state, const std::string& line, const unsigned&)
{
    m_words.Parse(line);
    if (m_words.GetSize() != 5)
        Fail(qzSTLParserException::WRONG_FACET);
    const Code code = qzSTLParserException::WRONG_FACET;
    const qzTPoint3d<T> normal(Number<T>(m_words[2], code), Number<T>(m_words[3], code), Number<T>(m_words[4], code));
    if (state->GetInFacet())
        Fail(qzSTLParserException::INVALID_SYNTAX);
    state->SetInFacet(true);
    state->SetNormal(normal);
}

template <class T>
void qzParserCmdOuter<T>::Execute(misc::qzAutoPointer<qzSTLFile<T>>& state, const std::string& line, const unsigned&)
{
    m_words.Parse(line);
    if (m_words.GetSize() == 2 && m_words[1] != "loop")
        Fail(qzSTLParserException::NO_OUTER_LOOP);
    if (state->GetInLoop())
        Fail(qzSTLParserException::INVALID_SYNTAX);
    state->SetInLoop(true);
}

template <class T>
void qzParserCmdVertex<T>::Execute(misc::qzAutoPointer<qzSTLFile<T>>& state, const std::string& line, const unsigned&)
{
    m_words.Parse(line);
    if (m_words.GetSize() != 4)
        Fail(qzSTLParserException::WRONG_VERTEX);
    const Code code = qzSTLParserException::WRONG_VERTEX;
    const qzTPoint3d<T> vertex(Number<T>(m_words[1], code), Number<T>(m_words[2], code), Number<T>(m_words[3], code));
    if (!state->GetInSolid() || !state->GetInFacet() || !state->GetInLoop())
        Fail(qzSTLParserException::INVALID_SYNTAX);
    if (state->GetVertices().size() < 3)
        state->GetVertices().push_back(vertex);
}

template <class T> void qzParserCmdEndLoop<T>::EndLoop(qzSTLFile<T>& state)
{
    if (!state.GetInLoop())
        Fail(qzSTLParserException::INVALID_SYNTAX);
    state.SetInLoop(false);
    state.CloseFacet();
}

template <class T>
void qzParserCmdEndLoop<T>::Execute(misc::qzAutoPointer<qzSTLFile<T>>& state, const std::string& line, const unsigned&)
{
    m_words.Parse(line);
    if (m_words.GetSize() > 1)
        Fail(qzSTLParserException::TEXT_AFTER_ENDLOOP);
    EndLoop(*state);
}

template <class T> void qzParserCmdEndFacet<T>::EndFacet(qzSTLFile<T>& state)
{
    if (!state.GetInFacet())
        Fail(qzSTLParserException::INVALID_SYNTAX);
    state.SetInFacet(false);
}

template <class T>
void qzParserCmdEndFacet<T>::Execute(misc::qzAutoPointer<qzSTLFile<T>>& state, const std::string& line,
                                     const unsigned&)
{
    m_words.Parse(line);
    if (m_words.GetSize() > 1)
        Fail(qzSTLParserException::TEXT_AFTER_ENDFACET);
    EndFacet(*state);
}

template <class T> void qzParserCmdEndSolid<T>::EndSolid(qzSTLFile<T>& state)
{
    if (!state.GetInSolid())
        Fail(qzSTLParserException::INVALID_SYNTAX);
    state.SetSolidEnded(true);
    state.SetInSolid(false);
}

template <class T>
void qzParserCmdEndSolid<T>::Execute(misc::qzAutoPointer<qzSTLFile<T>>& state, const std::string&, const unsigned&)
{
    EndSolid(*state);
}

template <class T>
void qzParserCmdEndBlock<T>::Execute(misc::qzAutoPointer<qzSTLFile<T>>& state, const std::string& line,
                                     const unsigned&)
{
    m_words.Parse(line);
    if (m_words.GetSize() < 2)
        return;
    std::string block = m_words[1];
    const std::size_t first = block.find_first_not_of(' ');
    block = first == std::string::npos ? std::string() : block.substr(first, block.find_last_not_of(' ') - first + 1);
    std::transform(block.begin(), block.end(), block.begin(),
                   [](char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); });
    if (block == "LOOP")
        qzParserCmdEndLoop<T>::EndLoop(*state);
    else if (block == "FACET")
        qzParserCmdEndFacet<T>::EndFacet(*state);
    else if (block == "SOLID")
        qzParserCmdEndSolid<T>::EndSolid(*state);
    else
        Fail(qzSTLParserException::UNKNOWN_END);
}

template <class T>
qzParserSTL<T>::qzParserSTL(misc::qzAutoPointer<qzSTLFile<T>> state) : misc::qzParser<qzSTLFile<T>>(std::move(state))
{
}

template <class T> qzParserSTL<T>::~qzParserSTL() = default;

template <class T> void qzParserSTL<T>::RegisterCommands()
{
    using Command = misc::qzAutoPointer<misc::qzParserCommand<qzSTLFile<T>>>;
    this->RegisterCommand("solid", Command(new qzParserCmdSolid<T>()));
    this->RegisterCommand("facet", Command(new qzParserCmdFacet<T>()));
    this->RegisterCommand("outer", Command(new qzParserCmdOuter<T>()));
    this->RegisterCommand("outerloop", Command(new qzParserCmdOuter<T>()));
    this->RegisterCommand("vertex", Command(new qzParserCmdVertex<T>()));
    this->RegisterCommand("endloop", Command(new qzParserCmdEndLoop<T>()));
    this->RegisterCommand("endfacet", Command(new qzParserCmdEndFacet<T>()));
    this->RegisterCommand("endsolid", Command(new qzParserCmdEndSolid<T>()));
    this->RegisterCommand("end", Command(new qzParserCmdEndBlock<T>()));
}

template <class T> void qzParserSTL<T>::OnCommandDone()
{
    if (this->GetState()->GetSolidEnded())
        this->SetContinue(false);
}

template class qzSTLFile<float>;
template class qzSTLFile<double>;
template class qzParserCmdSolid<float>;
template class qzParserCmdSolid<double>;
template class qzParserCmdFacet<float>;
template class qzParserCmdFacet<double>;
template class qzParserCmdOuter<float>;
template class qzParserCmdOuter<double>;
template class qzParserCmdVertex<float>;
template class qzParserCmdVertex<double>;
template class qzParserCmdEndLoop<float>;
template class qzParserCmdEndLoop<double>;
template class qzParserCmdEndFacet<float>;
template class qzParserCmdEndFacet<double>;
template class qzParserCmdEndSolid<float>;
template class qzParserCmdEndSolid<double>;
template class qzParserCmdEndBlock<float>;
template class qzParserCmdEndBlock<double>;
template class qzParserSTL<float>;
template class qzParserSTL<double>;
} // namespace cadcam
