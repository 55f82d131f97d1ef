#include "choix_intervenant_qt.hpp"

#include "ui/party_dialog.hpp"

namespace kvarn::assistant {

int ChoixIntervenantQt::Choisir(int type, const std::vector<standalone::Intervenant>& candidats) {
    std::vector<ui::LigneIntervenant> lignes;
    for (const standalone::Intervenant& i : candidats) lignes.push_back({i.Id, i.Nom, i.AdrVille, i.Siret});
    const QString titre = QStringLiteral("Choisir un intervenant (%1)").arg(QString::fromStdString(standalone::NomTypeIntervenant(type)));
    return ui::ChoisirIntervenant(titre, std::move(lignes), nullptr);
}

}  // namespace kvarn::assistant
