/* The checks of the C test programs: each names what failed on stderr; finish() prints the counts
 * and gives the exit status. One program per file, so the counters can be file-local. */
#ifndef KVARN_TESTS_C_EXPECT_H
#define KVARN_TESTS_C_EXPECT_H

#include <stdio.h>

static int checks = 0;
static int failures = 0;

static void expect(int condition, const char* what) {
    ++checks;
    if (!condition) {
        ++failures;
        fprintf(stderr, "FAIL: %s\n", what);
    }
}

static int finish(void) {
    printf("%d passed, %d failed\n", checks - failures, failures);
    return failures == 0 ? 0 : 1;
}

#endif
