// Reads arbitrary bytes as moves, toolpaths, enriched posted moves and their toolpaths of any
// stored version: the result is a value or a documented exception, and a value read from the
// newest layout writes and reads back unchanged.
#include "codec_fuzz.h"

#include "paramformat/qzBICadcamTypes.h"
#include "paramformat/qzBOCadcamTypes.h"
#include "toolpath/qzEnrichedPostedMove.h"
#include "toolpath/qzToolPath.h"

namespace
{
template <class T> void Check(const T& value)
{
    fuzz::CheckStable(
        value, [](misc::qzMemoryIOStream& s, const T& v) { cadcam::qzBOCadcamTypes(s, false) << v; },
        [](misc::qzMemoryIOStream& s, T& v) {
            cadcam::qzBICadcamTypes2(s, 226, false, false, false) >> v;
            return true;
        });
}

template <class T> void Run(fuzz::Frame& f)
{
    cadcam::qzBICadcamTypes2 reader(f.stream, f.version, f.shrink, f.unicode, f.wide);
    T value{};
    reader >> value;
    if (f.Newest())
        Check(value);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::Frame f;
    if (!f.Parse(data, size))
        return 0;
    try
    {
        switch (f.selector % 4)
        {
        case 0:
            Run<misc::qzAutoPointer<cadcam::qzCNCMove>>(f);
            break;
        case 1:
            Run<cadcam::qzToolPath>(f);
            break;
        case 2:
            Run<qzEnrichedPostedMove>(f);
            break;
        default:
            Run<cadcam::qzEnrichedPostedTP>(f);
            break;
        }
    }
    catch (const misc::qzException&)
    {
    }
    return 0;
}
