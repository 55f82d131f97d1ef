// CNoIntraComm: a company's identification numbers (intra-community prefix, SIREN, NIC) held
// side by side in the 19-byte record tagNOINTRACOMM, with an "assigned" flag.
//
// Texts are UTF-8 here and ANSI (CP1252) in the record; a text longer than its field is cut
// without notice. No number is validated. Because SetasSIREN resets the whole record, a caller
// building a number from parts sets the SIREN first, then the NIC and the prefix. Every operation
// catches its own errors and reports them through the host's exception box (location 5000:n).
#pragma once

#include <kvarn/kvarn.h>

#include <string>

class KVARN_EXPORT CNoIntraComm {
public:
    // Eighteen '0' characters, a zero terminator, the flag clear.
    CNoIntraComm();
    explicit CNoIntraComm(const tagNOINTRACOMM* numero);
    CNoIntraComm(const CNoIntraComm& autre);
    CNoIntraComm& operator=(const CNoIntraComm& autre);
    ~CNoIntraComm() = default;

    // Takes the record when it differs from the one held (then sets the flag).
    void SetrNoIntraComm(const tagNOINTRACOMM& numero);
    void GetrNoIntraComm(tagNOINTRACOMM& numero) const;

    // Zeroes the whole record, then writes up to 9 characters.
    void SetasSIREN(const std::string& siren);
    // Writes up to 14 characters over the SIREN and the NIC, keeping the prefix.
    void SetasSIRET(const std::string& siret);
    void SetasNIC(const std::string& nic);
    void SetasPrefixeIntracomm(const std::string& prefixe);
    void SetasNoIntraComm(const std::string& numero);

    std::string GetasSIREN() const;             // up to the first zero byte
    std::string GetasSIRET() const;             // bytes 4 to 17 up to the first zero byte
    std::string GetasPrefixeIntracomm() const;  // up to the first zero byte
    std::string GetasNIC() const;               // the 5 bytes as stored, zero bytes included
    std::string GetasNoIntraComm() const;       // the first 18 bytes as stored

    bool EstAffecte() const { return affecte_ != 0; }

    bool operator==(const CNoIntraComm& autre) const;
    bool operator==(const tagNOINTRACOMM& numero) const;  // the terminator byte is ignored
    bool operator!=(const CNoIntraComm& autre) const { return !(*this == autre); }
    bool operator!=(const tagNOINTRACOMM& numero) const { return !(*this == numero); }

private:
    tagNOINTRACOMM numero_;
    unsigned char affecte_;
};
