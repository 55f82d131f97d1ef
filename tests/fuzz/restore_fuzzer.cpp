// The libFuzzer target of the restore path: any bytes, as one archive or as the volumes of one,
// must end in a result code, without a crash, a leak, undefined behaviour, or a file created
// outside the directory restored into.
#include "restore_input.hpp"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const kvarn::backup::fuzzing::RestoreOutcome outcome =
        kvarn::backup::fuzzing::RestoreFromMemory(data, size);
    if (outcome.unsafePlaces > 0 || outcome.code < BR_OK || outcome.code > BR_ERR_DRIVE_OUTOFSPACE)
        std::abort();
    return 0;
}
