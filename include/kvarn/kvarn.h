/*
 * kvarn.h - the C interface of libkvarn, written by hand.
 *
 * Declares every C-linkage function the library exports and defines, once, every packed record
 * that the module exchanges with other programs. Compiles as C11 on its own
 * (gcc -std=c11 -I include); C++ code includes it too. Records are packed, little-endian,
 * and each layout is pinned by _Static_assert on its size and offsets.
 */
#ifndef KVARN_KVARN_H
#define KVARN_KVARN_H

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
#define KVARN_C_BEGIN extern "C" {
#define KVARN_C_END }
#define KVARN_STATIC_ASSERT static_assert
#else
#define KVARN_C_BEGIN
#define KVARN_C_END
#define KVARN_STATIC_ASSERT _Static_assert
#endif

/* Marks a name that libkvarn exports; the linker version script lists the same names. */
#define KVARN_EXPORT __attribute__((visibility("default")))

#pragma pack(push, 1)

/*
 * dateDOS - the host's 4-byte calendar date, as it appears inside exchanged records.
 *   offset 0: year, 16-bit little-endian (e.g. 2025)
 *   offset 2: day of the month, 1..31
 *   offset 3: month, 1..12
 * An empty date is all zero bytes.
 */
typedef struct dateDOS {
    uint16_t annee;
    uint8_t jour;
    uint8_t mois;
} dateDOS;

/*
 * tagNOINTRACOMM - a company's identification numbers side by side, 8-bit ANSI (CP1252) text.
 *   offset 0: intra-community prefix (country letters and key), 4 bytes
 *   offset 4: SIREN, 9 bytes
 *   offset 13: NIC, 5 bytes
 *   offset 18: terminator, zero
 * Fields are zero-padded and carry no terminator of their own: bytes 0-17 read together are the
 * intra-community number followed by the NIC, bytes 4-17 the SIRET.
 */
typedef struct tagNOINTRACOMM {
    char Prefixe[4];
    char Siren[9];
    char Nic[5];
    char Terminateur;
} tagNOINTRACOMM;

/*
 * tagDONNEES_ADM - the dossier's administrative data for the tax office, 8-bit ANSI texts, each
 * NUL-terminated within its width, the record zero-filled before use.
 *   offset 0: FRP - code of the company tax office (SIE), 3 characters
 *   offset 4: FRP - file number, 6 characters
 *   offset 11: FRP - key, 2 characters
 *   offset 14: VAT regime code ("EM", "RT", "AET", ...), 3 characters
 *   offset 18: CDI code, 3 characters
 *   offset 22: inspection code, 3 characters
 *   offset 26: service number, 3 characters
 */
typedef struct tagDONNEES_ADM {
    char CodeSIE[4];
    char NoDossier[7];
    char Cle[3];
    char RegimeTVA[4];
    char CodeCDI[4];
    char CodeInspection[4];
    char NoService[4];
} tagDONNEES_ADM;

/*
 * INTERVENANT_KV - an outside party (accountant, adviser, approved centre or association, tax
 * office, property administrator), 890 bytes, zero-filled before use. Texts are 8-bit OEM (CP850),
 * NUL-terminated within width + 1 bytes. The flag at 63, the number at 64, the free text at 79,
 * the text at 784 and the three texts from 804 on carry what the outside-party directory keeps
 * there: company or person, the party's SIRET, observations, fax, approval number, e-mail and
 * person to contact. The byte at 591 is never written.
 */
typedef struct INTERVENANT_KV {
    uint16_t Id;                  /*   0: party identifier, 0 = no party */
    char Nom[61];                 /*   2: name */
    uint8_t EstPersonneMorale;    /*  63: 1 for a company, 0 for a person */
    char Siret[15];               /*  64: SIRET of the party */
    char Observations[512];       /*  79: free text */
    uint8_t Reserve;              /* 591: unused */
    char AdrComplmt1[36];         /* 592 */
    char AdrComplmt2[36];         /* 628 */
    char AdrNoVoie[6];            /* 664 */
    char AdrCmplNoVoie[4];        /* 670: repetition index (B, T, Q) */
    char AdrNomVoie[36];          /* 674 */
    char AdrBP[6];                /* 710 */
    char AdrCP[18];               /* 716 */
    char AdrVille[32];            /* 734 */
    char AdrTel[18];              /* 766 */
    char AdrFax[18];              /* 784 */
    uint16_t AdrIDPays;           /* 802: country identifier, 76 = France */
    char NoAgrement[15];          /* 804: approval number (approved centre or association) */
    char Email[36];               /* 819 */
    char Contact[35];             /* 855: person to contact */
} INTERVENANT_KV;

