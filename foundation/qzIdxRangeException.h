// Index beyond a count.
#pragma once

#include "brimlib/qzException.h"
#include "brimlib/qzTypes.h"

namespace misc
{
/// An index at or beyond a count: carries the largest accepted index and the given one.
/// Message: "Index out of bounds. Max index accepted: <max>, index given: <index>."
template <class T> class TESSAFORM_API qzIdxRangeException : public qzException
{
public:
    /// Reports `index` against the largest accepted index (the count - 1); error code 0.
    qzIdxRangeException(const T& maxIndex, const T& index);
    ~qzIdxRangeException() override;

    void Throw() const override;
    qzAutoPointer<qzException> GetCopy() const override;

    /// The largest accepted index and the index given, as passed to the constructor.
    ///@{
    const T& GetMaxIndex() const { return m_maxIndex; }
    const T& GetIndex() const { return m_index; }
    ///@}

private:
    T m_maxIndex;
    T m_index;
};

extern template class TESSAFORM_EXTERN_TEMPLATE qzIdxRangeException<unsigned int>;
extern template class TESSAFORM_EXTERN_TEMPLATE qzIdxRangeException<qzUInt64>;
} // namespace misc
