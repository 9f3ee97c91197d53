// Umbrella header of tool geometry: solid-definition checks and meshes.
#pragma once

#include "toolgeometry/qzCasting2SolidDefinitionChecker.h"
#include "toolgeometry/qzSolidDefinitionMeshFactory.h"
