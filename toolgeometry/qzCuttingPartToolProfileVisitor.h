// Reading tool half-profiles (x = radius, y = height, tip at the bottom) for recognition: the
// collecting visitors of the cutting and non-cutting parts and the classifying suites.
#pragma once

#include "tessaform_export.h"
#include "brimlib/qzAutoPointer.h"
#include "geometry/qz2dArc.h"
#include "geometry/qz2dBoundingBox.h"
#include "geometry/qz2dGeometryVisitor.h"
#include "geometry/qz2dLine.h"

#include <list>

namespace cadcam
{
/// Collects copies of the lines and arcs of a profile, in profile order, and the union boxes
/// of each kind. Both boxes start at the origin, so their widths are measured from the tool
/// axis. Any other element kind throws qzcadcamException 2193.
template <class T> class TESSAFORM_API qzCuttingPartToolProfileVisitor : public qz2dConstGeometryVisitor<T>
{
public:
    /// The collected copies of the lines and of the arcs, in profile order.
    ///@{
    using Lines = std::list<misc::qzAutoPointer<qz2dLine<T>>>;
    using Arcs = std::list<misc::qzAutoPointer<qz2dArc<T>>>;
    ///@}

    qzCuttingPartToolProfileVisitor();
    /// Copies the boxes and the lists; the collected elements are shared with `other`.
    qzCuttingPartToolProfileVisitor(const qzCuttingPartToolProfileVisitor& other);
    ~qzCuttingPartToolProfileVisitor() override;

    using qz2dConstGeometryVisitor<T>::Visit;
    void Visit(const qz2dCurve<T>&) const override;
    void Visit(const qz2dPolyLine<T>&) const override;
    void Visit(const qz2dClosedContour<T>&) const override;
    void Visit(const qz2dContour<T>&) const override;
    void Visit(const qz2dSpline<T>&) const override;
    void Visit(const qz2dEllipse<T>&) const override;
    void Visit(const qz2dParabola<T>&) const override;
    void Visit(const qz2dArc<T>& arc) const override;
    void Visit(const qz2dLine<T>& line) const override;
    void Visit(const qz2dPoint<T>&) const override;
    void Visit(const qz2dGeometry<T>&) const override;

    /// The tool-type value of what was visited; 0 (not recognised) here.
    virtual unsigned GetToolType() const;

    /// The union boxes of the arcs and of the lines, each including the origin.
    ///@{
    const qz2dBoundingBox<T>& GetArcsBoundingBox() const { return m_arcsBox; }
    const qz2dBoundingBox<T>& GetLinesBoundingBox() const { return m_linesBox; }
    ///@}
    /// The collected lines and arcs, in profile order.
    ///@{
    const Lines& GetLines() const { return m_lines; }
    const Arcs& GetArcs() const { return m_arcs; }
    ///@}

    /// Radius above 0.
    static bool IsValidArc(const qz2dArc<T>& arc);
    /// Ends within 0.001 in x, length above 0.
    static bool IsVerticalLine(const qz2dLine<T>& line);
    /// Start x below end x, length above 0.
    static bool IsOutwardLine(const qz2dLine<T>& line);

private:
    mutable qz2dBoundingBox<T> m_arcsBox;
    mutable qz2dBoundingBox<T> m_linesBox;
    mutable Lines m_lines;
    mutable Arcs m_arcs;
};

/// Tells ball-ended and rounded tools apart by the widths of the arcs' and the lines' boxes
/// (wa, wl, both from the axis): |wa - wl| <= 0.001 asks the equal-widths query, wl > wa the
/// lines-wider query, otherwise the arcs-wider query; widths that are not finite numbers give
/// 0. Arc sweeps are compared by their size (the sense of turning does not matter) with the
/// reference sweep of 90 degrees.
template <class T> class TESSAFORM_API qzSphericalToolVisitor : public qzCuttingPartToolProfileVisitor<T>
{
public:
    /// The reference quarter arc of a ball end: start angle and sweep, in degrees. The rules
    /// compare sweeps only.
    ///@{
    static constexpr double kReferenceStartAngle = 270.0;
    static constexpr double kReferenceSweepAngle = 90.0;
    ///@}

    unsigned GetToolType() const override;
    /// Radius of the convex tip; 0 where the suite has none.
    virtual T GetTipRadius() const;
    /// Radius of the rounded corner; 0 where the suite has none.
    virtual T GetCornerRadius() const;

protected:
    /// The tool-type value when the arcs and the lines reach equally far (within 0.001).
    virtual unsigned GetEqualWidthsToolType() const = 0;
    /// The tool-type value when the lines reach further from the axis than the arcs.
    virtual unsigned GetWiderLinesToolType() const = 0;
    /// The tool-type value when the arcs reach further from the axis than the lines.
    virtual unsigned GetWiderArcsToolType() const = 0;

    /// The size of the sweep, in degrees.
    static double Sweep(const qz2dArc<T>& arc);
    /// The n-th collected line or arc (0-based); the caller checks the counts first.
    ///@{
    const qz2dLine<T>& Line(unsigned n) const;
    const qz2dArc<T>& Arc(unsigned n) const;
    ///@}
};

/// A single arc: always 10 (ball mill).
template <class T> class TESSAFORM_API qzArcSuite : public qzSphericalToolVisitor<T>
{
public:
    unsigned GetToolType() const override;

protected:
    unsigned GetEqualWidthsToolType() const override;
    unsigned GetWiderLinesToolType() const override;
    unsigned GetWiderArcsToolType() const override;
};

/// An arc and a line. Equal widths: 10 for a valid arc and a vertical line. Lines wider: with
/// an outward line, 22 (lollipop) when the sweep exceeds 90 degrees, else 10. Arcs wider:
/// with a vertical or outward line, likewise 22 or 10. Anything else 0.
template <class T> class TESSAFORM_API qzArcLineSuite : public qzSphericalToolVisitor<T>
{
protected:
    unsigned GetEqualWidthsToolType() const override;
    unsigned GetWiderLinesToolType() const override;
    unsigned GetWiderArcsToolType() const override;
};

/// Line, arc, line with a vertical second line and a valid arc. Equal widths: 23 (bull nose)
/// when the sweep is within 0.001 of 90 degrees. Lines wider: 21 (taper mill) when the sweep
/// is below 90 degrees. Arcs wider: 0. The corner radius is the arc's radius.
template <class T> class TESSAFORM_API qzLineArcLineSuite : public qzSphericalToolVisitor<T>
{
public:
    T GetCornerRadius() const override;

protected:
    unsigned GetEqualWidthsToolType() const override;
    unsigned GetWiderLinesToolType() const override;
    unsigned GetWiderArcsToolType() const override;
    /// Two lines and one arc, the second line vertical, the arc valid.
    bool HasLineArcLineShape() const;
};

/// Two arcs and a line. Equal widths: 27 (convex tip) for a vertical line and two valid arcs.
/// Lines wider: the line-arc-line rule, which needs two lines, so 0. Arcs wider: 0. The tip
/// radius is the first arc's, the corner radius the second arc's.
template <class T> class TESSAFORM_API qzArcArcLineSuite : public qzLineArcLineSuite<T>
{
public:
    T GetTipRadius() const override;
    T GetCornerRadius() const override;

protected:
    unsigned GetEqualWidthsToolType() const override;
    unsigned GetWiderArcsToolType() const override;
};

/// Profiles of lines (and whatever follows two leading lines), tip first. GetToolType answers
/// by these rules, with horizontal, vertical and rising meaning within 0.001, every line of
/// positive length, consecutive lines meeting within 0.001 and the first starting on the axis:
///
/// | lines, in order                                       | value                      |
/// |-------------------------------------------------------|----------------------------|
/// | horizontal outward, vertical up                       | 10 flat end mill           |
/// | rising outward (a cone point), vertical up            | 2 spot drill when the      |
/// |                                                       | included point angle is    |
/// |                                                       | below 100 degrees, else 3  |
/// |                                                       | drill                      |
/// | horizontal outward, rising outward                    | 25 chamfer mill            |
/// | horizontal outward, rising outward, vertical up       | 6 reamer when the rising   |
/// |                                                       | line is a lead chamfer (its|
/// |                                                       | radial width at most a     |
/// |                                                       | tenth of the radius) and   |
/// |                                                       | the vertical line at least |
/// |                                                       | as long as the diameter,   |
/// |                                                       | else 25 chamfer mill       |
/// | horizontal outward, vertical up, horizontal outward,  | 8 counterbore (a pilot     |
/// | vertical up                                           | below a wider body)        |
/// | rising outward, vertical up, rising outward,          | 1 centre drill (a pilot    |
/// | vertical up                                           | below a wider body)        |
///
/// Any other profile, and any profile holding an arc, answers 0. A flat reamer cannot be told
/// from an end mill and reads as 10; taps cannot be told from their profile at all.
template <class T>
class TESSAFORM_API qzCylindroConicalToolVisitor : public qzCuttingPartToolProfileVisitor<T>
{
public:
    /// What the rules found; angles in degrees, lengths from the tip.
    struct Shape
    {
        /// The tool-type value of the matched rule; 0 when none matched.
        unsigned type = 0;
        /// Included angle of a drill point.
        double pointAngle = 0.0;
        /// Angle of a chamfer cone from the axis.
        double chamferAngle = 0.0;
        /// Diameter of the flat tip below a chamfer.
        double tipDiameter = 0.0;
        /// Diameter and length of the pilot of a counterbore or centre drill.
        ///@{
        double pilotDiameter = 0.0;
        double pilotLength = 0.0;
        ///@}
    };

