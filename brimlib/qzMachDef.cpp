#include "brimlib/qzMachDef.h"

namespace post
{
qzMachDef::qzMachDef(measures::qzUnitsFactory::Units units) : measures::qzMeasurable(units) {}
qzMachDef::~qzMachDef() = default;

double qzMachDef::LimitRotation()
{
    return 99999.0;
}

double qzMachDef::LimitTranslation()
{
    return 99999.0;
}

qz3axMachDef::qz3axMachDef(measures::qzUnitsFactory::Units units) : qzMachDef(units) {}
qz4axMachDef::qz4axMachDef(measures::qzUnitsFactory::Units units) : qzMachDef(units) {}
qz5axMachDef::qz5axMachDef(measures::qzUnitsFactory::Units units) : qzMachDef(units) {}
qz6axMachDef::qz6axMachDef(measures::qzUnitsFactory::Units units) : qzMachDef(units) {}
} // namespace post
