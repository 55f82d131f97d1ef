// Drawing printed statements into a PDF file, with cairo's PDF surface and Pango for the text.
//
// The engine hands over each statement as it is to be read: its heading lines, its tables (the
// shown columns, rows of cell texts, the total row) and its number of copies. Pages are A4
// portrait; every page repeats the statement's heading and the table's column titles and ends
// with "Page n / N", counted within one copy; the copies follow one another, each with all of its
// pages. The document's title and keywords go into the PDF's metadata. The file is written whole
// or not at all (the previous file, if any, stays until the new one is complete).
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace kvarn::standalone {

struct ColonneImprimee {
    std::string titre;
    bool aDroite = false;  // amounts
    double largeur = 1;    // relative to the other shown columns
};

struct TableauImprime {
    std::vector<ColonneImprimee> colonnes;
    std::vector<std::vector<std::string>> lignes;  // one text per shown column
    std::optional<std::vector<std::string>> total;
};

struct EtatImprime {
    std::optional<std::string> titre;  // the heading, in bold
    std::vector<std::string> entete;   // the band's other lines
    std::vector<TableauImprime> tableaux;
    int copies = 1;
};

struct MetadonneesPdf {
    std::string titre;
    std::string motsCles;
};

void EcrirePdf(const std::filesystem::path& fichier, const std::vector<EtatImprime>& etats,
               const MetadonneesPdf& metadonnees);

}  // namespace kvarn::standalone
