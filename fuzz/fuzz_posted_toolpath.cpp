// Reads arbitrary bytes as posted toolpaths and alignment matrices of any stored version: the
// result is a value or a documented exception, and a value read from the newest layout writes
// and reads back unchanged.
#include "codec_fuzz.h"

#include "paramformat/qzBIPostTypes.h"
#include "paramformat/qzBOPostTypes.h"

namespace
{
template <class T> void Run(fuzz::Frame& f)
{
    T value{};
    post::qzBIPostTypes(f.stream, f.version, f.shrink, f.unicode, f.wide) >> value;
    if (!f.Newest())
        return;
    fuzz::CheckStable(
        value, [](misc::qzMemoryIOStream& s, const T& v) { post::qzBOPostTypes(s, false) << v; },
        [](misc::qzMemoryIOStream& s, T& v) {
            post::qzBIPostTypes(s, 226, false, false, false) >> v;
            return true;
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
        if (f.selector % 2 == 0)
            Run<post::qzPostedTP>(f);
        else
            Run<misc::qzAutoPointer<post::qzPostedTP::Matrix>>(f);
    }
    catch (const misc::qzException&)
    {
    }
    return 0;
}
