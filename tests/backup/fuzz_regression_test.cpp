// Replays the inputs kept from fuzzing the restore path (tests/backup/fuzz_regressions): archives
// and volume sets, whole or damaged, each named after the code its restore must end with
// ("13-..." for BR_ERR_BR_FILE_CORRUPTED). None may create a file outside the directory restored
// into; the whole ones must restore every file.
#include "backup_fixture.hpp"

#include "fuzz/restore_input.hpp"

namespace kvarn::backup::testing_support {
namespace {

std::vector<std::string> KeptInputs() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(KVARN_FUZZ_REGRESSIONS))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

class FuzzRegression : public testing::TestWithParam<std::string> {};

TEST_P(FuzzRegression, EndsWithItsCodeAndWritesNothingOutside) {
    const std::string name = GetParam();
    const std::string input = ReadBytes(fs::path(KVARN_FUZZ_REGRESSIONS) / name);
    const fuzzing::RestoreOutcome outcome = fuzzing::RestoreFromMemory(
        reinterpret_cast<const std::uint8_t*>(input.data()), input.size());
    EXPECT_EQ(outcome.code, std::stoi(name.substr(0, name.find('-'))));
    EXPECT_EQ(outcome.unsafePlaces, 0u);
    if (outcome.code == BR_OK) {
        EXPECT_GT(outcome.filesCommitted, 0u);
    }
}

INSTANTIATE_TEST_SUITE_P(Kept, FuzzRegression, testing::ValuesIn(KeptInputs()),
                         [](const testing::TestParamInfo<std::string>& kept) {
                             std::string label = kept.param;
                             for (char& c : label)
                                 if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                             return label;
                         });

}  // namespace
}  // namespace kvarn::backup::testing_support
