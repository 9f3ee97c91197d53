#include "toolpath/qzHeapAllocator.h"

#include "brimlib/qzException.h"
#include "platform/qzPlatform.h"

#include <mutex>

qzHeapAllocator::qzHeapAllocator() = default;
qzHeapAllocator::~qzHeapAllocator() = default;

void* qzHeapAllocator::allocate(std::size_t size)
{
    std::lock_guard<platform::CriticalSection> lock(m_lock);
    void* block = platform::HeapAllocate(size);
    if (!block)
        throw misc::qzException(0, "Failed to allocate memory");
    return block;
}

void qzHeapAllocator::free(void* block)
{
    if (!block)
        return;
    std::lock_guard<platform::CriticalSection> lock(m_lock);
    platform::HeapRelease(block);
}
