// Errors of the adapter around the 2D geometry library.
#pragma once

#include "brimlib/qzException.h"

/// Message by code: 0 "Unknown exception.", 2504 "Index out of range in WMAdapter",
/// 2505 "Negative Polynom degree", 7050 "Division by zero in polynom",
/// 7051 "Different dimmensions of input data in Approx", 7052 "Contour triangulation error",
/// any other code the empty text.
class TESSAFORM_API qzWMException : public misc::qzException
{
public:
    /// Codes of the adapter's failures, with the messages listed above.
    enum Code : unsigned long
    {
        UNKNOWN = 0,
        INDEX_OUT_OF_RANGE = 2504,
        NEGATIVE_POLYNOM_DEGREE = 2505,
        POLYNOM_DIVISION_BY_ZERO = 7050,
        APPROX_DIMENSION_MISMATCH = 7051,
        TRIANGULATION_FAILED = 7052
    };

    /// The message fixed for `code`; `previous` is the cause (copied), if any.
    explicit qzWMException(unsigned long code, const misc::qzException* previous = nullptr);
    ~qzWMException() override;

    void Throw() const override;
    misc::qzAutoPointer<misc::qzException> GetCopy() const override;
};
