// Root of the 3D objects (geometry and meshes) and the visitors over them.
#pragma once

#include "brimlib/qzAutoPointer.h"
#include "geometry/qz3dBoundingBox.h"

namespace cadcam
{
template <class T> class qz3dObject;
template <class T> class qz3dGeometry;
template <class T> class qzTMesh;
template <class T> class qz3dPoint;
template <class T> class qz3dLine;
template <class T> class qz3dArc;
template <class T> class qz3dCurve;
template <class T> class qz3dSpline;
template <class T> class qz3dContour;
template <class T> class qz3dClosedContour;
template <class T> class qz3dPolyLine;

/// Double dispatch over the 3D object families: geometry elements and triangle meshes.
template <class T> class qz3dObjectVisitor
{
public:
    /// \name Visits, one per kind
    ///@{

    /// Called back with the object by its own accept call, so the visitor acts on the object's
    /// exact kind.
    virtual void Visit(const qz3dGeometry<T>&) const = 0;
    virtual void Visit(qz3dGeometry<T>&) = 0;
    virtual void Visit(const qzTMesh<T>&) const = 0;
    virtual void Visit(qzTMesh<T>&) = 0;
    ///@}
    virtual ~qz3dObjectVisitor() = default;
};

/// One const and one mutable Visit per 3D element kind.
template <class T> class qz3dGeometryVisitor
{
public:
    /// \name Visits, one per kind
    ///@{

    /// Called back with the object by its own accept call, so the visitor acts on the object's
    /// exact kind.
    virtual void Visit(const qz3dPolyLine<T>&) const = 0;
    virtual void Visit(qz3dPolyLine<T>&) = 0;
    virtual void Visit(const qz3dClosedContour<T>&) const = 0;
    virtual void Visit(qz3dClosedContour<T>&) = 0;
    virtual void Visit(const qz3dContour<T>&) const = 0;
    virtual void Visit(qz3dContour<T>&) = 0;
    virtual void Visit(const qz3dSpline<T>&) const = 0;
    virtual void Visit(qz3dSpline<T>&) = 0;
    virtual void Visit(const qz3dCurve<T>&) const = 0;
    virtual void Visit(qz3dCurve<T>&) = 0;
    virtual void Visit(const qz3dArc<T>&) const = 0;
    virtual void Visit(qz3dArc<T>&) = 0;
    virtual void Visit(const qz3dLine<T>&) const = 0;
    virtual void Visit(qz3dLine<T>&) = 0;
    virtual void Visit(const qz3dPoint<T>&) const = 0;
    virtual void Visit(qz3dPoint<T>&) = 0;
    virtual void Visit(const qz3dGeometry<T>&) const = 0;
    virtual void Visit(qz3dGeometry<T>&) = 0;
    ///@}
    virtual ~qz3dGeometryVisitor() = default;
};

/// A 3D visitor whose mutable Visits forward to the const ones.
template <class T> class qz3dConstGeometryVisitor : public qz3dGeometryVisitor<T>
{
public:
    using qz3dGeometryVisitor<T>::Visit;
    void Visit(qz3dPolyLine<T>& e) override { Forward(e); }
    void Visit(qz3dClosedContour<T>& e) override { Forward(e); }
    void Visit(qz3dContour<T>& e) override { Forward(e); }
    void Visit(qz3dSpline<T>& e) override { Forward(e); }
    void Visit(qz3dCurve<T>& e) override { Forward(e); }
    void Visit(qz3dArc<T>& e) override { Forward(e); }
    void Visit(qz3dLine<T>& e) override { Forward(e); }
    void Visit(qz3dPoint<T>& e) override { Forward(e); }
    void Visit(qz3dGeometry<T>& e) override { Forward(e); }

private:
    template <class E> void Forward(E& e) const { this->Visit(static_cast<const E&>(e)); }
};

/// Anything with a place in 3D space and a bounding box.
template <class T> class TESSAFORM_API qz3dObject
{
public:
    /// An empty box.
    qz3dObject();
    /// Copies the box.
    ///@{
    qz3dObject(const qz3dObject& other);
    qz3dObject& operator=(const qz3dObject& other);
    ///@}

    /// Calls the visitor's Visit for the object's family (geometry or mesh), const or
    /// mutable as the object.
    ///@{
    virtual void AcceptVisitor(const qz3dObjectVisitor<T>& visitor) const = 0;
    virtual void AcceptVisitor(qz3dObjectVisitor<T>& visitor) = 0;
    ///@}
    /// The box, recomputed first where the class computes it on demand.
    virtual const qz3dBoundingBox<T>& GetBoundingBox() const;
    virtual ~qz3dObject();

protected:
    /// The box, for classes that keep it.
    qz3dBoundingBox<T>& Box() const { return m_box; }

private:
    void Copy(const qz3dObject& other);

    mutable qz3dBoundingBox<T> m_box;
};

/// A 3D element: point, line, arc, curve, spline, contour or polyline.
template <class T> class TESSAFORM_API qz3dGeometry : public qz3dObject<T>
{
public:
    qz3dGeometry();
    /// Copies the box.
    ///@{
    qz3dGeometry(const qz3dGeometry& other);
    qz3dGeometry& operator=(const qz3dGeometry& other);
    ///@}
    ~qz3dGeometry() override;

    /// Visits as a qz3dGeometry.
    ///@{
    void AcceptVisitor(const qz3dObjectVisitor<T>& visitor) const override;
    void AcceptVisitor(qz3dObjectVisitor<T>& visitor) override;
    ///@}
    /// Calls the visitor's Visit for the element's own kind.
    ///@{
    virtual void AcceptVisitor(const qz3dGeometryVisitor<T>& visitor) const;
    virtual void AcceptVisitor(qz3dGeometryVisitor<T>& visitor);
    ///@}
    /// Empty for an empty contour.
    virtual misc::qzAutoPointer<qz3dPoint<T>> GetStartPoint() const = 0;
    /// The end point (shared or a fresh copy, by kind); empty for an empty contour.
    virtual misc::qzAutoPointer<qz3dPoint<T>> GetEndPoint() const = 0;
    /// True for a single curve element, false for a point, computed for contours.
    virtual bool IsContinuous(const T& tolerance) const = 0;
    /// Length along the element, never negative; 0 for a point.
    virtual T GetLength() const = 0;
    /// Reverses the direction of travel in place.
    virtual void Reverse() = 0;
};

extern template class TESSAFORM_EXTERN_TEMPLATE qz3dObject<float>;
extern template class TESSAFORM_EXTERN_TEMPLATE qz3dObject<double>;
extern template class TESSAFORM_EXTERN_TEMPLATE qz3dGeometry<float>;
extern template class TESSAFORM_EXTERN_TEMPLATE qz3dGeometry<double>;
} // namespace cadcam
