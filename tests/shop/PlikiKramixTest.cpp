#include "shop/PlikiKramix.h"

#include "core/QuoteFormat.h"
#include "core/TextFile.h"

#include "DrzewoFaktur.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace remitto;
using remitto::test::DrzewoFaktur;

namespace {

QStringList wartosci(const WartosciPliku& w)
{
    QStringList out;
    for (qsizetype i = 0; i < w.liczba(); ++i)
        out.append(w.tekst(i));
    return out;
}

} // namespace

// The byte splitter must read every file exactly as the shared text reader
// does: the list and the view would otherwise disagree with the rest of the
// program about the same file.
TEST(WartosciPliku, SplitsBytesAsTheTextReaderDoes)
{
    const QList<QString> przypadki = {
        QStringLiteral("\"a\",1,\"b, c\"\r\n\"d\",,\r\n"),
        QStringLiteral("\"one\"\r\n2\r\n\r\n\"four\"\r\n"),  // one value per line, an unset one
        QStringLiteral("  12 , \"x\"  ,\"\"\n\"y\"\r\"z\""),
        QStringLiteral("\"Łódź\",\"żółć\"\r\n\x1A"),
        QStringLiteral("\"cut in the mid"),
        QStringLiteral("1,2,"),
        QString(),
    };
    for (const QString& tekst : przypadki) {
        QuoteReader r(tekst);
        const QStringList oczekiwane = r.readAll();
        WartosciPliku w;
        w.bajty = toCp1250(tekst);
        w.podziel();
        EXPECT_EQ(wartosci(w), oczekiwane) << tekst.toStdString();
        EXPECT_EQ(w.urwany, r.truncated()) << tekst.toStdString();
    }
}

TEST(NazwaFaktury, OnlyFzNineDigitsDatIsAName)
{
    const struct {
        const char* nazwa;
        bool dobra;
    } przypadki[] = {
        {"Fz200700012.dat", true},     {"FZ200700012.DAT", true},    {"Fz20070001.dat", false},
        {"Fz2007000123.dat", false},   {"Fz20070001a.dat", false},   {"../00000000.dat", false},
        {"Fz/..0700012.dat", false},   {"Fz200700012.txt", false},   {"", false},
        {"Fz200700012.dat ", false},   {"Xz200700012.dat", false},
    };
    for (const auto& p : przypadki)
        EXPECT_EQ(czyNazwaFaktury(QString::fromUtf8(p.nazwa)), p.dobra) << p.nazwa;
    EXPECT_EQ(nazwaPlikuFaktury(QStringLiteral("20"), 7, 12), QStringLiteral("Fz200700012.dat"));
}

TEST(ZnacznikZaplaty, ReadsPackageAmountAndDateOrReportsAWrongLength)
{
    const struct {
        const char* tekst;
        bool pusty, poprawny;
        int paczka;
        qint64 kwota;
        const char* data;
    } przypadki[] = {
        {"", true, true, 0, 0, ""},
        {"03   1000,0012-07-2020", false, true, 3, 100000, "12-07-2020"},
        {"00    300.0020200712  ", false, true, 0, 30000, "20200712"},
        {"      300,00          ", false, true, 0, 30000, ""},
        {"03          12-07-2020", false, true, 3, 0, "12-07-2020"},
        {"03 1000,0012-07-2020", false, false, 0, 0, ""},
        {"03   1000,0012-07-2020 ", false, false, 0, 0, ""},
        {"03    tysiac12-07-2020", false, false, 3, 0, ""},
    };
    for (const auto& p : przypadki) {
        const ZnacznikZaplaty z = odczytajZnacznik(QString::fromUtf8(p.tekst));
        EXPECT_EQ(z.pusty, p.pusty) << p.tekst;
        EXPECT_EQ(z.poprawny, p.poprawny) << p.tekst;
        if (!z.poprawny)
            continue;
        EXPECT_EQ(z.paczka, p.paczka) << p.tekst;
        EXPECT_EQ(z.kwota, p.kwota) << p.tekst;
        EXPECT_EQ(z.data, QString::fromUtf8(p.data)) << p.tekst;
    }
}

