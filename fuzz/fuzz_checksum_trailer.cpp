// Checks arbitrary bytes for a checksum trailer: the outcome must be a result or a documented
// exception, never a crash.
#include "brimlib/qzException.h"
#include "foundation/qzDataIntegrityUtils.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    misc::qzMemoryIOStream stream(32);
    stream.Write(data, size);
    try
    {
        if (misc::qzDataIntegrityUtils::HasChecksum(stream))
            misc::qzDataIntegrityUtils::VerifyChecksum(stream);
    }
    catch (const misc::qzException&)
    {
    }
    return 0;
}
