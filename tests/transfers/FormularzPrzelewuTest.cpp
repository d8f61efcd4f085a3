// The transfer form and the cash-deposit form, line by line.
#include "core/Session.h"
#include "core/modZmiene.h"
#include "transfers/FormularzPrzelewu.h"

#include "FormularzDane.h"

#include <gtest/gtest.h>

using namespace remitto;

namespace {

const QString k58(58, QLatin1Char(' '));

QString pad(const QString& s, int n)
{
    EXPECT_LE(s.size(), n) << s.toStdString();
    return s + QString(n - s.size(), QLatin1Char(' '));
}

QString both(const QString& copy)
{
    return copy + k58 + copy;
}

struct FormFixture : ::testing::Test {
    Session s;
    PolaPrzelewu p;

    void SetUp() override
    {
        test::wypelnijFormularz(s, p);
        s.RodzajDrukarki = QStringLiteral("A");
        p.wpis.kwota = QStringLiteral("1234.5");
        p.txtRok = QStringLiteral("26");
        p.txtOkres = QStringLiteral("m");
        p.txtNrOkresu = QStringLiteral("03");
        p.txtSymbol = QStringLiteral("vat7");
    }

    // The distinct text lines of the fixture, by a short label.
    QList<std::pair<QString, QString>> labels() const
    {
        return {
            {QStringLiteral("N"), both(pad(QStringLiteral("HURTOWNIA ZBOŻE JAN NOWAK"), 50))},
            {QStringLiteral("A"), both(pad(QStringLiteral("31-154   KRAKÓW   DŁUGA   7a"), 50))},
            {QStringLiteral("K"), both(pad(QStringLiteral("61109010140000071219812874"), 52))},
            {QStringLiteral("$"), both(QStringLiteral("               X             *1234,5********"))},
            {QStringLiteral("KP"), both(pad(QStringLiteral("11 1020 1026 0000 0402 0000 1234"), 52))},
            {QStringLiteral("NP"), both(pad(QStringLiteral("PIEKARNIA KŁOS"), 52))},
            {QStringLiteral("N2"), both(pad(QStringLiteral("SP. Z O.O."), 52))},
            {QStringLiteral("AP"), both(pad(QStringLiteral("00-950 WARSZAWA POLNA 12"), 50))},
            {QStringLiteral("T"), both(pad(QStringLiteral("F-RA NR. 12/2026"), 52))},
            {QStringLiteral("TAX"), QStringLiteral("5 2 6 0 2 5 0 2 7 4           N      2 6 M 0 3") + k58
                                        + QStringLiteral("5 2 6 0 2 5 0 2 7 4          N       2 6 M 0 3")},
            {QStringLiteral("SYM"), both(QStringLiteral("VAT7    ") + pad(QStringLiteral("F-RA NR. 12/2026"), 52))},
        };
    }

    /// The page as labels: a gap is its point size, a known text line its
    /// label, anything else the text itself.
    QString layout(const PrintJob& job) const
    {
        EXPECT_EQ(job.pages().size(), 1);
        QStringList out;
        for (const PrintLine& l : job.pages().value(0).lines) {
            EXPECT_EQ(l.bold, job.bold());
            if (l.text.isEmpty()) {
                out << QString::number(l.pointSize);
                continue;
            }
            QString label = QStringLiteral("?") + l.text;
            for (const auto& [name, text] : labels())
                if (text == l.text)
                    label = name;
            if (l.pointSize != 12)
                label += QStringLiteral("@") + QString::number(l.pointSize);
            out << label;
        }
        return out.join(QLatin1Char(' '));
    }

    PrintJob print(const QString& type, bool bold, int kind = 1)
    {
        s.RodzajDrukarki = type;
        s.DrukPogrubiony = bold ? QStringLiteral("G") : QString();
        p.rodzajPrzelewu = kind;
        const Formularz f = formularzDruku(p, s);
        EXPECT_EQ(f.wynik, WynikFormularza::Gotowy);
        EXPECT_EQ(f.job.bold(), bold);
        return f.job;
    }
};

struct LayoutCase {
    const char* type;
    bool bold;
    const char* upper;
    const char* lower;
};

} // namespace

