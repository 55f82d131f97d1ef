// The standalone host's report engine: statements registered from the report files built into the
// program, run through their owner's events and printed as PDF.
//
// Printing runs each statement in the order registered: OnStartEtatEvent (false: the statement is
// left out), its SQL through the module's opener on the statement's alias, OnBDInitializedEvent
// with its rows (false: nothing of it is printed), then OnChamp for every field of every band and
// OnTableau for every table of every part (a band's and a table's number is their part's). A field
// shows the text its owner gave; a table shows its visible columns and, per row of the SQL in the
// SQL's order, the column's value: texts as they are, amounts in whole euros grouped by thousands
// ("12 345", "-300"), null as nothing; its total row shows each shown amount column's sum (0 when
// all are empty). The first printed statement's document-management name and criteria become the
// PDF's title and keywords. Every SQL runs before the file is started, so a refused statement
// leaves no file behind.
#pragma once

#include "host/etats.hpp"
#include "standalone/modele_etat.hpp"
#include "standalone/rendu_pdf.hpp"

#include <memory>
#include <string>
#include <vector>

namespace kvarn::standalone {

// "12 345", "-300", "0": whole euros, the nearest, thousands grouped by a space.
std::string MontantImprime(double montant);

class EtatAutonome final : public host::TEtatUser {
public:
    EtatAutonome(std::string nom, ModeleEtat modele, host::CVrelMaker* proprietaire, void* tag);

    const std::string& GetNom() const override { return nom_; }
    void* GetTag() const override { return tag_; }
    void SetBD_Type(TypeBD type) override { type_ = type; }
    void SetDatabaseName(const std::string& alias) override { alias_ = alias; }
    void SetSQL(const std::string& sql) override { sql_ = sql; }
    void SetTitre(const std::string& titre) override { titre_ = titre; }
    void SetNbCopies(int copies) override { copies_ = copies; }
    void SetNomDocGED(const std::string& nom) override { nomDocGED_ = nom; }
    void SetGED_Criteres(const std::string& criteres) override { criteresGED_ = criteres; }

    // What the engine and its tests read back.
    TypeBD BD_Type() const { return type_; }
    const std::string& DatabaseName() const { return alias_; }
    const std::string& SQL() const { return sql_; }
    const std::string& Titre() const { return titre_; }
    int NbCopies() const { return copies_; }
    const std::string& NomDocGED() const { return nomDocGED_; }
    const std::string& CriteresGED() const { return criteresGED_; }
    const ModeleEtat& Modele() const { return modele_; }
    host::CVrelMaker* Proprietaire() const { return proprietaire_; }

private:
    std::string nom_;
    ModeleEtat modele_;
    host::CVrelMaker* proprietaire_;
    void* tag_;
    TypeBD type_ = BD_TABLE;
    std::string alias_, sql_, titre_, nomDocGED_, criteresGED_;
    int copies_ = 1;
};

class MoteurEtats final : public host::CVrelMaker {
public:
    explicit MoteurEtats(host::OuvreurDonneesEtat ouvreur);

    host::TEtatUser* AjouteEtat(const std::string& fichier, const std::string& nom, host::CVrelMaker* proprietaire,
                                void* tag) override;
    int Imprimer(const std::string& fichierPdf) override;

    const std::vector<std::unique_ptr<EtatAutonome>>& Etats() const { return etats_; }

private:
    // The statement run through its owner's events and laid out; nullopt when left out.
    std::optional<EtatImprime> Executer(EtatAutonome& etat);

    host::OuvreurDonneesEtat ouvreur_;
    std::vector<std::unique_ptr<EtatAutonome>> etats_;
};

}  // namespace kvarn::standalone