/*
 * ADRESSE_CERFA_KV - the registered office laid out for the Cerfa returns, 212 bytes, zero-filled.
 * Texts are 8-bit OEM (CP850), NUL-terminated within width + 1 bytes; the tail stays zero.
 */
typedef struct ADRESSE_CERFA_KV {
    char AdrComplmt1[36];         /*   0: complement 1 */
    char AdrComplmt2[36];         /*  36: complement 2 */
    char AdrNoVoie[6];            /*  72: street number */
    char AdrCmplNoVoie[4];        /*  78: repetition index (B, T, Q) */
    char AdrNomVoie[36];          /*  82: street name */
    char AdrBP[6];                /* 118: BP */
    char AdrCP[18];               /* 124: postcode */
    char AdrVille[32];            /* 142: town */
    char Reserve[38];             /* 174: zero */
} ADRESSE_CERFA_KV;

/*
 * PARAMETRES_ETAT_DIVERS - the parameters of one statement of miscellaneous deductions or
 * reintegrations, 24 bytes, made by AjouterEtatDetailDivers and freed by SupprimerEtatDetailDivers
 * (<kvarn/etats.hpp>). The flags are 0 or 1. The two texts are UTF-8, NUL-terminated, owned by
 * the block (malloc'd; freed with it); the pointers are 8 bytes, hence the offsets 8 and 16.
 */
typedef struct PARAMETRES_ETAT_DIVERS {
    uint8_t Reintegrations;       /*  0: 1 reintegrations, 0 deductions */
    uint8_t AvecBIC;              /*  1: the BIC/IS column */
    uint8_t AvecBA;               /*  2: the BA column */
    uint8_t AvecBNC;              /*  3: the BNC column */
    uint32_t NbCopies;            /*  4: copies; the low 16 bits are used */
    char* CriteresGED;            /*  8: document-management criteria */
    char* NomDocGED;              /* 16: document-management document name */
} PARAMETRES_ETAT_DIVERS;

#pragma pack(pop)

KVARN_STATIC_ASSERT(sizeof(PARAMETRES_ETAT_DIVERS) == 24, "PARAMETRES_ETAT_DIVERS is 24 bytes");
KVARN_STATIC_ASSERT(offsetof(PARAMETRES_ETAT_DIVERS, AvecBIC) == 1, "PARAMETRES_ETAT_DIVERS.AvecBIC at 1");
KVARN_STATIC_ASSERT(offsetof(PARAMETRES_ETAT_DIVERS, AvecBA) == 2, "PARAMETRES_ETAT_DIVERS.AvecBA at 2");
KVARN_STATIC_ASSERT(offsetof(PARAMETRES_ETAT_DIVERS, AvecBNC) == 3, "PARAMETRES_ETAT_DIVERS.AvecBNC at 3");
KVARN_STATIC_ASSERT(offsetof(PARAMETRES_ETAT_DIVERS, NbCopies) == 4, "PARAMETRES_ETAT_DIVERS.NbCopies at 4");
KVARN_STATIC_ASSERT(offsetof(PARAMETRES_ETAT_DIVERS, CriteresGED) == 8, "PARAMETRES_ETAT_DIVERS.CriteresGED at 8");
KVARN_STATIC_ASSERT(offsetof(PARAMETRES_ETAT_DIVERS, NomDocGED) == 16, "PARAMETRES_ETAT_DIVERS.NomDocGED at 16");

/*
 * KV_EVENEMENT_EXO_TVA - an event another module may set: its function, called with its object,
 * the state of an associate's "every expense exempt from VAT" box (0 or 1) and the associate's
 * key. Empty (both pointers null) means not set.
 */
typedef struct KV_EVENEMENT_EXO_TVA {
    void* Objet;
    void (*Fonction)(void* objet, int exonere, int idAssocie);
} KV_EVENEMENT_EXO_TVA;

KVARN_STATIC_ASSERT(sizeof(KV_EVENEMENT_EXO_TVA) == 2 * sizeof(void*), "KV_EVENEMENT_EXO_TVA is two pointers");

