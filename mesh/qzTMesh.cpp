#include "mesh/qzTMesh.h"

namespace cadcam
{
template <class T> qzTMesh<T>::qzTMesh(const Units& units) : Base(units) {}

template <class T>
qzTMesh<T>::qzTMesh(const std::vector<qzTPoint3d<T>>& points, const std::vector<qzTTriangle>& triangles,
                    const Units& units)
    : Base(points, triangles, units)
{
}

template <class T>
qzTMesh<T>::qzTMesh(misc::qzAutoPointer<std::vector<qzTPoint3d<T>>> points,
                    misc::qzAutoPointer<std::vector<qzTTriangle>> triangles, const Units& units)
    : Base(std::move(points), std::move(triangles), units)
{
}

template <class T> qzTMesh<T>::qzTMesh(const Base& mesh) : Base(mesh) {}

template <class T> qzTMesh<T>::qzTMesh(const qzTMesh& other) : Base(other), qz3dObject<T>(other) {}

template <class T> qzTMesh<T>::~qzTMesh() = default;

template <class T> qzTMesh<T>& qzTMesh<T>::operator=(const qzTMesh& other)
{
    if (this != &other)
    {
        this->Box() = other.Box();
        this->SetMesh(other);
    }
    return *this;
}

template <class T> qzTMesh<T>& qzTMesh<T>::operator=(const Base& mesh)
{
    if (static_cast<const Base*>(this) != &mesh)
        this->SetMesh(mesh);
    return *this;
}

template <class T> void qzTMesh<T>::AcceptVisitor(const qz3dObjectVisitor<T>& visitor) const
{
    visitor.Visit(*this);
}

template <class T> void qzTMesh<T>::AcceptVisitor(qz3dObjectVisitor<T>& visitor)
{
    visitor.Visit(*this);
}

template <class T> const qz3dBoundingBox<T>& qzTMesh<T>::GetBoundingBox() const
{
    qz3dBoundingBox<T>& box = this->Box();
    if (box.IsEmpty() || box.GetMax() == box.GetMin())
    {
        qz3dBoundingBox<T> fresh;
        const auto& points = this->GetPoints();
        for (const qzTTriangle& triangle : this->GetTriangles())
            for (std::uint32_t v : triangle.vertices)
                fresh.Extend(points.at(v));
        box = fresh;
    }
    return box;
}

template <class T> void qzTMesh<T>::SetBoundingBox(const qz3dBoundingBox<T>& box)
{
    this->Box() = box;
}

template class qzTMesh<float>;
template class qzTMesh<double>;
} // namespace cadcam
