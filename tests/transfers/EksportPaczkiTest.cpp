#include "transfers/EksportPaczki.h"
#include "transfers/PlikPaczki.h"

#include "core/TextFile.h"
#include "shop/OznaczenieFaktury.h"

#include "Budowa.h"
#include "DrzewoFaktur.h"
#include "FullDisk.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <gtest/gtest.h>

using namespace remitto;
using remitto::test::BudowaPrzelewu;
using remitto::test::DrzewoFaktur;
using remitto::test::FullDisk;

namespace {

const QDate kDzis(2026, 12, 10);
// A valid domestic account (check digits 61) and a valid own account typed in groups.
const QString kKonto = QStringLiteral("61109010140000071219812874");
const QString kKontoWlasne = QStringLiteral("61 1090 1014 0000 0712 1981 2874");
const QString kDaneFirmy = QStringLiteral("PIEKARNIA ŁAN|Sp. z o.o.|30-001 Kraków Długa 5");

Przelew przelew(const QString& nazwa, const QString& kwota, const QString& tytul, const QString& faktura = {})
{
    return BudowaPrzelewu().nazwa(nazwa).kwota(kwota).tytul(tytul).faktura(faktura);
}

// Every file under a folder with its bytes.
QMap<QString, QByteArray> migawka(const QString& folder)
{
    QMap<QString, QByteArray> pliki;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile f(it.next());
        f.open(QIODevice::ReadOnly);
        pliki.insert(it.filePath(), f.readAll());
    }
    return pliki;
}

class Eksport : public ::testing::Test {
protected:
    Eksport()
    {
        dane.folder = drzewo.dir.file(QStringLiteral("dane"));
        dane.skrotFirmy = QStringLiteral("LAN");
        dane.nadawca = {kKontoWlasne, kDaneFirmy};
        dane.sciezkaKramix = drzewo.kramix();
        dane.folderFirmyKramix = drzewo.firma;
        dane.dzis = kDzis;
        QDir().mkpath(dane.folder + QStringLiteral("/Paczki"));
        drzewo.numeracja(QStringLiteral("26"), {});
    }

    QString paczka(int nr = 1, int miesiac = 12) const { return sciezkaPaczki(dane.folder, 2026, miesiac, nr); }
    QString eksport(const QString& nazwa = QStringLiteral("LAN202612_01.TXT")) const
    {
        return dane.folder + QStringLiteral("/DoECorponet/") + nazwa;
    }
    QString historia() const { return dane.folder + QStringLiteral("/LAN.dat"); }
    QString faktura(const QString& nazwa) const { return drzewo.dir.file(drzewo.wFirmie(QStringLiteral("Faktury/") + nazwa)); }

    // Writes the package as the transfer window does, one line a record.
    QList<Przelew> zapisz(QList<Przelew> rekordy, int nr = 1, int miesiac = 12) const
    {
        for (int i = 0; i < rekordy.size(); ++i) {
            rekordy[i].nrPaczk = nrPaczkiTekst(nr);
            rekordy[i].nrPrzel = QString::number(i + 1);
        }
        EXPECT_TRUE(zapiszPaczke(paczka(nr, miesiac), rekordy));
        return rekordy;
    }

    static QByteArray bajty(const QString& sciezka)
    {
        QFile f(sciezka);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }

    DrzewoFaktur drzewo;
    DaneEksportu dane;
};

} // namespace

// ---- The export line ---------------------------------------------------------

TEST(LiniaEksportu, OrdinaryTransferByteForByte)
{
    Przelew p = przelew(QStringLiteral("Kowalski \"Hurt\""), QStringLiteral("100,00"), QStringLiteral("zapłata ąę"));
    p.konto = QStringLiteral(" ") + kKonto + QStringLiteral(" ");
    const QString linia = liniaEksportu(p, 10000, *kodyEksportu(Rodzaj::Przelew), {kKontoWlasne, kDaneFirmy}, kDzis);
    const QString tytul = QStringLiteral("ZAPŁATA ĄĘ") + QString(25, QLatin1Char(' ')) + QLatin1Char('|')
                        + QString(35, QLatin1Char(' ')) + QLatin1Char('|') + QString(35, QLatin1Char(' '));
    const QString oczekiwana = QStringLiteral("110,20261210,00000000000010000,86020000,0,\"") + kKonto
                             + QStringLiteral("\",\"") + kKonto + QStringLiteral("\",\"") + kDaneFirmy
                             + QStringLiteral("\",\"Kowalski ''Hurt''|Jan|90-001 Łódź Rynek 5\",0,0,\"") + tytul
                             + QStringLiteral("\",\"\",\"\",\"51\"\r\n");
    EXPECT_EQ(linia, oczekiwana);
    // On disk the Polish letters are single Windows-1250 bytes.
    const QByteArray b = toCp1250(linia);
    EXPECT_TRUE(b.contains(QByteArray("\"ZAP\xA3" "ATA \xA5\xCA")));
    EXPECT_TRUE(b.endsWith("\"51\"\r\n"));
}

