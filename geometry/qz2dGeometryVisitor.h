// Double dispatch over the 2D element kinds.
#pragma once

#include "tessaform_export.h"

namespace cadcam
{
template <class T> class qz2dGeometry;
template <class T> class qz2dPoint;
template <class T> class qz2dLine;
template <class T> class qz2dArc;
template <class T> class qz2dParabola;
template <class T> class qz2dEllipse;
template <class T> class qz2dSpline;
template <class T> class qz2dContour;
template <class T> class qz2dClosedContour;
template <class T> class qz2dPolyLine;
template <class T> class qz2dCurve;

/// One const and one mutable Visit per element kind; an element's AcceptVisitor calls the
/// pair of its own kind. A visitor without a meaningful action for a kind throws from it.
template <class T> class qz2dGeometryVisitor
{
public:
    /// \name Visits, one per kind
    ///@{

    /// Called back with the object by its own accept call, so the visitor acts on the object's
    /// exact kind; a kind without a meaningful action throws.
    virtual void Visit(const qz2dCurve<T>&) const = 0;
    virtual void Visit(qz2dCurve<T>&) = 0;
    virtual void Visit(const qz2dPolyLine<T>&) const = 0;
    virtual void Visit(qz2dPolyLine<T>&) = 0;
    virtual void Visit(const qz2dClosedContour<T>&) const = 0;
    virtual void Visit(qz2dClosedContour<T>&) = 0;
    virtual void Visit(const qz2dContour<T>&) const = 0;
    virtual void Visit(qz2dContour<T>&) = 0;
    virtual void Visit(const qz2dSpline<T>&) const = 0;
    virtual void Visit(qz2dSpline<T>&) = 0;
    virtual void Visit(const qz2dEllipse<T>&) const = 0;
    virtual void Visit(qz2dEllipse<T>&) = 0;
    virtual void Visit(const qz2dParabola<T>&) const = 0;
    virtual void Visit(qz2dParabola<T>&) = 0;
    virtual void Visit(const qz2dArc<T>&) const = 0;
    virtual void Visit(qz2dArc<T>&) = 0;
    virtual void Visit(const qz2dLine<T>&) const = 0;
    virtual void Visit(qz2dLine<T>&) = 0;
    virtual void Visit(const qz2dPoint<T>&) const = 0;
    virtual void Visit(qz2dPoint<T>&) = 0;
    virtual void Visit(const qz2dGeometry<T>&) const = 0;
    virtual void Visit(qz2dGeometry<T>&) = 0;
    ///@}

    virtual ~qz2dGeometryVisitor() = default;
};

/// A visitor that treats every element the same whether it is visited as const or not: each
/// mutable Visit forwards to the const one, so a derived visitor writes each kind once.
template <class T> class qz2dConstGeometryVisitor : public qz2dGeometryVisitor<T>
{
public:
    using qz2dGeometryVisitor<T>::Visit;
    void Visit(qz2dCurve<T>& e) override { Forward(e); }
    void Visit(qz2dPolyLine<T>& e) override { Forward(e); }
    void Visit(qz2dClosedContour<T>& e) override { Forward(e); }
    void Visit(qz2dContour<T>& e) override { Forward(e); }
    void Visit(qz2dSpline<T>& e) override { Forward(e); }
    void Visit(qz2dEllipse<T>& e) override { Forward(e); }
    void Visit(qz2dParabola<T>& e) override { Forward(e); }
    void Visit(qz2dArc<T>& e) override { Forward(e); }
    void Visit(qz2dLine<T>& e) override { Forward(e); }
    void Visit(qz2dPoint<T>& e) override { Forward(e); }
    void Visit(qz2dGeometry<T>& e) override { Forward(e); }

private:
    template <class E> void Forward(E& e) const { this->Visit(static_cast<const E&>(e)); }
};
} // namespace cadcam
