// Recognition of generic tool profiles: the element-kind collector, the contour visitor that
// feeds it, and the process-wide registry of kind patterns and their creators.
#pragma once

#include "tessaform_export.h"
#include "brimlib/qzAutoPointer.h"
#include "geometry/qz2dContour.h"
#include "toolgeometry/qzToolCreator.h"

#include <map>
#include <vector>

namespace cadcam
{
/// Collects a cutting profile for recognition: the kind of every element and a copy of it.
template <class T> class TESSAFORM_API qzToolFactoryCreator
{
public:
    /// Kind codes of the profile elements.
    enum ElementKind : int
    {
        LINE = 0,
        ARC = 1
    };
    /// ElementKind codes in profile order.
    using Kinds = std::vector<int>;

    qzToolFactoryCreator();
    virtual ~qzToolFactoryCreator();

    /// Appends the kind and adds the element to the collected profile.
    void Add(misc::qzAutoPointer<qz2dGeometry<T>> element, ElementKind kind);
    /// The kinds added so far, in order.
    const Kinds& GetKinds() const { return m_kinds; }
    /// The elements added so far, as one contour.
    const qz2dContour<T>& GetProfile() const { return m_profile; }

private:
    Kinds m_kinds;
    qz2dContour<T> m_profile;
};

/// Hands copies of visited lines and arcs, with their kind, to a factory creator; any other
/// kind throws qzcadcamException 2193.
template <class T> class TESSAFORM_API qz2dContourToolVisitor : public qz2dConstGeometryVisitor<T>
{
public:
    /// "Accessing NULL pointer" for an empty creator.
    explicit qz2dContourToolVisitor(misc::qzAutoPointer<qzToolFactoryCreator<T>> creator);
    ~qz2dContourToolVisitor() override;

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

    /// The creator that receives the elements (shared with the caller).
    const misc::qzAutoPointer<qzToolFactoryCreator<T>>& GetCreator() const { return m_creator; }

private:
    misc::qzAutoPointer<qzToolFactoryCreator<T>> m_creator;
};

/// The registry of kind patterns: (arc), (arc, line) and (line, arc, line) go to the spherical
/// creator, (line, line) to the cylindro-conical one.
///
/// One instance per process, made on first use (a function-local static, so two threads may
/// take it for the first time at once) and kept until the library unloads. It never changes
/// after construction and lookups hand out references without touching any count, so any
/// number of threads may look up and create tools at the same time.
template <class T> class TESSAFORM_API qzToolFactory
{
public:
    /// Element kinds in profile order: 0 a line, 1 an arc.
    using Kinds = typename qzToolCreator<T>::Kinds;

    virtual ~qzToolFactory();

    /// The process-wide factory.
    static const qzToolFactory& GetInstance();

    /// The creator of the longest leading run of `kinds` that is a registered pattern:
    /// the sequence is compared whole, then without its last kind, and so on.
    /// qzcadcamException 2194 when it runs empty without a match.
    const qzToolCreator<T>& GetCreator(const Kinds& kinds) const;
    /// Number of registered patterns.
    std::size_t GetRegistrySize() const { return m_registry.size(); }

private:
    qzToolFactory();
    qzToolFactory(const qzToolFactory&) = delete;
    qzToolFactory& operator=(const qzToolFactory&) = delete;

    std::map<Kinds, misc::qzAutoPointer<qzToolCreator<T>>> m_registry;
    misc::qzAutoPointer<qzToolCreator<T>> m_spherical;
    misc::qzAutoPointer<qzToolCreator<T>> m_cylindroConical;
};

extern template class TESSAFORM_EXTERN_TEMPLATE qzToolFactoryCreator<double>;
extern template class TESSAFORM_EXTERN_TEMPLATE qz2dContourToolVisitor<double>;
extern template class TESSAFORM_EXTERN_TEMPLATE qzToolFactory<double>;
} // namespace cadcam
