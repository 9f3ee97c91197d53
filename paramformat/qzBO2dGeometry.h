// Writer of 2D elements.
#pragma once

#include "foundation/qzBasicTypes.h"
#include "geometry/qz2dGeometry.h"
#include "paramformat/qzBIO2dGeometry.h"

namespace cadcam
{
/// Writes 2D elements in the layout of qzBIO2dGeometry, enumerations as one byte.
///
/// Kinds that have no stored form are refused with misc::qzException 0: "Please define <<
/// operator for spline.", "... for closed contour.", "... for ellipse.", "... for curve.", and
/// "Unknown geometric type" for an element of no known kind. An element is refused before any
/// of its bytes is written, but a contour may stop after some of its members.
template <class T> class TESSAFORM_API qzBO2dGeometry : public qzBIO2dGeometry
{
public:
    /// Writes to `stream` (not owned; it must outlive the writer), shrunk or full width.
    qzBO2dGeometry(misc::qzBinOutputStream& stream, bool shrinkData = false);
    virtual ~qzBO2dGeometry();

    /// The element's type code and record.
    misc::qzBinOutputStream& operator<<(const qz2dGeometry<T>& element);
    /// "Accessing NULL pointer" for an empty pointer.
    misc::qzBinOutputStream& operator<<(const misc::qzAutoPointer<qz2dGeometry<T>>& element);

    /// The stream written to.
    misc::qzBinOutputStream& GetStream() const { return m_out.GetStream(); }
    /// The writer of the primitive values, for the fields around the elements.
    misc::qzBOBasicTypes& GetBasicWriter() { return m_out; }

private:
    class Dispatch;

    void WriteCode(geometryType code);
    void WritePoint(const qz2dPoint<T>& point);
    void WriteLine(const qz2dLine<T>& line);
    void WriteArc(const qz2dArc<T>& arc);
    void WritePolyLine(const qz2dPolyLine<T>& polyline);
    void WriteContour(const qz2dContour<T>& contour);
    void WriteParabola(const qz2dParabola<T>& parabola);

    misc::qzBOBasicTypes m_out;
};

extern template class TESSAFORM_EXTERN_TEMPLATE qzBO2dGeometry<float>;
extern template class TESSAFORM_EXTERN_TEMPLATE qzBO2dGeometry<double>;
} // namespace cadcam
