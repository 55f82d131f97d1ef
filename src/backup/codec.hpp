// The compression codec of the archives: implode and its inverse explode, in the published
// PKWARE Data Compression Library format (binary literals, 4096-byte dictionary).
//
// The engine pulls input through a read function and pushes output through a write function; the
// codec owns its working state and nothing else, and serves one stream at a time: the engine
// clones it for each thread that compresses. The engine keeps every limit to itself (how much a
// read may return, how much output is acceptable), so that another implementation of the format
// can replace this one behind the same interface. Implode is our own encoder; explode, and implode
// as the reference the encoder is checked and measured against, are the library's.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>

namespace kvarn::backup {

// Fills up to `capacity` bytes, returns how many; 0 means the input is over.
using ReadFunction = std::function<std::size_t(std::uint8_t* buffer, std::size_t capacity)>;
// Takes `size` bytes of output.
using WriteFunction = std::function<void(const std::uint8_t* data, std::size_t size)>;

class Codec {
public:
    virtual ~Codec() = default;
    // False when the codec itself fails; faults of the read and write functions are theirs to
    // record.
    virtual bool Implode(const ReadFunction& read, const WriteFunction& write) = 0;
    virtual bool Explode(const ReadFunction& read, const WriteFunction& write) = 0;
    // A codec of the same kind with a state of its own, for another thread.
    virtual std::unique_ptr<Codec> Clone() const = 0;
};

// Our encoder, and the library's PKWARE DCL decoder.
std::unique_ptr<Codec> MakeDclCodec();
// The library's PKWARE DCL routines both ways: the reference of tests and benchmarks.
std::unique_ptr<Codec> MakeReferenceDclCodec();

}  // namespace kvarn::backup
