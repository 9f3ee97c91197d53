#include "brimlib/qzCNCMove.h"

namespace cadcam
{
qzCNCMoveVisitor::~qzCNCMoveVisitor() = default;
qzCNCMoveVisitorSetter::~qzCNCMoveVisitorSetter() = default;

qzCNCMove::qzCNCMove() : m_orientation(0.0, 0.0, 1.0) {}

qzCNCMove::qzCNCMove(const Point& position, const Point& orientation)
    : m_position(position), m_orientation(orientation)
{
}

qzCNCMove::~qzCNCMove() = default;

void qzCNCMove::AcceptVisitor(qzCNCMoveVisitor& visitor) const
{
    visitor.Visit(*this);
}

void qzCNCMove::AcceptVisitor(qzCNCMoveVisitorSetter& visitor)
{
    visitor.Visit(*this);
}

bool qzCNCMove::operator==(const qzCNCMove& other) const
{
    return GetPosition() == other.GetPosition() && GetOrientation() == other.GetOrientation() &&
           m_feedRate == other.m_feedRate && m_rapid == other.m_rapid &&
           m_collisionState == other.m_collisionState && m_parameterization == other.m_parameterization;
}

void qz3axMove::AcceptVisitor(qzCNCMoveVisitor& visitor) const
{
    visitor.Visit(*this);
}

void qz3axMove::AcceptVisitor(qzCNCMoveVisitorSetter& visitor)
{
    visitor.Visit(*this);
}

void qz5axMove::AcceptVisitor(qzCNCMoveVisitor& visitor) const
{
    visitor.Visit(*this);
}

void qz5axMove::AcceptVisitor(qzCNCMoveVisitorSetter& visitor)
{
    visitor.Visit(*this);
}

void qz5axMove::ClearPotentialSurfaceData()
{
    m_surfaceCP = Point();
    m_surfaceCPOrient = Point();
    m_surfaceID = 0;
    m_hasSurfaceData = false;
}

void qz5axMove::SetPotentialSurfaceCP(const Point& point)
{
    m_surfaceCP = point;
    m_hasSurfaceData = true;
}

void qz5axMove::SetPotentialSurfaceCPOrient(const Point& orientation)
{
    m_surfaceCPOrient = orientation;
    m_hasSurfaceData = true;
}

void qz5axMove::SetPotentialSurfaceID(std::size_t id)
{
    m_surfaceID = id;
    m_hasSurfaceData = true;
}

bool qz5axMove::operator==(const qz5axMove& other) const
{
    if (!qzCNCMove::operator==(other) || m_hasSurfaceData != other.m_hasSurfaceData)
        return false;
    return !m_hasSurfaceData || (m_surfaceCP == other.m_surfaceCP && m_surfaceCPOrient == other.m_surfaceCPOrient &&
                                 m_surfaceID == other.m_surfaceID);
}

qzCNCMoveScaleVisitor::qzCNCMoveScaleVisitor(double factor) : m_factor(factor) {}

qzCNCMoveScaleVisitor::~qzCNCMoveScaleVisitor() = default;

void qzCNCMoveScaleVisitor::Visit(qz5axMove& move)
{
    Visit(static_cast<qzCNCMove&>(move));
    if (move.HasPotentialSurfaceData())
        move.SetPotentialSurfaceCP(move.GetPotentialSurfaceCP() * m_factor);
}

void qzCNCMoveScaleVisitor::Visit(qz3axMove& move)
{
    Visit(static_cast<qzCNCMove&>(move));
}

void qzCNCMoveScaleVisitor::Visit(qzCNCMove& move)
{
    move.SetPosition(move.GetPosition() * m_factor);
}
} // namespace cadcam
