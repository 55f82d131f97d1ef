#include <kvarn/no_intracomm.hpp>

#include "common/codepage.hpp"
#include "common/fixed_field.hpp"
#include "host/boites.hpp"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <exception>
#include <string_view>

namespace {

using kvarn::CodePage;

constexpr std::uint32_t kUnite = 5000;

// The handler numbers of the operations, as the location codes report them.
enum Operation : std::uint32_t {
    kSetasSIREN = 1, kGetasSIREN, kSetasSIRET, kGetasSIRET, kSetasNIC, kGetasNIC, kSetasPrefixe, kGetasPrefixe,
    kSetasNoIntraComm, kGetasNoIntraComm, kConstructeur, kConstructeurRecord, kAffectation, kSetrNoIntraComm,
};

void Signaler(Operation operation, const std::exception& erreur) {
    kvarn::host::ZORDisplayException(kvarn::host::CodeLocalisation(kUnite, operation), erreur);
}

template <typename Action>
void Proteger(Operation operation, Action&& action) {
    try {
        action();
    } catch (const std::exception& erreur) {
        Signaler(operation, erreur);
    }
}

template <typename Lecture>
std::string Lire(Operation operation, Lecture&& lecture) {
    try {
        return lecture();
    } catch (const std::exception& erreur) {
        Signaler(operation, erreur);
        return {};
    }
}

char* Octets(tagNOINTRACOMM& numero) { return reinterpret_cast<char*>(&numero); }
const char* Octets(const tagNOINTRACOMM& numero) { return reinterpret_cast<const char*>(&numero); }

constexpr std::size_t kSiret = offsetof(tagNOINTRACOMM, Siren);
constexpr std::size_t kLongueurTexte = offsetof(tagNOINTRACOMM, Terminateur);

}  // namespace

CNoIntraComm::CNoIntraComm() : numero_{}, affecte_(0) {
    Proteger(kConstructeur, [&] { std::memset(Octets(numero_), '0', kLongueurTexte); });
}

CNoIntraComm::CNoIntraComm(const tagNOINTRACOMM* numero) : numero_{}, affecte_(1) {
    Proteger(kConstructeurRecord, [&] { std::memcpy(&numero_, numero, sizeof numero_); });
}

CNoIntraComm::CNoIntraComm(const CNoIntraComm& autre) : numero_{}, affecte_(0) { *this = autre; }

CNoIntraComm& CNoIntraComm::operator=(const CNoIntraComm& autre) {
    Proteger(kAffectation, [&] {
        const std::string texte = kvarn::FromUtf8(autre.GetasNoIntraComm(), CodePage::Ansi);
        std::memset(&numero_, 0, sizeof numero_);
        std::memcpy(Octets(numero_), texte.data(), std::min(texte.size(), kLongueurTexte));
        affecte_ = 1;
    });
    return *this;
}

void CNoIntraComm::SetrNoIntraComm(const tagNOINTRACOMM& numero) {
    Proteger(kSetrNoIntraComm, [&] {
        if (std::memcmp(&numero_, &numero, sizeof numero_) == 0) return;
        std::memcpy(&numero_, &numero, sizeof numero_);
        affecte_ = 1;
    });
}

void CNoIntraComm::GetrNoIntraComm(tagNOINTRACOMM& numero) const { std::memcpy(&numero, &numero_, sizeof numero_); }

void CNoIntraComm::SetasSIREN(const std::string& siren) {
    Proteger(kSetasSIREN, [&] {
        std::memset(&numero_, 0, sizeof numero_);
        if (!siren.empty()) kvarn::WritePaddedField(numero_.Siren, sizeof numero_.Siren, siren, CodePage::Ansi);
    });
}

void CNoIntraComm::SetasSIRET(const std::string& siret) {
    Proteger(kSetasSIRET, [&] { kvarn::WritePaddedField(Octets(numero_) + kSiret, 14, siret, CodePage::Ansi); });
}

void CNoIntraComm::SetasNIC(const std::string& nic) {
    Proteger(kSetasNIC, [&] { kvarn::WritePaddedField(numero_.Nic, sizeof numero_.Nic, nic, CodePage::Ansi); });
}

void CNoIntraComm::SetasPrefixeIntracomm(const std::string& prefixe) {
    Proteger(kSetasPrefixe,
             [&] { kvarn::WritePaddedField(numero_.Prefixe, sizeof numero_.Prefixe, prefixe, CodePage::Ansi); });
}

void CNoIntraComm::SetasNoIntraComm(const std::string& numero) {
    Proteger(kSetasNoIntraComm,
             [&] { kvarn::WritePaddedField(Octets(numero_), kLongueurTexte, numero, CodePage::Ansi); });
}

std::string CNoIntraComm::GetasSIREN() const {
    return Lire(kGetasSIREN, [&] { return kvarn::ReadField(numero_.Siren, sizeof numero_.Siren, CodePage::Ansi); });
}

std::string CNoIntraComm::GetasSIRET() const {
    return Lire(kGetasSIRET, [&] { return kvarn::ReadField(Octets(numero_) + kSiret, 14, CodePage::Ansi); });
}

std::string CNoIntraComm::GetasPrefixeIntracomm() const {
    return Lire(kGetasPrefixe,
                [&] { return kvarn::ReadField(numero_.Prefixe, sizeof numero_.Prefixe, CodePage::Ansi); });
}

std::string CNoIntraComm::GetasNIC() const {
    return Lire(kGetasNIC, [&] {
        return kvarn::ToUtf8(std::string_view(numero_.Nic, sizeof numero_.Nic), CodePage::Ansi);
    });
}

std::string CNoIntraComm::GetasNoIntraComm() const {
    return Lire(kGetasNoIntraComm,
                [&] { return kvarn::ToUtf8(std::string_view(Octets(numero_), kLongueurTexte), CodePage::Ansi); });
}

bool CNoIntraComm::operator==(const CNoIntraComm& autre) const { return GetasNoIntraComm() == autre.GetasNoIntraComm(); }

bool CNoIntraComm::operator==(const tagNOINTRACOMM& numero) const {
    const std::string texte = kvarn::FromUtf8(GetasNoIntraComm(), CodePage::Ansi);
    return texte.size() == kLongueurTexte && std::memcmp(texte.data(), Octets(numero), kLongueurTexte) == 0;
}