TEST(NumeracjaFaktur, ReadsTwelveMonthsAndNamesAMissingOrDamagedFile)
{
    DrzewoFaktur t;
    t.numeracja(QStringLiteral("20"), {3, 0, 5, 0, 0, 0, 0, 0, 0, 0, 0, 12});
    const QString sciezka = t.dir.file(t.wFirmie(QStringLiteral("Parametry/NumZ20.dat")));
    const NumeracjaFaktur n = odczytajNumeracjeFaktur(sciezka);
    ASSERT_EQ(n.stan, NumeracjaFaktur::Stan::Ok);
    ASSERT_EQ(n.miesiace.size(), 12);
    EXPECT_EQ(n.miesiace[0].liczba, 3);
    EXPECT_EQ(n.miesiace[11].miesiac, 12);
    EXPECT_EQ(n.miesiace[11].liczba, 12);

    const NumeracjaFaktur brak = odczytajNumeracjeFaktur(t.dir.file(QStringLiteral("NumZ19.dat")));
    EXPECT_EQ(brak.stan, NumeracjaFaktur::Stan::Brak);
    EXPECT_TRUE(brak.blad.contains(t.dir.file(QStringLiteral("NumZ19.dat"))));

    t.dir.writeText(QStringLiteral("krotka.dat"), QStringLiteral("1,0,3\r\n2,0,4\r\n"));
    EXPECT_EQ(odczytajNumeracjeFaktur(t.dir.file(QStringLiteral("krotka.dat"))).stan, NumeracjaFaktur::Stan::Uszkodzona);
}

TEST(NumeracjaFaktur, ExtraValuesOrAGarbageTailAreDamage)
{
    DrzewoFaktur t;
    t.numeracja(QStringLiteral("20"), {3, 0, 5, 0, 0, 0, 0, 0, 0, 0, 0, 12});
    const QString nazwa = t.wFirmie(QStringLiteral("Parametry/NumZ20.dat"));
    const QByteArray dobry = t.dir.readBytes(nazwa);
    const struct {
        const char* opis;
        QByteArray tresc;
        bool ok;
    } przypadki[] = {
        {"twelve lines", dobry, true},
        {"an empty line after the last", dobry + "\r\n", true},
        {"an extra value on a line", QByteArray(dobry).replace("2,0,0\r\n", "2,0,0,7\r\n"), false},
        {"a thirteenth line", dobry + "13,0,4\r\n", false},
        {"a tail of garbage", dobry + QByteArray(200 * 1024, 'x'), false},
        {"a tail of garbage values", dobry + QByteArray(100 * 1024, ','), false},
    };
    for (const auto& c : przypadki) {
        t.dir.writeBytes(nazwa, c.tresc);
        const NumeracjaFaktur n = odczytajNumeracjeFaktur(t.dir.file(nazwa));
        if (c.ok) {
            EXPECT_EQ(n.stan, NumeracjaFaktur::Stan::Ok) << c.opis << " " << n.blad.toStdString();
            EXPECT_EQ(n.miesiace.size(), 12) << c.opis;
            continue;
        }
        EXPECT_EQ(n.stan, NumeracjaFaktur::Stan::Uszkodzona) << c.opis;
        EXPECT_TRUE(n.miesiace.isEmpty()) << c.opis;
        EXPECT_TRUE(n.blad.contains(t.dir.file(nazwa))) << c.opis << " " << n.blad.toStdString();
    }
}

