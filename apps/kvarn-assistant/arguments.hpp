// The assistant's command line: kvarn-assistant [DOSSIER] [--groupe N] [--capture SORTIE].
// Parsed before Qt starts, since the capture chooses Qt's platform.
#pragma once

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace kvarn::assistant {

struct Arguments {
    std::optional<std::filesystem::path> dossier;
    int groupe = 0;  // 0 to 14
    std::optional<std::filesystem::path> capture;
    bool aide = false;
};

// Refused arguments, with what is wrong in French.
class ArgumentsRefuses : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

Arguments LireArguments(const std::vector<std::string>& arguments);
const char* Usage();

}  // namespace kvarn::assistant
