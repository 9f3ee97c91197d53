// Umbrella header of toolpaths, move comparison, posted-move lists and the node pool.
#pragma once

#include "brimlib/qzCNCMove.h"
#include "brimlib/qzPostedMove.h"
#include "toolpath/qzCollectionOfContainers.h"
#include "toolpath/qzEnrichedPostedMove.h"
#include "toolpath/qzHeapAllocator.h"
#include "toolpath/qzMemoryPool.h"
#include "toolpath/qzMemoryPoolList.h"
#include "toolpath/qzMovesAccessor.h"
#include "toolpath/qzMovesCompMethods.h"
#include "toolpath/qzToolPath.h"
