// What the associates' records give the identification screens, through small interfaces the
// screens are handed when they are created: the dossier's manager and co-manager (declarant and
// parties screen), the manager of the current associate (that screen under the associates) and
// the current associate's address at 1 January (the addresses screen under the associates). A
// screen handed none hides what the interface would fill; the associates subsystem implements
// them over its records and its C interface.
#pragma once

#include "host/adresse.hpp"

#include <kvarn/kvarn.h>

#include <string>

namespace kvarn::identification {

class DirigeantsDossier {
public:
    virtual ~DirigeantsDossier() = default;
    // True, and the record filled, when the dossier has one.
    virtual bool Gerant(INTERVENANT_KV& gerant) const = 0;
    virtual bool Cogerant(INTERVENANT_KV& cogerant) const = 0;
};

struct DirigeantAssocie {
    std::string nom;
    std::string prenom;
    host::TAdresseFormatTDFC adresse;
};

class GerantAssocie {
public:
    virtual ~GerantAssocie() = default;
    virtual DirigeantAssocie Lire() const = 0;
    virtual void Ecrire(const DirigeantAssocie& gerant) = 0;
};

class Adresse1erJanvier {
public:
    virtual ~Adresse1erJanvier() = default;
    virtual host::TAdresseFormatTDFC Lire() const = 0;
    virtual void Ecrire(const host::TAdresseFormatTDFC& adresse) = 0;
};

}  // namespace kvarn::identification
