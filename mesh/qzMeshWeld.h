// Welding of triangle corners by exact coordinate equality (internal).
#pragma once

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <type_traits>
#include <vector>

#include "platform/qzPlatform.h"

namespace cadcam
{
namespace detail
{
/// Sizes a large vector for `count` elements (value-initialised) on a block the system may
/// back with huge pages: fresh memory is slow to hand out page by page.
template <class V> void ResizeLarge(V& v, std::size_t count, const typename V::value_type& value)
{
    V fresh;
    fresh.reserve(count);
    platform::AdviseHugePages(fresh.data(), count * sizeof(typename V::value_type));
    fresh.assign(count, value);
    v.swap(fresh);
}

/// Reserves room for `count` elements of a large vector, on huge pages where possible.
template <class V> void ReserveLarge(V& v, std::size_t count)
{
    if (v.capacity() >= count)
        return;
    V fresh;
    fresh.reserve(count);
    platform::AdviseHugePages(fresh.data(), count * sizeof(typename V::value_type));
    fresh.insert(fresh.end(), v.begin(), v.end());
    v.swap(fresh);
}

namespace weld
{
template <class C> using Bits = std::conditional_t<sizeof(C) == 4, std::uint32_t, std::uint64_t>;

/// Bit pattern with -0.0 made +0.0, so that equal values hash alike.
template <class C> Bits<C> CanonicalBits(C value)
{
    if (value == C(0))
        value = C(0);
    Bits<C> bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

/// Bits whose unsigned order is the order of the values; not-a-number after every number.
template <class C> Bits<C> OrderKey(C value)
{
    if (std::isnan(value))
        return ~Bits<C>(0);
    const Bits<C> bits = CanonicalBits(value);
    const Bits<C> sign = Bits<C>(1) << (8 * sizeof(C) - 1);
    return (bits & sign) ? ~bits : (bits | sign);
}

/// The value of an order key: the value itself, with +0.0 for a zero and a quiet NaN for NaN.
template <class C> C FromOrderKey(Bits<C> key)
{
    const Bits<C> sign = Bits<C>(1) << (8 * sizeof(C) - 1);
    const Bits<C> bits = (key & sign) ? (key & ~sign) : ~key;
    C value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

/// A cheap mix of the three coordinate patterns; the table's size is a power of two, so the
/// high bits of the products are folded down.
template <class C> std::uint64_t Hash(const C* p)
{
    std::uint64_t h = static_cast<std::uint64_t>(CanonicalBits(p[0])) * 0x9e3779b97f4a7c15ull;
    h ^= static_cast<std::uint64_t>(CanonicalBits(p[1])) * 0xc2b2ae3d27d4eb4full;
    h ^= static_cast<std::uint64_t>(CanonicalBits(p[2])) * 0x165667b19e3779f9ull;
    return h ^ (h >> 29) ^ (h >> 47);
}

constexpr std::uint32_t kEmpty = 0xFFFFFFFFu;

/// One distinct point: its coordinates beside its id, so that finding a point takes one visit.
template <class C> struct Slot
{
    C p[3];
    std::uint32_t id;
};

template <class C> struct SortEntry
{
    Bits<C> key[3];
    std::uint32_t id;
};

template <class C> bool Before(const SortEntry<C>& a, const SortEntry<C>& b)
{
    if (a.key[0] != b.key[0])
        return a.key[0] < b.key[0];
    if (a.key[1] != b.key[1])
        return a.key[1] < b.key[1];
    if (a.key[2] != b.key[2])
        return a.key[2] < b.key[2];
    return a.id < b.id;
}
} // namespace weld

/// Welds corners one at a time into the distinct points, then orders those points.
///
/// Add gives each corner the id of its point (ids count up in order of first appearance);
/// Finish hands the distinct points over in ascending lexicographic order (x, then y, then z)
/// and returns, for every id, its place in that order. Equality is exact: -0.0 equals 0.0, and
/// a corner holding a coordinate that is not a number never equals anything (it keeps a point of
/// its own; along that axis it sorts after every number, ties in order of appearance). Expected linear time:
/// corners are hashed into an open-addressing table that holds the points themselves, and only
/// the distinct points are sorted.
template <class C> class CornerWelder
{
public:
    /// `expectedCorners` sizes the table for a closed mesh (about one point per six corners);
    /// it grows as needed.
    explicit CornerWelder(std::size_t expectedCorners) { Resize(std::max<std::size_t>(16, expectedCorners / 6)); }

    std::uint32_t Add(const C* p)
    {
        if (2 * (m_used + 1) > m_slots.size())
            Resize(m_slots.size());
        // A NaN coordinate compares unequal to everything, itself included: such a corner always
        // takes a new slot, so it is never welded.
        for (std::size_t slot = weld::Hash(p) & m_mask;; slot = (slot + 1) & m_mask)
        {
            weld::Slot<C>& s = m_slots[slot];
            if (s.id == weld::kEmpty)
            {
                s = {{p[0], p[1], p[2]}, m_next};
                ++m_used;
                return m_next++;
            }
            if (s.p[0] == p[0] && s.p[1] == p[1] && s.p[2] == p[2])
                return s.id;
        }
    }

    std::uint32_t GetCount() const { return m_next; }

    /// Hands the distinct points to `emit(x, y, z)` in ascending order and returns the rank of
    /// every id. The welder is spent afterwards.
    template <class Emit> std::vector<std::uint32_t> Finish(Emit emit)
    {
        // No two distinct points are equal, so the order is total; order keys tie only between
        // points holding not-a-number, which keep their order of appearance (their ids).
        // A counting pass distributes the points by the top 16 bits of the x key into buckets,
        // each bucket is then sorted by comparison: one sort's result with few comparisons.
        // Few points (a small file) are sorted directly: the bucket table alone would cost more
        // than their sort.
        const int bucketBits = m_next < 4096 ? 0 : 16;
        const auto bucketOf = [bucketBits](weld::Bits<C> key) -> std::size_t {
            return bucketBits ? static_cast<std::size_t>(key >> (8 * sizeof(weld::Bits<C>) - bucketBits)) : 0;
        };
        std::vector<std::uint32_t> start((std::size_t(1) << bucketBits) + 1, 0);
        const auto count = [&](const weld::Slot<C>& s) {
            if (s.id != weld::kEmpty)
                ++start[bucketOf(weld::OrderKey(s.p[0])) + 1];
        };
        std::for_each(m_slots.begin(), m_slots.end(), count);
        for (std::size_t b = 1; b < start.size(); ++b)
            start[b] += start[b - 1];
        std::vector<weld::SortEntry<C>> order;
        ResizeLarge(order, m_next, weld::SortEntry<C>{});
        std::vector<std::uint32_t> next(start.begin(), start.end() - 1);
        const auto place = [&](const weld::Slot<C>& s) {
            if (s.id == weld::kEmpty)
                return;
            const weld::SortEntry<C> e{{weld::OrderKey(s.p[0]), weld::OrderKey(s.p[1]), weld::OrderKey(s.p[2])}, s.id};
            order[next[bucketOf(e.key[0])]++] = e;
        };
        std::for_each(m_slots.begin(), m_slots.end(), place);
        std::vector<weld::Slot<C>>().swap(m_slots);
        for (std::size_t b = 0; b + 1 < start.size(); ++b)
            if (start[b + 1] - start[b] > 1)
                std::sort(order.begin() + start[b], order.begin() + start[b + 1], weld::Before<C>);

        // The keys give the coordinates back: of equal points any one may stand for all, so a
        // zero comes back as +0.0 (and a NaN as a quiet NaN).
        std::vector<std::uint32_t> rank;
        ResizeLarge(rank, m_next, 0u);
        for (std::uint32_t r = 0; r < m_next; ++r)
        {
            const weld::SortEntry<C>& e = order[r];
            rank[e.id] = r;
            emit(weld::FromOrderKey<C>(e.key[0]), weld::FromOrderKey<C>(e.key[1]), weld::FromOrderKey<C>(e.key[2]));
        }
        return rank;
    }

private:
    void Resize(std::size_t distinct)
    {
        std::size_t size = 16;
        while (size < 2 * distinct)
            size <<= 1;
        std::vector<weld::Slot<C>> old;
        old.swap(m_slots);
        ResizeLarge(m_slots, size, weld::Slot<C>{{C(0), C(0), C(0)}, weld::kEmpty});
        m_mask = size - 1;
        for (const weld::Slot<C>& s : old)
        {
            if (s.id == weld::kEmpty)
                continue;
            std::size_t slot = weld::Hash(s.p) & m_mask;
            while (m_slots[slot].id != weld::kEmpty)
                slot = (slot + 1) & m_mask;
            m_slots[slot] = s;
        }
    }

    std::vector<weld::Slot<C>> m_slots;
    std::size_t m_mask = 0;
    std::size_t m_used = 0;
    std::uint32_t m_next = 0;
};
} // namespace detail
} // namespace cadcam
