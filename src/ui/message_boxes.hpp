// The host's message boxes as modal Qt dialogs, for the assistant.
//
// Each box is a QMessageBox over the active window, run to its end before Show returns: a question
// has the buttons "Oui" and "Non", an OK/cancel box "OK" and "Annuler", the first of the two the
// default unless the flags ask for the second (256); Escape answers the second. The title is the
// caption given, else the box's kind ("Erreur", "Attention", "Information", "Question"). The
// exception box shows the location code "unit:place" and the error's message.
#pragma once

#include "host/boites.hpp"

namespace kvarn::ui {

class BoitesQt final : public host::MessageBoxes {
public:
    bool Show(host::TypeBoite type, const std::string& texte, const std::string& titre, int drapeaux) override;
};

}  // namespace kvarn::ui
