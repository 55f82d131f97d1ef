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

#include <stdbool.h>
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

/*
 * ASSOCIE_C - one associate for the C interface, 1608 bytes, zero-filled before it is filled.
 * Texts are 8-bit, NUL-terminated within their width, cut silently: those marked OEM in the
 * code page CP850, the others in CP1252. The int16 fields hold the low 16 bits of the associate's
 * members, but for the key: an associate whose key an int16 cannot hold (above 32767) is carried
 * with the key 0, which names no row, so that a record written back never lands on another
 * associate's row. Reals carry the module's null real (the most negative finite double); the
 * int16 fields marked "-32767 for none" carry -32767 for an empty member, and so does
 * NbEx_Edition, whose empty value would otherwise read as a real count of 1.
 */
typedef struct ASSOCIE_C {
    int16_t ShIDAssocie;              /*    0: key of the associate (low 16 bits) */
    int16_t PersonnePhysique;         /*    2: 1 for a physical person, 0 for a legal person */
    char Nom[32];                     /*    4: OEM; the company name of a legal person */
    char Prenoms[46];                 /*   36: OEM */
    int16_t Titre;                    /*   82: civility, or legal form of a legal person */
    char NomPatronymique[32];         /*   84: OEM: birth name */
    char NomMarital[32];              /*  116: OEM */
    char PrenomConjoint[16];          /*  148: OEM */
    char NoIdentFisc[22];             /*  164: OEM: tax number, at most 20 characters */
    char AdrComplmt1[36];             /*  186: OEM */
    char AdrComplmt2[36];             /*  222: OEM */
    char AdrNoVoie[6];                /*  258 */
    char AdrCmplNoVoie[4];            /*  264 */
    char AdrNomVoie[36];              /*  268: OEM */
    char AdrBP[6];                    /*  304 */
    char AdrCP[18];                   /*  310 */
    char AdrVille[32];                /*  328: OEM */
    char AdrTel[18];                  /*  360 */
    char AdrFax[18];                  /*  378 */
    int16_t AdrIDPays;                /*  396: country, 76 = France */
    char AdrCodeInsee[6];             /*  398: OEM */
    char AdrBureauDistrib[27];        /*  404: OEM: delivery office */
    dateDOS DateNaissance;            /*  431 */
    char DeptNaissance[4];            /*  435: birth department ("2A", "75", "99") */
    char CPNaissance[18];             /*  439 */
    char LieuNaissance[32];           /*  457: OEM */
    char Reserve1[1];                 /*  489: zero */
    int16_t Qualite;                  /*  490 */
    int16_t StatutConjoint;           /*  492 */
    int16_t RegimeMatrimonial;        /*  494 */
    int16_t SituationFamille;         /*  496 */
    char NoSiret[16];                 /*  498: at most 14 characters */
    int16_t Concerne2065;             /*  514 */
    double PartBenefice;              /*  516 */
    double PartPlusValues;            /*  524 */
    int16_t AnneeVersement1;          /*  532 */
    int16_t AnneeVersement2;          /*  534 */
    double NbPartsSocialesAnnee1;     /*  536 */
    double NbPartsSocialesAnnee2;     /*  544 */
    double TraitementsAnnee1;         /*  552 */
    double TraitementsAnnee2;         /*  560 */
    double IndemniteFraisMissionA1;   /*  568 */
    double IndemniteFraisMissionA2;   /*  576 */
    double RembourstFraisMissionA1;   /*  584 */
    double RembourstFraisMissionA2;   /*  592 */
    double IndemniteAutresAnnee1;     /*  600 */
    double IndemniteAutresAnnee2;     /*  608 */
    double RembourstAutresAnnee1;     /*  616 */
    double RembourstAutresAnnee2;     /*  624 */
    char BICouMeuble;                 /*  632: low byte of the character, 0 for none */
    char Reserve2[1];                 /*  633: zero */
    double PartRevenusValeurs;        /*  634 */
    double PartImpotVerse;            /*  642 */
    int16_t IDPaysNaissance;          /*  650 */
    char Reserve3[198];               /*  652: zero */
    int16_t PartResultatNumerateur;   /*  850: -32767 for none */
    int16_t PartResultatDenominateur; /*  852: -32767 for none */
    double CorrPVLT;                  /*  854 */
    int16_t NbHeureTravaillesConjoint;/*  862: -32767 for none */
    double Remuneration;              /*  864 */
    int16_t NonCGANumerateurProrata;  /*  872: -32767 for none */
    int16_t NonCGADenominateurProrata;/*  874: -32767 for none */
    double NbPartsPPFinExo;           /*  876: end-of-year full ownership */
    double NbPartsUFinExo;            /*  884: end-of-year usufruct */
    double NbPartsNPFinExo;           /*  892: end-of-year bare ownership */
    double RFPartAssocieForce;        /*  900 */
    double Honoraires;                /*  908 */
    double TaxeProf;                  /*  916 */
    double CSGDeduc;                  /*  924 */
    double FraisVehiculesReels;       /*  932 */
    double ChgSocPersoOblig;          /*  940 */
    double ChgSocPersoFacult;         /*  948 */
    double FraisFi;                   /*  956 */
    int16_t NbEx_Edition;             /*  964: -32767 for none */
    double PourcentagePartAssoForce;  /*  966 */
    int16_t Holding;                  /*  974 */
    char Adr1JanComplement1[36];      /*  976 */
    char Adr1JanComplement2[36];      /* 1012 */
    char Adr1JanNoVoie[6];            /* 1048 */
    char Adr1JanCmplNoVoie[4];        /* 1054 */
    char Adr1JanNomVoie[36];          /* 1058 */
    char Adr1JanBP[6];                /* 1094 */
    char Adr1JanCP[18];               /* 1100 */
    char Adr1JanVille[32];            /* 1118 */
    char Adr1JanTel[18];              /* 1150 */
    char Adr1JanFax[18];              /* 1168 */
    int16_t Adr1JanIDPays;            /* 1186 */
    char Reserve4[6];                 /* 1188: zero */
    char Adr1JanCodeInsee[6];         /* 1194 */
    char Adr1JanBureauDistrib[27];    /* 1200 */
    char Reserve5[1];                 /* 1227: zero */
    char NomIntervGerant[36];         /* 1228 */
    char PrenomIntervGerant[36];      /* 1264 */
    char AdrGerantComplement1[36];    /* 1300 */
    char AdrGerantComplement2[36];    /* 1336 */
    char AdrGerantNoVoie[6];          /* 1372 */
    char AdrGerantCpltNoVoie[4];      /* 1378 */
    char AdrGerantNomVoie[36];        /* 1382 */
    char AdrGerantBP[6];              /* 1418 */
    char AdrGerantCP[18];             /* 1424 */
    char AdrGerantVille[32];          /* 1442 */
    char Reserve6[44];                /* 1474: zero */
    double NbParts;                   /* 1518: start-of-year full ownership */
    double NbPartsU;                  /* 1526: start-of-year usufruct */
    double NbPartsN;                  /* 1534: start-of-year bare ownership */
    int16_t IdComptable;              /* 1542 */
    int16_t IdAdmin;                  /* 1544 */
    double PourcentageDetention;      /* 1546 */
    int16_t RegimeImpositionSCI;      /* 1554 */
    double NbDroitsADividendes;       /* 1556 */
    double NbDroitsDeVote;            /* 1564 */
    char Profession[36];              /* 1572 */
} ASSOCIE_C;