    unsigned GetToolType() const override;
    /// The classification with the values the typed tools need.
    Shape GetShape() const;
};

/// Collects the lines and arcs of a non-cutting part (shank) and their union box, which stays
/// empty without elements; any other kind throws qzcadcamException 2193.
template <class T>
class TESSAFORM_API qzNoneCuttingPartToolProfileVisitor : public qz2dConstGeometryVisitor<T>
{
public:
    qzNoneCuttingPartToolProfileVisitor();
    /// Copies the box and the count.
    qzNoneCuttingPartToolProfileVisitor(const qzNoneCuttingPartToolProfileVisitor& other);
    ~qzNoneCuttingPartToolProfileVisitor() override;

    using qz2dConstGeometryVisitor<T>::Visit;
    void Visit(const qz2dCurve<T>&) const override;
    void Visit(const qz2dPolyLine<T>&) const override;
    void Visit(const qz2dClosedContour<T>&) const override;
    void Visit(const qz2dContour<T>&) const override;
    void Visit(const qz2dSpline<T>&) const override;
    void Visit(const qz2dEllipse<T>&) const override;
    void Visit(const qz2dParabola<T>&) const override;
    void Visit(const qz2dArc<T>& arc) const override;
    void Visit(const qz2dLine<T>& line) const override;
    void Visit(const qz2dPoint<T>&) const override;
    void Visit(const qz2dGeometry<T>&) const override;

    /// The union box of the visited lines and arcs; empty when there were none.
    const qz2dBoundingBox<T>& GetBoundingBox() const { return m_box; }
    /// Number of lines and arcs visited.
    std::size_t GetElementCount() const { return m_count; }

private:
    mutable qz2dBoundingBox<T> m_box;
    mutable std::size_t m_count = 0;
};

extern template class TESSAFORM_EXTERN_TEMPLATE qzCuttingPartToolProfileVisitor<double>;
extern template class TESSAFORM_EXTERN_TEMPLATE qzSphericalToolVisitor<double>;
extern template class TESSAFORM_EXTERN_TEMPLATE qzArcSuite<double>;
extern template class TESSAFORM_EXTERN_TEMPLATE qzArcLineSuite<double>;
extern template class TESSAFORM_EXTERN_TEMPLATE qzLineArcLineSuite<double>;
extern template class TESSAFORM_EXTERN_TEMPLATE qzArcArcLineSuite<double>;
extern template class TESSAFORM_EXTERN_TEMPLATE qzCylindroConicalToolVisitor<double>;
extern template class TESSAFORM_EXTERN_TEMPLATE qzNoneCuttingPartToolProfileVisitor<double>;
} // namespace cadcam
