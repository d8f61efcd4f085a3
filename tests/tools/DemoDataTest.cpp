#include "DemoData.h"

#include "core/QuoteFormat.h"
#include "core/TextFile.h"
#include "shell/Instalka.h"
#include "shell/MojaFirma.h"

#include "TempFolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include "history/Historia.h"
#include "statements/Uzgodnienie.h"

#include <gtest/gtest.h>

static void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

using namespace remitto;
using namespace remitto::demo;
using remitto::test::TempFolder;

namespace {

bool nipValid(const QString& nip)
{
    static const int weights[] = {6, 5, 7, 2, 3, 4, 5, 6, 7};
    if (nip.size() != 10 || !QRegularExpression(QStringLiteral("^\\d{10}$")).match(nip).hasMatch())
        return false;
    int sum = 0;
    for (int i = 0; i < 9; ++i)
        sum += weights[i] * nip[i].digitValue();
    return sum % 11 != 10 && sum % 11 == nip[9].digitValue();
}

// A Polish account number whose leading two digits are its IBAN check digits.
bool accountValid(QString account)
{
    account.remove(QLatin1Char(' '));
    if (!QRegularExpression(QStringLiteral("^\\d{26}$")).match(account).hasMatch())
        return false;
    const QString rearranged = account.mid(2) + QStringLiteral("2521") + account.left(2);
    int r = 0;
    for (QChar c : rearranged)
        r = (r * 10 + c.digitValue()) % 97;
    return r == 1;
}

QList<QStringList> records(const QString& path, int size)
{
    const QuoteFile f = readQuoteFile(path);
    EXPECT_TRUE(f.ok) << f.error.toStdString();
    EXPECT_EQ(f.values.size() % size, 0) << path.toStdString();
    QList<QStringList> out;
    splitRecords(f.values, size, &out);
    return out;
}

QString two(int n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

// Relative path -> bytes of every file under `root`, with the folder's own
// path taken out of the two files that hold it.
QMap<QString, QByteArray> snapshot(const QString& root)
{
    QMap<QString, QByteArray> out;
    QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        out.insert(QDir(root).relativeFilePath(path), f.readAll().replace(root.toUtf8(), "<folder>"));
    }
    return out;
}

struct Made {
    TempFolder dir;
    QString folder;
    DemoSummary summary;
    bool ok = false;
    QString error;

    Made(const QDate& today, quint32 seed = 1)
    {
        folder = dir.file(QStringLiteral("dane"));
        DemoOptions o;
        o.today = today;
        o.seed = seed;
        ok = writeDemoData(folder, o, &error, &summary);
    }
};

} // namespace

