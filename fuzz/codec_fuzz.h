// The frame shared by the record-codec harnesses: bytes 0-1 pick the stored version (0 to 229,
// beyond both ends of the supported range), byte 2 the encoding flags (bit 0 shrink, 1 unicode,
// 2 64-bit sizes) and, in bits 3-7, which reader runs; the rest is the record.
#pragma once

#include "brimlib/qzException.h"
#include "foundation/qzBinStreams.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace fuzz
{
struct Frame
{
    unsigned version;
    bool shrink;
    bool unicode;
    bool wide;
    unsigned selector;
    misc::qzMemoryIOStream stream{256};

    /// False when the input is too short to hold the header.
    bool Parse(const uint8_t* data, size_t size)
    {
        if (size < 3)
            return false;
        version = (data[0] | (data[1] << 8)) % 230;
        shrink = data[2] & 1;
        unicode = data[2] & 2;
        wide = data[2] & 4;
        selector = data[2] >> 3;
        if (size > 3)
            stream.Write(data + 3, size - 3);
        stream.Rewind(0);
        return true;
    }

    /// Plain newest-layout data: what the writers produce, so a read value must round-trip.
    bool Newest() const { return version >= 226 && !shrink && !unicode && !wide; }
};

inline std::string Bytes(const misc::qzMemoryIOStream& s)
{
    const char* data = static_cast<const char*>(s.GetBuffer());
    return data ? std::string(data, static_cast<std::size_t>(s.GetDataLength())) : std::string();
}

/// Writing what was read, reading that back and writing it again must give the same bytes,
/// and the second read must consume exactly what was written. `read(stream, value)` returns
/// false when the value may legitimately change on reading (a repair), so that bytes differ.
template <class T, class Write, class Read> void CheckStable(const T& value, Write write, Read read)
{
    misc::qzMemoryIOStream first;
    write(first, value);
    first.Rewind(0);
    T again{};
    const bool comparable = read(first, again);
    if (first.GetPosition() != first.GetDataLength())
        __builtin_trap();
    misc::qzMemoryIOStream second;
    write(second, again);
    if (comparable && Bytes(first) != Bytes(second))
        __builtin_trap();
}
} // namespace fuzz
