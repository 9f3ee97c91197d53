// Drives the primitive decoders over arbitrary bytes: the first byte picks the encoding flags,
// every following byte one read. Any outcome but a documented exception is a finding.
#include "brimlib/qzException.h"
#include "brimlib/qzFileStreams.h"
#include "foundation/qzBasicTypes.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    const uint8_t flags = data[0];
    const std::size_t split = 1 + (data[1] % 16);
    if (size < split + 1)
        return 0;
    misc::qzMemoryIOStream stream(64);
    stream.Write(data + split + 1, size - split - 1);
    stream.Rewind(0);
    misc::qzBIBasicTypes in(stream, flags & 1, flags & 2, flags & 4);
#if defined(_WIN32)
    static misc::qzOFStream sink("NUL", misc::qzOpenMode::binary);
#else
    static misc::qzOFStream sink("/dev/null", misc::qzOpenMode::binary);
#endif
    try
    {
        for (std::size_t i = 2; i <= split; ++i)
        {
            switch (data[i] % 14)
            {
            case 0: { int v; in >> v; break; }
            case 1: { unsigned long v; in >> v; break; }
            case 2: { double v; in >> v; break; }
            case 3: { float v; in >> v; break; }
            case 4: { std::string v; in >> v; break; }
            case 5: { misc::qzStreamableSize_t v; in >> v; break; }
            case 6: { misc::qzStreamableUnsignedInt64 v; in >> v; break; }
            case 7: { bool v; in >> v; break; }
            case 8: { wchar_t v; in >> v; break; }
            case 9: { short v; in >> v; break; }
            case 10: { misc::qzInt64 v; in >> v; break; }
            case 11: { long double v; in >> v; break; }
            case 12: { char v; in >> v; break; }
            case 13: { in >> sink; break; }
            }
        }
    }
    catch (const misc::qzException&)
    {
    }
    return 0;
}