// Every file of the folder reads back in its layout and the files agree with
// each other, on ordinary days and on the edges of the year.
TEST(DemoData, WritesAConsistentDataFolder)
{
    const QList<QDate> days = {QDate(2025, 6, 17), QDate(2026, 1, 1), QDate(2024, 12, 31),
                               QDate(2024, 2, 29), QDate::currentDate()};
    for (const QDate& today : days) {
        SCOPED_TRACE(today.toString(Qt::ISODate).toStdString());
        Made m(today);
        ASSERT_TRUE(m.ok) << m.error.toStdString();
        const QString root = QDir::cleanPath(QDir(m.folder).absolutePath());
        const QString rr = two(today.year() % 100);
        const QString skrot = demoSkrotFirmy();

        // Settings: no password, the folder itself, a laser printer.
        const UstawieniaOdczyt u = readInstalka(m.folder);
        ASSERT_TRUE(u.ok) << u.error.toStdString();
        EXPECT_EQ(u.u, (Ustawienia{QString(), root, QStringLiteral("L"), QString(), QStringLiteral("1"),
                                   QStringLiteral("1"), QStringLiteral("F-ra nr.")}));

        // Two own companies; the first one has the shop program's tree.
        const MojaFirmaOdczyt mf = readMojaFirma(m.folder + QStringLiteral("/MojaFirma.txt"));
        ASSERT_TRUE(mf.ok) << mf.error.toStdString();
        ASSERT_EQ(mf.firmy.size(), 2);
        EXPECT_EQ(mf.firmy[0].nrId, QStringLiteral("1"));
        EXPECT_EQ(mf.firmy[1].nrId, QStringLiteral("2"));
        EXPECT_EQ(mf.firmy[0].skrot, skrot);
        EXPECT_EQ(mf.firmy[0].miasto, QStringLiteral("Żywiec"));
        for (const Firma& f : mf.firmy) {
            EXPECT_TRUE(nipValid(f.nip)) << f.nip.toStdString();
            EXPECT_TRUE(accountValid(f.konto[0]));
            EXPECT_TRUE(accountValid(f.konto[3]));
        }
        const QString shop = mf.firmy[0].sciezkaKramix + QLatin1Char('/') + skrot;
        EXPECT_TRUE(QDir(shop + QStringLiteral("/Faktury")).exists());
        EXPECT_TRUE(QDir(m.folder + QStringLiteral("/DoECorponet")).exists());

        // Contractors: whole 29-value records numbered from 1, valid NIP and accounts.
        const QList<QStringList> kontrah = records(m.folder + QStringLiteral("/kontrah.dta"), 29);
        ASSERT_EQ(kontrah.size(), 40);
        EXPECT_EQ(m.summary.kontrahenci, 40);
        QSet<QString> skroty;
        for (qsizetype i = 0; i < kontrah.size(); ++i) {
            const QStringList& k = kontrah[i];
            EXPECT_EQ(k[0], QString::number(i + 1));
            EXPECT_TRUE(nipValid(k[7])) << k[7].toStdString();
            EXPECT_TRUE(accountValid(k[13])) << k[13].toStdString();
            EXPECT_FALSE(k[15].isEmpty());
            EXPECT_EQ(k[15], k[15].toUpper());
            EXPECT_EQ(k[28], QStringLiteral("PLN"));
            skroty.insert(k[15]);
        }
        EXPECT_EQ(kontrah[0][1], QStringLiteral("Zakład Ubezpieczeń Społecznych"));
        EXPECT_EQ(kontrah[0][10], QStringLiteral("3, 5"));

        // The shop program's numbering file and one invoice file per number.
        const QString faktury = shop + QStringLiteral("/Faktury/");
        const QList<QStringList> numZ = records(shop + QStringLiteral("/Parametry/NumZ") + rr + QStringLiteral(".dat"), 3);
        ASSERT_EQ(numZ.size(), 12);
        int invoiceCount = 0;
        QMap<QString, QStringList> naglowki;  // invoice file -> header
        for (int month = 1; month <= 12; ++month) {
            const QStringList& line = numZ[month - 1];
            EXPECT_EQ(line[0], QString::number(month));
            const int count = line[2].toInt();
            if (month > today.month()) {
                EXPECT_EQ(count, 0);
            } else {
                EXPECT_GT(count, 0);
            }
            invoiceCount += count;
            for (int n = 1; n <= count; ++n) {
                const QString name = QStringLiteral("Fz%1%2%3.dat").arg(rr, two(month)).arg(n, 5, 10, QLatin1Char('0'));
                const QList<QStringList> lines = records(faktury + name, 19);
                ASSERT_GE(lines.size(), 2) << name.toStdString();
                const QStringList& h = lines[0];
                EXPECT_TRUE(h[12] == QStringLiteral("VFZ") + name || h[12] == QStringLiteral("SPL") + name
                            || h[12] == QStringLiteral("OKZ") + name) << h[12].toStdString();
                EXPECT_TRUE(h[0].isEmpty() || h[0].size() == 22) << h[0].toStdString();
                EXPECT_TRUE(h[14].size() == 26 || h[14].size() == 33) << h[14].toStdString();
                EXPECT_TRUE(accountValid(h[14]));
                EXPECT_TRUE(skroty.contains(h[9])) << h[9].toStdString();
                EXPECT_EQ(h[16].mid(3, 2), two(month));
                EXPECT_EQ(h[16].mid(6, 4), QString::number(today.year()));
                naglowki.insert(name, h);
            }
        }
        EXPECT_EQ(QDir(faktury).entryList(QDir::Files).size(), invoiceCount);
        EXPECT_EQ(m.summary.faktury, invoiceCount);

        // Packages: the numbering file counts exactly the records on disk.
        const QList<QStringList> numP = records(m.folder + QStringLiteral("/NumP") + rr + QStringLiteral(".dat"), 6);
        ASSERT_EQ(numP.size(), 12);
        QMap<QString, QString> paidThrough;  // invoice file -> package number, closed packages
        QSet<QString> inOpenPackage;
        int closedRecords = 0;
        int packages = 0;
        for (int month = 1; month <= 12; ++month) {
            const QStringList& line = numP[month - 1];
            EXPECT_EQ(line[0], QString::number(month));
            EXPECT_EQ(line[5], QStringLiteral("c"));
            if (month > today.month()) {
                EXPECT_EQ(line.mid(1, 4), QStringList(4, QStringLiteral("0")));
                continue;
            }
            EXPECT_EQ(line[1], QStringLiteral("1"));
            EXPECT_EQ(line[3], QStringLiteral("1"));
            const int last = line[2].toInt();
            ASSERT_GE(last, 1);
            int transfers = 0;
            for (int nr = 1; nr <= last; ++nr) {
                const QString name = QStringLiteral("Paczka%1%2_%3.dta").arg(today.year()).arg(two(month), two(nr));
                const QString path = m.folder + QStringLiteral("/Paczki/") + name;
                const QList<QStringList> recs = records(path, 27);
                ASSERT_FALSE(recs.isEmpty()) << name.toStdString();
                const bool open = month == today.month() && nr == last;
                // An open package holds a record a line, an exported one a value a line.
                QFile file(path);
                ASSERT_TRUE(file.open(QIODevice::ReadOnly));
                EXPECT_EQ(file.readAll().count("\r\n"), recs.size() * (open ? 1 : 27));
                for (qsizetype i = 0; i < recs.size(); ++i) {
                    const QStringList& t = recs[i];
                    EXPECT_EQ(t[19], two(nr));
                    EXPECT_EQ(t[20], QString::number(i + 1));
                    EXPECT_EQ(t[23], open ? QStringLiteral("Otwarta") : QStringLiteral("Zamknieta"));
                    EXPECT_EQ(t[2].size(), 26);
                    EXPECT_EQ(t[10].left(7), QStringLiteral("%1-%2").arg(today.year()).arg(two(month)));
                    if (!t[18].isEmpty()) {
                        EXPECT_TRUE(naglowki.contains(t[18])) << t[18].toStdString();
                        if (open)
                            inOpenPackage.insert(t[18]);
                        else
                            paidThrough.insert(t[18], two(nr));
                    }
                }
                transfers += static_cast<int>(recs.size());
                ++packages;
                if (open)
                    continue;
                closedRecords += static_cast<int>(recs.size());
                // The export file of a closed package: one 15-field line a transfer.
                const QString exportPath = QStringLiteral("%1/DoECorponet/%2%3%4_%5.TXT")
                                               .arg(m.folder, skrot).arg(today.year()).arg(two(month), two(nr));
                const FileText e = readTextFile(exportPath);
                ASSERT_TRUE(e.ok) << e.error.toStdString();
                EXPECT_EQ(e.text.count(QStringLiteral("\r\n")), recs.size());
                QuoteReader reader(e.text);
                EXPECT_EQ(reader.readAll().size(), recs.size() * 15);
            }
            EXPECT_EQ(line[4], QString::number(transfers));
        }
        EXPECT_EQ(m.summary.paczki, packages);

        // Payment marks of the invoices agree with the closed packages.
        int cashCount = 0;
        int partCount = 0;
        int packageCount = 0;
        for (auto it = naglowki.cbegin(); it != naglowki.cend(); ++it) {
            const QString mark = it.value()[0];
            if (it.value()[17].startsWith(QLatin1Char('G'), Qt::CaseInsensitive)) {
                EXPECT_TRUE(mark.isEmpty()) << it.key().toStdString();
                ++cashCount;
            }
            if (mark.left(2).trimmed().toInt() > 0) {
                EXPECT_EQ(paidThrough.value(it.key()), mark.left(2)) << it.key().toStdString();
                ++packageCount;
            } else {
                EXPECT_FALSE(paidThrough.contains(it.key())) << it.key().toStdString();
                if (!mark.isEmpty()) {
                    EXPECT_GT(mark.mid(2, 10).trimmed().remove(QLatin1Char(',')).toInt(), 0) << mark.toStdString();
                    ++partCount;
                }
            }
            if (inOpenPackage.contains(it.key())) {
                EXPECT_TRUE(mark.isEmpty()) << it.key().toStdString();
            }
        }
        if (today.month() >= 4) {
            EXPECT_GT(cashCount, 0);
            EXPECT_GT(partCount, 0);
            EXPECT_GT(packageCount, 0);
        }

        // Sent transfers: closed records in date order, this year's equal to
        // the closed packages.
        const QList<QStringList> sent = records(m.folder + QLatin1Char('/') + skrot + QStringLiteral(".dat"), 27);
        EXPECT_EQ(sent.size(), m.summary.przelewyWyslane);
        EXPECT_GE(sent.size(), 250);
        EXPECT_LE(sent.size(), 350);
        int thisYear = 0;
        QString previous;
        for (const QStringList& t : sent) {
            EXPECT_EQ(t[23], QStringLiteral("Zamknieta"));
            EXPECT_EQ(t[24], QStringLiteral("110"));
            EXPECT_LE(previous, t[10]);
            EXPECT_LE(t[10], today.toString(Qt::ISODate));
            previous = t[10];
            if (t[10].startsWith(QString::number(today.year())))
                ++thisYear;
        }
        EXPECT_EQ(thisYear, closedRecords);

        // Every file: CR LF line ends only, no character lost to "?".
        QDirIterator files(m.folder, QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QString path = files.next();
            QFile f(path);
            ASSERT_TRUE(f.open(QIODevice::ReadOnly));
            const QByteArray bytes = f.readAll();
            EXPECT_TRUE(bytes.endsWith("\r\n")) << path.toStdString();
            EXPECT_EQ(bytes.count("\n"), bytes.count("\r\n")) << path.toStdString();
            EXPECT_EQ(bytes.count("\r"), bytes.count("\r\n")) << path.toStdString();
            EXPECT_FALSE(bytes.contains('?')) << path.toStdString();
        }
    }
}

