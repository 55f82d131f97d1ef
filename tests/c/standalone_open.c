/* Another program's view of the library: open a dossier through the standalone entry, bracket a
 * call with InitKV/DesinitKV, close; and a directory without a dossier record is refused. */
#include <kvarn/kvarn.h>

#include "expect.h"

#include <stdio.h>
#include <string.h>

int main(int argc, char** argv) {
    if (argc != 3) {
        fprintf(stderr, "usage: %s DOSSIER REPERTOIRE_VIDE\n", argv[0]);
        return 2;
    }
    expect(strlen(kvarn_version()) > 0, "version");
    expect(kvarn_standalone_open(argv[1]) == 0, "a dossier opens");
    InitKV();
    InitKV();
    DesinitKV();
    DesinitKV();
    DesinitKV(); /* one too many: harmless */
    expect(_Run(2) == 1, "_Run(2) answers 1");
    _KVAffecterAssistantDeChargement(6);
    kvarn_standalone_close();
    expect(kvarn_standalone_open(argv[2]) != 0, "a directory without a dossier record is refused");
    expect(kvarn_standalone_open("") != 0, "an empty path is refused");
    kvarn_standalone_close();
    return finish();
}
