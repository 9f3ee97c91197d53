// Messages, codes and copies of the library's exception classes.
#include "foundation/foundation.h"

#include <gtest/gtest.h>

#include <typeinfo>

namespace
{
using misc::qzAutoPointer;
using misc::qzException;
using misc::qzParserException;
using Violation = misc::qzBaseRangeException;

// Stores the exception as its copy, drops the original, and rethrows the copy.
template <class E> void ExpectCopyRethrowsSameType(const E& original)
{
    qzAutoPointer<qzException> copy;
    {
        E local(original);
        copy = local.GetCopy();
    }
    try
    {
        copy->Throw();
        FAIL() << "Throw did not throw";
    }
    catch (const E& e)
    {
        EXPECT_EQ(typeid(e), typeid(E));
        EXPECT_EQ(e.GetErrorCode(), original.GetErrorCode());
        EXPECT_EQ(e.GetErrorMessage(), original.GetErrorMessage());
    }
}

TEST(ExceptionMessages, IndexRangeAndMemoryExceptionsNameTheirValues)
{
    misc::qzIdxRangeException<unsigned int> index(5, 9);
    EXPECT_EQ(index.GetErrorMessage(), "Index out of bounds. Max index accepted: 5, index given: 9.");
    EXPECT_EQ(index.GetErrorCode(), 0u);
    EXPECT_EQ(index.GetMaxIndex(), 5u);
    EXPECT_EQ(index.GetIndex(), 9u);
    EXPECT_EQ(misc::qzIdxRangeException<misc::qzUInt64>(18446744073709551615ull, 0).GetErrorMessage(),
              "Index out of bounds. Max index accepted: 18446744073709551615, index given: 0.");

    const misc::qzMemoryException memory(1234567890123ull);
    EXPECT_EQ(memory.GetErrorMessage(), "Allocation of 1234567890123 bytes failed.");
    EXPECT_EQ(memory.GetRequestedSize(), 1234567890123ull);
    EXPECT_EQ(memory.GetErrorCode(), 0u);
    EXPECT_STREQ(static_cast<const std::exception&>(memory).what(),
                 "Allocation of 1234567890123 bytes failed.");
}

TEST(ExceptionMessages, RangeExceptionKindAndMessageBySide)
{
    const struct
    {
        misc::qzRangeException<double> e;
        Violation::RangeViolation kind;
        const char* message;
    } table[] = {
        {{0.0, 1.0, 2.0, 6}, Violation::ABOVE_MAX, "Given value (2) is greater than allowed max value (1)"},
        {{0.0, 1.0, -1.0, 6}, Violation::BELOW_MIN, "Given value (-1) is less than allowed min value (0)"},
        {{0.0, 1.0, 0.5, 6}, Violation::OUT_OF_RANGE, "Given value (0.5) is out of range (0 , 1)"},
        // The precision limits the digits.
        {{0.0, 3.14159265, 10.123456789, 4},
         Violation::ABOVE_MAX,
         "Given value (10.12) is greater than allowed max value (3.142)"},
    };
    for (const auto& row : table)
    {
        EXPECT_EQ(row.e.GetRangeViolation(), row.kind) << row.message;
        EXPECT_EQ(row.e.GetErrorMessage(), row.message);
    }
    // An unordered value has no side.
    const misc::qzRangeException<float> unordered(0.0f, 1.0f, std::numeric_limits<float>::quiet_NaN(), 3);
    EXPECT_EQ(unordered.GetRangeViolation(), Violation::OUT_OF_RANGE);
    EXPECT_EQ(unordered.GetErrorMessage(), "Given value (nan) is out of range (0 , 1)");
}

TEST(ExceptionMessages, ParserAndWildMagicMessagesByCode)
{
    EXPECT_EQ(qzParserException(qzParserException::UNKNOWN).GetErrorMessage(), "Unknown exception");
    EXPECT_EQ(qzParserException(qzParserException::NOT_IMPLEMENTED).GetErrorMessage(),
              "Parser not implemented");
    EXPECT_EQ(qzParserException(qzParserException::UNKNOWN_KEYWORD).GetErrorMessage(), "Unknown keyword !");
    qzParserException other(static_cast<qzParserException::Code>(77));
    EXPECT_EQ(other.GetErrorMessage(), "Unknown exception.");
    EXPECT_EQ(other.GetErrorCode(), 77u);
    qzParserException passed(12, "custom text");
    EXPECT_EQ(passed.GetErrorCode(), 12u);
    EXPECT_EQ(passed.GetErrorMessage(), "custom text");

    const std::pair<unsigned long, const char*> wm[] = {
        {0, "Unknown exception."},
        {2504, "Index out of range in WMAdapter"},
        {2505, "Negative Polynom degree"},
        {7050, "Division by zero in polynom"},
        {7051, "Different dimmensions of input data in Approx"},
        {7052, "Contour triangulation error"},
        {1, ""},
    };
    for (const auto& [code, message] : wm)
    {
        EXPECT_EQ(qzWMException(code).GetErrorMessage(), message) << code;
        EXPECT_EQ(qzWMException(code).GetErrorCode(), code);
    }
}

TEST(ExceptionMessages, STLParserMessagesByCode)
{
    using cadcam::qzSTLParserException;
    const std::pair<unsigned long, const char*> table[] = {
        {2148, "Unexpected end of input stream occured when reading .stl file"},
        {3500, "File not found !"},
        {3501, "Invalid .stl file format !"},
        {3502, "Keyword 'facet' with wrong parameters found"},
        {3503, "Not detected 'outer loop' keyword"},
        {3504, "Keyword 'vertex' with wrong parameters found"},
        {3505, "Found keyword 'endloop' or 'end loop' followed by other string"},
        {3506, "Found keyword 'endfacet' or 'end facet' followed by other string"},
        {3507,
         "Found word 'end' but not detected any of \n keywords' : 'end solid', 'end loop' ,'end facet' "},
        {3508, "Error opening input file !"},
        {3509, "Error reading triangle from file !"},
        {3510, "Invalid Syntax"},
        {3511, "Invalid number of triangles found in .stl file!"},
        {6250, "Parser not implemented"},
        {6251, "Unknown keyword found while parsing .stl file"},
        {42, "Unknown exception."},
    };
    for (const auto& [code, message] : table)
    {
        qzSTLParserException e(static_cast<qzSTLParserException::Code>(code));
        EXPECT_EQ(e.GetErrorCode(), code);
        EXPECT_EQ(e.GetErrorMessage(), message) << code;
    }
}

TEST(ExceptionCopies, RethrowTheDynamicTypeWithoutSlicing)
{
    ExpectCopyRethrowsSameType(qzException(7, "plain"));
    ExpectCopyRethrowsSameType(misc::qzIdxRangeException<unsigned int>(1, 2));
    ExpectCopyRethrowsSameType(misc::qzIdxRangeException<misc::qzUInt64>(1, 2));
    ExpectCopyRethrowsSameType(misc::qzRangeException<float>(0, 1, 2, 6));
    ExpectCopyRethrowsSameType(misc::qzRangeException<double>(0, 1, 2, 6));
    ExpectCopyRethrowsSameType(misc::qzMemoryException(10));
    ExpectCopyRethrowsSameType(qzParserException(qzParserException::UNKNOWN_KEYWORD));
    ExpectCopyRethrowsSameType(cadcam::qzSTLParserException(cadcam::qzSTLParserException::INVALID_SYNTAX));
    ExpectCopyRethrowsSameType(qzWMException(7052));
    ExpectCopyRethrowsSameType(qzmiscException(qzmiscException::UNEXPECTED_END_OF_DATA));
    ExpectCopyRethrowsSameType(qzcadcamException(qzcadcamException::ZERO_LENGTH_VECTOR));
    ExpectCopyRethrowsSameType(qzvelbrookException(qzvelbrookException::VERSION_NOT_SUPPORTED, "version"));
    ExpectCopyRethrowsSameType(post::qzPostException(post::qzPostException::NO_TARGET_POOL));
    ExpectCopyRethrowsSameType(qz5axParamsEx(2438, "Invalid Method in TpCalcMethodsParams params!"));
    ExpectCopyRethrowsSameType(
        misc::qzMathException("Cannot set identity matrix", misc::qzMathException::INVALID_OPERATION));

    // Thrown through a base reference, the derived type is kept.
    const qzException& base = cadcam::qzSTLParserException(cadcam::qzSTLParserException::INVALID_FORMAT);
    EXPECT_THROW(base.Throw(), cadcam::qzSTLParserException);
}

TEST(CodedExceptions, KeepIdentifierAndPreviousCause)
{
    std::unique_ptr<qzmiscException> outer;
    {
        misc::qzIdxRangeException<unsigned int> cause(3, 4);
        outer = std::make_unique<qzmiscException>(qzmiscException::INPUT_STREAM_FAILED, &cause);
    }
    EXPECT_EQ(outer->GetErrorCode(), 2148u);
    EXPECT_EQ(outer->GetErrorID(), qzmiscException::INPUT_STREAM_FAILED);
    EXPECT_FALSE(outer->GetErrorMessage().empty());
    // The cause outlives the object it was copied from.
    ASSERT_NE(outer->GetPrevious(), nullptr);
    EXPECT_EQ(outer->GetPrevious()->GetErrorMessage(),
              "Index out of bounds. Max index accepted: 3, index given: 4.");
    EXPECT_NO_THROW((void)dynamic_cast<const misc::qzIdxRangeException<unsigned int>&>(*outer->GetPrevious()));

    qzcadcamException bare(static_cast<qzcadcamException::errorIDD>(2216));
    EXPECT_EQ(bare.GetErrorCode(), 2216u);
    EXPECT_STREQ(bare.what(), bare.GetErrorMessage().c_str());
}
} // namespace