TEST(LiniaEksportu, CodesAndTitleFormByKind)
{
    struct Przypadek {
        Rodzaj rodzaj;
        const char* typZlec;
        const char* bank;
        const char* typDok;
        bool wCalosci;
    };
    const Przypadek przypadki[] = {
        {Rodzaj::Przelew, "110", "0", "51", false},   {Rodzaj::Skarbowy, "114", "0", "71", true},
        {Rodzaj::ZUS, "120", "60000002", "51", false}, {Rodzaj::Podzielona, "110", "0", "53", true},
        {Rodzaj::Zlecenie, "210", "0", "01", false},
    };
    const Przelew p = przelew(QStringLiteral("US"), QStringLiteral("1"), QStringLiteral("/TI/N123/OKR/26M12"));
    for (const Przypadek& c : przypadki) {
        SCOPED_TRACE(int(c.rodzaj));
        const QStringList pola = liniaEksportu(p, 1, *kodyEksportu(c.rodzaj), {}, kDzis).chopped(2).split(QLatin1Char(','));
        ASSERT_EQ(pola.size(), 15);
        EXPECT_EQ(pola[0], QLatin1String(c.typZlec));
        EXPECT_EQ(pola[10], QLatin1String(c.bank));
        EXPECT_EQ(pola[14], QLatin1Char('"') + QLatin1String(c.typDok) + QLatin1Char('"'));
        const QString tytul = pola[11].mid(1, pola[11].size() - 2);
        EXPECT_EQ(tytul.size(), c.wCalosci ? 105 : 107);
        EXPECT_EQ(tytul.count(QLatin1Char('|')), c.wCalosci ? 0 : 2);
    }
    EXPECT_FALSE(kodyEksportu(Rodzaj::Wplata));
}

TEST(LiniaEksportu, TitleAmountAndAccountRules)
{
    // 105 characters are cut; upper case keeps the length of every letter.
    const QString dlugi = QString(40, QLatin1Char('a')) + QString(40, QLatin1Char('b')) + QString(40, QLatin1Char('c'));
    const QString t = tytulEksportu(dlugi, false);
    EXPECT_EQ(t, QString(35, QLatin1Char('A')) + QLatin1Char('|') + QString(5, QLatin1Char('A'))
                     + QString(30, QLatin1Char('B')) + QLatin1Char('|') + QString(10, QLatin1Char('B'))
                     + QString(25, QLatin1Char('C')));
    EXPECT_EQ(wielkieLitery(QStringLiteral("zażółć gęślą jaźń ß")), QStringLiteral("ZAŻÓŁĆ GĘŚLĄ JAŹŃ ß"));
    EXPECT_EQ(tytulEksportu(QStringLiteral("straße"), true).left(7), QStringLiteral("STRAßE "));

    EXPECT_EQ(kwotaEksportu(1230), QStringLiteral("00000000000001230"));
    EXPECT_EQ(kwotaEksportu(1234567890), QStringLiteral("00000001234567890"));

    EXPECT_TRUE(kontoDoEksportu(kKonto));
    EXPECT_FALSE(kontoDoEksportu(QStringLiteral("61109010140000071219812875")));  // one digit off
    EXPECT_FALSE(kontoDoEksportu(kKonto.left(24)));
    EXPECT_FALSE(kontoDoEksportu(kKontoWlasne));  // in groups: 32 characters
}

// ---- The invoice payment mark ------------------------------------------------

