// Forms drawn into PDF files and read back with pdftotext.
#include "FormularzDane.h"
#include "TempFolder.h"

#include "core/Session.h"
#include "transfers/FormularzPrzelewu.h"
#include "ui/PrintRenderer.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

using namespace remitto;
using remitto::test::TempFolder;

namespace {

struct Word {
    QString text;
    double x = 0;
    double y = 0;
};

QString run(const QStringList& args)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), args);
    if (!p.waitForFinished(30000) || p.exitCode() != 0) {
        ADD_FAILURE() << "pdftotext (poppler-utils) failed: " << p.errorString().toStdString();
        return {};
    }
    return QString::fromUtf8(p.readAllStandardOutput());
}

/// Every word with the top left corner of its box, in points.
QList<Word> pdfWords(const QString& pdf)
{
    const QString html = run({QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    static const QRegularExpression re(
        QString::fromLatin1(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="[\d.]+" yMax="[\d.]+">([^<]*)</word>)re"));
    QList<Word> words;
    for (auto it = re.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        words.append({m.captured(3), m.captured(1).toDouble(), m.captured(2).toDouble()});
    }
    return words;
}

/// The text lines of the pages: words of one height joined by single blanks.
QStringList pdfLines(const QString& pdf)
{
    QList<Word> words = pdfWords(pdf);
    std::stable_sort(words.begin(), words.end(), [](const Word& a, const Word& b) {
        return std::abs(a.y - b.y) > 0.5 ? a.y < b.y : a.x < b.x;
    });
    QStringList lines;
    double y = -100;
    for (const Word& w : words) {
        if (std::abs(w.y - y) > 0.5)
            lines << w.text;
        else
            lines.last() += QLatin1Char(' ') + w.text;
        y = w.y;
    }
    return lines;
}

/// The job's text lines with runs of blanks as single blanks.
QStringList jobLines(const PrintJob& job)
{
    QStringList lines;
    for (const PrintPage& page : job.pages())
        for (const PrintLine& l : page.lines)
            if (!l.text.trimmed().isEmpty())
                lines << l.text.simplified();
    return lines;
}

QString pageSize(const QString& pdf)
{
    const QString html = run({QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    static const QRegularExpression re(QString::fromLatin1(R"re(<page width="([\d.]+)" height="([\d.]+)">)re"));
    QStringList sizes;
    for (auto it = re.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        sizes << QString::number(qRound(m.captured(1).toDouble())) + QLatin1Char('x')
                     + QString::number(qRound(m.captured(2).toDouble()));
    }
    return sizes.join(QLatin1Char(' '));
}

struct RenderFixture : ::testing::Test {
    TempFolder dir;
    Session s;
    PolaPrzelewu p;

    void SetUp() override
    {
        test::wypelnijFormularz(s, p);
        s.KontoWybrane = QStringLiteral("11102010260000040200001234");
        s.RodzajDrukarki = QStringLiteral("L");
        p.wpis.kwota = QStringLiteral("2500000,5");
    }

    PrintJob job(int kind)
    {
        p.rodzajPrzelewu = kind;
        const Formularz f = formularzDruku(p, s);
        EXPECT_EQ(f.wynik, WynikFormularza::Gotowy);
        return f.job;
    }

    QString render(int kind, PrzesuniecieDruku offset = {}, const QString& name = QStringLiteral("form.pdf"))
    {
        p.rodzajPrzelewu = kind;
        const Formularz f = formularzDruku(p, s);
        EXPECT_EQ(f.wynik, WynikFormularza::Gotowy);
        QString error;
        EXPECT_TRUE(zapiszPdf(f.job, dir.file(name), offset, &error)) << error.toStdString();
        // REMITTO_PDF_DIR keeps a copy of each form for a look at the pages.
        const QString keep = qEnvironmentVariable("REMITTO_PDF_DIR");
        if (!keep.isEmpty()) {
            const QString copy = keep + QLatin1Char('/') + QString::fromUtf8(
                ::testing::UnitTest::GetInstance()->current_test_info()->name()) + QLatin1Char('-') + name;
            QFile::remove(copy);
            QFile::copy(dir.file(name), copy);
        }
        return dir.file(name);
    }
};

} // namespace

TEST_F(RenderFixture, EveryLineOfEachFormReachesThePdf)
{
    p.txtSztuk = {QStringLiteral("5000"), {}, {}, {}, {}, {}, {}, QStringLiteral("3")};
    p.lbKwota = {QStringLiteral("1000000"), {}, {}, {}, {}, {}, {}, QStringLiteral("3")};
    p.lbRazemSzt = QStringLiteral("5003");
    p.lbRazemKwotaWplaty = QStringLiteral("1000003");
    p.txtRok = QStringLiteral("26");
    p.txtOkres = QStringLiteral("M");
    p.txtNrOkresu = QStringLiteral("12");
    p.txtSymbol = QStringLiteral("VAT7");
    for (int kind : {1, 2, 3}) {
        SCOPED_TRACE(kind);
        const QString pdf = render(kind, {}, QStringLiteral("kind%1.pdf").arg(kind));
        EXPECT_EQ(pageSize(pdf), QStringLiteral("842x595"));
        EXPECT_EQ(pdfLines(pdf), jobLines(job(kind)));
    }
    // The amount in words above a million, Polish letters included: three
    // copies, the fourth place holds the banknote list's total bar.
    const QString deposit = pdfLines(dir.file(QStringLiteral("kind3.pdf"))).join(QLatin1Char('\n'));
    EXPECT_EQ(deposit.count(QStringLiteral("dwa mln. pięćset tyś. zł. pięćdziesiąt gr.")), 3) << deposit.toStdString();
    EXPECT_TRUE(deposit.contains(QStringLiteral("Razem : szt= 5003 Ogólem = 1000003 złotych")));
    EXPECT_TRUE(deposit.contains(QStringLiteral("200zł * 5000=1000000")));
}

TEST_F(RenderFixture, CopiesStandInTheirColumnsAndLinesAsFarApartAsTheirSizes)
{
    const QList<Word> words = pdfWords(render(1));
    const auto find = [&](const QString& w, int nth) {
        for (const Word& word : words)
            if (word.text == w && nth-- == 0)
                return word;
        ADD_FAILURE() << "no word " << w.toStdString();
        return Word();
    };
    // Fixed pitch: the right copy of the name 108 columns on, of the account
    // 110, the X of the amount line 102.
    const Word name = find(QStringLiteral("HURTOWNIA"), 0);
    const double column = (find(QStringLiteral("HURTOWNIA"), 1).x - name.x) / 108;
    const Word account = find(QStringLiteral("61109010140000071219812874"), 0);
    EXPECT_NEAR(find(QStringLiteral("61109010140000071219812874"), 1).x - account.x, 110 * column, 0.5);
    EXPECT_NEAR(find(QStringLiteral("X"), 0).x - name.x, 15 * column, 0.5);
    EXPECT_NEAR(find(QStringLiteral("X"), 1).x - find(QStringLiteral("X"), 0).x, 102 * column, 0.5);
    // Name, gap 10, address, gap 9, account: one 12-point line plus the gap.
    const Word address = find(QStringLiteral("31-154"), 0);
    EXPECT_NEAR((address.y - name.y) / (account.y - address.y), 22.0 / 21.0, 0.01);
}

TEST_F(RenderFixture, OffsetMovesThePrintByMillimetres)
{
    const QList<Word> plain = pdfWords(render(1));
    const QList<Word> moved = pdfWords(render(1, {20, -3}, QStringLiteral("moved.pdf")));
    ASSERT_FALSE(plain.isEmpty());
    ASSERT_EQ(plain.size(), moved.size());
    const double mm = 72.0 / 25.4;
    // The whole page moves, the last column too: nothing falls off the paper.
    EXPECT_NEAR(moved.first().x - plain.first().x, 20 * mm, 0.5);
    EXPECT_NEAR(moved.first().y - plain.first().y, -3 * mm, 0.5);
    EXPECT_NEAR(moved.last().x - plain.last().x, 20 * mm, 0.5);
}

TEST_F(RenderFixture, FixedPitchFontBoldWhenTheSettingsSaySo)
{
    const auto fonts = [](const QString& pdf) {
        QProcess pdffonts;
        pdffonts.start(QStringLiteral("pdffonts"), {pdf});
        pdffonts.waitForFinished(30000);
        return QString::fromUtf8(pdffonts.readAllStandardOutput());
    };
    const QString normal = fonts(render(1));
    EXPECT_TRUE(normal.contains(QStringLiteral("Mono"))) << normal.toStdString();
    EXPECT_FALSE(normal.contains(QStringLiteral("Bold")));
    s.DrukPogrubiony = QStringLiteral("G");
    const QString bold = fonts(render(1, {}, QStringLiteral("bold.pdf")));
    EXPECT_TRUE(bold.contains(QStringLiteral("Mono-Bold"))) << bold.toStdString();
}

TEST(PrintOffset, KeptInUserSettingsWithinTwentyMillimetres)
{
    TempFolder dir;
    QSettings settings(dir.file(QStringLiteral("remitto.ini")), QSettings::IniFormat);
    EXPECT_EQ(wczytajPrzesuniecie(settings), PrzesuniecieDruku());
    zapiszPrzesuniecie(settings, {-7, 13});
    EXPECT_EQ(wczytajPrzesuniecie(settings), (PrzesuniecieDruku{-7, 13}));
    zapiszPrzesuniecie(settings, {25, -40});
    EXPECT_EQ(wczytajPrzesuniecie(settings), (PrzesuniecieDruku{20, -20}));
    settings.setValue(QStringLiteral("wydruk/przesunieciePoziomoMm"), QStringLiteral("abc"));
    settings.setValue(QStringLiteral("wydruk/przesunieciePionowoMm"), 99);
    EXPECT_EQ(wczytajPrzesuniecie(settings), (PrzesuniecieDruku{0, 20}));
}
