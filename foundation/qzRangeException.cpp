#include "foundation/qzRangeException.h"

#include "brimlib/qzStringConv.h"

namespace misc
{
qzBaseRangeException::qzBaseRangeException() : qzException(0, "Unknown error.") {}

qzBaseRangeException::~qzBaseRangeException() = default;

void qzBaseRangeException::Throw() const
{
    throw *this;
}

qzAutoPointer<qzException> qzBaseRangeException::GetCopy() const
{
    return qzAutoPointer<qzException>(new qzBaseRangeException(*this));
}

template <class T>
qzRangeException<T>::qzRangeException(const T& min, const T& max, const T& value, int precision)
    : m_min(min), m_max(max), m_value(value)
{
    const std::string text = "Given value (" + from_value(value, precision) + ")";
    if (value > max)
    {
        SetRangeViolation(ABOVE_MAX);
        SetErrorMessage(text + " is greater than allowed max value (" + from_value(max, precision) + ")");
    }
    else if (value < min)
    {
        SetRangeViolation(BELOW_MIN);
        SetErrorMessage(text + " is less than allowed min value (" + from_value(min, precision) + ")");
    }
    else
    {
        SetRangeViolation(OUT_OF_RANGE);
        SetErrorMessage(text + " is out of range (" + from_value(min, precision) + " , " +
                        from_value(max, precision) + ")");
    }
}

template <class T> qzRangeException<T>::~qzRangeException() = default;

template <class T> void qzRangeException<T>::Throw() const
{
    throw *this;
}

template <class T> qzAutoPointer<qzException> qzRangeException<T>::GetCopy() const
{
    return qzAutoPointer<qzException>(new qzRangeException(*this));
}

template class qzRangeException<float>;
template class qzRangeException<double>;
} // namespace misc