TEST(ZnacznikFaktury, MarkReplacesTheFirstValueOnly)
{
    EXPECT_EQ(znacznikZaplaty(3, 12345, kDzis), QStringLiteral("03    123,4520261210  "));
    EXPECT_EQ(znacznikZaplaty(1, 999999999, kDzis)->size(), 22);
    // Ten million and more: the whole zloty part, right-aligned.
    EXPECT_EQ(znacznikZaplaty(1, 1000000000, kDzis), QStringLiteral("01  1000000020261210  "));
    EXPECT_EQ(znacznikZaplaty(1, 1234567890, kDzis), QStringLiteral("01  1234567820261210  "));
    EXPECT_EQ(znacznikZaplaty(1, 999999999999, kDzis), QStringLiteral("01999999999920261210  "));
    EXPECT_FALSE(znacznikZaplaty(1, 1000000000000, kDzis));  // 11 digits of zloty

    const QString z = QStringLiteral("03    123,4520261210  ");
    const QByteArray reszta = ", \"Kowalski\" ,12.5,,\"x\"\r\n\"Mąka\",1\r\n";
    struct Przypadek {
        QByteArray przed;
        QByteArray po;
    };
    const Przypadek przypadki[] = {
        {"\"\"" + reszta, "\"" + z.toLatin1() + "\"" + reszta},
        {reszta, "\"" + z.toLatin1() + "\"" + reszta},  // a mark never set, written as nothing
        {"  \"01    100,0020200101  \"" + reszta, "  \"" + z.toLatin1() + "\"" + reszta},
    };
    for (const Przypadek& c : przypadki) {
        QByteArray przed = c.przed;
        // Pad to a header of 19 values.
        przed.insert(przed.indexOf("\r\n"), QByteArray(",1").repeated(15));
        QByteArray po = c.po;
        po.insert(po.indexOf("\r\n"), QByteArray(",1").repeated(15));
        EXPECT_EQ(zZnacznikiem(przed, z), po) << przed.constData();
    }
    EXPECT_FALSE(zZnacznikiem("\"\",\"a\"\r\n", z));  // no header
}

// ---- The export of a package ---------------------------------------------------

TEST_F(Eksport, TwoTransfersGoOutWithHistoryClosedPackageAndMarkedInvoice)
{
    const QString fv = QStringLiteral("Fz261200007.dat");
    drzewo.faktura(fv, DrzewoFaktur::naglowek(fv));
    const QByteArray fakturaPrzed = bajty(faktura(fv));
    const QString inna = QStringLiteral("Fz261200008.dat");
    drzewo.faktura(inna, DrzewoFaktur::naglowek(inna));
    const QByteArray innaPrzed = bajty(faktura(inna));

    const QList<Przelew> rekordy = zapisz({przelew(QStringLiteral("Kowalski"), QStringLiteral("100,00"),
                                                   QStringLiteral("FV 1/12"), fv),
                                           przelew(QStringLiteral("Nowak"), QStringLiteral("12.30"),
                                                   QStringLiteral("czynsz"))});
    const WynikEksportu w = eksportujPaczke(dane, paczka(), rekordy, Rodzaj::Przelew);
    ASSERT_TRUE(w.wykonano()) << w.blad.toStdString();
    EXPECT_EQ(w.nn, QStringLiteral("01"));
    EXPECT_EQ(w.sciezkaEksportu, eksport());
    EXPECT_TRUE(w.podejrzaneKonta.isEmpty());

    // The export file: two lines, amounts in grosze, Windows-1250, CR LF.
    const QByteArray plik = bajty(eksport());
    const QList<QByteArray> linie = plik.split('\n');
    ASSERT_EQ(linie.size(), 3);
    EXPECT_TRUE(linie[2].isEmpty());
    EXPECT_TRUE(linie[0].startsWith("110,20261210,00000000000010000,86020000,0,\"" + kKonto.toLatin1() + "\""));
    EXPECT_TRUE(linie[1].startsWith("110,20261210,00000000000001230,"));
    EXPECT_EQ(plik, toCp1250(liniaEksportu(rekordy[0], 10000, *kodyEksportu(Rodzaj::Przelew), dane.nadawca, kDzis)
                             + liniaEksportu(rekordy[1], 1230, *kodyEksportu(Rodzaj::Przelew), dane.nadawca, kDzis)));
    EXPECT_TRUE(plik.contains("\"PIEKARNIA \xA3" "AN|"));  // Windows-1250 bytes, no UTF-8
    EXPECT_FALSE(QFile::exists(eksport(QStringLiteral(".LAN202612_01.TXT.tmp"))));

    // The history: both transfers, closed, with the codes sent.
    const OdczytPaczki hist = czytajPaczke(historia());
    ASSERT_TRUE(hist.ok());
    ASSERT_EQ(hist.rekordy.size(), 2);
    EXPECT_EQ(hist.rekordy[1].nazwaKontrahenta, QStringLiteral("Nowak"));
    for (const Przelew& r : hist.rekordy)
        EXPECT_EQ(r.status, kZamknieta);

    // The package: closed, one value per line, nothing else changed.
    const OdczytPaczki p = czytajPaczke(paczka());
    ASSERT_TRUE(p.ok());
    ASSERT_EQ(p.rekordy.size(), 2);
    for (int i = 0; i < 2; ++i) {
        Przelew oczekiwany = rekordy[i];
        oczekiwany.status = kZamknieta;
        EXPECT_EQ(p.rekordy[i], oczekiwany);
    }
    EXPECT_EQ(bajty(paczka()).count("\r\n"), 2 * 27);

    // The invoice: header value 1 is the mark, every other byte as before.
    const QByteArray znacznik = "\"01    100,0020261210  \"";
    EXPECT_EQ(bajty(faktura(fv)), znacznik + fakturaPrzed.mid(2));
    EXPECT_EQ(w.oznaczoneFaktury, QStringList{faktura(fv)});
    // The row without an invoice marks nothing.
    EXPECT_EQ(bajty(faktura(inna)), innaPrzed);
}

