#include "foundation/qzVersion.h"

namespace misc
{
// Compiled into the library, so the answer is the loaded library's version even when a client
// was built against other headers.
const char* GetTessaformVersion()
{
    return TESSAFORM_VERSION;
}
} // namespace misc