/*
 * FONCTIONSETCAPITAL_C - one row of the associates' functions and capital in other companies,
 * 372 bytes, zero-filled before it is filled; texts as in ASSOCIE_C. The five reals carry the
 * module's null real for an empty column.
 */
typedef struct FONCTIONSETCAPITAL_C {
    int16_t IDAssocie;                /*    0 */
    char RaisonSociale[36];           /*    2: OEM */
    char Activite[36];                /*   38: OEM */
    char AdrCmplt1[36];               /*   74: OEM */
    char AdrCmplt2[36];               /*  110: OEM */
    char AdrNoVoie[6];                /*  146 */
    char AdrCmpltNoVoie[4];           /*  152 */
    char AdrNomVoie[36];              /*  156: OEM */
    char AdrBP[6];                    /*  192 */
    char AdrCP[18];                   /*  198 */
    char AdrVille[36];                /*  216: OEM */
    char Reserve1[32];                /*  252: zero */
    int16_t AdrPays;                  /*  284 */
    char Reserve2[6];                 /*  286: zero */
    int16_t AssoFonctionDansEnt;      /*  292: 0 or 1 */
    char Fonction[36];                /*  294: OEM, only with AssoFonctionDansEnt */
    int16_t AssoADuCapitalDansEnt;    /*  330: 0 or 1 */
    double MontantCapital;            /*  332 */
    double NbDroitsDeVote;            /*  340 */
    double PourcentageDroitsDeVote;   /*  348 */
    double NbDroitsADividendes;       /*  356 */
    double PourcentageDroitsADiv;     /*  364 */
} FONCTIONSETCAPITAL_C;

/*
 * DEDUCTION_REINTEGRATION_C - one line of miscellaneous deductions or reintegrations from an
 * older product, 46 bytes, read by MigrerDeductionsReintegrations.
 */
typedef struct DEDUCTION_REINTEGRATION_C {
    int16_t EstDeduction;             /*  0: non-zero for a deduction, 0 for a reintegration */
    char Designation[32];             /*  2: OEM, NUL-terminated or filling the field; 30 characters kept */
    int32_t MontantBIC;               /* 34: whole euros; 0x80000001 for none */
    int32_t MontantBA;                /* 38: the same */
    int32_t MontantBNC;               /* 42: the same */
} DEDUCTION_REINTEGRATION_C;

/*
 * ASSOCIE_ANCIEN_C - one associate from an older product, 428 bytes, read by MigrerAssocie. Texts
 * are 8-bit OEM (CP850), NUL-terminated or filling their field, cut at the width of their column.
 * Civility: "M", "MME" or "MLE", without regard to case (anything else reads "M"). A legal
 * person's form is its abbreviation ("SARL") or label in the host's list of legal forms, without
 * regard to case; a country is its French name or ISO 3166 two-letter code, without regard to
 * case, empty for France. A form or country not found is asked for in the host's correction
 * screen; with no answer nothing is written. Dates are the host's dateDOS, all zero for none.
 * Shares are the holdings at the start of the year.
 */
