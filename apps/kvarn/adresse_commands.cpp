#include "adresse_commands.hpp"

#include "host/pays.hpp"
#include "identification/verifications.hpp"
#include "session.hpp"

namespace kvarn::cli {
namespace {

using standalone::DossierFichier;

struct GenreAdresse {
    const char* nom;
    const char* titre;
    host::CAdresse (DossierFichier::*lire)() const;
    void (DossierFichier::*ecrire)(const host::CAdresse&);
};

constexpr GenreAdresse kGenres[] = {
    {"correspondance", "Adresse de correspondance", &DossierFichier::GetAdresseCorrespondance,
     &DossierFichier::SetAdresseCorrespondance},
    {"siege", "Siège social", &DossierFichier::GetAdresseSiegeSocial, &DossierFichier::SetAdresseSiegeSocial},
    {"siege-precedent", "Siège social de l'exercice précédent", &DossierFichier::GetAdresseSiegeSocialNm1,
     &DossierFichier::SetAdresseSiegeSocialNm1},
};

const GenreAdresse& Genre(const std::string& nom) {
    for (const GenreAdresse& genre : kGenres)
        if (nom == genre.nom) return genre;
    throw MauvaisUsage("genre d'adresse inconnu : « " + nom + " » (" + GenresAdresse() + ")");
}

}  // namespace

std::string GenresAdresse() {
    std::string genres;
    for (const GenreAdresse& genre : kGenres) genres += (genres.empty() ? "" : ", ") + std::string(genre.nom);
    return genres;
}

bool AppliquerAdresse(host::CAdresse& adresse, const AdresseOptions& a) {
    // A French postal code, as "kvarn verifier cp" checks it; other countries have their own forms.
    if (!a.cp.empty() && (!a.pays || *a.pays == PAYS_FRANCE))
        if (const auto verdict = identification::VerifierCodePostal(a.cp); !verdict) throw Refus(verdict.raison);
    bool modifiee = false;
    const std::pair<std::string*, const std::string*> textes[] = {
        {&adresse.Complement1, &a.complement1}, {&adresse.Complement2, &a.complement2},
        {&adresse.NoVoie, &a.numeroVoie},       {&adresse.CmplNoVoie, &a.indiceRepetition},
        {&adresse.NomVoie, &a.voie},            {&adresse.BP, &a.bp},
        {&adresse.CP, &a.cp},                   {&adresse.Ville, &a.ville},
        {&adresse.Telephone, &a.telephone},     {&adresse.Fax, &a.fax},
        {&adresse.Email, &a.email},             {&adresse.BureauDistributeur, &a.bureauDistributeur},
        {&adresse.CodeInsee, &a.codeInsee}};
    for (const auto& [champ, valeur] : textes) {
        if (valeur->empty()) continue;
        *champ = *valeur;
        modifiee = true;
    }
    if (a.pays) {
        if (!host::TListePays::Trouver(*a.pays)) throw Refus("Pays inconnu : " + std::to_string(*a.pays) + " (voir kvarn pays)");
        adresse.IDPays = *a.pays;
        modifiee = true;
    }
    return modifiee;
}

Groupe GroupeAdresse(const std::string& cle, const std::string& titre, const host::CAdresse& a) {
    const host::Pays* pays = host::TListePays::Trouver(a.IDPays);
    return {cle, titre, {{"complement1", "Complément 1", a.Complement1}, {"complement2", "Complément 2", a.Complement2},
                         {"numero_voie", "Numéro", a.NoVoie}, {"indice_repetition", "Indice de répétition", a.CmplNoVoie},
                         {"voie", "Voie", a.NomVoie}, {"bp", "BP", a.BP}, {"cp", "Code postal", a.CP}, {"ville", "Ville", a.Ville},
                         {"bureau_distributeur", "Bureau distributeur", a.BureauDistributeur},
                         {"pays", "Pays", pays ? pays->libelle : std::to_string(a.IDPays)},
                         {"telephone", "Téléphone", a.Telephone}, {"fax", "Télécopie", a.Fax}, {"email", "Courriel", a.Email}}};
}

int AdresseLire(const GlobalOptions& globals, const AdresseCommandeOptions& options) {
    const GenreAdresse& genre = Genre(options.genre);
    Session session = Session::WithDossier(globals);
    const std::vector<Groupe> groupes{GroupeAdresse(genre.nom, genre.titre, (session.dossier().*genre.lire)())};
    Afficher(groupes, options.json);
    return kSucces;
}

int AdresseEcrire(const GlobalOptions& globals, const AdresseCommandeOptions& options) {
    const GenreAdresse& genre = Genre(options.genre);
    Session session = Session::WithDossier(globals);
    session.dossier().Modifier([&](DossierFichier& d) {
        host::CAdresse adresse = (d.*genre.lire)();
        if (AppliquerAdresse(adresse, options.adresse)) (d.*genre.ecrire)(adresse);
    });
    return kSucces;
}

}  // namespace kvarn::cli