TEST_F(Eksport, MarkHoldsTheTotalPaidSoFarAndFolderInsteadOfInvoiceIsNamed)
{
    // Paid 100,00 by an earlier package; this one pays 50,00 and 25,00 more.
    const QString fv = QStringLiteral("Fz261200007.dat");
    QStringList h = DrzewoFaktur::naglowek(fv);
    h[0] = QStringLiteral("07    100,0020261101  ");
    drzewo.faktura(fv, h);
    const QByteArray przed = bajty(faktura(fv));
    const QList<Przelew> rekordy = zapisz({przelew(QStringLiteral("Kowalski"), QStringLiteral("50,00"),
                                                   QStringLiteral("FV 1/12"), fv),
                                           przelew(QStringLiteral("Kowalski"), QStringLiteral("25,00"),
                                                   QStringLiteral("FV 1/12"), fv)});
    const WynikEksportu w = eksportujPaczke(dane, paczka(), rekordy, Rodzaj::Przelew);
    ASSERT_TRUE(w.wykonano()) << w.blad.toStdString();
    EXPECT_EQ(bajty(faktura(fv)), "\"01    175,0020261210  \"" + przed.mid(przed.indexOf("\",") + 1));

    // An invoice file replaced by a folder is named as a folder.
    const QString folder = QStringLiteral("Fz261200009.dat");
    drzewo.faktura(folder, DrzewoFaktur::naglowek(folder));
    QFile::remove(faktura(folder));
    ASSERT_TRUE(QDir().mkpath(faktura(folder)));
    const QList<Przelew> druga = {przelew(QStringLiteral("Nowak"), QStringLiteral("5,00"), QStringLiteral("FV"), folder)};
    const WynikEksportu o = eksportujPaczke(dane, paczka(2), zapisz(druga, 2), Rodzaj::Przelew);
    EXPECT_EQ(o.odmowa, OdmowaEksportu::ZlaFaktura);
    EXPECT_TRUE(o.blad.contains(QStringLiteral("jest folderem, nie plikiem faktury"))) << o.blad.toStdString();
}

