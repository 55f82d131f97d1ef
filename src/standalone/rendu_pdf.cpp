#include "standalone/rendu_pdf.hpp"

#include "common/atomic_file.hpp"

#include <cairo-pdf.h>
#include <cairo.h>
#include <pango/pangocairo.h>

#include <algorithm>
#include <memory>
#include <numeric>
#include <stdexcept>

namespace kvarn::standalone {
namespace {

// A4 portrait, in points.
constexpr double kLargeurPage = 595.28;
constexpr double kHauteurPage = 841.89;
constexpr double kMarge = 42;
constexpr double kHauteurTitre = 22;
constexpr double kHauteurLigne = 13;
constexpr double kEcartEntete = 10;
constexpr double kHauteurPied = 18;
constexpr double kRetraitCellule = 4;
constexpr const char* kPolice = "DejaVu Sans 9";
constexpr const char* kPoliceGras = "DejaVu Sans Bold 9";
constexpr const char* kPoliceTitre = "DejaVu Sans Bold 13";
constexpr const char* kPolicePied = "DejaVu Sans 8";

struct Liberer {
    void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
    void operator()(cairo_t* c) const { cairo_destroy(c); }
    void operator()(PangoContext* c) const { g_object_unref(c); }
    void operator()(PangoFontDescription* p) const { pango_font_description_free(p); }
};
template <class T>
using Possede = std::unique_ptr<T, Liberer>;

cairo_status_t AjouterAuTampon(void* tampon, const unsigned char* donnees, unsigned int longueur) {
    static_cast<std::string*>(tampon)->append(reinterpret_cast<const char*>(donnees), longueur);
    return CAIRO_STATUS_SUCCESS;
}

// The pages of one table: the range of rows each page shows; the total row goes on the last page,
// where it takes the place of one row.
struct PageTableau {
    std::size_t tableau;
    std::size_t debut, fin;
    bool total;
};

std::vector<PageTableau> Paginer(const EtatImprime& etat, std::size_t lignesParPage) {
    std::vector<PageTableau> pages;
    for (std::size_t t = 0; t < etat.tableaux.size(); ++t) {
        const TableauImprime& tableau = etat.tableaux[t];
        const std::size_t elements = tableau.lignes.size() + (tableau.total ? 1 : 0);
        for (std::size_t debut = 0; debut < std::max<std::size_t>(elements, 1); debut += lignesParPage) {
            const std::size_t fin = std::min(debut + lignesParPage, tableau.lignes.size());
            pages.push_back({t, std::min(debut, fin), fin, tableau.total && debut + lignesParPage >= elements});
        }
    }
    if (pages.empty()) pages.push_back({0, 0, 0, false});  // the heading alone
    return pages;
}

class Dessin {
public:
    explicit Dessin(cairo_t* cr) : cr_(cr), contexte_(pango_cairo_create_context(cr)) {
        pango_cairo_context_set_resolution(contexte_.get(), 72);  // font sizes in points
    }

    // Writes `texte` in the box starting at (x, y), `largeur` wide, cut with an ellipsis when
    // longer.
    void Texte(const std::string& texte, const char* police, double x, double y, double largeur, PangoAlignment alignement) {
        PangoLayout* mise = pango_layout_new(contexte_.get());
        const Possede<PangoFontDescription> description(pango_font_description_from_string(police));
        pango_layout_set_font_description(mise, description.get());
        pango_layout_set_text(mise, texte.c_str(), -1);
        pango_layout_set_width(mise, static_cast<int>(largeur * PANGO_SCALE));
        pango_layout_set_ellipsize(mise, PANGO_ELLIPSIZE_END);
        pango_layout_set_alignment(mise, alignement);
        cairo_move_to(cr_, x, y);
        pango_cairo_show_layout(cr_, mise);
        g_object_unref(mise);
    }

    void Trait(double y) {
        cairo_set_line_width(cr_, 0.6);
        cairo_move_to(cr_, kMarge, y);
        cairo_line_to(cr_, kLargeurPage - kMarge, y);
        cairo_stroke(cr_);
    }

