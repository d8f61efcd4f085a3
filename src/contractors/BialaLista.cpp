#include "contractors/BialaLista.h"

#include "contractors/BialaListaDane.h"
#include "core/Nip.h"

#include <QtEndian>

// The low-level SHA-512 calls are the fastest on a 128-byte input (no
// provider look-up per call); OpenSSL marks them deprecated but keeps them
// unless built or compiled without them (OPENSSL_NO_DEPRECATED), where a
// reused digest context serves instead.
#define OPENSSL_SUPPRESS_DEPRECATED
#include "core/LazyCrypto.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cstring>
#include <iterator>
#include <new>
#include <thread>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace remitto::kontrahenci {

QString opisWyniku(WynikBialejListy wynik)
{
    switch (wynik) {
    case WynikBialejListy::Czynny: return QStringLiteral("czynny");
    case WynikBialejListy::Zwolniony: return QStringLiteral("zwolniony");
    case WynikBialejListy::NieFiguruje: return QStringLiteral("nie figuruje");
    case WynikBialejListy::BrakNipLubKonta: return QStringLiteral("brak NIP lub konta");
    case WynikBialejListy::KontoNiepelne: return QStringLiteral("konto niepełne");
    }
    return {};
}

namespace {


constexpr auto kWartosciHex = [] {
    std::array<signed char, 256> t{};
    for (int c = 0; c < 256; ++c)
        t[size_t(c)] = c >= '0' && c <= '9' ? char(c - '0')
            : c >= 'a' && c <= 'f'          ? char(c - 'a' + 10)
            : c >= 'A' && c <= 'F'          ? char(c - 'A' + 10)
                                            : -1;
    return t;
}();

int wartoscHex(char c)
{
    return kWartosciHex[static_cast<unsigned char>(c)];
}

bool cyfra(char c) { return c >= '0' && c <= '9'; }

QByteArray tylkoZnaczace(const QString& tekst)
{
    QByteArray out;
    out.reserve(tekst.size());
    for (const QChar c : tekst) {
        if (c.isSpace() || c == QLatin1Char('-'))
            continue;
        out.append(c.unicode() < 128 ? char(c.unicode()) : '?');
    }
    if (out.startsWith("PL") || out.startsWith("pl"))
        out.remove(0, 2);
    return out;
}

bool sameCyfry(const QByteArray& t)
{
    return std::all_of(t.begin(), t.end(), cyfra);
}

} // namespace

namespace {

// The two lower-case hex digits of every byte value.
constexpr auto kParyHex = [] {
    std::array<std::array<char, 2>, 256> t{};
    constexpr char cyfry[] = "0123456789abcdef";
    for (size_t b = 0; b < 256; ++b)
        t[b] = {cyfry[b >> 4], cyfry[b & 15]};
    return t;
}();

void naHex(const unsigned char (&skrot)[SHA512_DIGEST_LENGTH], char* hex)
{
    for (size_t i = 0; i < SHA512_DIGEST_LENGTH; ++i)
        std::memcpy(hex + 2 * i, kParyHex[skrot[i]].data(), 2);
}

// SHA-512 of one piece of memory at a time, with no allocation per call.
#if !defined(OPENSSL_NO_DEPRECATED_3_0)
class Sha512 {
public:
    bool skrot(const char* p, size_t n, unsigned char (&wynik)[SHA512_DIGEST_LENGTH])
    {
        SHA512_CTX c;
        return ssl::SHA512_Init(&c) == 1 && ssl::SHA512_Update(&c, p, n) == 1 && ssl::SHA512_Final(wynik, &c) == 1;
    }
};
#else
const EVP_MD* algorytmSha512()
{
    static EVP_MD* const md = ssl::EVP_MD_fetch(nullptr, "SHA512", nullptr);
    return md;
}

class Sha512 {
public:
    Sha512() : m_ctx(ssl::EVP_MD_CTX_new()) {}
    ~Sha512() { ssl::EVP_MD_CTX_free(m_ctx); }
    Sha512(const Sha512&) = delete;
    Sha512& operator=(const Sha512&) = delete;