TEST_F(Eksport, EachRowGoesOutInItsOwnKindAndOnlyRowsWithoutCodesTakeTheSelectedOne)
{
    const QString vat = QStringLiteral("/VAT/23,00/IDC/6810000000/INV/FV 12/2026/TXT/towar i usluga dla firmy");
    struct Wiersz {
        const char* zlec;
        const char* dok;
        Rodzaj jako;  ///< the kind whose line and history codes the row must get
    };
    const Wiersz wiersze[] = {
        {"110", "51", Rodzaj::Przelew},     {"110", "53", Rodzaj::Podzielona}, {"114", "71", Rodzaj::Skarbowy},
        {"120", "51", Rodzaj::ZUS},         {"210", "01", Rodzaj::Zlecenie},   {" 110", "53 ", Rodzaj::Podzielona},
        {"", "", Rodzaj::Przelew},          {"110", "", Rodzaj::Przelew},      {"999", "51", Rodzaj::Przelew},
    };
    QList<Przelew> r;
    for (const Wiersz& w : wiersze) {
        Przelew p = przelew(QStringLiteral("A"), QStringLiteral("1,00"), vat);
        p.typZlec = QString::fromLatin1(w.zlec);
        p.typDok = QString::fromLatin1(w.dok);
        r.append(p);
    }
    r = zapisz(r);
    const WynikEksportu w = eksportujPaczke(dane, paczka(), r, Rodzaj::Przelew);
    ASSERT_TRUE(w.wykonano()) << w.blad.toStdString();

    QString oczekiwany;
    for (int i = 0; i < r.size(); ++i)
        oczekiwany += liniaEksportu(r[i], 100, *kodyEksportu(wiersze[i].jako), dane.nadawca, kDzis);
    EXPECT_EQ(bajty(eksport()), toCp1250(oczekiwany));
    // The split payment's title goes out whole, with code 53; ZUS with its bank.
    const QList<QByteArray> linie = bajty(eksport()).split('\n');
    EXPECT_TRUE(linie[1].contains("\"/VAT/23,00/IDC/6810000000/INV/FV 12/2026/TXT/TOWAR I USLUGA DLA FIRMY"));
    EXPECT_TRUE(linie[1].trimmed().endsWith(",\"53\"")) << linie[1].constData();
    EXPECT_TRUE(linie[3].contains(",60000002,")) << linie[3].constData();

    const QList<Przelew> hist = czytajPaczke(historia()).rekordy;
    ASSERT_EQ(hist.size(), r.size());
    for (int i = 0; i < r.size(); ++i) {
        EXPECT_EQ(hist[i].typZlec, opisRodzaju(wiersze[i].jako).typZlec) << i;
        EXPECT_EQ(hist[i].typDok, opisRodzaju(wiersze[i].jako).typDok) << i;
    }
}

TEST_F(Eksport, RowsWithoutCodesTakeTheSelectedKind)
{
    QList<Przelew> r = {przelew(QStringLiteral("A"), QStringLiteral("1,00"), QStringLiteral("t")),
                        przelew(QStringLiteral("B"), QStringLiteral("2,00"), QStringLiteral("t"))};
    r[1].typZlec.clear();
    r[1].typDok.clear();
    const WynikEksportu w = eksportujPaczke(dane, paczka(), zapisz(r), Rodzaj::Skarbowy);
    ASSERT_TRUE(w.wykonano()) << w.blad.toStdString();
    const QList<QByteArray> linie = bajty(eksport()).trimmed().split('\n');
    ASSERT_EQ(linie.size(), 2);
    EXPECT_TRUE(linie[0].startsWith("110,")) << linie[0].constData();
    EXPECT_TRUE(linie[1].startsWith("114,")) << linie[1].constData();
    EXPECT_TRUE(linie[1].trimmed().endsWith(",0,\"T" + QByteArray(104, ' ') + "\",\"\",\"\",\"71\"")) << linie[1].constData();
    const QList<Przelew> hist = czytajPaczke(historia()).rekordy;
    ASSERT_EQ(hist.size(), 2);
    EXPECT_EQ(hist[0].typDok, QStringLiteral("51"));
    EXPECT_EQ(hist[1].typZlec + hist[1].typDok, QStringLiteral("11471"));
}

