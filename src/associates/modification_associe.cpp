#include "associates/modification_associe.hpp"

#include "associates/creation_associe.hpp"
#include "associates/liste_associes.hpp"
#include "associates/table_associes.hpp"
#include "db/table.hpp"
#include "db/transaction.hpp"

namespace kvarn::associates {

Modification ModifierAssocie(store::TdmKvarn& module, int idAssocie, const std::function<void(Associe&)>& appliquer,
                             const std::set<std::string>& colonnes) {
    db::CTable table(module.Donnees().Session());
    if (!OuvrirSurAssocie(module, table, idAssocie)) return Modification::Inconnu;
    const Associe stocke = LireAssocieStocke(table);
    Associe associe = stocke;
    appliquer(associe);
    // The members other columns' rules read stay as stored unless given.
    const auto garder = [&](const char* colonne, auto membre) {
        if (!colonnes.count(colonne)) associe.*membre = stocke.*membre;
    };
    garder("Nom", &Associe::Nom);
    garder("Prenoms", &Associe::Prenoms);
    garder("PersonnePhysique", &Associe::PersonnePhysique);
    garder("IDPaysNaissance", &Associe::IDPaysNaissance);
    const bool renomme = colonnes.count("Nom") || colonnes.count("Prenoms");
    if (renomme) {
        const int porteur = CleAssocieNomme(module, associe.Nom, associe.Prenoms);
        if (porteur != 0 && porteur != idAssocie) return Modification::NomPris;
        table.Locate("ShIDAssocie", db::Value(idAssocie));
    }
    db::AllOrNothing(module.Donnees().Session(), [&] {
        table.Edit();
        if (renomme) EcrireNomAssocie(table, associe);
        EcrireAssocieCree(table, associe, [&](std::string_view nom) { return colonnes.count(std::string(nom)) > 0; });
        table.Post();
    });
    DesinitListe(module);
    return Modification::Modifie;
}

}  // namespace kvarn::associates
