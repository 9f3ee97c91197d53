// Errors of the text parsers.
#pragma once

#include "brimlib/qzException.h"

namespace misc
{
/// Error of a text parser; the code is the base error code.
class TESSAFORM_API qzParserException : public qzException
{
public:
    /// Codes of the parser failures shared by every text parser.
    enum Code : unsigned long
    {
        UNKNOWN = 0,
        NOT_IMPLEMENTED = 6250,
        UNKNOWN_KEYWORD = 6251
    };

    /// Message by code: 0 "Unknown exception", 6250 "Parser not implemented",
    /// 6251 "Unknown keyword !", any other "Unknown exception.".
    explicit qzParserException(Code code, const qzException* previous = nullptr);
    /// Any code with its own message, for the errors of a particular parser; `previous` is
    /// the cause (copied), if any.
    qzParserException(unsigned long code, const std::string& message, const qzException* previous = nullptr);
    ~qzParserException() override;

    void Throw() const override;
    qzAutoPointer<qzException> GetCopy() const override;
};
} // namespace misc

namespace cadcam
{
/// Error while reading an STL file.
class TESSAFORM_API qzSTLParserException : public misc::qzParserException
{
public:
    /// Codes of the STL reading failures, each with a fixed message.
    enum Code : unsigned long
    {
        UNEXPECTED_END_OF_INPUT = 2148,
        FILE_NOT_FOUND = 3500,
        INVALID_FORMAT = 3501,
        WRONG_FACET = 3502,
        NO_OUTER_LOOP = 3503,
        WRONG_VERTEX = 3504,
        TEXT_AFTER_ENDLOOP = 3505,
        TEXT_AFTER_ENDFACET = 3506,
        UNKNOWN_END = 3507,
        OPEN_FAILED = 3508,
        TRIANGLE_READ_FAILED = 3509,
        INVALID_SYNTAX = 3510,
        INVALID_TRIANGLE_COUNT = 3511,
        NOT_IMPLEMENTED = 6250,
        UNKNOWN_KEYWORD = 6251
    };

    /// The message fixed for `code` (3501 "Invalid .stl file format !", 3511 "Invalid number of
    /// triangles found in .stl file!", ...); `previous` is the cause (copied), if any.
    explicit qzSTLParserException(Code code, const misc::qzException* previous = nullptr);
    ~qzSTLParserException() override;

    void Throw() const override;
    misc::qzAutoPointer<misc::qzException> GetCopy() const override;
};
} // namespace cadcam
