#include "reports/etat_rapports.hpp"

#include "common/text.hpp"
#include "db/query.hpp"
#include "reports/fournisseur_divers.hpp"
#include "store/installateurs.hpp"

#include <stdexcept>
#include <vector>

namespace kvarn::reports {
namespace {

// The rows of a query, read whole when it is opened.
class DonneesRequete final : public TDonneesEtat {
    struct Cellule {
        bool nulle;
        std::string texte;
        double nombre;
    };

public:
    explicit DonneesRequete(db::CQuery& requete) {
        for (int c = 0; c < requete.FieldCount(); ++c) noms_.push_back(ToUpperFrench(requete.Fields(c).FieldName()));
        for (requete.First(); !requete.Eof(); requete.Next()) {
            std::vector<Cellule>& ligne = lignes_.emplace_back();
            for (int c = 0; c < requete.FieldCount(); ++c) {
                const db::Field& champ = requete.Fields(c);
                const bool texte = champ.DataType() == db::FieldType::Alpha;
                ligne.push_back({champ.IsNull(), champ.AsString(), texte || champ.IsNull() ? 0.0 : champ.AsFloat()});
            }
        }
    }

    int RecordCount() const override { return static_cast<int>(lignes_.size()); }
    bool HasField(const std::string& champ) const override { return Colonne(champ) >= 0; }
    bool IsNull(int ligne, const std::string& champ) const override { return CelluleDe(ligne, champ).nulle; }
    std::string AsString(int ligne, const std::string& champ) const override { return CelluleDe(ligne, champ).texte; }
    double AsFloat(int ligne, const std::string& champ) const override { return CelluleDe(ligne, champ).nombre; }

private:
    int Colonne(const std::string& champ) const {
        const std::string nom = ToUpperFrench(champ);
        for (std::size_t c = 0; c < noms_.size(); ++c)
            if (noms_[c] == nom) return static_cast<int>(c);
        return -1;
    }
    const Cellule& CelluleDe(int ligne, const std::string& champ) const {
        const int colonne = Colonne(champ);
        if (colonne < 0) throw std::out_of_range("Colonne inconnue de la requête : " + champ);
        return lignes_.at(static_cast<std::size_t>(ligne)).at(static_cast<std::size_t>(colonne));
    }

    std::vector<std::string> noms_;
    std::vector<std::vector<Cellule>> lignes_;
};

void InstallerRapports(store::TdmKvarn& module) {
    EtatRapports& etat = module.CreerEtat(std::make_unique<EtatRapports>());
    etat.amKV = NouveauVrelMaker(module);
    if (!etat.amKV) return;
    host::CVrelMaker& maker = *etat.amKV;
    maker.OnStartEtatEvent = [&module](TEtatUser& e) { return DemarrerDetailDivers(module, e); };
    maker.OnBDInitializedEvent = DonneesPretes;
    maker.OnChamp = [&module](TBandeUser& b, TCpChampUser& c) { return RemplirChamp(module.Environnement(), b, c); };
    maker.OnTableau = MontrerColonnes;
}

const store::InscriptionInstallateur kInscription{"rapports", &InstallerRapports};

}  // namespace

host::CVrelMaker& amKV(store::TdmKvarn& module) {
    EtatRapports& etat = module.EtatDe<EtatRapports>();
    if (!etat.amKV) throw std::logic_error("L'hôte n'a pas de moteur d'états");
    return *etat.amKV;
}

std::unique_ptr<host::CVrelMaker> NouveauVrelMaker(store::TdmKvarn& module) {
    return host::CreerVrelMaker([&donnees = module.Donnees()](const std::string& alias, const std::string& sql) {
        return OuvrirDonnees(donnees, alias, sql);
    });
}

std::unique_ptr<TDonneesEtat> OuvrirDonnees(store::TdmDonnees& donnees, const std::string& alias,
                                            const std::string& sql) {
    db::CQuery requete(donnees.Session());
    requete.SetDatabaseName(alias);
    requete.SQL().Add(sql);
    requete.Open();
    return std::make_unique<DonneesRequete>(requete);
}

}  // namespace kvarn::reports
