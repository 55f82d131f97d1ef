#include <kvarn/ecrans.hpp>

#include <cstddef>

namespace {

template <std::size_t N>
bool Interrupteur(const bool (&interrupteurs)[N], int numero) {
    return numero >= 1 && static_cast<std::size_t>(numero) <= N && interrupteurs[numero - 1];
}

}  // namespace

CKvarn::CKvarn(TYPE_ECRAN_COMMUN type, int parametre) : type_(type), parametre_(parametre) {}

CKvarn::~CKvarn() = default;

CAdresseDestinataire::CAdresseDestinataire(bool s1, bool s2, bool s3, bool s4)
    : CKvarn(TE_ADRESSE_DESTINATAIRE, 0), interrupteurs_{s1, s2, s3, s4} {}

CAdresseDestinataire::~CAdresseDestinataire() = default;

bool CAdresseDestinataire::Interrupteur(int numero) const { return ::Interrupteur(interrupteurs_, numero); }

CIntervenants::CIntervenants(bool s1, bool s2, bool s3, bool s4, bool s5, bool s6, bool s7, bool s8)
    : CKvarn(TE_INTERVENANTS, 0), interrupteurs_{s1, s2, s3, s4, s5, s6, s7, s8} {}

CIntervenants::~CIntervenants() = default;

bool CIntervenants::Interrupteur(int numero) const { return ::Interrupteur(interrupteurs_, numero); }