TEST_F(Eksport, SecondExportIsRefusedAndChangesNothing)
{
    const QList<Przelew> rekordy = zapisz({przelew(QStringLiteral("A"), QStringLiteral("5"), QStringLiteral("t"))});
    ASSERT_TRUE(eksportujPaczke(dane, paczka(), rekordy, Rodzaj::Przelew).wykonano());
    const auto przed = migawka(drzewo.dir.path());

    // The view still showing the open rows: the export file exists.
    EXPECT_EQ(eksportujPaczke(dane, paczka(), rekordy, Rodzaj::Przelew).odmowa, OdmowaEksportu::PlikIstnieje);
    // The package shown again after the export: closed.
    const QList<Przelew> zamkniete = czytajPaczke(paczka()).rekordy;
    EXPECT_EQ(eksportujPaczke(dane, paczka(), zamkniete, Rodzaj::Przelew).odmowa, OdmowaEksportu::Zamknieta);
    // Even with the export file deleted, a closed package is not sent again.
    ASSERT_TRUE(usunPlikEksportu(dane.folder, QStringLiteral("LAN202612_01.TXT")));
    EXPECT_EQ(eksportujPaczke(dane, paczka(), rekordy, Rodzaj::Przelew).odmowa, OdmowaEksportu::Zamknieta);
    auto poUsunieciu = przed;
    poUsunieciu.remove(eksport());
    EXPECT_EQ(migawka(drzewo.dir.path()), poUsunieciu);
}

TEST_F(Eksport, RefusalsBeforeTheFirstByteChangeNothing)
{
    const QString fv = QStringLiteral("Fz261200007.dat");
    drzewo.faktura(fv, DrzewoFaktur::naglowek(fv));
    drzewo.surowa(QStringLiteral("Fz261200009.dat"), "\"\",\"Kowalski\",\"Jan\"\r\n");

    struct Przypadek {
        const char* opis;
        std::function<void(QList<Przelew>&, Rodzaj&)> zmien;
        OdmowaEksportu odmowa;
    };
    const Przypadek przypadki[] = {
        {"cash deposit selected", [](QList<Przelew>&, Rodzaj& r) { r = Rodzaj::Wplata; }, OdmowaEksportu::Wplata},
        {"no transfers", [](QList<Przelew>& l, Rodzaj&) { l.clear(); }, OdmowaEksportu::BrakPrzelewow},
        {"amount not a number", [](QList<Przelew>& l, Rodzaj&) { l[1].splacono = QStringLiteral("abc"); },
         OdmowaEksportu::ZlaKwota},
        {"zero amount", [](QList<Przelew>& l, Rodzaj&) { l[1].splacono = QStringLiteral("0,00"); },
         OdmowaEksportu::ZlaKwota},
        {"negative amount", [](QList<Przelew>& l, Rodzaj&) { l[1].splacono = QStringLiteral("-5"); },
         OdmowaEksportu::ZlaKwota},
        {"invoice name outside its pattern",
         [](QList<Przelew>& l, Rodzaj&) { l[1].nrKolFakt = QStringLiteral("../../etc/passwd"); },
         OdmowaEksportu::ZlaFaktura},
        {"invoice file missing", [](QList<Przelew>& l, Rodzaj&) { l[1].nrKolFakt = QStringLiteral("Fz261200099.dat"); },
         OdmowaEksportu::ZlaFaktura},
        {"invoice header unreadable",
         [](QList<Przelew>& l, Rodzaj&) { l[1].nrKolFakt = QStringLiteral("Fz261200009.dat"); },
         OdmowaEksportu::ZlaFaktura},
        {"amount too wide for the invoice mark",
         [](QList<Przelew>& l, Rodzaj&) { l[0].splacono = QStringLiteral("123456789012,34"); }, OdmowaEksportu::ZlaFaktura},
    };
    for (const Przypadek& c : przypadki) {
        SCOPED_TRACE(c.opis);
        QList<Przelew> l = {przelew(QStringLiteral("A"), QStringLiteral("5"), QStringLiteral("t"), fv),
                            przelew(QStringLiteral("B"), QStringLiteral("6"), QStringLiteral("t"))};
        Rodzaj rodzaj = Rodzaj::Przelew;
        c.zmien(l, rodzaj);
        l = zapisz(l);
        const auto przed = migawka(drzewo.dir.path());
        const WynikEksportu w = eksportujPaczke(dane, paczka(), l, rodzaj);
        EXPECT_EQ(w.odmowa, c.odmowa) << w.blad.toStdString();
        EXPECT_EQ(migawka(drzewo.dir.path()), przed);
        if (c.odmowa != OdmowaEksportu::Wplata && c.odmowa != OdmowaEksportu::BrakPrzelewow) {
            EXPECT_FALSE(w.blad.isEmpty());
        }
    }
}

