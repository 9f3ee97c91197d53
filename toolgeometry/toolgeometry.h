// Umbrella header of tool geometry: solid-definition checks and meshes, revolved profiles and
// their shapes, profile approximation and tool recognition.
#pragma once

#include "toolgeometry/qz3dShape.h"
#include "toolgeometry/qzCasting2SolidDefinitionChecker.h"
#include "toolgeometry/qzCuttingPartToolProfileVisitor.h"
#include "toolgeometry/qzGeneric2TypedToolConverter.h"
#include "toolgeometry/qzProfileToShapeIf.h"
#include "toolgeometry/qzRevolveProfileSrv.h"
#include "toolgeometry/qzSolidDefinitionMeshFactory.h"
#include "toolgeometry/qzToolApproximationHelper.h"
#include "toolgeometry/qzToolCreator.h"
#include "toolgeometry/qzToolFactory.h"
#include "toolgeometry/qzTruncatedCone.h"
