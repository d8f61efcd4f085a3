// The print button of the transfer window: checks, messages, print, record.
#include "Budowa.h"
#include "FormularzDane.h"
#include "ScriptedDialogs.h"

#include "core/QuoteFormat.h"
#include "core/Session.h"
#include "transfers/RejestrWydruku.h"
#include "transfers/frmPrzelewBDruk.h"
#include "ui/PrintRenderer.h"

#include <gtest/gtest.h>

using namespace remitto;
using namespace remitto::test;

namespace {

/// Answers the print dialog as scripted and keeps the jobs it was given.
struct FakePrinter : Drukowanie {
    WynikWydruku answer = WynikWydruku::Wydrukowano;
    QList<PrintJob> jobs;
    WynikWydruku drukuj(const PrintJob& job, QString* error) override
    {
        jobs.append(job);
        if (answer == WynikWydruku::Blad)
            *error = QStringLiteral("Drukarka nie odpowiada.");
        return answer;
    }
};

/// The form of a Warsaw bakery ("KLOS") paying 100,50 to a Kraków wholesaler
/// on 10-12-2026, printed in a data folder of its own.
struct PrintButtonTest : ::testing::Test, FolderDanych {
    ScriptedDialogs dialogs;
    FakePrinter printer;
    PolaPrzelewu p;

    PrintButtonTest() : FolderDanych(kBezPaczek)
    {
        test::wypelnijFormularz(s, p);
        p.wpis.kwota = QStringLiteral("100,5");
    }

    QList<Przelew> recorded() const
    {
        QList<Przelew> out;
        const QuoteFile f = readQuoteFile(dir.file(QStringLiteral("KLOS.dat")));
        EXPECT_TRUE(przelewyZWartosci(f.values, &out));
        return out;
    }

    QStringList boxes() const
    {
        QStringList out;
        for (const auto& b : dialogs.shown())
            out << b.text + QLatin1Char('|') + b.title;
        return out;
    }
};

} // namespace

TEST_F(PrintButtonTest, PrintsTheFormAndRecordsIt)
{
    EXPECT_EQ(drukujPrzelew(s, dialogs, printer, p), WynikDrukowania::Wydrukowano);
    EXPECT_TRUE(dialogs.shown().isEmpty());
    ASSERT_EQ(printer.jobs.size(), 1);
    EXPECT_EQ(printer.jobs[0].pages(), formularzDruku(p, s).job.pages());
    const QList<Przelew> r = recorded();
    ASSERT_EQ(r.size(), 1);
    EXPECT_EQ(r[0], przelewWydruku(p, s.DataDzis));
    EXPECT_EQ(r[0].dataSplaty, QStringLiteral("2026-12-10"));
}

TEST_F(PrintButtonTest, StopsWithItsMessageAndRecordsNothing)
{
    struct Case {
        const char* amount;
        WynikWydruku answer;
        QString box;
        Icon icon;
        int printed;
    };
    const Case cases[] = {
        {"", WynikWydruku::Wydrukowano, QStringLiteral("Nie wpisana kwota przelewu!!|Wpisz kwotę !"),
         Icon::Information, 0},
        {"12+3", WynikWydruku::Wydrukowano, QStringLiteral(" Błąd wpisanej kwoty | Popraw"), Icon::Critical, 0},
        {"100", WynikWydruku::Rezygnacja, QStringLiteral("Zrezygnowałeś z drukowania !|Rezygnacja"),
         Icon::Information, 1},
        {"100", WynikWydruku::Blad, QStringLiteral("Drukarka nie odpowiada.|Błąd"), Icon::Critical, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.box.toStdString());
        dialogs.clear();
        printer.jobs.clear();
        printer.answer = c.answer;
        p.wpis.kwota = QString::fromLatin1(c.amount);
        EXPECT_EQ(drukujPrzelew(s, dialogs, printer, p), WynikDrukowania::Przerwano);
        EXPECT_EQ(boxes(), QStringList{c.box});
        ASSERT_EQ(dialogs.shown().size(), 1);
        EXPECT_EQ(dialogs.shown()[0].icon, c.icon);
        EXPECT_EQ(printer.jobs.size(), c.printed);
        EXPECT_FALSE(dir.exists(QStringLiteral("KLOS.dat")));
    }
}

TEST_F(PrintButtonTest, DepositToAnotherFirmWarnsAndPrintsAnyway)
{
    p.rodzajPrzelewu = 3;
    p.rodzaj = Rodzaj::Wplata;
    EXPECT_EQ(drukujPrzelew(s, dialogs, printer, p), WynikDrukowania::Wydrukowano);
    EXPECT_EQ(boxes(), QStringList{QStringLiteral(
                           "Sprawdź czy na włąściwą firmę wpłacasz?|Skrót firmy powinien byc rowny ze skrótem kontrahenta")});
    ASSERT_EQ(printer.jobs.size(), 1);
    EXPECT_TRUE(printer.jobs[0].pages().at(0).lines.at(24).text.contains(QStringLiteral("Specyfikacja banknotów")));
    ASSERT_EQ(recorded().size(), 1);
    EXPECT_EQ(recorded()[0].typDok, QString());

    // The own firm: no warning.
    dialogs.clear();
    p.wpis.skrot = s.SkrotFirmy;
    EXPECT_EQ(drukujPrzelew(s, dialogs, printer, p), WynikDrukowania::Wydrukowano);
    EXPECT_TRUE(dialogs.shown().isEmpty());
    EXPECT_EQ(recorded().size(), 2);
}

TEST_F(PrintButtonTest, RecordThatCannotBeWrittenIsReported)
{
    s.SciezkaProgramu = dir.file(QStringLiteral("brak/folderu"));
    EXPECT_EQ(drukujPrzelew(s, dialogs, printer, p), WynikDrukowania::Wydrukowano);
    ASSERT_EQ(dialogs.shown().size(), 1);
    EXPECT_EQ(dialogs.shown()[0].title, QStringLiteral("Błąd"));
    EXPECT_TRUE(dialogs.shown()[0].text.contains(QStringLiteral("KLOS.dat")));
}
