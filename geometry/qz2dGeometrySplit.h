// Cutting lines, arcs and contours with a straight cutting line.
#pragma once

#include "geometry/qz2dArc.h"
#include "geometry/qz2dContour.h"
#include "geometry/qz2dLine.h"

#include <list>

namespace intersect
{
/// Splits one element at its crossings with a cutting segment S->E and sorts the pieces by
/// side. A point P is on the right of the cutter when (E - S) x (P - S) is negative in the
/// usual counter-clockwise sense; points on the cutter's line count as left. Pieces are
/// appended, as new owned elements, to the end of the left or right list.
template <class T> class TESSAFORM_API qz2dGeometrySplit
{
public:
    /// A list of pieces; each split appends its new elements to the end.
    using Pieces = std::list<misc::qzAutoPointer<cadcam::qz2dGeometry<T>>>;

    /// Whether `p` lies strictly right of the cutter; a point on the cutter's line is left.
    static bool IsOnRightSide(const cadcam::qz2dLine<T>& cutter, const cadcam::qz2dPoint<T>& p);

    /// Cuts the line where it crosses the cutter segment; a line that only touches the cutter
    /// with an end, or misses it, goes whole to the side of its midpoint. misc::qzException
    /// "Invalid line: start point is same with end point" when either line is shorter than
    /// 1e-12 (1e-6 for float). Returns true once the pieces are placed.
    static bool Split(const cadcam::qz2dLine<T>& line, const cadcam::qz2dLine<T>& cutter, Pieces& left,
                      Pieces& right);
    /// Cuts the arc at up to two crossings with the cutter segment into up to three arcs; an
    /// arc that is not crossed inside goes whole to the side of its middle point. A crossing
    /// within 1e-6 of an end, or one that rounding puts beyond it, cuts nothing. A full circle
    /// crossed inside is refused ("Inner point is equal with start point or end point.")
    /// unless the crossing is opposite its start.
    static bool Split(const cadcam::qz2dArc<T>& arc, const cadcam::qz2dLine<T>& cutter, Pieces& left,
                      Pieces& right);
    /// Not offered: misc::qzException "Not Implemented yet".
    ///@{
    static bool Split(const cadcam::qz2dEllipse<T>& ellipse, const cadcam::qz2dLine<T>& cutter, Pieces& left,
                      Pieces& right);
    static bool Split(const cadcam::qz2dParabola<T>& parabola, const cadcam::qz2dLine<T>& cutter,
                      Pieces& left, Pieces& right);
    static bool Split(const cadcam::qz2dSpline<T>& spline, const cadcam::qz2dLine<T>& cutter, Pieces& left,
                      Pieces& right);
    ///@}

private:
    static bool SplitArcUsing1Point(const cadcam::qz2dArc<T>& arc, const cadcam::qz2dPoint<T>& p,
                                    const cadcam::qz2dLine<T>& cutter, Pieces& left, Pieces& right);
    static bool SplitArcUsing2Points(const cadcam::qz2dArc<T>& arc, const cadcam::qz2dPoint<T>& p1,
                                     const cadcam::qz2dPoint<T>& p2, const cadcam::qz2dLine<T>& cutter,
                                     Pieces& left, Pieces& right);
    /// The parts S->P and P->E of the arc, both running in the arc's direction.
    static void CreateTwoArcs(const cadcam::qz2dArc<T>& arc, const cadcam::qz2dPoint<T>& p,
                              misc::qzAutoPointer<cadcam::qz2dArc<T>>& first,
                              misc::qzAutoPointer<cadcam::qz2dArc<T>>& second);
};

/// Visitor that splits every element it visits with the cutter: left pieces are appended to
/// `first`, right pieces to `second`, in the order the element split produces them. Contours
/// and polylines pass a copy of the visitor to each member in turn. The option decides what
/// happens to an element whose split reports failure.
template <class T, class ContourT>
class TESSAFORM_API qz2dContourSplit : public cadcam::qz2dGeometryVisitor<T>
{
public:
    /// What becomes of an element whose own split reports failure.
    enum SplitImpossibleOptions : int
    {
        AddToFirst = 1,   ///< A copy goes to the first (left) target.
        AddToSecond = 2,  ///< A copy goes to the second (right) target.
        AddToBoth = 3,    ///< A copy goes to each target.
        DropGeometry = 4, ///< The element is left out.
        /// misc::qzException "Split geoemtry impossible".
        ThrowIfImpossible = 5
    };

    /// Keeps its own copy of the cutter and references to the two targets, which must outlive
    /// it.
    qz2dContourSplit(const cadcam::qz2dLine<T>& cutter, ContourT& first, ContourT& second,
                     SplitImpossibleOptions option);
    /// Shares the targets of `other` and copies its cutter and option.
    qz2dContourSplit(const qz2dContourSplit& other);
    ~qz2dContourSplit() override;

    void Visit(const cadcam::qz2dCurve<T>&) const override;
    void Visit(cadcam::qz2dCurve<T>&) override;
    void Visit(const cadcam::qz2dPolyLine<T>&) const override;
    void Visit(cadcam::qz2dPolyLine<T>&) override;
    void Visit(const cadcam::qz2dClosedContour<T>&) const override;
    void Visit(cadcam::qz2dClosedContour<T>&) override;
    void Visit(const cadcam::qz2dContour<T>&) const override;
    void Visit(cadcam::qz2dContour<T>&) override;
    void Visit(const cadcam::qz2dSpline<T>&) const override;
    void Visit(cadcam::qz2dSpline<T>&) override;
    void Visit(const cadcam::qz2dEllipse<T>&) const override;
    void Visit(cadcam::qz2dEllipse<T>&) override;
    void Visit(const cadcam::qz2dParabola<T>&) const override;
    void Visit(cadcam::qz2dParabola<T>&) override;
    void Visit(const cadcam::qz2dArc<T>&) const override;
    void Visit(cadcam::qz2dArc<T>&) override;
    void Visit(const cadcam::qz2dLine<T>&) const override;
    void Visit(cadcam::qz2dLine<T>&) override;
    void Visit(const cadcam::qz2dPoint<T>&) const override;
    void Visit(cadcam::qz2dPoint<T>&) override;
    void Visit(const cadcam::qz2dGeometry<T>&) const override;
    void Visit(cadcam::qz2dGeometry<T>&) override;

    /// The option given at construction.
    SplitImpossibleOptions GetOption() const { return m_option; }

protected:
    /// Applies the option to an element that could not be split: copies go to the chosen
    /// targets, or misc::qzException "Split geoemtry impossible" / "Unknown type of impossible
    /// split option".
    ///@{
    void HandleImpossibleSplit(const cadcam::qz2dLine<T>& element) const;
    void HandleImpossibleSplit(const cadcam::qz2dArc<T>& element) const;
    ///@}

private:
    template <class E> void SplitElement(const E& element) const;
    void VisitMembers(const cadcam::qz2dContour<T>& contour) const;

    ContourT& m_first;
    ContourT& m_second;
    cadcam::qz2dLine<T> m_cutter;
    SplitImpossibleOptions m_option;
};

extern template class TESSAFORM_EXTERN_TEMPLATE qz2dGeometrySplit<float>;
extern template class TESSAFORM_EXTERN_TEMPLATE qz2dGeometrySplit<double>;
extern template class TESSAFORM_EXTERN_TEMPLATE qz2dContourSplit<double, cadcam::qz2dContour<double>>;
} // namespace intersect
