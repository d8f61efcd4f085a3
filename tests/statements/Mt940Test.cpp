// Reading bank statements in the MT940 layout with the Polish details field.
#include "statements/Mt940.h"

#include "core/Nrb.h"
#include "core/TextFile.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace remitto;

namespace {

/// Lines joined with the given line end.
QByteArray plik(const QStringList& linie, const char* koniec = "\r\n", bool cp1250 = true)
{
    const QString t = linie.join(QString::fromLatin1(koniec)) + QString::fromLatin1(koniec);
    return cp1250 ? toCp1250(t) : t.toUtf8();
}

QStringList jedenWyciag()
{
    return {
        QStringLiteral(":20:ST260131/1"),
        QStringLiteral(":25:/PL61109010140000071219812874"),
        QStringLiteral(":28C:00001/001"),
        QStringLiteral(":60F:C260101PLN10000,00"),
        QStringLiteral(":61:2601050105DN1234,5NTRFNONREF//BANK0001"),
        QStringLiteral("PRZELEW ZEWNETRZNY"),
        QStringLiteral(":86:020~00PRZELEW ZEWN~20Faktura FV/1/2026 za to~21wary~27Zakład Łódź Sp"),
        QStringLiteral("~28. z o.o.~29ul. Długa 1~3010501012~311234567890123456~3812105010121234567890123456"),
        QStringLiteral(":61:260107C500,NTRFNONREF"),
        QStringLiteral(":86:034^00WPŁATA^20Zwrot^32Klient^3310"),
        QStringLiteral(":62F:C260131PLN9265,50"),
        QStringLiteral(":64:C260131PLN9265,50"),
        QStringLiteral("-"),
    };
}

TEST(Mt940, ReadsTagsSubfieldsAndExactAmountsWhateverTheLineEndsAndEncoding)
{
    struct Przypadek {
        const char* nazwa;
        QByteArray bajty;
    };
    const Przypadek przypadki[] = {
        {"CR LF, Windows-1250", plik(jedenWyciag(), "\r\n", true)},
        {"LF, UTF-8", plik(jedenWyciag(), "\n", false)},
        {"LF, Windows-1250", plik(jedenWyciag(), "\n", true)},
    };
    for (const Przypadek& p : przypadki) {
        SCOPED_TRACE(p.nazwa);
        const OdczytMt940 o = czytajMt940(p.bajty, QStringLiteral("w.sta"));
        ASSERT_TRUE(o.ok) << o.blad.toStdString();
        ASSERT_EQ(o.wyciagi.size(), 1u);
        const Wyciag& w = o.wyciagi[0];
        EXPECT_EQ(w.referencja, QStringLiteral("ST260131/1"));
        EXPECT_EQ(w.rachunekCyfry(), QStringLiteral("61109010140000071219812874"));
        EXPECT_EQ(w.numer, QStringLiteral("00001/001"));
        EXPECT_EQ(w.kluczOtwarcia, 20260101);
        EXPECT_EQ(w.kluczZamkniecia, 20260131);
        EXPECT_EQ(w.saldoOtwarcia, 1000000);
        EXPECT_EQ(w.saldoZamkniecia, 926550);
        ASSERT_EQ(w.operacje.size(), 2u);
        const OperacjaWyciagu& d = w.operacje[0];
        EXPECT_EQ(d.linia, 5);
        EXPECT_TRUE(d.obciazenie);
        EXPECT_EQ(d.kwota, 123450);
        EXPECT_EQ(d.kluczKsiegowania, 20260105);
        EXPECT_EQ(d.typTransakcji, QStringLiteral("NTRF"));
        EXPECT_EQ(d.referencjaBanku, QStringLiteral("BANK0001"));
        EXPECT_EQ(d.dodatkowe, QStringLiteral("PRZELEW ZEWNETRZNY"));
        EXPECT_EQ(d.kodOperacji, QStringLiteral("020"));
        EXPECT_EQ(d.opis, QStringLiteral("PRZELEW ZEWN"));
        // ~21 continues ~20's word; ~28 starts on the next physical line.
        EXPECT_EQ(d.tytul, QStringLiteral("Faktura FV/1/2026 za towary"));
        EXPECT_EQ(d.nazwa, QStringLiteral("Zakład Łódź Sp. z o.o.ul. Długa 1"));
        EXPECT_EQ(d.kontoCyfry(), QStringLiteral("12105010121234567890123456"));
        const OperacjaWyciagu& c = w.operacje[1];
        EXPECT_FALSE(c.obciazenie);
        EXPECT_EQ(c.kwota, 50000);
        EXPECT_EQ(c.opis, QStringLiteral("WPŁATA"));  // "^" as the subfield sign
        EXPECT_EQ(c.tytul, QStringLiteral("Zwrot"));
        EXPECT_EQ(c.nazwa, QStringLiteral("Klient10"));
    }
}

TEST(Mt940, SortCodeAndAccountStandInForTheIbanAndEntryDatesCrossTheYear)
{
    QStringList l = {
        QStringLiteral(":20:A"), QStringLiteral(":25:61109010140000071219812874"),
        QStringLiteral(":28C:1"), QStringLiteral(":60F:C251231PLN0,"),
        QStringLiteral(":61:2512310102D0,01NTRFREF1"),
        QStringLiteral(":86:020~2"), QStringLiteral("0Tytuł~3010501012~"), QStringLiteral("311234567890123456"),
        QStringLiteral(":62M:D260102PLN0,01"),
        QStringLiteral("-"),
        QStringLiteral(":20:B"), QStringLiteral(":25:61109010140000071219812874"),
        QStringLiteral(":28C:2"), QStringLiteral(":60M:D260102PLN0,01"),
        QStringLiteral(":62F:D260103PLN0,01"), QStringLiteral("-}"), QString()};
    const OdczytMt940 o = czytajMt940(plik(l, "\n"), QStringLiteral("w.sta"));
    ASSERT_TRUE(o.ok) << o.blad.toStdString();
    ASSERT_EQ(o.wyciagi.size(), 2u);
    const OperacjaWyciagu& d = o.wyciagi[0].operacje.at(0);
    EXPECT_EQ(d.kluczWaluty, 20251231);
    EXPECT_EQ(d.kluczKsiegowania, 20260102);
    EXPECT_EQ(d.tytul, QStringLiteral("Tytuł"));  // the subfield's number split over two lines
    // Sort code and account number without check digits: the check digits are worked out.
    EXPECT_EQ(d.kontoCyfry().mid(2), QStringLiteral("105010121234567890123456"));
    EXPECT_EQ(sprawdzNrb(d.kontoCyfry()), StanNrb::Poprawny);
    EXPECT_EQ(o.wyciagi[1].saldoZamkniecia, -1);
    EXPECT_NE(o.wyciagi[0].klucz(), o.wyciagi[1].klucz());
}

TEST(Mt940, ADamagedOrUnknownFileNamesTheFileAndTheLine)
{
    auto zmieniony = [](int wiersz, const QString& na) {
        QStringList l = jedenWyciag();
        if (na.isNull())
            l.erase(l.begin() + wiersz - 1, l.end());
        else
            l[wiersz - 1] = na;
        return l;
    };
    struct Przypadek {
        const char* nazwa;
        QStringList linie;
        int wiersz;
    };
    const Przypadek przypadki[] = {
        {"unknown tag", zmieniony(9, QStringLiteral(":99:cos")), 9},
        {"amount without a decimal comma", zmieniony(5, QStringLiteral(":61:2601050105D1234NTRFNONREF")), 5},
        {"amount with three decimals", zmieniony(5, QStringLiteral(":61:2601050105D1,234NTRFNONREF")), 5},
        {"impossible date", zmieniony(5, QStringLiteral(":61:2602300230D1234,5NTRFNONREF")), 5},
        {"balance that does not add up", zmieniony(11, QStringLiteral(":62F:C260131PLN9265,51")), 11},
        {"file cut before the closing balance", zmieniony(11, QString()), 10},
        {"text that is no statement", {QStringLiteral("Nazwa;Konto;Kwota"), QStringLiteral("A;1;2")}, 1},
        {"entry before the opening balance", zmieniony(4, QStringLiteral(":NS:22")), 5},
    };
    for (const Przypadek& p : przypadki) {
        SCOPED_TRACE(p.nazwa);
        const OdczytMt940 o = czytajMt940(plik(p.linie), QStringLiteral("/dane/wyciag.sta"));
        EXPECT_FALSE(o.ok);
        EXPECT_TRUE(o.wyciagi.empty());
        EXPECT_TRUE(o.blad.startsWith(QStringLiteral("Plik wyciągu /dane/wyciag.sta, wiersz %1:").arg(p.wiersz)))
            << o.blad.toStdString();
    }
    const OdczytMt940 pusty = czytajMt940(QByteArray(), QStringLiteral("pusty.sta"));
    EXPECT_FALSE(pusty.ok);
    EXPECT_TRUE(pusty.blad.contains(QStringLiteral("pusty.sta")));
}

} // namespace