typedef struct ASSOCIE_ANCIEN_C {
    int16_t PersonnePhysique;         /*   0: 1 for a physical person, 0 for a legal person */
    char Civilite[4];                 /*   2: "M", "MME", "MLE" */
    char FormeJuridique[32];          /*   6: legal person only */
    char Nom[32];                     /*  38: name, or company name */
    char Prenoms[46];                 /*  70 */
    char NomPatronymique[32];         /* 116: birth name */
    char AdrComplmt1[36];             /* 148 */
    char AdrNoVoie[6];                /* 184 */
    char AdrNomVoie[36];              /* 190 */
    char AdrCP[18];                   /* 226 */
    char AdrVille[32];                /* 244 */
    char AdrPays[32];                 /* 276 */
    dateDOS DateNaissance;            /* 308 */
    char LieuNaissance[32];           /* 312 */
    char PaysNaissance[32];           /* 344 */
    int16_t Qualite;                  /* 376: quality code of the associates' table */
    char Reserve[2];                  /* 378: zero */
    double NbParts;                   /* 380: full ownership */
    double NbPartsU;                  /* 388: usufruct */
    double NbPartsN;                  /* 396: bare ownership */
    dateDOS DateEntree;               /* 404: entry into the company (SCI), all zero for none */
    dateDOS DateSortie;               /* 408: exit from the company (SCI), all zero for none */
    char NoSiret[16];                 /* 412: legal person's SIRET, 14 characters */
} ASSOCIE_ANCIEN_C;

#pragma pack(pop)

KVARN_STATIC_ASSERT(sizeof(PARAMETRES_ETAT_DIVERS) == 24, "PARAMETRES_ETAT_DIVERS is 24 bytes");
KVARN_STATIC_ASSERT(offsetof(PARAMETRES_ETAT_DIVERS, AvecBIC) == 1, "PARAMETRES_ETAT_DIVERS.AvecBIC at 1");
KVARN_STATIC_ASSERT(offsetof(PARAMETRES_ETAT_DIVERS, AvecBA) == 2, "PARAMETRES_ETAT_DIVERS.AvecBA at 2");
KVARN_STATIC_ASSERT(offsetof(PARAMETRES_ETAT_DIVERS, AvecBNC) == 3, "PARAMETRES_ETAT_DIVERS.AvecBNC at 3");
KVARN_STATIC_ASSERT(offsetof(PARAMETRES_ETAT_DIVERS, NbCopies) == 4, "PARAMETRES_ETAT_DIVERS.NbCopies at 4");
KVARN_STATIC_ASSERT(offsetof(PARAMETRES_ETAT_DIVERS, CriteresGED) == 8, "PARAMETRES_ETAT_DIVERS.CriteresGED at 8");
KVARN_STATIC_ASSERT(offsetof(PARAMETRES_ETAT_DIVERS, NomDocGED) == 16, "PARAMETRES_ETAT_DIVERS.NomDocGED at 16");

/*
 * KV_PREALABLES_REPARTITION - a method of the host: its function, called with its object, before
 * the result distribution screen takes the host's amounts, so that the host computes them first.
 * Empty (both pointers null) means not set.
 */
typedef struct KV_PREALABLES_REPARTITION {
    void* Objet;
    void (*Fonction)(void* objet);
} KV_PREALABLES_REPARTITION;

KVARN_STATIC_ASSERT(sizeof(KV_PREALABLES_REPARTITION) == 2 * sizeof(void*), "KV_PREALABLES_REPARTITION is two pointers");

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

