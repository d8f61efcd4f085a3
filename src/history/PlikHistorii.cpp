#include "history/PlikHistorii.h"

#include "core/Amount.h"
#include "core/QuoteScanner.h"
#include "core/TextFile.h"

#include <QDate>
#include <QFile>

#include <algorithm>
#include <cstring>
#include <iterator>
#include <limits>

namespace remitto {

namespace {

/// `Splacono` of a transfer record: the paid value, summed for totals.
constexpr int kSplacono = 8;
/// Kept besides the layout's items in transfer records: the paid value and
/// the status (`Status`, read for every candidate of a statement).
constexpr int kTrzymanePrzelewu[] = {kSplacono, 23};
/// A record's amount for totals that is no plain amount: read when asked for.
constexpr qint64 kLiczPozniej = std::numeric_limits<qint64>::min();
constexpr int kNajwiecejTrzymanych = 5 + int(std::size(kTrzymanePrzelewu));
/// A kept value's offsets when its end lies 64 KiB or more into its record.
constexpr quint16 kZaDaleko = 0xFFFF;

QString przyczynaUszkodzenia(const QString& sciezka, bool uciety, int rozmiar)
{
    if (uciety)
        return QStringLiteral("Plik %1 jest uszkodzony: urywa się w środku wartości.").arg(sciezka);
    return QStringLiteral("Plik %1 jest uszkodzony: liczba wartości nie dzieli się na rekordy po %2.")
        .arg(sciezka)
        .arg(rozmiar);
}

} // namespace

namespace {

/// The two forms the program writes, "dd-mm-yyyy" and "yyyy-mm-dd", read
/// straight from their ten bytes; 0 when the value is neither, -1 when it is
/// one of them but no real day (the general rule gives 0 for it as well).
int kluczDziesieciuBajtow(const char* b)
{
    auto cyfra = [](char c) { return unsigned(c - '0') <= 9u; };
    auto liczba = [](const char* c, int n) {
        int w = 0;
        for (int i = 0; i < n; ++i)
            w = w * 10 + (c[i] - '0');
        return w;
    };
    int r, m, d;
    if (b[2] == '-' && b[5] == '-' && cyfra(b[0]) && cyfra(b[1]) && cyfra(b[3]) && cyfra(b[4]) && cyfra(b[6])
        && cyfra(b[7]) && cyfra(b[8]) && cyfra(b[9])) {
        d = liczba(b, 2);
        m = liczba(b + 3, 2);
        r = liczba(b + 6, 4);
    } else if (b[4] == '-' && b[7] == '-' && cyfra(b[0]) && cyfra(b[1]) && cyfra(b[2]) && cyfra(b[3])
               && cyfra(b[5]) && cyfra(b[6]) && cyfra(b[8]) && cyfra(b[9])) {
        r = liczba(b, 4);
        m = liczba(b + 5, 2);
        d = liczba(b + 8, 2);
    } else {
        return 0;
    }
    if (r < 1 || m < 1 || m > 12 || d < 1 || d > 31)
        return -1;
    if (d > 28 && !QDate::isValid(r, m, d))
        return -1;
    return r * 10000 + m * 100 + d;
}

} // namespace

int kluczDowolnejDaty(QByteArrayView t)
{
    if (t.size() == 10) {
        const int k = kluczDziesieciuBajtow(t.data());
        if (k != 0)
            return k < 0 ? 0 : k;
    }
    int grupy[3] = {0, 0, 0};
    int dlugosci[3] = {0, 0, 0};
    int ile = 0;
    bool wGrupie = false;
    for (char c : t) {
        if (c >= '0' && c <= '9') {
            if (!wGrupie) {
                if (ile == 3)
                    return 0;
                wGrupie = true;
                ++ile;
            }
            if (++dlugosci[ile - 1] > 8)
                return 0;
            grupy[ile - 1] = grupy[ile - 1] * 10 + (c - '0');
        } else if (c == ' ' || c == '-' || c == ',' || c == '.' || c == '/' || c == '\t') {
            wGrupie = false;
        } else {
            return 0;
        }
    }
    int r = 0, m = 0, d = 0;
    if (ile == 1 && dlugosci[0] == 8) {
        r = grupy[0] / 10000;
        m = grupy[0] / 100 % 100;
        d = grupy[0] % 100;
    } else if (ile == 3 && dlugosci[0] == 4 && dlugosci[1] <= 2 && dlugosci[2] <= 2) {
        r = grupy[0];
        m = grupy[1];
        d = grupy[2];
    } else if (ile == 3 && dlugosci[2] == 4 && dlugosci[0] <= 2 && dlugosci[1] <= 2) {
        d = grupy[0];
        m = grupy[1];
        r = grupy[2];
    } else {
        return 0;
    }
    if (r < 1 || m < 1 || m > 12 || d < 1 || d > 31)
        return 0;
    if (d > 28 && !QDate::isValid(r, m, d))
        return 0;
    return r * 10000 + m * 100 + d;
}

int kluczDowolnejDaty(const QString& tekst)
{
    for (QChar c : tekst)
        if (c.unicode() >= 0x80)
            return 0;
    return kluczDowolnejDaty(QByteArrayView(tekst.toLatin1()));
}

namespace {

/// A plain amount ("1234,56", "-12.3", "100", at most 15 bytes) read on its
/// bytes, as parseAmount() reads it; nothing for any other text, which is
/// left to parseAmount().
std::optional<qint64> prostaKwota(QByteArrayView b)
{
    qint64 calosc = 0;
    int grosze = 0;
    int miejsca = -1;
    bool minus = false;
    if (b.isEmpty() || b.size() > 15)
        return std::nullopt;
    for (qsizetype i = 0; i < b.size(); ++i) {
        const char c = b[i];
        if (c >= '0' && c <= '9') {
            if (miejsca < 0)
                calosc = calosc * 10 + (c - '0');
            else if (++miejsca <= 2)
                grosze = grosze * 10 + (c - '0');
            else
                return std::nullopt;
        } else if ((c == ',' || c == '.') && miejsca < 0 && i > 0) {
            miejsca = 0;
        } else if (c == '-' && i == 0 && b.size() > 1) {
            minus = true;
        } else {
            return std::nullopt;
        }
    }
    if (miejsca == 1)
        grosze *= 10;
    const qint64 w = calosc * 100 + grosze;
    return minus ? -w : w;
}

} // namespace

PlikHistorii PlikHistorii::wczytaj(const QString& sciezka, const UkladHistorii& uklad)
{
    if (!QFile::exists(sciezka)) {
        PlikHistorii p;
        p.m_uklad = uklad;
        p.m_sciezka = sciezka;
        p.m_poczatkiRekordow = {0};
        p.m_stan = Stan::Brak;
        p.m_blad = QStringLiteral("Brak pliku %1").arg(sciezka);
        return p;
    }
    CalyPlik caly = czytajCalyPlik(sciezka);
    if (!caly.ok) {
        PlikHistorii p;
        p.m_uklad = uklad;
        p.m_sciezka = sciezka;
        p.m_poczatkiRekordow = {0};
        p.m_stan = Stan::BladOdczytu;
        p.m_blad = QStringLiteral("Nie można odczytać pliku %1: %2").arg(sciezka, caly.blad);
        return p;
    }
    PlikHistorii p = zBajtow(caly.bajty, uklad, sciezka);
    p.m_wlasciciel = std::move(caly.wlasciciel);
    return p;
}

PlikHistorii PlikHistorii::zBajtow(QByteArray bajty, const UkladHistorii& uklad, const QString& sciezka)
{
    PlikHistorii p;
    p.m_uklad = uklad;
    p.m_sciezka = sciezka;
    p.m_bajty = std::move(bajty);
    p.m_poczatkiRekordow = {0};
    if (p.m_bajty.size() >= qsizetype(std::numeric_limits<quint32>::max())) {
        p.m_stan = Stan::BladOdczytu;
        p.m_blad = QStringLiteral("Plik %1 jest za duży.").arg(sciezka);
        return p;
    }
    p.m_utf8 = detectEncoding(p.m_bajty) == Encoding::Utf8;

    const char* const baza = p.m_bajty.constData();
    const char* const koniec = baza + p.m_bajty.size();
    const char* s = baza;
    if (p.m_utf8 && p.m_bajty.startsWith("\xEF\xBB\xBF"))
        s += 3;
    p.m_poczatkiRekordow[0] = quint32(s - baza);

    // The values read for every record keep their place; the others are
    // found again in their record when asked for.
    const size_t rozmiar = size_t(std::max(uklad.rozmiar, 1));
    p.m_miejsce.assign(rozmiar, qint8(-1));
    auto trzymaj = [&p, rozmiar](int nr) {
        if (nr >= 0 && size_t(nr) < rozmiar && p.m_miejsce[size_t(nr)] < 0)
            p.m_miejsce[size_t(nr)] = qint8(p.m_trzymane++);
    };
    for (int nr : {uklad.data, uklad.skrot, uklad.konto, uklad.kwota, uklad.tytul})
        trzymaj(nr);
    if (uklad == kUkladPrzelewu)
        for (int nr : kTrzymanePrzelewu)
            trzymaj(nr);

    // About 300 bytes and 27 values a record.
    const size_t oczekiwaneRekordy = size_t(p.m_bajty.size() / 11 + 16) / rozmiar + 2;
    const size_t naRekord = 2 * size_t(p.m_trzymane);
    p.m_wzgledne.reserve(oczekiwaneRekordy * naRekord);
    p.m_poczatkiRekordow.reserve(oczekiwaneRekordy);
    p.m_kluczeDat.reserve(oczekiwaneRekordy);
    p.m_kwotySumy.reserve(oczekiwaneRekordy);

    // Values as every reader of the program finds them (core/QuoteScanner.h).
    QuoteScanner<char> skaner(s, koniec, p.m_utf8 ? Blanks::Utf8 : Blanks::Cp1250);
    const qint8* const miejsce = p.m_miejsce.data();
    const size_t nrDaty = size_t(uklad.data);
    const size_t nrSumy = size_t(uklad == kUkladPrzelewu ? kSplacono : uklad.kwota);
    quint16 rekordu[2 * kNajwiecejTrzymanych];
    const char* poczatekRekordu = s;
    size_t wRekordzie = 0;
    qsizetype wartosci = 0;
    bool uciety = false;
    bool ostatniaPustaLinia = false;
    while (!skaner.atEnd()) {
        const QuoteScanner<char>::Value v = skaner.next();
        ++wartosci;
        uciety = v.cut;
        ostatniaPustaLinia = v.emptyLine;
        if (uciety)
            break;
        if (const int m = miejsce[wRekordzie]; m >= 0) {
            const size_t od = size_t(v.begin - poczatekRekordu);
            const size_t doB = size_t(v.end - poczatekRekordu);
            const bool blisko = doB < kZaDaleko;
            rekordu[2 * m] = blisko ? quint16(od) : kZaDaleko;
            rekordu[2 * m + 1] = blisko ? quint16(doB) : kZaDaleko;
        }
        // The date key is made while the value's bytes are at hand: every
        // search by date then costs a look-up, not a walk through the file.
        if (wRekordzie == nrDaty)
            p.m_kluczeDat.push_back(kluczDowolnejDaty(QByteArrayView(v.begin, v.end - v.begin)));
        // So is the amount for totals, when it is plain.
        if (wRekordzie == nrSumy)
            p.m_kwotySumy.push_back(prostaKwota(QByteArrayView(v.begin, v.end - v.begin)).value_or(kLiczPozniej));
        if (++wRekordzie == rozmiar) {
            wRekordzie = 0;
            p.m_wzgledne.insert(p.m_wzgledne.end(), rekordu, rekordu + naRekord);
            poczatekRekordu = skaner.position();
            p.m_poczatkiRekordow.push_back(quint32(poczatekRekordu - baza));
        }
    }

    const RecordCount ile = countRecords(wartosci, uciety, ostatniaPustaLinia, uklad.rozmiar);
    p.m_poczatkiRekordow.resize(size_t(ile.records) + 1);
    p.m_wzgledne.resize(size_t(ile.records) * naRekord);
    p.m_kluczeDat.resize(size_t(ile.records));
    p.m_kwotySumy.resize(size_t(ile.records), kLiczPozniej);
    // The estimate above is close for transfer records; give back only a
    // gross over-estimate (short records), as the copy costs time.
    if (p.m_wzgledne.capacity() > 2 * p.m_wzgledne.size() + 1024)
        p.m_wzgledne.shrink_to_fit();
    if (ile.tornValues > 0) {
        p.m_ogon = true;
        p.m_stan = Stan::Uszkodzony;
        p.m_blad = przyczynaUszkodzenia(sciezka, uciety, uklad.rozmiar);
    }
    return p;
}

QByteArrayView PlikHistorii::surowa(int rekord, int nr) const
{
    if (rekord < 0 || rekord >= liczbaRekordow() || nr < 0 || nr >= m_uklad.rozmiar)
        return {};
    if (const int m = m_miejsce[size_t(nr)]; m >= 0) {
        const quint16* w = m_wzgledne.data() + (size_t(rekord) * size_t(m_trzymane) + size_t(m)) * 2;
        if (w[1] != kZaDaleko)
            return QByteArrayView(m_bajty.constData() + m_poczatkiRekordow[size_t(rekord)] + w[0],
                                  qsizetype(w[1] - w[0]));
    }
    return skanuj(rekord, nr);
}

namespace {

// The scanner over one whole record, in the state the file's scan reached it.
QuoteScanner<char> skanerRekordu(const QByteArray& bajty, quint32 od, quint32 doB, bool utf8)
{
    const char* const baza = bajty.constData();
    return QuoteScanner<char>(baza + od, baza + doB, utf8 ? Blanks::Utf8 : Blanks::Cp1250,
                              od > 0 && baza[od - 1] == ',');
}

} // namespace

QByteArrayView PlikHistorii::skanuj(int rekord, int nr) const
{
    QuoteScanner<char> skaner = skanerRekordu(m_bajty, m_poczatkiRekordow[size_t(rekord)],
                                              m_poczatkiRekordow[size_t(rekord) + 1], m_utf8);
    for (int i = 0; !skaner.atEnd(); ++i) {
        const QuoteScanner<char>::Value v = skaner.next();
        if (i == nr)
            return QByteArrayView(v.begin, v.end - v.begin);
    }
    return {};
}

QVarLengthArray<QByteArrayView, 32> PlikHistorii::surowe(int rekord) const
{
    QVarLengthArray<QByteArrayView, 32> w;
    if (rekord < 0 || rekord >= liczbaRekordow())
        return w;
    w.reserve(m_uklad.rozmiar);
    QuoteScanner<char> skaner = skanerRekordu(m_bajty, m_poczatkiRekordow[size_t(rekord)],
                                              m_poczatkiRekordow[size_t(rekord) + 1], m_utf8);
    while (w.size() < m_uklad.rozmiar && !skaner.atEnd()) {
        const QuoteScanner<char>::Value v = skaner.next();
        w.append(QByteArrayView(v.begin, v.end - v.begin));
    }
    return w;
}

QString PlikHistorii::dekoduj(QByteArrayView b) const
{
    if (m_utf8)
        return fromUtf8Bytes(b);
    return fromCp1250(QByteArray::fromRawData(b.data(), b.size()));
}

QString PlikHistorii::wartosc(int rekord, int nr) const
{
    return dekoduj(surowa(rekord, nr));
}

QStringList PlikHistorii::wartosci(int rekord) const
{
    const QVarLengthArray<QByteArrayView, 32> surowe = this->surowe(rekord);
    QStringList w;
    w.reserve(m_uklad.rozmiar);
    for (int i = 0; i < m_uklad.rozmiar; ++i)
        w.append(i < surowe.size() ? dekoduj(surowe[i]) : QString());
    return w;
}

QByteArrayView PlikHistorii::surowyRekord(int rekord) const
{
    if (rekord < 0 || rekord >= liczbaRekordow())
        return {};
    const quint32 od = m_poczatkiRekordow[size_t(rekord)];
    return QByteArrayView(m_bajty.constData() + od, qsizetype(m_poczatkiRekordow[size_t(rekord) + 1] - od));
}

QByteArray PlikHistorii::rekordDoZapisu(int rekord) const
{
    if (rekord < 0 || rekord >= liczbaRekordow())
        return {};
    const quint32 od = m_poczatkiRekordow[size_t(rekord)];
    const quint32 doB = m_poczatkiRekordow[size_t(rekord) + 1];
    QByteArray b = m_bajty.mid(od, doB - od);
    if (m_utf8) {
        // A blank Windows-1250 cannot hold becomes a no-break space, not a
        // "?": a bare value keeps losing it at its ends, and a quote after it
        // still belongs to the bare value.
        QString t = fromUtf8Bytes(b);
        for (QChar& c : t)
            if (c.unicode() >= 0x80 && c.isSpace())
                c = QChar(0xA0);
        b = toCp1250(t);
    }
    // The record's bytes end just past its separator. A comma (the next
    // record followed on the same line) becomes a line end: only that comma
    // goes, so a last value that was never set (even one alone at the start
    // of a line) stays, closed by the line end. A record cut off by the end
    // of the file gets a line end; so does a lone carriage return, which a
    // line feed starting the next record written would join.
    if (b.endsWith(',')) {
        b.chop(1);
        b.append("\r\n");
    } else if (b.endsWith('\r')) {
        b.append('\n');
    } else if (!b.endsWith('\n')) {
        b.append("\r\n");
    }
    return b;
}


std::optional<qint64> PlikHistorii::kwotaWartosci(int rekord, int nr) const
{
    const QByteArrayView b = surowa(rekord, nr);
    if (const std::optional<qint64> w = prostaKwota(b))
        return w;
    for (const char c : b)
        if (static_cast<unsigned char>(c) >= 0x80)
            return parseAmount(dekoduj(b));
    // ASCII reads the same in both encodings: no text needed.
    return parseAmount(QLatin1String(b.data(), b.size()));
}

qint64 PlikHistorii::kwota(int rekord) const
{
    const QByteArrayView b = surowa(rekord, m_uklad.kwota);
    if (const std::optional<qint64> w = prostaKwota(b))
        return *w;
    return parseAmount(dekoduj(b)).value_or(0);
}

qint64 PlikHistorii::kwotaDoSumy(int rekord) const
{
    if (rekord < 0 || rekord >= liczbaRekordow())
        return 0;
    if (const qint64 k = m_kwotySumy[size_t(rekord)]; k != kLiczPozniej)
        return k;
    if (m_uklad == kUkladPrzelewu)
        if (const std::optional<qint64> zaplacono = kwotaWartosci(rekord, kSplacono))
            return *zaplacono;
    return kwota(rekord);
}

int PlikHistorii::kluczDaty(int rekord) const
{
    if (rekord < 0 || rekord >= liczbaRekordow())
        return 0;
    return m_kluczeDat[size_t(rekord)];
}

QString PlikHistorii::skrotWielkimi(int rekord) const
{
    return wartosc(rekord, m_uklad.skrot).toUpper();
}

} // namespace remitto
