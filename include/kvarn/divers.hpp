// Miscellaneous deductions and reintegrations: lines of amounts to deduct from, or reintegrate
// into, the taxable result, one amount per category of income (BIC, BA, BNC), and each line's
// share per associate.
//
// Lines live in table KOLMIKV2, the associates' shares in KOLMIKV3. A line is identified by its
// designation: CDeductionsReintegrationsDiverses::MAJ inserts, updates or deletes the line of its
// designation (all amounts null deletes it). The two lists in memory (deductions, reintegrations,
// in table order) are loaded by InitListeDeductionsReintegrations and stay as loaded until
// emptied or loaded again: MAJ does not refresh them. Every function shows its error in the host's
// exception box and returns its neutral value (0, false, nothing). Texts are UTF-8.
#pragma once

#include <kvarn/kvarn.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// The host's currency: a signed count of ten-thousandths.
class KVARN_EXPORT CCurrency {
public:
    CCurrency() = default;
    // The nearest ten-thousandth; std::out_of_range for a value it cannot hold (or not finite).
    explicit CCurrency(double valeur);
    static CCurrency DepuisDixMilliemes(std::int64_t dixMilliemes);

    double EnDouble() const;
    std::int64_t DixMilliemes() const { return dixMilliemes_; }
    // The value as an SQL number: "12.5", "-3", "0.0001".
    std::string TexteSQL() const;

    friend bool operator==(const CCurrency&, const CCurrency&) = default;

private:
    std::int64_t dixMilliemes_ = 0;
};

// The income type of an associate whose miscellaneous items are summed.
enum TYPE_ASSOCIE : int { TA_BNC = 0, TA_BIC = 1, TA_BA = 2 };

class KVARN_EXPORT CDeductionsReintegrationsDiverses {
public:
    bool EstReintegration = false;
    std::optional<CCurrency> MontantBIC;
    std::optional<CCurrency> MontantBA;
    std::optional<CCurrency> MontantBNC;
    std::string Designation;

    // Flag false, designation empty, amounts null.
    void RAZ();
    // Writes the line of this designation in KOLMIKV2, amounts in whole euros.
    void MAJ() const;

    bool operator==(const CDeductionsReintegrationsDiverses&) const = default;
};

using TListeDeductionsReintegrations = std::vector<CDeductionsReintegrationsDiverses>;

// The per-associate mode of the screen: called once, when the screen is created, with the
// deduction flag; it fills the denominator and the numerator of the associate's share of the
// result, the associate's key and the address of the long that receives the associate's total.
using TPartAssocieDiversEvent =
    std::function<void(bool deduction, int& denominateur, int& numerateur, int& idAssocie, long*& partAssocie)>;

KVARN_EXPORT bool InitListeDeductionsReintegrations();
KVARN_EXPORT void DesinitListeDeductionsReintegrations();
// The lists as last loaded (empty before the first load); nullptr without a data module.
KVARN_EXPORT TListeDeductionsReintegrations* DonnerListeDeductions();
KVARN_EXPORT TListeDeductionsReintegrations* DonnerListeReintegrations();

// Whether a line of the list asked for has an amount in one of the categories asked for; loads
// that list first when it is not loaded.
KVARN_EXPORT bool PresenceDeDeductionsReintegrations(bool reintegrations, bool bic, bool ba, bool bnc);
// The sum of the lines of one kind in the column of an income type (null counts 0; another type: 0).
KVARN_EXPORT int DiversADeduireOuAReintegrer(TYPE_ASSOCIE type, bool deduction);
// An associate's total of the BIC (or BA) amounts of one kind: the entered shares, and for the
// others amount × numerator ÷ denominator, truncated as the sum goes.
KVARN_EXPORT int GetTotalDeductionReintegrationsDiverses(bool deduction, int idAssocie, double numerateur,
                                                         double denominateur, bool ba);
KVARN_EXPORT void SetTouteDepenseExoTVA(bool exonere, int idAssocie);
KVARN_EXPORT bool GetTouteDepenseExoTVA(int idAssocie);

// The screen of the lines of one kind (no callback; the outputs given receive the three totals)
// or of one associate's shares (callback given), shown modally by the host.
KVARN_EXPORT void DeductionsReintegrationsDiverses(bool deduction, long* totalBIC, long* totalBA, long* totalBNC,
                                                   const TPartAssocieDiversEvent& partAssocie);
