// The record a printed form leaves in the sent-transfers file.
#include "Budowa.h"
#include "FormularzDane.h"

#include "core/QuoteFormat.h"
#include "core/Session.h"
#include "transfers/RejestrWydruku.h"

#include <gtest/gtest.h>

using namespace remitto;
using remitto::test::FolderDanych;

namespace {

PolaPrzelewu pola()
{
    Session s;
    PolaPrzelewu p;
    test::wypelnijFormularz(s, p);
    p.wpis.nazwa1 = QStringLiteral("Hurtownia \"Zboże\"");
    p.wpis.bank = QStringLiteral("Bank Polski");
    p.wpis.nip = QStringLiteral("5260250274");
    p.wpis.kodIden = QStringLiteral("K12");
    p.wpis.kwota = QStringLiteral("1234.5");
    p.wpis.vat = QStringLiteral("23");
    return p;
}

} // namespace

TEST(PrintRecord, TransferRecordOfTwentySevenValuesMarkedAsPrinted)
{
    PolaPrzelewu p = pola();
    const Przelew r = przelewWydruku(p, QStringLiteral("10-12-2026"));
    EXPECT_EQ(r.wartosci().size(), 27);
    EXPECT_EQ(liniaPrzelewu(r),
              QStringLiteral("\"Hurtownia ''Zboże''\",\"Jan Nowak\",\"61109010140000071219812874\",\"1234.5\",\"23\","
                             "\"1234,50\",\"F-ra nr. 12/2026\",\"2026-12-10\",\"1234,50\",0,\"2026-12-10\",\"Wydruk\","
                             "\"Długa\",\"7a\",\"Kraków\",\"31-154\",\"ZBOZE\",\"Bank Polski\",\"\",\"\",,\"\","
                             "\"5260250274\",\"Wydruk\",\"110\",\"51\",\"K12\"\r\n"));

    // A gross amount computed from a VAT is what the form prints and what the
    // record says was paid; without a VAT the amount field is.
    p.wpis.brutto = QStringLiteral("1518,44");
    EXPECT_EQ(przelewWydruku(p, QStringLiteral("10-12-2026")).kwotaB, QStringLiteral("1518,44"));
    EXPECT_EQ(przelewWydruku(p, QStringLiteral("10-12-2026")).splacono, QStringLiteral("1518,44"));
    EXPECT_EQ(kwotaDoDruku(p), QStringLiteral("1518,44"));
    p.wpis.vat = QStringLiteral("zw");
    EXPECT_EQ(kwotaDoDruku(p), QStringLiteral("1234,5"));
}

TEST(PrintRecord, CodesFollowTheKind)
{
    const std::tuple<Rodzaj, const char*, const char*> cases[] = {
        {Rodzaj::Przelew, "110", "51"}, {Rodzaj::Skarbowy, "114", "71"}, {Rodzaj::Wplata, "110", ""},
        {Rodzaj::ZUS, "120", "51"},     {Rodzaj::Podzielona, "110", "53"}, {Rodzaj::Zlecenie, "210", "01"},
    };
    PolaPrzelewu p = pola();
    for (const auto& [rodzaj, zlec, dok] : cases) {
        p.rodzaj = rodzaj;
        const Przelew r = przelewWydruku(p, QStringLiteral("10-12-2026"));
        EXPECT_EQ(r.typZlec, QString::fromLatin1(zlec));
        EXPECT_EQ(r.typDok, QString::fromLatin1(dok));
        EXPECT_EQ(r.oznPrz, QStringLiteral("Wydruk"));
        EXPECT_EQ(r.status, QStringLiteral("Wydruk"));
    }
}

TEST(PrintRecord, AppendedAsWholeRecordToTheCompanysFile)
{
    const FolderDanych d;  // company "LAN"
    const Przelew first = przelewWydruku(pola(), QStringLiteral("09-12-2026"));
    // A file whose last record lacks its line end.
    QString old = liniaPrzelewu(first);
    old.chop(2);
    d.dir.writeText(QStringLiteral("LAN.dat"), old);

    PolaPrzelewu deposit = pola();
    deposit.rodzaj = Rodzaj::Wplata;
    deposit.wpis.kwota = QStringLiteral("2500000");
    const Przelew second = przelewWydruku(deposit, QStringLiteral("10-12-2026"));
    QString error;
    ASSERT_TRUE(zapiszWydruk(d.s, second, &error)) << error.toStdString();

    const QuoteFile f = readQuoteFile(d.historia());
    ASSERT_TRUE(f.ok);
    QList<Przelew> records;
    ASSERT_TRUE(przelewyZWartosci(f.values, &records));
    ASSERT_EQ(records.size(), 2);
    EXPECT_EQ(records[0], first);
    EXPECT_EQ(records[1], second);
    EXPECT_EQ(records[1].splacono, QStringLiteral("2500000,00"));
    // The old last line gets its line end; the new record follows whole.
    EXPECT_EQ(d.dir.readText(QStringLiteral("LAN.dat")), liniaPrzelewu(first) + liniaPrzelewu(second));
}

TEST(PrintRecord, NoCompanyNoRecord)
{
    FolderDanych d;
    d.s.SkrotFirmy.clear();
    QString error;
    EXPECT_FALSE(zapiszWydruk(d.s, przelewWydruku(pola(), QStringLiteral("10-12-2026")), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(d.dir.exists(QStringLiteral(".dat")));
}
