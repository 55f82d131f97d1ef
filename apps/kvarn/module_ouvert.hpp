// The module's data module opened for one command, inside the InitKV bracket, over the host the
// session installed; released at the end of the command.
#pragma once

namespace kvarn::cli {

class ModuleOuvert {
public:
    // Throws Refus when the data module cannot be created (the reason was shown on stderr).
    ModuleOuvert();
    ~ModuleOuvert();
    ModuleOuvert(const ModuleOuvert&) = delete;
    ModuleOuvert& operator=(const ModuleOuvert&) = delete;
};

}  // namespace kvarn::cli
