// Reader of 2D elements.
#pragma once

#include "foundation/qzBasicTypes.h"
#include "geometry/qz2dArc.h"
#include "geometry/qz2dConic.h"
#include "geometry/qz2dContour.h"
#include "geometry/qz2dCurve.h"
#include "geometry/qz2dLine.h"
#include "geometry/qz2dPolyLine.h"
#include "paramformat/qzBIO2dGeometry.h"

namespace cadcam
{
/// Reads 2D elements in the layout of qzBIO2dGeometry, enumerations by the stored version (a
/// 4-byte int below 18, one sign-extended byte from 18 on).
///
/// Refusals are misc::qzException with code 0: "Please define >> operator for spline.",
/// "Please define >> operator for closed contour.", "Please define >> operator for ellipse.",
/// "Please setup a valid Bezier object.", "Unknown geometric type" for any other code (negative
/// ones included), "Point element expected" / "Contour element expected" where the record
/// needs one and finds another element, "Unknown arc direction", "Unknown parabola travel",
/// "2D geometry nested too deeply". Values out of an arc's ranges throw the arc's
/// misc::qzRangeException<T>; a short stream throws qzmiscException 2018. A failed read leaves
/// its target unchanged.
template <class T> class TESSAFORM_API qzBI2dGeometry : public qzBIO2dGeometry
{
public:
    /// An element of any kind, shared.
    using ElementPtr = misc::qzAutoPointer<qz2dGeometry<T>>;

    /// The stream, the stored version, the shrink-data, unicode and 64-bit-binary flags.
    qzBI2dGeometry(misc::qzBinInputStream& stream, unsigned int version, bool shrinkData = false,
                   bool isUnicode = false, bool is64bBin = false);
    virtual ~qzBI2dGeometry();

    /// One element with its type code.
    virtual misc::qzBinInputStream& operator>>(ElementPtr& element);
    /// Reads the next type code and keeps it: the next element read uses it instead of reading
    /// again. Peeking twice returns the kept code.
    int PeekGeometryType();
    /// The kept code if one was peeked, otherwise the next code of the stream.
    int ReadGeometryType();

    /// The records of each kind, without their type code.
    ///@{
    virtual misc::qzBinInputStream& operator>>(qz2dPoint<T>& point);
    virtual misc::qzBinInputStream& operator>>(qz2dLine<T>& line);
    virtual misc::qzBinInputStream& operator>>(qz2dArc<T>& arc);
    ///@}
    /// Always refused: a spline has no stored form.
    virtual misc::qzBinInputStream& operator>>(qz2dSpline<T>& spline);
    /// A polyline record, without its type code; replaces the elements of `polyline`.
    virtual misc::qzBinInputStream& operator>>(qz2dPolyLine<T>& polyline);
    /// Replaces the members of `contour`.
    virtual misc::qzBinInputStream& operator>>(qz2dContour<T>& contour);
    /// Always refused: a closed contour has no stored form.
    virtual misc::qzBinInputStream& operator>>(qz2dClosedContour<T>& contour);
    /// A parabola record, without its type code.
    virtual misc::qzBinInputStream& operator>>(qz2dParabola<T>& parabola);
    /// Always refused: an ellipse has no stored form.
    virtual misc::qzBinInputStream& operator>>(qz2dEllipse<T>& ellipse);

    /// A whole element that must be a point.
    misc::qzAutoPointer<qz2dPoint<T>> ReadPoint();
    /// A whole element that must be a contour or a polyline.
    misc::qzAutoPointer<qz2dContour<T>> ReadContour();

    /// The stored version, which decides the width of the enumerations.
    unsigned int GetVersion() const { return m_version; }
    /// The stream read from.
    misc::qzBinInputStream& GetStream() const { return m_in.GetStream(); }
    /// The reader of the primitive values, for the fields around the elements.
    misc::qzBIBasicTypes& GetBasicReader() { return m_in; }

private:
    class NestingGuard;

    int ReadEnum();
    template <class E> ElementPtr ReadKind();

    misc::qzBIBasicTypes m_in;
    unsigned int m_version;
    int m_peeked;
    bool m_hasPeeked;
    unsigned m_depth;
};

extern template class TESSAFORM_EXTERN_TEMPLATE qzBI2dGeometry<float>;
extern template class TESSAFORM_EXTERN_TEMPLATE qzBI2dGeometry<double>;
} // namespace cadcam
