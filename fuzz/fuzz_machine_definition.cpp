// Reads arbitrary bytes as machine definitions, their builder and the machine extra parameters
// of any stored version: the result is a value or a documented exception, and a value read
// from the newest layout writes and reads back unchanged unless the re-read repaired it.
#include "codec_fuzz.h"

#include "paramformat/qzBIPostTypes.h"
#include "paramformat/qzBOPostTypes.h"

#include <vector>

namespace
{
template <class T, class Write> void Run(fuzz::Frame& f, Write write)
{
    std::vector<misc::qzBILostData> lost;
    T value{};
    post::qzBIPostTypes(f.stream, f.version, f.shrink, f.unicode, f.wide, lost) >> value;
    if (!f.Newest())
        return;
    fuzz::CheckStable(value, write, [](misc::qzMemoryIOStream& s, T& v) {
        std::vector<misc::qzBILostData> again;
        post::qzBIPostTypes(s, 226, false, false, false, again) >> v;
        return again.empty();
    });
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::Frame f;
    if (!f.Parse(data, size))
        return 0;
    try
    {
        switch (f.selector % 3)
        {
        case 0:
            Run<misc::qzAutoPointer<post::qzMachDef>>(f, [](misc::qzMemoryIOStream& s, const auto& v) {
                post::qzBOPostTypes(s, false) << *v;
            });
            break;
        case 1:
            Run<post::qzMachDefBuilder>(
                f, [](misc::qzMemoryIOStream& s, const auto& v) { post::qzBOPostTypes(s, false) << v; });
            break;
        default:
            Run<misc::qzAutoPointer<post::qzMXPParam>>(f, [](misc::qzMemoryIOStream& s, const auto& v) {
                post::qzBOPostTypes(s, false) << *v;
            });
            break;
        }
    }
    catch (const misc::qzException&)
    {
    }
    return 0;
}
