// Our encoder of the implode format that the archives use: binary literals and the 4096-byte
// dictionary, written so that any decoder of the format expands it.
//
// The stream is two header bytes (literal mode, dictionary size) and then, bit by bit from the
// least significant bit of each byte, one token after another: a literal (a 0 bit, then the byte)
// or a copy (a 1 bit, the length in the format's fixed length code, the distance in its fixed
// distance code), and the end code, a copy of length 519. The encoder reads its input in large
// blocks through the caller's read function into a buffer that keeps the 4096 bytes a copy may
// reach back to; it finds copies through hash chains over that window, bounded in length, with
// lazy evaluation (a copy found at one byte is emitted only if the next byte does not begin a
// longer one), and sends its output in blocks through the caller's write function.
//
// One encoder serves one stream at a time and may serve many in turn: its tables are kept between
// streams (resetting them would cost more than small files take to encode), and a stream's output
// never depends on the streams before it.
#pragma once

#include "backup/codec.hpp"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace kvarn::backup {

class ImplodeEncoder {
public:
    // `tagLimit`: how far the positions held in the tables may grow before they are brought back
    // down (more than kMinTagLimit); only tests choose it.
    explicit ImplodeEncoder(std::uint32_t tagLimit = kDefaultTagLimit);

    void Implode(const ReadFunction& read, const WriteFunction& write);

    static constexpr std::uint32_t kDefaultTagLimit = 0x80000000u;
    static constexpr std::uint32_t kMinTagLimit = 1u << 20;

private:
    struct Match {
        int length = 0;
        int distance = 0;
        int worth = 0;  // what it saves over paying each byte its worth, in quarters of a bit
    };

    // Where the parse of the stream stands.
    struct Cursor {
        std::size_t pos = 0;       // the next byte to decide on
        std::size_t inserted = 0;  // the places before it are in the tables
        Match pending;             // a copy found at pos - 1, waiting on what pos begins
        std::size_t misses = 0;    // searches in a row that found nothing
        std::size_t passedOver = 0;  // bytes before pos passed over and not yet sent
    };

    void Begin();
    void Step(Cursor& at);
    Match TakeBack(Cursor& at, Match found);
    void PutPassedOver(Cursor& at, std::size_t kept);
    void Fill(const ReadFunction& read);
    std::size_t Slide(std::size_t pos);
    void Rebase();
    void Insert(std::size_t from, std::size_t to);
    void SkipMiddle(std::size_t& next, std::size_t end, const Match& copy);
    // The copy at `pos` worth most among those longer than `atLeast` bytes; length 0 when none.
    Match Find(std::size_t pos, int atLeast) const;
    // Tags from `lowest` up to, not including, `here`.
    struct Reach {
        std::uint32_t lowest, here;
        bool Holds(std::uint32_t tag) const { return tag - lowest < here - lowest; }
    };
    Reach ReachFrom(std::size_t pos, std::size_t reach) const;
    std::uint32_t TagOf(std::size_t pos) const { return base_ + static_cast<std::uint32_t>(pos); }

    void PutBits(std::uint32_t bits, int count);
    void PutLiteral(std::uint8_t byte);
    void PutCopy(const Match& match);
    void PutEnd();
    void Flush(const WriteFunction& write, bool all);

    std::uint32_t tagLimit_;
    // The input: buffer_[0, end_) with the window before `pos` and the lookahead after it.
    std::vector<std::uint8_t> buffer_;
    std::size_t end_ = 0;
    bool inputOver_ = false;
    // Tags name input bytes: the byte at buffer_[i] is base_ + i. Table entries below start_ are
    // left by earlier streams and mean nothing; 0 is never a tag.
    std::uint32_t base_ = 1;
    std::uint32_t start_ = 1;
    std::vector<std::uint32_t> head_;     // last tag of each hash of four bytes
    std::vector<std::uint32_t> chain_;    // the tag before, of the same hash, by tag modulo the window
    std::vector<std::uint32_t> triples_;  // last tag of each hash of three bytes
    std::vector<std::uint32_t> pairs_;    // last tag of each hash of two bytes

    std::vector<std::uint8_t> out_;
    std::size_t outUsed_ = 0;
    std::uint64_t bits_ = 0;
    int bitCount_ = 0;
};

}  // namespace kvarn::backup
