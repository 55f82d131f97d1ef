#include "cloture_commands.hpp"

#include "common/dates.hpp"
#include "host/boites.hpp"
#include "session.hpp"
#include "store/cloture.hpp"
#include "store/decloture.hpp"

#include <iostream>

namespace kvarn::cli {
namespace {

std::string Periode(double debut, double fin) { return "du " + FormatDate(debut) + " au " + FormatDate(fin); }

}  // namespace

int Cloturer(const GlobalOptions& globals) {
    Session session = Session::WithDossier(globals);
    standalone::DossierFichier& dossier = session.dossier();
    const double debut = dossier.GetDateDebutExercice();
    const double fin = dossier.GetDateFinExercice();
    if (debut == 0 || fin == 0) throw Refus("L'exercice du dossier n'a pas de dates : rien à clôturer");
    if (!host::ZORQuestion("Clôturer l'exercice " + Periode(debut, fin) + " ?", "Clôture"))
        throw Refus("Clôture abandonnée");
    const double nouveauDebut = fin + 1;
    const double nouvelleFin = AddYears(nouveauDebut, 1) - 1;
    session.OuvrirModule();
    const bool close = store::Cloturer([&] {
        dossier.Modifier([&](standalone::DossierFichier& d) {
            d.SetDateDebutExercicePrecedent(debut);
            d.SetDateFinExercicePrecedent(fin);
            d.SetDateDebutExercice(nouveauDebut);
            d.SetDateFinExercice(nouvelleFin);
            d.SetDateSituation(nouvelleFin);
        });
    });
    // A failed closing showed its message through the exception box, which fails the command.
    if (!close) return kRefus;
    std::cout << "Exercice " << Periode(debut, fin) << " clôturé ; nouvel exercice " << Periode(nouveauDebut, nouvelleFin)
              << "\n";
    return kSucces;
}

int Decloturer(const GlobalOptions& globals, const DeclotureOptions& options) {
    Session session = Session::WithDossier(globals);
    session.OuvrirModule();
    std::string periode;
    bool abandonnee = false;
    // A refusal or a failure is shown through the module's boxes, on stderr.
    const bool annulee = store::Decloturer(options.forcer, [&](const store::ClotureEnregistree& cloture) {
        periode = Periode(cloture.debut, cloture.fin);
        abandonnee = !host::ZORQuestion("Annuler la clôture de l'exercice " + periode + " ?", "Annulation de la clôture");
        return !abandonnee;
    });
    if (abandonnee) throw Refus("Annulation de la clôture abandonnée");
    if (!annulee) return kRefus;
    std::cout << "Clôture de l'exercice " << periode << " annulée\n";
    return kSucces;
}

}  // namespace kvarn::cli
