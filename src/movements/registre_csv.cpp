#include "movements/registre_csv.hpp"

#include "common/csv.hpp"
#include "movements/registre_colonnes.hpp"

#include <functional>
#include <stdexcept>

namespace kvarn::movements {
namespace {

// Writes the keys only: the header row.
class Entetes final : public PuitsColonnes {
public:
    explicit Entetes(CsvWriter& csv) : csv_(csv) {}
    void Texte(std::string_view cle, std::string_view) override { csv_.Text(cle); }
    void Nombre(std::string_view cle, std::optional<double>) override { csv_.Text(cle); }
    void Entier(std::string_view cle, std::optional<int>) override { csv_.Text(cle); }
    void Date(std::string_view cle, double) override { csv_.Text(cle); }

private:
    CsvWriter& csv_;
};

class Valeurs final : public PuitsColonnes {
public:
    explicit Valeurs(CsvWriter& csv) : csv_(csv) {}
    void Texte(std::string_view, std::string_view valeur) override { csv_.Text(valeur); }
    void Nombre(std::string_view, std::optional<double> valeur) override { csv_.Number(valeur); }
    void Entier(std::string_view, std::optional<int> valeur) override {
        csv_.Integer(valeur ? std::optional<long long>(*valeur) : std::nullopt);
    }
    void Date(std::string_view, double jour) override { csv_.Date(jour); }

private:
    CsvWriter& csv_;
};

// Writes only empty cells, as many as the entry has columns.
class Vides final : public PuitsColonnes {
public:
    explicit Vides(CsvWriter& csv) : csv_(csv) {}
    void Texte(std::string_view, std::string_view) override { csv_.Empty(); }
    void Nombre(std::string_view, std::optional<double>) override { csv_.Empty(); }
    void Entier(std::string_view, std::optional<int>) override { csv_.Empty(); }
    void Date(std::string_view, double) override { csv_.Empty(); }

private:
    CsvWriter& csv_;
};

template <class Entree>
using Colonnes = void (*)(const Entree&, PuitsColonnes&);

template <class Entree>
void Table(CsvWriter& csv, const std::vector<Entree>& entrees, Colonnes<Entree> colonnes) {
    Entetes entetes(csv);
    colonnes(Entree{}, entetes);
    csv.EndRow();
    Valeurs valeurs(csv);
    for (const Entree& e : entrees) {
        colonnes(e, valeurs);
        csv.EndRow();
    }
}

void Mouvements(CsvWriter& csv, const Registre& registre) {
    Entetes entetes(csv);
    ColonnesMouvement({}, entetes);
    ColonnesLigne({}, entetes);
    csv.EndRow();
    Valeurs valeurs(csv);
    Vides vides(csv);
    for (const MouvementRegistre& m : registre.mouvements) {
        for (const LigneRegistre& ligne : m.lignes) {
            ColonnesMouvement(m, valeurs);
            ColonnesLigne(ligne, valeurs);
            csv.EndRow();
        }
        if (!m.lignes.empty()) continue;
        ColonnesMouvement(m, valeurs);
        ColonnesLigne({}, vides);
        csv.EndRow();
    }
}

void Liens(CsvWriter& csv, const Registre& registre) {
    csv.Text("Moment").Text("IdMouvement");
    Entetes entetes(csv);
    ColonnesLien({}, entetes);
    csv.EndRow();
    Valeurs valeurs(csv);
    const auto ecrire = [&](const char* moment, std::optional<long long> idMouvement, const LienRegistre& lien) {
        csv.Text(moment).Integer(idMouvement);
        ColonnesLien(lien, valeurs);
        csv.EndRow();
    };
    for (const LienRegistre& lien : registre.liensDebut) ecrire("debut", std::nullopt, lien);
    for (const MouvementRegistre& m : registre.mouvements)
        for (const LienRegistre& lien : m.liens) ecrire("mouvement", m.idMouvement, lien);
    for (const LienRegistre& lien : registre.liensFin) ecrire("fin", std::nullopt, lien);
}

}  // namespace

std::optional<TableRegistre> TableNommee(std::string_view nom) {
    if (nom == "detentions") return TableRegistre::Detentions;
    if (nom == "mouvements") return TableRegistre::Mouvements;
    if (nom == "liens") return TableRegistre::Liens;
    if (nom == "2072") return TableRegistre::Annexe2072;
    return std::nullopt;
}

std::string RegistreEnCsv(const Registre& registre, TableRegistre table, bool marqueOrdreOctets) {
    CsvWriter csv(marqueOrdreOctets);
    switch (table) {
        case TableRegistre::Detentions: Table<PositionStockee>(csv, registre.detentions, ColonnesDetention); break;
        case TableRegistre::Mouvements: Mouvements(csv, registre); break;
        case TableRegistre::Liens: Liens(csv, registre); break;
        case TableRegistre::Annexe2072:
            if (!registre.annexe2072) throw std::logic_error(registre.motifSansAnnexe);
            Table<LigneAnnexe2072>(csv, *registre.annexe2072, ColonnesAnnexe);
            break;
    }
    return csv.str();
}

}  // namespace kvarn::movements
