#include "core/LazyLibrary.h"

#include <QtGlobal>

#include <archive.h>
#include <openssl/opensslv.h>

#include <dlfcn.h>
#include <mutex>

// The names the linker would have recorded for these headers' libraries.
static_assert(ARCHIVE_VERSION_NUMBER >= 3000000 && ARCHIVE_VERSION_NUMBER < 4000000,
              "libarchive 3 is libarchive.so.13");
static_assert(OPENSSL_VERSION_MAJOR == 3, "OpenSSL 3 is libcrypto.so.3");

namespace remitto {

namespace {

struct Loaded {
    std::once_flag once;
    void* handle = nullptr;
    const char* error = "";
};

} // namespace

void* lazySymbol(LazyLibrary library, const char* symbol)
{
    static Loaded archive, crypto;
    Loaded& l = library == LazyLibrary::Archive ? archive : crypto;
    const char* file = library == LazyLibrary::Archive ? "libarchive.so.13" : "libcrypto.so.3";
    std::call_once(l.once, [&] {
        l.handle = ::dlopen(file, RTLD_NOW | RTLD_LOCAL);
        if (!l.handle)
            l.error = ::dlerror();
    });
    if (!l.handle)
        qFatal("Brak biblioteki %s: %s", file, l.error);
    void* address = ::dlsym(l.handle, symbol);
    if (!address)
        qFatal("Biblioteka %s nie ma funkcji %s", file, symbol);
    return address;
}

} // namespace remitto