// Polish letters are written as single Windows-1250 bytes.
TEST(DemoData, PolishLettersAreWindows1250OnDisk)
{
    Made m(QDate(2025, 6, 17));
    ASSERT_TRUE(m.ok) << m.error.toStdString();
    QFile f(m.folder + QStringLiteral("/kontrah.dta"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    EXPECT_TRUE(bytes.startsWith("1\r\n\"Zak\xB3" "ad Ubezpiecze\xF1 Spo\xB3" "ecznych\"\r\n"));
    EXPECT_FALSE(bytes.contains("\xC5\x82"));  // no UTF-8 "ł"
}

TEST(DemoData, SameSeedSameFiles)
{
    const QDate day(2025, 9, 3);
    Made a(day, 42);
    Made b(day, 42);
    Made c(day, 43);
    ASSERT_TRUE(a.ok && b.ok && c.ok);
    const QMap<QString, QByteArray> filesA = snapshot(a.folder);
    EXPECT_EQ(filesA, snapshot(b.folder));
    const QMap<QString, QByteArray> filesC = snapshot(c.folder);
    EXPECT_NE(filesA.value(QStringLiteral("kontrah.dta")), filesC.value(QStringLiteral("kontrah.dta")));
}

// The generator never writes over somebody's data.
TEST(DemoData, RefusesAFolderThatIsNotEmpty)
{
    TempFolder dir;
    dir.writeBytes(QStringLiteral("kontrah.dta"), QByteArray("1\r\n\"Moje\"\r\n"));
    QString error;
    EXPECT_FALSE(writeDemoData(dir.path(), DemoOptions{}, &error));
    EXPECT_TRUE(error.contains(dir.path())) << error.toStdString();
    EXPECT_EQ(dir.readBytes(QStringLiteral("kontrah.dta")), QByteArray("1\r\n\"Moje\"\r\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size(), 1);
}

// Last month's bank statement of the demo folder shows every kind of result
// of the reconciliation: one transfer left out, one booked with another
// amount, two debits made in the bank itself.
TEST(DemoData, BankStatementOfLastMonthShowsEachResult)
{
    for (const QDate& today : {QDate(2026, 12, 10), QDate(2026, 1, 5)}) {
        SCOPED_TRACE(today.toString(Qt::ISODate).toStdString());
        Made m(today);
        ASSERT_TRUE(m.ok) << m.error.toStdString();
        const QDate miesiac = QDate(today.year(), today.month(), 1).addMonths(-1);
        const QString plik = m.folder + QStringLiteral("/Bank/WYCIAG_") + miesiac.toString(QStringLiteral("yyyyMM"))
                             + QStringLiteral(".sta");
        const remitto::Uzgodnienie u = remitto::uzgodnijWyciagi(
            {plik}, {m.folder + QLatin1Char('/') + demoSkrotFirmy() + QStringLiteral(".dat"), remitto::kUkladPrzelewu},
            m.folder, today.toString(Qt::ISODate));
        ASSERT_TRUE(u.ok) << u.blad.toStdString();
        std::array<int, 4> ile{};
        for (const remitto::WynikUzgodnienia& w : u.wyniki)
            ++ile[size_t(w.rodzaj)];
        EXPECT_GT(ile[0], 5);
        EXPECT_EQ(ile[1], 1);
        EXPECT_EQ(ile[2], 2);
        EXPECT_EQ(ile[3], 1);
    }
}
