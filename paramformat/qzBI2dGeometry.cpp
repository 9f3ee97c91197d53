#include "paramformat/qzBI2dGeometry.h"

#include "brimlib/qzException.h"
#include "paramformat/qzBICadcamTypes.h"

namespace cadcam
{
namespace
{
[[noreturn]] void Refuse(const char* message)
{
    throw misc::qzException(0, message);
}
} // namespace

/// Counts the contours being read; refuses one more level than kMaxNesting.
template <class T> class qzBI2dGeometry<T>::NestingGuard
{
public:
    explicit NestingGuard(unsigned& depth) : m_depth(depth)
    {
        if (m_depth >= kMaxNesting)
            Refuse("2D geometry nested too deeply");
        ++m_depth;
    }
    ~NestingGuard() { --m_depth; }
    NestingGuard(const NestingGuard&) = delete;
    NestingGuard& operator=(const NestingGuard&) = delete;

private:
    unsigned& m_depth;
};

template <class T>
qzBI2dGeometry<T>::qzBI2dGeometry(misc::qzBinInputStream& stream, unsigned int version, bool shrinkData,
                                  bool isUnicode, bool is64bBin)
    : m_in(stream, shrinkData, isUnicode, is64bBin), m_version(version), m_peeked(0), m_hasPeeked(false),
      m_depth(0)
{
}

template <class T> qzBI2dGeometry<T>::~qzBI2dGeometry() = default;

template <class T> int qzBI2dGeometry<T>::ReadEnum()
{
    return ReadVersionedEnum(m_in, m_version);
}

template <class T> int qzBI2dGeometry<T>::PeekGeometryType()
{
    if (!m_hasPeeked)
    {
        m_peeked = ReadEnum();
        m_hasPeeked = true;
    }
    return m_peeked;
}

template <class T> int qzBI2dGeometry<T>::ReadGeometryType()
{
    if (m_hasPeeked)
    {
        m_hasPeeked = false;
        return m_peeked;
    }
    return ReadEnum();
}

template <class T> template <class E> typename qzBI2dGeometry<T>::ElementPtr qzBI2dGeometry<T>::ReadKind()
{
    auto element = misc::qzMakeAutoPointer<E>();
    *this >> *element;
    return element;
}

template <class T> misc::qzBinInputStream& qzBI2dGeometry<T>::operator>>(ElementPtr& element)
{
    ElementPtr read;
    switch (ReadGeometryType())
    {
    case POINT:
        read = ReadKind<qz2dPoint<T>>();
        break;
    case LINE:
        read = ReadKind<qz2dLine<T>>();
        break;
    case ARC:
        read = ReadKind<qz2dArc<T>>();
        break;
    case SPLINE:
        read = ReadKind<qz2dSpline<T>>();
        break;
    case POLYLINE:
        read = ReadKind<qz2dPolyLine<T>>();
        break;
    case CONTOUR:
        read = ReadKind<qz2dContour<T>>();
        break;
    case CLOSED_CONTOUR:
        read = ReadKind<qz2dClosedContour<T>>();
        break;
    case PARABOLA:
        read = ReadKind<qz2dParabola<T>>();
        break;
    case ELLIPSE:
        read = ReadKind<qz2dEllipse<T>>();
        break;
    case BEZIER:
        Refuse("Please setup a valid Bezier object.");
    default:
        Refuse("Unknown geometric type");
    }
    element = std::move(read);
    return GetStream();
}

template <class T> misc::qzAutoPointer<qz2dPoint<T>> qzBI2dGeometry<T>::ReadPoint()
{
    ElementPtr element;
    *this >> element;
    auto point = element.template DynamicCast<qz2dPoint<T>>();
    if (!point)
        Refuse("Point element expected");
    return point;
}

template <class T> misc::qzAutoPointer<qz2dContour<T>> qzBI2dGeometry<T>::ReadContour()
{
    ElementPtr element;
    *this >> element;
    auto contour = element.template DynamicCast<qz2dContour<T>>();
    if (!contour)
        Refuse("Contour element expected");
    return contour;
}

template <class T> misc::qzBinInputStream& qzBI2dGeometry<T>::operator>>(qz2dPoint<T>& point)
{
    double x, y;
    m_in >> x;
    m_in >> y;
    point.Set(static_cast<T>(x), static_cast<T>(y));
    return GetStream();
}

template <class T> misc::qzBinInputStream& qzBI2dGeometry<T>::operator>>(qz2dLine<T>& line)
{
    // A point slot may hold a contour; it counts as nesting like any other.
    NestingGuard guard(m_depth);
    auto start = ReadPoint();
    auto end = ReadPoint();
    line.SetStartPoint(start);
    line.SetEndPoint(end);
    return GetStream();
}

template <class T> misc::qzBinInputStream& qzBI2dGeometry<T>::operator>>(qz2dArc<T>& arc)
{
    NestingGuard guard(m_depth);
    auto center = ReadPoint();
    double radius, start, sweep;
    m_in >> radius;
    m_in >> start;
    m_in >> sweep;
    const int direction = ReadEnum();
    if (direction != COUNTER_CLOCKWISE && direction != CLOCKWISE)
        Refuse("Unknown arc direction");
    // Built apart first: a value out of range must leave the target as it was.
    const qz2dArc<T> read(center, static_cast<T>(radius), static_cast<T>(start),
                          static_cast<T>(direction == CLOCKWISE ? -sweep : sweep));
    arc = read;
    return GetStream();
}

template <class T> misc::qzBinInputStream& qzBI2dGeometry<T>::operator>>(qz2dSpline<T>&)
{
    Refuse("Please define >> operator for spline.");
}

template <class T> misc::qzBinInputStream& qzBI2dGeometry<T>::operator>>(qz2dPolyLine<T>& polyline)
{
    NestingGuard guard(m_depth);
    const unsigned count = m_in.GetSize_t();
    qz2dPolyLine<T> read;
    // Grows as elements arrive: the count alone never sizes anything.
    for (unsigned i = 0; i < count; ++i)
    {
        ElementPtr element;
        *this >> element;
        read.AddGeometry(element);
    }
    polyline = read;
    return GetStream();
}

template <class T> misc::qzBinInputStream& qzBI2dGeometry<T>::operator>>(qz2dContour<T>& contour)
{
    NestingGuard guard(m_depth);
    const unsigned count = m_in.GetSize_t();
    qz2dContour<T> read;
    for (unsigned i = 0; i < count; ++i)
    {
        ElementPtr element;
        *this >> element;
        read.AddGeometry(element);
    }
    contour = read;
    return GetStream();
}

template <class T> misc::qzBinInputStream& qzBI2dGeometry<T>::operator>>(qz2dClosedContour<T>&)
{
    Refuse("Please define >> operator for closed contour.");
}

template <class T> misc::qzBinInputStream& qzBI2dGeometry<T>::operator>>(qz2dParabola<T>& parabola)
{
    NestingGuard guard(m_depth);
    auto vertex = ReadPoint();
    auto far = ReadPoint();
    const int travel = ReadEnum();
    if (travel != FROM_VERTEX && travel != TO_VERTEX)
        Refuse("Unknown parabola travel");
    qz2dParabola<T> read(vertex, far);
    if (travel == TO_VERTEX)
        read.Reverse();
    parabola = read;
    return GetStream();
}

template <class T> misc::qzBinInputStream& qzBI2dGeometry<T>::operator>>(qz2dEllipse<T>&)
{
    Refuse("Please define >> operator for ellipse.");
}

template class qzBI2dGeometry<float>;
template class qzBI2dGeometry<double>;
} // namespace cadcam
