// Umbrella header of the foundation: exceptions, byte streams and primitive codecs.
#pragma once

#include "foundation/qzIdxRangeException.h"
#include "foundation/qzRangeException.h"
#include "foundation/qzMemoryException.h"
#include "foundation/qzParserException.h"
#include "foundation/qzWMException.h"
#include "foundation/qzBinStreams.h"
#include "foundation/qzFileStreamEx.h"
#include "foundation/qzStdStreams.h"
#include "foundation/qzTempFile.h"
#include "foundation/qzBasicTypes.h"
#include "foundation/qzChecksum.h"
#include "foundation/qzDataIntegrityUtils.h"
#include "foundation/qzVersion.h"
