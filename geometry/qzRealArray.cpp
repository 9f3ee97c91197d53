#include "geometry/qzRealArray.h"

#include "foundation/qzIdxRangeException.h"

#include <algorithm>

namespace misc
{
template <class T> qzRealArray<T>::qzRealArray(unsigned count) : m_data(new T[count]()), m_count(count) {}

template <class T> qzRealArray<T>::qzRealArray(const qzRealArray& other)
    : m_data(new T[other.m_count]), m_count(other.m_count)
{
    std::copy(other.m_data, other.m_data + m_count, m_data);
}

template <class T> qzRealArray<T>& qzRealArray<T>::operator=(const qzRealArray& other)
{
    if (this != &other)
    {
        T* data = new T[other.m_count];
        std::copy(other.m_data, other.m_data + other.m_count, data);
        delete[] m_data;
        m_data = data;
        m_count = other.m_count;
    }
    return *this;
}

template <class T> qzRealArray<T>::~qzRealArray()
{
    delete[] m_data;
}

template <class T> T& qzRealArray<T>::operator[](const unsigned& i)
{
    if (i >= m_count)
        throw qzIdxRangeException<unsigned>(m_count - 1, i);
    return m_data[i];
}

template <class T> const T& qzRealArray<T>::operator[](const unsigned& i) const
{
    if (i >= m_count)
        throw qzIdxRangeException<unsigned>(m_count - 1, i);
    return m_data[i];
}

template <class T, unsigned R, unsigned C> qzRealArray2Drc<T, R, C>::qzRealArray2Drc() : m_data(new T[R * C]()) {}

template <class T, unsigned R, unsigned C>
qzRealArray2Drc<T, R, C>::qzRealArray2Drc(const qzRealArray2Drc& other) : m_data(new T[R * C])
{
    std::copy(other.m_data, other.m_data + R * C, m_data);
}

template <class T, unsigned R, unsigned C>
qzRealArray2Drc<T, R, C>& qzRealArray2Drc<T, R, C>::operator=(const qzRealArray2Drc& other)
{
    std::copy(other.m_data, other.m_data + R * C, m_data);
    return *this;
}

template <class T, unsigned R, unsigned C> qzRealArray2Drc<T, R, C>::~qzRealArray2Drc()
{
    delete[] m_data;
}

template class qzRealArray<float>;
template class qzRealArray<double>;
template class qzRealArray2Drc<float, 1, 1>;
template class qzRealArray2Drc<double, 1, 1>;
template class qzRealArray2Drc<float, 2, 2>;
template class qzRealArray2Drc<double, 2, 2>;
template class qzRealArray2Drc<float, 3, 3>;
template class qzRealArray2Drc<double, 3, 3>;
template class qzRealArray2Drc<float, 4, 4>;
template class qzRealArray2Drc<double, 4, 4>;
template class qzRealArray2Drc<float, 4, 1>;
template class qzRealArray2Drc<double, 4, 1>;
} // namespace misc
