#include "foundation/qzParserException.h"

namespace misc
{
namespace
{
const char* ParserMessage(unsigned long code)
{
    switch (code)
    {
    case qzParserException::UNKNOWN:
        return "Unknown exception";
    case qzParserException::NOT_IMPLEMENTED:
        return "Parser not implemented";
    case qzParserException::UNKNOWN_KEYWORD:
        return "Unknown keyword !";
    default:
        return "Unknown exception.";
    }
}
} // namespace

qzParserException::qzParserException(Code code, const qzException* previous)
    : qzException(0, "Unknown exception !", previous)
{
    SetErrorCode(code);
    SetErrorMessage(ParserMessage(code));
}

qzParserException::qzParserException(unsigned long code, const std::string& message, const qzException* previous)
    : qzException(code, message, previous)
{
}

qzParserException::~qzParserException() = default;

void qzParserException::Throw() const
{
    throw *this;
}

qzAutoPointer<qzException> qzParserException::GetCopy() const
{
    return qzAutoPointer<qzException>(new qzParserException(*this));
}
} // namespace misc

namespace cadcam
{
namespace
{
const char* STLMessage(unsigned long code)
{
    switch (code)
    {
    case 2148:
        return "Unexpected end of input stream occured when reading .stl file";
    case 3500:
        return "File not found !";
    case 3501:
        return "Invalid .stl file format !";
    case 3502:
        return "Keyword 'facet' with wrong parameters found";
    case 3503:
        return "Not detected 'outer loop' keyword";
    case 3504:
        return "Keyword 'vertex' with wrong parameters found";
    case 3505:
        return "Found keyword 'endloop' or 'end loop' followed by other string";
    case 3506:
        return "Found keyword 'endfacet' or 'end facet' followed by other string";
    case 3507:
        return "Found word 'end' but not detected any of \n keywords' : 'end solid', 'end loop' ,'end facet' ";
    case 3508:
        return "Error opening input file !";
    case 3509:
        return "Error reading triangle from file !";
    case 3510:
        return "Invalid Syntax";
    case 3511:
        return "Invalid number of triangles found in .stl file!";
    case 6250:
        return "Parser not implemented";
    case 6251:
        return "Unknown keyword found while parsing .stl file";
    default:
        return "Unknown exception.";
    }
}
} // namespace

qzSTLParserException::qzSTLParserException(Code code, const misc::qzException* previous)
    : misc::qzParserException(static_cast<unsigned long>(code), STLMessage(code), previous)
{
}

qzSTLParserException::~qzSTLParserException() = default;

void qzSTLParserException::Throw() const
{
    throw *this;
}

misc::qzAutoPointer<misc::qzException> qzSTLParserException::GetCopy() const
{
    return misc::qzAutoPointer<misc::qzException>(new qzSTLParserException(*this));
}
} // namespace cadcam
