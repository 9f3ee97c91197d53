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
/// Plain pointers serving as iterators over an array of T.
///@{
template <class T> using qzPointerIterator = T*;
template <class T> using qzConstPointerIterator = const T*;
///@}
} // namespace misc

/// A posted move enriched with the values of free machine axes (floats), a comment, feed rate,
/// spindle speed, time, a rapid flag and a move type. The allocator of the values, when given,
/// is not owned and must outlive the move and its copies. Not synchronised.
class TESSAFORM_API qzEnrichedPostedMove
{
public:
    /// Kind of the move; UNDEFINED until set, and for moves read from files that predate it.
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
    /// Takes the values, allocator and comment; `other` keeps its allocator with no axes and no
    /// comment.
    qzEnrichedPostedMove(qzEnrichedPostedMove&& other) noexcept;
    /// Copies every field, the allocator included; on an error this move is unchanged.
    qzEnrichedPostedMove& operator=(const qzEnrichedPostedMove& other);
    /// Releases this move's values, then takes the other's as the move constructor does.
    qzEnrichedPostedMove& operator=(qzEnrichedPostedMove&& other) noexcept;
    ~qzEnrichedPostedMove();

    /// Number of axis values, 0 to MaxAxes.
    unsigned GetNrOfAxes() const { return m_axes.count; }
    /// qzcadcamException 2052 for `i` at or beyond the number of axes.
    float GetAxesValue(unsigned i) const { return (*this)[i]; }
    /// Axis value `i`; qzcadcamException 2052 for `i` at or beyond the number of axes.
    ///@{
    float& operator[](unsigned i);
    const float& operator[](unsigned i) const;
    ///@}
    /// The first axis value; null when there are none. Valid until the count changes or the
    /// move is assigned.
    const float* GetAxesValuesPtr() const { return m_axes.values; }
    /// The axis values as a range of pointers (both null when there are none).
    ///@{
    misc::qzPointerIterator<float> GetAxesBegin() { return m_axes.values; }
    misc::qzPointerIterator<float> GetAxesEnd() { return m_axes.values + m_axes.count; }
    misc::qzConstPointerIterator<float> GetAxesBegin() const { return m_axes.values; }
    misc::qzConstPointerIterator<float> GetAxesEnd() const { return m_axes.values + m_axes.count; }
    ///@}

    /// Makes `n` axes (a new array, all 0, when the count changes; else the old one) and copies
    /// `n` values from `values` unless it is null. More than MaxAxes axes raise
    /// qzcadcamException 2052 and leave the move unchanged.
    void SetAxesValues(unsigned n, const float* values);
    /// An empty vector raises std::out_of_range.
    void SetAxesValues(const std::vector<float>& values);

    /// A copy of the comment; empty when there is none.
    std::string GetAxesComment() const { return m_comment ? *m_comment : std::string(); }
    /// An empty text removes the comment.
    void SetAxesComment(const std::string& comment);

    /// Feed rate of the move, kept as given (0 until set).
    ///@{
    float GetFeedrate() const { return m_feedrate; }
    void SetFeedrate(float value) { m_feedrate = value; }
    ///@}
    /// Spindle speed of the move, kept as given (0 until set).
    ///@{
    float GetSpindleSpeed() const { return m_spindleSpeed; }
    void SetSpindleSpeed(float value) { m_spindleSpeed = value; }
    ///@}
    /// Time of the move, kept as given (0 until set).
    ///@{
    float GetTime() const { return m_time; }
    void SetTime(float value) { m_time = value; }
    ///@}
    /// Whether the move is a rapid (false until set).
    ///@{
    bool IsRapid() const { return m_rapid; }
    void SetIsRapid(bool value) { m_rapid = value; }
    ///@}
    /// Kind of the move; any value is kept as given.
    ///@{
    Types GetMoveType() const { return m_moveType; }
    void SetMoveType(Types type) { m_moveType = type; }
    ///@}

    /// Every field equal: axis values and the other numbers by float ==, the comment as text.
    /// The allocator is not compared.
    ///@{
    bool operator==(const qzEnrichedPostedMove& other) const;
    bool operator!=(const qzEnrichedPostedMove& other) const { return !(*this == other); }
    ///@}

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
    /// The list of moves, in nodes of the toolpath's pool.
    using MoveList = misc::qzMemoryPoolList<qzEnrichedPostedMove>;
    /// Iterators over the moves in order.
    ///@{
    using iterator = MoveList::iterator;
    using const_iterator = MoveList::const_iterator;
    ///@}

    qzEnrichedPostedTP();
    /// Copies the moves into a pool of the copy's own.
    qzEnrichedPostedTP(const qzEnrichedPostedTP& other);
    /// Replaces the moves with copies of the other's, in a new pool; on an error this toolpath
    /// is unchanged.
    qzEnrichedPostedTP& operator=(const qzEnrichedPostedTP& other);
    ~qzEnrichedPostedTP();

    /// Appends a copy of the move.
    void push_back(const qzEnrichedPostedMove& move) { m_moves.push_back(move); }
    /// Number of moves.
    unsigned GetSize() const { return m_moves.size(); }
    /// True when there is no move.
    bool IsEmpty() const { return m_moves.empty(); }
    /// The moves in the order they were appended.
    ///@{
    iterator GetMovesBegin() { return m_moves.begin(); }
    iterator GetMovesEnd() { return m_moves.end(); }
    const_iterator GetMovesBegin() const { return m_moves.begin(); }
    const_iterator GetMovesEnd() const { return m_moves.end(); }
    ///@}

private:
    std::unique_ptr<misc::qzMemoryPool> m_pool;
    MoveList m_moves; // declared after the pool: destroyed first
};
} // namespace cadcam
