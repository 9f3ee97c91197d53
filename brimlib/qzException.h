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
    /// An exception with `code` and `message` (a null C string gives ""); `previous`, when
    /// given, is copied through its GetCopy, so the caller's object need not outlive this one.
    ///@{
    qzException(unsigned long code, const char* message, const qzException* previous = nullptr);
    qzException(unsigned long code, const std::string& message, const qzException* previous = nullptr);
    ///@}
    /// Copies share the previous exception with the source.
    ///@{
    qzException(const qzException&) = default;
    qzException& operator=(const qzException&) = default;
    ///@}
    ~qzException() override;

    /// Throws a copy of the dynamic type.
    virtual void Throw() const;
    /// A heap copy of the dynamic type.
    virtual qzAutoPointer<qzException> GetCopy() const;

    /// The message text, also returned by what().
    ///@{
    const std::string& GetErrorMessage() const { return m_message; }
    void SetErrorMessage(const std::string& message) { m_message = message; }
    ///@}
    /// The error code; its meaning depends on the family (0 when the family has no codes).
    ///@{
    unsigned long GetErrorCode() const { return m_code; }
    void SetErrorCode(unsigned long code) { m_code = code; }
    ///@}

    /// The exception given as cause at construction (kept as a copy), or null.
    const qzException* GetPrevious() const { return m_previous.Get(); }

    /// The message text; valid until the message is changed or the exception destroyed.
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
    /// Kind of the failed operation.
    enum mathExceptionType : int
    {
        UNKNOWN = 0,           ///< not classified
        INVALID_OPERATION = 1, ///< operation undefined for its operands
        DIVISION_BY_ZERO = 2,  ///< division by zero, such as normalizing a zero vector
        OUT_OF_RANGE = 3       ///< argument or result out of range
    };

    /// An exception of kind `type` with `message`; the error code is 0.
    qzMathException(const std::string& message, mathExceptionType type);
    /// The kind given at construction.
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
    /// Error identifiers; each is the error code and selects the message text.
    enum errorIDD : unsigned long
    {
        UNEXPECTED_END_OF_DATA = 2018, ///< binary input ended before a read was complete
        INPUT_STREAM_FAILED = 2148,    ///< input stream ended early or failed
        OUTPUT_STREAM_FAILED = 2149,   ///< output stream failed
        STORED_SIZE_TOO_LARGE = 2157,  ///< stored size beyond the supported range
        CHECKSUM_FORMATTING = 2576,    ///< checksum text could not be formatted
        TOOLPATH_LEVEL_MISSING = 5503  ///< toolpath element missing
    };

    /// The exception `id` with the library's text for it ("misc error <id>" for an
    /// identifier without one); `previous` is copied.
    explicit qzmiscException(errorIDD id, const misc::qzException* previous = nullptr);
    /// The identifier, read back from the error code.
    errorIDD GetErrorID() const { return static_cast<errorIDD>(GetErrorCode()); }

    void Throw() const override;
    misc::qzAutoPointer<misc::qzException> GetCopy() const override;
};

/// Geometry, tool and mesh errors.
class TESSAFORM_API qzcadcamException : public misc::qzException
{
public:
    /// Error identifiers; each is the error code and selects the message text, named after
    /// the failure it reports.
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

    /// The exception `id` with the library's text for it ("cadcam error <id>" for an
    /// identifier without one); `previous` is copied.
    explicit qzcadcamException(errorIDD id, const misc::qzException* previous = nullptr);
    /// The identifier, read back from the error code.
    errorIDD GetErrorID() const { return static_cast<errorIDD>(GetErrorCode()); }

    void Throw() const override;
    misc::qzAutoPointer<misc::qzException> GetCopy() const override;
};

/// Errors of the machining core, reused for parameter decoding.
class TESSAFORM_API qzvelbrookException : public misc::qzException
{
public:
    /// Error identifiers; each is the error code.
    enum errorIDD : unsigned long
    {
        VERSION_NOT_SUPPORTED = 2027 ///< stored data version not supported
    };

    /// The exception `id` with the library's text for it ("velbrook error <id>" for an
    /// identifier without one); `previous` is copied.
    explicit qzvelbrookException(errorIDD id, const misc::qzException* previous = nullptr);
    /// With an explicit message in place of the identifier's text.
    qzvelbrookException(errorIDD id, const std::string& message, const misc::qzException* previous = nullptr);
    /// The identifier, read back from the error code.
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
    /// Error codes.
    enum Code : unsigned long
    {
        NO_TARGET_POOL = 5047 ///< posted-move memory pool missing
    };

    /// The exception `code` with the library's text for it ("post error <code>" for a code
    /// without one); `previous` is copied.
    explicit qzPostException(Code code, const misc::qzException* previous = nullptr);
    /// The code, read back from the error code.
    Code GetCode() const { return static_cast<Code>(GetErrorCode()); }

    void Throw() const override;
    misc::qzAutoPointer<misc::qzException> GetCopy() const override;
};
} // namespace post

/// Errors of the 5-axis parameter model.
class TESSAFORM_API qz5axParamsEx : public misc::qzException
{
public:
    /// An exception with the caller's `code` and `message`; `previous` is copied.
    qz5axParamsEx(unsigned long code, const std::string& message, const misc::qzException* previous = nullptr);

    void Throw() const override;
    misc::qzAutoPointer<misc::qzException> GetCopy() const override;
};
