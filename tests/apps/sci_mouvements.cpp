// Adds the hand-made SCI's movements and links (support/sci_exemple.hpp) to a dossier whose
// associates the command line created: sci_mouvements DIR A B H J P (the associates' keys).
#include "support/sci_exemple.hpp"

#include <kvarn/kvarn.h>

#include <cstdlib>
#include <exception>
#include <iostream>

int main(int argc, char** argv) {
    if (argc != 7) {
        std::cerr << "usage : sci_mouvements DOSSIER A B H J P\n";
        return 2;
    }
    if (kvarn_standalone_open(argv[1]) != 0) return 1;
    int status = 0;
    InitKV();
    try {
        kvarn::testing_support::SciExemple sci;
        int* cles[] = {&sci.a, &sci.b, &sci.h, &sci.j, &sci.p};
        for (int i = 0; i < 5; ++i) *cles[i] = std::atoi(argv[i + 2]);
        kvarn::testing_support::AjouterMouvementsSciExemple(sci);
    } catch (const std::exception& erreur) {
        std::cerr << erreur.what() << '\n';
        status = 1;
    }
    DesinitKV();
    kvarn_standalone_close();
    return status;
}