KVARN_STATIC_ASSERT(sizeof(INTERVENANT_KV) == 890, "INTERVENANT_KV is 890 bytes");
KVARN_STATIC_ASSERT(offsetof(INTERVENANT_KV, Id) == 0, "INTERVENANT_KV.Id at 0");
KVARN_STATIC_ASSERT(offsetof(INTERVENANT_KV, Nom) == 2, "INTERVENANT_KV.Nom at 2");
KVARN_STATIC_ASSERT(offsetof(INTERVENANT_KV, EstPersonneMorale) == 63, "INTERVENANT_KV flag at 63");
KVARN_STATIC_ASSERT(offsetof(INTERVENANT_KV, Siret) == 64, "INTERVENANT_KV.Siret at 64");
KVARN_STATIC_ASSERT(offsetof(INTERVENANT_KV, Observations) == 79, "INTERVENANT_KV.Observations at 79");
KVARN_STATIC_ASSERT(offsetof(INTERVENANT_KV, Reserve) == 591, "INTERVENANT_KV unnamed byte at 591");
KVARN_STATIC_ASSERT(offsetof(INTERVENANT_KV, AdrComplmt1) == 592, "INTERVENANT_KV.AdrComplmt1 at 592");
KVARN_STATIC_ASSERT(offsetof(INTERVENANT_KV, AdrComplmt2) == 628, "INTERVENANT_KV.AdrComplmt2 at 628");
KVARN_STATIC_ASSERT(offsetof(INTERVENANT_KV, AdrNoVoie) == 664, "INTERVENANT_KV.AdrNoVoie at 664");
KVARN_STATIC_ASSERT(offsetof(INTERVENANT_KV, AdrCmplNoVoie) == 670, "INTERVENANT_KV.AdrCmplNoVoie at 670");
KVARN_STATIC_ASSERT(offsetof(INTERVENANT_KV, AdrNomVoie) == 674, "INTERVENANT_KV.AdrNomVoie at 674");
KVARN_STATIC_ASSERT(offsetof(INTERVENANT_KV, AdrBP) == 710, "INTERVENANT_KV.AdrBP at 710");
KVARN_STATIC_ASSERT(offsetof(INTERVENANT_KV, AdrCP) == 716, "INTERVENANT_KV.AdrCP at 716");
KVARN_STATIC_ASSERT(offsetof(INTERVENANT_KV, AdrVille) == 734, "INTERVENANT_KV.AdrVille at 734");
KVARN_STATIC_ASSERT(offsetof(INTERVENANT_KV, AdrTel) == 766, "INTERVENANT_KV.AdrTel at 766");
KVARN_STATIC_ASSERT(offsetof(INTERVENANT_KV, AdrFax) == 784, "INTERVENANT_KV.AdrFax at 784");
KVARN_STATIC_ASSERT(offsetof(INTERVENANT_KV, AdrIDPays) == 802, "INTERVENANT_KV.AdrIDPays at 802");
KVARN_STATIC_ASSERT(offsetof(INTERVENANT_KV, NoAgrement) == 804, "INTERVENANT_KV.NoAgrement at 804");
KVARN_STATIC_ASSERT(offsetof(INTERVENANT_KV, Email) == 819, "INTERVENANT_KV.Email at 819");
KVARN_STATIC_ASSERT(offsetof(INTERVENANT_KV, Contact) == 855, "INTERVENANT_KV.Contact at 855");

KVARN_STATIC_ASSERT(sizeof(ADRESSE_CERFA_KV) == 212, "ADRESSE_CERFA_KV is 212 bytes");
KVARN_STATIC_ASSERT(offsetof(ADRESSE_CERFA_KV, AdrComplmt1) == 0, "ADRESSE_CERFA_KV.AdrComplmt1 at 0");
KVARN_STATIC_ASSERT(offsetof(ADRESSE_CERFA_KV, AdrComplmt2) == 36, "ADRESSE_CERFA_KV.AdrComplmt2 at 36");
KVARN_STATIC_ASSERT(offsetof(ADRESSE_CERFA_KV, AdrNoVoie) == 72, "ADRESSE_CERFA_KV.AdrNoVoie at 72");
KVARN_STATIC_ASSERT(offsetof(ADRESSE_CERFA_KV, AdrCmplNoVoie) == 78, "ADRESSE_CERFA_KV.AdrCmplNoVoie at 78");
KVARN_STATIC_ASSERT(offsetof(ADRESSE_CERFA_KV, AdrNomVoie) == 82, "ADRESSE_CERFA_KV.AdrNomVoie at 82");
KVARN_STATIC_ASSERT(offsetof(ADRESSE_CERFA_KV, AdrBP) == 118, "ADRESSE_CERFA_KV.AdrBP at 118");
KVARN_STATIC_ASSERT(offsetof(ADRESSE_CERFA_KV, AdrCP) == 124, "ADRESSE_CERFA_KV.AdrCP at 124");
KVARN_STATIC_ASSERT(offsetof(ADRESSE_CERFA_KV, AdrVille) == 142, "ADRESSE_CERFA_KV.AdrVille at 142");
KVARN_STATIC_ASSERT(offsetof(ADRESSE_CERFA_KV, Reserve) == 174, "ADRESSE_CERFA_KV tail at 174");

