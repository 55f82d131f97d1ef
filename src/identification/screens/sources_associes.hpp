// What the associates' records give the identification screens, through small interfaces the
// screens are handed when they are created: the dossier's manager and co-manager (declarant and
// parties screen), the manager of the current associate (that screen under the associates) and
// the current associate's address at 1 January (the addresses screen under the associates). A
// screen handed none hides what the interface would fill.
//
// The implementations below go through the associates' exported interface only: GetGerant and
// GetCogerant for the dossier's managers, the cached list (DonnerAssocie) to read an associate,
// and the C interface's update (KVDonnerAssocie_C, KVMAJAssocie_C) to write one, which edits the
// associate's KOLMIKV1 row, posts it and keeps the cached list in step; the members the screens
// do not show are written back as the row holds them.
#pragma once

#include "frame/screens/screen.hpp"
#include "host/adresse.hpp"

#include <kvarn/associe.hpp>
#include <kvarn/kvarn.h>

#include <memory>
#include <optional>
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

// The dossier's manager (GetGerant, with its warnings) and its first co-manager (GetCogerant).
const DirigeantsDossier& DirigeantsDesAssocies();

// The associate the wizard's screens under the associates list stand on. That list is where the
// user moves from one associate to the next; until it gives its row, the current associate is
// the first of the cached list in key order, as a list opens on its first row. None when the
// dossier has no associate.
std::optional<Associe> AssocieCourant();
// The associate as the screens name it: its name, then its first names.
std::string NomAssocie(const Associe& associe);
// The read-only field "associe" that the screens' associates' variants show first (`montre`):
// whose data they show, or that the dossier has no associate. Elsewhere it is hidden.
inline constexpr const char* kChampAssocie = "associe";
frame::Field ChampAssocie(const std::optional<Associe>& associe, bool montre);

// The manager of the associate `id` (a legal person) and its address at 1 January, on its row of
// KOLMIKV1. Writing refuses, before anything is written, a text the row's code page cannot hold,
// and an associate that no longer exists.
std::unique_ptr<GerantAssocie> GerantDeLAssocie(int id);
std::unique_ptr<Adresse1erJanvier> Adresse1erJanvierDeLAssocie(int id);

}  // namespace kvarn::identification
