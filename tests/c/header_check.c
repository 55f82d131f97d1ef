/* The umbrella header must compile as plain C11 with nothing else on the include path. */
#include <kvarn/kvarn.h>

_Static_assert(sizeof(dateDOS) == 4, "dateDOS seen from C");

const char* kvarn_header_check(void) { return kvarn_version(); }
