// Locked allocator over the private heap, used for the axis values of enriched posted moves.
#pragma once

#include "platform/qzPlatform.h"
#include "tessaform_export.h"

#include <cstddef>

/// Allocator of the process's private heap for the axis values of enriched posted moves; each
/// call holds the allocator's lock, so one allocator may serve several threads.
class TESSAFORM_API qzHeapAllocator
{
public:
    qzHeapAllocator();
    ~qzHeapAllocator();
    qzHeapAllocator(const qzHeapAllocator&) = delete;
    qzHeapAllocator& operator=(const qzHeapAllocator&) = delete;

    /// misc::qzException 0 "Failed to allocate memory" when the heap has no room.
    void* allocate(std::size_t size);
    /// A null pointer is ignored.
    void free(void* block);

private:
    platform::CriticalSection m_lock;
};
