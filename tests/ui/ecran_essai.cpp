#include "ecran_essai.hpp"

#include "common/dates.hpp"
#include "standalone/nouveau_dossier.hpp"
#include "ui/address_panel_widget.hpp"

#include <kvarn/assistant.hpp>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

namespace kvarn::testing_support {
namespace {

class ApplicationQt final : public testing::Environment {
public:
    void SetUp() override { application_ = std::make_unique<QApplication>(argc_, argv_); }
    void TearDown() override { application_.reset(); }

private:
    int argc_ = 1;
    char nom_[8] = "test_ui";
    char* argv_[2] = {nom_, nullptr};
    std::unique_ptr<QApplication> application_;
};
testing::Environment* const kApplication = testing::AddGlobalTestEnvironment(new ApplicationQt);

// The name's widget is made last, so that only the binding puts it first in the tab order.
class VueEssai final : public ui::ScreenView {
public:
    explicit VueEssai(EcranEssai& ecran) : ScreenView(ecran) {
        auto* adresse = new ui::AddressPanelWidget(QStringLiteral("Adresse"), ecran.Panneau(), *this, this);
        auto* nom = new QLineEdit(this);
        Bind(nom, "nom");
        auto* colonne = new QVBoxLayout(this);
        colonne->addWidget(Label("nom"));
        colonne->addWidget(nom);
        colonne->addWidget(adresse);
    }
};

}  // namespace

EcranEssai::EcranEssai(JournalEssai& journal) : journal_(journal) {
    Declare({.name = "nom", .label = "Nom", .width = 10});
    for (frame::Field& f : panneau_.Fields()) Declare(std::move(f));
}

void EcranEssai::Activate() {
    ++journal_.activations;
    if (journal_.activationEchoue) throw std::runtime_error("lecture impossible");
    for (auto& [nom, valeur] : panneau_.Values(journal_.adresse)) SetValue(nom, valeur);
    FieldRef(panneau_.Name("telephone")).enabled = false;
    CTree& arbre = TFenMainAssistant::Instance()->tvKV;
    arbre.SetScreenCaption(3, "Identité");
    arbre.SetEnabledScreen(false, 4);
}

void EcranEssai::Deactivate() {
    ++journal_.sauvegardes;
    journal_.adresse = panneau_.Read(*this, journal_.adresse);
}

void EcranEssai::Edited(frame::Field& field, const std::string&) {
    if (field.name != "nom") return;
    FieldRef(panneau_.Name("telephone")).enabled = !field.value.empty();
    if (field.value.size() == 3) SetFocus(panneau_.Name("ville"));
}

EcranRemplace::EcranRemplace(std::string formClass, JournalEssai& journal) : formClass_(std::move(formClass)) {
    ecran_ = frame::ReplaceScreen(formClass_, [&journal](const frame::ScreenRequest& demande) {
        journal.demandes.push_back(demande);
        return std::make_unique<EcranEssai>(journal);
    });
    vue_ = ui::ReplaceView(formClass_, [](frame::Screen& ecran) -> std::unique_ptr<ui::ScreenView> {
        return std::make_unique<VueEssai>(dynamic_cast<EcranEssai&>(ecran));
    });
}

EcranRemplace::~EcranRemplace() {
    frame::ReplaceScreen(formClass_, std::move(ecran_));
    ui::ReplaceView(formClass_, std::move(vue_));
}

void FenetreOuverte::SetUp() {
    dir_ = std::filesystem::temp_directory_path() / testing::UnitTest::GetInstance()->current_test_info()->name();
    std::filesystem::remove_all(dir_);
    standalone::CreerNouveauDossier(dir_, [](standalone::DossierFichier& d) {
        d.SetLibelle("SARL Dupont");
        d.SetDateFinExercice(*EncodeDate({2025, 12, 31}));
    });
    session_ = std::make_unique<assistant::SessionAssistant>(standalone::HostOptions{&boxes_, &choice_, {}, {}});
    fenetre_ = std::make_unique<ui::FenetreAssistant>(*session_);
}

void FenetreOuverte::Ouvrir(int groupe) {
    ASSERT_TRUE(fenetre_->OuvrirDossier(dir_, groupe));
    fenetre_->show();
    fenetre_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(fenetre_.get()));
}

QWidget* FenetreOuverte::Champ(const std::string& nom) const {
    return fenetre_->Vue() ? fenetre_->Vue()->WidgetOf(nom) : nullptr;
}

void FenetreOuverte::TearDown() {
    fenetre_.reset();
    session_.reset();
}

}  // namespace kvarn::testing_support
