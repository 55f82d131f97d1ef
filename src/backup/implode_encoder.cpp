#include "backup/implode_encoder.hpp"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <limits>

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

// Match finding: how many earlier places with the same four bytes are tried; a copy this long is
// taken without looking further, or without trying the next byte for a longer one (on ledger text,
// trying it after copies of 8 to 15 bytes cost a tenth of the time and won 0.1 % of the size).
constexpr int kMaxChain = 48;
constexpr int kNiceLength = 128;
constexpr int kLazyLimit = 8;
constexpr std::size_t kCopyEnds = 4;
constexpr std::size_t kMissShift = 6;
constexpr std::size_t kMaxStep = 8;

// What a byte covered is worth, in quarters of a bit, when copies are weighed against each other
// and against literals: about what a byte costs in a stream that compresses well. A copy one byte
// longer but far back can cost more than the byte is worth.
constexpr int kByteWorth = 22;

// The tables of four, three and two bytes. The last two keep only the nearest place of a hash and
// are read once per search: small enough to stay in the nearest cache, a place found there is
// checked against the bytes. Smaller tables for four bytes make longer chains.
constexpr int kHashBits = 15;
constexpr int kTripleBits = 14;
constexpr int kPairBits = 12;
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

int CopyBits(int length, int distance) {
    const int low = length == kMinCopy ? kPairLowBits : kDistanceLowBits;
    return kCopyHeads[static_cast<std::size_t>(length)].count +
           kDistanceCodes[static_cast<std::size_t>(distance - 1) >> low].count + low;
}

constexpr int kLiteralWorth = kByteWorth - 4 * 9;

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

// Of the first four, three or two bytes at a place, read as one word: the others shifted off.
std::uint32_t Hash4(std::uint32_t four) { return (four * 0x9E3779B1u) >> (32 - kHashBits); }
std::uint32_t Hash3(std::uint32_t four) {
    return ((four << 8) * 0x9E3779B1u) >> (32 - kTripleBits);
}
std::uint32_t Hash2(std::uint32_t four) { return ((four << 16) * 0x9E3779B1u) >> (32 - kPairBits); }

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
      triples_(std::size_t{1} << kTripleBits),
      pairs_(std::size_t{1} << kPairBits),
      out_(kOutBlock + 64) {}

void ImplodeEncoder::Implode(const ReadFunction& read, const WriteFunction& write) {
    Begin();
    PutBits(kBinaryLiterals, 8);
    PutBits(kDictionaryCode, 8);
    Fill(read);
    Cursor at;
    for (;;) {
        if (!inputOver_ && end_ - at.pos < kLookahead) {
            const std::size_t slid = at.pos - Slide(at.pos);
            at.pos -= slid;
            at.inserted -= slid;
            Fill(read);
        }
        if (at.pos >= end_) break;
        // Every step from here to where the lookahead runs short, with nothing else between.
        const std::size_t stop = inputOver_ ? end_ : end_ - kLookahead + 1;
        while (at.pos < stop) {
            Step(at);
            if (outUsed_ >= kOutBlock) Flush(write, false);
        }
    }
    PutPassedOver(at, 0);
    PutEnd();
    Flush(write, true);
}

// One decision at at.pos: a copy, a literal, or the wait for the next byte (lazy evaluation).
// Step, Insert and Find are inline so that the loop of Implode is one body without calls: a
// fifth fewer instructions per byte.
inline void ImplodeEncoder::Step(Cursor& at) {
    std::size_t& pos = at.pos;
    Match& pending = at.pending;  // found at pos - 1, waiting to see whether pos begins a longer one
    Insert(at.inserted, pos);
    at.inserted = pos;
    Match found = pending.length >= kLazyLimit ? Match{} : Find(pos, pending.length);
    if (found.length > 0 && found.worth <= kLiteralWorth) found = {};
    if (at.passedOver > 0) found = TakeBack(at, found);
    if (pending.length > 0 && (found.length == 0 || kLiteralWorth + found.worth <= pending.worth)) {
        PutCopy(pending);
        pos += pending.length - 1;
        SkipMiddle(at.inserted, pos, pending);
        pending = {};
    } else if (pending.length == 0 && found.length >= kNiceLength) {
        PutCopy(found);
        pos += found.length;
        SkipMiddle(at.inserted, pos, found);
    } else if (pending.length > 0 || found.length > 0) {
        if (pending.length > 0) PutLiteral(buffer_[pos - 1]);
        pending = found;
        at.misses = 0;
        ++pos;
    } else {
        // Data that does not repeat (compressed, enciphered) is searched ever more sparsely: the
        // bytes passed over still go into the tables (a repetition further on is found from any
        // of its places), and out as literals unless the next copy found reaches back over them.
        const std::size_t step = std::min({1 + (at.misses++ >> kMissShift), kMaxStep, end_ - pos});
        PutLiteral(buffer_[pos]);
        pos += step;
        at.passedOver = step - 1;
    }
}

