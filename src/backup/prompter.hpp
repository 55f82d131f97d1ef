// What the backup component's built-in behaviours show to the user: error boxes, the result box
// at the end, and the progress window.
//
// The component calls it only for the events left to its built-in behaviour; the program that
// owns the component decides how it appears (a console, dialog boxes, a script in tests). Kept
// to what the fixed-drive operations need: disk requests join it with removable media.
#pragma once

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
};

// Shows nothing: the component's prompter until its owner gives one.
class SilentPrompter final : public BackupPrompter {
public:
    void ShowError(const std::string&) override {}
    void ShowResult(const std::string&, const std::string&) override {}
    void OpenProgress(const std::string&) override {}
    void ShowProgress(const std::string&, int, int) override {}
    void CloseProgress() override {}
};

}  // namespace kvarn::backup
