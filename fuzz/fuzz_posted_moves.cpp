// Reads arbitrary bytes as posted moves of 3 to 6 axes and as pooled lists of them, of any
// stored version: the result is a value or a documented exception, and a value read from the
// newest layout writes and reads back unchanged.
#include "codec_fuzz.h"

#include "paramformat/qzBIPostTypes.h"
#include "paramformat/qzBOPostTypes.h"

namespace
{
template <class M> void RunMove(fuzz::Frame& f)
{
    M move;
    post::qzBIPostTypes(f.stream, f.version, f.shrink, f.unicode, f.wide) >> move;
    if (!f.Newest())
        return;
    fuzz::CheckStable(
        move, [](misc::qzMemoryIOStream& s, const M& m) { post::qzBOPostTypes(s, false) << m; },
        [](misc::qzMemoryIOStream& s, M& m) {
            post::qzBIPostTypes(s, 226, false, false, false) >> m;
            return true;
        });
}

template <class M> void RunList(fuzz::Frame& f, bool withPool)
{
    using List = misc::qzMemoryPoolList<M>;
    // One pool per kind for the whole run, emptied before each input: no blocks made per input.
    static misc::qzMemoryPool pool(List::NodeSize, 64);
    pool.Reset();
    List moves(withPool ? &pool : nullptr);
    post::qzBIPostTypes(f.stream, f.version, f.shrink, f.unicode, f.wide) >> moves;
    if (!f.Newest())
        return;
    misc::qzMemoryIOStream first, second;
    post::qzBOPostTypes(first, false) << moves;
    first.Rewind(0);
    List again(&pool);
    post::qzBIPostTypes(first, 226, false, false, false) >> again;
    post::qzBOPostTypes(second, false) << again;
    if (first.GetPosition() != first.GetDataLength() || again.size() != moves.size() ||
        fuzz::Bytes(first) != fuzz::Bytes(second))
        __builtin_trap();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::Frame f;
    if (!f.Parse(data, size))
        return 0;
    try
    {
        const bool withPool = f.selector < 24;
        switch (f.selector % 8)
        {
        case 0:
            RunMove<post::qzPosted3axMove>(f);
            break;
        case 1:
            RunMove<post::qzPosted4axMove>(f);
            break;
        case 2:
            RunMove<post::qzPosted5axMove>(f);
            break;
        case 3:
            RunMove<post::qzPosted6axMove>(f);
            break;
        case 4:
            RunList<post::qzPosted3axMove>(f, withPool);
            break;
        case 5:
            RunList<post::qzPosted4axMove>(f, withPool);
            break;
        case 6:
            RunList<post::qzPosted5axMove>(f, withPool);
            break;
        default:
            RunList<post::qzPosted6axMove>(f, withPool);
            break;
        }
    }
    catch (const misc::qzException&)
    {
    }
    return 0;
}
