// Reads arbitrary bytes as tool records of any stored version: the first byte picks the
// encoding flags, the record kind and the default units, the next two the version. Whatever
// reads must write at the newest version and read back to the same bytes; anything but a
// documented exception is a finding.
#include "brimlib/qzException.h"
#include "paramformat/qzBITools.h"
#include "paramformat/qzBOTools.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace
{
std::string Bytes(const misc::qzMemoryIOStream& stream)
{
    const char* data = static_cast<const char*>(stream.GetBuffer());
    return std::string(data, static_cast<std::size_t>(stream.GetDataLength()));
}

/// One record of any kind, read and written whole.
struct Record
{
    unsigned kind;
    misc::qzAutoPointer<cadcam::qzTool> tool;
    cadcam::qzEnrichedTool enriched;
    cadcam::qzTool::Holder holder;
    cadcam::qzTool::Arbor arbor;
    cadcam::qzTool::ToolPart part;
    cadcam::qzShoulderExtender shoulder;

    void Read(cadcam::qzBITools& in)
    {
        switch (kind)
        {
        case 0:
            in >> tool;
            break;
        case 1:
            in >> enriched;
            break;
        case 2:
            in >> holder;
            break;
        case 3:
            in >> arbor;
            break;
        case 4:
            in >> part;
            break;
        default:
            in >> shoulder;
        }
    }

    void Write(cadcam::qzBOTools& out) const
    {
        switch (kind)
        {
        case 0:
            out << *tool;
            break;
        case 1:
            out << enriched;
            break;
        case 2:
            out << *holder;
            break;
        case 3:
            out << *arbor;
            break;
        case 4:
            out << *part;
            break;
        default:
            out << shoulder;
        }
    }
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 3)
        return 0;
    const uint8_t flags = data[0];
    const unsigned kind = (flags >> 3) & 7;
    const auto units = static_cast<measures::qzUnitsFactory::Units>((flags >> 6) % 3);
    const unsigned version = 3 + (data[1] | data[2] << 8) % 224;
    misc::qzMemoryIOStream input(256);
    input.Write(data + 3, size - 3);
    input.Rewind(0);
    Record record{kind, {}, {}, {}, {}, {}, cadcam::qzShoulderExtender()};
    try
    {
        cadcam::qzBITools in(input, version, flags & 1, flags & 2, flags & 4, units);
        record.Read(in);
    }
    catch (const misc::qzException&)
    {
        return 0;
    }
    // What was read writes at the newest version, reads back and writes the same bytes again;
    // an exception here escapes as a finding.
    misc::qzMemoryIOStream first(256);
    cadcam::qzBOTools out(first);
    record.Write(out);
    first.Rewind(0);
    Record again{kind, {}, {}, {}, {}, {}, cadcam::qzShoulderExtender()};
    cadcam::qzBITools in(first, cadcam::qzBOTools::kVersion);
    again.Read(in);
    misc::qzMemoryIOStream second(256);
    cadcam::qzBOTools rewrite(second);
    again.Write(rewrite);
    if (first.GetPosition() != first.GetDataLength() || Bytes(first) != Bytes(second))
        __builtin_trap();
    return 0;
}
