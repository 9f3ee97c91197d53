// A list of shared sub-containers seen as one flat sequence of moves.
#pragma once

#include "brimlib/qzAutoPointer.h"
#include "brimlib/qzCNCMove.h"
#include "brimlib/qzException.h"

#include <iterator>
#include <optional>
#include <type_traits>
#include <utility>

namespace misc
{
/// `List` is a std::list of qzAutoPointer to sub-containers; each sub-container is either a move
/// list or another collection. Copies share the sub-containers.
template <class List> class qzCollectionOfContainers
{
public:
    /// A shared move, the element of the flat sequence.
    using Move = qzAutoPointer<cadcam::qzCNCMove>;
    /// The shared pointer to one sub-container, as the list holds it.
    using SubPointer = typename List::value_type;
    /// The sub-container type: a move list or another collection.
    using Sub = std::remove_reference_t<decltype(*std::declval<SubPointer>())>;
    /// A position in the list of sub-containers.
    using ListPosition = typename List::iterator;

    template <bool Const> class Iterator;
    /// Forward iterator over the flat sequence of moves.
    using iterator = Iterator<false>;
    /// Forward iterator over the flat sequence of moves, read-only.
    using const_iterator = Iterator<true>;

    /// Walks every move of every sub-container in order; empty sub-containers are skipped.
    /// Every iterator but end() designates a move. The inner iterator is held by value (no
    /// allocation per iterator), absent for end().
    template <bool Const> class Iterator
    {
    public:
        /// The iterator inside one sub-container (const for a const iterator).
        using SubIterator = std::conditional_t<Const, typename Sub::const_iterator, typename Sub::iterator>;
        /// The collection walked (const for a const iterator).
        using Collection = std::conditional_t<Const, const qzCollectionOfContainers, qzCollectionOfContainers>;
        /// Standard iterator traits: a forward iterator over shared moves.
        ///@{
        using iterator_category = std::forward_iterator_tag;
        using value_type = Move;
        using difference_type = std::ptrdiff_t;
        using reference = std::conditional_t<Const, const Move&, Move&>;
        using pointer = std::conditional_t<Const, const Move*, Move*>;
        ///@}

        Iterator() = default;
        /// At `inner` of the sub-container at `position` (its first move when `inner` is absent),
        /// moved on past empty sub-containers. "Accessing NULL pointer" for a null sub-container.
        Iterator(ListPosition position, Collection* collection, std::optional<SubIterator> inner = std::nullopt)
            : m_position(position), m_collection(collection), m_inner(std::move(inner))
        {
            Normalise();
        }
        /// A mutable iterator converts to a const one.
        template <bool C = Const, class = std::enable_if_t<C>>
        Iterator(const Iterator<false>& other)
            : m_position(other.m_position), m_collection(other.m_collection)
        {
            if (other.m_inner)
                m_inner.emplace(*other.m_inner);
        }

        /// The designated move; not for end().
        ///@{
        reference operator*() const { return **m_inner; }
        pointer operator->() const { return &**m_inner; }
        ///@}

        /// Steps to the next move, skipping empty sub-containers; not for end().
        ///@{
        Iterator& operator++()
        {
            ++*m_inner;
            Normalise();
            return *this;
        }
        Iterator operator++(int)
        {
            Iterator old(*this);
            ++*this;
            return old;
        }
        ///@}

        friend bool operator==(const Iterator& a, const Iterator& b)
        {
            return a.m_position == b.m_position && a.m_collection == b.m_collection && a.m_inner == b.m_inner;
        }
        friend bool operator!=(const Iterator& a, const Iterator& b) { return !(a == b); }

        /// Position of the sub-container in the collection's list.
        ListPosition GetContainerPosition() const { return m_position; }
        /// Position inside the sub-container; absent for end().
        const std::optional<SubIterator>& GetInner() const { return m_inner; }

    private:
        template <bool> friend class Iterator;

        static Sub& Deref(const SubPointer& sub) { return *sub; } // throws on a null sub-container

        void Normalise()
        {
            const ListPosition listEnd = m_collection->GetEndOfCollection();
            while (m_position != listEnd)
            {
                Sub& sub = Deref(*m_position);
                if (!m_inner)
                    m_inner.emplace(sub.begin());
                if (*m_inner != SubIterator(sub.end()))
                    return;
                ++m_position;
                m_inner.reset();
            }
            m_inner.reset();
        }

        ListPosition m_position{};
        Collection* m_collection = nullptr;
        std::optional<SubIterator> m_inner;
    };

    qzCollectionOfContainers() = default;
    /// Copies the list of sub-containers; the sub-containers themselves are shared.
    qzCollectionOfContainers(const qzCollectionOfContainers&) = default;
    /// Replaces the list of sub-containers by a copy of the other's; they are shared.
    qzCollectionOfContainers& operator=(const qzCollectionOfContainers& other)
    {
        if (this != &other)
        {
            m_containers.clear();
            m_containers = other.m_containers;
        }
        return *this;
    }
    virtual ~qzCollectionOfContainers() = default;

    /// The first move of the first non-empty sub-container (end() when there is none);
    /// "Accessing NULL pointer" for a null sub-container met on the way.
    iterator begin() { return iterator(MutableList().begin(), this); }
    /// Past the last move.
    iterator end() { return iterator(GetEndOfCollection(), this); }
    /// The first move, read-only; as the mutable begin().
    const_iterator begin() const { return const_iterator(MutableList().begin(), this); }
    /// Past the last move, read-only.
    const_iterator end() const { return const_iterator(GetEndOfCollection(), this); }

    /// Number of moves in all sub-containers.
    unsigned size() const
    {
        unsigned count = 0;
        for (const SubPointer& sub : m_containers)
            count += static_cast<unsigned>((*sub).size());
        return count;
    }

    /// True when no sub-container holds a move.
    bool empty() const { return begin() == end(); }

    /// Appends at the end of the last sub-container, through the virtual insert.
    void push_back(const Move& move) { insert(end(), move); }
    /// Inserts before the first move (at the end of the last sub-container when there is no
    /// move), through the virtual insert.
    virtual void push_front(const Move& move) { insert(begin(), move); }

    /// Inserts before `position` (at the end of the last sub-container for end()).
    /// qzmiscException 5503 when there is no sub-container.
    virtual iterator insert(const iterator& position, const Move& move)
    {
        if (m_containers.empty())
            throw qzmiscException(qzmiscException::TOOLPATH_LEVEL_MISSING);
        if (position.GetContainerPosition() == GetEndOfCollection() || !position.GetInner())
        {
            const ListPosition last = std::prev(m_containers.end());
            Sub& sub = *(*last);
            auto inner = sub.insert(sub.end(), move);
            return iterator(last, this, std::move(inner));
        }
        const ListPosition where = position.GetContainerPosition();
        auto inner = (*(*where)).insert(*position.GetInner(), move);
        return iterator(where, this, std::move(inner));
    }

protected:
    /// Position of the sub-container that holds the move at `position`.
    ListPosition GetContainer(const const_iterator& position) const { return position.GetContainerPosition(); }
    /// A copy of `position`'s iterator inside its sub-container; absent for end().
    std::optional<typename const_iterator::SubIterator> GetValue(const const_iterator& position) const
    {
        return position.GetInner();
    }

    /// The list of sub-containers itself, for the levels built on the collection.
    List& GetContainers() { return m_containers; }
    /// The list of sub-containers itself, read-only.
    const List& GetContainers() const { return m_containers; }

private:
    template <bool> friend class Iterator;

    // Const iterators keep a list position, like the original design; the list is not changed.
    List& MutableList() const { return const_cast<List&>(m_containers); }
    ListPosition GetEndOfCollection() const { return MutableList().end(); }

    List m_containers;
};
} // namespace misc
