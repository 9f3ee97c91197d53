#include "geometry/qzMatrix.h"

#include "brimlib/qzException.h"

#include <cmath>

namespace cadcam
{
template <class T, unsigned R, unsigned C> qzMatrix<T, R, C>::qzMatrix()
{
    if constexpr (R == C)
        LoadIdentity();
}

template <class T, unsigned R, unsigned C> void qzMatrix<T, R, C>::LoadIdentity()
{
    if constexpr (R != C)
        throw misc::qzMathException("Cannot set identity matrix", misc::qzMathException::INVALID_OPERATION);
    else
        for (unsigned i = 0; i < R; ++i)
            for (unsigned j = 0; j < C; ++j)
                this->m_data[i * C + j] = i == j ? T(1) : T(0);
}

template <class T, unsigned R, unsigned C> bool qzMatrix<T, R, C>::IsHomogenous() const
{
    return R == C && (R == 3 || R == 4);
}

template <class T, unsigned R, unsigned K, unsigned C>
qzMatrix<T, R, C> operator*(const qzMatrix<T, R, K>& a, const qzMatrix<T, K, C>& b)
{
    qzMatrix<T, R, C> product;
    for (unsigned i = 0; i < R; ++i)
        for (unsigned j = 0; j < C; ++j)
        {
            T sum = T(0);
            for (unsigned k = 0; k < K; ++k)
                sum += a[i][k] * b[k][j];
            product[i][j] = sum;
        }
    return product;
}

template <class T> qzMatrix<T, 3, 3> qzMatrixTransformationsFactory<T>::Create2dRotation(const T& angle)
{
    qzMatrix<T, 3, 3> m;
    const T c = std::cos(angle), s = std::sin(angle);
    m[0][0] = c;
    m[0][1] = -s;
    m[1][0] = s;
    m[1][1] = c;
    return m;
}

template <class T> qzMatrix<T, 3, 3> qzMatrixTransformationsFactory<T>::Create2dTranslation(const qzTPoint2d<T>& offset)
{
    qzMatrix<T, 3, 3> m;
    m[0][2] = offset.x();
    m[1][2] = offset.y();
    return m;
}

template <class T>
qzMatrix<T, 4, 4> qzMatrixTransformationsFactory<T>::Create3dRotation(const qzTPoint3d<T>& n, const T& angle)
{
    const T c = std::cos(angle), s = std::sin(angle), k = T(1) - c;
    const T x = n.x(), y = n.y(), z = n.z();
    qzMatrix<T, 4, 4> m;
    m[0][0] = x * x * k + c;
    m[0][1] = x * y * k - z * s;
    m[0][2] = x * z * k + y * s;
    m[1][0] = x * y * k + z * s;
    m[1][1] = y * y * k + c;
    m[1][2] = y * z * k - x * s;
    m[2][0] = x * z * k - y * s;
    m[2][1] = y * z * k + x * s;
    m[2][2] = z * z * k + c;
    return m;
}

template <class T>
qzMatrix<T, 4, 4> qzMatrixTransformationsFactory<T>::Create3dRotation(const qzTPoint3d<T>& axis,
                                                                      const qzTPoint3d<T>& point, const T& angle)
{
    const qzTPoint3d<T> back(-point.x(), -point.y(), -point.z());
    return Create3dTranslation(point) * Create3dRotation(axis, angle) * Create3dTranslation(back);
}

template <class T> qzMatrix<T, 4, 4> qzMatrixTransformationsFactory<T>::Create3dTranslation(const qzTPoint3d<T>& offset)
{
    qzMatrix<T, 4, 4> m;
    m[0][3] = offset.x();
    m[1][3] = offset.y();
    m[2][3] = offset.z();
    return m;
}

namespace
{
template <class T> qzTPoint3d<T> Apply(const qzMatrix<T, 4, 4>& m, const qzTPoint3d<T>& p)
{
    qzMatrix<T, 4, 1> v;
    v[0][0] = p.x();
    v[1][0] = p.y();
    v[2][0] = p.z();
    v[3][0] = T(1);
    const qzMatrix<T, 4, 1> r = m * v;
    return qzTPoint3d<T>(r[0][0], r[1][0], r[2][0]);
}

template <class T> qzTPoint3d<T> Column(const qzMatrix<T, 4, 4>& m, unsigned j)
{
    return qzTPoint3d<T>(m[0][j], m[1][j], m[2][j]);
}

template <class T> bool IsZero(const qzTPoint3d<T>& p)
{
    return p.x() == T(0) && p.y() == T(0) && p.z() == T(0);
}
} // namespace

template <class T>
void qzMatrixTransformationsFactory<T>::Rotate3dPoint(qzTPoint3d<T>& p, const qzTPoint3d<T>& axis,
                                                      const qzTPoint3d<T>& point, const T& angle)
{
    p = Apply(Create3dRotation(axis, angle), p - point) + point;
}

template <class T>
void qzMatrixTransformationsFactory<T>::Translate3dPoint(qzTPoint3d<T>& p, const qzTPoint3d<T>& direction,
                                                         const T& distance)
{
    p = Apply(Create3dTranslation(direction * distance), p);
}

template <class T>
qzTPoint3d<T> qzMatrixTransformationsFactory<T>::CreateIntermediaryPoint(const qzTPoint3d<T>& a,
                                                                         const qzTPoint3d<T>& b, const T& t)
{
    return a + (b - a) * t;
}

template <class T>
std::vector<qzMatrix<T, 4, 4>> qzMatrixTransformationsFactory<T>::CreateIntermediaryTransforms(
    const qzMatrix<T, 4, 4>& from, const qzMatrix<T, 4, 4>& to, unsigned count)
{
    std::vector<qzMatrix<T, 4, 4>> frames;
    frames.reserve(count);
    for (unsigned i = 0; i < count; ++i)
    {
        const T t = static_cast<T>(i) / static_cast<T>(count);
        const qzTPoint3d<T> origin = CreateIntermediaryPoint(Column(from, 3), Column(to, 3), t);
        qzTPoint3d<T> z = CreateIntermediaryPoint(Column(from, 2), Column(to, 2), t);
        if (IsZero(z))
            continue;
        z.Normalize();
        qzTPoint3d<T> y = CreateIntermediaryPoint(Column(from, 1), Column(to, 1), t);
        if (IsZero(y))
            continue;
        y.Normalize();
        qzTPoint3d<T> x = Cross(y, z);
        x.Normalize(); // a zero x throws 2189
        qzMatrix<T, 4, 4> frame;
        const qzTPoint3d<T> columns[4] = {x, y, z, origin};
        for (unsigned j = 0; j < 4; ++j)
        {
            frame[0][j] = columns[j].x();
            frame[1][j] = columns[j].y();
            frame[2][j] = columns[j].z();
        }
        frames.push_back(frame);
    }
    return frames;
}

template class qzMatrix<float, 1, 1>;
template class qzMatrix<double, 1, 1>;
template class qzMatrix<float, 2, 2>;
template class qzMatrix<double, 2, 2>;
template class qzMatrix<float, 3, 3>;
template class qzMatrix<double, 3, 3>;
template class qzMatrix<float, 4, 4>;
template class qzMatrix<double, 4, 4>;
template class qzMatrix<float, 4, 1>;
template class qzMatrix<double, 4, 1>;

template TESSAFORM_API qzMatrix<float, 1, 1> operator*(const qzMatrix<float, 1, 1>&, const qzMatrix<float, 1, 1>&);
template TESSAFORM_API qzMatrix<double, 1, 1> operator*(const qzMatrix<double, 1, 1>&, const qzMatrix<double, 1, 1>&);
template TESSAFORM_API qzMatrix<float, 2, 2> operator*(const qzMatrix<float, 2, 2>&, const qzMatrix<float, 2, 2>&);
template TESSAFORM_API qzMatrix<double, 2, 2> operator*(const qzMatrix<double, 2, 2>&, const qzMatrix<double, 2, 2>&);
template TESSAFORM_API qzMatrix<float, 3, 3> operator*(const qzMatrix<float, 3, 3>&, const qzMatrix<float, 3, 3>&);
template TESSAFORM_API qzMatrix<double, 3, 3> operator*(const qzMatrix<double, 3, 3>&, const qzMatrix<double, 3, 3>&);
template TESSAFORM_API qzMatrix<float, 4, 4> operator*(const qzMatrix<float, 4, 4>&, const qzMatrix<float, 4, 4>&);
template TESSAFORM_API qzMatrix<double, 4, 4> operator*(const qzMatrix<double, 4, 4>&, const qzMatrix<double, 4, 4>&);
template TESSAFORM_API qzMatrix<float, 4, 1> operator*(const qzMatrix<float, 4, 4>&, const qzMatrix<float, 4, 1>&);
template TESSAFORM_API qzMatrix<double, 4, 1> operator*(const qzMatrix<double, 4, 4>&, const qzMatrix<double, 4, 1>&);

template class qzMatrixTransformationsFactory<float>;
template class qzMatrixTransformationsFactory<double>;
} // namespace cadcam
