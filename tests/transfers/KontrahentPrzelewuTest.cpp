#include "transfers/KontrahentPrzelewu.h"

#include "KontrahenciPliki.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

using namespace remitto;
using namespace remitto::kontrahenci;
using remitto::test::pelnyKontrahent;
using remitto::test::TempFolder;

namespace {

// A file as other programs write it: ordinals bare or quoted, values never
// set as empty lines, the last line without its line end.
QString obcyPlik(int liczba)
{
    QString t;
    for (int nr = 1; nr <= liczba; ++nr) {
        Kontrahent k = pelnyKontrahent(nr, QStringLiteral("Firma %1").arg(nr), QStringLiteral("SK%1").arg(nr));
        for (int i = 0; i < kWartosciKontrahenta; ++i) {
            const QString& v = k.w[size_t(i)];
            if (i == NrKol)
                t += nr % 2 ? v : QLatin1Char('"') + v + QLatin1Char('"');
            else if (i == Platnosc || i == WWWK)
                t += QString();  // never set
            else
                t += QLatin1Char('"') + v + QLatin1Char('"');
            t += QStringLiteral("\r\n");
        }
    }
    t.chop(2);
    return t;
}

WpisPrzelewu wpis(const QString& nrKol)
{
    WpisPrzelewu w;
    w.nazwa1 = QStringLiteral("Nowa \"Firma\"");
    w.nazwa2 = QStringLiteral("Spółka");
    w.skrot = QStringLiteral("nowa");
    w.kod = QStringLiteral("32-410");
    w.adres = QStringLiteral("Dobczyce");
    w.ulica = QStringLiteral("Rynek");
    w.numerDomu = QStringLiteral("12");
    w.nrLok = QStringLiteral("3");
    w.poczta = QStringLiteral("Dobczyce");
    w.bank = QStringLiteral("Bank Spółdzielczy");
    w.konto = QStringLiteral("61109010140000071219812874");
    w.nip = QStringLiteral("5260250274");
    w.kodIden = QStringLiteral("K7");
    w.telefon = QStringLiteral("12 345");
    w.mail = QStringLiteral("a@b.pl");
    w.kwota = QStringLiteral("12.50");
    w.vat = QStringLiteral("23%");
    w.brutto = QStringLiteral("15,38");
    w.tytul = QStringLiteral("F-ra 1");
    w.nrKol = nrKol;
    return w;
}

} // namespace

TEST(KontrahentPrzelewu, EntryAreaIntoTheRecord)
{
    const Kontrahent stary = pelnyKontrahent(7, QStringLiteral("Stara"), QStringLiteral("ST"));
    const Kontrahent k = zapisanyZWpisu(stary, wpis(QStringLiteral("7")));
    EXPECT_EQ(k[NazwaKontrahenta], QStringLiteral("Nowa ''Firma''"));
    EXPECT_EQ(k[SkrotK], QStringLiteral("NOWA"));
    EXPECT_EQ(k[Miejscowosc], QStringLiteral("Dobczyce"));
    EXPECT_EQ(k[Poczta], QStringLiteral("Dobczyce"));
    EXPECT_EQ(k[NrRachunku1K], QStringLiteral("61109010140000071219812874"));
    EXPECT_EQ(k[OstKwotaK], QStringLiteral("12,50"));
    EXPECT_EQ(k[OstVatK], QStringLiteral("23%"));
    EXPECT_EQ(k[NrLokaluK], QStringLiteral("3"));
    EXPECT_EQ(k[TytulK], (QStringLiteral("NRID=K7 F-ra 1") + QString(105, QLatin1Char(' '))).left(105));
    // Values the window does not show are kept.
    for (Pole p : {NrKol, Svat, Wojewodztwo, NrRachunku2K, UwagiK, Platnosc, WWWK, PowiatK, GminaK, RegonK, WalutaKh})
        EXPECT_EQ(k[p], stary[p]) << p;

    // The identification prefix of the title.
    const struct {
        const char* kod;
        const char* tytul;
        const char* zapisany;
    } tytuly[] = {
        {"", "F-ra 1", "F-ra 1"},
        {"K7", "F-ra 1", "NRID=K7 F-ra 1"},
        {"K7", "NRID=K7 F-ra 1", "NRID=K7 F-ra 1"},  // saved twice, prefixed once
        {"NRID=K7", "F-ra 1", "F-ra 1"},
        {"K7", "a \"b\"", "NRID=K7 a ''b''"},
    };
    for (const auto& t : tytuly) {
        WpisPrzelewu w = wpis(QStringLiteral("7"));
        w.kodIden = QString::fromUtf8(t.kod);
        w.tytul = QString::fromUtf8(t.tytul);
        EXPECT_EQ(zapisanyZWpisu(stary, w)[TytulK].trimmed(), QString::fromUtf8(t.zapisany)) << t.tytul;
    }
    WpisPrzelewu dlugi = wpis(QStringLiteral("7"));
    dlugi.tytul = QString(110, QLatin1Char('x'));
    EXPECT_EQ(zapisanyZWpisu(stary, dlugi)[TytulK], QStringLiteral("NRID=K7 ") + QString(97, QLatin1Char('x')));
}