    bool skrot(const char* p, size_t n, unsigned char (&wynik)[SHA512_DIGEST_LENGTH])
    {
        unsigned int dlugosc = 0;
        return m_ctx && algorytmSha512() && ssl::EVP_DigestInit_ex2(m_ctx, algorytmSha512(), nullptr) == 1
            && ssl::EVP_DigestUpdate(m_ctx, p, n) == 1 && ssl::EVP_DigestFinal_ex(m_ctx, wynik, &dlugosc) == 1;
    }

private:
    EVP_MD_CTX* m_ctx;
};
#endif

} // namespace

bool skrotPary(QByteArrayView data, QByteArrayView nip, QByteArrayView nrb, int transformacje, char (&hex)[128])
{
    // date + NIP + account is 44 bytes in a flat file; anything longer is hashed from the heap.
    char krotki[64];
    QByteArray dlugi;
    const qsizetype n = data.size() + nip.size() + nrb.size();
    char* para = krotki;
    if (n > qsizetype(sizeof krotki)) {
        dlugi.resize(n);
        para = dlugi.data();
    }
    std::memcpy(para, data.data(), size_t(data.size()));
    std::memcpy(para + data.size(), nip.data(), size_t(nip.size()));
    std::memcpy(para + data.size() + nip.size(), nrb.data(), size_t(nrb.size()));

    Sha512 sha;
    unsigned char skrot[SHA512_DIGEST_LENGTH];
    if (!sha.skrot(para, size_t(n), skrot))
        return false;
    naHex(skrot, hex);
    for (int i = 1; i < transformacje; ++i) {
        if (!sha.skrot(hex, sizeof hex, skrot))
            return false;
        naHex(skrot, hex);
    }
    return true;
}

QByteArray skrotPary(QByteArrayView data, QByteArrayView nip, QByteArrayView nrb, int transformacje)
{
    char hex[128];
    if (!skrotPary(data, nip, nrb, transformacje, hex))
        return {};
    return QByteArray(hex, 128);
}

namespace {

// Whether all `n` characters are hex digits (either case); 16 at a time
// where the processor allows.
bool samoHex(const char* p, qsizetype n)
{
    qsizetype i = 0;
#if defined(__SSE2__)
    // Unsigned "c - '0' < 10" and "(c | 0x20) - 'a' < 6" as signed compares
    // after moving the ranges down by 0x80.
    __m128i dobre = _mm_set1_epi8(-1);
    const __m128i doCyfry = _mm_set1_epi8(char(0x80 - '0')), granicaCyfry = _mm_set1_epi8(char(0x80 + 10));
    const __m128i doLitery = _mm_set1_epi8(char(0x80 - 'a')), granicaLitery = _mm_set1_epi8(char(0x80 + 6));
    const __m128i male = _mm_set1_epi8(0x20);
    for (; i + 16 <= n; i += 16) {
        const __m128i c = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i));
        const __m128i cyfra = _mm_cmplt_epi8(_mm_add_epi8(c, doCyfry), granicaCyfry);
        const __m128i litera = _mm_cmplt_epi8(_mm_add_epi8(_mm_or_si128(c, male), doLitery), granicaLitery);
        dobre = _mm_and_si128(dobre, _mm_or_si128(cyfra, litera));
    }
    if (_mm_movemask_epi8(dobre) != 0xFFFF)
        return false;
#endif
    int wynik = 0;
    for (; i < n; ++i)
        wynik |= wartoscHex(p[i]);
    return wynik >= 0;
}

} // namespace

namespace {

// Eight hex digits (checked beforehand) as a number, the first digit the
// highest: each byte's value, then pairs, fours and eights packed.
quint64 osiemCyfrHex(const char* p)
{
    quint64 x = 0;
    std::memcpy(&x, p, 8);
    x = qFromLittleEndian(x);
    x = (x & 0x0F0F0F0F0F0F0F0FULL) + 9 * ((x >> 6) & 0x0101010101010101ULL);
    x = ((x & 0x000F000F000F000FULL) << 4) | ((x >> 8) & 0x000F000F000F000FULL);
    x = ((x & 0x000000FF000000FFULL) << 8) | ((x >> 16) & 0x000000FF000000FFULL);
    return ((x & 0xFFFFULL) << 16) | ((x >> 32) & 0xFFFFULL);
}

} // namespace

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
namespace {

// The same check 32 characters at a time, on processors that have AVX2.
__attribute__((target("avx2"))) bool samoHex128Avx2(const char* p)
{
    __m256i dobre = _mm256_set1_epi8(-1);
    const __m256i doCyfry = _mm256_set1_epi8(char(0x80 - '0')), granicaCyfry = _mm256_set1_epi8(char(0x80 + 10));
    const __m256i doLitery = _mm256_set1_epi8(char(0x80 - 'a')), granicaLitery = _mm256_set1_epi8(char(0x80 + 6));
    const __m256i male = _mm256_set1_epi8(0x20);
    for (int i = 0; i < 128; i += 32) {
        const __m256i c = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p + i));
        const __m256i cyfra = _mm256_cmpgt_epi8(granicaCyfry, _mm256_add_epi8(c, doCyfry));
        const __m256i litera = _mm256_cmpgt_epi8(granicaLitery, _mm256_add_epi8(_mm256_or_si256(c, male), doLitery));
        dobre = _mm256_and_si256(dobre, _mm256_or_si256(cyfra, litera));
    }
    return _mm256_movemask_epi8(dobre) == -1;
}

