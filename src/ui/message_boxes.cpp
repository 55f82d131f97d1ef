#include "ui/message_boxes.hpp"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace kvarn::ui {
namespace {

struct Apparence {
    QMessageBox::Icon icone;
    const char* titre;
};

Apparence ApparenceDe(host::TypeBoite type, int drapeaux) {
    switch (type) {
        case host::TypeBoite::Erreur: return {QMessageBox::Critical, "Erreur"};
        case host::TypeBoite::Attention: return {QMessageBox::Warning, "Attention"};
        case host::TypeBoite::Information: return {QMessageBox::Information, "Information"};
        case host::TypeBoite::Question: return {QMessageBox::Question, "Question"};
        case host::TypeBoite::OkAnnuler: return {QMessageBox::Question, "Confirmation"};
        case host::TypeBoite::MsgBox:
            return {drapeaux == host::kIconeAttention ? QMessageBox::Warning : QMessageBox::Information, "Information"};
        case host::TypeBoite::Exception: return {QMessageBox::Critical, "Erreur"};
    }
    return {QMessageBox::NoIcon, ""};
}

// The exception box's text comes as "unit:place message".
QString TexteException(const std::string& texte) {
    const auto blanc = texte.find(' ');
    if (blanc == std::string::npos) return QString::fromStdString(texte);
    return QStringLiteral("Erreur interne %1\n\n%2")
        .arg(QString::fromStdString(texte.substr(0, blanc)), QString::fromStdString(texte.substr(blanc + 1)));
}

}  // namespace

bool BoitesQt::Show(host::TypeBoite type, const std::string& texte, const std::string& titre, int drapeaux) {
    const Apparence apparence = ApparenceDe(type, drapeaux);
    QMessageBox boite(QApplication::activeWindow());
    boite.setIcon(apparence.icone);
    boite.setWindowTitle(QString::fromStdString(titre.empty() ? apparence.titre : titre));
    boite.setText(type == host::TypeBoite::Exception ? TexteException(texte) : QString::fromStdString(texte));
    const bool deuxBoutons = type == host::TypeBoite::Question || type == host::TypeBoite::OkAnnuler;
    if (!deuxBoutons) {
        boite.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        boite.exec();
        return true;
    }
    const bool question = type == host::TypeBoite::Question;
    QPushButton* premier = boite.addButton(question ? QStringLiteral("&Oui") : QStringLiteral("OK"),
                                           question ? QMessageBox::YesRole : QMessageBox::AcceptRole);
    QPushButton* second = boite.addButton(question ? QStringLiteral("&Non") : QStringLiteral("&Annuler"),
                                          question ? QMessageBox::NoRole : QMessageBox::RejectRole);
    boite.setDefaultButton((drapeaux & host::kDeuxiemeBoutonParDefaut) ? second : premier);
    boite.setEscapeButton(second);
    boite.exec();
    return boite.clickedButton() == premier;
}

}  // namespace kvarn::ui
