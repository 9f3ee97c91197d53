// The version of the library, as built and as the headers state it.
#pragma once

#include "tessaform_export.h"
#include "tessaform_version.h"

namespace misc
{
/// "major.minor.patch" of the loaded library; a host compares it with TESSAFORM_VERSION to
/// notice that it runs against another build than the headers it was compiled with.
TESSAFORM_API const char* GetTessaformVersion();
} // namespace misc
