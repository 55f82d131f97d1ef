#include "capture.hpp"

#include "db/dossier_lock.hpp"
#include "db/errors.hpp"
#include "db/session.hpp"
#include "frame/preparation_assistant.hpp"
#include "session_assistant.hpp"
#include "standalone/repertoire_temporaire.hpp"
#include "ui/categorie_juridique_dialog.hpp"
#include "ui/main_window.hpp"

#include <kvarn/assistant.hpp>
#include <kvarn/siret.hpp>

#include <QApplication>
#include <QPixmap>

#include <fstream>
#include <optional>
#include <stdexcept>
#include <string>

namespace kvarn::assistant {
namespace {

namespace fs = std::filesystem;

// Every box written to a file, every question answered no.
class BoitesFichier final : public host::MessageBoxes {
public:
    explicit BoitesFichier(const fs::path& fichier) : sortie_(fichier, std::ios::trunc) {
        if (!sortie_) throw std::runtime_error("Impossible d'écrire " + fichier.string());
    }
    bool Show(host::TypeBoite type, const std::string& texte, const std::string& titre, int) override {
        static const char* const kTypes[] = {"Erreur", "Attention", "Information", "Question", "OK/Annuler", "Message", "Exception"};
        const bool question = type == host::TypeBoite::Question || type == host::TypeBoite::OkAnnuler;
        sortie_ << '[' << kTypes[static_cast<int>(type)] << "] " << (titre.empty() ? "" : titre + " : ") << texte
                << (question ? " → non" : "") << '\n';
        sortie_.flush();
        return !question;
    }

private:
    std::ofstream sortie_;
};

class AucunIntervenant final : public standalone::ChoixIntervenant {
public:
    int Choisir(int, const std::vector<standalone::Intervenant>&) override { return 0; }
};

// The copy is made under the dossier's lock, so that no other program writes it meanwhile; a
// dossier nobody may write (read-only) is copied as it is.
fs::path CopierDossier(const fs::path& dossier) {
    std::optional<db::DossierLock> verrou;
    if (const fs::path base = dossier / db::DOSSIER_DATABASE_FILE; fs::exists(base)) {
        try {
            verrou.emplace(base, std::chrono::milliseconds(3000));
        } catch (const db::DossierEnCoursUtilisation&) {
            throw;
        } catch (const db::DbError&) {
        }
    }
    const fs::path copie = standalone::RepertoireTemporaire() / "capture";
    fs::remove_all(copie);
    fs::copy(dossier, copie, fs::copy_options::recursive);
    return copie;
}

constexpr int kLargeur = 1100;
constexpr int kHauteur = 750;

// A screen taller than the screen area would be cut at the window's foot in its image: the window
// grows by what the screen lacks, for that image only.
void AjusterHauteur(ui::FenetreAssistant& fenetre) {
    fenetre.resize(kLargeur, kHauteur);
    QApplication::processEvents();
    QWidget* page = fenetre.Page();
    if (!page || !page->parentWidget()) return;
    if (const int manque = page->sizeHint().height() - page->parentWidget()->height(); manque > 0) {
        fenetre.resize(kLargeur, kHauteur + manque);
        QApplication::processEvents();
    }
}

void Enregistrer(QWidget& widget, const fs::path& fichier) {
    if (!widget.grab().save(QString::fromStdString(fichier.string()), "PNG"))
        throw std::runtime_error("Impossible d'écrire " + fichier.string());
}

// The legal-category picker as the SIRET screen opens it, on the dossier's stored code.
void CapturerCategorieJuridique(QWidget& fenetre, const fs::path& sortie) {
    identification::EchangeCategorieJuridique echange{"", CSiret::GetCategorieJuridique(), ""};
    ui::DialogueCategorieJuridique dialogue(echange, &fenetre);
    dialogue.show();
    QApplication::processEvents();
    Enregistrer(dialogue, sortie / kImageCategorieJuridique);
}

}  // namespace

int Capturer(const fs::path& dossier, const fs::path& sortie, std::ostream& erreurs) {
    try {
        if (!standalone::DossierFichier::Existe(dossier))
            throw std::runtime_error("Aucun dossier dans le répertoire " + dossier.string());
        const fs::path copie = CopierDossier(dossier);
        fs::create_directories(sortie);
        BoitesFichier boites(sortie / "boites.txt");
        AucunIntervenant aucun;
        SessionAssistant session({&boites, &aucun, [](const std::string&) { return std::make_unique<host::BarreMuette>(); }, {}});
        ui::FenetreAssistant fenetre(session);
        fenetre.SetLookOnly(true);
        fenetre.resize(kLargeur, kHauteur);
        fenetre.show();
        if (!fenetre.OuvrirDossier(copie)) throw std::runtime_error("Le dossier n'a pas pu être ouvert (voir boites.txt)");
        const CTree conception;
        for (int ecran = 1; ecran <= kEcransCaptures; ++ecran) {
            if (!fenetre.ChangerGroupe(frame::GroupeMontrant(conception, ecran)) || !fenetre.SelectionnerEcran(ecran))
                throw std::runtime_error("L'écran " + std::to_string(ecran) + " n'a pas pu être montré");
            AjusterHauteur(fenetre);
            Enregistrer(fenetre, sortie / ((ecran < 10 ? "ecran-0" : "ecran-") + std::to_string(ecran) + ".png"));
        }
        CapturerCategorieJuridique(fenetre, sortie);
        fenetre.FermerDossier();
        fs::remove_all(copie);
        return 0;
    } catch (const std::exception& erreur) {
        erreurs << "kvarn-assistant : " << erreur.what() << '\n';
        return 1;
    }
}

}  // namespace kvarn::assistant
