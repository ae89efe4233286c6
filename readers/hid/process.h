// The link behind the exports; the tests, linked with it, give it a fake device.
#pragma once

#include "hidlink.h"

namespace rfidhid {
HidLink &processLink();
}
