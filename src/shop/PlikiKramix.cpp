#include "shop/PlikiKramix.h"

#include "core/Amount.h"
#include "core/QuoteFormat.h"
#include "core/TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstring>

namespace remitto {

namespace {

bool cyfra(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

} // namespace

bool WartosciPliku::wczytaj(const QString& sciezka)
{
    QFile plik(sciezka);
    if (!plik.open(QIODevice::ReadOnly))
        return false;
    bajty = plik.readAll();
    podziel();
    return true;
}

void WartosciPliku::podziel()
{
    wartosci.clear();
    urwany = false;
    // The program's one scanner, on the Windows-1250 bytes.
    const char* d = bajty.constData();
    QuoteScanner<char> skaner(d, d + bajty.size(), Blanks::Cp1250);
    while (!skaner.atEnd()) {
        const QuoteScanner<char>::Value v = skaner.next();
        wartosci.push_back({v.begin - d, v.end - v.begin});
        urwany = urwany || v.cut;
    }
}

QString WartosciPliku::tekst(qsizetype i) const
{
    if (i < 0 || i >= liczba())
        return {};
    const Wycinek& w = wartosci[size_t(i)];
    if (w.dlugosc == 0)
        return {};
    return fromCp1250(QByteArray::fromRawData(bajty.constData() + w.poczatek, w.dlugosc));
}

QString WartosciPliku::koniecTekstu(qsizetype i, qsizetype n) const
{
    if (i < 0 || i >= liczba())
        return {};
    const Wycinek& w = wartosci[size_t(i)];
    const qsizetype ile = std::min(n, w.dlugosc);
    if (ile <= 0)
        return {};
    return fromCp1250(QByteArray::fromRawData(bajty.constData() + w.poczatek + w.dlugosc - ile, ile));
}

QLatin1String WartosciPliku::surowy(qsizetype i) const
{
    if (i < 0 || i >= liczba())
        return {};
    const Wycinek& w = wartosci[size_t(i)];
    return QLatin1String(bajty.constData() + w.poczatek, w.dlugosc);
}

std::optional<qint64> WartosciPliku::kwota(qsizetype i) const
{
    const QLatin1String s = surowy(i).trimmed();
    if (s.isEmpty())
        return 0;
    return parseAmount(s);
}

bool czyNazwaFaktury(const QString& nazwa)
{
    const QStringView n(nazwa);
    if (n.size() != 15 || n.left(2).compare(QLatin1String("Fz"), Qt::CaseInsensitive) != 0
        || n.right(4).compare(QLatin1String(".dat"), Qt::CaseInsensitive) != 0)
        return false;
    for (qsizetype i = 2; i < 11; ++i)
        if (!cyfra(nazwa[i]))
            return false;
    return true;
}

void nazwaPlikuFaktury(char (&nazwa)[15], QStringView rr, int miesiac, int numer)
{
    nazwa[0] = 'F';
    nazwa[1] = 'z';
    nazwa[2] = rr.size() > 0 ? char(rr[0].unicode()) : '0';
    nazwa[3] = rr.size() > 1 ? char(rr[1].unicode()) : '0';
    nazwa[4] = char('0' + miesiac / 10 % 10);
    nazwa[5] = char('0' + miesiac % 10);
    for (int i = 10, n = numer; i >= 6; --i, n /= 10)
        nazwa[i] = char('0' + n % 10);
    std::memcpy(nazwa + 11, ".dat", 4);
}

QString nazwaPlikuFaktury(const QString& rr, int miesiac, int numer)
{
    if (rr.size() != 2 || miesiac < 0 || miesiac > 99 || numer < 0 || numer > 99999)
        return QStringLiteral("Fz%1%2%3.dat")
            .arg(rr)
            .arg(miesiac, 2, 10, QLatin1Char('0'))
            .arg(numer, 5, 10, QLatin1Char('0'));
    char nazwa[15];
    nazwaPlikuFaktury(nazwa, rr, miesiac, numer);
    return QString::fromLatin1(nazwa, 15);
}

ZnacznikZaplaty odczytajZnacznik(const QString& znacznik)
{
    ZnacznikZaplaty z;
    if (znacznik.isEmpty())
        return z;
    z.pusty = false;
    if (znacznik.size() != kDlugoscZnacznika) {
        z.poprawny = false;
        return z;
    }
    const QStringView t(znacznik);
    z.nrPaczki = znacznik.left(2);
    bool ok = false;
    const int nr = t.left(2).trimmed().toInt(&ok);
    z.paczka = ok ? nr : 0;
    const QStringView kwota = t.mid(2, 10).trimmed();
    if (!kwota.isEmpty()) {
        const std::optional<qint64> g = parseAmount(kwota);
        if (!g) {
            z.poprawny = false;
            return z;
        }
        z.kwota = *g;
        z.maKwote = true;
        z.bezGroszy = !kwota.contains(QLatin1Char('.')) && !kwota.contains(QLatin1Char(','));
    }
    z.data = t.mid(12, 10).trimmed().toString();
    return z;
}

NumeracjaFaktur odczytajNumeracjeFaktur(const QString& sciezka)
{
    NumeracjaFaktur n;
    const QString uszkodzony = QStringLiteral("Plik numeracji faktur zakupu %1 jest uszkodzony: %2").arg(sciezka);
    // Twelve short lines; a file far bigger than that is damage and is not read.
    constexpr qint64 kNajwiekszyPlik = 64 * 1024;
    const QFileInfo info(sciezka);
    if (info.isFile() && info.size() > kNajwiekszyPlik) {
        n.stan = NumeracjaFaktur::Stan::Uszkodzona;
        n.blad = uszkodzony.arg(QStringLiteral("ma %1 bajtów zamiast 12 krótkich linii.").arg(info.size()));
        return n;
    }
    const QuoteFile plik = readQuoteFile(sciezka);
    if (plik.missing) {
        n.stan = NumeracjaFaktur::Stan::Brak;
        n.blad = QStringLiteral("Brak pliku numeracji faktur zakupu %1").arg(sciezka);
        return n;
    }
    n.stan = NumeracjaFaktur::Stan::Uszkodzona;
    if (!plik.ok) {
        n.blad = plik.error;
        return n;
    }
    // Exactly 12 lines of 3 values; an empty line after the last one is no value.
    qsizetype wartosci = plik.values.size();
    if (wartosci == 37 && plik.endsWithEmptyLine && plik.values.last().isEmpty())
        wartosci = 36;
    if (wartosci != 36) {
        n.blad = uszkodzony.arg(QStringLiteral("zamiast 12 linii po 3 wartości jest %1 wartości.").arg(plik.values.size()));
        return n;
    }
    for (int i = 0; i < 12; ++i) {
        bool okM = false;
        bool okL = false;
        MiesiacNumeracji m;
        m.miesiac = plik.values[i * 3].trimmed().toInt(&okM);
        const QString liczba = plik.values[i * 3 + 2].trimmed();
        m.liczba = liczba.isEmpty() ? 0 : liczba.toInt(&okL);
        if (liczba.isEmpty())
            okL = true;
        if (!okM || !okL || m.liczba < 0) {
            n.blad = uszkodzony.arg(QStringLiteral("linia %1 nie podaje miesiąca i liczby faktur.").arg(i + 1));
            n.miesiace.clear();
            return n;
        }
        n.miesiace.append(m);
    }
    n.stan = NumeracjaFaktur::Stan::Ok;
    return n;
}

QString sprawdzWartosciFaktury(const WartosciPliku& w, const ZnacznikZaplaty& znacznik)
{
    if (w.urwany)
        return QStringLiteral("wartość urwana w cudzysłowie");
    if (w.liczba() < kWartosciNaglowka)
        return QStringLiteral("nagłówek ma %1 z 19 wartości").arg(w.liczba());
    if ((w.liczba() - kWartosciNaglowka) % kWartosciPozycji != 0)
        return QStringLiteral("ostatnia pozycja ma %1 z 19 wartości")
            .arg((w.liczba() - kWartosciNaglowka) % kWartosciPozycji);
    if (!znacznik.poprawny)
        return QStringLiteral("znacznik zapłaty ma %1 znaków zamiast 22").arg(w.tekst(0).size());
    return {};
}

PlikFaktury odczytajPlikFaktury(const QString& sciezka)
{
    PlikFaktury f;
    WartosciPliku w;
    if (!w.wczytaj(sciezka)) {
        f.stan = PlikFaktury::Stan::Brak;
        return f;
    }
    f.stan = PlikFaktury::Stan::Uszkodzony;
    ZnacznikZaplaty z = odczytajZnacznik(w.tekst(0));
    f.powod = sprawdzWartosciFaktury(w, z);
    if (f.powod.isEmpty())
        f.stan = PlikFaktury::Stan::Ok;
    // Whatever could be read is kept, also from a damaged file.
    for (qsizetype i = 0; i < kWartosciNaglowka; ++i)
        f.naglowek.append(w.tekst(i));
    for (qsizetype p = kWartosciNaglowka; p + kWartosciPozycji <= w.liczba(); p += kWartosciPozycji) {
        QStringList pozycja;
        pozycja.reserve(kWartosciPozycji);
        for (qsizetype i = 0; i < kWartosciPozycji; ++i)
            pozycja.append(w.tekst(p + i));
        f.pozycje.append(pozycja);
    }
    return f;
}

DrzewoKramix::DrzewoKramix(const QString& sciezkaKramix, const QString& folderFirmy)
    : m_kramix(sciezkaKramix), m_firma(folderFirmy)
{
}

QString DrzewoKramix::oczekiwanyFolderFirmy() const
{
    return m_kramix + QLatin1Char('/') + m_firma;
}

QString DrzewoKramix::wFolderze(const QString& folder, const QString& nazwa, bool* jest)
{
    const QString dokladna = folder + QLatin1Char('/') + nazwa;
    if (QFileInfo::exists(dokladna)) {
        *jest = true;
        return dokladna;
    }
    auto spis = m_spisy.find(folder);
    if (spis == m_spisy.end()) {
        QHash<QString, QString> nazwy;
        const QStringList wpisy = QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
        nazwy.reserve(wpisy.size());
        for (const QString& w : wpisy)
            nazwy.insert(w.toLower(), w);
        spis = m_spisy.insert(folder, nazwy);
    }
    const auto znaleziona = spis->constFind(nazwa.toLower());
    *jest = znaleziona != spis->constEnd();
    return *jest ? folder + QLatin1Char('/') + *znaleziona : dokladna;
}

QString DrzewoKramix::folderFirmy()
{
    if (!m_folderFirmy) {
        m_folderFirmy = QString();
        // The company folder is a plain name inside the shop folder.
        if (!m_kramix.isEmpty() && QFileInfo(m_kramix).isDir() && !m_firma.isEmpty()
            && !m_firma.contains(QLatin1Char('/')) && !m_firma.contains(QLatin1Char('\\'))
            && m_firma != QLatin1String("..") && m_firma != QLatin1String(".")) {
            bool jest = false;
            const QString f = wFolderze(m_kramix, m_firma, &jest);
            if (jest && QFileInfo(f).isDir())
                m_folderFirmy = f;
        }
    }
    return *m_folderFirmy;
}

QString DrzewoKramix::folderFaktur()
{
    if (!m_folderFaktur) {
        m_folderFaktur = QString();
        const QString firma = folderFirmy();
        if (!firma.isEmpty()) {
            bool jest = false;
            const QString f = wFolderze(firma, QStringLiteral("Faktury"), &jest);
            if (jest && QFileInfo(f).isDir())
                m_folderFaktur = f;
        }
    }
    return *m_folderFaktur;
}

QString DrzewoKramix::plikNumeracji(const QString& rr)
{
    const QString nazwa = QStringLiteral("NumZ") + rr + QStringLiteral(".dat");
    const QString firma = folderFirmy();
    if (firma.isEmpty())
        return oczekiwanyFolderFirmy() + QStringLiteral("/Parametry/") + nazwa;
    bool jest = false;
    const QString parametry = wFolderze(firma, QStringLiteral("Parametry"), &jest);
    if (!jest)
        return parametry + QLatin1Char('/') + nazwa;
    return wFolderze(parametry, nazwa, &jest);
}

QString DrzewoKramix::plikFaktury(const QString& nazwa)
{
    if (!czyNazwaFaktury(nazwa))
        return {};
    const QString faktury = folderFaktur();
    if (faktury.isEmpty())
        return {};
    return faktury + QLatin1Char('/') + nazwa;
}

QString DrzewoKramix::plikFakturyInnaWielkosc(const QString& nazwa)
{
    if (!czyNazwaFaktury(nazwa) || folderFaktur().isEmpty())
        return {};
    bool jest = false;
    const QString p = wFolderze(folderFaktur(), nazwa, &jest);
    return jest ? p : QString();
}

QString DrzewoKramix::znajdzFakture(const QString& nazwa)
{
    const QString p = plikFaktury(nazwa);
    if (p.isEmpty() || QFileInfo::exists(p))
        return p;
    const QString inna = plikFakturyInnaWielkosc(nazwa);
    return inna.isEmpty() ? p : inna;
}

} // namespace remitto