KVARN_STATIC_ASSERT(sizeof(ASSOCIE_C) == 1608, "ASSOCIE_C is 1608 bytes");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, ShIDAssocie) == 0, "ASSOCIE_C.ShIDAssocie at 0");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, PersonnePhysique) == 2, "ASSOCIE_C.PersonnePhysique at 2");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, Nom) == 4, "ASSOCIE_C.Nom at 4");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, Prenoms) == 36, "ASSOCIE_C.Prenoms at 36");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, Titre) == 82, "ASSOCIE_C.Titre at 82");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, NomPatronymique) == 84, "ASSOCIE_C.NomPatronymique at 84");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, NomMarital) == 116, "ASSOCIE_C.NomMarital at 116");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, PrenomConjoint) == 148, "ASSOCIE_C.PrenomConjoint at 148");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, NoIdentFisc) == 164, "ASSOCIE_C.NoIdentFisc at 164");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, AdrComplmt1) == 186, "ASSOCIE_C.AdrComplmt1 at 186");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, AdrComplmt2) == 222, "ASSOCIE_C.AdrComplmt2 at 222");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, AdrNoVoie) == 258, "ASSOCIE_C.AdrNoVoie at 258");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, AdrCmplNoVoie) == 264, "ASSOCIE_C.AdrCmplNoVoie at 264");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, AdrNomVoie) == 268, "ASSOCIE_C.AdrNomVoie at 268");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, AdrBP) == 304, "ASSOCIE_C.AdrBP at 304");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, AdrCP) == 310, "ASSOCIE_C.AdrCP at 310");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, AdrVille) == 328, "ASSOCIE_C.AdrVille at 328");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, AdrTel) == 360, "ASSOCIE_C.AdrTel at 360");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, AdrFax) == 378, "ASSOCIE_C.AdrFax at 378");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, AdrIDPays) == 396, "ASSOCIE_C.AdrIDPays at 396");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, AdrCodeInsee) == 398, "ASSOCIE_C.AdrCodeInsee at 398");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, AdrBureauDistrib) == 404, "ASSOCIE_C.AdrBureauDistrib at 404");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, DateNaissance) == 431, "ASSOCIE_C.DateNaissance at 431");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, DeptNaissance) == 435, "ASSOCIE_C.DeptNaissance at 435");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, CPNaissance) == 439, "ASSOCIE_C.CPNaissance at 439");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, LieuNaissance) == 457, "ASSOCIE_C.LieuNaissance at 457");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, Reserve1) == 489, "ASSOCIE_C.Reserve1 at 489");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, Qualite) == 490, "ASSOCIE_C.Qualite at 490");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, StatutConjoint) == 492, "ASSOCIE_C.StatutConjoint at 492");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, RegimeMatrimonial) == 494, "ASSOCIE_C.RegimeMatrimonial at 494");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, SituationFamille) == 496, "ASSOCIE_C.SituationFamille at 496");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, NoSiret) == 498, "ASSOCIE_C.NoSiret at 498");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, Concerne2065) == 514, "ASSOCIE_C.Concerne2065 at 514");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, PartBenefice) == 516, "ASSOCIE_C.PartBenefice at 516");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, PartPlusValues) == 524, "ASSOCIE_C.PartPlusValues at 524");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, AnneeVersement1) == 532, "ASSOCIE_C.AnneeVersement1 at 532");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, AnneeVersement2) == 534, "ASSOCIE_C.AnneeVersement2 at 534");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, NbPartsSocialesAnnee1) == 536, "ASSOCIE_C.NbPartsSocialesAnnee1 at 536");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, NbPartsSocialesAnnee2) == 544, "ASSOCIE_C.NbPartsSocialesAnnee2 at 544");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, TraitementsAnnee1) == 552, "ASSOCIE_C.TraitementsAnnee1 at 552");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, TraitementsAnnee2) == 560, "ASSOCIE_C.TraitementsAnnee2 at 560");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, IndemniteFraisMissionA1) == 568, "ASSOCIE_C.IndemniteFraisMissionA1 at 568");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, IndemniteFraisMissionA2) == 576, "ASSOCIE_C.IndemniteFraisMissionA2 at 576");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, RembourstFraisMissionA1) == 584, "ASSOCIE_C.RembourstFraisMissionA1 at 584");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, RembourstFraisMissionA2) == 592, "ASSOCIE_C.RembourstFraisMissionA2 at 592");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, IndemniteAutresAnnee1) == 600, "ASSOCIE_C.IndemniteAutresAnnee1 at 600");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, IndemniteAutresAnnee2) == 608, "ASSOCIE_C.IndemniteAutresAnnee2 at 608");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, RembourstAutresAnnee1) == 616, "ASSOCIE_C.RembourstAutresAnnee1 at 616");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, RembourstAutresAnnee2) == 624, "ASSOCIE_C.RembourstAutresAnnee2 at 624");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, BICouMeuble) == 632, "ASSOCIE_C.BICouMeuble at 632");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, Reserve2) == 633, "ASSOCIE_C.Reserve2 at 633");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, PartRevenusValeurs) == 634, "ASSOCIE_C.PartRevenusValeurs at 634");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, PartImpotVerse) == 642, "ASSOCIE_C.PartImpotVerse at 642");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, IDPaysNaissance) == 650, "ASSOCIE_C.IDPaysNaissance at 650");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, Reserve3) == 652, "ASSOCIE_C.Reserve3 at 652");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, PartResultatNumerateur) == 850, "ASSOCIE_C.PartResultatNumerateur at 850");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, PartResultatDenominateur) == 852, "ASSOCIE_C.PartResultatDenominateur at 852");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, CorrPVLT) == 854, "ASSOCIE_C.CorrPVLT at 854");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, NbHeureTravaillesConjoint) == 862, "ASSOCIE_C.NbHeureTravaillesConjoint at 862");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, Remuneration) == 864, "ASSOCIE_C.Remuneration at 864");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, NonCGANumerateurProrata) == 872, "ASSOCIE_C.NonCGANumerateurProrata at 872");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, NonCGADenominateurProrata) == 874, "ASSOCIE_C.NonCGADenominateurProrata at 874");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, NbPartsPPFinExo) == 876, "ASSOCIE_C.NbPartsPPFinExo at 876");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, NbPartsUFinExo) == 884, "ASSOCIE_C.NbPartsUFinExo at 884");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, NbPartsNPFinExo) == 892, "ASSOCIE_C.NbPartsNPFinExo at 892");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, RFPartAssocieForce) == 900, "ASSOCIE_C.RFPartAssocieForce at 900");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, Honoraires) == 908, "ASSOCIE_C.Honoraires at 908");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, TaxeProf) == 916, "ASSOCIE_C.TaxeProf at 916");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, CSGDeduc) == 924, "ASSOCIE_C.CSGDeduc at 924");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, FraisVehiculesReels) == 932, "ASSOCIE_C.FraisVehiculesReels at 932");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, ChgSocPersoOblig) == 940, "ASSOCIE_C.ChgSocPersoOblig at 940");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, ChgSocPersoFacult) == 948, "ASSOCIE_C.ChgSocPersoFacult at 948");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, FraisFi) == 956, "ASSOCIE_C.FraisFi at 956");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, NbEx_Edition) == 964, "ASSOCIE_C.NbEx_Edition at 964");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, PourcentagePartAssoForce) == 966, "ASSOCIE_C.PourcentagePartAssoForce at 966");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, Holding) == 974, "ASSOCIE_C.Holding at 974");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, Adr1JanComplement1) == 976, "ASSOCIE_C.Adr1JanComplement1 at 976");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, Adr1JanComplement2) == 1012, "ASSOCIE_C.Adr1JanComplement2 at 1012");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, Adr1JanNoVoie) == 1048, "ASSOCIE_C.Adr1JanNoVoie at 1048");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, Adr1JanCmplNoVoie) == 1054, "ASSOCIE_C.Adr1JanCmplNoVoie at 1054");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, Adr1JanNomVoie) == 1058, "ASSOCIE_C.Adr1JanNomVoie at 1058");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, Adr1JanBP) == 1094, "ASSOCIE_C.Adr1JanBP at 1094");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, Adr1JanCP) == 1100, "ASSOCIE_C.Adr1JanCP at 1100");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, Adr1JanVille) == 1118, "ASSOCIE_C.Adr1JanVille at 1118");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, Adr1JanTel) == 1150, "ASSOCIE_C.Adr1JanTel at 1150");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, Adr1JanFax) == 1168, "ASSOCIE_C.Adr1JanFax at 1168");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, Adr1JanIDPays) == 1186, "ASSOCIE_C.Adr1JanIDPays at 1186");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, Reserve4) == 1188, "ASSOCIE_C.Reserve4 at 1188");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, Adr1JanCodeInsee) == 1194, "ASSOCIE_C.Adr1JanCodeInsee at 1194");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, Adr1JanBureauDistrib) == 1200, "ASSOCIE_C.Adr1JanBureauDistrib at 1200");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, Reserve5) == 1227, "ASSOCIE_C.Reserve5 at 1227");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, NomIntervGerant) == 1228, "ASSOCIE_C.NomIntervGerant at 1228");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, PrenomIntervGerant) == 1264, "ASSOCIE_C.PrenomIntervGerant at 1264");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, AdrGerantComplement1) == 1300, "ASSOCIE_C.AdrGerantComplement1 at 1300");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, AdrGerantComplement2) == 1336, "ASSOCIE_C.AdrGerantComplement2 at 1336");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, AdrGerantNoVoie) == 1372, "ASSOCIE_C.AdrGerantNoVoie at 1372");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, AdrGerantCpltNoVoie) == 1378, "ASSOCIE_C.AdrGerantCpltNoVoie at 1378");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, AdrGerantNomVoie) == 1382, "ASSOCIE_C.AdrGerantNomVoie at 1382");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, AdrGerantBP) == 1418, "ASSOCIE_C.AdrGerantBP at 1418");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, AdrGerantCP) == 1424, "ASSOCIE_C.AdrGerantCP at 1424");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, AdrGerantVille) == 1442, "ASSOCIE_C.AdrGerantVille at 1442");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, Reserve6) == 1474, "ASSOCIE_C.Reserve6 at 1474");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, NbParts) == 1518, "ASSOCIE_C.NbParts at 1518");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, NbPartsU) == 1526, "ASSOCIE_C.NbPartsU at 1526");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, NbPartsN) == 1534, "ASSOCIE_C.NbPartsN at 1534");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, IdComptable) == 1542, "ASSOCIE_C.IdComptable at 1542");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, IdAdmin) == 1544, "ASSOCIE_C.IdAdmin at 1544");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, PourcentageDetention) == 1546, "ASSOCIE_C.PourcentageDetention at 1546");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, RegimeImpositionSCI) == 1554, "ASSOCIE_C.RegimeImpositionSCI at 1554");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, NbDroitsADividendes) == 1556, "ASSOCIE_C.NbDroitsADividendes at 1556");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, NbDroitsDeVote) == 1564, "ASSOCIE_C.NbDroitsDeVote at 1564");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_C, Profession) == 1572, "ASSOCIE_C.Profession at 1572");
KVARN_STATIC_ASSERT(sizeof(FONCTIONSETCAPITAL_C) == 372, "FONCTIONSETCAPITAL_C is 372 bytes");
KVARN_STATIC_ASSERT(offsetof(FONCTIONSETCAPITAL_C, IDAssocie) == 0, "FONCTIONSETCAPITAL_C.IDAssocie at 0");
KVARN_STATIC_ASSERT(offsetof(FONCTIONSETCAPITAL_C, RaisonSociale) == 2, "FONCTIONSETCAPITAL_C.RaisonSociale at 2");
KVARN_STATIC_ASSERT(offsetof(FONCTIONSETCAPITAL_C, Activite) == 38, "FONCTIONSETCAPITAL_C.Activite at 38");
KVARN_STATIC_ASSERT(offsetof(FONCTIONSETCAPITAL_C, AdrCmplt1) == 74, "FONCTIONSETCAPITAL_C.AdrCmplt1 at 74");
KVARN_STATIC_ASSERT(offsetof(FONCTIONSETCAPITAL_C, AdrCmplt2) == 110, "FONCTIONSETCAPITAL_C.AdrCmplt2 at 110");
KVARN_STATIC_ASSERT(offsetof(FONCTIONSETCAPITAL_C, AdrNoVoie) == 146, "FONCTIONSETCAPITAL_C.AdrNoVoie at 146");
KVARN_STATIC_ASSERT(offsetof(FONCTIONSETCAPITAL_C, AdrCmpltNoVoie) == 152, "FONCTIONSETCAPITAL_C.AdrCmpltNoVoie at 152");
KVARN_STATIC_ASSERT(offsetof(FONCTIONSETCAPITAL_C, AdrNomVoie) == 156, "FONCTIONSETCAPITAL_C.AdrNomVoie at 156");
KVARN_STATIC_ASSERT(offsetof(FONCTIONSETCAPITAL_C, AdrBP) == 192, "FONCTIONSETCAPITAL_C.AdrBP at 192");
KVARN_STATIC_ASSERT(offsetof(FONCTIONSETCAPITAL_C, AdrCP) == 198, "FONCTIONSETCAPITAL_C.AdrCP at 198");
KVARN_STATIC_ASSERT(offsetof(FONCTIONSETCAPITAL_C, AdrVille) == 216, "FONCTIONSETCAPITAL_C.AdrVille at 216");
KVARN_STATIC_ASSERT(offsetof(FONCTIONSETCAPITAL_C, Reserve1) == 252, "FONCTIONSETCAPITAL_C.Reserve1 at 252");
KVARN_STATIC_ASSERT(offsetof(FONCTIONSETCAPITAL_C, AdrPays) == 284, "FONCTIONSETCAPITAL_C.AdrPays at 284");
KVARN_STATIC_ASSERT(offsetof(FONCTIONSETCAPITAL_C, Reserve2) == 286, "FONCTIONSETCAPITAL_C.Reserve2 at 286");
KVARN_STATIC_ASSERT(offsetof(FONCTIONSETCAPITAL_C, AssoFonctionDansEnt) == 292, "FONCTIONSETCAPITAL_C.AssoFonctionDansEnt at 292");
KVARN_STATIC_ASSERT(offsetof(FONCTIONSETCAPITAL_C, Fonction) == 294, "FONCTIONSETCAPITAL_C.Fonction at 294");
KVARN_STATIC_ASSERT(offsetof(FONCTIONSETCAPITAL_C, AssoADuCapitalDansEnt) == 330, "FONCTIONSETCAPITAL_C.AssoADuCapitalDansEnt at 330");
KVARN_STATIC_ASSERT(offsetof(FONCTIONSETCAPITAL_C, MontantCapital) == 332, "FONCTIONSETCAPITAL_C.MontantCapital at 332");
KVARN_STATIC_ASSERT(offsetof(FONCTIONSETCAPITAL_C, NbDroitsDeVote) == 340, "FONCTIONSETCAPITAL_C.NbDroitsDeVote at 340");
KVARN_STATIC_ASSERT(offsetof(FONCTIONSETCAPITAL_C, PourcentageDroitsDeVote) == 348, "FONCTIONSETCAPITAL_C.PourcentageDroitsDeVote at 348");
KVARN_STATIC_ASSERT(offsetof(FONCTIONSETCAPITAL_C, NbDroitsADividendes) == 356, "FONCTIONSETCAPITAL_C.NbDroitsADividendes at 356");
KVARN_STATIC_ASSERT(offsetof(FONCTIONSETCAPITAL_C, PourcentageDroitsADiv) == 364, "FONCTIONSETCAPITAL_C.PourcentageDroitsADiv at 364");

