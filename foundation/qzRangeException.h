// A real value outside its allowed range.
#pragma once

#include "brimlib/qzException.h"

namespace misc
{
/// Base of the range errors: which side of the range was violated.
class TESSAFORM_API qzBaseRangeException : public qzException
{
public:
    /// Which limit the value broke.
    enum RangeViolation : int
    {
        ABOVE_MAX = 0,   ///< the value is greater than the maximum
        BELOW_MIN = 1,   ///< the value is less than the minimum
        OUT_OF_RANGE = 2 ///< no side: the value lies within the limits or a comparison is unordered
    };

    ~qzBaseRangeException() override;
    void Throw() const override;
    qzAutoPointer<qzException> GetCopy() const override;

    /// Which limit was broken; OUT_OF_RANGE unless a derived constructor set a side.
    RangeViolation GetRangeViolation() const { return m_violation; }

protected:
    qzBaseRangeException();
    /// Records the broken limit, for derived constructors.
    void SetRangeViolation(RangeViolation violation) { m_violation = violation; }

private:
    RangeViolation m_violation = OUT_OF_RANGE;
};

/// A value outside [min, max], with the numbers printed at the given precision.
template <class T> class TESSAFORM_API qzRangeException : public qzBaseRangeException
{
public:
    /// Reports `value` against [`min`, `max`]: the message names the broken limit, numbers
    /// with `precision` significant digits; error code 0.
    qzRangeException(const T& min, const T& max, const T& value, int precision);
    ~qzRangeException() override;

    void Throw() const override;
    qzAutoPointer<qzException> GetCopy() const override;

    /// The limits and the refused value, as passed to the constructor.
    ///@{
    const T& GetMin() const { return m_min; }
    const T& GetMax() const { return m_max; }
    const T& GetValue() const { return m_value; }
    ///@}

private:
    T m_min;
    T m_max;
    T m_value;
};

extern template class TESSAFORM_EXTERN_TEMPLATE qzRangeException<float>;
extern template class TESSAFORM_EXTERN_TEMPLATE qzRangeException<double>;
} // namespace misc
