// cEnvironKV: the environment interface answered by the installed host.
//
// Directories come from the host environment's NomFichier2 codes, the user and company from the
// host environment, the dossier's name, first name and label from the current dossier record; the
// aliases are the module's own constants and the session is always the default one. Operation 14
// combines the host's start-up flag with the dossier's ISA link; operation 44 asks the host to copy
// the module's tables; operations 46 and 47 create and destroy the settings store. The host is
// read through the globals it installs (pEnvironnement, pCurDossier), at each call, so the object
// may be built before a dossier is open; an operation that needs a missing host throws in French.
#pragma once

#include "frame/environ_base_kv.hpp"

#include <cstdint>

namespace kvarn::frame {

inline constexpr const char* kAliasDossier = "ZOR_DOSSIER";
inline constexpr const char* kAliasTmp = "ZOR_TMP";
inline constexpr const char* kAliasCommun = "ZOR_COMMUN";

// The module's tables the host copies, in the order it copies them, with their location codes.
struct TableACopier {
    const char* suffixe;
    std::uint32_t codeLocalisation;
};
inline constexpr TableACopier kTablesACopier[] = {
    {"kv1", 0x89A00FF}, {"kv2", 0x89A0100}, {"kvm", 0x89A0101},
    // No table takes 0x89A0102: the sequence skips it on purpose.
    {"kv3", 0x89A0103}, {"kvp", 0x89A0104}, {"kva", 0x89A0105}, {"kvs", 0x89A0106},
};

class cEnvironKV : public cEnvironBaseKV {
public:
    /* 0 */ ~cEnvironKV() override;
    /* 1 */ void Initialiser() override;
    /* 2 */ std::string GetNomUtilisateur() const override;
    /* 3 */ std::string GetRaisonSociale() const override;
    /* 4 */ std::string GetNomDossier() const override;
    /* 5 */ std::string GetPrenomDossier() const override;
    /* 6 */ std::string GetRepCommun() const override;
    /* 7 */ std::string GetRepExe() const override;
    /* 8 */ std::string GetRepDossier() const override;
    /* 9 */ std::string GetRepTmp() const override;
    /* 10 */ std::string GetNomSession() const override;
    /* 11 */ std::string GetAliasDossier() const override;
    /* 12 */ std::string GetAliasTmp() const override;
    /* 13 */ std::string GetAliasCommun() const override;
    /* 14 */ bool GetTraitementISAGI() const override;
    /* 15 */ std::string GetLibelleDossier() const override;
    /* 44 */ void CopierTables() override;
    /* 45 */ std::string GetFichierINI() const override;
    /* 46 */ void CreateFichierIni() override;
    /* 47 */ void DetruireFichierIni() override;
};

}  // namespace kvarn::frame