TEST_F(Eksport, PackageOnDiskMustBeTheOneShownAndHistoryWhole)
{
    const QList<Przelew> rekordy = zapisz({przelew(QStringLiteral("A"), QStringLiteral("5"), QStringLiteral("t"))});
    QList<Przelew> inne = rekordy;
    inne[0].splacono = QStringLiteral("50");
    EXPECT_EQ(eksportujPaczke(dane, paczka(), inne, Rodzaj::Przelew).odmowa, OdmowaEksportu::ZlaPaczka);
    EXPECT_EQ(eksportujPaczke(dane, paczka(2), rekordy, Rodzaj::Przelew).odmowa, OdmowaEksportu::ZlaPaczka);

    // A sent-transfers file cut inside a record is not appended to.
    drzewo.dir.writeText(QStringLiteral("dane/LAN.dat"), liniaPrzelewu(rekordy[0]) + QStringLiteral("\"Nowak\",\"Jan"));
    const auto przed = migawka(drzewo.dir.path());
    const WynikEksportu w = eksportujPaczke(dane, paczka(), rekordy, Rodzaj::Przelew);
    EXPECT_EQ(w.odmowa, OdmowaEksportu::UszkodzonaHistoria);
    EXPECT_TRUE(w.blad.contains(historia())) << w.blad.toStdString();
    EXPECT_EQ(migawka(drzewo.dir.path()), przed);
}

TEST_F(Eksport, PackageOfAnEarlierMonthKeepsItsOwnYearAndMonth)
{
    const QList<Przelew> listopad = zapisz({przelew(QStringLiteral("A"), QStringLiteral("5"), QStringLiteral("t"))}, 3, 11);
    zapisz({przelew(QStringLiteral("B"), QStringLiteral("6"), QStringLiteral("t"))}, 3, 12);
    const QByteArray grudzien = bajty(paczka(3, 12));

    const WynikEksportu w = eksportujPaczke(dane, paczka(3, 11), listopad, Rodzaj::Przelew);
    ASSERT_TRUE(w.wykonano()) << w.blad.toStdString();
    EXPECT_EQ(w.sciezkaEksportu, eksport(QStringLiteral("LAN202611_03.TXT")));
    EXPECT_TRUE(bajty(w.sciezkaEksportu).startsWith("110,20261210,"));  // executed today
    EXPECT_EQ(czytajPaczke(paczka(3, 11)).rekordy.value(0).status, kZamknieta);
    EXPECT_EQ(bajty(paczka(3, 12)), grudzien);  // December's package 03 is another package
}

TEST_F(Eksport, ShortAccountIsReportedAndExportedUnchanged)
{
    QList<Przelew> r = {przelew(QStringLiteral("Krótki"), QStringLiteral("5"), QStringLiteral("t")),
                        przelew(QStringLiteral("Zły"), QStringLiteral("5"), QStringLiteral("t"))};
    r[0].konto = kKonto.left(24);
    r[1].konto = QStringLiteral("61109010140000071219812875");
    const WynikEksportu w = eksportujPaczke(dane, paczka(), zapisz(r), Rodzaj::Przelew);
    ASSERT_TRUE(w.wykonano()) << w.blad.toStdString();
    EXPECT_EQ(w.podejrzaneKonta, (QStringList{QStringLiteral("Krótki"), QStringLiteral("Zły")}));
    EXPECT_TRUE(bajty(eksport()).contains(",\"" + kKonto.left(24).toLatin1() + "\","));
}

TEST_F(Eksport, HistoryWithoutLastLineEndGetsOneFirst)
{
    const QList<Przelew> stare = {przelew(QStringLiteral("Stary"), QStringLiteral("1"), QStringLiteral("t"))};
    drzewo.dir.writeText(QStringLiteral("dane/LAN.dat"), liniaPrzelewu(stare[0]).chopped(2));
    const QList<Przelew> rekordy = zapisz({przelew(QStringLiteral("A"), QStringLiteral("5"), QStringLiteral("t"))});
    ASSERT_TRUE(eksportujPaczke(dane, paczka(), rekordy, Rodzaj::ZUS).wykonano());
    const OdczytPaczki h = czytajPaczke(historia());
    ASSERT_TRUE(h.ok()) << h.blad.toStdString();
    ASSERT_EQ(h.rekordy.size(), 2);
    EXPECT_EQ(h.rekordy[0].nazwaKontrahenta, QStringLiteral("Stary"));
    EXPECT_EQ(h.rekordy[1].typZlec, QStringLiteral("110"));  // its own kind, whatever is selected
}

