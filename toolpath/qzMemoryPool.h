// Fixed-size node pool for posted-move lists.
#pragma once

#include "platform/qzPlatform.h"
#include "tessaform_export.h"

#include <cstdint>
#include <list>
#include <memory>

namespace misc
{
/// Carves nodes of one size out of large committed blocks. Allocation pops the next free node
/// of the block that served last, so it is a pointer bump under a lock; nodes are never handed
/// back singly. Destroying the pool releases every block, so every node must be out of use
/// by then. Alloc may be called from several threads at once.
class TESSAFORM_API qzMemoryPool
{
public:
    /// Nodes of `nodeSize` bytes (the largest request accepted), `nodesPerBlock` to a block.
    qzMemoryPool(std::uint32_t nodeSize, std::uint32_t nodesPerBlock);
    ~qzMemoryPool();
    qzMemoryPool(const qzMemoryPool&) = delete;
    qzMemoryPool& operator=(const qzMemoryPool&) = delete;

    /// A node for `size` bytes, aligned for any object of that size.
    /// misc::qzException 0 "Allocation request size too big" when `size` exceeds the node size,
    /// "Failed to allocate memory" when no block can be made.
    void* Alloc(unsigned size);

    /// Size of a node in bytes, as given at construction.
    std::uint32_t GetNodeSize() const { return m_nodeSize; }
    /// Number of nodes in each block, as given at construction.
    std::uint32_t GetNodesPerBlock() const { return m_nodesPerBlock; }
    /// Number of blocks made so far.
    std::size_t GetBlockCount() const;

    /// Makes every node free again and keeps the blocks, so that a pool can serve the next
    /// set of lists without fresh memory. Every list on the pool must be cleared first.
    void Reset();

private:
    class Block;
    using BlockList = std::list<std::unique_ptr<Block>>;

    void* TakeFrom(Block& block);

    std::uint32_t m_nodeSize;
    std::uint32_t m_nodesPerBlock;
    mutable platform::CriticalSection m_lock;
    Block* m_current = nullptr;
    BlockList m_blocks;
};
} // namespace misc
