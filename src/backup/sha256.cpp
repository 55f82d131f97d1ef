#include "backup/sha256.hpp"

#include <openssl/evp.h>

#include <new>

namespace kvarn::backup {

struct Sha256::Context {
    Context() : md(EVP_MD_CTX_new()) {
        if (!md) throw std::bad_alloc();
        Start();
    }
    ~Context() { EVP_MD_CTX_free(md); }
    Context(const Context&) = delete;
    Context& operator=(const Context&) = delete;
    // libcrypto fails here only when it cannot allocate.
    void Start() {
        if (EVP_DigestInit_ex(md, EVP_sha256(), nullptr) != 1) throw std::bad_alloc();
    }
    EVP_MD_CTX* md;
};

Sha256::Sha256() : context_(std::make_unique<Context>()) {}
Sha256::~Sha256() = default;
Sha256::Sha256(Sha256&&) noexcept = default;
Sha256& Sha256::operator=(Sha256&&) noexcept = default;

void Sha256::Update(const std::uint8_t* data, std::size_t size) {
    if (size > 0) EVP_DigestUpdate(context_->md, data, size);
}

std::string Sha256::Hex() {
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    EVP_DigestFinal_ex(context_->md, digest, &length);
    context_->Start();
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string hex;
    for (unsigned int i = 0; i < length; ++i) {
        hex += kDigits[digest[i] >> 4];
        hex += kDigits[digest[i] & 0x0F];
    }
    return hex;
}

}  // namespace kvarn::backup
