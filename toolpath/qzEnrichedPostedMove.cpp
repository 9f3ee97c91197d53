#include "toolpath/qzEnrichedPostedMove.h"

#include "brimlib/qzException.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <utility>

qzEnrichedPostedMove::qzEnrichedPostedMove(unsigned axes, qzHeapAllocator* allocator)
{
    m_axes.allocator = allocator;
    SetAxesValues(axes, nullptr);
}

qzEnrichedPostedMove::qzEnrichedPostedMove(const qzEnrichedPostedMove& other)
    : m_comment(other.m_comment ? std::make_unique<std::string>(*other.m_comment) : nullptr),
      m_feedrate(other.m_feedrate), m_spindleSpeed(other.m_spindleSpeed), m_time(other.m_time),
      m_moveType(other.m_moveType), m_rapid(other.m_rapid)
{
    m_axes.allocator = other.m_axes.allocator;
    SetAxesValues(other.m_axes.count, other.m_axes.values);
}

qzEnrichedPostedMove::qzEnrichedPostedMove(qzEnrichedPostedMove&& other) noexcept
    : m_comment(std::move(other.m_comment)), m_axes(std::exchange(other.m_axes, AxesValues{other.m_axes.allocator})),
      m_feedrate(other.m_feedrate), m_spindleSpeed(other.m_spindleSpeed), m_time(other.m_time),
      m_moveType(other.m_moveType), m_rapid(other.m_rapid)
{
}

qzEnrichedPostedMove& qzEnrichedPostedMove::operator=(const qzEnrichedPostedMove& other)
{
    if (this != &other)
    {
        qzEnrichedPostedMove copy(other);
        *this = std::move(copy);
    }
    return *this;
}

qzEnrichedPostedMove& qzEnrichedPostedMove::operator=(qzEnrichedPostedMove&& other) noexcept
{
    if (this != &other)
    {
        ReleaseValues(m_axes.values);
        m_axes = std::exchange(other.m_axes, AxesValues{other.m_axes.allocator});
        m_comment = std::move(other.m_comment);
        m_feedrate = other.m_feedrate;
        m_spindleSpeed = other.m_spindleSpeed;
        m_time = other.m_time;
        m_moveType = other.m_moveType;
        m_rapid = other.m_rapid;
    }
    return *this;
}

qzEnrichedPostedMove::~qzEnrichedPostedMove()
{
    ReleaseValues(m_axes.values);
}

float& qzEnrichedPostedMove::operator[](unsigned i)
{
    if (i >= m_axes.count)
        throw qzcadcamException(qzcadcamException::AXIS_INDEX_OUT_OF_RANGE);
    return m_axes.values[i];
}

const float& qzEnrichedPostedMove::operator[](unsigned i) const
{
    if (i >= m_axes.count)
        throw qzcadcamException(qzcadcamException::AXIS_INDEX_OUT_OF_RANGE);
    return m_axes.values[i];
}

float* qzEnrichedPostedMove::AllocateValues(unsigned n) const
{
    if (n == 0)
        return nullptr;
    float* values = m_axes.allocator ? static_cast<float*>(m_axes.allocator->allocate(n * sizeof(float)))
                                     : new float[n];
    std::fill(values, values + n, 0.0f);
    return values;
}

void qzEnrichedPostedMove::ReleaseValues(float* values) const
{
    if (m_axes.allocator)
        m_axes.allocator->free(values);
    else
        delete[] values;
}

void qzEnrichedPostedMove::SetAxesValues(unsigned n, const float* values)
{
    // A wider count would be cut to 16 bits beside a larger array, losing values.
    if (n > MaxAxes)
        throw qzcadcamException(qzcadcamException::AXIS_INDEX_OUT_OF_RANGE);
    if (n != m_axes.count || (n && !m_axes.values))
    {
        // The values may be this move's own: copy them before the old array goes.
        float* fresh = AllocateValues(n);
        if (values && n)
            std::copy(values, values + n, fresh);
        ReleaseValues(m_axes.values);
        m_axes.values = fresh;
        m_axes.count = static_cast<std::uint16_t>(n);
    }
    else if (values && n)
        std::memmove(m_axes.values, values, n * sizeof(float));
}

void qzEnrichedPostedMove::SetAxesValues(const std::vector<float>& values)
{
    if (values.empty())
        throw std::out_of_range("invalid vector<T> subscript");
    SetAxesValues(static_cast<unsigned>(std::min<std::size_t>(values.size(), MaxAxes + 1u)), values.data());
}

void qzEnrichedPostedMove::SetAxesComment(const std::string& comment)
{
    m_comment = comment.empty() ? nullptr : std::make_unique<std::string>(comment);
}

bool qzEnrichedPostedMove::operator==(const qzEnrichedPostedMove& other) const
{
    return m_axes.count == other.m_axes.count &&
           std::equal(GetAxesBegin(), GetAxesEnd(), other.GetAxesBegin()) &&
           GetAxesComment() == other.GetAxesComment() && m_feedrate == other.m_feedrate &&
           m_spindleSpeed == other.m_spindleSpeed && m_time == other.m_time && m_moveType == other.m_moveType &&
           m_rapid == other.m_rapid;
}

namespace cadcam
{
namespace
{
constexpr std::uint32_t kEnrichedMovesPerBlock = 4096;

std::unique_ptr<misc::qzMemoryPool> NewEnrichedPool()
{
    return std::make_unique<misc::qzMemoryPool>(qzEnrichedPostedTP::MoveList::NodeSize, kEnrichedMovesPerBlock);
}
} // namespace

qzEnrichedPostedTP::qzEnrichedPostedTP() : m_pool(NewEnrichedPool()), m_moves(m_pool.get()) {}

qzEnrichedPostedTP::qzEnrichedPostedTP(const qzEnrichedPostedTP& other)
    : m_pool(NewEnrichedPool()), m_moves(m_pool.get())
{
    for (const auto& move : other.m_moves)
        m_moves.push_back(move);
}

qzEnrichedPostedTP& qzEnrichedPostedTP::operator=(const qzEnrichedPostedTP& other)
{
    if (this != &other)
    {
        qzEnrichedPostedTP copy(other);
        std::swap(m_pool, copy.m_pool);
        m_moves.swap(copy.m_moves);
    }
    return *this;
}

qzEnrichedPostedTP::~qzEnrichedPostedTP() = default;
} // namespace cadcam
