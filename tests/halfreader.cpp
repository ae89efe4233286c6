// A reader library that lacks hidReadData, for the loader's error path.
#include "readers/reader_api.h"

extern "C" READER_EXPORT int READER_CALL hidWriteData(int, int length, unsigned char *)
{
    return length;
}
