/* Another program walking the associates of a dossier it opens through the standalone entry:
 * counts, the three walks and the holders' walk (which skips the first associate), a look-up by key
 * with its successor, a record written back unchanged, the labels. The dossier holds, in key order:
 * SCI DU PORT (legal person, no share), DURAND (physical person, 10 shares), MARTIN (physical
 * person, 5 shares). */
#include <kvarn/kvarn.h>

#include "expect.h"

#include <stdio.h>
#include <string.h>

/* The names a walk gives, one after the other, joined by commas. */
static void walk(bool (*first)(ASSOCIE_C*), bool (*next)(ASSOCIE_C*), char* names, size_t size) {
    ASSOCIE_C a;
    names[0] = 0;
    for (bool more = first(&a); more; more = next(&a)) {
        if (names[0]) strncat(names, ",", size - strlen(names) - 1);
        strncat(names, a.Nom, size - strlen(names) - 1);
    }
}

int main(int argc, char** argv) {
    if (argc != 2) {
        fprintf(stderr, "usage: %s DOSSIER\n", argv[0]);
        return 2;
    }
    expect(kvarn_standalone_open(argv[1]) == 0, "the dossier opens");
    KVOuvreAssocie_C();
    uint16_t total = 0, physiques = 0, morales = 0;
    KVDonnerNbAssocies_C(&total, &physiques, &morales);
    expect(total == 3 && physiques == 2 && morales == 1, "counts 3, 2, 1");
    KVDonnerNbAssociesAyantPartsPP_C(&total, NULL, &morales);
    expect(total == 2 && morales == 0, "holders 2, of which no legal person");

    char names[200];
    walk(KVDonnePremierAssocie_C, KVDonneAssocieSuivant_C, names, sizeof names);
    expect(strcmp(names, "SCI DU PORT,DURAND,MARTIN") == 0, "all associates in table order");
    walk(KVDonnePremierAssociePM_C, KVDonneAssociePMSuivant_C, names, sizeof names);
    expect(strcmp(names, "SCI DU PORT") == 0, "legal persons");
    walk(KVDonnePremierAssociePP_C, KVDonneAssociePPSuivant_C, names, sizeof names);
    expect(strcmp(names, "DURAND,MARTIN") == 0, "physical persons");
    walk(KVDonnePremierAssocieAyantPartsPP_C, KVDonneAssocieSuivantAyantPartsPP_C, names, sizeof names);
    expect(strcmp(names, "DURAND,MARTIN") == 0, "holders of full ownership");
    expect(!KVDonnePremierAssocie_C(NULL), "a null record gives false");

    ASSOCIE_C a;
    int32_t suivant = -1;
    expect(KVDonnerAssocie_C(2, &a, &suivant) && suivant == 3 && a.NbPartsPPFinExo == 10, "associate 2, then 3");
    expect(!KVDonnerAssocie_C(99, &a, &suivant) && suivant == 0, "no associate 99, no successor");
    expect(KVDonnerAssocieAyantPartsPP_C(1, &a, &suivant) && a.ShIDAssocie == 2, "from 1, not a holder: 2");
    expect(KVMAJAssocie_C(&a), "written back");
    ASSOCIE_C relu;
    expect(KVDonnerAssocie_C(2, &relu, NULL) && memcmp(&a, &relu, sizeof a) == 0, "read again unchanged");
    expect(strcmp(DonnerQualite_C(7), "Associ\x82") == 0, "quality 7 in the OEM code page");
    expect(strcmp(DonnerQualite_C(13), "") == 0, "no quality 13");
    KVFermeAssocie_C();
    kvarn_standalone_close();
    return finish();
}
