#include "toolpath/qzMemoryPool.h"

#include "brimlib/qzException.h"
#include "platform/qzPlatform.h"

#include <cstddef>
#include <cstdint>
#include <mutex>

namespace misc
{
namespace
{
// Nodes follow each other at this stride: a multiple of the strictest alignment a node of the
// requested size can need, and never below a pointer.
std::size_t NodeStride(std::uint32_t nodeSize)
{
    std::size_t align = alignof(void*);
    while (align < alignof(std::max_align_t) && align < nodeSize)
        align *= 2;
    const std::size_t size = nodeSize < sizeof(void*) ? sizeof(void*) : nodeSize;
    return (size + align - 1) / align * align;
}
} // namespace

/// One committed region of nodes handed out in address order.
class qzMemoryPool::Block
{
public:
    Block(std::size_t stride, std::uint32_t count) : m_stride(stride), m_count(count), m_bytes(stride * count)
    {
        if (count > SIZE_MAX / stride)
            throw qzException(0, "Failed to allocate memory");
        m_memory = static_cast<unsigned char*>(platform::CommitBlock(m_bytes));
        if (!m_memory)
            throw qzException(0, "Failed to allocate memory");
    }
    ~Block() { platform::ReleaseCommittedBlock(m_memory, m_bytes); }
    Block(const Block&) = delete;
    Block& operator=(const Block&) = delete;

    bool HasRoom() const { return m_used < m_count; }
    void Empty() { m_used = 0; }
    void* Take() { return m_memory + m_stride * m_used++; }

private:
    std::size_t m_stride;
    std::uint32_t m_count;
    std::uint32_t m_used = 0;
    std::size_t m_bytes;
    unsigned char* m_memory;
};

qzMemoryPool::qzMemoryPool(std::uint32_t nodeSize, std::uint32_t nodesPerBlock)
    : m_nodeSize(nodeSize), m_nodesPerBlock(nodesPerBlock)
{
}

qzMemoryPool::~qzMemoryPool() = default;

std::size_t qzMemoryPool::GetBlockCount() const
{
    std::lock_guard<platform::CriticalSection> lock(m_lock);
    return m_blocks.size();
}

void qzMemoryPool::Reset()
{
    std::lock_guard<platform::CriticalSection> lock(m_lock);
    for (auto& block : m_blocks)
        block->Empty();
    m_current = m_blocks.empty() ? nullptr : m_blocks.front().get();
}

void* qzMemoryPool::TakeFrom(Block& block)
{
    m_current = &block;
    return block.Take();
}

void* qzMemoryPool::Alloc(unsigned size)
{
    if (size > m_nodeSize)
        throw qzException(0, "Allocation request size too big");
    std::lock_guard<platform::CriticalSection> lock(m_lock);
    if (m_current && m_current->HasRoom())
        return m_current->Take();

    m_current = nullptr;
    for (auto position = m_blocks.begin(); position != m_blocks.end(); ++position)
        if ((*position)->HasRoom())
        {
            return TakeFrom(**position);
        }

    if (m_nodesPerBlock == 0)
        throw qzException(0, "qzMemoryPool::Alloc: Node allocation failed");
    auto block = std::make_unique<Block>(NodeStride(m_nodeSize), m_nodesPerBlock);
    m_blocks.push_back(std::move(block));
    return TakeFrom(*m_blocks.back());
}
} // namespace misc
