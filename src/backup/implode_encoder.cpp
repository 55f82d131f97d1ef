#include "backup/implode_encoder.hpp"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

namespace kvarn::backup {

namespace {

constexpr std::uint8_t kBinaryLiterals = 0;
constexpr std::uint8_t kDictionaryCode = 6;  // 4096 bytes: distances carry 6 low bits
constexpr int kDistanceLowBits = 6;
constexpr int kPairLowBits = 2;  // a copy of two bytes carries 2 low bits, so reaches 256 back
constexpr std::size_t kWindow = 4096;
constexpr std::size_t kPairReach = 256;
constexpr int kMinCopy = 2;
constexpr int kMaxCopy = 518;
constexpr int kEndLength = 519;

// Match finding: how many earlier places with the same three bytes are tried, fewer once a copy
// this good is in hand; a copy this long is taken without looking further, or without trying the
// next byte for a longer one.
constexpr int kMaxChain = 48;
constexpr int kGoodLength = 24;
constexpr int kNiceLength = 258;
constexpr int kLazyLimit = 128;

constexpr int kHashBits = 15;
// Input is read in blocks this large; a copy needs its whole length, and the byte after, ahead.
constexpr std::size_t kBlock = std::size_t{1} << 18;
constexpr std::size_t kLookahead = kMaxCopy + 3;
constexpr std::size_t kCapacity = kWindow + kBlock;
static_assert(kCapacity < ImplodeEncoder::kMinTagLimit / 2);
constexpr std::size_t kPadding = 8;  // word reads at the end of the data
constexpr std::size_t kOutBlock = std::size_t{1} << 16;

struct Code {
    std::uint32_t bits = 0;  // in the order they go out, first bit lowest
    int count = 0;
};

// The format's prefix codes are given by the length of each symbol's code: codes are assigned
// by increasing length, in symbol order within one length, counting up from zero, and each goes
// out from its first bit, inverted.
template <std::size_t N>
constexpr std::array<Code, N> PrefixCodes(const std::array<std::uint8_t, N>& lengths) {
    std::array<Code, N> codes{};
    std::uint32_t next = 0;
    for (int length = 1; length <= 8; ++length, next <<= 1)
        for (std::size_t symbol = 0; symbol < N; ++symbol) {
            if (lengths[symbol] != length) continue;
            const std::uint32_t inverted = ~next++ & ((1u << length) - 1);
            std::uint32_t reversed = 0;
            for (int i = 0; i < length; ++i)
                reversed |= ((inverted >> (length - 1 - i)) & 1u) << i;
            codes[symbol] = {reversed, length};
        }
    return codes;
}

// Copy lengths: sixteen symbols, each a base length and as many extra bits as its range needs.
constexpr std::array<std::uint16_t, 16> kLengthBase = {2,  3,  4,  5,  6,  7,   8,   9,
                                                        10, 12, 16, 24, 40, 72, 136, 264};
constexpr std::array<std::uint8_t, 16> kLengthExtra = {0, 0, 0, 0, 0, 0, 0, 0,
                                                       1, 2, 3, 4, 5, 6, 7, 8};
constexpr std::array<Code, 16> kLengthCodes =
    PrefixCodes<16>({3, 2, 3, 3, 4, 4, 4, 5, 5, 5, 5, 6, 6, 6, 7, 7});

// The high bits of a distance less one: sixty-four symbols.
constexpr std::array<std::uint8_t, 64> DistanceLengths() {
    std::array<std::uint8_t, 64> lengths{};
    for (std::size_t s = 0; s < 64; ++s)
        lengths[s] = s == 0 ? 2 : s < 3 ? 4 : s < 7 ? 5 : s < 22 ? 6 : s < 48 ? 7 : 8;
    return lengths;
}
constexpr std::array<Code, 64> kDistanceCodes = PrefixCodes<64>(DistanceLengths());

// The copy flag, the length code and its extra bits together, for every length the format has.
constexpr std::array<Code, kEndLength + 1> CopyHeads() {
    std::array<Code, kEndLength + 1> heads{};
    for (int length = kMinCopy; length <= kEndLength; ++length) {
        std::size_t symbol = kLengthBase.size() - 1;
        while (kLengthBase[symbol] > length) --symbol;
        const Code& code = kLengthCodes[symbol];
        heads[length] = {1u | code.bits << 1 |
                             static_cast<std::uint32_t>(length - kLengthBase[symbol])
                                 << (1 + code.count),
                         1 + code.count + kLengthExtra[symbol]};
    }
    return heads;
}
constexpr std::array<Code, kEndLength + 1> kCopyHeads = CopyHeads();

std::uint32_t Load32(const std::uint8_t* at) {
    std::uint32_t value;
    std::memcpy(&value, at, sizeof value);
    return value;
}

std::uint64_t Load64(const std::uint8_t* at) {
    std::uint64_t value;
    std::memcpy(&value, at, sizeof value);
    return value;
}

std::uint32_t Hash3(const std::uint8_t* at) {
    return ((Load32(at) & 0xFFFFFFu) * 0x9E3779B1u) >> (32 - kHashBits);
}

std::uint32_t Hash4(const std::uint8_t* at) {
    return (Load32(at) * 0x9E3779B1u) >> (32 - kHashBits);
}

std::uint32_t PairOf(const std::uint8_t* at) { return at[0] | std::uint32_t{at[1]} << 8; }

// How many bytes from `a` and `b` agree, up to `limit`.
int CommonLength(const std::uint8_t* a, const std::uint8_t* b, int limit) {
    int n = 0;
    for (; n + 8 <= limit; n += 8)
        if (const std::uint64_t diff = Load64(a + n) ^ Load64(b + n); diff != 0)
            return n + std::countr_zero(diff) / 8;
    while (n < limit && a[n] == b[n]) ++n;
    return n;
}

}  // namespace

ImplodeEncoder::ImplodeEncoder(std::uint32_t tagLimit)
    : tagLimit_(std::max(tagLimit, kMinTagLimit)),
      buffer_(kCapacity + kPadding),
      head_(std::size_t{1} << kHashBits),
      chain_(kWindow),
      triples_(std::size_t{1} << kHashBits),
      pairs_(std::size_t{1} << 16),
      out_(kOutBlock + 64) {}

void ImplodeEncoder::Implode(const ReadFunction& read, const WriteFunction& write) {
    Begin();
    PutBits(kBinaryLiterals, 8);
    PutBits(kDictionaryCode, 8);
    Fill(read);
    std::size_t pos = 0;
    Match pending;  // found at pos - 1, waiting to see whether pos begins a longer copy
    for (;;) {
        if (!inputOver_ && end_ - pos < kLookahead) {
            pos = Slide(pos);
            Fill(read);
        }
        if (pos >= end_) break;
        const Match found = pending.length >= kLazyLimit ? Match{} : Find(pos, pending.length);
        Insert(pos);
        if (pending.length > 0 && found.length <= pending.length) {
            PutCopy(pending);
            for (std::size_t p = pos + 1; p < pos - 1 + pending.length; ++p) Insert(p);
            pos += pending.length - 1;
            pending = {};
        } else if (pending.length == 0 && found.length >= kNiceLength) {
            PutCopy(found);
            for (std::size_t p = pos + 1; p < pos + found.length; ++p) Insert(p);
            pos += found.length;
        } else {
            if (pending.length > 0) PutLiteral(buffer_[pos - 1]);
            if (found.length == 0) PutLiteral(buffer_[pos]);
            pending = found;
            ++pos;
        }
        if (outUsed_ >= kOutBlock) Flush(write, false);
    }
    PutEnd();
    Flush(write, true);
}

// A new stream: its tags follow those of the last one, whose table entries thus fall below start_.
void ImplodeEncoder::Begin() {
    base_ += static_cast<std::uint32_t>(end_);
    start_ = base_;
    end_ = 0;
    inputOver_ = false;
    outUsed_ = 0;
    bits_ = 0;
    bitCount_ = 0;
    if (base_ > tagLimit_ - kCapacity) Rebase();
}

void ImplodeEncoder::Fill(const ReadFunction& read) {
    while (end_ < kCapacity && !inputOver_) {
        const std::size_t got = read(buffer_.data() + end_, kCapacity - end_);
        inputOver_ = got == 0;
        end_ += got;
    }
    std::fill_n(buffer_.begin() + static_cast<std::ptrdiff_t>(end_), kPadding, 0);
}

// Drops what lies more than a window behind `pos`, and says where `pos` is now.
std::size_t ImplodeEncoder::Slide(std::size_t pos) {
    const std::size_t keepFrom = pos > kWindow ? pos - kWindow : 0;
    std::memmove(buffer_.data(), buffer_.data() + keepFrom, end_ - keepFrom);
    end_ -= keepFrom;
    base_ += static_cast<std::uint32_t>(keepFrom);
    if (base_ > tagLimit_ - kCapacity) Rebase();
    return pos - keepFrom;
}

// Brings every tag down by a whole number of windows, so that each keeps its place in chain_,
// keeping the distances between those that still mean something and forgetting the others.
void ImplodeEncoder::Rebase() {
    const std::uint32_t delta = (base_ - 1) & ~static_cast<std::uint32_t>(kWindow - 1);
    for (std::vector<std::uint32_t>* table : {&head_, &chain_, &triples_, &pairs_})
        for (std::uint32_t& tag : *table) tag = tag >= start_ && tag > delta ? tag - delta : 0;
    start_ = start_ > delta ? start_ - delta : 1;
    base_ -= delta;
}

// Called for every position in order, after the search at it.
void ImplodeEncoder::Insert(std::size_t pos) {
    if (pos + 1 >= end_) return;
    const std::uint32_t tag = TagOf(pos);
    const std::uint8_t* here = &buffer_[pos];
    pairs_[PairOf(here)] = tag;
    if (pos + 2 >= end_) return;
    triples_[Hash3(here)] = tag;
    if (pos + 3 >= end_) return;
    std::uint32_t& head = head_[Hash4(here)];
    chain_[tag & (kWindow - 1)] = head;
    head = tag;
}

bool ImplodeEncoder::Valid(std::uint32_t tag, std::size_t pos, std::size_t reach) const {
    const std::uint32_t here = TagOf(pos);
    return tag >= start_ && tag < here && here - tag <= reach;
}

// The chain of places with the same four bytes gives the long copies; the nearest place with the
// same three bytes, and the nearest with the same two, the short ones, which are worth taking only
// near (their distance costs as much as a long copy's).
ImplodeEncoder::Match ImplodeEncoder::Find(std::size_t pos, int atLeast) const {
    const int limit = static_cast<int>(std::min<std::size_t>(kMaxCopy, end_ - pos));
    if (limit <= atLeast || limit < kMinCopy) return {};
    const std::uint8_t* here = &buffer_[pos];
    const std::uint32_t hereTag = TagOf(pos);
    Match best{atLeast, 0};
    // Tries the place of `tag`, and says whether a longer copy is worth looking for.
    const auto tryPlace = [&](std::uint32_t tag) {
        const std::uint8_t* there = here - (hereTag - tag);
        if (there[best.length] != here[best.length]) return true;
        const int length = CommonLength(there, here, limit);
        if (length <= best.length) return true;
        best = {length, static_cast<int>(hereTag - tag)};
        return length < std::min(limit, kNiceLength);
    };
    if (limit >= 4) {
        int tries = atLeast >= kGoodLength ? kMaxChain / 4 : kMaxChain;
        std::uint32_t tag = head_[Hash4(here)];
        // A place overwritten in chain_ lies more than a window back: Valid stops there.
        while (tries-- > 0 && Valid(tag, pos, kWindow) && tryPlace(tag)) {
            const std::uint32_t next = chain_[tag & (kWindow - 1)];
            if (next >= tag) break;
            tag = next;
        }
    }
    if (best.length < 4 && limit >= 3) {
        const std::uint32_t tag = triples_[Hash3(here)];
        if (Valid(tag, pos, kWindow)) tryPlace(tag);
    }
    if (best.length < 3) best = {atLeast, 0};  // two bytes are a copy only near
    if (best.length < kMinCopy) {
        const std::uint32_t tag = pairs_[PairOf(here)];
        if (Valid(tag, pos, kPairReach)) return {kMinCopy, static_cast<int>(hereTag - tag)};
    }
    return best.distance > 0 ? best : Match{};
}

void ImplodeEncoder::PutBits(std::uint32_t bits, int count) {
    bits_ |= std::uint64_t{bits} << bitCount_;
    bitCount_ += count;
    if (bitCount_ < 32) return;
    for (int i = 0; i < 4; ++i) out_[outUsed_++] = static_cast<std::uint8_t>(bits_ >> (8 * i));
    bits_ >>= 32;
    bitCount_ -= 32;
}

void ImplodeEncoder::PutLiteral(std::uint8_t byte) { PutBits(std::uint32_t{byte} << 1, 9); }

void ImplodeEncoder::PutCopy(const Match& match) {
    const Code& head = kCopyHeads[static_cast<std::size_t>(match.length)];
    PutBits(head.bits, head.count);
    const int lowBits = match.length == kMinCopy ? kPairLowBits : kDistanceLowBits;
    const auto less = static_cast<std::uint32_t>(match.distance - 1);
    const Code& high = kDistanceCodes[less >> lowBits];
    PutBits(high.bits | (less & ((1u << lowBits) - 1)) << high.count, high.count + lowBits);
}

void ImplodeEncoder::PutEnd() {
    const Code& end = kCopyHeads[kEndLength];
    PutBits(end.bits, end.count);
}

void ImplodeEncoder::Flush(const WriteFunction& write, bool all) {
    if (all) {
        for (; bitCount_ > 0; bitCount_ -= 8, bits_ >>= 8)
            out_[outUsed_++] = static_cast<std::uint8_t>(bits_);
        bitCount_ = 0;
    }
    if (outUsed_ > 0) write(out_.data(), outUsed_);
    outUsed_ = 0;
}

}  // namespace kvarn::backup
