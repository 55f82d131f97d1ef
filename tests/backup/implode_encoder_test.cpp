// Our implode encoder against the library's codec: every stream it writes expands with the
// library's explode to the input, over every kind of content and the sizes at the edges of the
// format (the window, the longest copy), and is no more than 1 % larger than the library's own.
#include "backup/codec.hpp"
#include "backup/implode_encoder.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <random>
#include <string>

namespace kvarn::backup {
namespace {

enum class Content { Text, Pages, Random, Compressed, Run, Period4095, Period4096, Period4097 };

std::string Bytes(Content content, std::size_t size);

using Coding = std::function<bool(const ReadFunction&, const WriteFunction&)>;

// `input` through `coding`, read in uneven pieces; `ok` gets what the coding returned.
std::string Through(const Coding& coding, const std::string& input, bool* ok = nullptr) {
    std::size_t at = 0;
    std::string output;
    const ReadFunction read = [&](std::uint8_t* buffer, std::size_t capacity) {
        const std::size_t n = std::min({capacity, input.size() - at, std::size_t{70001}});
        std::memcpy(buffer, input.data() + at, n);
        at += n;
        return n;
    };
    const WriteFunction write = [&](const std::uint8_t* data, std::size_t size) {
        output.append(reinterpret_cast<const char*>(data), size);
    };
    const bool done = coding(read, write);
    if (ok) *ok = done;
    return output;
}

std::string Implode(Codec& codec, const std::string& input) {
    return Through([&](auto& read, auto& write) { return codec.Implode(read, write); }, input);
}

std::string Explode(Codec& codec, const std::string& input, bool* ok = nullptr) {
    return Through([&](auto& read, auto& write) { return codec.Explode(read, write); }, input, ok);
}

std::string Bytes(Content content, std::size_t size) {
    std::mt19937 engine(static_cast<unsigned>(size) * 8 + static_cast<unsigned>(content));
    std::string bytes;
    const auto random = [&](std::size_t n) {
        std::string r(n, '\0');
        for (char& c : r) c = static_cast<char>(engine());
        return r;
    };
    switch (content) {
        case Content::Text:
            while (bytes.size() < size)
                bytes += "401" + std::to_string(engine() % 900) + ";Facture " +
                         std::to_string(engine() % 5000) + ";" + std::to_string(engine() % 99999) +
                         ",00;SARL Dupont\r\n";
            break;
        case Content::Pages:  // database pages: a few records, then zeros
            while (bytes.size() < size) bytes += random(engine() % 700) + std::string(1024, '\0');
            break;
        case Content::Random: bytes = random(size); break;
        case Content::Compressed: {
            const auto reference = MakeReferenceDclCodec();
            while (bytes.size() < size)
                bytes += Implode(*reference, Bytes(Content::Text, size / 2 + 1000));
            break;
        }
        case Content::Run: bytes.assign(size, 'x'); break;
        case Content::Period4095:
        case Content::Period4096:
        case Content::Period4097: {
            const std::string period = random(4095 + static_cast<std::size_t>(content) -
                                              static_cast<std::size_t>(Content::Period4095));
            while (bytes.size() < size) bytes += period;
            break;
        }
    }
    bytes.resize(size);
    return bytes;
}

class ImplodeRoundTrip : public testing::TestWithParam<std::tuple<Content, std::size_t>> {};

TEST_P(ImplodeRoundTrip, ExpandsWithTheLibraryToTheInputAndIsNoLargerThanItsOwn) {
    const auto [content, size] = GetParam();
    const std::string input = Bytes(content, size);
    const auto ours = MakeDclCodec();
    const auto reference = MakeReferenceDclCodec();
    const std::string stream = Implode(*ours, input);
    const std::string theirs = Implode(*reference, input);
    bool exploded = false;
    EXPECT_TRUE(Explode(*reference, stream, &exploded) == input);
    EXPECT_TRUE(exploded || input.empty()) << "the library's explode fails on an empty stream, its own included";
    EXPECT_TRUE(Explode(*reference, theirs) == input);
    if (size >= 4096) {
        EXPECT_LE(static_cast<double>(stream.size()), 1.01 * static_cast<double>(theirs.size()));
    }
}

INSTANTIATE_TEST_SUITE_P(
    EdgesOfTheFormat, ImplodeRoundTrip,
    testing::Combine(testing::Values(Content::Text, Content::Pages, Content::Random,
                                     Content::Compressed, Content::Run, Content::Period4095,
                                     Content::Period4096, Content::Period4097),
                     testing::Values(0, 1, 2, 3, 517, 518, 519, 520, 4095, 4096, 4097, 3 << 20)));

// One encoder serves the streams of many files in turn, on whichever thread takes them: a
// stream's bytes may not depend on those before it, nor on when the encoder renumbers its tables.
TEST(ImplodeEncoder, WritesTheSameStreamWhateverItEncodedBefore) {
    const std::string first = Bytes(Content::Text, 5 << 20);
    const std::string second = Bytes(Content::Pages, 300000);
    ImplodeEncoder fresh;
    ImplodeEncoder used(ImplodeEncoder::kMinTagLimit);
    const auto encode = [](ImplodeEncoder& encoder, const std::string& input) {
        return Through(
            [&](auto& read, auto& write) {
                encoder.Implode(read, write);
                return true;
            },
            input);
    };
    const std::string alone = encode(fresh, second);
    EXPECT_TRUE(encode(used, second) == alone);
    EXPECT_TRUE(encode(used, first) == encode(fresh, first));
    EXPECT_TRUE(encode(used, second) == alone);
}

}  // namespace
}  // namespace kvarn::backup
