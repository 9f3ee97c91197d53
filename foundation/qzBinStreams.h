// Abstract byte streams and the growable in-memory stream.
#pragma once

#include "tessaform_export.h"
#include "brimlib/qzTypes.h"

#include <cstring>

namespace misc
{
/// Source of bytes. `Read` takes the wanted byte count in `size` and returns the delivered count
/// in it (a stream either delivers fewer bytes or throws; see each implementation).
class TESSAFORM_API qzBinInputStream
{
public:
    /// Reads up to `size` bytes into `buffer`; `size` comes back as the count delivered.
    virtual void Read(void* buffer, qzUInt64& size) = 0;
    virtual ~qzBinInputStream();
};

/// Sink of bytes.
class TESSAFORM_API qzBinOutputStream
{
public:
    /// Writes the `size` bytes at `buffer`; a stream that cannot take them all throws.
    virtual void Write(const void* buffer, const qzUInt64& size) = 0;
    virtual ~qzBinOutputStream();
};

/// A stream that reads and writes.
class TESSAFORM_API qzBinIOStream : public qzBinInputStream, public qzBinOutputStream
{
public:
    ~qzBinIOStream() override;
};

/// A read/write stream of known length with a repositionable cursor.
class TESSAFORM_API qzPresetIOStream : public qzBinIOStream
{
public:
    ~qzPresetIOStream() override;
    /// Number of bytes held, wherever the cursor is.
    virtual qzUInt64 GetDataLength() const = 0;
    /// Moves the cursor to byte offset `position` from the start.
    virtual void Rewind(const qzUInt64& position) = 0;
};

/// Growable byte buffer with one cursor shared by reading and writing.
///
/// The buffer grows by whole multiples of the increase step: a write that does not fit adds
/// (missing / step + 1) * step bytes. A write extends the data length when it passes the end.
/// Reading at the end delivers fewer bytes (possibly 0) without an error. A failed growth
/// throws qzMemoryException and leaves buffer, length and cursor as they were.
class TESSAFORM_API qzMemoryIOStream : public qzPresetIOStream
{
public:
    /// An empty stream with one step allocated.
    explicit qzMemoryIOStream(const qzUInt64& increaseStep = 65536);
    /// Deep copy: data, cursor offset and step.
    qzMemoryIOStream(const qzMemoryIOStream& other);
    /// Takes over the buffer; `other` is left empty, as after Clear.
    qzMemoryIOStream(qzMemoryIOStream&& other) noexcept;
    /// Deep copy as by the copy constructor; on qzMemoryException this stream is unchanged.
    qzMemoryIOStream& operator=(const qzMemoryIOStream& other);
    /// Releases this buffer and takes over `other`'s; `other` is left empty, as after Clear.
    qzMemoryIOStream& operator=(qzMemoryIOStream&& other) noexcept;
    ~qzMemoryIOStream() override;

    /// Copies up to `size` bytes from the cursor; fewer (possibly 0) at the end, no error.
    void Read(void* buffer, qzUInt64& size) override;
    /// Bytes written so far: the highest offset any write reached.
    qzUInt64 GetDataLength() const override { return m_dataLength; }
    /// Moves the cursor to `position` (at most the data length); beyond it throws
    /// qzIdxRangeException<qzUInt64> with the data length - 1 as the largest index.
    void Rewind(const qzUInt64& position) override;
    /// Start of the buffer (null after Clear).
    virtual const void* GetBuffer() const { return m_buffer; }

    /// Copies the bytes at the cursor, growing the buffer by whole steps when needed;
    /// qzMemoryException when it cannot grow (always so with a step of 0).
    void Write(const void* buffer, const qzUInt64& size) override;

    /// Bytes added per growth step; 0 makes every write that needs more room fail.
    ///@{
    void SetIncreaseStep(const qzUInt64& step) { m_increaseStep = step; }
    qzUInt64 GetIncreaseStep() const { return m_increaseStep; }
    ///@}
    /// Bytes allocated, at least the data length.
    qzUInt64 GetAllocatedSize() const { return m_allocatedSize; }
    /// Cursor offset from the start of the buffer.
    qzUInt64 GetPosition() const { return m_position; }

    /// Releases the buffer; step, length and allocated size become 0. Set a step before writing.
    void Clear();

    /// Exchanges buffers, lengths, cursors and steps with `other`.
    void Swap(qzMemoryIOStream& other) noexcept;

    /// Fast path of Write for the codecs: copies `size` bytes when they fit in the allocated
    /// buffer and returns true; returns false (and changes nothing) when the buffer must grow.
    bool WriteInPlace(const void* buffer, std::size_t size) noexcept
    {
        if (m_allocatedSize - m_position < size)
            return false;
        std::memcpy(m_buffer + m_position, buffer, size);
        m_position += size;
        if (m_position > m_dataLength)
            m_dataLength = m_position;
        return true;
    }

    /// Fast path of Read for the codecs: copies `size` bytes when that many remain and returns
    /// true; returns false (and changes nothing) otherwise.
    bool ReadInPlace(void* buffer, std::size_t size) noexcept
    {
        if (m_dataLength - m_position < size)
            return false;
        std::memcpy(buffer, m_buffer + m_position, size);
        m_position += size;
        return true;
    }

private:
    void Grow(qzUInt64 missing);

    qzUInt64 m_increaseStep = 0;
    qzUInt64 m_dataLength = 0;
    qzUInt64 m_allocatedSize = 0;
    unsigned char* m_buffer = nullptr;
    qzUInt64 m_position = 0;
};
} // namespace misc
