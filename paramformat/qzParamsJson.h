// JSON form of a parameter set.
#pragma once

#include "brimlib/qz5axParams.h"
#include "foundation/qzParserException.h"

#include <string>
#include <vector>

namespace paramformat
{
/// A JSON document that does not describe a parameter set. The message starts with the path of
/// the offending field ("CollControl.CollCtrlOperations[2].Strategy: ...") or, for text that
/// is not JSON, with its line and column.
class TESSAFORM_API qzParamsJsonException : public misc::qzParserException
{
public:
    /// The codes of this family.
    enum Code : unsigned long
    {
        MALFORMED_JSON = 6260, ///< the text is not a JSON document
        INVALID_FIELD = 6261   ///< unknown field, wrong type or value out of range
    };

    /// A field error: the message is "<path>: <detail>".
    qzParamsJsonException(const std::string& path, const std::string& detail);
    /// A syntax error at a 1-based line and column.
    qzParamsJsonException(unsigned line, unsigned column, const std::string& detail);
    ~qzParamsJsonException() override;

    /// The dotted path of the field ("" for the document itself or a syntax error).
    const std::string& GetPath() const { return m_path; }
    /// Line and column of a syntax error (0 for a field error).
    ///@{
    unsigned GetLine() const { return m_line; }
    unsigned GetColumn() const { return m_column; }
    ///@}

    void Throw() const override;
    misc::qzAutoPointer<misc::qzException> GetCopy() const override;

private:
    std::string m_path;
    unsigned m_line = 0;
    unsigned m_column = 0;
};

/// Converts parameter sets to and from JSON, field by field as the binary format stores them.
///
/// Fields are named after their accessor pair (GetFeedRate/SetFeedRate give "FeedRate"),
/// sub-records are nested objects, the collision-control operations an array, points
/// [x, y, z], enumerations the enumerator's name (a number when the model has no name for the
/// value), the machine definition an object with its "Kind" or null. Numbers are written in
/// the shortest form that reads back to the same double, so both round trips are exact.
///
/// Stateless: every call may run on any thread.
class TESSAFORM_API qzParamsJson
{
public:
    /// The whole set as a JSON document, indented by `indent` spaces (-1: one line).
    static std::string Write(const qz5axParams& params, int indent = 2);

    /// Sets the fields a (partial) document names; the others keep their values. Throws
    /// qzParamsJsonException; `params` is left unchanged when it does.
    static void Read(const std::string& document, qz5axParams& params);
    /// A set with the model's defaults and the fields the document names.
    static qz5axParams Read(const std::string& document);

    /// A field whose values differ between two sets, both as JSON text.
    struct Difference
    {
        std::string path;   ///< dotted path of the field, e.g. "MachDef.MachType"
        std::string first;  ///< its value in the first set, as JSON text
        std::string second; ///< its value in the second set, as JSON text
    };
    /// The fields whose values differ, in document order (empty when the sets are equal).
    static std::vector<Difference> Diff(const qz5axParams& first, const qz5axParams& second);
};
} // namespace paramformat
