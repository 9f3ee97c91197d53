#include "foundation/qzIdxRangeException.h"

#include "brimlib/qzStringConv.h"

namespace misc
{
template <class T>
qzIdxRangeException<T>::qzIdxRangeException(const T& maxIndex, const T& index)
    : qzException(0, "Index out of bounds. Max index accepted: " + from_value(maxIndex) +
                         ", index given: " + from_value(index) + "."),
      m_maxIndex(maxIndex), m_index(index)
{
}

template <class T> qzIdxRangeException<T>::~qzIdxRangeException() = default;

template <class T> void qzIdxRangeException<T>::Throw() const
{
    throw *this;
}

template <class T> qzAutoPointer<qzException> qzIdxRangeException<T>::GetCopy() const
{
    return qzAutoPointer<qzException>(new qzIdxRangeException(*this));
}

template class qzIdxRangeException<unsigned int>;
template class qzIdxRangeException<qzUInt64>;
} // namespace misc