TEST_F(FormFixture, TransferFormGapsFollowPrinterTypeAndWeight)
{
    // Upper form up to the bottom margin, then the lower form.
    const LayoutCase cases[] = {
        {"A", false, "4 N 10 A 9 K 11 $ 7 5 KP 10 NP 9 N2 9 AP 12 T 10 10 8",
         "N 11 A 11 K 10 $ 4 5 KP NP 10 N2 10 AP 10 T"},
        {"A", true, "4 N 10 A 9 K 7 $ 6 5 KP 10 NP 9 N2 9 AP 9 T 10 7 7 8",
         "N 11 A 11 K 6 $ 4 5 KP NP 10 N2 10 AP 8 T"},
        {"I", false, "4 N 10 A 9 K 7 $ 7 5 KP 10 NP 9 N2 6 AP 9 T 10 10 9",
         "N 11 A 10 K 10 $ 4 5 KP 8 NP 10 N2 10 AP 10 T"},
        {"I", true, "4 N 10 A 9 K 7 $ 6 5 KP 10 NP 9 N2 6 AP 9 T 10 7 7 9",
         "N 11 A 10 K 6 $ 4 5 KP 8 NP 10 N2 10 AP 8 T"},
        {"L", false, "4 N 10 A 9 K 11 $ 7 5 KP 10 NP 9 N2 9 AP 12 T 10 10 8",
         "N 11 A 11 K 10 $ 4 5 KP 8 NP 8 N2 8 AP 8 T"},
        {"L", true, "4 N 10 A 9 K 7 $ 6 5 KP 10 NP 9 N2 9 AP 9 T 10 7 7 8",
         "N 11 A 11 K 6 $ 4 5 KP 8 NP 8 N2 8 AP 8 T"},
    };
    for (const LayoutCase& c : cases) {
        SCOPED_TRACE(std::string(c.type) + (c.bold ? " bold" : " normal"));
        const PrintJob job = print(QString::fromLatin1(c.type), c.bold);
        EXPECT_EQ(layout(job), QString::fromLatin1(c.upper) + QLatin1Char(' ') + QString::fromLatin1(c.lower));
        EXPECT_EQ(job.orientation(), PrintJob::Orientation::Landscape);
    }
}

TEST_F(FormFixture, TaxTransferPrintsTaxAndSymbolLinesInsteadOfAddressAndTitle)
{
    EXPECT_EQ(layout(print(QStringLiteral("A"), false, 2)),
              QStringLiteral("4 N 10 A 9 K 11 $ 7 5 KP 10 NP 9 N2 9 TAX 12 SYM 10 10 8 "
                             "N 11 A 11 K 10 $ 4 5 KP NP 10 N2 10 TAX 12 SYM"));
    EXPECT_EQ(layout(print(QStringLiteral("I"), true, 2)),
              QStringLiteral("4 N 10 A 9 K 7 $ 6 5 KP 10 NP 9 N2 6 TAX 12 SYM 10 7 7 9 "
                             "N 11 A 10 K 6 $ 4 5 KP 8 NP 10 N2 10 TAX 12 SYM"));
}

TEST_F(FormFixture, EmptyOrUnknownPrinterTypePrintsAsInkjet)
{
    for (bool bold : {false, true}) {
        const PrintJob a = print(QStringLiteral("A"), bold);
        EXPECT_EQ(print(QString(), bold).pages(), a.pages());
        EXPECT_EQ(print(QStringLiteral("atramentowa"), bold).pages(), a.pages());
        EXPECT_EQ(print(QString(), bold, 3).pages(), print(QStringLiteral("A"), bold, 3).pages());
    }
    // The type is the first letter, whatever its case.
    EXPECT_EQ(print(QStringLiteral("laserowa"), false).pages(), print(QStringLiteral("L"), false).pages());
}

TEST(FormPieces, AmountFieldIsFifteenCharactersOfAsterisks)
{
    const std::pair<const char*, const char*> cases[] = {
        {"123,45", "*123,45********"},
        {"5", "*5*************"},
        {"12345678901234", "*12345678901234"},
        {"123456789012345,67", "*12345678901234"},
        {"", "***************"},
    };
    for (const auto& [in, out] : cases)
        EXPECT_EQ(poleKwoty(QString::fromUtf8(in)), QString::fromUtf8(out)) << in;
}

TEST_F(FormFixture, LongNameIsCutAtFiftyAndRightCopyKeepsItsColumn)
{
    p.wpis.nazwa1 = QStringLiteral("Przedsiębiorstwo Handlowo-Usługowe Zboże i Mąka");  // 47
    p.wpis.nazwa2 = QStringLiteral("spółka jawna");
    p.wpis.adres = QStringLiteral("Kraków-Nowa Huta Osiedle Centrum");
    s.MiastoFirmy = QStringLiteral("Mszana Dolna Kolonia Górna Przysiółek");
    const PrintJob job = print(QStringLiteral("A"), false);
    const QList<PrintLine>& lines = job.pages().at(0).lines;
    EXPECT_EQ(lines.at(1).text, both(QStringLiteral("PRZEDSIĘBIORSTWO HANDLOWO-USŁUGOWE ZBOŻE I MĄKA SP")));
    EXPECT_EQ(lines.at(3).text, both(QStringLiteral("31-154   KRAKÓW-NOWA HUTA OSIEDLE CENTRUM   DŁUGA ")));
    // The payer address is cut at 50 as well; the right copy still starts in
    // column 108 like every other line.
    EXPECT_EQ(lines.at(16).text, both(QStringLiteral("00-950 MSZANA DOLNA KOLONIA GÓRNA PRZYSIÓŁEK POLNA")));
    s.MiastoFirmy = QStringLiteral("Łódź");
    EXPECT_EQ(print(QStringLiteral("A"), false).pages().at(0).lines.at(16).text,
              both(pad(QStringLiteral("00-950 ŁÓDŹ POLNA 12"), 50)));
}

