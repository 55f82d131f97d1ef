// The messages about the dossier's tax-obligation references (ROF), shared by the ROF request of
// the standing-data accessors and the general-numbers screen, which say the same thing about one
// obligation and, on the screen, about several at once.
//
// Each takes the names of the obligations concerned (TVA, TDFC, CVAE, IS, RCM), in the order the
// caller found them; one name gives the singular sentence, two or more the plural one, the names
// joined by ", ".
#pragma once

#include <string>
#include <vector>

namespace kvarn::environment {

// The caption of the questions about a reference.
inline constexpr const char* kTitreROF = "Attention";

// Neither an entered nor a computed reference: a warning.
std::string MessageROFNonRenseignees(const std::vector<std::string>& noms);
// The entered reference is not the one of the administration's reports: a question, whose yes
// means "let me correct my entry".
std::string MessageROFDifferentes(const std::vector<std::string>& noms);

}  // namespace kvarn::environment
