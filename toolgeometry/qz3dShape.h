// Closed 3D bodies (shapes) beside the 3D geometry elements, their visitor and a list of them.
#pragma once

#include "tessaform_export.h"
#include "brimlib/qzAutoPointer.h"
#include "geometry/qz3dObject.h"

#include <cstddef>
#include <vector>

namespace cadcam
{
template <class T> class qz3dShape;
template <class T> class qzTruncatedCone;

/// One const and one mutable Visit per shape kind; the last pair takes the abstract shape.
template <class T> class qz3dShapeVisitor
{
public:
    /// \name Visits, one per kind
    ///@{

    /// Called back with the object by its own accept call, so the visitor acts on the object's
    /// exact kind.
    virtual void Visit(const qzTruncatedCone<T>&) const = 0;
    virtual void Visit(qzTruncatedCone<T>&) = 0;
    virtual void Visit(const qz3dShape<T>&) const = 0;
    virtual void Visit(qz3dShape<T>&) = 0;
    ///@}
    virtual ~qz3dShapeVisitor() = default;
};

/// A closed body with a volume and a surface area.
template <class T> class TESSAFORM_API qz3dShape : public qz3dObject<T>
{
public:
    qz3dShape();
    /// Copies the bounding box.
    ///@{
    qz3dShape(const qz3dShape& other);
    qz3dShape& operator=(const qz3dShape& other);
    ///@}
    ~qz3dShape() override;

    /// Object visitors have no slot for shapes: misc::qzException "Unable to visit a 3d shape
    /// with an object visitor".
    ///@{
    void AcceptVisitor(const qz3dObjectVisitor<T>& visitor) const override;
    void AcceptVisitor(qz3dObjectVisitor<T>& visitor) override;
    ///@}
    /// Calls the visitor's Visit for the shape's own kind.
    ///@{
    virtual void AcceptVisitor(const qz3dShapeVisitor<T>& visitor) const = 0;
    virtual void AcceptVisitor(qz3dShapeVisitor<T>& visitor) = 0;
    ///@}
    /// Always true: every shape encloses a volume.
    virtual bool IsSolid() const;
    /// Volume enclosed, in the cube of the length unit.
    virtual T GetVolume() const = 0;
    /// Area of the surfaces the shape is built with.
    virtual T GetArea() const = 0;
    /// Recomputes the bounding box from the shape's values.
    virtual void RecalculateBoundingBox() = 0;
};

/// The caller's container of shapes, kept in the order they were added.
template <class T> class TESSAFORM_API qz3dShapeList
{
public:
    /// A shape of the list, shared with whoever added it.
    using ShapePtr = misc::qzAutoPointer<qz3dShape<T>>;
    /// Walks the shapes in the order they were added.
    using const_iterator = typename std::vector<ShapePtr>::const_iterator;

    qz3dShapeList();
    /// Shares the other list's shapes: the pointers are copied, not the shapes.
    ///@{
    qz3dShapeList(const qz3dShapeList& other);
    qz3dShapeList& operator=(const qz3dShapeList& other);
    ///@}

    /// Appends a shape (shared, not copied); "Accessing NULL pointer" for an empty one.
    virtual void Add(ShapePtr shape);
    virtual ~qz3dShapeList();

    /// Number of shapes held.
    std::size_t GetSize() const { return m_shapes.size(); }
    /// The shape at `index`, which must be below GetSize() (not checked).
    const ShapePtr& operator[](std::size_t index) const { return m_shapes[index]; }
    /// The shapes in the order they were added.
    ///@{
    const_iterator begin() const { return m_shapes.begin(); }
    const_iterator end() const { return m_shapes.end(); }
    ///@}
    /// Sum of the shapes' volumes.
    T GetVolume() const;

private:
    std::vector<ShapePtr> m_shapes;
};

extern template class TESSAFORM_EXTERN_TEMPLATE qz3dShape<float>;
extern template class TESSAFORM_EXTERN_TEMPLATE qz3dShape<double>;
extern template class TESSAFORM_EXTERN_TEMPLATE qz3dShapeList<float>;
extern template class TESSAFORM_EXTERN_TEMPLATE qz3dShapeList<double>;
} // namespace cadcam
