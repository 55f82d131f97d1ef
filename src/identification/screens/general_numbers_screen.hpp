// TfrmNumGeneraux: the general-numbers screen, without its widgets. So far it holds the
// identification numbers of its first tab; the activity codes, the tax-obligation references,
// the VAT information and the activity join it with the rest of the screen.
//
// Fields: "prefixe" (4, upper-cased as typed), the SIREN as three groups "siren-1" to "siren-3"
// (3 digits each) and "nic" (5). Activating loads them from the dossier's record; a group that
// becomes full with a typed digit passes the focus to the next one. Leaving: no SIREN, nothing to
// check; the host's SIRET check (it shows why it refuses) focuses "siren-1"; then the prefix must
// fit the SIREN (numeros_dossier.hpp), else an error box says why and "prefixe" gets the focus.
// Deactivating writes the three numbers back to the dossier's record.
#pragma once

#include "frame/screens/screen.hpp"

namespace kvarn::identification {

class TfrmNumGeneraux final : public frame::Screen {
public:
    TfrmNumGeneraux();

    void Activate() override;
    std::optional<std::string> Leave() override;
    void Deactivate() override;

protected:
    void Edited(frame::Field& field, const std::string& before) override;

private:
    std::string Siren() const;
};

}  // namespace kvarn::identification