const bool kAvx2 = [] {
    __builtin_cpu_init();  // may run before the compiler's own start-up code
    return __builtin_cpu_supports("avx2") != 0;
}();

bool samoHex128(const char* p)
{
    return kAvx2 ? samoHex128Avx2(p) : samoHex(p, 128);
}

} // namespace
#else
namespace {
bool samoHex128(const char* p) { return samoHex(p, 128); }
} // namespace
#endif

bool prefiksSkrotu(QByteArrayView hex, quint64* prefiks)
{
    if (hex.size() != 128 || !samoHex128(hex.data()))
        return false;
    *prefiks = (osiemCyfrHex(hex.data()) << 32) | osiemCyfrHex(hex.data() + 8);
    return true;
}

namespace {

// Insertion sort, for small parts.
void wstawianie(quint64* a, size_t n)
{
    for (size_t i = 1; i < n; ++i) {
        const quint64 x = a[i];
        size_t j = i;
        for (; j > 0 && a[j - 1] > x; --j)
            a[j] = a[j - 1];
        a[j] = x;
    }
}

// In place, most significant byte first (American flag sort): the values
// swapped into the 256 parts of the byte at `przesuniecie`, then each part by
// the next byte; small parts by insertion. No second array: fresh memory
// costs more than the sort on some machines.
void sortujOdGory(quint64* a, size_t n, int przesuniecie)
{
    if (n <= 48) {
        wstawianie(a, n);
        return;
    }
    size_t poczatek[257] = {};
    for (size_t i = 0; i < n; ++i)
        ++poczatek[((a[i] >> przesuniecie) & 255) + 1];
    for (int k = 0; k < 256; ++k)
        poczatek[k + 1] += poczatek[k];
    size_t nastepny[256];
    std::copy(poczatek, poczatek + 256, nastepny);
    for (size_t k = 0; k < 256; ++k) {
        while (nastepny[k] < poczatek[k + 1]) {
            quint64 x = a[nastepny[k]];
            size_t gdzie = (x >> przesuniecie) & 255;
            while (gdzie != k) {
                std::swap(x, a[nastepny[gdzie]++]);
                gdzie = (x >> przesuniecie) & 255;
            }
            a[nastepny[k]++] = x;
        }
    }
    if (przesuniecie == 0)
        return;
    for (int k = 0; k < 256; ++k)
        sortujOdGory(a + poczatek[k], poczatek[k + 1] - poczatek[k], przesuniecie - 8);
}

// Copies `n` values from `z` to `do_` grouped by the `bity` bits at
// `przesuniecie` (stable); `poczatek` (2^bity + 1 entries) gets where each
// group starts, `nastepny` (2^bity) is room to work in.
void rozloz(const quint64* z, quint64* do_, size_t n, int bity, int przesuniecie, size_t* poczatek, size_t* nastepny)
{
    const size_t grup = size_t(1) << bity;
    const quint64 maska = grup - 1;
    std::fill(poczatek, poczatek + grup + 1, 0);
    for (size_t i = 0; i < n; ++i)
        ++poczatek[((z[i] >> przesuniecie) & maska) + 1];
    for (size_t k = 0; k < grup; ++k)
        poczatek[k + 1] += poczatek[k];
    std::copy(poczatek, poczatek + grup, nastepny);
    for (size_t i = 0; i < n; ++i) {
        const quint64 x = z[i];
        do_[nastepny[(x >> przesuniecie) & maska]++] = x;
    }
}

} // namespace

