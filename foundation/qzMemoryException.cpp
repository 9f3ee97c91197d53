#include "foundation/qzMemoryException.h"

#include "brimlib/qzStringConv.h"

namespace misc
{
qzMemoryException::qzMemoryException(qzUInt64 requestedSize)
    : qzException(0, "Allocation of " + from_value(requestedSize) + " bytes failed."),
      m_requestedSize(requestedSize)
{
}

qzMemoryException::~qzMemoryException() = default;

void qzMemoryException::Throw() const
{
    throw *this;
}

qzAutoPointer<qzException> qzMemoryException::GetCopy() const
{
    return qzAutoPointer<qzException>(new qzMemoryException(*this));
}
} // namespace misc
