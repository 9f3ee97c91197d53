// A real value outside its allowed range.
#pragma once

#include "brimlib/qzException.h"

namespace misc
{
/// Base of the range errors: which side of the range was violated.
class TESSAFORM_API qzBaseRangeException : public qzException
{
public:
    enum RangeViolation : int
    {
        ABOVE_MAX = 0,
        BELOW_MIN = 1,
        OUT_OF_RANGE = 2 ///< no side: the value lies within the limits or a comparison is unordered
    };

    ~qzBaseRangeException() override;
    void Throw() const override;
    qzAutoPointer<qzException> GetCopy() const override;

    RangeViolation GetRangeViolation() const { return m_violation; }

protected:
    qzBaseRangeException();
    void SetRangeViolation(RangeViolation violation) { m_violation = violation; }

private:
    RangeViolation m_violation = OUT_OF_RANGE;
};

/// A value outside [min, max], with the numbers printed at the given precision.
template <class T> class TESSAFORM_API qzRangeException : public qzBaseRangeException
{
public:
    qzRangeException(const T& min, const T& max, const T& value, int precision);
    ~qzRangeException() override;

    void Throw() const override;
    qzAutoPointer<qzException> GetCopy() const override;

    const T& GetMin() const { return m_min; }
    const T& GetMax() const { return m_max; }
    const T& GetValue() const { return m_value; }

private:
    T m_min;
    T m_max;
    T m_value;
};

extern template class TESSAFORM_EXTERN_TEMPLATE qzRangeException<float>;
extern template class TESSAFORM_EXTERN_TEMPLATE qzRangeException<double>;
} // namespace misc
