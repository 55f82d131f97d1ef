// The library's version, set by the build from the project's version.
#include <kvarn/kvarn.h>

extern "C" KVARN_EXPORT const char* kvarn_version(void) { return KVARN_VERSION; }
