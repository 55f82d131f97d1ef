#include "identification/screens/general_numbers_screen.hpp"

#include "common/codepage.hpp"
#include "common/fixed_field.hpp"
#include "common/text.hpp"
#include "frame/etat_module.hpp"
#include "host/boites.hpp"
#include "host/verifications.hpp"
#include "identification/numeros_dossier.hpp"

#include <kvarn/no_intracomm.hpp>

#include <algorithm>
#include <array>

namespace kvarn::identification {
namespace {

constexpr const char* kPrefixe = "prefixe";
constexpr const char* kNic = "nic";
constexpr std::array<const char*, 3> kGroupes{"siren-1", "siren-2", "siren-3"};
constexpr int kLongueurGroupe = 3;

}  // namespace

TfrmNumGeneraux::TfrmNumGeneraux() {
    Declare({.name = kPrefixe, .label = "Préfixe intracommunautaire", .width = 4});
    for (const char* groupe : kGroupes) Declare({.name = groupe, .label = "SIREN", .width = kLongueurGroupe});
    Declare({.name = kNic, .label = "NIC", .width = 5});
}

std::string TfrmNumGeneraux::Siren() const { return Value(kGroupes[0]) + Value(kGroupes[1]) + Value(kGroupes[2]); }

void TfrmNumGeneraux::Activate() {
    tagNOINTRACOMM numero;
    frame::Environnement().GetNoIntraComm(numero);
    const std::string siren = ReadField(numero.Siren, sizeof numero.Siren, CodePage::Ansi);
    SetValue(kPrefixe, ReadField(numero.Prefixe, sizeof numero.Prefixe, CodePage::Ansi));
    for (std::size_t i = 0; i < kGroupes.size(); ++i)
        SetValue(kGroupes[i], siren.substr(std::min(siren.size(), i * kLongueurGroupe), kLongueurGroupe));
    SetValue(kNic, ReadField(numero.Nic, sizeof numero.Nic, CodePage::Ansi));
}

void TfrmNumGeneraux::Edited(frame::Field& field, const std::string& before) {
    if (field.name == kPrefixe) field.value = ToUpperFrench(field.value);
    const auto groupe = std::find(kGroupes.begin(), kGroupes.end(), field.name);
    // The focus moves on when the group became full with that key.
    const bool pleinALaTouche = CharacterCount(before) + 1 == kLongueurGroupe &&
                                CharacterCount(field.value) == kLongueurGroupe;
    if (groupe != kGroupes.end() && pleinALaTouche) SetFocus(groupe + 1 == kGroupes.end() ? kNic : *(groupe + 1));
}

std::optional<std::string> TfrmNumGeneraux::Leave() {
    const std::string siren = Siren();
    if (siren.empty()) return std::nullopt;
    if (!host::VerificationDuSIRET(siren + Value(kNic))) return kGroupes[0];
    if (const Verdict coherence = VerifierCoherence(Value(kPrefixe), siren); !coherence) {
        host::ZORErreur(coherence.raison);
        return kPrefixe;
    }
    return std::nullopt;
}

// The SIREN first: setting it clears the whole record.
void TfrmNumGeneraux::Deactivate() {
    CNoIntraComm numero;
    numero.SetasSIREN(Siren());
    numero.SetasNIC(Value(kNic));
    numero.SetasPrefixeIntracomm(Value(kPrefixe));
    tagNOINTRACOMM record;
    numero.GetrNoIntraComm(record);
    frame::Environnement().SetNoIntraComm(record);
}

}  // namespace kvarn::identification