KVARN_STATIC_ASSERT(sizeof(DEDUCTION_REINTEGRATION_C) == 46, "DEDUCTION_REINTEGRATION_C is 46 bytes");
KVARN_STATIC_ASSERT(offsetof(DEDUCTION_REINTEGRATION_C, EstDeduction) == 0, "DEDUCTION_REINTEGRATION_C.EstDeduction at 0");
KVARN_STATIC_ASSERT(offsetof(DEDUCTION_REINTEGRATION_C, Designation) == 2, "DEDUCTION_REINTEGRATION_C.Designation at 2");
KVARN_STATIC_ASSERT(offsetof(DEDUCTION_REINTEGRATION_C, MontantBIC) == 34, "DEDUCTION_REINTEGRATION_C.MontantBIC at 34");
KVARN_STATIC_ASSERT(offsetof(DEDUCTION_REINTEGRATION_C, MontantBA) == 38, "DEDUCTION_REINTEGRATION_C.MontantBA at 38");
KVARN_STATIC_ASSERT(offsetof(DEDUCTION_REINTEGRATION_C, MontantBNC) == 42, "DEDUCTION_REINTEGRATION_C.MontantBNC at 42");

KVARN_STATIC_ASSERT(sizeof(ASSOCIE_ANCIEN_C) == 428, "ASSOCIE_ANCIEN_C is 428 bytes");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_ANCIEN_C, PersonnePhysique) == 0, "ASSOCIE_ANCIEN_C.PersonnePhysique at 0");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_ANCIEN_C, Civilite) == 2, "ASSOCIE_ANCIEN_C.Civilite at 2");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_ANCIEN_C, FormeJuridique) == 6, "ASSOCIE_ANCIEN_C.FormeJuridique at 6");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_ANCIEN_C, Nom) == 38, "ASSOCIE_ANCIEN_C.Nom at 38");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_ANCIEN_C, Prenoms) == 70, "ASSOCIE_ANCIEN_C.Prenoms at 70");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_ANCIEN_C, NomPatronymique) == 116, "ASSOCIE_ANCIEN_C.NomPatronymique at 116");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_ANCIEN_C, AdrComplmt1) == 148, "ASSOCIE_ANCIEN_C.AdrComplmt1 at 148");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_ANCIEN_C, AdrNoVoie) == 184, "ASSOCIE_ANCIEN_C.AdrNoVoie at 184");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_ANCIEN_C, AdrNomVoie) == 190, "ASSOCIE_ANCIEN_C.AdrNomVoie at 190");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_ANCIEN_C, AdrCP) == 226, "ASSOCIE_ANCIEN_C.AdrCP at 226");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_ANCIEN_C, AdrVille) == 244, "ASSOCIE_ANCIEN_C.AdrVille at 244");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_ANCIEN_C, AdrPays) == 276, "ASSOCIE_ANCIEN_C.AdrPays at 276");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_ANCIEN_C, DateNaissance) == 308, "ASSOCIE_ANCIEN_C.DateNaissance at 308");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_ANCIEN_C, LieuNaissance) == 312, "ASSOCIE_ANCIEN_C.LieuNaissance at 312");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_ANCIEN_C, PaysNaissance) == 344, "ASSOCIE_ANCIEN_C.PaysNaissance at 344");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_ANCIEN_C, Qualite) == 376, "ASSOCIE_ANCIEN_C.Qualite at 376");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_ANCIEN_C, Reserve) == 378, "ASSOCIE_ANCIEN_C.Reserve at 378");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_ANCIEN_C, NbParts) == 380, "ASSOCIE_ANCIEN_C.NbParts at 380");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_ANCIEN_C, NbPartsU) == 388, "ASSOCIE_ANCIEN_C.NbPartsU at 388");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_ANCIEN_C, NbPartsN) == 396, "ASSOCIE_ANCIEN_C.NbPartsN at 396");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_ANCIEN_C, DateEntree) == 404, "ASSOCIE_ANCIEN_C.DateEntree at 404");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_ANCIEN_C, DateSortie) == 408, "ASSOCIE_ANCIEN_C.DateSortie at 408");
KVARN_STATIC_ASSERT(offsetof(ASSOCIE_ANCIEN_C, NoSiret) == 412, "ASSOCIE_ANCIEN_C.NoSiret at 412");

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
/* Closes the dossier's financial year, all or nothing: true when closed; false after an error,
 * shown in the exception box, with the dossier as it was. The loading mode stays at 6 after a
 * closing. */
