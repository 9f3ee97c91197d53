// Triangle mesh as a 3D object of the geometry kernel.
#pragma once

#include "geometry/qz3dObject.h"
#include "mesh/qzContainerMesh.h"

namespace cadcam
{
/// The indexed mesh with a cached bounding box and visitor dispatch.
///
/// Caching contract: the box is computed on the first GetBoundingBox (or whenever the cache
/// holds the empty box or a box without extent) and then kept. Changing the mesh does not
/// refresh it; SetBoundingBox overwrites it.
template <class T>
class TESSAFORM_API qzTMesh : public qzContainerMesh<T, qzTPoint3d<T>, qzTPoint3d<T>>, public qz3dObject<T>
{
public:
    /// The indexed mesh this object extends.
    using Base = qzContainerMesh<T, qzTPoint3d<T>, qzTPoint3d<T>>;
    using typename Base::qzTTriangle;
    using typename Base::Units;

    /// An empty mesh in the given units.
    explicit qzTMesh(const Units& units);
    /// Copies both lists unchanged (no welding).
    qzTMesh(const std::vector<qzTPoint3d<T>>& points, const std::vector<qzTTriangle>& triangles, const Units& units);
    /// Shares the given lists.
    qzTMesh(misc::qzAutoPointer<std::vector<qzTPoint3d<T>>> points,
            misc::qzAutoPointer<std::vector<qzTTriangle>> triangles, const Units& units);
    /// Copies the mesh; the cached box starts empty.
    explicit qzTMesh(const Base& mesh);
    /// Copies the mesh and its cached box.
    qzTMesh(const qzTMesh& other);
    ~qzTMesh() override;

    /// Copies the cached box, then the mesh.
    qzTMesh& operator=(const qzTMesh& other);
    /// Copies the mesh; the cached box stays as it was.
    qzTMesh& operator=(const Base& mesh);

    /// Calls the visitor's Visit for a mesh.
    ///@{
    void AcceptVisitor(const qz3dObjectVisitor<T>& visitor) const override;
    void AcceptVisitor(qz3dObjectVisitor<T>& visitor) override;
    ///@}
    /// The cached box (see the caching contract above); the box of the triangles' corners when
    /// computed, the empty box for a mesh without triangles.
    const qz3dBoundingBox<T>& GetBoundingBox() const override;
    /// Overwrites the cached box; it is kept unless it is empty or has no extent.
    void SetBoundingBox(const qz3dBoundingBox<T>& box);
};

extern template class TESSAFORM_EXTERN_TEMPLATE qzTMesh<float>;
extern template class TESSAFORM_EXTERN_TEMPLATE qzTMesh<double>;
} // namespace cadcam