TEST(KontrahentPrzelewu, SavingReplacesOneRecordAndKeepsEveryOtherByte)
{
    TempFolder dir;
    const QString plik = dir.file(kPlikKontrahentow);
    dir.writeText(kPlikKontrahentow, obcyPlik(29));

    // Where a record's text begins: the line of its ordinal.
    auto poczatek = [](const QByteArray& t, int nr) {
        const qsizetype nazwa = t.indexOf(QStringLiteral("\"Firma %1\"").arg(nr).toLatin1());
        return t.lastIndexOf("\r\n", nazwa - 3) + 2;
    };
    for (int nr : {7, 29, 1}) {
        const QByteArray stare = dir.readBytes(kPlikKontrahentow);
        const QList<Kontrahent> przed = czytajKontrahentow(plik).lista;
        const ZapisKontrahenta z = zapiszKontrahentaZWpisu(plik, wpis(QString::number(nr)));
        ASSERT_EQ(z.wynik, WynikZapisu::Zapisano) << z.blad.toStdString();

        const OdczytKontrahentow o = czytajKontrahentow(plik);
        ASSERT_TRUE(o.ok);
        ASSERT_EQ(o.lista.size(), 29);
        for (int i = 0; i < 29; ++i)
            EXPECT_EQ(o.lista[i], i == nr - 1 ? zapisanyZWpisu(przed[i], wpis(QString::number(nr))) : przed[i]) << i;

        // The text before and after the record is byte for byte what was there.
        const QByteArray po = dir.readBytes(kPlikKontrahentow);
        const qsizetype start = nr == 1 ? 0 : poczatek(stare, nr);
        EXPECT_EQ(po.left(start), stare.left(start)) << nr;
        if (nr < 29) {
            const QByteArray ogon = stare.mid(poczatek(stare, nr + 1));
            EXPECT_TRUE(po.endsWith(ogon)) << nr;
            EXPECT_TRUE(po.mid(start, po.size() - start - ogon.size()).endsWith("\r\n"));
        }
    }
}

TEST(KontrahentPrzelewu, SavingRefusesWithoutChangingTheFile)
{
    TempFolder dir;
    const QString plik = dir.file(kPlikKontrahentow);
    EXPECT_EQ(zapiszKontrahentaZWpisu(plik, wpis(QStringLiteral("1"))).wynik, WynikZapisu::BladOdczytu);
    EXPECT_FALSE(dir.exists(kPlikKontrahentow));

    dir.writeText(kPlikKontrahentow, obcyPlik(3));
    const QByteArray przed = dir.readBytes(kPlikKontrahentow);
    WpisPrzelewu suma = wpis(QStringLiteral("2"));
    suma.kwota = QStringLiteral("100+20");
    const struct {
        WpisPrzelewu w;
        WynikZapisu wynik;
    } przypadki[] = {
        {wpis(QString()), WynikZapisu::BrakKontrahenta},
        {wpis(QStringLiteral(" ")), WynikZapisu::BrakKontrahenta},
        {suma, WynikZapisu::KwotaNieobliczona},
        {wpis(QStringLiteral("4")), WynikZapisu::NieZnaleziono},
    };
    for (const auto& p : przypadki) {
        EXPECT_EQ(zapiszKontrahentaZWpisu(plik, p.w).wynik, p.wynik) << p.w.nrKol.toStdString();
        EXPECT_EQ(dir.readBytes(kPlikKontrahentow), przed);
    }
    WpisPrzelewu ujemna = wpis(QStringLiteral("2"));
    ujemna.kwota = QStringLiteral("-5");
    EXPECT_EQ(zapiszKontrahentaZWpisu(plik, ujemna).wynik, WynikZapisu::Zapisano);

    // A record cut short: the file is reported and left as it is.
    dir.writeText(kPlikKontrahentow, obcyPlik(2) + QStringLiteral("\r\n\"3\"\r\n\"Trzeci\"\r\n"));
    const QByteArray uciety = dir.readBytes(kPlikKontrahentow);
    const ZapisKontrahenta z = zapiszKontrahentaZWpisu(plik, wpis(QStringLiteral("1")));
    EXPECT_EQ(z.wynik, WynikZapisu::BladOdczytu);
    EXPECT_TRUE(z.blad.contains(plik));
    EXPECT_EQ(dir.readBytes(kPlikKontrahentow), uciety);
}