KVARN_EXPORT bool _Cloturer(void);

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

/*
 * Set by the host to compute the result's amounts each time the result distribution screen is
 * created (zero at the library's start; the module never sets it).
 */
KVARN_EXPORT extern KV_PREALABLES_REPARTITION _CalculerPrealablesRepartitionResultatEntreAssocies;

/*
 * The associates for other programs. A caller brackets its work with KVOuvreAssocie_C (which
 * enters the InitKV bracket) and KVFermeAssocie_C (which drops the cached list of associates and
 * leaves it). The fill functions zero the record, fill it from the cached list (loaded on first
 * use) and return true when they filled it; a null record pointer gives false. An error of the
 * dossier's tables is shown in the host's exception box and the function returns false.
 *
 * The walks: each first-function starts its walk at the first associate in the table's order, each
 * next-function goes on from where its walk stands (the next-function of a walk never started
 * begins at the first). All associates, the legal persons (PM), the physical persons (PP), and
 * the associates holding full ownership at year end (sharing the all-associates walk); the last
 * pair returns false at the end of the list, the record then holding the last associate looked at.
 */
KVARN_EXPORT void KVOuvreAssocie_C(void);
KVARN_EXPORT void KVFermeAssocie_C(void);
KVARN_EXPORT bool KVDonnePremierAssocie_C(ASSOCIE_C* associe);
KVARN_EXPORT bool KVDonneAssocieSuivant_C(ASSOCIE_C* associe);
KVARN_EXPORT bool KVDonnePremierAssociePM_C(ASSOCIE_C* associe);
KVARN_EXPORT bool KVDonneAssociePMSuivant_C(ASSOCIE_C* associe);
KVARN_EXPORT bool KVDonnePremierAssociePP_C(ASSOCIE_C* associe);
KVARN_EXPORT bool KVDonneAssociePPSuivant_C(ASSOCIE_C* associe);
KVARN_EXPORT bool KVDonnePremierAssocieAyantPartsPP_C(ASSOCIE_C* associe);
KVARN_EXPORT bool KVDonneAssocieSuivantAyantPartsPP_C(ASSOCIE_C* associe);
/* The associate of key `id`; `suivant`, when given, receives the key after it in the table's
 * order (0 after the last, or for an unknown key). False for an unknown key. */
