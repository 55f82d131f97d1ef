// One movement entered whole, as the command line enters it and the entry screen validates it:
// what its checks compare with, read from the dossier; its rows and links as stored; its writing
// and its deletion, each in one transaction; and what follows any change of the movements.
//
// The entry grid has a row for every associate but the beneficiaries, entered or not (the
// association screen's map of a sale counts every row), and every row is stored. The "before"
// values are the cached start-of-year shares plus the movements up to the entered date, the
// movement itself left out, each rounded to 5 decimals.
#pragma once

#include "movements/affectation_liens.hpp"
#include "movements/controle_mouvement.hpp"
#include "movements/table_mouvements.hpp"
#include "store/data_module.hpp"

#include <optional>
#include <vector>

namespace kvarn::movements {

ContexteControle ContexteDuDossier(store::TdmKvarn& module, int idMouvementExclu, double date);

// The grid's rows in key order: the entered row of an associate when there is one, else an empty
// row; entered rows of associates outside the grid come last (the checks refuse them).
std::vector<LigneDetail> LignesDeLaGrille(store::TdmKvarn& module, const std::vector<LigneDetail>& saisies);

// A stored movement's type and transferor, or nullopt when there is no such movement.
std::optional<TypeEtCedant> LireEnteteMouvement(store::TdmKvarn& module, int idMouvement);
std::vector<LigneDetail> LireLignesMouvement(store::TdmKvarn& module, int idMouvement);
// Links of the movement (0: of the start of the year).
std::vector<LienNPU> LireLiensMouvement(store::TdmKvarn& module, int idMouvement);

// The association screen's opening for a stored movement: its rows, its links, and the map its
// rows hand over unless the caller gives its own.
Affectation OuvrirAffectationStockee(store::TdmKvarn& module, int idMouvement, const CarteParts* carte = nullptr);
// Deletes the links the opening deletes and stores those it appends (their keys set).
void AppliquerAffectation(store::TdmKvarn& module, Affectation& affectation);
// Stores the link's number (its key set), or the link as a new row (its key 0).
void EcrireLien(store::TdmKvarn& module, LienNPU& lien);

// The movement, its rows and its links (their movement set) written together; its key.
int EnregistrerMouvement(store::TdmKvarn& module, const MouvementSaisi& saisie, std::vector<LienNPU> liens);
// The movement, its rows, its links and its synthesis rows deleted together.
void SupprimerMouvement(store::TdmKvarn& module, int idMouvement);

// A movement entered whole: completed to the grid's rows, checked, its links opened and set from
// the given ones, checked in the loading mode 0; then written, the caches forgotten and the
// holdings checked (VerifierValiditerPartAssocie). Its key, or the first refusal with nothing
// written.
struct ResultatAjout {
    int id = 0;
    std::optional<RefusMouvement> refus;
};
ResultatAjout AjouterMouvement(store::TdmKvarn& module, MouvementSaisi saisie, const std::vector<LienNPU>& liens);

// The deletion as the entry screen does it, after its question; then the caches forgotten and
// the holdings checked. False when the movement does not exist or the answer is no.
bool SupprimerMouvementConfirme(store::TdmKvarn& module, int idMouvement);

// After any change: the cached movements and associates are read again at their next use.
void OublierMouvements(store::TdmKvarn& module);

// A share count as the module keeps it, to 5 decimals: what remains to assign is compared so.
bool EstNul(double parts);

}  // namespace kvarn::movements
