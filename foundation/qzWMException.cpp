#include "foundation/qzWMException.h"

namespace
{
const char* WMMessage(unsigned long code)
{
    switch (code)
    {
    case qzWMException::UNKNOWN:
        return "Unknown exception.";
    case qzWMException::INDEX_OUT_OF_RANGE:
        return "Index out of range in WMAdapter";
    case qzWMException::NEGATIVE_POLYNOM_DEGREE:
        return "Negative Polynom degree";
    case qzWMException::POLYNOM_DIVISION_BY_ZERO:
        return "Division by zero in polynom";
    case qzWMException::APPROX_DIMENSION_MISMATCH:
        return "Different dimmensions of input data in Approx";
    case qzWMException::TRIANGULATION_FAILED:
        return "Contour triangulation error";
    default:
        return "";
    }
}
} // namespace

qzWMException::qzWMException(unsigned long code, const misc::qzException* previous)
    : misc::qzException(code, WMMessage(code), previous)
{
}

qzWMException::~qzWMException() = default;

void qzWMException::Throw() const
{
    throw *this;
}

misc::qzAutoPointer<misc::qzException> qzWMException::GetCopy() const
{
    return misc::qzAutoPointer<misc::qzException>(new qzWMException(*this));
}
