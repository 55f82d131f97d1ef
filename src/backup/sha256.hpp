// SHA-256 digests of what goes into an archive and what comes out of it, over OpenSSL's libcrypto.
//
// A Sha256 takes bytes in as many pieces as they come (a file's data chunk by chunk, a volume
// from its header to its last byte) and gives the digest once, as 64 lower-case hexadecimal
// digits, the form the checksum manifest keeps. It owns its libcrypto context and nothing else.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace kvarn::backup {

class Sha256 {
public:
    Sha256();
    ~Sha256();
    Sha256(Sha256&&) noexcept;
    Sha256& operator=(Sha256&&) noexcept;

    void Update(const std::uint8_t* data, std::size_t size);
    // The digest of everything given since construction or the last Hex(), which starts anew.
    std::string Hex();

private:
    struct Context;
    std::unique_ptr<Context> context_;
};

}  // namespace kvarn::backup