TEST_F(FormFixture, AmountMustBeMoneyAboveZero)
{
    for (const char* empty : {"", "   "}) {
        p.wpis.kwota = QString::fromLatin1(empty);
        EXPECT_EQ(formularzDruku(p, s).wynik, WynikFormularza::BrakKwoty);
    }
    for (const char* bad : {"12,50+7,50", "abc", "1,2,3", "0", "-5", "0,00"}) {
        p.wpis.kwota = QString::fromLatin1(bad);
        for (int kind : {1, 2, 3}) {
            p.rodzajPrzelewu = kind;
            const Formularz f = formularzDruku(p, s);
            EXPECT_EQ(f.wynik, WynikFormularza::ZlaKwota) << bad;
            EXPECT_TRUE(f.job.isEmpty());
        }
    }
    p.wpis.kwota = QStringLiteral("0,01");
    EXPECT_EQ(formularzDruku(p, s).wynik, WynikFormularza::Gotowy);
}

// --- Cash deposit -----------------------------------------------------------

namespace {

struct DepositFixture : FormFixture {
    void SetUp() override
    {
        FormFixture::SetUp();
        p.wpis.kwota = QStringLiteral("1234567,89");
        p.wpis.tytul = QStringLiteral("Wpłata własna 10-12-2026");
        // 200, 100, 50, 20, 10, 5, 2, 1 zł
        p.txtSztuk = {QStringLiteral("1000"), QStringLiteral("7"), QString(), QStringLiteral("12"),
                      QString(), QStringLiteral("1"), QString(), QStringLiteral("3")};
        p.lbKwota = {QStringLiteral("200000"), QStringLiteral("700"), QStringLiteral("0"), QStringLiteral("240"),
                     QStringLiteral("0"), QStringLiteral("5"), QStringLiteral("0"), QStringLiteral("3")};
        p.lbRazemSzt = QStringLiteral("1023");
        p.lbRazemKwotaWplaty = QStringLiteral("200948");
    }
};

} // namespace

TEST_F(DepositFixture, BanknoteLinesRightAlignCountsAndValues)
{
    EXPECT_EQ(liniaSpecyfikacji(p, 1, 20), QStringLiteral("    1zł *    3=    3 ||    20zł *   12=   240"));
    // An empty count prints as four blanks.
    EXPECT_EQ(liniaSpecyfikacji(p, 2, 50), QStringLiteral("    2zł *     =    0 ||    50zł *     =     0"));
    EXPECT_EQ(liniaSpecyfikacji(p, 5, 100), QStringLiteral("    5zł *    1=    5 ||   100zł *    7=   700"));
    EXPECT_EQ(liniaSpecyfikacji(p, 10, 200), QStringLiteral("   10zł *     =    0 ||   200zł * 1000=200000"));
    // A value wider than its column is printed whole (5000 notes of 200 zł
    // are a million, not "000000"); only the line is cut at 50 characters.
    p.txtSztuk[0] = QStringLiteral("5000");
    p.lbKwota[0] = QStringLiteral("1000000");
    EXPECT_EQ(liniaSpecyfikacji(p, 10, 200), QStringLiteral("   10zł *     =    0 ||   200zł * 5000=1000000"));
    p.txtSztuk[7] = QStringLiteral("123456");
    p.lbKwota[7] = QStringLiteral("123456");
    p.txtSztuk[3] = QStringLiteral("12345");
    p.lbKwota[3] = QStringLiteral("12345678");
    EXPECT_EQ(liniaSpecyfikacji(p, 1, 20), QStringLiteral("    1zł * 123456=123456 ||    20zł * 12345=1234567"));
}

