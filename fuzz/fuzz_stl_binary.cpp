// Reads arbitrary bytes as a binary STL file: the result is a mesh or qzSTLParserException 3501,
// never a crash, a hang or an allocation sized by the stored count.
#include "brimlib/qzException.h"
#include "mesh_invariants.h"
#include "mesh/qzTMesh.h"
#include "mesh/qzTSTLTranslator.h"

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using P = cadcam::qzTPoint3d<float>;
    std::istringstream text(std::string(reinterpret_cast<const char*>(data), size));
    misc::qzStdInputStream stream(text);
    cadcam::qzTMesh<float> mesh(measures::qzUnitsFactory::METRIC);
    try
    {
        cadcam::qzTSTLTranslator<float, P, P>::ReadSTLBinary(stream, mesh);
        TrapOnDanglingCorners(mesh);
    }
    catch (const misc::qzException&)
    {
    }
    return 0;
}
