// Posted moves enriched with free machine-axis values and a comment, and their toolpath.
#pragma once

#include "tessaform_export.h"
#include "toolpath/qzHeapAllocator.h"
#include "toolpath/qzMemoryPool.h"
#include "toolpath/qzMemoryPoolList.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace misc
{
template <class T> using qzPointerIterator = T*;
template <class T> using qzConstPointerIterator = const T*;
} // namespace misc

class TESSAFORM_API qzEnrichedPostedMove
{
public:
    enum Types : int
    {
        CUT = 0,
        RAPID = 1,
        LEAD_IN = 2,
        LEAD_OUT = 3,
        LINK = 4,
        RETRACT = 5,
        APPROACH = 6,
        PLUNGE = 7,
        UNDEFINED = 8
    };

    /// The most axis values a move holds (the count is 16 bits wide).
    static constexpr unsigned MaxAxes = 0xFFFF;

    /// `axes` values, all 0; taken from `allocator` when given, else from the free store.
    explicit qzEnrichedPostedMove(unsigned axes = 0, qzHeapAllocator* allocator = nullptr);
    /// Copies the values (with the same allocator) and the comment.
    qzEnrichedPostedMove(const qzEnrichedPostedMove& other);
    qzEnrichedPostedMove(qzEnrichedPostedMove&& other) noexcept;
    qzEnrichedPostedMove& operator=(const qzEnrichedPostedMove& other);
    qzEnrichedPostedMove& operator=(qzEnrichedPostedMove&& other) noexcept;
    ~qzEnrichedPostedMove();

    unsigned GetNrOfAxes() const { return m_axes.count; }
    /// qzcadcamException 2052 for `i` at or beyond the number of axes.
    float GetAxesValue(unsigned i) const { return (*this)[i]; }
    float& operator[](unsigned i);
    const float& operator[](unsigned i) const;
    const float* GetAxesValuesPtr() const { return m_axes.values; }
    misc::qzPointerIterator<float> GetAxesBegin() { return m_axes.values; }
    misc::qzPointerIterator<float> GetAxesEnd() { return m_axes.values + m_axes.count; }
    misc::qzConstPointerIterator<float> GetAxesBegin() const { return m_axes.values; }
    misc::qzConstPointerIterator<float> GetAxesEnd() const { return m_axes.values + m_axes.count; }

    /// Makes `n` axes (a new array, all 0, when the count changes; else the old one) and copies
    /// `n` values from `values` unless it is null. More than MaxAxes axes raise
    /// qzcadcamException 2052 and leave the move unchanged.
    void SetAxesValues(unsigned n, const float* values);
    /// An empty vector raises std::out_of_range.
    void SetAxesValues(const std::vector<float>& values);

    std::string GetAxesComment() const { return m_comment ? *m_comment : std::string(); }
    /// An empty text removes the comment.
    void SetAxesComment(const std::string& comment);

    float GetFeedrate() const { return m_feedrate; }
    void SetFeedrate(float value) { m_feedrate = value; }
    float GetSpindleSpeed() const { return m_spindleSpeed; }
    void SetSpindleSpeed(float value) { m_spindleSpeed = value; }
    float GetTime() const { return m_time; }
    void SetTime(float value) { m_time = value; }
    bool IsRapid() const { return m_rapid; }
    void SetIsRapid(bool value) { m_rapid = value; }
    Types GetMoveType() const { return m_moveType; }
    void SetMoveType(Types type) { m_moveType = type; }

    bool operator==(const qzEnrichedPostedMove& other) const;
    bool operator!=(const qzEnrichedPostedMove& other) const { return !(*this == other); }

private:
    struct AxesValues
    {
        qzHeapAllocator* allocator = nullptr;
        float* values = nullptr;
        std::uint16_t count = 0;
    };

    float* AllocateValues(unsigned n) const;
    void ReleaseValues(float* values) const;

    std::unique_ptr<std::string> m_comment;
    AxesValues m_axes;
    float m_feedrate = 0.0f;
    float m_spindleSpeed = 0.0f;
    float m_time = 0.0f;
    Types m_moveType = UNDEFINED;
    bool m_rapid = false;
};

namespace cadcam
{
/// A toolpath of enriched posted moves, kept in a pool of its own.
class TESSAFORM_API qzEnrichedPostedTP
{
public:
    using MoveList = misc::qzMemoryPoolList<qzEnrichedPostedMove>;
    using iterator = MoveList::iterator;
    using const_iterator = MoveList::const_iterator;

    qzEnrichedPostedTP();
    /// Copies the moves into a pool of the copy's own.
    qzEnrichedPostedTP(const qzEnrichedPostedTP& other);
    qzEnrichedPostedTP& operator=(const qzEnrichedPostedTP& other);
    ~qzEnrichedPostedTP();

    void push_back(const qzEnrichedPostedMove& move) { m_moves.push_back(move); }
    unsigned GetSize() const { return m_moves.size(); }
    bool IsEmpty() const { return m_moves.empty(); }
    iterator GetMovesBegin() { return m_moves.begin(); }
    iterator GetMovesEnd() { return m_moves.end(); }
    const_iterator GetMovesBegin() const { return m_moves.begin(); }
    const_iterator GetMovesEnd() const { return m_moves.end(); }

private:
    std::unique_ptr<misc::qzMemoryPool> m_pool;
    MoveList m_moves; // declared after the pool: destroyed first
};
} // namespace cadcam
