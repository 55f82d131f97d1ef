// The standalone host's report files: their format, read into a model of parts, bands and tables.
//
// A report file is UTF-8 text, one statement per line; blank lines and lines starting with "#"
// are ignored. A line is a keyword followed by its arguments, separated by blanks; an argument
// holding blanks is written between double quotes. In order:
//
//   partie N                         starts part number N
//   bande NOM                        starts a band of the current part
//   champ NOM [titre|"LIBELLE"]      a field of the current band, filled by the statement's owner
//                                    (OnChamp); "titre" shows it as the statement's heading, a
//                                    LIBELLE before its value ("Exercice : 2025")
//   tableau NOM                      starts a table of the current part
//   colonne CHAMP "TITRE" GENRE L    a column of the current table, numbered from 0 in the order
//                                    written: the SQL column CHAMP under the heading TITRE, GENRE
//                                    "texte" (left-aligned) or "montant" (whole euros grouped by
//                                    thousands, right-aligned), L its relative width (1 to 100)
//   total "LIBELLE"                  the current table ends with a row LIBELLE and each shown
//                                    amount column's sum
//
// The files the module names are built into the program (FichierEtatEmbarque). A malformed file
// is refused with std::invalid_argument naming the file and the line.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kvarn::standalone {

struct ChampModele {
    std::string nom;
    bool titre = false;
    std::string libelle;  // empty: the value alone
};

struct BandeModele {
    std::string nom;
    std::vector<ChampModele> champs;
};

enum class GenreColonne { Texte, Montant };

struct ColonneModele {
    std::string champ;
    std::string titre;
    GenreColonne genre = GenreColonne::Texte;
    int largeur = 1;
};

struct TableauModele {
    std::string nom;
    std::vector<ColonneModele> colonnes;
    std::optional<std::string> libelleTotal;
};

struct PartieModele {
    int numero = 0;
    std::vector<BandeModele> bandes;
    std::vector<TableauModele> tableaux;
};

struct ModeleEtat {
    std::vector<PartieModele> parties;
};

ModeleEtat LireModeleEtat(std::string_view texte, const std::string& nomFichier);

// The text of a report file built into the program ("KV.eta", without regard to ASCII case), or
// nullopt.
std::optional<std::string_view> FichierEtatEmbarque(std::string_view nom);

}  // namespace kvarn::standalone
