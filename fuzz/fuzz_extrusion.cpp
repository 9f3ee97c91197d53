// Reads arbitrary bytes as a closed outline (small integer corners, so that coincident,
// collinear and crossing edges are common), an offset and an extrusion, and meshes it: the
// result is a mesh or one of the documented errors, never a crash, a hang or a stray index.
#include "brimlib/qzException.h"
#include "mesh_invariants.h"
#include "brimlib/qzSolidDefinition.h"
#include "geometry/qz2dLine.h"
#include "toolgeometry/qzSolidDefinitionMeshFactory.h"

#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 3)
        return 0;
    const double offset = (static_cast<int8_t>(data[0]) % 5) * 0.5;
    const double height = static_cast<int8_t>(data[1]) % 20;
    const double shear = static_cast<int8_t>(data[2]) % 4;
    std::vector<misc::qzAutoPointer<cadcam::qz2dPoint<double>>> corners;
    for (size_t i = 3; i + 1 < size && corners.size() < 64; i += 2)
        corners.push_back(misc::qzMakeAutoPointer<cadcam::qz2dPoint<double>>(static_cast<int8_t>(data[i]) % 16,
                                                                             static_cast<int8_t>(data[i + 1]) % 16));
    if (corners.empty())
        return 0;
    auto outline = misc::qzMakeAutoPointer<cadcam::qz2dContour<double>>();
    for (size_t i = 0; i < corners.size(); ++i)
        outline->AddGeometry(
            misc::qzMakeAutoPointer<cadcam::qz2dLine<double>>(corners[i], corners[(i + 1) % corners.size()]));
    const cadcam::qzExtrudedSolidDefinition<double> solid(measures::qzUnitsFactory::METRIC,
                                                          cadcam::qzExtrusionBase<double>(outline, 0.0),
                                                          cadcam::qz3dPoint<double>(shear, 0, height));
    try
    {
        const auto mesh = cadcam::qzSolidDefinitionMeshFactory<double>::Create(solid, offset, 0.01);
        TrapOnDanglingCorners(*mesh);
    }
    catch (const misc::qzException&)
    {
    }
    catch (qzcadcamException::errorIDD)
    {
    }
    return 0;
}