KVARN_EXPORT bool KVDonnerAssocie_C(int32_t id, ASSOCIE_C* associe, int32_t* suivant);
/* From `id` on, the first associate holding full ownership at year end; `suivant` is required. */
KVARN_EXPORT bool KVDonnerAssocieAyantPartsPP_C(int32_t id, ASSOCIE_C* associe, int32_t* suivant);
/* Counts of the associates, and of those holding full ownership at year end (which reloads the
 * list): all, physical persons, legal persons; each pointer may be null. */
KVARN_EXPORT void KVDonnerNbAssocies_C(uint16_t* total, uint16_t* physiques, uint16_t* morales);
KVARN_EXPORT void KVDonnerNbAssociesAyantPartsPP_C(uint16_t* total, uint16_t* physiques, uint16_t* morales);
/* Writes the record back onto the row of its key: the members the record carries but the start-
 * of-year shares, the keys of outside parties, tax number, profession, the current address's INSEE
 * code and delivery office, and the regime. A text equal to the stored one as the record carries it
 * stays as stored; a changed current town is stored upper-cased; -32767 in a field that carries
 * nulls, and the null real, clear their columns. False when no row has the key. */
KVARN_EXPORT bool KVMAJAssocie_C(const ASSOCIE_C* associe);

/* Labels in static buffers, never null: the civility or legal form (ANSI, 60 characters), the
 * quality (OEM, 20 characters; empty outside 0-12), the matrimonial regime (OEM, 49 characters;
 * empty outside 0-4). Each call overwrites the previous text of its function. */
