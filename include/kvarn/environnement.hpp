// The module's environment and settings functions, as other programs of the suite call them.
//
// The first group reports where the module runs (user, company, directories, session, database
// aliases, the ISA start-up test); the second reads and writes the dossier's settings store
// "KOLMI$$G.dat": the plain functions in its current section ("KV"), the "Ass" functions in a named
// section. Texts are UTF-8. Writing an empty text, the integer NULL_ENTIER (-2147483647) or the
// zero date deletes the key, so the reader's default comes back; booleans are stored as 1 or 0.
// Every function acts on the environment object of the module's data module, which must exist;
// when it does not, or the settings file cannot be read or written, the error is shown in the
// host's exception box and the function returns its empty value (empty text, 0, false, the
// zero date, or the default given).
#pragma once

#include <kvarn/kvarn.h>

#include <string>

KVARN_EXPORT std::string GetNomUtilisateur();
KVARN_EXPORT std::string GetRaisonSociale();
KVARN_EXPORT std::string GetRepCommun();
KVARN_EXPORT std::string GetRepExe();
KVARN_EXPORT std::string GetRepDossier();
KVARN_EXPORT std::string GetRepTmp();
KVARN_EXPORT std::string GetNomSession();
KVARN_EXPORT std::string GetAliasDossier();
KVARN_EXPORT std::string GetAliasTmp();
KVARN_EXPORT std::string GetAliasCommun();
KVARN_EXPORT std::string GetFichierINI();
KVARN_EXPORT bool GetTraitementISAGI();
KVARN_EXPORT void CreateFichierIni();

KVARN_EXPORT std::string GetString(const std::string& cle);
KVARN_EXPORT int GetInteger(const std::string& cle, int defaut);
KVARN_EXPORT bool GetBool(const std::string& cle);
KVARN_EXPORT void SetString(const std::string& cle, const std::string& valeur);
KVARN_EXPORT void SetInteger(const std::string& cle, int valeur);
KVARN_EXPORT void SetBool(const std::string& cle, bool valeur);
KVARN_EXPORT void SupprimerCle(const std::string& cle);

KVARN_EXPORT std::string GetAssString(const std::string& section, const std::string& cle);
KVARN_EXPORT double GetAssDate(const std::string& section, const std::string& cle);
KVARN_EXPORT int GetAssInteger(const std::string& section, const std::string& cle, int defaut);
KVARN_EXPORT bool GetAssBool(const std::string& section, const std::string& cle);
KVARN_EXPORT void SetAssString(const std::string& section, const std::string& cle, const std::string& valeur);
KVARN_EXPORT void SetAssDate(const std::string& section, const std::string& cle, double valeur);
KVARN_EXPORT void SetAssInteger(const std::string& section, const std::string& cle, int valeur);
KVARN_EXPORT void SetAssBool(const std::string& section, const std::string& cle, bool valeur);
KVARN_EXPORT void SupprimerCleAss(const std::string& section, const std::string& cle);

// Stays in the interface for the callers that use it: takes two texts, does nothing, returns 0.
KVARN_EXPORT int GererFichierTrp(const std::string&, const std::string&);
