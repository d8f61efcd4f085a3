#include "core/Nip.h"
#include "transfers/RodzajPrzelewu.h"
#include "transfers/TytulSeryjny.h"

#include <gtest/gtest.h>

using namespace remitto;

TEST(Nip, CheckDigitAndTheTwoFormErrors)
{
    const struct {
        const char* nip;
        WynikNip wynik;
    } przypadki[] = {
        {"1234563218", WynikNip::Poprawny},
        {"5260250274", WynikNip::Poprawny},
        {"1100000000", WynikNip::Poprawny},     // remainder 0
        {"1234563217", WynikNip::Bledny},
        {"1234567890", WynikNip::Bledny},      // remainder 10 is never right
        {"1234567891", WynikNip::Bledny},
        {"123456321X", WynikNip::Bledny},      // not a digit
        {"12345632 8", WynikNip::Bledny},
        {"123-456-32-18", WynikNip::ZlaDlugosc},  // third character is a digit
        {"12-3456321", WynikNip::ZeSpacjami},
        {"12 3456321", WynikNip::ZeSpacjami},
        {"52 60 25 02 74", WynikNip::ZeSpacjami},
        {"", WynikNip::ZlaDlugosc},
        {"123456321", WynikNip::ZlaDlugosc},
        {"12345632181", WynikNip::ZlaDlugosc},
    };
    for (const auto& p : przypadki)
        EXPECT_EQ(sprawdzNip(QString::fromUtf8(p.nip)), p.wynik) << p.nip;
}

TEST(TytulSeryjny, TaxOfficeAndSplitPaymentTitles)
{
    const PolaPodatkowe pola{QStringLiteral("26"), QStringLiteral("M"), QStringLiteral("12"), QStringLiteral("VAT7")};
    EXPECT_EQ(tytulSkarbowy(QStringLiteral("6810000001"), pola),
              QStringLiteral("/TI/N6810000001/OKR/26M12/SFP/VAT7|/TXT/VAT7 za M12- 2026"));
    EXPECT_EQ(tytulPodzielonej(QStringLiteral("123,00"), QStringLiteral("5260250274"), QStringLiteral("FV 7/12"), pola),
              QStringLiteral("/VAT/123,00/IDC/5260250274/INV/FV 7/12/TXT/VAT7 za M12- 2026"));

    // Any empty field (blanks count as empty) refuses the tax title.
    for (int i = 0; i < 5; ++i) {
        PolaPodatkowe p = pola;
        QString nip = QStringLiteral("6810000001");
        QString* pole[] = {&nip, &p.rok, &p.okres, &p.nrOkresu, &p.symbol};
        *pole[i] = (i % 2) ? QStringLiteral("  ") : QString();
        EXPECT_EQ(tytulSkarbowy(nip, p), std::nullopt) << i;
    }

    EXPECT_EQ(domyslnePodatkowe(QStringLiteral("09-12-2026"), QStringLiteral("11")),
              (PolaPodatkowe{QStringLiteral("26"), QStringLiteral("M"), QStringLiteral("11"), QStringLiteral("VAT7")}));
}

TEST(RodzajPrzelewu, CodesAndVisibleFieldsOfTheSixKinds)
{
    using W = Widocznosc;
    const struct {
        Rodzaj rodzaj;
        const char* opcja;
        const char* napis;
        const char* typZlec;
        const char* typDok;
        std::optional<int> kod;
        W podatkowe, banknoty, kontakt;
        bool doPaczki;
    } oczekiwane[] = {
        {Rodzaj::Przelew, "OpRodzaj1", "Przelew", "110", "51", 1, W::Ukryj, W::Ukryj, W::Pokaz, true},
        {Rodzaj::Skarbowy, "opRodzaj2", "Skarbowy", "114", "71", 2, W::Pokaz, W::Ukryj, W::BezZmian, true},
        {Rodzaj::Wplata, "opRodzaj3", "Wpłata", "110", "", 3, W::BezZmian, W::Pokaz, W::Ukryj, false},
        {Rodzaj::ZUS, "opRodzaj4", "ZUS", "120", "51", std::nullopt, W::BezZmian, W::Ukryj, W::Pokaz, true},
        {Rodzaj::Podzielona, "opRodzaj5", "F-ra Podzielona Płayt", "110", "53", std::nullopt, W::BezZmian, W::Ukryj,
         W::Pokaz, true},
        {Rodzaj::Zlecenie, "OpRodzaj6", "Zlecenie", "210", "01", std::nullopt, W::BezZmian, W::Ukryj, W::Pokaz, true},
    };
    ASSERT_EQ(rodzajePrzelewu().size(), 6);
    for (const auto& o : oczekiwane) {
        const OpisRodzaju& r = opisRodzaju(o.rodzaj);
        EXPECT_EQ(r.rodzaj, o.rodzaj);
        EXPECT_EQ(r.nazwaOpcji, QString::fromUtf8(o.opcja));
        EXPECT_EQ(r.napis, QString::fromUtf8(o.napis));
        EXPECT_EQ(r.typZlec, QString::fromUtf8(o.typZlec)) << o.opcja;
        EXPECT_EQ(r.typDok, QString::fromUtf8(o.typDok)) << o.opcja;
        EXPECT_EQ(r.kodRodzaju, o.kod) << o.opcja;
        EXPECT_EQ(r.podatkowe, o.podatkowe) << o.opcja;
        EXPECT_EQ(r.banknoty, o.banknoty) << o.opcja;
        EXPECT_EQ(r.kontakt, o.kontakt) << o.opcja;
        EXPECT_EQ(r.doPaczki, o.doPaczki) << o.opcja;
    }
    EXPECT_EQ(opisRodzaju(Rodzaj::ZUS).tytul, QStringLiteral(" Wpłata składek ZUS za miesiąc "));
    EXPECT_EQ(opisRodzaju(Rodzaj::Przelew).tytul, std::nullopt);
    EXPECT_EQ(tytulWplaty(QStringLiteral("08-12-2026")), QStringLiteral("Wpłata własna 08-12-2026"));
    EXPECT_EQ(kBankZUS, QStringLiteral("60000002"));
}
