#include "Wzorce.h"

#include "TempFolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <gtest/gtest.h>

namespace remitto::test {

namespace {

QString folderFormatu(const QString& format) { return QStringLiteral(REMITTO_TEST_DATA "/") + format; }

// Every file under a folder (relative path -> bytes).
QMap<QString, QByteArray> pliki(const QString& folder)
{
    QMap<QString, QByteArray> wynik;
    const QDir baza(folder);
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString sciezka = it.next();
        QFile f(sciezka);
        if (f.open(QIODevice::ReadOnly))
            wynik.insert(baza.relativeFilePath(sciezka), f.readAll());
    }
    return wynik;
}

bool zapisz(const QString& sciezka, const QByteArray& bajty)
{
    QDir().mkpath(QFileInfo(sciezka).absolutePath());
    QFile f(sciezka);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bajty) == bajty.size();
}

qsizetype pierwszaRoznica(const QByteArray& a, const QByteArray& b)
{
    const qsizetype n = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i)
        if (a[i] != b[i])
            return i;
    return n;
}

} // namespace

QStringList przypadkiWzorca(const QString& format)
{
    return QDir(folderFormatu(format)).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}

void sprawdzWzorzec(const QString& format, const QString& nazwa, const std::function<void(const Wzorzec&)>& dzialanie)
{
    SCOPED_TRACE((format + QLatin1Char('/') + nazwa).toStdString());
    const QString przypadek = folderFormatu(format) + QLatin1Char('/') + nazwa;
    TempFolder dir;
    const QMap<QString, QByteArray> wejscie = pliki(przypadek + QStringLiteral("/input"));
    for (auto it = wejscie.cbegin(); it != wejscie.cend(); ++it)
        ASSERT_TRUE(zapisz(dir.file(it.key()), it.value())) << it.key().toStdString();

    Wzorzec w{format, nazwa, dir.path(), {}};
    QFile args(przypadek + QStringLiteral("/args"));
    if (args.open(QIODevice::ReadOnly))
        w.args = QString::fromUtf8(args.readAll()).simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    dzialanie(w);

    const QMap<QString, QByteArray> wynik = pliki(dir.path());
    const QString oczekiwane = przypadek + QStringLiteral("/expected");
    if (qEnvironmentVariableIntValue("REMITTO_GOLDEN_WRITE") == 1) {
        QDir(oczekiwane).removeRecursively();
        for (auto it = wynik.cbegin(); it != wynik.cend(); ++it)
            ASSERT_TRUE(zapisz(oczekiwane + QLatin1Char('/') + it.key(), it.value())) << it.key().toStdString();
        return;
    }
    const QMap<QString, QByteArray> wzor = pliki(oczekiwane);
    EXPECT_FALSE(wzor.isEmpty()) << "no expected files: run once with REMITTO_GOLDEN_WRITE=1";
    EXPECT_EQ(wynik.keys(), wzor.keys());
    for (auto it = wzor.cbegin(); it != wzor.cend(); ++it) {
        const QByteArray jest = wynik.value(it.key());
        if (jest != it.value())
            ADD_FAILURE() << it.key().toStdString() << " differs at byte " << pierwszaRoznica(jest, it.value())
                          << "\n  written:  " << jest.toStdString() << "\n  expected: " << it.value().toStdString();
    }
}

void sprawdzWzorce(const QString& format, const std::function<void(const Wzorzec&)>& dzialanie)
{
    const QStringList przypadki = przypadkiWzorca(format);
    EXPECT_FALSE(przypadki.isEmpty()) << "no cases under tests/data/" << format.toStdString();
    for (const QString& p : przypadki)
        sprawdzWzorzec(format, p, dzialanie);
}

} // namespace remitto::test
