#include "history/PlikHistorii.h"

#include "core/Amount.h"
#include "core/TextFile.h"

#include <QDate>
#include <QFile>

#include <cstring>
#include <limits>

namespace remitto {

namespace {

inline bool czyKoniecLinii(char c)
{
    return c == '\r' || c == '\n';
}

inline bool czyOdstep(char c)
{
    return c == ' ' || c == '\t';
}

// Whitespace that a bare value loses at both ends (as QString::trimmed()).
inline bool czyBialy(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// First separator (comma or line end) at or after `p`.
inline const char* doSeparatora(const char* p, const char* koniec)
{
    while (p < koniec && *p != ',' && !czyKoniecLinii(*p))
        ++p;
    return p;
}

QString przyczynaUszkodzenia(const QString& sciezka, bool uciety, int rozmiar)
{
    if (uciety)
        return QStringLiteral("Plik %1 jest uszkodzony: urywa się w środku wartości.").arg(sciezka);
    return QStringLiteral("Plik %1 jest uszkodzony: liczba wartości nie dzieli się na rekordy po %2.")
        .arg(sciezka)
        .arg(rozmiar);
}

} // namespace

int kluczDowolnejDaty(QByteArrayView t)
{
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

    const size_t rozmiar = size_t(uklad.rozmiar);
    bool poPrzecinku = false;
    bool uciety = false;
    bool ostatniaPustaLinia = false;
    while (true) {
        if (!poPrzecinku) {
            // Blanks and end-of-file marks after the last line end are no value.
            const char* q = s;
            while (q < koniec && (czyOdstep(*q) || *q == '\x1A'))
                ++q;
            if (q == koniec)
                break;
        }
        const bool poczatekLinii = !poPrzecinku;
        poPrzecinku = false;
        ostatniaPustaLinia = false;
        while (s < koniec && czyOdstep(*s))
            ++s;
        const char* b;
        const char* e;
        if (s < koniec && *s == '"') {
            const char* zamkniecie = static_cast<const char*>(std::memchr(s + 1, '"', size_t(koniec - s - 1)));
            if (!zamkniecie) {
                uciety = true;
                p.m_poczatki.push_back(quint32(s + 1 - baza));
                p.m_konce.push_back(quint32(koniec - baza));
                s = koniec;
                break;
            }
            b = s + 1;
            e = zamkniecie;
            s = doSeparatora(zamkniecie + 1, koniec);
        } else {
            b = s;
            s = doSeparatora(s, koniec);
            e = s;
            while (b < e && czyBialy(*b))
                ++b;
            while (e > b && czyBialy(e[-1]))
                --e;
            ostatniaPustaLinia = poczatekLinii && b == e && (s == koniec || czyKoniecLinii(*s));
        }
        if (s < koniec) {
            if (*s == ',') {
                poPrzecinku = true;
                ++s;
            } else {
                if (*s == '\r' && s + 1 < koniec && s[1] == '\n')
                    ++s;
                ++s;
            }
        }
        p.m_poczatki.push_back(quint32(b - baza));
        p.m_konce.push_back(quint32(e - baza));
        if (p.m_poczatki.size() % rozmiar == 0)
            p.m_poczatkiRekordow.push_back(quint32(s - baza));
    }

    size_t wartosci = p.m_poczatki.size();
    // One empty line after the last whole record (as an editor leaves it).
    if (!uciety && ostatniaPustaLinia && wartosci % rozmiar == 1)
        --wartosci;
    const bool calosc = !uciety && wartosci % rozmiar == 0;
    p.m_poczatki.resize(wartosci - wartosci % rozmiar);
    p.m_konce.resize(p.m_poczatki.size());
    // The estimate above is close for transfer records; give back only a
    // gross over-estimate (short records), as the copy costs time.
    if (p.m_poczatki.capacity() > 2 * p.m_poczatki.size() + 1024) {
        p.m_poczatki.shrink_to_fit();
        p.m_konce.shrink_to_fit();
    }
    if (!calosc) {
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
        return QString::fromUtf8(b);
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

QByteArray PlikHistorii::rekordDoZapisu(int rekord) const
{
    if (rekord < 0 || rekord >= liczbaRekordow())
        return {};
    const quint32 od = m_poczatkiRekordow[size_t(rekord)];
    const quint32 doB = m_poczatkiRekordow[size_t(rekord) + 1];
    QByteArray b = m_bajty.mid(od, doB - od);
    if (m_utf8)
        b = toCp1250(QString::fromUtf8(b));
    // The last record of a file may lack its line end; a record that ends
    // with a comma would run into the next one.
    while (!b.isEmpty() && (b.endsWith(',') || czyOdstep(b.back()) || b.back() == '\x1A'))
        b.chop(1);
    if (!b.endsWith('\n') && !b.endsWith('\r'))
        b.append("\r\n");
    return b;
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
    return kluczDowolnejDaty(surowa(rekord, m_uklad.data));
}

QString PlikHistorii::skrotWielkimi(int rekord) const
{
    return wartosc(rekord, m_uklad.skrot).toUpper();
}

} // namespace remitto
