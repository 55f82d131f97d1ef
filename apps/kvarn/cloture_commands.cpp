#include "cloture_commands.hpp"

#include "common/dates.hpp"
#include "host/boites.hpp"
#include "session.hpp"
#include "store/cloture.hpp"

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

}  // namespace kvarn::cli