namespace {

// What the writer makes (the demo folder's and the bench's statements) reads
// back as written, :86: lines cut at 65 characters included.
TEST(Mt940, WrittenStatementsReadBack)
{
    Wyciag w;
    w.referencja = QStringLiteral("R1");
    w.rachunek = QStringLiteral("/PL61109010140000071219812874");
    w.numer = QStringLiteral("00001/001");
    w.waluta = QStringLiteral("PLN");
    w.kluczOtwarcia = 20260101;
    w.kluczZamkniecia = 20260131;
    w.saldoOtwarcia = 5;
    OperacjaWyciagu d;
    d.kluczWaluty = 20260130;
    d.kluczKsiegowania = 20260131;
    d.obciazenie = true;
    d.kwota = 123456789;
    d.opis = QStringLiteral("PRZELEW");
    d.tytul = QStringLiteral("Faktura VAT nr 1234/2026/ŻÓŁW za dostawę towarów handlowych w styczniu");
    d.nazwa = QStringLiteral("Przedsiębiorstwo Handlowo-Usługowe Łączność Sp. z o.o.");
    d.iban = QStringLiteral("PL12105010121234567890123456");
    OperacjaWyciagu c = d;
    c.obciazenie = false;
    c.kwota = 1;
    w.operacje = {d, c};
    const QByteArray bajty = zapisMt940({w, w});
    for (const QByteArray& linia : bajty.split('\n'))
        EXPECT_LE(linia.size(), 66) << linia.toStdString();
    const OdczytMt940 o = czytajMt940(bajty, QStringLiteral("z.sta"));
    ASSERT_TRUE(o.ok) << o.blad.toStdString();
    ASSERT_EQ(o.wyciagi.size(), 2u);
    const Wyciag& r = o.wyciagi[1];
    EXPECT_EQ(r.saldoZamkniecia, 5 - 123456789 + 1);
    ASSERT_EQ(r.operacje.size(), 2u);
    EXPECT_EQ(r.operacje[0].kwota, d.kwota);
    EXPECT_EQ(r.operacje[0].kluczWaluty, d.kluczWaluty);
    EXPECT_EQ(r.operacje[0].kluczKsiegowania, d.kluczKsiegowania);
    EXPECT_EQ(r.operacje[0].tytul, d.tytul);
    EXPECT_EQ(r.operacje[0].nazwa, d.nazwa);
    EXPECT_EQ(r.operacje[0].kontoCyfry(), QStringLiteral("12105010121234567890123456"));
    EXPECT_FALSE(r.operacje[1].obciazenie);
}

} // namespace
