// Fixed-width integer names of the binary format.
#pragma once

namespace misc
{
// 64-bit integers are `long long` on every platform: `std::int64_t` is `long` on LP64 systems,
// and `long` has an encoding of its own (4 bytes), so the two must stay distinct overloads.
/// Signed 64-bit integer of the binary format.
using qzInt64 = long long;
/// Unsigned 64-bit integer of the binary format.
using qzUInt64 = unsigned long long;

static_assert(sizeof(qzInt64) == 8 && sizeof(qzUInt64) == 8, "64-bit integers must be 8 bytes");
} // namespace misc
