// Solid definitions of tool parts: revolved profiles, extruded contours and meshes.
#pragma once

#include "tessaform_export.h"
#include "brimlib/qzAutoPointer.h"
#include "brimlib/qzMeasurable.h"
#include "geometry/qz2dContour.h"
#include "geometry/qz3dPoint.h"
#include "mesh/qzTMesh.h"

#include <list>

namespace cadcam
{
template <class T> class qzSolidDefinition;
template <class T> class qzRevolvedSolidDefinition;
template <class T> class qzExtrudedSolidDefinition;
template <class T> class qzMeshSolidDefinition;

/// Visit of a solid definition by its kind.
template <class T> class qzSolidDefinitionVisitorGetter
{
public:
    virtual ~qzSolidDefinitionVisitorGetter() = default;
    /// \name Visits, one per kind
    ///@{

    /// Called back with the object by its own accept call, so the visitor acts on the object's
    /// exact kind.
    virtual void Visit(const qzMeshSolidDefinition<T>& solid) = 0;
    virtual void Visit(const qzExtrudedSolidDefinition<T>& solid) = 0;
    virtual void Visit(const qzRevolvedSolidDefinition<T>& solid) = 0;
    /// A definition of no more specific kind.
    virtual void Visit(const qzSolidDefinition<T>& solid) = 0;
    ///@}
};

/// A solid in given units; T is the coordinate type (float or double).
template <class T> class TESSAFORM_API qzSolidDefinition : public measures::qzMeasurable
{
public:
    /// A solid of no specific kind in `units`.
    explicit qzSolidDefinition(measures::qzUnitsFactory::Units units = measures::qzUnitsFactory::METRIC);
    ~qzSolidDefinition() override;
    /// Calls the visitor's Visit overload for this solid's kind.
    virtual void AcceptVisitor(qzSolidDefinitionVisitorGetter<T>& visitor) const;
};

/// A half-profile (x = radius, y = height) turned about the tool axis.
template <class T> class TESSAFORM_API qzRevolvedSolidDefinition : public qzSolidDefinition<T>
{
public:
    /// A revolved solid in `units` with `profile`, shared with the caller (may be empty).
    explicit qzRevolvedSolidDefinition(measures::qzUnitsFactory::Units units = measures::qzUnitsFactory::METRIC,
                                       misc::qzAutoPointer<qz2dContour<T>> profile = nullptr);
    ~qzRevolvedSolidDefinition() override;
    /// Calls the visitor's Visit overload for this solid's kind.
    void AcceptVisitor(qzSolidDefinitionVisitorGetter<T>& visitor) const override;

    /// The half-profile, shared; empty when none was given.
    ///@{
    const misc::qzAutoPointer<qz2dContour<T>>& GetProfile() const { return m_profile; }
    void SetProfile(misc::qzAutoPointer<qz2dContour<T>> profile) { m_profile = std::move(profile); }
    ///@}

private:
    misc::qzAutoPointer<qz2dContour<T>> m_profile;
};

/// Planar closed contours in the sketch plane and the height of that plane.
template <class T> class TESSAFORM_API qzExtrusionBase
{
public:
    /// The contours, shared with whoever else holds them.
    using ContourList = std::list<misc::qzAutoPointer<qz2dContour<T>>>;

    qzExtrusionBase() = default;
    /// A base of the single `contour` at `baseHeight`.
    explicit qzExtrusionBase(misc::qzAutoPointer<qz2dContour<T>> contour, T baseHeight = T(0));

    /// The contours, in the order added.
    const ContourList& GetContours() const { return m_contours; }
    /// Appends `contour`, shared with the caller; it is stored as given, unchecked.
    void AddContour(misc::qzAutoPointer<qz2dContour<T>> contour) { m_contours.push_back(std::move(contour)); }
    /// Height of the sketch plane (0 by default).
    ///@{
    T GetBaseHeight() const { return m_baseHeight; }
    void SetBaseHeight(T height) { m_baseHeight = height; }
    ///@}

private:
    ContourList m_contours;
    T m_baseHeight = T(0);
};

/// Contours swept along a vector: its z is the height, its x and y shift the top contour.
template <class T> class TESSAFORM_API qzExtrudedSolidDefinition : public qzSolidDefinition<T>
{
public:
    /// An extruded solid in `units`, with an empty base and a zero vector unless given.
    ///@{
    explicit qzExtrudedSolidDefinition(measures::qzUnitsFactory::Units units = measures::qzUnitsFactory::METRIC);
    qzExtrudedSolidDefinition(measures::qzUnitsFactory::Units units, const qzExtrusionBase<T>& base,
                              const qz3dPoint<T>& extrusion);
    ///@}
    ~qzExtrudedSolidDefinition() override;
    /// Calls the visitor's Visit overload for this solid's kind.
    void AcceptVisitor(qzSolidDefinitionVisitorGetter<T>& visitor) const override;

    /// The base contours and their height; copies share the contours.
    ///@{
    const qzExtrusionBase<T>& GetExtrusionBase() const { return m_base; }
    void SetExtrusionBase(const qzExtrusionBase<T>& base) { m_base = base; }
    ///@}
    /// A base of this single contour at height 0.
    void SetExtrusionBase(misc::qzAutoPointer<qz2dContour<T>> contour) { m_base = qzExtrusionBase<T>(contour); }
    /// The extrusion vector: z is the height, x and y shift the top contour.
    ///@{
    const qz3dPoint<T>& GetExtrusionVector() const { return m_extrusion; }
    void SetExtrusionVector(const qz3dPoint<T>& extrusion) { m_extrusion = extrusion; }
    ///@}

private:
    qzExtrusionBase<T> m_base;
    qz3dPoint<T> m_extrusion;
};

/// A solid given by its triangle mesh.
template <class T> class TESSAFORM_API qzMeshSolidDefinition : public qzSolidDefinition<T>
{
public:
    /// A mesh solid in `units` with `mesh`, shared with the caller (may be empty).
    explicit qzMeshSolidDefinition(measures::qzUnitsFactory::Units units = measures::qzUnitsFactory::METRIC,
                                   misc::qzAutoPointer<qzTMesh<T>> mesh = nullptr);
    ~qzMeshSolidDefinition() override;
    /// Calls the visitor's Visit overload for this solid's kind.
    void AcceptVisitor(qzSolidDefinitionVisitorGetter<T>& visitor) const override;

    /// The mesh, shared; empty when none was given.
    ///@{
    const misc::qzAutoPointer<qzTMesh<T>>& GetMesh() const { return m_mesh; }
    void SetMesh(misc::qzAutoPointer<qzTMesh<T>> mesh) { m_mesh = std::move(mesh); }
    ///@}

private:
    misc::qzAutoPointer<qzTMesh<T>> m_mesh;
};

extern template class TESSAFORM_EXTERN_TEMPLATE qzSolidDefinition<float>;
extern template class TESSAFORM_EXTERN_TEMPLATE qzSolidDefinition<double>;
extern template class TESSAFORM_EXTERN_TEMPLATE qzRevolvedSolidDefinition<float>;
extern template class TESSAFORM_EXTERN_TEMPLATE qzRevolvedSolidDefinition<double>;
extern template class TESSAFORM_EXTERN_TEMPLATE qzExtrusionBase<float>;
extern template class TESSAFORM_EXTERN_TEMPLATE qzExtrusionBase<double>;
extern template class TESSAFORM_EXTERN_TEMPLATE qzExtrudedSolidDefinition<float>;
extern template class TESSAFORM_EXTERN_TEMPLATE qzExtrudedSolidDefinition<double>;
extern template class TESSAFORM_EXTERN_TEMPLATE qzMeshSolidDefinition<float>;
extern template class TESSAFORM_EXTERN_TEMPLATE qzMeshSolidDefinition<double>;
} // namespace cadcam
