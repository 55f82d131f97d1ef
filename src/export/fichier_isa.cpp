#include "export/fichier_isa.hpp"

#include "common/dates.hpp"
#include "common/fixed_field.hpp"
#include "common/nulls.hpp"
#include "common/rounding.hpp"
#include "common/text.hpp"
#include "export/lignes_isa.hpp"
#include "host/formes_juridiques.hpp"
#include "host/pays.hpp"
#include "host/regimes.hpp"

#include <algorithm>
#include <array>
#include <charconv>
#include <string_view>

namespace kvarn::exportisa {
namespace {

using std::string_view;

// The regimes the importer knows; any other is left out.
constexpr std::array<string_view, 11> kRegimesTVA{"EM", "ET", "RM", "RT", "AM", "EO", "ES", "RS", "ST", "AET", "AST"};
constexpr int kRegimeImpositionIS = 2;

// Number, repetition index and street name joined by one blank each, trimmed at both ends only.
std::string LigneVoie(const std::string& numero, const std::string& indice, const std::string& nom) {
    return Trim(numero + " " + indice + " " + nom);
}

// The country of an identifier, France for none (0 or the null integer); nullptr when the host's
// list lacks it, in which case none of its lines are written.
const host::Pays* PaysDe(int id) {
    return host::TListePays::Trouver(id == 0 || id == NULL_ENTIER ? PAYS_FRANCE : id);
}

std::string LibellePays(int id) {
    const host::Pays* pays = PaysDe(id);
    return pays ? pays->libelle : "";
}

std::string AbreviationForme(int code) {
    std::string abreviation;
    host::cFormeJuridique::DonnerInfos(code, nullptr, nullptr, &abreviation, nullptr);
    return abreviation;
}

std::string Abreviation(int code, bool (*donnerInfos)(int, std::string*, std::string*)) {
    std::string abreviation;
    donnerInfos(code, nullptr, &abreviation);
    return abreviation;
}

// Rounded half away from zero by the host's rounding, written with a comma: the product's
// regional settings are French whatever the machine's locale.
std::string Decimal(double valeur, int decimales) {
    char tampon[64];
    const auto [fin, erreur] =
        std::to_chars(tampon, tampon + sizeof tampon, Round(valeur, decimales), std::chars_format::fixed, decimales);
    std::string texte(tampon, erreur == std::errc() ? fin : tampon);
    std::replace(texte.begin(), texte.end(), '.', ',');
    return texte;
}

std::string Pourcentage(long parts, long total, int decimales) {
    return Decimal(total == 0 ? 0.0 : static_cast<double>(parts) * 100.0 / static_cast<double>(total), decimales);
}

void AdresseDossier(LignesISA& l, const CAdresse& a, const std::string& suffixe) {
    l.Texte("ZZISA", "ADR1" + suffixe, LigneVoie(a.NoVoie, a.CmplNoVoie, a.NomVoie));
    l.Texte("ZZISA", "COCOM" + suffixe, a.Complement1);
    l.Texte("ZZISA", "CP" + suffixe, a.CP);
    l.Texte("ZZISA", "VILLE" + suffixe, a.Ville);
    l.Texte("ZZISA", "PAYS" + suffixe, LibellePays(a.IDPays));
}

void Entete(LignesISA& l, const DonneesISA& d) {
    l.Entete(kPremiereLigne);
    l.Entete("@D " + d.identifiantISA);
    l.Entete("@DAT dd/mm/yyyy");
    l.Entete("@P " + FormatDate(d.finExercice));
}

void Dossier(LignesISA& l, const DonneesISA& d) {
    l.Entier("DOISA", "FLZORRIMM", d.drapeau ? 1 : 0);
    l.Texte("ZZISA", "ACTIV", d.activite);
    l.Texte("ZZISA", "TITRE", d.titre);
    l.Texte("ZZISA", "PRENOM", d.prenom);
    l.Texte("ZZISA", "NOM", d.nom);
    l.Texte("ZZISA", "NOMDOSS", d.libelle);
    AdresseDossier(l, d.adresse, "");
    l.Texte("ZZISA", "TEL1", d.adresse.Telephone);
    l.Texte("ZZISA", "FAX1", d.adresse.Fax);
    l.Texte("ZZISA", "EMAIL", d.adresse.Email);
    AdresseDossier(l, d.correspondance, "CORR");
    AdresseDossier(l, d.siege, "SIEGE");
    l.Texte("ZZISA", "FOJUR", AbreviationForme(d.formeJuridique));
    l.Texte("ZZISA", "NRAPE", d.codeAPE);
    l.Texte("ZZISA", "NRAPE2", d.codeAPE2008);
    l.Texte("ZZISA", "NRSIRET", d.siret);
    // Prefix and SIREN, read as one text up to the first zero byte: no prefix, no number.
    l.Texte("ZZISA", "NRTVA", ReadField(d.noIntraComm.Prefixe, offsetof(tagNOINTRACOMM, Nic), CodePage::Ansi));
    l.Texte("ZZISA", "REFIS", Abreviation(d.regimeFiscal, host::cRegimesFiscaux::DonnerInfos));
    l.Texte("ZZISA", "CAREV", Abreviation(d.categorie, host::cCategoriesImposition::DonnerInfos));
    l.Date("DDISA", "FSDC", d.debutActivite);
    l.Date("DOISA", "ANCENG", d.dateEngagementDOS == 0 ? 0.0 : FromDosDateWord(d.dateEngagementDOS));
}

// A country's three lines: its identifier, its two-letter code, its label.
void LignesPays(LignesISA& l, int id, const char* tagCode, const char* tagIso, const char* tagLibelle, int n) {
    const host::Pays* pays = PaysDe(id);
    if (!pays) return;
    l.Entier("ZZASS", tagCode, pays->id, n);
    l.Texte("ZZASS", tagIso, pays->codeIso, n);
    l.Texte("ZZASS", tagLibelle, pays->libelle, n);
}

void AdresseAssocie(LignesISA& l, const Associe& a, int n) {
    l.Texte("ZZASS", "ADR1", LigneVoie(a.AdrNoVoie, a.AdrCmplNoVoie, a.AdrNomVoie), n);
    l.Texte("ZZASS", "ADR1EXTEN", a.AdrCmplNoVoie, n);
    l.Texte("ZZASS", "ADR1NOMRUE", a.AdrNomVoie, n);
    l.Texte("ZZASS", "ADR1NRVOIE", a.AdrNoVoie, n);
    l.Texte("ZZASS", "COCOM", a.AdrCodeInsee, n);
    l.Texte("ZZASS", "CP", a.AdrCP, n);
    l.Texte("ZZASS", "DEPT", CutToWidth(a.AdrCP, 2), n);
    l.Texte("ZZASS", "FAX1", a.AdrFax, n);
    l.Texte("ZZASS", "NOM", a.Nom, n);
    LignesPays(l, a.AdrIDPays, "PAYS", "PAYS2CAR", "PAYSLIB", n);
    l.Texte("ZZASS", "VILLE", a.AdrVille, n);
}

void PersonnePhysique(LignesISA& l, const Associe& a, int n) {
    l.Texte("ZZASS", "COMMUNAIS", a.LieuNaissance, n);
    l.Texte("ZZASS", "DEPTNAIS", a.CPNaissance, n);
    l.Date("ZZASS", "DTNAIS", a.DateNaissance, n);
    l.Texte("ZZASS", "NOMM", a.NomMarital, n);
    l.Texte("ZZASS", "NOMP", a.NomPatronymique, n);
    LignesPays(l, a.IDPaysNaissance, "PAYSNAIS", "PAYSNAIS2C", "PAYSNAISLB", n);
    l.Texte("ZZASS", "PRENOM", a.Prenoms, n);
    l.Texte("ZZASS", "TEL1", a.AdrTel, n);
    if (a.Titre >= TAP_M && a.Titre <= TAP_MLE) l.Texte("ZZASS", "TITRE", __strTitrePhy[a.Titre], n);
}

void PersonneMorale(LignesISA& l, const Associe& a, int n) {
    l.Texte("ZZASS", "DENOMIN", a.Nom, n);
    l.Texte("ZZASS", "FOJUR", AbreviationForme(a.Titre), n);
    l.Texte("ZZASS", "NRSIRET", a.NoSiret, n);
    l.Texte("ZZASS", "FOSOC", "O", n);
}

long TotalParts(const std::vector<Associe>& associes) {
    long total = 0;
    for (const Associe& a : associes) total += NombrePartsISA(a);
    return total;
}

void Associes(LignesISA& l, const std::vector<Associe>& associes, long total) {
    int n = 0;
    for (const Associe& a : associes) {
        ++n;
        AdresseAssocie(l, a, n);
        const long parts = NombrePartsISA(a);
        l.Entier("ASSPO", "NBREPART", parts, n);
        l.Texte("ASSPO", "POURDET", Pourcentage(parts, total, 4), n);
        if (a.PersonnePhysique) PersonnePhysique(l, a, n);
        else PersonneMorale(l, a, n);
    }
}

std::string Champ(const char* champ, std::size_t taille) { return ReadField(champ, taille, CodePage::Ansi); }

void Declaration(LignesISA& l, const DonneesISA& d, long total) {
    l.Booleen("SOCIE", "ENTSIS", d.regimeImposition == kRegimeImpositionIS);
    l.Entier("DVISA", "NBPARTT", total);
    const tagDONNEES_ADM& adm = d.administratif;
    l.Texte("DECLA", "TVACDR", Champ(adm.CodeSIE, sizeof adm.CodeSIE));
    l.Texte("DECLA", "NODOSS", Champ(adm.NoDossier, sizeof adm.NoDossier));
    l.Texte("DECLA", "TVACLE", Champ(adm.Cle, sizeof adm.Cle));
    l.Texte("DECLA", "IDECDI", Champ(adm.CodeCDI, sizeof adm.CodeCDI));
    l.Texte("DECLA", "IDINSP", Champ(adm.CodeInspection, sizeof adm.CodeInspection));
    l.Texte("DECLA", "NUINPS", Champ(adm.NoService, sizeof adm.NoService));
    const std::string regime = Trim(Champ(adm.RegimeTVA, sizeof adm.RegimeTVA));
    if (std::find(kRegimesTVA.begin(), kRegimesTVA.end(), regime) != kRegimesTVA.end())
        l.Texte("SOCIE", "TVAREG", regime);
}

void Participations(LignesISA& l, const std::vector<ParticipationFiliale>& participations) {
    int n = 0;
    for (const ParticipationFiliale& p : participations) {
        ++n;
        l.Texte("ASSOC(FIL)", "FORJUR", AbreviationForme(p.formeJuridique), n);
        l.Texte("ASSOC(FIL)", "DENOMINA", p.denomination, n);
        l.Texte("ASSOC(FIL)", "NRSIREN", p.siren, n);
        l.Texte("ASSOC(FIL)", "POURDET", Decimal(p.pourcentage, 2), n);
        l.Texte("ASSOC(FIL)", "NUMADRE", p.numeroVoie, n);
        l.Texte("ASSOC(FIL)", "LIBEVOIE", Trim(p.voie), n);
        l.Texte("ASSOC(FIL)", "CODPADRE", p.cp, n);
        l.Texte("ASSOC(FIL)", "COMMADRE", p.ville, n);
        l.Texte("ASSOC(FIL)", "PAYSADRESS", LibellePays(p.pays), n);
    }
}

// One line per financial year between the markers, the items of the year and its outcome joined
// by " - "; each line opens with CR LF.
std::string Rapport(const std::vector<ResultatExportISA>& resultats) {
    std::string rapport = "<MEMODEB>";
    for (const ResultatExportISA& r : resultats) {
        rapport += "\r\nExercice du " + FormatDate(r.DateDebut) + " au " + FormatDate(r.DateFin);
        for (const std::string& element : r.Elements) rapport += " - " + SansSautsDeLigne(element);
        rapport += r.Reussi ? " - Exportation réussie" : " - Erreur pendant l'exportation";
    }
    return rapport + "\r\n<MEMOFIN>";
}

}  // namespace

long NombrePartsISA(const Associe& a) {
    const auto stockees = [](double parts) { return parts == Associe::kNulReel ? 0.0 : parts; };
    return lArrond(stockees(a.NbParts) + stockees(a.NbPartsU));
}

std::string ContenuFichierISA(const DonneesISA& d) {
    LignesISA l;
    Entete(l, d);
    Dossier(l, d);
    const long total = TotalParts(d.associes);
    Associes(l, d.associes, total);
    Declaration(l, d, total);
    Participations(l, d.participations);
    l.Memo("DFISA", "RAPMIGR", Rapport(d.resultats));
    return l.Octets();
}

}  // namespace kvarn::exportisa
