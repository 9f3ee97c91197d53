// Writer of machine definitions.
#pragma once

#include "brimlib/qzMachDef.h"
#include "paramformat/qzBOCadcamTypes.h"

namespace post
{
/// Writes a machine definition: units, number of axes and machine type (4-byte enumerations),
/// spindle direction, the rotary axes of its variant, translation limits and axes.
class TESSAFORM_API qzBOPostTypes
{
public:
    qzBOPostTypes(misc::qzBinOutputStream& stream, bool shrinkData);

    /// qzException "Machine definition does not match its number of axes" when the object is
    /// not the variant its number of axes names.
    misc::qzBinOutputStream& operator<<(const qzMachDef& machDef);

private:
    misc::qzBinOutputStream& m_stream;
    cadcam::qzBOCadcamTypes m_cadcam;
};
} // namespace post
