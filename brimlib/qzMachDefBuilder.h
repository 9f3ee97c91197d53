// A machine definition with the name of its rotary axes and the factory that made it.
#pragma once

#include "brimlib/qzAutoPointer.h"
#include "brimlib/qzMachDef.h"

#include <string>

namespace post
{
/// What a host needs to rebuild a machine definition in its own machine catalogue.
class TESSAFORM_API qzMachDefBuilder
{
public:
    /// Where the definition came from.
    enum MachDefFactory : int
    {
        USER_DEFINED_FACTORY = 0,
        FILE_FACTORY = 1,
        STANDARD_FACTORY = 2
    };

    qzMachDefBuilder() = default;

    QZ_PARAM(misc::qzAutoPointer<qzMachDef>, MachDef, nullptr)
    QZ_PARAM(std::string, AxisName, std::string())
    QZ_PARAM(MachDefFactory, MachDefFactory, STANDARD_FACTORY)
};
} // namespace post