TEST(PlikFaktury, DamagedFilesSayWhatIsWrong)
{
    DrzewoFaktur t;
    const QString plik = QStringLiteral("Fz200700001.dat");
    QStringList h = DrzewoFaktur::naglowek(plik);
    t.faktura(plik, h);
    const QString sciezka = t.dir.file(t.wFirmie(QStringLiteral("Faktury/") + plik));
    const PlikFaktury dobry = odczytajPlikFaktury(sciezka);
    EXPECT_EQ(dobry.stan, PlikFaktury::Stan::Ok);
    EXPECT_EQ(dobry.naglowek.size(), 19);
    ASSERT_EQ(dobry.pozycje.size(), 1);
    EXPECT_EQ(dobry.pozycje[0][5], QStringLiteral("1000.00"));

    const QByteArray calosc = t.dir.readBytes(t.wFirmie(QStringLiteral("Faktury/") + plik));
    const struct {
        QByteArray bajty;
        const char* powod;
    } uszkodzone[] = {
        {calosc.left(calosc.indexOf("\r\n")), nullptr},                       // header only: whole
        {calosc.left(calosc.lastIndexOf(',')), "ostatnia pozycja ma 18 z 19"},
        {calosc.left(58), "urwana w cudzysłowie"},
        {"\"a\",\"b\"\r\n", "nagłówek ma 2 z 19"},
        {"\"03 12,00\"" + calosc.mid(calosc.indexOf(',')), "znacznik zapłaty ma 8 znaków"},
    };
    for (const auto& u : uszkodzone) {
        t.surowa(plik, u.bajty);
        const PlikFaktury f = odczytajPlikFaktury(sciezka);
        if (!u.powod) {
            EXPECT_EQ(f.stan, PlikFaktury::Stan::Ok);
            continue;
        }
        EXPECT_EQ(f.stan, PlikFaktury::Stan::Uszkodzony) << u.powod;
        EXPECT_TRUE(f.powod.contains(QString::fromUtf8(u.powod))) << f.powod.toStdString();
    }
    EXPECT_EQ(odczytajPlikFaktury(sciezka + QStringLiteral("x")).stan, PlikFaktury::Stan::Brak);
}

TEST(DrzewoKramix, FindsFoldersAndFilesWhoseLetterCaseDiffers)
{
    DrzewoFaktur t;
    t.firma = QStringLiteral("firma");  // the company folder in lower case on disk
    t.dir.writeText(t.wFirmie(QStringLiteral("PARAMETRY/numz20.DAT")), QStringLiteral("1,0,1\r\n"));
    t.faktura(QStringLiteral("FZ200700001.DAT"), DrzewoFaktur::naglowek(QStringLiteral("Fz200700001.dat")));

    DrzewoKramix d(t.kramix(), QStringLiteral("FIRMA"));
    EXPECT_EQ(d.folderFirmy(), t.kramix() + QStringLiteral("/firma"));
    EXPECT_EQ(d.folderFaktur(), t.kramix() + QStringLiteral("/firma/Faktury"));
    EXPECT_EQ(d.plikNumeracji(QStringLiteral("20")), t.kramix() + QStringLiteral("/firma/PARAMETRY/numz20.DAT"));
    EXPECT_EQ(d.znajdzFakture(QStringLiteral("Fz200700001.dat")),
              t.kramix() + QStringLiteral("/firma/Faktury/FZ200700001.DAT"));
    // A name that is no invoice file name never becomes a path.
    EXPECT_EQ(d.znajdzFakture(QStringLiteral("../../x/passwd")), QString());
    EXPECT_EQ(DrzewoKramix(t.kramix(), QStringLiteral("..")).folderFirmy(), QString());
    EXPECT_EQ(DrzewoKramix(t.kramix(), QStringLiteral("INNA")).folderFirmy(), QString());
}

TEST(PlikiKramix, InvoiceFileNamesHaveTheirFixedForm)
{
    const struct {
        const char* rr;
        int miesiac;
        int numer;
        const char* nazwa;
    } przypadki[] = {
        {"20", 7, 1, "Fz200700001.dat"},
        {"26", 12, 99999, "Fz261299999.dat"},
        {"00", 1, 12345, "Fz000112345.dat"},
    };
    for (const auto& p : przypadki) {
        const QString nazwa = nazwaPlikuFaktury(QString::fromLatin1(p.rr), p.miesiac, p.numer);
        EXPECT_EQ(nazwa, QString::fromLatin1(p.nazwa));
        EXPECT_TRUE(czyNazwaFaktury(nazwa)) << p.nazwa;
        char bajty[15];
        nazwaPlikuFaktury(bajty, QString::fromLatin1(p.rr), p.miesiac, p.numer);
        EXPECT_EQ(QByteArray(bajty, 15), QByteArray(p.nazwa));
    }
    for (const char* zla : {"Fz2007000001.dat", "Fx200700001.dat", "Fz20070000a.dat", "Fz200700001.txt", "../200700001.dat"})
        EXPECT_FALSE(czyNazwaFaktury(QString::fromLatin1(zla))) << zla;
    EXPECT_TRUE(czyNazwaFaktury(QStringLiteral("FZ200700001.DAT")));
}