TEST(KontrahentPrzelewu, SearchByShortNameAndHandOver)
{
    TempFolder dir;
    const QString plik = dir.file(kPlikKontrahentow);
    QList<Kontrahent> lista = {pelnyKontrahent(1, QStringLiteral("Jeden"), QStringLiteral("KOWAL")),
                               pelnyKontrahent(2, QStringLiteral("Dwa"), QStringLiteral("nowak")),
                               pelnyKontrahent(3, QStringLiteral("Trzy"), QStringLiteral("NOWAK"))};
    ASSERT_TRUE(zapiszKontrahentow(plik, lista));

    const struct {
        const char* skrot;
        int nr;  // 0: not found
    } przypadki[] = {{"KOWAL", 1}, {"NOWAK", 3}, {"nowak", 2}, {"kowal", 1}, {"KOW", 0}, {"", 0}};
    for (const auto& p : przypadki) {
        const WynikSzukania w = znajdzPoSkrocie(plik, QString::fromUtf8(p.skrot));
        ASSERT_TRUE(w.ok);
        EXPECT_EQ(w.kontrahent ? (*w.kontrahent)[NrKol].toInt() : 0, p.nr) << p.skrot;
    }
    EXPECT_FALSE(znajdzPoSkrocie(plik + QStringLiteral("x"), QStringLiteral("KOWAL")).kontrahent);

    // The search fills the post office too; the gross amount follows net and VAT.
    Kontrahent k = lista[0];
    k[OstKwotaK] = QStringLiteral("100");
    k[OstVatK] = QStringLiteral("23");
    k[NrRachunku1K] = QStringLiteral("61 1090 1014 0000 0712 1981 2874");
    WpisPrzelewu przed;
    przed.telefon = QStringLiteral("stary");
    przed.brutto = QStringLiteral("999,00");
    WpisPrzelewu po = poPrzekazaniu(przed, doPrzelewuZeSkrotu(k));
    EXPECT_EQ(po.poczta, k[Poczta]);
    EXPECT_EQ(po.telefon, k[Telefon]);
    EXPECT_EQ(po.konto, QStringLiteral("61109010140000071219812874"));
    EXPECT_EQ(po.kwota, QStringLiteral("100"));
    EXPECT_EQ(po.vat, QStringLiteral("23"));
    EXPECT_EQ(po.brutto, QStringLiteral("123,00"));
    EXPECT_EQ(po.nrKol, QStringLiteral("1"));

    // The card fills every box from the record too: nothing of the contractor
    // shown before stays behind, and an empty value empties its box.
    przed.vat = QStringLiteral("zw");
    przed.poczta = QStringLiteral("Żywiec");
    k[Poczta].clear();
    po = poPrzekazaniu(przed, doPrzelewuZKarty(k));
    EXPECT_EQ(po.telefon, k[Telefon]);
    EXPECT_EQ(po.vat, QStringLiteral("23"));
    EXPECT_EQ(po.brutto, QStringLiteral("123,00"));
    EXPECT_EQ(po.poczta, QString());
    EXPECT_EQ(po.rodzajPlatnika, k[Svat]);
    EXPECT_EQ(poPrzekazaniu(przed, doPrzelewuZListy(k)).poczta, QString());

    // An amount that is not a number: the gross amount handed over, or nothing.
    k[OstKwotaK] = QStringLiteral("x");
    EXPECT_EQ(poPrzekazaniu(przed, doPrzelewuZListy(k)).brutto, QStringLiteral("x"));
    EXPECT_EQ(poPrzekazaniu(przed, doPrzelewuZKarty(k)).brutto, QString());
}