TEST_F(Eksport, FailedHistoryAppendTakesTheExportFileBack)
{
    // A sent-transfers file near the size the disk still takes.
    QString stara;
    for (int i = 0; i < 20; ++i)
        stara += liniaPrzelewu(przelew(QStringLiteral("Stary"), QStringLiteral("1"), QStringLiteral("t")));
    drzewo.dir.writeText(QStringLiteral("dane/LAN.dat"), stara);
    const QList<Przelew> rekordy = zapisz({przelew(QStringLiteral("A"), QStringLiteral("5"), QStringLiteral("t"))});
    const auto przed = migawka(drzewo.dir.path());
    WynikEksportu w;
    {
        FullDisk pelny(rlim_t(stara.size() + 10));
        w = eksportujPaczke(dane, paczka(), rekordy, Rodzaj::Przelew);
    }
    EXPECT_FALSE(w.wykonano());
    EXPECT_EQ(w.przerwanyKrok, KrokEksportu::Historia);
    EXPECT_TRUE(w.sciezkaEksportu.isEmpty());
    EXPECT_EQ(migawka(drzewo.dir.path()), przed);
    EXPECT_TRUE(opisPrzerwania(w).contains(QStringLiteral("nic nie zostało zmienione"))) << opisPrzerwania(w).toStdString();
}

TEST_F(Eksport, FailedInvoiceMarkIsReportedAfterTheOtherSteps)
{
    const QString fv = QStringLiteral("Fz261200007.dat");
    QList<QStringList> pozycje;
    for (int i = 0; i < 40; ++i)
        pozycje.append(DrzewoFaktur::pozycja(QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("1"),
                                             QStringLiteral("23"), QStringLiteral("1.23")));
    drzewo.faktura(fv, DrzewoFaktur::naglowek(fv), pozycje);
    const QByteArray fakturaPrzed = bajty(faktura(fv));
    ASSERT_GT(fakturaPrzed.size(), 4000);
    const QList<Przelew> rekordy = zapisz({przelew(QStringLiteral("A"), QStringLiteral("5"), QStringLiteral("t"), fv)});
    WynikEksportu w;
    {
        FullDisk pelny(3000);
        w = eksportujPaczke(dane, paczka(), rekordy, Rodzaj::Przelew);
    }
    EXPECT_EQ(w.przerwanyKrok, KrokEksportu::Faktury);
    EXPECT_EQ(w.nieoznaczoneFaktury, QStringList{faktura(fv)});
    EXPECT_EQ(bajty(faktura(fv)), fakturaPrzed);
    EXPECT_TRUE(QFile::exists(eksport()));
    EXPECT_EQ(czytajPaczke(historia()).rekordy.size(), 1);
    EXPECT_EQ(czytajPaczke(paczka()).rekordy.value(0).status, kZamknieta);
    EXPECT_TRUE(opisPrzerwania(w).contains(QStringLiteral("Fz261200007.dat")));
}

TEST_F(Eksport, DeletingAnExportFileTakesOnlyPlainNames)
{
    QDir().mkpath(dane.folder + QStringLiteral("/DoECorponet"));
    drzewo.dir.writeText(QStringLiteral("dane/DoECorponet/LAN202612_02.TXT"), QStringLiteral("x"));
    drzewo.dir.writeText(QStringLiteral("dane/LAN.dat"), QStringLiteral("x"));
    drzewo.dir.writeText(QStringLiteral("dane/DoECorponet/notatka.log"), QStringLiteral("x"));
    EXPECT_EQ(plikiEksportu(dane.folder), QStringList{QStringLiteral("LAN202612_02.TXT")});
    EXPECT_FALSE(usunPlikEksportu(dane.folder, QStringLiteral("../LAN.dat")));
    EXPECT_FALSE(usunPlikEksportu(dane.folder, QString()));
    EXPECT_TRUE(QFile::exists(historia()));
    EXPECT_TRUE(usunPlikEksportu(dane.folder, QStringLiteral("LAN202612_02.TXT")));
    EXPECT_TRUE(plikiEksportu(dane.folder).isEmpty());
}
