// Fixed-size arrays of reals: a checked 1D array, a row-major 2D block and a view of one row.
#pragma once

#include "tessaform_export.h"

namespace misc
{
/// An owned block of `count` reals (zero-initialised) with checked access.
template <class T> class TESSAFORM_API qzRealArray
{
public:
    /// An array of `count` zeros.
    explicit qzRealArray(unsigned count = 0);
    /// Copies every element into a block of its own.
    ///@{
    qzRealArray(const qzRealArray& other);
    qzRealArray& operator=(const qzRealArray& other);
    ///@}
    ~qzRealArray();

    /// The element; qzIdxRangeException<unsigned> (count - 1, i) when i >= count.
    ///@{
    T& operator[](const unsigned& i);
    const T& operator[](const unsigned& i) const;
    ///@}
    /// Number of elements.
    unsigned GetCount() const { return m_count; }

private:
    T* m_data;
    unsigned m_count;
};

/// A non-owning view of one row of C reals (unchecked access).
template <class T, unsigned C> class qzRealArrayRowl
{
public:
    /// A view of the C elements from `row` on; they must outlive the view.
    explicit qzRealArrayRowl(T* row) : m_row(row) {}
    /// Element `i` of the row, unchecked.
    T& operator[](const unsigned& i) const { return m_row[i]; }

private:
    T* m_row;
};

/// An owned block of R x C reals in row-major order; `[]` gives a row view (unchecked).
template <class T, unsigned R, unsigned C> class TESSAFORM_API qzRealArray2Drc
{
public:
    qzRealArray2Drc();
    /// Copies every element (into a block of its own for the copy).
    ///@{
    qzRealArray2Drc(const qzRealArray2Drc& other);
    qzRealArray2Drc& operator=(const qzRealArray2Drc& other);
    ///@}
    ~qzRealArray2Drc();

    /// View of row `row` (unchecked), so that `a[i][j]` is element (i, j).
    ///@{
    qzRealArrayRowl<T, C> operator[](const unsigned& row) { return qzRealArrayRowl<T, C>(m_data + row * C); }
    qzRealArrayRowl<const T, C> operator[](const unsigned& row) const
    {
        return qzRealArrayRowl<const T, C>(m_data + row * C);
    }
    ///@}
    /// The R x C elements in row-major order; the array keeps ownership.
    ///@{
    T* GetData() { return m_data; }
    const T* GetData() const { return m_data; }
    ///@}

protected:
    /// The owned block of R x C elements, row-major.
    T* m_data;
};
} // namespace misc

namespace misc
{
extern template class TESSAFORM_EXTERN_TEMPLATE qzRealArray<float>;
extern template class TESSAFORM_EXTERN_TEMPLATE qzRealArray<double>;
extern template class TESSAFORM_EXTERN_TEMPLATE qzRealArray2Drc<float, 1, 1>;
extern template class TESSAFORM_EXTERN_TEMPLATE qzRealArray2Drc<double, 1, 1>;
extern template class TESSAFORM_EXTERN_TEMPLATE qzRealArray2Drc<float, 2, 2>;
extern template class TESSAFORM_EXTERN_TEMPLATE qzRealArray2Drc<double, 2, 2>;
extern template class TESSAFORM_EXTERN_TEMPLATE qzRealArray2Drc<float, 3, 3>;
extern template class TESSAFORM_EXTERN_TEMPLATE qzRealArray2Drc<double, 3, 3>;
extern template class TESSAFORM_EXTERN_TEMPLATE qzRealArray2Drc<float, 4, 4>;
extern template class TESSAFORM_EXTERN_TEMPLATE qzRealArray2Drc<double, 4, 4>;
extern template class TESSAFORM_EXTERN_TEMPLATE qzRealArray2Drc<float, 4, 1>;
extern template class TESSAFORM_EXTERN_TEMPLATE qzRealArray2Drc<double, 4, 1>;
} // namespace misc
