// Doubly linked list whose nodes come from a qzMemoryPool.
#pragma once

#include "brimlib/qzException.h"
#include "toolpath/qzMemoryPool.h"

#include <cstddef>
#include <iterator>
#include <new>
#include <type_traits>
#include <utility>

namespace misc
{
/// A list of T in nodes of one pool (not owned; it must outlive the list). Destroying or
/// clearing the list destroys the values; the nodes stay with the pool. One list is filled by
/// one thread at a time.
template <class T> class qzMemoryPoolList
{
    struct Node
    {
        Node* next;
        Node* previous;
        alignas(T) unsigned char value[sizeof(T)];

        T& Value() { return *std::launder(reinterpret_cast<T*>(value)); }
    };

public:
    /// Size of one node: the two links and the value.
    static constexpr unsigned NodeSize = static_cast<unsigned>(sizeof(Node));

    /// Bidirectional iterator over the values. It keeps the list's last node as it was when the
    /// iterator was made, so that stepping back from end() works.
    template <bool Const> class Iterator
    {
    public:
        /// Standard iterator traits: a bidirectional iterator over T.
        ///@{
        using iterator_category = std::bidirectional_iterator_tag;
        using value_type = T;
        using difference_type = std::ptrdiff_t;
        using reference = std::conditional_t<Const, const T&, T&>;
        using pointer = std::conditional_t<Const, const T*, T*>;
        ///@}

        Iterator() = default;
        /// A mutable iterator converts to a const one.
        template <bool C = Const, class = std::enable_if_t<C>>
        Iterator(const Iterator<false>& other) : m_node(other.m_node), m_last(other.m_last)
        {
        }

        /// The designated value; not for end().
        ///@{
        reference operator*() const { return m_node->Value(); }
        pointer operator->() const { return &m_node->Value(); }
        ///@}
        /// Steps to the next value; not for end().
        ///@{
        Iterator& operator++()
        {
            m_node = m_node->next;
            return *this;
        }
        Iterator operator++(int)
        {
            Iterator old(*this);
            ++*this;
            return old;
        }
        ///@}
        /// Stepping back from end() reaches the last element.
        ///@{
        Iterator& operator--()
        {
            m_node = m_node ? m_node->previous : m_last;
            return *this;
        }
        Iterator operator--(int)
        {
            Iterator old(*this);
            --*this;
            return old;
        }
        ///@}
        friend bool operator==(const Iterator& a, const Iterator& b) { return a.m_node == b.m_node; }
        friend bool operator!=(const Iterator& a, const Iterator& b) { return a.m_node != b.m_node; }

    private:
        friend class qzMemoryPoolList;
        template <bool> friend class Iterator;
        Iterator(Node* node, Node* last) : m_node(node), m_last(last) {}

        Node* m_node = nullptr;
        Node* m_last = nullptr;
    };
    /// Iterators over the values in insertion order.
    ///@{
    using iterator = Iterator<false>;
    using const_iterator = Iterator<true>;
    ///@}

    /// An empty list on `pool`; without a pool, adding a value throws misc::qzException 0
    /// "Accessing NULL pointer".
    explicit qzMemoryPoolList(qzMemoryPool* pool = nullptr) : m_pool(pool) {}
    /// Copies the values into nodes of the same pool.
    qzMemoryPoolList(const qzMemoryPoolList& other) : m_pool(other.m_pool)
    {
        try
        {
            for (const T& value : other)
                push_back(value);
        }
        catch (...)
        {
            clear();
            throw;
        }
    }
    /// Takes the other's values and pool; `other` is left empty on the same pool.
    qzMemoryPoolList(qzMemoryPoolList&& other) noexcept
        : m_pool(other.m_pool), m_first(std::exchange(other.m_first, nullptr)),
          m_last(std::exchange(other.m_last, nullptr)), m_size(std::exchange(other.m_size, 0u))
    {
    }
    /// Copies the values into nodes of the other's pool, which this list then uses; on an error
    /// this list is unchanged.
    qzMemoryPoolList& operator=(const qzMemoryPoolList& other)
    {
        if (this != &other)
        {
            qzMemoryPoolList copy(other);
            swap(copy);
        }
        return *this;
    }
    /// Destroys this list's values and takes the other's values and pool.
    qzMemoryPoolList& operator=(qzMemoryPoolList&& other) noexcept
    {
        qzMemoryPoolList moved(std::move(other));
        swap(moved);
        return *this;
    }
    ~qzMemoryPoolList() { clear(); }

    /// The pool the nodes come from (not owned; may be null).
    qzMemoryPool* GetPool() const { return m_pool; }
    /// Only an empty list may change its pool.
    void SetPool(qzMemoryPool* pool)
    {
        if (m_size == 0)
            m_pool = pool;
    }

    /// Copies the value into a new last node, as emplace_back.
    void push_back(const T& value) { emplace_back(value); }

    /// Constructs the value in a new last node. The node is linked only once the value exists,
    /// so a throwing constructor leaves the list as it was.
    template <class... Args> T& emplace_back(Args&&... args)
    {
        Node* node = NewNode();
        ::new (static_cast<void*>(node->value)) T(std::forward<Args>(args)...);
        Link(node);
        return node->Value();
    }

    /// The values in insertion order; end() designates no node.
    ///@{
    iterator begin() { return iterator(m_first, m_last); }
    iterator end() { return iterator(nullptr, m_last); }
    const_iterator begin() const { return const_iterator(m_first, m_last); }
    const_iterator end() const { return const_iterator(nullptr, m_last); }
    ///@}

    /// Number of values.
    unsigned size() const { return m_size; }
    /// True when the list holds no value.
    bool empty() const { return m_size == 0; }
    /// The first or last value; qzException "Accessing NULL pointer" on an empty list, whose
    /// links are null.
    ///@{
    T& front() { return Existing(m_first).Value(); }
    T& back() { return Existing(m_last).Value(); }
    ///@}

    /// Destroys every value; the nodes are not reused.
    void clear() noexcept
    {
        for (Node* node = m_first; node; node = node->next)
            node->Value().~T();
        m_first = m_last = nullptr;
        m_size = 0;
    }

    /// Exchanges the values and the pools of two lists.
    void swap(qzMemoryPoolList& other) noexcept
    {
        std::swap(m_pool, other.m_pool);
        std::swap(m_first, other.m_first);
        std::swap(m_last, other.m_last);
        std::swap(m_size, other.m_size);
    }

private:
    template <class P> static P& Existing(P* pointer)
    {
        if (!pointer)
            throw qzException(0, "Accessing NULL pointer");
        return *pointer;
    }

    Node* NewNode() { return static_cast<Node*>(Existing(m_pool).Alloc(NodeSize)); }

    void Link(Node* node) noexcept
    {
        node->next = nullptr;
        node->previous = m_last;
        if (m_last)
            m_last->next = node;
        else
            m_first = node;
        m_last = node;
        ++m_size;
    }

    qzMemoryPool* m_pool;
    Node* m_first = nullptr;
    Node* m_last = nullptr;
    unsigned m_size = 0;
};
} // namespace misc