TEST_F(DepositFixture, DepositFormLineByLine)
{
    const QString words = KwotaSlownie(QStringLiteral("1234567,89"));
    ASSERT_TRUE(words.contains(QStringLiteral("mln.")));
    const QString n = pad(QStringLiteral("HURTOWNIA ZBOŻE JAN NOWAK"), 50);
    const QString a = pad(QStringLiteral("31-154   KRAKÓW   DŁUGA   7a"), 50);
    const QString k = pad(QStringLiteral("61109010140000071219812874"), 52);
    const QString np = pad(QStringLiteral("PIEKARNIA KŁOS"), 52);
    const QString n2 = pad(QStringLiteral("SP. Z O.O."), 52);
    const QString ap = pad(QStringLiteral("00-950 WARSZAWA POLNA 12"), 50);
    const QString t = pad(QStringLiteral("WPŁATA WŁASNA 10-12-2026"), 52);
    const QString amount = QStringLiteral("             *1234567,89****");
    const auto gap = [](int size) { return PrintLine{QString(), size, false}; };
    const auto line = [](const QString& text, int size = 12) { return PrintLine{text, size, false}; };

    const QList<PrintLine> expected = {
        // Upper form: the slip in both copies, the amount in words instead of
        // the payer account.
        gap(4), line(both(n)), gap(10), line(both(a)), gap(9), line(both(k)), gap(11),
        line(both(QStringLiteral("               X") + amount)), gap(7), gap(5),
        line(both(words), 8), gap(4), gap(10),
        line(both(np)), gap(9), line(both(n2)), gap(9), line(both(ap)), gap(12), line(both(t)),
        gap(12), gap(12), gap(12), gap(12),
        line(QStringLiteral(" ---------------------------------------------------------+---- Specyfikacja "
                            "banknotów --------------------")),
        gap(12),
        // Lower form: the slip on the left, the banknote list on the right,
        // its four lines starting in one column (the left copies filled to
        // the longest of them, the account's 52 characters).
        line(pad(n, 52) + k58 + QStringLiteral("    1zł *    3=    3 ||    20zł *   12=   240")), gap(11),
        line(pad(a, 52) + k58 + QStringLiteral("    2zł *     =    0 ||    50zł *     =     0")), gap(11),
        line(k + k58 + QStringLiteral("    5zł *    1=    5 ||   100zł *    7=   700")), gap(10),
        line(pad(QStringLiteral("                  X") + amount, 52) + k58
             + QStringLiteral("   10zł *     =    0 ||   200zł * 1000=200000")),
        gap(4),
        line(words + k58 + QStringLiteral(" ========================================================================="), 8),
        gap(5), gap(4),
        line(np + k58 + QStringLiteral("Razem :     szt= 1023     Ogólem = 200948 złotych")), gap(10),
        line(n2 + k58 + QStringLiteral("     ")), gap(10),
        line(ap + k58 + QStringLiteral("    ")), gap(10),
        line(t + k58 + QStringLiteral("   ")),
    };
    const PrintJob job = print(QStringLiteral("A"), false, 3);
    ASSERT_EQ(job.pages().size(), 1);
    const QList<PrintLine>& lines = job.pages().at(0).lines;
    ASSERT_EQ(lines.size(), expected.size());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines.at(i).text, expected.at(i).text) << "line " << i;
        EXPECT_EQ(lines.at(i).pointSize, expected.at(i).pointSize) << "line " << i;
    }
}

TEST_F(DepositFixture, DepositGapsFollowPrinterTypeAndWeight)
{
    const auto gaps = [&](const QString& type, bool bold) -> std::string {
        QStringList out;
        const PrintJob job = print(type, bold, 3);
        for (const PrintLine& l : job.pages().at(0).lines)
            out << (l.text.isEmpty() ? QString::number(l.pointSize) : QStringLiteral("|"));
        return out.join(QLatin1Char(' ')).toStdString();
    };
    EXPECT_EQ(gaps(QStringLiteral("A"), false),
              QStringLiteral("4 | 10 | 9 | 11 | 7 5 | 4 10 | 9 | 9 | 12 | 12 12 12 12 | 12 "
                             "| 11 | 11 | 10 | 4 | 5 4 | 10 | 10 | 10 |").toStdString());
    EXPECT_EQ(gaps(QStringLiteral("I"), true),
              QStringLiteral("4 | 10 | 9 | 7 | 6 5 | 4 10 | 9 | 6 | 9 | 12 12 12 12 | 12 "
                             "| 11 | 10 | 6 | 4 | 5 4 8 | 10 | 10 | 8 |").toStdString());
    EXPECT_EQ(gaps(QStringLiteral("L"), false),
              QStringLiteral("4 | 10 | 9 | 11 | 7 5 | 4 10 | 9 | 9 | 12 | 12 12 12 12 | 12 "
                             "| 11 | 11 | 10 | 4 | 5 4 8 | 8 | 8 | 8 |").toStdString());
}

TEST_F(DepositFixture, ShortNameOfAnotherFirmIsFlagged)
{
    EXPECT_TRUE(wplataNaInnaFirme(p, s));
    p.wpis.skrot = s.SkrotFirmy;
    EXPECT_FALSE(wplataNaInnaFirme(p, s));
}
