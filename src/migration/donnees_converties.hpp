// The records of an older product converted into rows of the dossier: a line of miscellaneous
// deductions and reintegrations, an associate (their records: include/kvarn/kvarn.h).
//
// Texts come in the OEM code page. An associate's legal form and countries are looked up by name
// (or abbreviation, or ISO code) without regard to case; one not found goes to its correction
// dialog, answered through the host's picker (identification/screens/correction_dialogs.hpp), and
// without an answer the associate is refused with nothing written. An associate whose name and first names a row already has is refused too: creating it
// would overwrite that row.
#pragma once

#include "store/data_module.hpp"

#include <kvarn/associe.hpp>
#include <kvarn/kvarn.h>

#include <optional>
#include <stdexcept>
#include <string_view>

namespace kvarn::migration {

class ConversionRefusee : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

inline constexpr std::int32_t kMontantAbsent = static_cast<std::int32_t>(0x80000001u);

std::optional<int> FormeJuridiqueNommee(std::string_view texte);
// France for an empty text.
std::optional<int> PaysNomme(std::string_view texte);

// The associate the record describes, its corrections asked for; ConversionRefusee when one is
// not answered.
Associe AssocieConverti(const ASSOCIE_ANCIEN_C& ancien);

void AjouterDeductionReintegration(store::TdmKvarn& module, const DEDUCTION_REINTEGRATION_C& ligne);
// The new associate's key.
int AjouterAssocie(store::TdmKvarn& module, const ASSOCIE_ANCIEN_C& ancien);

}  // namespace kvarn::migration
