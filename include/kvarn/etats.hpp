// The host's report engine as the suite's modules see it, and the module's statement of
// miscellaneous deductions and reintegrations.
//
// A report engine (CVrelMaker) prints statements (TEtatUser) from report files: each file has
// numbered parts made of bands (TBandeUser) holding named fields (TCpChampUser) and of tables
// (TCpTableauUser) whose columns show the rows of the statement's SQL. The engine asks the
// statement's owner, through four events, for what only the owner knows: OnStartEtatEvent when a
// statement starts (the owner sets its SQL, title, copies and document-management data),
// OnBDInitializedEvent once its rows are read (false: nothing is printed), OnChamp for each field
// of a band and OnTableau for each table (the owner hides columns). A statement added with an
// owner is served by the owner's events, otherwise by those of the engine that prints it.
//
// The module's statement: AjouterEtatDetailDivers registers the report file "KV.eta" with a
// caller's engine, owned by the data module's engine, with a parameter block as its tag (laid out
// in <kvarn/kvarn.h>); the block must outlive the statement's printing, and
// SupprimerEtatDetailDivers frees it. Texts are UTF-8.
#pragma once

#include <kvarn/kvarn.h>

#include <functional>
#include <string>

// What the statement's rows come from.
enum TypeBD : int { BD_TABLE = 0, BD_SQL = 1 };

// The rows a statement's SQL gave, read by the engine; rows are numbered from 0, columns named as
// the SQL names them, without regard to ASCII case.
class TDonneesEtat {
public:
    virtual ~TDonneesEtat() = default;
    virtual int RecordCount() const = 0;
    bool IsEmpty() const { return RecordCount() == 0; }
    virtual bool HasField(const std::string& champ) const = 0;
    virtual bool IsNull(int ligne, const std::string& champ) const = 0;
    virtual std::string AsString(int ligne, const std::string& champ) const = 0;
    virtual double AsFloat(int ligne, const std::string& champ) const = 0;
};

class TEtatUser {
public:
    virtual ~TEtatUser() = default;
    virtual const std::string& GetNom() const = 0;
    virtual void* GetTag() const = 0;
    virtual void SetBD_Type(TypeBD type) = 0;
    virtual void SetDatabaseName(const std::string& alias) = 0;
    virtual void SetSQL(const std::string& sql) = 0;
    virtual void SetTitre(const std::string& titre) = 0;
    virtual void SetNbCopies(int copies) = 0;
    virtual void SetNomDocGED(const std::string& nom) = 0;
    virtual void SetGED_Criteres(const std::string& criteres) = 0;
};

// A band of a report part; GetNumero is the number of its part.
class TBandeUser {
public:
    virtual ~TBandeUser() = default;
    virtual int GetNumero() const = 0;
};

class TCpChampUser {
public:
    virtual ~TCpChampUser() = default;
    virtual TEtatUser* GetEtatProprietaire() const = 0;
    virtual const std::string& GetNom() const = 0;
    virtual void SetValeurChaine2(const std::string& valeur) = 0;
};

// A table of a report part; its columns are numbered from 0, left to right, all shown at first.
class TCpTableauUser {
public:
    virtual ~TCpTableauUser() = default;
    virtual TEtatUser* GetEtatProprietaire() const = 0;
    virtual void SetVisible(int colonne, bool visible) = 0;
};

class CVrelMaker {
public:
    virtual ~CVrelMaker() = default;

    // Registers the report file `fichier` as a statement named `nom`, served by `proprietaire`'s
    // events (this engine's when null), with `tag` as its tag. Unknown file: std::invalid_argument.
    virtual TEtatUser* AjouteEtat(const std::string& fichier, const std::string& nom, CVrelMaker* proprietaire,
                                  void* tag) = 0;
    // Prints every registered statement into one PDF file, written whole or not at all; returns
    // how many statements were printed (0: no file). An error (a refused SQL, a file that cannot
    // be written) leaves no file and is raised.
    virtual int Imprimer(const std::string& fichierPdf) = 0;

    std::function<bool(TEtatUser& etat, TDonneesEtat& donnees)> OnBDInitializedEvent;
    std::function<bool(TEtatUser& etat)> OnStartEtatEvent;
    std::function<bool(TBandeUser& bande, TCpChampUser& champ)> OnChamp;
    std::function<bool(TBandeUser& bande, TCpTableauUser& tableau)> OnTableau;
};

KVARN_EXPORT PARAMETRES_ETAT_DIVERS* AjouterEtatDetailDivers(CVrelMaker* maker, bool reintegrations, bool bic,
                                                             bool ba, bool bnc, unsigned int copies,
                                                             const std::string& criteres,
                                                             const std::string& nomDocument);
KVARN_EXPORT void SupprimerEtatDetailDivers(void* bloc);
