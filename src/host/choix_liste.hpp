// The host's picker: the user picks one item of a list, shown under a title with a few lines that
// say what the choice is for ("Pays invalide : Allemagnee"). The module uses it where a value of
// an older dossier or of an older product matches nothing it knows and only the user can say what
// was meant. A host that cannot ask (no terminal, a script told to answer no) gives no answer.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace kvarn::host {

// The index of the item picked in `choix`; nullopt when there is no answer.
using ChoixDansListe = std::function<std::optional<std::size_t>(
    const std::string& titre, const std::vector<std::string>& contexte, const std::vector<std::string>& choix)>;

// Through the installed host; nullopt when it has no picker.
std::optional<std::size_t> ZORChoisirDansListe(const std::string& titre, const std::vector<std::string>& contexte,
                                               const std::vector<std::string>& choix);

}  // namespace kvarn::host
