// What the backup component's built-in behaviours show to the user and ask of him: error boxes,
// the result box at the end, the progress window, and the request for the next disk of a
// removable drive.
//
// The component calls it only for the events left to its built-in behaviour. By default it goes
// through the host's boxes and progress window (HostPrompter), so each program decides how they
// appear (a console, dialog boxes, a script in tests); tests may pass a prompter of their own.
#pragma once

#include "host/barre.hpp"

#include <memory>
#include <string>

namespace kvarn::backup {

class BackupPrompter {
public:
    virtual ~BackupPrompter() = default;
    virtual void ShowError(const std::string& message) = 0;
    // The warning box at the end of an operation.
    virtual void ShowResult(const std::string& title, const std::string& message) = 0;
    virtual void OpenProgress(const std::string& title) = 0;
    // Percentages of the whole operation and of the current file.
    virtual void ShowProgress(const std::string& fileName, int overall, int file) = 0;
    virtual void CloseProgress() = 0;
    // Asks for disk `number` of the archive in the removable drive; false when the user cancels.
    virtual bool AskForDisk(int number) = 0;
};

// Through the host: ZORErreur, ZORMsgBox with the warning icon, ZOROkAnnuler titled "Insertion
// disquette", and a progress bar of OuvrirBarre.
class HostPrompter : public BackupPrompter {
public:
    HostPrompter();
    ~HostPrompter() override;
    void ShowError(const std::string& message) override;
    void ShowResult(const std::string& title, const std::string& message) override;
    void OpenProgress(const std::string& title) override;
    void ShowProgress(const std::string& fileName, int overall, int file) override;
    void CloseProgress() override;
    bool AskForDisk(int number) override;

private:
    std::unique_ptr<host::CBarre> barre_;
    std::string title_;
    std::string shownName_;
    bool open_ = false;
};

// "Insérer la disquette N° 3".
std::string DiskRequestText(int number);

}  // namespace kvarn::backup
