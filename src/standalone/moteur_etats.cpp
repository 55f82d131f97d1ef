#include "standalone/moteur_etats.hpp"

#include "common/rounding.hpp"

#include <cmath>
#include <stdexcept>

namespace kvarn::standalone {
namespace {

class BandeAutonome final : public host::TBandeUser {
public:
    explicit BandeAutonome(int numero) : numero_(numero) {}
    int GetNumero() const override { return numero_; }

private:
    int numero_;
};

class ChampAutonome final : public host::TCpChampUser {
public:
    ChampAutonome(host::TEtatUser& etat, const std::string& nom) : etat_(&etat), nom_(nom) {}
    host::TEtatUser* GetEtatProprietaire() const override { return etat_; }
    const std::string& GetNom() const override { return nom_; }
    void SetValeurChaine2(const std::string& valeur) override { valeur_ = valeur; }
    const std::string& Valeur() const { return valeur_; }

private:
    host::TEtatUser* etat_;
    std::string nom_;
    std::string valeur_;
};

class TableauAutonome final : public host::TCpTableauUser {
public:
    TableauAutonome(host::TEtatUser& etat, std::size_t colonnes) : etat_(&etat), visibles_(colonnes, true) {}
    host::TEtatUser* GetEtatProprietaire() const override { return etat_; }
    void SetVisible(int colonne, bool visible) override {
        if (colonne < 0 || static_cast<std::size_t>(colonne) >= visibles_.size())
            throw std::out_of_range("colonne " + std::to_string(colonne) + " inconnue du tableau");
        visibles_[static_cast<std::size_t>(colonne)] = visible;
    }
    bool Visible(std::size_t colonne) const { return visibles_[colonne]; }

private:
    host::TEtatUser* etat_;
    std::vector<bool> visibles_;
};

// The table as printed: its shown columns, a text per row and column, the sums.
TableauImprime Disposer(const TableauModele& modele, const TableauAutonome& visibilite, const TDonneesEtat& donnees) {
    TableauImprime tableau;
    std::vector<const ColonneModele*> montrees;
    for (std::size_t c = 0; c < modele.colonnes.size(); ++c) {
        if (!visibilite.Visible(c)) continue;
        const ColonneModele& colonne = modele.colonnes[c];
        if (!donnees.HasField(colonne.champ))
            throw std::runtime_error("La requête de l'état ne donne pas la colonne " + colonne.champ);
        montrees.push_back(&colonne);
        tableau.colonnes.push_back({colonne.titre, colonne.genre == GenreColonne::Montant,
                                    static_cast<double>(colonne.largeur)});
    }
    std::vector<double> sommes(montrees.size(), 0.0);
    for (int r = 0; r < donnees.RecordCount(); ++r) {
        std::vector<std::string>& cellules = tableau.lignes.emplace_back();
        for (std::size_t c = 0; c < montrees.size(); ++c) {
            const std::string& champ = montrees[c]->champ;
            if (donnees.IsNull(r, champ)) {
                cellules.emplace_back();
            } else if (montrees[c]->genre == GenreColonne::Montant) {
                sommes[c] += donnees.AsFloat(r, champ);
                cellules.push_back(MontantImprime(donnees.AsFloat(r, champ)));
            } else {
                cellules.push_back(donnees.AsString(r, champ));
            }
        }
    }
    if (modele.libelleTotal) {
        std::vector<std::string>& total = tableau.total.emplace();
        for (std::size_t c = 0; c < montrees.size(); ++c)
            total.push_back(montrees[c]->genre == GenreColonne::Montant ? MontantImprime(sommes[c]) : std::string());
        if (!total.empty() && montrees[0]->genre == GenreColonne::Texte) total[0] = *modele.libelleTotal;
    }
    return tableau;
}

}  // namespace

std::string MontantImprime(double montant) {
    const long euros = lArrond(montant);
    std::string chiffres = std::to_string(euros < 0 ? -static_cast<unsigned long>(euros) : static_cast<unsigned long>(euros));
    for (auto i = static_cast<std::ptrdiff_t>(chiffres.size()) - 3; i > 0; i -= 3)
        chiffres.insert(static_cast<std::size_t>(i), 1, ' ');
    return (euros < 0 ? "-" : "") + chiffres;
}

EtatAutonome::EtatAutonome(std::string nom, ModeleEtat modele, host::CVrelMaker* proprietaire, void* tag)
    : nom_(std::move(nom)), modele_(std::move(modele)), proprietaire_(proprietaire), tag_(tag) {}

MoteurEtats::MoteurEtats(host::OuvreurDonneesEtat ouvreur) : ouvreur_(std::move(ouvreur)) {}

host::TEtatUser* MoteurEtats::AjouteEtat(const std::string& fichier, const std::string& nom,
                                         host::CVrelMaker* proprietaire, void* tag) {
    const std::optional<std::string_view> texte = FichierEtatEmbarque(fichier);
    if (!texte) throw std::invalid_argument("Fichier d'état inconnu : " + fichier);
    etats_.push_back(std::make_unique<EtatAutonome>(nom, LireModeleEtat(*texte, fichier), proprietaire, tag));
    return etats_.back().get();
}

std::optional<EtatImprime> MoteurEtats::Executer(EtatAutonome& etat) {
    host::CVrelMaker& evenements = etat.Proprietaire() ? *etat.Proprietaire() : *this;
    if (evenements.OnStartEtatEvent && !evenements.OnStartEtatEvent(etat)) return std::nullopt;
    if (etat.BD_Type() != BD_SQL || etat.SQL().empty())
        throw std::runtime_error("L'état « " + etat.GetNom() + " » n'a pas de requête SQL");
    if (!ouvreur_) throw std::logic_error("le moteur d'états n'a pas de quoi lire les données");
    const std::unique_ptr<TDonneesEtat> donnees = ouvreur_(etat.DatabaseName(), etat.SQL());
    if (evenements.OnBDInitializedEvent && !evenements.OnBDInitializedEvent(etat, *donnees)) return std::nullopt;
    EtatImprime imprime;
    imprime.copies = std::max(1, etat.NbCopies());
    for (const PartieModele& partie : etat.Modele().parties) {
        BandeAutonome bande(partie.numero);
        for (const BandeModele& modele : partie.bandes)
            for (const ChampModele& champ : modele.champs) {
                ChampAutonome rempli(etat, champ.nom);
                if (evenements.OnChamp) evenements.OnChamp(bande, rempli);
                if (champ.titre) imprime.titre = rempli.Valeur();
                else imprime.entete.push_back(champ.libelle.empty() ? rempli.Valeur()
                                                                    : champ.libelle + " : " + rempli.Valeur());
            }
        for (const TableauModele& modele : partie.tableaux) {
            TableauAutonome tableau(etat, modele.colonnes.size());
            if (evenements.OnTableau) evenements.OnTableau(bande, tableau);
            imprime.tableaux.push_back(Disposer(modele, tableau, *donnees));
        }
    }
    return imprime;
}

int MoteurEtats::Imprimer(const std::string& fichierPdf) {
    std::vector<EtatImprime> imprimes;
    MetadonneesPdf metadonnees;
    for (const auto& etat : etats_) {
        std::optional<EtatImprime> imprime = Executer(*etat);
        if (!imprime) continue;
        if (imprimes.empty()) metadonnees = {etat->NomDocGED(), etat->CriteresGED()};
        imprimes.push_back(std::move(*imprime));
    }
    if (!imprimes.empty()) EcrirePdf(fichierPdf, imprimes, metadonnees);
    return static_cast<int>(imprimes.size());
}

}  // namespace kvarn::standalone
