#include "movements/registre_colonnes.hpp"

#include "movements/codes_mouvement.hpp"

namespace kvarn::movements {
namespace {

void Parts(PuitsColonnes& puits, const PartsStockees& parts, std::string_view pp, std::string_view u,
           std::string_view np) {
    puits.Nombre(pp, parts.pp);
    puits.Nombre(u, parts.u);
    puits.Nombre(np, parts.np);
}

}  // namespace

std::string_view NomNature(int nature) {
    switch (nature) {
        case kPartsU: return "U";
        case kPartsNP: return "NP";
        default: return "PP";
    }
}

void ColonnesDetention(const PositionStockee& d, PuitsColonnes& puits) {
    puits.Entier("IDAssocie", d.idAssocie);
    puits.Texte("DesignationAsso", d.designation);
    puits.Entier("PersonnePhysique", d.personnePhysique ? 1 : 0);
    Parts(puits, d.debut, "NbParts", "NbPartsU", "NbPartsN");
    Parts(puits, d.mouvements, "NbPartsPPMouv", "NbPartsUMouv", "NbPartsNPMouv");
    Parts(puits, d.fin, "NbPartsPPFin", "NbPartsUFin", "NbPartsNPFin");
}

void ColonnesMouvement(const MouvementRegistre& m, PuitsColonnes& puits) {
    puits.Entier("IdMouvement", m.idMouvement);
    puits.Date("DateMouvement", m.date);
    puits.Entier("TypeMouvement", m.type);
    puits.Texte("LibelleType", m.libelleType);
    puits.Entier("IDCedant", m.idCedant);
}

void ColonnesLigne(const LigneRegistre& l, PuitsColonnes& puits) {
    puits.Entier("IdAssocie", l.idAssocie);
    puits.Texte("DesignationAsso", l.designation);
    Parts(puits, l.parts, "PartsPP", "PartsU", "PartsNP");
    puits.Texte("Libelle", l.libelle);
}

void ColonnesLien(const LienRegistre& l, PuitsColonnes& puits) {
    puits.Entier("NuProprietaire", l.nuProprietaire);
    puits.Entier("Usufruitier", l.usufruitier);
    puits.Nombre("NbU", l.nbU);
}

void ColonnesAnnexe(const LigneAnnexe2072& l, PuitsColonnes& puits) {
    puits.Entier("IDAssocie", l.idAssocie);
    puits.Texte("DesignationAsso", l.designation);
    Parts(puits, l.premierJanvier, "PP1erJanvier", "U1erJanvier", "NP1erJanvier");
    Parts(puits, l.trenteEtUnDecembre, "PP31Decembre", "U31Decembre", "NP31Decembre");
}

void ColonnesEcart(const EcartRegistre& e, PuitsColonnes& puits) {
    puits.Entier("IDAssocie", e.idAssocie);
    puits.Texte("Nature", NomNature(e.nature));
    puits.Nombre("Debut", e.debut);
    puits.Nombre("Mouvements", e.mouvements);
    puits.Nombre("Fin", e.fin);
}

}  // namespace kvarn::movements
