// TfrmAdrEts: the addresses of the recipient and of the declarant ("Adresse du destinataire /
// déclarant"), without widgets, laid out as the returns want them (TAdresseFormatTDFC).
//
// Blocks, each shown as the caller's CAdresseDestinataire says:
//  - the recipient's identification: the dossier's address, panel "identification-...",
//    read-only (the dossier's record changes it, never this screen);
//  - the declarant's address when it differs: the check box "adresse-declarant-differente" and a
//    panel "declarant-..." enabled while it is ticked (no telephone: the settings keep none);
//  - the recipient when it is not the company (destinataire_different.hpp);
//  - under the associates, the current associate's address at 1 January, panel
//    "adresse-1er-janvier-..." (Adresse1erJanvier; hidden when the screen is handed none).
//
// The wizard's screen 9 shows the first three blocks; its screen 4, under the associates, the
// associates' variant: the associate's name ("associe", read-only) and its address at 1 January
// alone, read from and written to its row of the associates table.
//
// Leaving runs the postcode check of each panel the user can type into. Deactivating writes the
// flag and the declarant's address (GetAdresseDestDec / SetAdresseDestDec), the recipient, and the
// address at 1 January.
#pragma once

#include "frame/screens/address_panel.hpp"
#include "identification/screens/destinataire_different.hpp"
#include "identification/screens/ecran_identification.hpp"
#include "identification/screens/sources_associes.hpp"

#include <kvarn/parametres_ecrans.hpp>

#include <memory>
#include <optional>

namespace kvarn::identification {

class TfrmAdrEts final : public EcranIdentification {
public:
    // The wizard's screen 9: all but the address at 1 January.
    static CAdresseDestinataire ParDefaut() { return CAdresseDestinataire(0, true, true, true, false); }

    explicit TfrmAdrEts(const CAdresseDestinataire& affichage = ParDefaut(), Adresse1erJanvier* adresse1erJanvier = nullptr);
    // Screen 4: the associates' variant for `associe` (none: nothing to fill).
    explicit TfrmAdrEts(const std::optional<Associe>& associe);

    void Activate() override;
    std::optional<std::string> Leave() override;
    void Deactivate() override;

protected:
    void ApresSaisie(frame::Field& field, const std::string& before) override;

private:
    TfrmAdrEts(const CAdresseDestinataire& affichage, Adresse1erJanvier* adresse1erJanvier,
               std::unique_ptr<Adresse1erJanvier> associe);
    void Charger();
    void Enregistrer();
    void ReglerDeclarant();
    void DeclarerPanneau(const frame::AddressPanel& panneau, bool visible, bool lectureSeule, const char* cache = "");

    CAdresseDestinataire affichage_;
    Adresse1erJanvier* adresse1erJanvier_;
    std::unique_ptr<Adresse1erJanvier> associe_;  // the variant's, owned
    frame::AddressPanel identification_{"identification-"};
    frame::AddressPanel declarant_{"declarant-"};
    frame::AddressPanel janvier_{"adresse-1er-janvier-"};
    DestinataireDifferent destinataire_;
    host::TAdresseFormatTDFC dossier_;  // as loaded, handed back unchanged
};

}  // namespace kvarn::identification
