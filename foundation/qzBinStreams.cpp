#include "foundation/qzBinStreams.h"

#include "foundation/qzIdxRangeException.h"
#include "foundation/qzMemoryException.h"

#include <cstdlib>
#include <cstring>
#include <limits>
#include <utility>

namespace misc
{
qzBinInputStream::~qzBinInputStream() = default;
qzBinOutputStream::~qzBinOutputStream() = default;
qzBinIOStream::~qzBinIOStream() = default;
qzPresetIOStream::~qzPresetIOStream() = default;

namespace
{
// malloc/realloc rather than new[]: growth by realloc lets large buffers be remapped instead
// of copied, which keeps step-wise growth cheap.
unsigned char* Allocate(qzUInt64 size)
{
    if (size == 0 || size > std::numeric_limits<std::size_t>::max())
        return nullptr;
    return static_cast<unsigned char*>(std::malloc(static_cast<std::size_t>(size)));
}

// The codecs move one primitive at a time; fixed-size copies compile to single moves.
inline void Copy(void* to, const void* from, std::size_t size)
{
    switch (size)
    {
    case 1:
        std::memcpy(to, from, 1);
        break;
    case 2:
        std::memcpy(to, from, 2);
        break;
    case 4:
        std::memcpy(to, from, 4);
        break;
    case 8:
        std::memcpy(to, from, 8);
        break;
    default:
        std::memcpy(to, from, size);
    }
}
} // namespace

qzMemoryIOStream::qzMemoryIOStream(const qzUInt64& increaseStep) : m_increaseStep(increaseStep)
{
    if (increaseStep == 0)
        return;
    m_buffer = Allocate(increaseStep);
    if (!m_buffer)
        throw qzMemoryException(increaseStep);
    m_allocatedSize = increaseStep;
}

qzMemoryIOStream::qzMemoryIOStream(const qzMemoryIOStream& other)
    : m_increaseStep(other.m_increaseStep), m_dataLength(other.m_dataLength),
      m_allocatedSize(other.m_allocatedSize), m_position(other.m_position)
{
    if (other.m_allocatedSize == 0)
        return;
    m_buffer = Allocate(other.m_allocatedSize);
    if (!m_buffer)
        throw qzMemoryException(other.m_allocatedSize);
    if (other.m_dataLength)
        std::memcpy(m_buffer, other.m_buffer, static_cast<std::size_t>(other.m_dataLength));
}

qzMemoryIOStream::qzMemoryIOStream(qzMemoryIOStream&& other) noexcept
{
    Swap(other);
}

qzMemoryIOStream& qzMemoryIOStream::operator=(const qzMemoryIOStream& other)
{
    if (this != &other)
    {
        qzMemoryIOStream copy(other);
        Swap(copy);
    }
    return *this;
}

qzMemoryIOStream& qzMemoryIOStream::operator=(qzMemoryIOStream&& other) noexcept
{
    if (this != &other)
    {
        Clear();
        Swap(other);
    }
    return *this;
}

qzMemoryIOStream::~qzMemoryIOStream()
{
    std::free(m_buffer);
}

void qzMemoryIOStream::Swap(qzMemoryIOStream& other) noexcept
{
    std::swap(m_increaseStep, other.m_increaseStep);
    std::swap(m_dataLength, other.m_dataLength);
    std::swap(m_allocatedSize, other.m_allocatedSize);
    std::swap(m_buffer, other.m_buffer);
    std::swap(m_position, other.m_position);
}

void qzMemoryIOStream::Clear()
{
    std::free(m_buffer);
    m_buffer = nullptr;
    m_increaseStep = 0;
    m_dataLength = 0;
    m_allocatedSize = 0;
    m_position = 0;
}

void qzMemoryIOStream::Grow(qzUInt64 missing)
{
    constexpr qzUInt64 kMax = std::numeric_limits<qzUInt64>::max();
    // A step of 0 cannot grow the buffer by whole steps: refuse instead of looping or dividing by 0.
    if (m_increaseStep == 0)
        throw qzMemoryException(missing > kMax - m_allocatedSize ? kMax : m_allocatedSize + missing);
    const qzUInt64 steps = missing / m_increaseStep + 1;
    if (steps > (kMax - m_allocatedSize) / m_increaseStep)
        throw qzMemoryException(kMax);
    const qzUInt64 newSize = m_allocatedSize + steps * m_increaseStep;
    void* grown = newSize <= std::numeric_limits<std::size_t>::max()
                      ? std::realloc(m_buffer, static_cast<std::size_t>(newSize))
                      : nullptr;
    if (!grown)
        throw qzMemoryException(newSize);
    m_buffer = static_cast<unsigned char*>(grown);
    m_allocatedSize = newSize;
}

void qzMemoryIOStream::Write(const void* buffer, const qzUInt64& size)
{
    if (size == 0)
        return;
    const qzUInt64 remaining = m_allocatedSize - m_position;
    if (remaining < size)
        Grow(size - remaining);
    Copy(m_buffer + m_position, buffer, static_cast<std::size_t>(size));
    m_position += size;
    // A write that runs past the end extends the data, wherever it started.
    if (m_position > m_dataLength)
        m_dataLength = m_position;
}

void qzMemoryIOStream::Read(void* buffer, qzUInt64& size)
{
    const qzUInt64 available = m_dataLength - m_position;
    const qzUInt64 n = size < available ? size : available;
    if (n)
        Copy(buffer, m_buffer + m_position, static_cast<std::size_t>(n));
    m_position += n;
    size = n;
}

void qzMemoryIOStream::Rewind(const qzUInt64& position)
{
    if (position > m_dataLength)
        throw qzIdxRangeException<qzUInt64>(m_dataLength - 1, position);
    m_position = position;
}
} // namespace misc
