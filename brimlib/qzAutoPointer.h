// The shared, counted owning pointer used throughout the library.
#pragma once

#include "tessaform_export.h"

#include <cstdint>
#include <new>
#include <type_traits>
#include <utility>

namespace misc
{
namespace detail
{
/// Count block shared by every pointer to one object.
struct qzAutoPointerBlock
{
    std::uint32_t count;
    bool owner;
    // The object as created and its deleter: an owned object is always destroyed through the
    // type it was made with, whatever base or derived pointer releases it last.
    const void* created;
    void (*destroy)(const void*);
    // Frees the block itself (which may share one allocation with the object).
    void (*release)(qzAutoPointerBlock*);
};

inline void DeleteBlock(qzAutoPointerBlock* block)
{
    delete block;
}

/// Throws misc::qzException 0 "Accessing NULL pointer".
[[noreturn]] TESSAFORM_API void ThrowAccessingNullPointer();
} // namespace detail

/// Shared pointer with a separately allocated count block (count and ownership flag).
/// Copies share the block; when the last holder goes, an owned object is destroyed.
/// Counts are plain integers: a pointer and its copies belong to one thread at a time.
template <class T> class qzAutoPointer
{
public:
    qzAutoPointer() noexcept = default;

    /// Takes `object` (owned unless `owner` is false); a null object gives an empty pointer.
    template <class U, class = std::enable_if_t<std::is_convertible<U*, T*>::value>>
    explicit qzAutoPointer(U* object, bool owner = true)
    {
        if (!object)
            return;
        try
        {
            m_block = new detail::qzAutoPointerBlock{1u, owner, object, &DestroyAs<U>, &detail::DeleteBlock};
        }
        catch (...)
        {
            if (owner)
                delete object;
            throw;
        }
        m_object = object;
    }

    /// An empty pointer.
    qzAutoPointer(std::nullptr_t) noexcept {}

    /// Shares the block of `other`, adding one to the count.
    qzAutoPointer(const qzAutoPointer& other) noexcept : m_block(other.m_block), m_object(other.m_object)
    {
        Acquire();
    }

    /// Takes over the share of `other`, which becomes empty; the count does not change.
    qzAutoPointer(qzAutoPointer&& other) noexcept
        : m_block(std::exchange(other.m_block, nullptr)), m_object(std::exchange(other.m_object, nullptr))
    {
    }

    /// Conversion between base and derived pointers shares the same block.
    template <class U, class = std::enable_if_t<std::is_convertible<U*, T*>::value>>
    qzAutoPointer(const qzAutoPointer<U>& other) noexcept : m_block(other.m_block), m_object(other.m_object)
    {
        Acquire();
    }

    ~qzAutoPointer() { Release(); }

    /// Drops the current share (destroying an owned object when it was the last) and then
    /// shares or takes over the block of `other`.
    ///@{
    qzAutoPointer& operator=(const qzAutoPointer& other) noexcept
    {
        qzAutoPointer(other).Swap(*this);
        return *this;
    }

    qzAutoPointer& operator=(qzAutoPointer&& other) noexcept
    {
        qzAutoPointer(std::move(other)).Swap(*this);
        return *this;
    }
    ///@}

    /// Throws misc::qzException "Accessing NULL pointer" when empty.
    T* operator->() const
    {
        if (!m_object)
            detail::ThrowAccessingNullPointer();
        return m_object;
    }

    /// Throws misc::qzException "Accessing NULL pointer" when empty.
    T& operator*() const
    {
        if (!m_object)
            detail::ThrowAccessingNullPointer();
        return *m_object;
    }

    /// The held object, or null; never throws.
    T* Get() const noexcept { return m_object; }
    /// True when the pointer holds no object.
    bool IsNull() const noexcept { return m_object == nullptr; }
    /// True when the pointer holds an object.
    explicit operator bool() const noexcept { return m_object != nullptr; }

    /// Number of pointers sharing the block (0 when empty).
    std::uint32_t GetRefCount() const noexcept { return m_block ? m_block->count : 0u; }
    /// True when the object is destroyed with the last pointer (false for a borrowed object).
    bool IsOwner() const noexcept { return m_block && m_block->owner; }

    /// Drops this holder's share; the pointer becomes empty.
    void Reset() noexcept { qzAutoPointer().Swap(*this); }

    /// Exchanges the objects and blocks of the two pointers; counts do not change.
    void Swap(qzAutoPointer& other) noexcept
    {
        std::swap(m_block, other.m_block);
        std::swap(m_object, other.m_object);
    }

    /// A pointer of another type sharing this block; empty when the dynamic cast fails.
    template <class U> qzAutoPointer<U> DynamicCast() const noexcept
    {
        qzAutoPointer<U> result;
        if (U* cast = dynamic_cast<U*>(m_object))
        {
            result.m_block = m_block;
            result.m_object = cast;
            result.Acquire();
        }
        return result;
    }

    friend bool operator==(const qzAutoPointer& a, const qzAutoPointer& b) noexcept
    {
        return a.m_object == b.m_object;
    }
    friend bool operator!=(const qzAutoPointer& a, const qzAutoPointer& b) noexcept { return !(a == b); }

private:
    template <class U> friend class qzAutoPointer;
    template <class U, class... Args> friend qzAutoPointer<U> qzMakeAutoPointer(Args&&... args);

    template <class U> static void DestroyAs(const void* object) { delete static_cast<const U*>(object); }

    void Acquire() noexcept
    {
        if (m_block)
            ++m_block->count;
    }

    void Release() noexcept
    {
        // Detach first: destroying the object may release other pointers, even copies of this one.
        detail::qzAutoPointerBlock* block = std::exchange(m_block, nullptr);
        m_object = nullptr;
        if (block && --block->count == 0)
        {
            if (block->owner)
                block->destroy(block->created);
            block->release(block);
        }
    }

    detail::qzAutoPointerBlock* m_block = nullptr;
    T* m_object = nullptr;
};
/// Creates an owned object and its count block in one allocation.
template <class T, class... Args> qzAutoPointer<T> qzMakeAutoPointer(Args&&... args)
{
    struct Combined
    {
        detail::qzAutoPointerBlock block;
        alignas(T) unsigned char storage[sizeof(T)];
    };
    auto* combined = new Combined;
    T* object;
    try
    {
        object = new (combined->storage) T(std::forward<Args>(args)...);
    }
    catch (...)
    {
        delete combined;
        throw;
    }
    combined->block = {1u, true, object, [](const void* p) { static_cast<const T*>(p)->~T(); },
                       [](detail::qzAutoPointerBlock* b) { delete reinterpret_cast<Combined*>(b); }};
    qzAutoPointer<T> result;
    result.m_block = &combined->block;
    result.m_object = object;
    return result;
}
} // namespace misc
