#include "brimlib/qzException.h"

#include <string>

namespace misc
{
namespace detail
{
void ThrowAccessingNullPointer()
{
    throw qzException(0, "Accessing NULL pointer");
}
} // namespace detail

qzException::qzException(unsigned long code, const char* message, const qzException* previous)
    : m_code(code), m_message(message ? message : ""),
      m_previous(previous ? qzAutoPointer<const qzException>(previous->GetCopy()) : nullptr)
{
}

qzException::qzException(unsigned long code, const std::string& message, const qzException* previous)
    : m_code(code), m_message(message),
      m_previous(previous ? qzAutoPointer<const qzException>(previous->GetCopy()) : nullptr)
{
}

qzException::~qzException() = default;

void qzException::Throw() const
{
    throw *this;
}

qzAutoPointer<qzException> qzException::GetCopy() const
{
    return qzAutoPointer<qzException>(new qzException(*this));
}

qzMathException::qzMathException(const std::string& message, mathExceptionType type)
    : qzException(0, message), m_type(type)
{
}

void qzMathException::Throw() const
{
    throw *this;
}

qzAutoPointer<qzException> qzMathException::GetCopy() const
{
    return qzAutoPointer<qzException>(new qzMathException(*this));
}
} // namespace misc

namespace
{
struct ErrorText
{
    unsigned long id;
    const char* text;
};

// The texts of the identifiers this library raises; any other identifier gets a generic text.
const ErrorText kMiscTexts[] = {
    {2018, "Unexpected end of data while reading a binary stream"},
    {2148, "Unexpected end of input stream or input stream failure"},
    {2149, "Output stream failure"},
    {2157, "Stored size exceeds the supported range"},
    {2576, "Cannot format the checksum text"},
    {5503, "Toolpath element missing"},
};

const ErrorText kCadcamTexts[] = {
    {2027, "Stored data version not supported"},
    {2052, "Axis index out of range"},
    {2108, "Unknown tool type"},
    {2139, "Tool units are not defined"},
    {2183, "Unknown solid definition type"},
    {2184, "Unknown corner radius type"},
    {2189, "Cannot normalize a zero-length vector"},
    {2190, "Contour has no elements"},
    {2192, "Contour is not closed"},
    {2193, "Unsupported geometric element"},
    {2194, "Tool profile not recognized"},
    {2197, "Invalid tool dimensions"},
    {2214, "Tool profile shape not supported by the spherical tool creator"},
    {2215, "Cylindro-conical tool profile visitor could not be created"},
    {2216, "Polyline has too few points"},
    {2637, "Unknown move kind or angle state"},
    {2639, "Unknown toolpath section type"},
    {2640, "Invalid toolpath section"},
    {2708, "Invalid posted move type"},
};

const ErrorText kVelbrookTexts[] = {
    {2027, "Stored data version not supported"},
};

const ErrorText kPostTexts[] = {
    {5047, "Posted-move memory pool missing"},
};

template <std::size_t N>
std::string TextOf(const ErrorText (&table)[N], unsigned long id, const char* family)
{
    for (const ErrorText& entry : table)
        if (entry.id == id)
            return entry.text;
    return std::string(family) + " error " + std::to_string(id);
}
} // namespace

qzmiscException::qzmiscException(errorIDD id, const misc::qzException* previous)
    : misc::qzException(id, TextOf(kMiscTexts, id, "misc"), previous)
{
}

void qzmiscException::Throw() const
{
    throw *this;
}

misc::qzAutoPointer<misc::qzException> qzmiscException::GetCopy() const
{
    return misc::qzAutoPointer<misc::qzException>(new qzmiscException(*this));
}

qzcadcamException::qzcadcamException(errorIDD id, const misc::qzException* previous)
    : misc::qzException(id, TextOf(kCadcamTexts, id, "cadcam"), previous)
{
}

void qzcadcamException::Throw() const
{
    throw *this;
}

misc::qzAutoPointer<misc::qzException> qzcadcamException::GetCopy() const
{
    return misc::qzAutoPointer<misc::qzException>(new qzcadcamException(*this));
}

qzvelbrookException::qzvelbrookException(errorIDD id, const misc::qzException* previous)
    : misc::qzException(id, TextOf(kVelbrookTexts, id, "velbrook"), previous)
{
}

qzvelbrookException::qzvelbrookException(errorIDD id, const std::string& message,
                                         const misc::qzException* previous)
    : misc::qzException(id, message, previous)
{
}

void qzvelbrookException::Throw() const
{
    throw *this;
}

misc::qzAutoPointer<misc::qzException> qzvelbrookException::GetCopy() const
{
    return misc::qzAutoPointer<misc::qzException>(new qzvelbrookException(*this));
}

namespace post
{
qzPostException::qzPostException(Code code, const misc::qzException* previous)
    : misc::qzException(code, TextOf(kPostTexts, code, "post"), previous)
{
}

void qzPostException::Throw() const
{
    throw *this;
}

misc::qzAutoPointer<misc::qzException> qzPostException::GetCopy() const
{
    return misc::qzAutoPointer<misc::qzException>(new qzPostException(*this));
}
} // namespace post

qz5axParamsEx::qz5axParamsEx(unsigned long code, const std::string& message, const misc::qzException* previous)
    : misc::qzException(code, message, previous)
{
}

void qz5axParamsEx::Throw() const
{
    throw *this;
}

misc::qzAutoPointer<misc::qzException> qz5axParamsEx::GetCopy() const
{
    return misc::qzAutoPointer<misc::qzException>(new qz5axParamsEx(*this));
}
