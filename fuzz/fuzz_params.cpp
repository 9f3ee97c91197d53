// Reads a whole parameter set from arbitrary bytes: the first byte picks the stored version
// (2 to 257, so that refused versions are tried too), the second the shrink-data, unicode,
// 64-bit-size and validate flags; the rest is the stream. Any outcome but a documented
// exception, or a read that breaks the reader's promises, is a finding.
#include "brimlib/qzException.h"
#include "foundation/qzBinStreams.h"
#include "paramformat/qzBI5axParams3.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    const unsigned version = 2u + data[0];
    const uint8_t flags = data[1];
    misc::qzMemoryIOStream stream(size);
    stream.Write(data + 2, size - 2);
    stream.Rewind(0);
    const misc::qzBILostData earlier("earlier", -1);
    std::vector<misc::qzBILostData> lost{earlier};
    try
    {
        qzBI5axParams3 reader(stream, version, flags & 1, lost, flags & 2, flags & 4, flags & 8);
        qz5axParams params;
        reader >> params;
        // A set read whole has its four operations and a machine definition.
        if (params.GetCollControl().GetCollCtrlOperations().size() != 4 || params.GetMachDef().IsNull())
            std::abort();
    }
    catch (const misc::qzException&)
    {
    }
    if (lost.empty() || !(lost.front() == earlier)) // the caller's list is only appended to
        std::abort();
    return 0;
}
