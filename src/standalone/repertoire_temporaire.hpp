// The process's private temporary directory.
//
// Created on first use under $TMPDIR (else /tmp) with a unique name and mode 0700, so no other
// user can read the working tables or plant files in it, and removed with its content when the
// process exits normally.
#pragma once

#include <filesystem>

namespace kvarn::standalone {

const std::filesystem::path& RepertoireTemporaire();

}  // namespace kvarn::standalone
