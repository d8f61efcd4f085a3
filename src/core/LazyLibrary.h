#pragma once

// Libraries the program needs only for a few operations (libarchive for the
// VAT white list and the backups, libcrypto for the white list's hashes and
// the append journal) are loaded at their first call instead of at start:
// their loading and relocation were a noticeable part of the time until the
// first window is shown. A call goes through a pointer looked up once.
//
// REMITTO_LAZY_CALL(library, name) defines, in the current namespace, a
// function `name` that forwards to the library's ::name; call it qualified
// (lib::name(...)) so that argument-dependent lookup never picks the
// library's own declaration.

#include <utility>

namespace remitto {

enum class LazyLibrary { Archive, Crypto };

/// The address of `symbol` in `library`, loading the library at the first
/// call. A library or symbol that cannot be found ends the program with a
/// message naming it, as a missing library did before the program started.
void* lazySymbol(LazyLibrary library, const char* symbol);

} // namespace remitto

#define REMITTO_LAZY_CALL(library, name)                                                                  \
    template <class... Args>                                                                            \
    inline decltype(auto) name(Args&&... args)                                                          \
    {                                                                                                   \
        static const auto function =                                                                    \
            reinterpret_cast<decltype(&::name)>(::remitto::lazySymbol(::remitto::LazyLibrary::library, #name)); \
        return function(std::forward<Args>(args)...);                                                   \
    }
