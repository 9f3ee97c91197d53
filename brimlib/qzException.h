// Root of the exception family and the coded families whose texts belong to brimlib.
#pragma once

#include "tessaform_export.h"
#include "brimlib/qzAutoPointer.h"

#include <exception>
#include <string>

namespace misc
{
/// Root of every exception the library throws: an error code, a message and an optional
/// previous exception. Derived classes override Throw and GetCopy, so a caught exception can
/// be stored and rethrown later as its own dynamic type.
class TESSAFORM_API qzException : public std::exception
{
public:
    qzException(unsigned long code, const char* message, const qzException* previous = nullptr);
    qzException(unsigned long code, const std::string& message, const qzException* previous = nullptr);
    qzException(const qzException&) = default;
    qzException& operator=(const qzException&) = default;
    ~qzException() override;

    /// Throws a copy of the dynamic type.
    virtual void Throw() const;
    /// A heap copy of the dynamic type.
    virtual qzAutoPointer<qzException> GetCopy() const;

    const std::string& GetErrorMessage() const { return m_message; }
    void SetErrorMessage(const std::string& message) { m_message = message; }
    unsigned long GetErrorCode() const { return m_code; }
    void SetErrorCode(unsigned long code) { m_code = code; }

    /// The exception given as cause at construction (kept as a copy), or null.
    const qzException* GetPrevious() const { return m_previous.Get(); }

    const char* what() const noexcept override { return m_message.c_str(); }

private:
    unsigned long m_code;
    std::string m_message;
    // A copy, not the caller's pointer: the cause usually dies with the handler that caught it.
    qzAutoPointer<const qzException> m_previous;
};

/// Errors of the mathematical helpers.
class TESSAFORM_API qzMathException : public qzException
{
public:
    enum mathExceptionType : int
    {
        UNKNOWN = 0,
        INVALID_OPERATION = 1,
        DIVISION_BY_ZERO = 2,
        OUT_OF_RANGE = 3
    };

    qzMathException(const std::string& message, mathExceptionType type);
    mathExceptionType GetType() const { return m_type; }

    void Throw() const override;
    qzAutoPointer<qzException> GetCopy() const override;

private:
    mathExceptionType m_type;
};
} // namespace misc

/// Infrastructure errors: streams, formats, memory.
class TESSAFORM_API qzmiscException : public misc::qzException
{
public:
    enum errorIDD : unsigned long
    {
        UNEXPECTED_END_OF_DATA = 2018,
        INPUT_STREAM_FAILED = 2148,
        OUTPUT_STREAM_FAILED = 2149,
        STORED_SIZE_TOO_LARGE = 2157,
        CHECKSUM_FORMATTING = 2576,
        TOOLPATH_LEVEL_MISSING = 5503
    };

    explicit qzmiscException(errorIDD id, const misc::qzException* previous = nullptr);
    errorIDD GetErrorID() const { return static_cast<errorIDD>(GetErrorCode()); }

    void Throw() const override;
    misc::qzAutoPointer<misc::qzException> GetCopy() const override;
};

/// Geometry, tool and mesh errors.
class TESSAFORM_API qzcadcamException : public misc::qzException
{
public:
    enum errorIDD : unsigned long
    {
        VERSION_NOT_SUPPORTED = 2027,
        AXIS_INDEX_OUT_OF_RANGE = 2052,
        UNKNOWN_TOOL_TYPE = 2108,
        TOOL_UNITS_UNDEFINED = 2139,
        UNKNOWN_SOLID_DEFINITION = 2183,
        UNKNOWN_CORNER_TYPE = 2184,
        ZERO_LENGTH_VECTOR = 2189,
        EMPTY_CONTOUR = 2190,
        OPEN_CONTOUR = 2192,
        UNSUPPORTED_PROFILE_ELEMENT = 2193,
        TOOL_PROFILE_NOT_RECOGNIZED = 2194,
        INVALID_TOOL_DIMENSIONS = 2197,
        NO_SPHERICAL_TOOL_SUITE = 2214,
        NO_CYLINDRO_CONICAL_VISITOR = 2215,
        TOO_FEW_POLYLINE_POINTS = 2216,
        UNKNOWN_MOVE_TYPE = 2637,
        UNKNOWN_SECTION_TYPE = 2639,
        NOT_A_LINK_SECTION = 2640,
        INVALID_POSTED_MOVE_TYPE = 2708
    };

    explicit qzcadcamException(errorIDD id, const misc::qzException* previous = nullptr);
    errorIDD GetErrorID() const { return static_cast<errorIDD>(GetErrorCode()); }

    void Throw() const override;
    misc::qzAutoPointer<misc::qzException> GetCopy() const override;
};

/// Errors of the machining core, reused for parameter decoding.
class TESSAFORM_API qzvelbrookException : public misc::qzException
{
public:
    enum errorIDD : unsigned long
    {
        VERSION_NOT_SUPPORTED = 2027
    };

    explicit qzvelbrookException(errorIDD id, const misc::qzException* previous = nullptr);
    /// With an explicit message in place of the identifier's text.
    qzvelbrookException(errorIDD id, const std::string& message, const misc::qzException* previous = nullptr);
    errorIDD GetErrorID() const { return static_cast<errorIDD>(GetErrorCode()); }

    void Throw() const override;
    misc::qzAutoPointer<misc::qzException> GetCopy() const override;
};

namespace post
{
/// Posted-move errors.
class TESSAFORM_API qzPostException : public misc::qzException
{
public:
    enum Code : unsigned long
    {
        NO_TARGET_POOL = 5047
    };

    explicit qzPostException(Code code, const misc::qzException* previous = nullptr);
    Code GetCode() const { return static_cast<Code>(GetErrorCode()); }

    void Throw() const override;
    misc::qzAutoPointer<misc::qzException> GetCopy() const override;
};
} // namespace post

/// Errors of the 5-axis parameter model.
class TESSAFORM_API qz5axParamsEx : public misc::qzException
{
public:
    qz5axParamsEx(unsigned long code, const std::string& message, const misc::qzException* previous = nullptr);

    void Throw() const override;
    misc::qzAutoPointer<misc::qzException> GetCopy() const override;
};
