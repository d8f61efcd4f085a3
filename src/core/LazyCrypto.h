#pragma once

// libcrypto's calls the program makes, loaded at the first one
// (core/LazyLibrary.h): call them as ssl::SHA256(...). A file that wants
// OpenSSL's deprecated calls defines OPENSSL_SUPPRESS_DEPRECATED before
// including this header.

#include "core/LazyLibrary.h"

#include <openssl/evp.h>
#include <openssl/sha.h>

namespace remitto::ssl {

REMITTO_LAZY_CALL(Crypto, SHA256)
REMITTO_LAZY_CALL(Crypto, EVP_MD_fetch)
REMITTO_LAZY_CALL(Crypto, EVP_MD_CTX_new)
REMITTO_LAZY_CALL(Crypto, EVP_MD_CTX_free)
REMITTO_LAZY_CALL(Crypto, EVP_DigestInit_ex2)
REMITTO_LAZY_CALL(Crypto, EVP_DigestUpdate)
REMITTO_LAZY_CALL(Crypto, EVP_DigestFinal_ex)
#if defined(OPENSSL_SUPPRESS_DEPRECATED) && !defined(OPENSSL_NO_DEPRECATED_3_0)
REMITTO_LAZY_CALL(Crypto, SHA512_Init)
REMITTO_LAZY_CALL(Crypto, SHA512_Update)
REMITTO_LAZY_CALL(Crypto, SHA512_Final)
#endif

} // namespace remitto::ssl
