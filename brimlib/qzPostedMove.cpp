#include "brimlib/qzPostedMove.h"

#include "brimlib/qzPostedVisitor.h"

namespace post
{
qzPostedMove::~qzPostedMove() = default;

void qzPosted3axMove::AcceptVisitor(qzPostedMoveVisitor& visitor)
{
    visitor.Visit(*this);
}
void qzPosted3axMove::AcceptVisitor(qzPostedMoveConstVisitor& visitor) const
{
    visitor.Visit(*this);
}
void qzPosted4axMove::AcceptVisitor(qzPostedMoveVisitor& visitor)
{
    visitor.Visit(*this);
}
void qzPosted4axMove::AcceptVisitor(qzPostedMoveConstVisitor& visitor) const
{
    visitor.Visit(*this);
}
void qzPosted5axMove::AcceptVisitor(qzPostedMoveVisitor& visitor)
{
    visitor.Visit(*this);
}
void qzPosted5axMove::AcceptVisitor(qzPostedMoveConstVisitor& visitor) const
{
    visitor.Visit(*this);
}
void qzPosted6axMove::AcceptVisitor(qzPostedMoveVisitor& visitor)
{
    visitor.Visit(*this);
}
void qzPosted6axMove::AcceptVisitor(qzPostedMoveConstVisitor& visitor) const
{
    visitor.Visit(*this);
}


qzPostedTP::qzPostedTP() = default;
qzPostedTP::qzPostedTP(const qzPostedTP& other) = default;
qzPostedTP& qzPostedTP::operator=(const qzPostedTP& other) = default;
qzPostedTP::~qzPostedTP() = default;
} // namespace post
