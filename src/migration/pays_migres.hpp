// The country identifier of a country written as a name in an older record.
//
// Older releases kept an associate's country as the text typed ("Belgique", "be"); the current
// layout keeps the country list's identifier. The text is looked up in the host's list by French
// name or ISO code, without regard to case. A text found nowhere is shown to the user, with the
// associate's names, in the country correction dialog through the host's picker; the country
// picked is the answer. No answer (a host that cannot ask) stops the conversion: a country is
// never guessed.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kvarn::migration {

// nullopt for an empty text; std::runtime_error naming the text and the associate when the user
// gives no answer.
std::optional<int> IdPaysDeNom(std::string_view nom, const std::string& nomPatronymique, const std::string& prenoms);

}  // namespace kvarn::migration
