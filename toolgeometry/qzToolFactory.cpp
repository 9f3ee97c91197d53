#include "toolgeometry/qzToolFactory.h"

#include "brimlib/qzException.h"

#include <iterator>

namespace cadcam
{
namespace
{
[[noreturn]] void ThrowUnsupported()
{
    throw qzcadcamException(qzcadcamException::UNSUPPORTED_PROFILE_ELEMENT);
}
} // namespace

template <class T> qzToolFactoryCreator<T>::qzToolFactoryCreator() = default;
template <class T> qzToolFactoryCreator<T>::~qzToolFactoryCreator() = default;

template <class T>
void qzToolFactoryCreator<T>::Add(misc::qzAutoPointer<qz2dGeometry<T>> element, ElementKind kind)
{
    m_kinds.push_back(kind);
    m_profile.AddGeometry(std::move(element));
}

template <class T>
qz2dContourToolVisitor<T>::qz2dContourToolVisitor(misc::qzAutoPointer<qzToolFactoryCreator<T>> creator)
    : m_creator(std::move(creator))
{
    if (!m_creator)
        misc::detail::ThrowAccessingNullPointer();
}

template <class T> qz2dContourToolVisitor<T>::~qz2dContourToolVisitor() = default;

template <class T> void qz2dContourToolVisitor<T>::Visit(const qz2dCurve<T>&) const
{
    ThrowUnsupported();
}
template <class T> void qz2dContourToolVisitor<T>::Visit(const qz2dPolyLine<T>&) const
{
    ThrowUnsupported();
}
template <class T> void qz2dContourToolVisitor<T>::Visit(const qz2dClosedContour<T>&) const
{
    ThrowUnsupported();
}
template <class T> void qz2dContourToolVisitor<T>::Visit(const qz2dContour<T>&) const
{
    ThrowUnsupported();
}
template <class T> void qz2dContourToolVisitor<T>::Visit(const qz2dSpline<T>&) const
{
    ThrowUnsupported();
}
template <class T> void qz2dContourToolVisitor<T>::Visit(const qz2dEllipse<T>&) const
{
    ThrowUnsupported();
}
template <class T> void qz2dContourToolVisitor<T>::Visit(const qz2dParabola<T>&) const
{
    ThrowUnsupported();
}
template <class T> void qz2dContourToolVisitor<T>::Visit(const qz2dPoint<T>&) const
{
    ThrowUnsupported();
}
template <class T> void qz2dContourToolVisitor<T>::Visit(const qz2dGeometry<T>&) const
{
    ThrowUnsupported();
}

template <class T> void qz2dContourToolVisitor<T>::Visit(const qz2dArc<T>& arc) const
{
    m_creator->Add(misc::qzAutoPointer<qz2dGeometry<T>>(new qz2dArc<T>(arc)), qzToolFactoryCreator<T>::ARC);
}

template <class T> void qz2dContourToolVisitor<T>::Visit(const qz2dLine<T>& line) const
{
    m_creator->Add(misc::qzAutoPointer<qz2dGeometry<T>>(new qz2dLine<T>(line)),
                   qzToolFactoryCreator<T>::LINE);
}

template <class T>
qzToolFactory<T>::qzToolFactory()
    : m_spherical(new qzSphericalToolCreator<T>()), m_cylindroConical(new qzCylindroConicalToolCreator<T>())
{
    const int line = qzToolFactoryCreator<T>::LINE, arc = qzToolFactoryCreator<T>::ARC;
    m_registry[Kinds{arc, line}] = m_spherical;
    m_registry[Kinds{arc}] = m_spherical;
    m_registry[Kinds{line, arc, line}] = m_spherical;
    m_registry[Kinds{line, line}] = m_cylindroConical;
}

template <class T> qzToolFactory<T>::~qzToolFactory() = default;

template <class T> const qzToolFactory<T>& qzToolFactory<T>::GetInstance()
{
    static const qzToolFactory instance;
    return instance;
}

template <class T> const qzToolCreator<T>& qzToolFactory<T>::GetCreator(const Kinds& kinds) const
{
    for (auto end = kinds.end(); end != kinds.begin(); --end)
    {
        const auto found = m_registry.find(Kinds(kinds.begin(), end));
        if (found != m_registry.end())
            return *found->second;
    }
    throw qzcadcamException(qzcadcamException::TOOL_PROFILE_NOT_RECOGNIZED);
}

template class qzToolFactoryCreator<double>;
template class qz2dContourToolVisitor<double>;
template class qzToolFactory<double>;
} // namespace cadcam