KVARN_STATIC_ASSERT(sizeof(tagNOINTRACOMM) == 19, "tagNOINTRACOMM is 19 bytes");
KVARN_STATIC_ASSERT(offsetof(tagNOINTRACOMM, Prefixe) == 0, "tagNOINTRACOMM.Prefixe at 0");
KVARN_STATIC_ASSERT(offsetof(tagNOINTRACOMM, Siren) == 4, "tagNOINTRACOMM.Siren at 4");
KVARN_STATIC_ASSERT(offsetof(tagNOINTRACOMM, Nic) == 13, "tagNOINTRACOMM.Nic at 13");
KVARN_STATIC_ASSERT(offsetof(tagNOINTRACOMM, Terminateur) == 18, "tagNOINTRACOMM terminator at 18");

KVARN_STATIC_ASSERT(sizeof(tagDONNEES_ADM) == 30, "tagDONNEES_ADM is 30 bytes");
KVARN_STATIC_ASSERT(offsetof(tagDONNEES_ADM, NoDossier) == 4, "tagDONNEES_ADM.NoDossier at 4");
KVARN_STATIC_ASSERT(offsetof(tagDONNEES_ADM, Cle) == 11, "tagDONNEES_ADM.Cle at 11");
KVARN_STATIC_ASSERT(offsetof(tagDONNEES_ADM, RegimeTVA) == 14, "tagDONNEES_ADM.RegimeTVA at 14");
KVARN_STATIC_ASSERT(offsetof(tagDONNEES_ADM, CodeCDI) == 18, "tagDONNEES_ADM.CodeCDI at 18");
KVARN_STATIC_ASSERT(offsetof(tagDONNEES_ADM, CodeInspection) == 22, "tagDONNEES_ADM.CodeInspection at 22");
KVARN_STATIC_ASSERT(offsetof(tagDONNEES_ADM, NoService) == 26, "tagDONNEES_ADM.NoService at 26");

KVARN_STATIC_ASSERT(sizeof(dateDOS) == 4, "dateDOS is 4 bytes");
KVARN_STATIC_ASSERT(offsetof(dateDOS, annee) == 0, "dateDOS.annee at 0");
KVARN_STATIC_ASSERT(offsetof(dateDOS, jour) == 2, "dateDOS.jour at 2");
KVARN_STATIC_ASSERT(offsetof(dateDOS, mois) == 3, "dateDOS.mois at 3");

KVARN_C_BEGIN

/* The library's version, "major.minor.patch". */
KVARN_EXPORT const char* kvarn_version(void);

/*
 * The module's bracket: every operation on the dossier's tables runs between InitKV and DesinitKV.
 * The first InitKV of a dossier (count 0 to 1) runs its start-up (migrations, checks); nested calls
 * only count. DesinitKV only counts down, never below 0. Both do nothing without a data module.
 */
KVARN_EXPORT void InitKV(void);
KVARN_EXPORT void DesinitKV(void);
/* 0: prepares the wizard for the screen group of the main window's parameter block (after an
 * InitKV that stays counted); 1: DesinitKV; anything else: nothing. Returns 1. */
KVARN_EXPORT int _Run(int action);
/* Overrides the loading mode (-1 restores the mode of the dossier's tax category). */
KVARN_EXPORT void _KVAffecterAssistantDeChargement(int mode);

/*
 * The standalone host: kvarn_standalone_open installs it for the dossier of `dossier_dir` (which
 * must hold a dossier record) and creates the data module; 0 on success, non-zero with the reason
 * on stderr. kvarn_standalone_close releases the data module and the host.
 */
KVARN_EXPORT int kvarn_standalone_open(const char* dossier_dir);
KVARN_EXPORT void kvarn_standalone_close(void);

/*
 * Set by another module to hear of an associate whose "every expense exempt from VAT" box changed
 * in the associate entry screen; the module empties it whenever its data module is created and
 * released, and calls it only when set.
 */
KVARN_EXPORT extern KV_EVENEMENT_EXO_TVA _ToutLesDepenseSontExonereDeTVA;

KVARN_C_END

#endif /* KVARN_KVARN_H */
