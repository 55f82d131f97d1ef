#include <kvarn/no_intracomm.hpp>

#include <gtest/gtest.h>

#include <cstring>

namespace {

tagNOINTRACOMM Record(const char (&eighteen)[19]) {
    tagNOINTRACOMM r;
    std::memcpy(&r, eighteen, 19);
    return r;
}

const tagNOINTRACOMM kEdf = Record("FR0355208131766522");

std::string Bytes(const CNoIntraComm& n) {
    tagNOINTRACOMM r;
    n.GetrNoIntraComm(r);
    return std::string(reinterpret_cast<const char*>(&r), sizeof r);
}

TEST(CNoIntraComm, DefaultHoldsEighteenZeroCharacters) {
    const CNoIntraComm n;
    EXPECT_EQ(Bytes(n), std::string(18, '0') + '\0');
    EXPECT_EQ(n.GetasNoIntraComm(), std::string(18, '0'));
    EXPECT_EQ(n.GetasSIREN(), "000000000");
    EXPECT_FALSE(n.EstAffecte());
    EXPECT_EQ(sizeof(CNoIntraComm), 20u);  // the record followed by the one-byte flag
}

TEST(CNoIntraComm, SirenResetsPrefixAndNic) {
    CNoIntraComm n(&kEdf);
    n.SetasSIREN("542051180");
    EXPECT_EQ(Bytes(n), std::string("\0\0\0\0" "542051180" "\0\0\0\0\0" "\0", 19));
    EXPECT_EQ(n.GetasPrefixeIntracomm(), "");
    n.SetasSIREN("");
    EXPECT_EQ(Bytes(n), std::string(19, '\0'));
    EXPECT_EQ(n.GetasSIREN(), "");
    n.SetasSIREN("5420511801234");  // cut at nine
    EXPECT_EQ(n.GetasSIREN(), "542051180");
}

TEST(CNoIntraComm, ShortNicKeepsItsZeroBytes) {
    CNoIntraComm n;
    n.SetasSIREN("552081317");
    n.SetasNIC("12");
    EXPECT_EQ(n.GetasNIC(), std::string("12\0\0\0", 5));
    EXPECT_EQ(n.GetasSIRET(), "55208131712");
    EXPECT_EQ(n.GetasNoIntraComm(), std::string("\0\0\0\0" "552081317" "12\0\0\0", 18));
}

TEST(CNoIntraComm, SiretSplitKeepsThePrefix) {
    CNoIntraComm n;
    n.SetasSIREN("000000000");
    n.SetasPrefixeIntracomm("FR03");
    n.SetasSIRET("55208100000022");
    EXPECT_EQ(n.GetasSIREN(), "552081000");
    EXPECT_EQ(n.GetasNIC(), "00022");  // leading zeros kept
    EXPECT_EQ(n.GetasPrefixeIntracomm(), "FR03");
    n.SetasSIRET("");
    EXPECT_EQ(n.GetasSIRET(), "");
    EXPECT_EQ(n.GetasPrefixeIntracomm(), "FR03");
    n.SetasPrefixeIntracomm("FR0399");  // cut at four
    EXPECT_EQ(n.GetasPrefixeIntracomm(), "FR03");
    n.SetasNoIntraComm("FR59542051180000661234");
    EXPECT_EQ(n.GetasNoIntraComm(), "FR5954205118000066");
}

TEST(CNoIntraComm, FlagFollowsWholeRecordLoads) {
    CNoIntraComm n;
    n.SetasSIREN("552081317");
    EXPECT_FALSE(n.EstAffecte());  // parts do not set it
    tagNOINTRACOMM same;
    n.GetrNoIntraComm(same);
    n.SetrNoIntraComm(same);
    EXPECT_FALSE(n.EstAffecte());  // equal record: nothing changes
    n.SetrNoIntraComm(Record("FR0355208131766522"));
    EXPECT_TRUE(n.EstAffecte());
    const CNoIntraComm fresh;
    const CNoIntraComm copy(fresh);
    EXPECT_TRUE(copy.EstAffecte());  // a copy is a whole load
    CNoIntraComm assigned;
    assigned = n;
    EXPECT_TRUE(assigned.EstAffecte());
    EXPECT_EQ(Bytes(assigned), Bytes(n));
}

TEST(CNoIntraComm, ComparisonsIgnoreTheTerminator) {
    const CNoIntraComm n(&kEdf);
    tagNOINTRACOMM other = Record("FR0355208131766522");
    other.Terminateur = 'X';
    EXPECT_TRUE(n == other);
    EXPECT_TRUE(n == CNoIntraComm(&other));
    other.Nic[4] = '3';
    EXPECT_TRUE(n != other);
    CNoIntraComm flagged(&kEdf);
    CNoIntraComm plain;
    plain.SetasNoIntraComm("FR0355208131766522");
    EXPECT_TRUE(flagged == plain);  // the flag takes no part
}

}  // namespace
