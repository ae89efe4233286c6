#include "vreader.h"

namespace vreader {

void registerTypeA(VirtualReader &)
{
}

} // namespace vreader