void sortujPrefiksy(DuzyWektor<quint64>& v)
{
    const size_t n = v.size();
    quint64* a = v.data();
    // Hashes are spread evenly: by the top byte into a second array, then
    // each part (in the processor's cache) by the next 13 bits back, leaving
    // a value or two per group for insertion. Three times as fast as sorting
    // in place; without memory for the second array, in place.
    quint64* druga = nullptr;
    if (n > 4096) {
        try {
            druga = static_cast<quint64*>(przydzielDuzy(n * sizeof(quint64)));
        } catch (const std::bad_alloc&) {
            druga = nullptr;
        }
    }
    if (!druga) {
        sortujOdGory(a, n, 56);
        return;
    }
    constexpr int kBity = 13;  // a value or two per group in a list of millions
    std::vector<size_t> miejsce((size_t(1) << kBity) * 2 + 1);
    size_t* const grupy = miejsce.data();
    size_t* const nastepny = grupy + (size_t(1) << kBity) + 1;
    size_t czesci[257];
    rozloz(a, druga, n, 8, 56, czesci, nastepny);
    for (size_t k = 0; k < 256; ++k) {
        const size_t b = czesci[k], m = czesci[k + 1] - czesci[k];
        if (m <= 48) {
            std::copy(druga + b, druga + b + m, a + b);
            wstawianie(a + b, m);
            continue;
        }
        rozloz(druga + b, a + b, m, kBity, 56 - kBity, grupy, nastepny);
        // Groups follow each other in order, so one insertion pass over the
        // part moves each value within its group alone; a big group (many
        // equal top bits: not a list of hashes) is sorted first.
        for (size_t g = 0; g < (size_t(1) << kBity); ++g) {
            if (grupy[g + 1] - grupy[g] > 48)
                std::sort(a + b + grupy[g], a + b + grupy[g + 1]);
        }
        wstawianie(a + b, m);
    }
    zwolnijDuzy(druga, n * sizeof(quint64));
}

bool poprawnaMaska(QByteArrayView maska)
{
    return maska.size() == 26
        && std::all_of(maska.begin(), maska.end(), [](char c) { return cyfra(c) || c == 'X' || c == 'Y'; });
}

bool pasujeDoMaski(QByteArrayView nrb, QByteArrayView maska)
{
    if (nrb.size() != 26 || maska.size() != 26)
        return false;
    for (qsizetype i = 0; i < 26; ++i) {
        if (cyfra(maska[i]) && maska[i] != nrb[i])
            return false;
    }
    return true;
}

QByteArray kontoZamaskowane(QByteArrayView nrb, QByteArrayView maska)
{
    QByteArray out(maska.data(), maska.size());
    for (qsizetype i = 0; i < out.size() && i < nrb.size(); ++i) {
        if (maska[i] == 'Y')
            out[i] = nrb[i];
    }
    return out;
}

QByteArray nipDoSprawdzenia(const QString& nip)
{
    return cyfryNip(nip).toLatin1();
}

QByteArray kontoDoSprawdzenia(const QString& konto)
{
    return tylkoZnaczace(konto);
}

BialaLista::BialaLista() = default;

bool BialaLista::wczytana() const { return m_dane != nullptr; }
QDate BialaLista::data() const
{
    return m_dane ? QDate::fromString(QString::fromLatin1(m_dane->data), QStringLiteral("yyyyMMdd")) : QDate();
}
QByteArray BialaLista::dataTekst() const { return m_dane ? m_dane->data : QByteArray(); }
int BialaLista::liczbaTransformacji() const { return m_dane ? m_dane->transformacje : 0; }
qsizetype BialaLista::liczbaCzynnych() const { return m_dane ? m_dane->nCzynni : 0; }
qsizetype BialaLista::liczbaZwolnionych() const { return m_dane ? m_dane->nZwolnieni : 0; }
QList<QByteArray> BialaLista::maski() const { return m_dane ? m_dane->maski : QList<QByteArray>(); }
bool BialaLista::zPamieci() const { return m_dane && m_dane->zPamieci; }
QString BialaLista::plikPamieci() const { return m_dane ? m_dane->plikPamieci : QString(); }

