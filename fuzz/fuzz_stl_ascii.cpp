// Parses arbitrary text as ASCII STL: the result is a mesh or a documented parser error.
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
    using P = cadcam::qzTPoint3d<double>;
    std::istringstream text(std::string(reinterpret_cast<const char*>(data), size));
    cadcam::qzTMesh<double> mesh(measures::qzUnitsFactory::METRIC);
    try
    {
        cadcam::qzTSTLTranslator<double, P, P>::ReadSTLAscii(text, mesh);
        TrapOnDanglingCorners(mesh);
    }
    catch (const misc::qzException&)
    {
    }
    return 0;
}