// The bytes passed over before at.pos that `found`, a copy from at.pos, also covers when it
// starts that much earlier: the copy moves back over them, the others go out as literals.
ImplodeEncoder::Match ImplodeEncoder::TakeBack(Cursor& at, Match found) {
    std::size_t back = 0;
    if (found.length > 0) {
        // The source moves back too: it must stay in this stream and in the buffer.
        const std::uint32_t firstSource = TagOf(at.pos) - static_cast<std::uint32_t>(found.distance);
        const std::uint32_t lowest = std::max(start_, base_);
        while (back < at.passedOver && found.length < kMaxCopy &&
               firstSource - static_cast<std::uint32_t>(back) > lowest &&
               buffer_[at.pos - back - 1] ==
                   buffer_[at.pos - back - 1 - static_cast<std::size_t>(found.distance)]) {
            ++back;
            ++found.length;
        }
        found.worth = found.length * kByteWorth - 4 * CopyBits(found.length, found.distance);
    }
    PutPassedOver(at, back);
    at.pos -= back;
    return found;
}

// The bytes passed over and not taken back by a copy, but the last `kept`.
void ImplodeEncoder::PutPassedOver(Cursor& at, std::size_t kept) {
    for (std::size_t i = at.passedOver; i > kept; --i) PutLiteral(buffer_[at.pos - i]);
    at.passedOver = 0;
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

// The places [from, to), in order; each only after the search at it.
inline void ImplodeEncoder::Insert(std::size_t from, std::size_t to) {
    const std::size_t whole = std::min(to, end_ > 3 ? end_ - 3 : 0);
    std::size_t pos = from;
    // The tables through plain pointers: the stores into one would otherwise make the compiler
    // read the others' addresses again.
    std::uint32_t* const pairs = pairs_.data();
    std::uint32_t* const triples = triples_.data();
    std::uint32_t* const heads = head_.data();
    std::uint32_t* const chain = chain_.data();
    const std::uint8_t* const bytes = buffer_.data();
    for (std::uint32_t tag = TagOf(pos); pos < whole; ++pos, ++tag) {
        const std::uint32_t four = Load32(bytes + pos);
        pairs[Hash2(four)] = tag;
        triples[Hash3(four)] = tag;
        std::uint32_t& head = heads[Hash4(four)];
        chain[tag & (kWindow - 1)] = head;
        head = tag;
    }
    for (; pos < to && pos + 1 < end_; ++pos) {  // the last bytes of the stream
        pairs_[Hash2(PairOf(&buffer_[pos]))] = TagOf(pos);
        if (pos + 2 < end_) triples_[Hash3(Load32(&buffer_[pos]))] = TagOf(pos);
    }
}

// A copy just written up to `end` that repeats its own beginning (a run of zeros, records over
// and over) has only its ends inserted, which are where the next copies are found: its middle
// holds nothing the places just before it do not, and would cost more time than it could save
// bytes. (The middle of any other copy is kept: it may be the only place left of what a later
// copy repeats, a period longer than the copy for one.) `next` is the first place not inserted
// yet.
void ImplodeEncoder::SkipMiddle(std::size_t& next, std::size_t end, const Match& copy) {
    if (copy.distance >= copy.length || end - next <= 2 * kCopyEnds) return;
    Insert(next, next + kCopyEnds);
    next = end - kCopyEnds;
}

// The places of the window, reach bytes back at most, that belong to this stream, as one range.
ImplodeEncoder::Reach ImplodeEncoder::ReachFrom(std::size_t pos, std::size_t reach) const {
    const std::uint32_t here = TagOf(pos);
    return {std::max(start_, here - static_cast<std::uint32_t>(std::min<std::size_t>(reach, here))),
            here};
}

// The chain of places with the same four bytes gives the long copies; the nearest place with the
// same three bytes, and the nearest with the same two, the short ones, which are worth taking only
// near (their distance costs as much as a long copy's).
inline ImplodeEncoder::Match ImplodeEncoder::Find(std::size_t pos, int atLeast) const {
    const int limit = static_cast<int>(std::min<std::size_t>(kMaxCopy, end_ - pos));
    if (limit <= atLeast || limit < kMinCopy) return {};
    const std::uint8_t* here = &buffer_[pos];
    const std::uint32_t hereTag = TagOf(pos);
    Match best{atLeast, 0, std::numeric_limits<int>::min()};
    // Tries the place of `tag`, and says whether a longer copy is worth looking for. Places come
    // nearest first: a later one is worth more only if longer.
    const auto tryPlace = [&](std::uint32_t tag) {
        const std::uint8_t* there = here - (hereTag - tag);
        if (there[best.length] != here[best.length]) return true;
        const int length = CommonLength(there, here, limit);
        // Shorter than three: a hash shared by other bytes; two bytes are a copy only near.
        if (length <= best.length || length < 3) return true;
        const auto distance = static_cast<int>(hereTag - tag);
        const int worth = length * kByteWorth - 4 * CopyBits(length, distance);
        if (worth > best.worth) best = {length, distance, worth};
        return length < std::min(limit, kNiceLength);
    };
    const Reach window = ReachFrom(pos, kWindow);
    const std::uint32_t four = Load32(here);
    if (limit >= 4) {
        int tries = kMaxChain;
        // Each place in reach has its predecessor in chain_: a slot is written over only by a
        // place a window further on, not yet inserted.
        for (std::uint32_t tag = head_[Hash4(four)]; tries-- > 0 && window.Holds(tag) && tryPlace(tag);
             tag = chain_[tag & (kWindow - 1)]) {
        }
    }
    if (best.length < 4 && limit >= 3) {
        const std::uint32_t tag = triples_[Hash3(four)];
        if (window.Holds(tag)) tryPlace(tag);
    }
    if (best.distance == 0 && atLeast < kMinCopy) {  // two bytes are a copy only near
        const std::uint32_t tag = pairs_[Hash2(four)];
        if (ReachFrom(pos, kPairReach).Holds(tag) &&
            PairOf(here - (hereTag - tag)) == PairOf(here)) {
            const auto distance = static_cast<int>(hereTag - tag);
            return {kMinCopy, distance, kMinCopy * kByteWorth - 4 * CopyBits(kMinCopy, distance)};
        }
    }
    return best.distance > 0 ? best : Match{};
}

// Up to 32 bits at a time: fewer than 32 wait in bits_, so the sum fits its 64.
void ImplodeEncoder::PutBits(std::uint32_t bits, int count) {
    bits_ |= std::uint64_t{bits} << bitCount_;
    bitCount_ += count;
    if (bitCount_ < 32) return;
    const auto word = static_cast<std::uint32_t>(bits_);
    std::uint8_t* const at = out_.data() + outUsed_;
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(at, &word, sizeof word);
    } else {
        for (int i = 0; i < 4; ++i) at[i] = static_cast<std::uint8_t>(word >> (8 * i));
    }
    outUsed_ += 4;
    bits_ >>= 32;
    bitCount_ -= 32;
}

void ImplodeEncoder::PutLiteral(std::uint8_t byte) { PutBits(std::uint32_t{byte} << 1, 9); }

void ImplodeEncoder::PutCopy(const Match& match) {
    const Code& head = kCopyHeads[static_cast<std::size_t>(match.length)];
    const int lowBits = match.length == kMinCopy ? kPairLowBits : kDistanceLowBits;
    const auto less = static_cast<std::uint32_t>(match.distance - 1);
    const Code& high = kDistanceCodes[less >> lowBits];
    // At most 1 + 7 + 8 bits of head and 8 + 6 of distance: one word.
    const std::uint32_t distance = high.bits | (less & ((1u << lowBits) - 1)) << high.count;
    PutBits(head.bits | distance << head.count, head.count + high.count + lowBits);
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
