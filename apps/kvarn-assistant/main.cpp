// kvarn-assistant: the desktop wizard over one dossier directory at a time.
//
// The program installs the standalone host with the Qt boxes, the party dialog and the progress
// dialogs, installs the general-numbers dialog as the ROF request's opener, and shows the main
// window (src/ui), which opens the dossier given on the command line on the group asked for. With
// --capture it writes the 21 screens as images instead (capture.hpp). Bad arguments: the usage on
// stderr, exit 2.
#include "arguments.hpp"
#include "capture.hpp"
#include "choix_intervenant_qt.hpp"
#include "environment/ouvreur_num_generaux.hpp"
#include "session_assistant.hpp"
#include "ui/main_window.hpp"
#include "ui/message_boxes.hpp"
#include "ui/progress_bar.hpp"
#include "ui/screen_dialog.hpp"

#include <QApplication>

#include <cstdlib>
#include <iostream>

namespace {

// The capture's standard error says only why it failed, not the offscreen platform's notes.
void SeulementLesErreursDeQt(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) std::cerr << message.toStdString() << '\n';
}

}  // namespace

int main(int argc, char** argv) {
    using namespace kvarn;
    assistant::Arguments arguments;
    try {
        arguments = assistant::LireArguments(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const assistant::ArgumentsRefuses& refus) {
        std::cerr << "kvarn-assistant : " << refus.what() << '\n' << assistant::Usage();
        return 2;
    }
    if (arguments.aide) {
        std::cout << assistant::Usage();
        return 0;
    }
    // The capture draws nothing on a screen, so it needs none.
    if (arguments.capture) {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        qInstallMessageHandler(SeulementLesErreursDeQt);
    }
    QApplication application(argc, argv);
    if (arguments.capture) return assistant::Capturer(*arguments.dossier, *arguments.capture, std::cerr);

    ui::BoitesQt boites;
    assistant::ChoixIntervenantQt choix;
    assistant::SessionAssistant session({&boites, &choix, ui::OuvrirBarreQt, {}});
    const auto ouvreurPrecedent = environment::DefinirOuvreurNumGeneraux(ui::OuvreurNumGenerauxQt());
    int statut = 0;
    {
        ui::FenetreAssistant fenetre(session, arguments.groupe);
        fenetre.show();
        if (arguments.dossier) fenetre.OuvrirDossier(*arguments.dossier, arguments.groupe);
        statut = QApplication::exec();
    }
    environment::DefinirOuvreurNumGeneraux(ouvreurPrecedent);
    return statut;
}
