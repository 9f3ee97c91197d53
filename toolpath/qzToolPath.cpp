#include "toolpath/qzToolPath.h"

#include "brimlib/qzException.h"

namespace cadcam
{
qzTPSVisitor::~qzTPSVisitor() = default;

qzTPSection::qzTPSection() = default;
qzTPSection::qzTPSection(const qzTPSection&) = default;
qzTPSection& qzTPSection::operator=(const qzTPSection&) = default;
qzTPSection::~qzTPSection() = default;

void qzTPSection::AcceptVisitor(qzTPSVisitor& visitor) const
{
    visitor.Visit(*this);
}

qzTPContour::qzTPContour() = default;
qzTPContour::~qzTPContour() = default;

void qzTPContour::AcceptVisitor(qzTPSVisitor& visitor) const
{
    visitor.Visit(*this);
}

qzTPLink::qzTPLink(Types type) : m_type(type) {}
qzTPLink::~qzTPLink() = default;

void qzTPLink::AcceptVisitor(qzTPSVisitor& visitor) const
{
    visitor.Visit(*this);
}

qzTPSlice::qzTPSlice() = default;
qzTPSlice::qzTPSlice(const qzTPSlice&) = default;
qzTPSlice& qzTPSlice::operator=(const qzTPSlice&) = default;
qzTPSlice::~qzTPSlice() = default;

void qzTPSlice::AssureSpace4Move()
{
    if (GetContainers().empty())
        GetContainers().push_back(misc::qzMakeAutoPointer<qzTPContour>());
}

qzTPPass::qzTPPass() = default;
qzTPPass::qzTPPass(const qzTPPass&) = default;
qzTPPass& qzTPPass::operator=(const qzTPPass&) = default;
qzTPPass::~qzTPPass() = default;

void qzTPPass::AssureSpace4Move()
{
    if (GetContainers().empty())
        GetContainers().push_back(misc::qzMakeAutoPointer<qzTPSlice>());
}

void qzToolPath::qzSectionInfoGetter::Visit(const qzTPLink& section)
{
    m_isLink = true;
    m_linkType = section.GetLinkType();
}

void qzToolPath::qzSectionInfoGetter::Visit(const qzTPContour&)
{
    m_isLink = false;
}

void qzToolPath::qzSectionInfoGetter::Visit(const qzTPSection&)
{
    throw qzcadcamException(qzcadcamException::UNKNOWN_SECTION_TYPE);
}

qzToolPath::qzToolPath(measures::qzUnitsFactory::Units units) : measures::qzMeasurable(units) {}

qzToolPath::qzToolPath(const qzToolPath& other) = default;

qzToolPath& qzToolPath::operator=(const qzToolPath& other)
{
    qzMovesAccessor::operator=(other);
    measures::qzMeasurable::operator=(other);
    return *this;
}

qzToolPath::~qzToolPath() = default;

void qzToolPath::PushBack(const misc::qzAutoPointer<qzTPPass>& pass)
{
    GetContainers().push_back(pass);
}

void qzToolPath::PushFront(const misc::qzAutoPointer<qzTPPass>& pass)
{
    GetContainers().push_front(pass);
}

qzToolPath::PassPosition qzToolPath::Insert(PassPosition& position, const misc::qzAutoPointer<qzTPPass>& pass)
{
    return GetContainers().insert(position, pass);
}

qzToolPath::PassPosition qzToolPath::ErasePasses(PassPosition first, PassPosition last)
{
    return GetContainers().erase(first, last);
}

void qzToolPath::Clear()
{
    GetContainers().clear();
}

void qzToolPath::AssureAtLeastOnePass()
{
    if (GetContainers().empty())
        GetContainers().push_back(misc::qzMakeAutoPointer<qzTPPass>());
}

void qzToolPath::PushBack(const misc::qzAutoPointer<qzTPSlice>& slice)
{
    AssureAtLeastOnePass();
    GetContainers().back()->PushBack(slice);
}

void qzToolPath::PushBack(const misc::qzAutoPointer<qzTPSection>& section)
{
    AssureAtLeastOnePass();
    qzTPPass& pass = *GetContainers().back();
    pass.AssureSpace4Move();
    pass.GetContainers().back()->PushBack(section);
}

bool qzToolPath::IsALink(const qzTPSection& section)
{
    qzSectionInfoGetter info;
    section.AcceptVisitor(info);
    return info.IsLink();
}

const qzTPSection& qzToolPath::GetMoveSection(const const_iterator& position) const
{
    // toolpath position > pass position > slice position > the section's list position.
    const auto& inPass = position.GetInner();
    if (!inPass)
        misc::detail::ThrowAccessingNullPointer();
    const auto& inSlice = inPass->GetInner();
    if (!inSlice)
        misc::detail::ThrowAccessingNullPointer();
    return **inSlice->GetContainerPosition();
}

bool qzToolPath::IsPartOfALink(const const_iterator& position) const
{
    return IsALink(GetMoveSection(position));
}

qzTPLink::Types qzToolPath::GetLinkType(const const_iterator& position) const
{
    qzSectionInfoGetter info;
    GetMoveSection(position).AcceptVisitor(info);
    if (!info.IsLink())
        throw qzcadcamException(qzcadcamException::NOT_A_LINK_SECTION);
    return info.GetLinkType();
}

bool qzToolPath::operator==(const qzToolPath& other) const
{
    return GetUnits() == other.GetUnits() && qzMovesAccessor::operator==(other);
}

void qzToolPath::Scale(measures::qzUnitsFactory::Units, const double& factor)
{
    qzCNCMoveScaleVisitor scale(factor);
    for (auto& move : *this)
        move->AcceptVisitor(scale);
}
} // namespace cadcam
