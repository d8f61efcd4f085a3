#include "core/DuzaPamiec.h"

#include <QFile>

#include <cstdint>
#include <cstdlib>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace remitto {

namespace {

constexpr std::size_t kProg = std::size_t(1) << 20;
constexpr std::size_t kStrona = std::size_t(2) << 20;

std::size_t zaokraglij(std::size_t n)
{
    return (n + kStrona - 1) & ~(kStrona - 1);
}

} // namespace

void* przydzielDuzy(std::size_t bajty)
{
#ifdef __linux__
    if (bajty >= kProg && bajty < std::size_t(-1) - 2 * kStrona) {
        const std::size_t dlugosc = zaokraglij(bajty);
        // Over-ask by one large page, then give back the unaligned head and tail.
        void* surowy = mmap(nullptr, dlugosc + kStrona, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (surowy == MAP_FAILED)
            throw std::bad_alloc();
        const auto poczatek = reinterpret_cast<std::uintptr_t>(surowy);
        const std::uintptr_t wyrownany = (poczatek + kStrona - 1) & ~std::uintptr_t(kStrona - 1);
        if (wyrownany > poczatek)
            munmap(surowy, wyrownany - poczatek);
        const std::size_t ogon = kStrona - (wyrownany - poczatek);
        if (ogon > 0)
            munmap(reinterpret_cast<void*>(wyrownany + dlugosc), ogon);
        madvise(reinterpret_cast<void*>(wyrownany), dlugosc, MADV_HUGEPAGE);
        return reinterpret_cast<void*>(wyrownany);
    }
#endif
    return ::operator new(bajty);
}

void zwolnijDuzy(void* p, std::size_t bajty) noexcept
{
    if (!p)
        return;
#ifdef __linux__
    if (bajty >= kProg && bajty < std::size_t(-1) - 2 * kStrona) {
        munmap(p, zaokraglij(bajty));
        return;
    }
#endif
    ::operator delete(p);
}

CalyPlik czytajCalyPlik(const QString& sciezka)
{
    CalyPlik wynik;
    QFile f(sciezka);
    if (!f.open(QIODevice::ReadOnly)) {
        wynik.blad = f.errorString();
        return wynik;
    }
    const qint64 rozmiar = f.size();
    if (rozmiar <= 0 || rozmiar >= qint64(INT32_MAX)) {
        // Empty, unknown size (a device) or too big to view: the plain way.
        wynik.bajty = f.readAll();
        wynik.ok = f.error() == QFileDevice::NoError;
        wynik.blad = wynik.ok ? QString() : f.errorString();
        return wynik;
    }
    const std::size_t n = std::size_t(rozmiar);
    char* p = static_cast<char*>(przydzielDuzy(n));
    std::shared_ptr<const char> wlasciciel(p, [n](const char* q) { zwolnijDuzy(const_cast<char*>(q), n); });
    qint64 przeczytane = 0;
    while (przeczytane < rozmiar) {
        const qint64 r = f.read(p + przeczytane, rozmiar - przeczytane);
        if (r < 0) {
            wynik.blad = f.errorString();
            return wynik;
        }
        if (r == 0)
            break;  // the file got shorter meanwhile: keep what is there
        przeczytane += r;
    }
    wynik.wlasciciel = std::move(wlasciciel);
    wynik.bajty = QByteArray::fromRawData(p, qsizetype(przeczytane));
    wynik.ok = true;
    return wynik;
}

} // namespace remitto