WynikBialejListy BialaLista::szukajSkrotu(QByteArrayView hex) const
{
    quint64 p = 0;
    if (!m_dane || !prefiksSkrotu(hex, &p))
        return WynikBialejListy::NieFiguruje;
    if (std::binary_search(m_dane->czynni, m_dane->czynni + m_dane->nCzynni, p))
        return WynikBialejListy::Czynny;
    if (std::binary_search(m_dane->zwolnieni, m_dane->zwolnieni + m_dane->nZwolnieni, p))
        return WynikBialejListy::Zwolniony;
    return WynikBialejListy::NieFiguruje;
}

WynikBialejListy BialaLista::sprawdz(const QString& nip, const QString& konto) const
{
    return sprawdzPare(nip, konto, true);
}

WynikBialejListy BialaLista::sprawdzPare(const QString& nip, const QString& konto, bool rownolegle) const
{
    const QByteArray n = nipDoSprawdzenia(nip);
    const QByteArray k = kontoDoSprawdzenia(konto);
    if (n.isEmpty() || k.isEmpty())
        return WynikBialejListy::BrakNipLubKonta;
    if (k.size() != 26 || !sameCyfry(k))
        return WynikBialejListy::KontoNiepelne;
    if (!m_dane)
        return WynikBialejListy::NieFiguruje;
    // The account itself first, then its form under every mask it fits.
    QList<QByteArray> konta{k};
    for (const QByteArray& maska : m_dane->maski)
        if (pasujeDoMaski(k, maska))
            konta.append(kontoZamaskowane(k, maska));
    const auto skrot = [&](const QByteArray& kk) { return skrotPary(m_dane->data, n, kk, m_dane->transformacje); };

    const unsigned rdzenie = std::clamp(std::thread::hardware_concurrency(), 1u, 64u);
    if (!rownolegle || konta.size() == 1 || rdzenie == 1) {
        for (const QByteArray& kk : std::as_const(konta)) {
            const WynikBialejListy w = szukajSkrotu(skrot(kk));
            if (w != WynikBialejListy::NieFiguruje)
                return w;
        }
        return WynikBialejListy::NieFiguruje;
    }
    QList<QByteArray> skroty(konta.size());
    std::atomic<qsizetype> nastepny{0};
    const auto praca = [&] {
        for (qsizetype i = nastepny++; i < konta.size(); i = nastepny++)
            skroty[i] = skrot(konta[i]);
    };
    std::vector<std::thread> pula;
    for (unsigned i = 1; i < rdzenie && i < unsigned(konta.size()); ++i)
        pula.emplace_back(praca);
    praca();
    for (std::thread& t : pula)
        t.join();
    for (const QByteArray& h : std::as_const(skroty)) {
        const WynikBialejListy w = szukajSkrotu(h);
        if (w != WynikBialejListy::NieFiguruje)
            return w;
    }
    return WynikBialejListy::NieFiguruje;
}

QList<WynikBialejListy> BialaLista::sprawdz(const QList<std::pair<QString, QString>>& pary,
                                            const std::function<bool(qint64, qint64)>& postep,
                                            bool* przerwano) const
{
    QList<WynikBialejListy> wyniki(pary.size(), WynikBialejListy::NieFiguruje);
    if (przerwano)
        *przerwano = false;
    const qsizetype n = pary.size();
    const unsigned watki = std::clamp(std::thread::hardware_concurrency(), 1u, 64u);
    std::atomic<qsizetype> nastepny{0};
    std::atomic<qsizetype> gotowe{0};
    std::atomic<bool> stop{false};
    WynikBialejListy* out = wyniki.data();
    auto praca = [&](bool wolajacy) {
        for (qsizetype i = nastepny++; i < n && !stop; i = nastepny++) {
            out[i] = sprawdzPare(pary[i].first, pary[i].second, false);
            const qsizetype g = ++gotowe;
            if (wolajacy && postep && !postep(g, n)) {
                stop = true;
                if (przerwano)
                    *przerwano = true;
            }
        }
    };
    std::vector<std::thread> pula;
    for (unsigned i = 1; i < watki && i < unsigned(n); ++i)
        pula.emplace_back(praca, false);
    praca(true);
    for (std::thread& t : pula)
        t.join();
    if (postep && !stop)
        postep(n, n);
    return wyniki;
}

} // namespace remitto::kontrahenci
