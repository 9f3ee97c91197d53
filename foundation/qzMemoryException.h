// A failed allocation.
#pragma once

#include "brimlib/qzException.h"
#include "brimlib/qzTypes.h"

namespace misc
{
/// "Allocation of <size> bytes failed."
class TESSAFORM_API qzMemoryException : public qzException
{
public:
    /// Reports that `requestedSize` bytes could not be allocated; error code 0.
    explicit qzMemoryException(qzUInt64 requestedSize);
    ~qzMemoryException() override;

    void Throw() const override;
    qzAutoPointer<qzException> GetCopy() const override;

    /// Bytes the failed allocation asked for.
    qzUInt64 GetRequestedSize() const { return m_requestedSize; }

private:
    qzUInt64 m_requestedSize;
};
} // namespace misc