    // A row of cells across the shown columns.
    void Rangee(const std::vector<ColonneImprimee>& colonnes, const std::vector<std::string>& cellules, double y,
                const char* police) {
        const double somme = std::accumulate(colonnes.begin(), colonnes.end(), 0.0,
                                             [](double s, const ColonneImprimee& c) { return s + c.largeur; });
        double x = kMarge;
        for (std::size_t c = 0; c < colonnes.size(); ++c) {
            const double largeur = (kLargeurPage - 2 * kMarge) * colonnes[c].largeur / somme;
            Texte(c < cellules.size() ? cellules[c] : std::string(), police, x + kRetraitCellule, y,
                  largeur - 2 * kRetraitCellule, colonnes[c].aDroite ? PANGO_ALIGN_RIGHT : PANGO_ALIGN_LEFT);
            x += largeur;
        }
    }

private:
    cairo_t* cr_;
    Possede<PangoContext> contexte_;
};

double HauteurEntete(const EtatImprime& etat) {
    return (etat.titre ? kHauteurTitre : 0) + kHauteurLigne * static_cast<double>(etat.entete.size()) + kEcartEntete;
}

void DessinerPage(Dessin& dessin, cairo_t* cr, const EtatImprime& etat, const PageTableau& page, int numero,
                  int nombre) {
    double y = kMarge;
    if (etat.titre) {
        dessin.Texte(*etat.titre, kPoliceTitre, kMarge, y, kLargeurPage - 2 * kMarge, PANGO_ALIGN_CENTER);
        y += kHauteurTitre;
    }
    for (const std::string& ligne : etat.entete) {
        dessin.Texte(ligne, kPolice, kMarge, y, kLargeurPage - 2 * kMarge, PANGO_ALIGN_LEFT);
        y += kHauteurLigne;
    }
    y += kEcartEntete;
    if (page.tableau < etat.tableaux.size()) {
        const TableauImprime& tableau = etat.tableaux[page.tableau];
        std::vector<std::string> titres;
        for (const ColonneImprimee& colonne : tableau.colonnes) titres.push_back(colonne.titre);
        dessin.Rangee(tableau.colonnes, titres, y, kPoliceGras);
        y += kHauteurLigne + 2;
        dessin.Trait(y);
        y += 2;
        for (std::size_t r = page.debut; r < page.fin; ++r, y += kHauteurLigne)
            dessin.Rangee(tableau.colonnes, tableau.lignes[r], y, kPolice);
        if (page.total) {
            dessin.Trait(y + 1);
            dessin.Rangee(tableau.colonnes, *tableau.total, y + 3, kPoliceGras);
        }
    }
    dessin.Texte("Page " + std::to_string(numero) + " / " + std::to_string(nombre), kPolicePied, kMarge,
                 kHauteurPage - kMarge - kHauteurPied + 6, kLargeurPage - 2 * kMarge, PANGO_ALIGN_CENTER);
    cairo_show_page(cr);
}

void Verifier(cairo_status_t statut, const std::filesystem::path& fichier) {
    if (statut != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error("Impossible de produire le PDF " + fichier.string() + " : " +
                                 cairo_status_to_string(statut));
}

}  // namespace

void EcrirePdf(const std::filesystem::path& fichier, const std::vector<EtatImprime>& etats,
               const MetadonneesPdf& metadonnees) {
    std::string octets;
    {
        const Possede<cairo_surface_t> surface(
            cairo_pdf_surface_create_for_stream(AjouterAuTampon, &octets, kLargeurPage, kHauteurPage));
        cairo_pdf_surface_set_metadata(surface.get(), CAIRO_PDF_METADATA_TITLE, metadonnees.titre.c_str());
        cairo_pdf_surface_set_metadata(surface.get(), CAIRO_PDF_METADATA_KEYWORDS, metadonnees.motsCles.c_str());
        cairo_pdf_surface_set_metadata(surface.get(), CAIRO_PDF_METADATA_CREATOR, "kvarn");
        const Possede<cairo_t> cr(cairo_create(surface.get()));
        Dessin dessin(cr.get());
        for (const EtatImprime& etat : etats) {
            const double place = kHauteurPage - 2 * kMarge - kHauteurPied - HauteurEntete(etat) - kHauteurLigne - 6;
            const auto lignesParPage = static_cast<std::size_t>(std::max(1.0, place / kHauteurLigne));
            const std::vector<PageTableau> pages = Paginer(etat, lignesParPage);
            for (int copie = 0; copie < etat.copies; ++copie)
                for (std::size_t p = 0; p < pages.size(); ++p)
                    DessinerPage(dessin, cr.get(), etat, pages[p], static_cast<int>(p) + 1,
                                 static_cast<int>(pages.size()));
        }
        Verifier(cairo_status(cr.get()), fichier);
        cairo_surface_finish(surface.get());
        Verifier(cairo_surface_status(surface.get()), fichier);
    }
    WriteFileAtomically(fichier, octets);
}

}  // namespace kvarn::standalone
