// Mnemonics for texts the program did not write by hand (field labels, screen-group captions):
// the first letter of the text not yet taken in its window or menu gets the underline.
#pragma once

#include <QChar>
#include <QString>

#include <set>

namespace kvarn::ui {

// The text with '&' before its first letter a to z (without regard to case) that `taken` does not
// hold yet, that letter then taken; a '&' of the text itself is doubled so that it shows.
QString WithMnemonic(const QString& text, std::set<QChar>& taken);

}  // namespace kvarn::ui