KVARN_EXPORT const char* DonnerTitreOuFormeJuridique_C(int16_t titre, int16_t personnePhysique, int16_t formeEDI);
KVARN_EXPORT const char* DonnerQualite_C(int16_t code);
KVARN_EXPORT const char* DonnerRegimeMatrimonial_C(int16_t code);

/* Empties the associates, their share movements, the movements' details and the bare owners'
 * links; drops the cached list of associates and of movements. */
KVARN_EXPORT void _SupprimerTousLesAssocies(void);

/* The screen-parameter objects of the associate screens, for the host to pass back: flag non-zero
 * gives the list of associates' (CParamAssocies), zero one associate's (CParamAssocie); the share
 * capital's carries the tax category; each is freed by its Desalloue function (null is ignored). */
KVARN_EXPORT void* KVAlloueAssocies_C(int16_t liste);
KVARN_EXPORT void* KVAlloueAssocies_C_CapitalSocial(int16_t categorieImposition);
KVARN_EXPORT void* KVAlloueFonctionsEtCapital_C(void);
KVARN_EXPORT void KVDesalloueAssocies_C(void* objet);
KVARN_EXPORT void KVDesalloueAssocies_C_CaptialSocial(void* objet);
KVARN_EXPORT void KVDesalloueFonctionsEtCapital_C(void* objet);

/* The deductions and reintegrations table, opened and closed for another program. */
KVARN_EXPORT void _OuvrirTableDeductionsReintegrationsKV(void);
KVARN_EXPORT void _FermerTableDeductionsReintegrationsKV(void);

/* The associates' functions and capital in other companies, row by row (numbers 1, 2, ... in the
 * table's order): a walk, and a cache read by number (`suivant`, when given, receives the next
 * number, 0 after the last). */
KVARN_EXPORT bool KVDonnePremierFonctionsEtCapital_C(FONCTIONSETCAPITAL_C* fonctions);
KVARN_EXPORT bool KVDonneFonctionsEtCapitalSuivant_C(FONCTIONSETCAPITAL_C* fonctions);
KVARN_EXPORT bool InitFonctionsEtCapital(void);
KVARN_EXPORT bool KVDonnerFonctionsEtCapital(int32_t numero, FONCTIONSETCAPITAL_C* fonctions, int32_t* suivant);

/* The manager for the returns: the first associate of quality 1 (with a warning that the quality
 * is ambiguous), else of quality 8, else 9 (else a warning and an empty record). True when found. */
KVARN_EXPORT bool GetGerant(INTERVENANT_KV* gerant);

/*
 * Converts a dossier whose movements are still in the older model (the counts holding the end of
 * the year, KOLMIKVM with PartsCedees and its lines in KOLMIKVN) into the current one, with a
 * progress bar: the start holdings become the counts, each movement its rows and links, and the
 * positions end on the counts held before. Does nothing on a dossier in the current model. False
 * after an error, shown in the exception box, the step that failed leaving the dossier as it was.
 */
KVARN_EXPORT bool MigrerPartsDebutEnMouvements(void);

/*
 * Conversions of an older product's records, each appending one row inside the InitKV bracket.
 * MigrerDeductionsReintegrations appends a line to the deductions and reintegrations, each amount
 * of 0x80000001 left empty; MigrerAssocie appends an associate (see ASSOCIE_ANCIEN_C). False,
 * with nothing written, for a null record or after an error shown in the exception box.
 */
KVARN_EXPORT bool MigrerDeductionsReintegrations(const DEDUCTION_REINTEGRATION_C* ligne);
KVARN_EXPORT bool MigrerAssocie(const ASSOCIE_ANCIEN_C* associe);

KVARN_C_END

#endif /* KVARN_KVARN_H */
