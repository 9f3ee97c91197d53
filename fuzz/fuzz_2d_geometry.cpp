// Reads arbitrary bytes as a run of 2D elements: the first byte picks the encoding flags and
// whether the first code is peeked, the second the stored version. Every element read must
// write and read back to the same bytes; anything but a documented exception is a finding.
#include "brimlib/qzException.h"
#include "paramformat/qzBI2dGeometry.h"
#include "paramformat/qzBO2dGeometry.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace
{
using Element = misc::qzAutoPointer<cadcam::qz2dGeometry<double>>;

std::string Bytes(const misc::qzMemoryIOStream& stream)
{
    const char* data = static_cast<const char*>(stream.GetBuffer());
    return std::string(data, static_cast<std::size_t>(stream.GetDataLength()));
}

void CheckRoundTrip(const cadcam::qz2dGeometry<double>& element)
{
    // Outside any handler: a refusal here is a finding, not a documented outcome.
    misc::qzMemoryIOStream first(256);
    cadcam::qzBO2dGeometry<double>(first) << element;
    first.Rewind(0);
    cadcam::qzBI2dGeometry<double> reader(first, 226);
    Element back;
    reader >> back;
    misc::qzMemoryIOStream second(256);
    cadcam::qzBO2dGeometry<double>(second) << back;
    if (first.GetPosition() != first.GetDataLength() || Bytes(first) != Bytes(second))
        __builtin_trap();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    const uint8_t flags = data[0];
    const unsigned version = 3 + data[1] % 224;
    misc::qzMemoryIOStream input(256);
    input.Write(data + 2, size - 2);
    input.Rewind(0);
    cadcam::qzBI2dGeometry<double> reader(input, version, flags & 1, flags & 2, flags & 4);
    try
    {
        if (flags & 8)
            reader.PeekGeometryType();
    }
    catch (const misc::qzException&)
    {
        return 0;
    }
    // Every element consumes at least its code, so the loop ends with the input.
    while (input.GetPosition() < input.GetDataLength())
    {
        Element element;
        try
        {
            reader >> element;
        }
        catch (const misc::qzException&)
        {
            return 0;
        }
        CheckRoundTrip(*element);
    }
    return 0;
}
