#include "vreader.h"

namespace vreader {

void registerTypeB(VirtualReader &)
{
}

} // namespace vreader
