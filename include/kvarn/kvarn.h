/*
 * kvarn.h - the C interface of libkvarn, written by hand.
 *
 * Declares every C-linkage function the library exports and defines, once, every packed record
 * that the module exchanges with other programs. Compiles as C11 on its own
 * (gcc -std=c11 -I include); C++ code includes it too. Records are packed, little-endian,
 * and each layout is pinned by _Static_assert on its size and offsets.
 */
#ifndef KVARN_KVARN_H
#define KVARN_KVARN_H

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
#define KVARN_C_BEGIN extern "C" {
#define KVARN_C_END }
#define KVARN_STATIC_ASSERT static_assert
#else
#define KVARN_C_BEGIN
#define KVARN_C_END
#define KVARN_STATIC_ASSERT _Static_assert
#endif

/* Marks a name that libkvarn exports; the linker version script lists the same names. */
#define KVARN_EXPORT __attribute__((visibility("default")))

#pragma pack(push, 1)

/*
 * dateDOS - the host's 4-byte calendar date, as it appears inside exchanged records.
 *   offset 0: year, 16-bit little-endian (e.g. 2025)
 *   offset 2: day of the month, 1..31
 *   offset 3: month, 1..12
 * An empty date is all zero bytes.
 */
typedef struct dateDOS {
    uint16_t annee;
    uint8_t jour;
    uint8_t mois;
} dateDOS;

#pragma pack(pop)

KVARN_STATIC_ASSERT(sizeof(dateDOS) == 4, "dateDOS is 4 bytes");
KVARN_STATIC_ASSERT(offsetof(dateDOS, annee) == 0, "dateDOS.annee at 0");
KVARN_STATIC_ASSERT(offsetof(dateDOS, jour) == 2, "dateDOS.jour at 2");
KVARN_STATIC_ASSERT(offsetof(dateDOS, mois) == 3, "dateDOS.mois at 3");

KVARN_C_BEGIN

/* The library's version, "major.minor.patch". */
KVARN_EXPORT const char* kvarn_version(void);

KVARN_C_END

#endif /* KVARN_KVARN_H */
