// The codec adapter over the library: what it implodes explodes back, and its known traps (the
// empty input) stay where the engine expects them.
#include "backup/codec.hpp"

#include "backup_fixture.hpp"

#include <gtest/gtest.h>

namespace kvarn::backup::testing_support {
namespace {

std::string Implode(Codec& codec, const std::string& input) {
    std::size_t at = 0;
    std::string out;
    EXPECT_TRUE(codec.Implode(
        [&](std::uint8_t* buffer, std::size_t capacity) {
            const std::size_t n = std::min(capacity, input.size() - at);
            std::copy_n(input.data() + at, n, buffer);
            at += n;
            return n;
        },
        [&](const std::uint8_t* data, std::size_t size) {
            out.append(reinterpret_cast<const char*>(data), size);
        }));
    return out;
}

// `served` tells how much of the input the codec asked for.
bool Explode(Codec& codec, const std::string& input, std::string& out, std::size_t& served) {
    served = 0;
    return codec.Explode(
        [&](std::uint8_t* buffer, std::size_t capacity) {
            const std::size_t n = std::min(capacity, input.size() - served);
            std::copy_n(input.data() + served, n, buffer);
            served += n;
            return n;
        },
        [&](const std::uint8_t* data, std::size_t size) {
            out.append(reinterpret_cast<const char*>(data), size);
        });
}

class CodecRoundTrip : public testing::TestWithParam<std::string> {};

TEST_P(CodecRoundTrip, ExplodesBackWhatItImploded) {
    const std::unique_ptr<Codec> codec = MakeDclCodec();
    const std::string imploded = Implode(*codec, GetParam());
    std::string out;
    std::size_t served = 0;
    ASSERT_TRUE(Explode(*codec, imploded, out, served));
    EXPECT_EQ(out, GetParam());
    EXPECT_EQ(served, imploded.size());
    // Twice with the same codec: the work buffer starts from zero each time.
    out.clear();
    ASSERT_TRUE(Explode(*codec, Implode(*codec, GetParam()), out, served));
    EXPECT_EQ(out, GetParam());
}

INSTANTIATE_TEST_SUITE_P(Inputs, CodecRoundTrip,
                         testing::Values(std::string("a"), std::string(4096, 'q'),
                                         std::string(5000, '\0') + "fin",
                                         RandomBytes(10000, 4), RandomBytes(200000, 5),
                                         std::string(100000, 'x') + RandomBytes(3000, 6)));

TEST(Codec, TheImplodedEmptyInputIsNotWorthStoring) {
    const std::unique_ptr<Codec> codec = MakeDclCodec();
    const std::string imploded = Implode(*codec, "");
    EXPECT_GT(imploded.size(), 0u) << "an empty file can only be stored as it is";
}

}  // namespace
}  // namespace kvarn::backup::testing_support
