// The built-in behaviours of the backup component, shown through the host's boxes and progress
// window.
#include "backup/prompter.hpp"

#include "host/boites.hpp"

namespace kvarn::backup {

std::string DiskRequestText(int number) { return "Insérer la disquette N° " + std::to_string(number); }

HostPrompter::HostPrompter() = default;
HostPrompter::~HostPrompter() = default;

// A box shown while the progress window is open closes the window first, so that on a terminal
// the box does not land in the middle of the bar; the next progress opens it again.
void HostPrompter::ShowError(const std::string& message) {
    barre_.reset();
    host::ZORErreur(message);
}

void HostPrompter::ShowResult(const std::string& title, const std::string& message) {
    barre_.reset();
    host::ZORMsgBox(message, title, host::kIconeAttention);
}

void HostPrompter::OpenProgress(const std::string& title) {
    title_ = title;
    open_ = true;
}

// The host's window has one gauge: it follows the whole operation, and the text names the file.
void HostPrompter::ShowProgress(const std::string& fileName, int overall, int) {
    if (!open_) return;
    if (!barre_) {
        barre_ = host::OuvrirBarre(title_);
        barre_->SetMax(100);
        shownName_.clear();
    }
    if (fileName != shownName_) {
        shownName_ = fileName;
        barre_->SetTexte(fileName.empty() ? title_ : title_ + " : " + fileName);
    }
    barre_->SetPosition(overall);
}

void HostPrompter::CloseProgress() {
    open_ = false;
    barre_.reset();
}

bool HostPrompter::AskForDisk(int number) {
    barre_.reset();
    return host::ZOROkAnnuler(DiskRequestText(number), "Insertion disquette");
}

}  // namespace kvarn::backup
