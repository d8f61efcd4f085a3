// Golden files of the sent-transfers records when one is deleted from the
// history (tests/data/history-records): the other records keep their bytes.
// The records the export appends are in the export's golden files. See
// tests/support/Wzorce.h for how a case is laid out.
#include "history/Historia.h"
#include "history/PlikHistorii.h"

#include "Wzorce.h"

#include <gtest/gtest.h>

using namespace remitto;
using remitto::test::sprawdzWzorce;
using remitto::test::Wzorzec;

// args: the sent-transfers file, the position deleted (from 1) and, to allow
// cutting a torn tail, "uciac".
TEST(WzorceHistorii, RecordDeletedFromTheHistory)
{
    sprawdzWzorce(QStringLiteral("history-records"), [](const Wzorzec& w) {
        ASSERT_GE(w.args.size(), 2);
        const PlikWyslanych plik{w.folder + QLatin1Char('/') + w.args[0], kUkladPrzelewu};
        const int pozycja = w.args[1].toInt();
        const PlikHistorii przed = PlikHistorii::wczytaj(plik.sciezka, plik.uklad);
        ASSERT_LE(pozycja, przed.liczbaRekordow());
        const WynikOperacji wynik =
            usunRekordHistorii(plik, pozycja, przed.wartosci(pozycja - 1), w.args.value(2) == QLatin1String("uciac"));
        EXPECT_EQ(wynik.wynik, WynikHistorii::Zrobione) << wynik.blad.toStdString();
    });
}
