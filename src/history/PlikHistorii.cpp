#include "history/PlikHistorii.h"

#include "core/Amount.h"
#include "core/QuoteScanner.h"
#include "core/TextFile.h"

#include <QDate>
#include <QFile>

#include <cstring>
#include <limits>

namespace remitto {

namespace {

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

    // About 300 bytes and 27 values a record.
    const size_t oczekiwane = size_t(p.m_bajty.size() / 11 + 16);
    p.m_poczatki.reserve(oczekiwane);
    p.m_konce.reserve(oczekiwane);
    p.m_poczatkiRekordow.reserve(oczekiwane / size_t(uklad.rozmiar) + 2);
    p.m_kluczeDat.reserve(oczekiwane / size_t(uklad.rozmiar) + 2);

    // Values as every reader of the program finds them (core/QuoteScanner.h).
    QuoteScanner<char> skaner(s, koniec, p.m_utf8 ? Blanks::Utf8 : Blanks::Cp1250);
    const size_t rozmiar = size_t(uklad.rozmiar);
    const size_t nrDaty = size_t(uklad.data);
    size_t wRekordzie = 0;
    bool uciety = false;
    bool ostatniaPustaLinia = false;
    while (!skaner.atEnd()) {
        const QuoteScanner<char>::Value v = skaner.next();
        p.m_poczatki.push_back(quint32(v.begin - baza));
        p.m_konce.push_back(quint32(v.end - baza));
        uciety = v.cut;
        ostatniaPustaLinia = v.emptyLine;
        if (uciety)
            break;
        // The date key is made while the value's bytes are at hand: every
        // search by date then costs a look-up, not a walk through the file.
        if (wRekordzie == nrDaty)
            p.m_kluczeDat.push_back(kluczDowolnejDaty(QByteArrayView(v.begin, v.end - v.begin)));
        if (++wRekordzie == rozmiar) {
            wRekordzie = 0;
            p.m_poczatkiRekordow.push_back(quint32(skaner.position() - baza));
        }
    }

    const RecordCount ile = countRecords(qsizetype(p.m_poczatki.size()), uciety, ostatniaPustaLinia, uklad.rozmiar);
    p.m_poczatki.resize(size_t(ile.records) * rozmiar);
    p.m_konce.resize(p.m_poczatki.size());
    p.m_kluczeDat.resize(size_t(ile.records));
    // The estimate above is close for transfer records; give back only a
    // gross over-estimate (short records), as the copy costs time.
    if (p.m_poczatki.capacity() > 2 * p.m_poczatki.size() + 1024) {
        p.m_poczatki.shrink_to_fit();
        p.m_konce.shrink_to_fit();
    }
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
    const size_t i = size_t(rekord) * size_t(m_uklad.rozmiar) + size_t(nr);
    return QByteArrayView(m_bajty.constData() + m_poczatki[i], qsizetype(m_konce[i] - m_poczatki[i]));
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
    QStringList w;
    w.reserve(m_uklad.rozmiar);
    for (int i = 0; i < m_uklad.rozmiar; ++i)
        w.append(wartosc(rekord, i));
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
    for (const char c : b)
        if (static_cast<unsigned char>(c) >= 0x80)
            return parseAmount(dekoduj(b));
    // ASCII reads the same in both encodings: no text needed.
    return parseAmount(QLatin1String(b.data(), b.size()));
}

qint64 PlikHistorii::kwota(int rekord) const
{
    const QByteArrayView b = surowa(rekord, m_uklad.kwota);
    // Plain amounts ("1234,56", "-12.3", "100") without decoding.
    qint64 calosc = 0;
    int grosze = 0;
    int miejsca = -1;
    bool minus = false;
    bool prosta = !b.isEmpty() && b.size() <= 15;
    for (qsizetype i = 0; prosta && i < b.size(); ++i) {
        const char c = b[i];
        if (c >= '0' && c <= '9') {
            if (miejsca < 0)
                calosc = calosc * 10 + (c - '0');
            else if (++miejsca <= 2)
                grosze = grosze * 10 + (c - '0');
            else
                prosta = false;
        } else if ((c == ',' || c == '.') && miejsca < 0 && i > 0) {
            miejsca = 0;
        } else if (c == '-' && i == 0 && b.size() > 1) {
            minus = true;
        } else {
            prosta = false;
        }
    }
    if (prosta) {
        if (miejsca == 1)
            grosze *= 10;
        const qint64 w = calosc * 100 + grosze;
        return minus ? -w : w;
    }
    return parseAmount(dekoduj(b)).value_or(0);
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
