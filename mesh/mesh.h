// Umbrella header of meshes and STL.
#pragma once

#include "mesh/qzContainerMesh.h"
#include "mesh/qzTMesh.h"
#include "mesh/qzParser.h"
#include "mesh/qzSTLParser.h"
#include "mesh/qzTSTLTranslator.h"
