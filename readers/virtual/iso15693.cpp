#include "vreader.h"

namespace vreader {

void registerIso15693(VirtualReader &)
{
}

} // namespace vreader
