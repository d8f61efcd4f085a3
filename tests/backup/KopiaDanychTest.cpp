#include "DemoData.h"

#include "backup/ArchiwumZip.h"
#include "backup/KopiaDanych.h"

#include "TempFolder.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

using namespace remitto;
using remitto::test::TempFolder;

namespace {

const QDateTime kCzas(QDate(2026, 3, 14), QTime(9, 5, 7));

/// Every file under `folder` (relative path -> bytes).
QMap<QString, QByteArray> zawartosc(const QString& folder)
{
    QMap<QString, QByteArray> m;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString p = it.next();
        QFile f(p);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << p.toStdString();
        m.insert(QDir(folder).relativeFilePath(p), f.readAll());
    }
    return m;
}

/// The demo data folder, made once (the generator syncs every file) and copied for each test.
QString folderDemo(const TempFolder& t)
{
    static QTemporaryDir wzor;
    static const bool gotowy = [] {
        demo::DemoOptions o;
        o.today = QDate(2026, 11, 20);
        QString blad;
        const bool ok = demo::writeDemoData(wzor.filePath(QStringLiteral("dane")), o, &blad);
        EXPECT_TRUE(ok) << blad.toStdString();
        return ok;
    }();
    EXPECT_TRUE(gotowy);
    const QString zrodlo = wzor.filePath(QStringLiteral("dane"));
    const QString dane = t.file(QStringLiteral("dane"));
    QDirIterator it(zrodlo, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString p = it.next();
        const QString cel = dane + QLatin1Char('/') + QDir(zrodlo).relativeFilePath(p);
        QDir().mkpath(QFileInfo(cel).absolutePath());
        EXPECT_TRUE(QFile::copy(p, cel));
    }
    // What must stay out: a backup lying there, a work file, another program's file.
    QFile::copy(dane + QStringLiteral("/instalka.dat"), dane + QStringLiteral("/Remitto_X_20250101_000000.zip"));
    QFile::copy(dane + QStringLiteral("/instalka.dat"), dane + QStringLiteral("/.kontrah.dta.Ab12Cd.tmp"));
    QFile::copy(dane + QStringLiteral("/instalka.dat"), dane + QStringLiteral("/obcy.exe"));
    QDir().mkpath(dane + QStringLiteral("/BialaLista"));
    QFile r(dane + QStringLiteral("/BialaLista/20261120.txt"));
    r.open(QIODevice::WriteOnly);
    r.write("Raport \xb1\xe6\xea\r\n");
    r.close();
    QFile::copy(dane + QStringLiteral("/instalka.dat"), dane + QStringLiteral("/ZURAWIK.jrn"));
    QDir().mkpath(dane + QStringLiteral("/Wyciagi"));
    QFile::copy(dane + QStringLiteral("/instalka.dat"), dane + QStringLiteral("/Wyciagi/uzgodnienia.dat"));
    return dane;
}

QMap<QString, QByteArray> tylkoDanych(const QString& folder)
{
    QMap<QString, QByteArray> m;
    for (const QString& p : plikiDanych(folder)) {
        QFile f(QDir(folder).filePath(p));
        f.open(QIODevice::ReadOnly);
        m.insert(p, f.readAll());
    }
    return m;
}

} // namespace

TEST(KopiaDanych, OwnedFilesOnlyAndRestoreIntoNewFolderIsByteForByteTheSame)
{
    TempFolder t;
    const QString dane = folderDemo(t);
    const QStringList pliki = plikiDanych(dane);
    EXPECT_TRUE(pliki.contains(QStringLiteral("kontrah.dta")));
    EXPECT_TRUE(pliki.contains(QStringLiteral("MojaFirma.txt")));
    EXPECT_TRUE(pliki.contains(QStringLiteral("BialaLista/20261120.txt")));
    EXPECT_TRUE(pliki.contains(QStringLiteral("ZURAWIK.jrn")));
    EXPECT_TRUE(pliki.contains(QStringLiteral("Wyciagi/uzgodnienia.dat")));
    for (const QString& p : pliki) {
        EXPECT_FALSE(p.startsWith(QStringLiteral("Kramix"))) << p.toStdString();
        EXPECT_FALSE(p.endsWith(QStringLiteral(".zip")) || p.contains(QStringLiteral(".tmp"))
                     || p.endsWith(QStringLiteral(".exe")))
            << p.toStdString();
    }

    const QString cel = t.file(QStringLiteral("kopie"));
    int zgloszen = 0;
    const WynikTworzenia k = utworzKopie(dane, cel, QStringLiteral("ZURAWIK"), kCzas, false, [&](qint64 z, qint64 n) {
        EXPECT_LE(z, n);
        ++zgloszen;
        return true;
    });
    ASSERT_EQ(k.wynik, WynikKopii::Zrobione) << k.blad.toStdString();
    EXPECT_EQ(k.archiwum, cel + QStringLiteral("/Remitto_ZURAWIK_20260314_090507.zip"));
    EXPECT_EQ(QDir(cel).entryList(QDir::Files | QDir::Hidden), QStringList{QFileInfo(k.archiwum).fileName()});
    EXPECT_EQ(k.plikow, pliki.size());
    EXPECT_GT(zgloszen, 0);

    const OpisKopii opis = sprawdzKopie(k.archiwum);
    ASSERT_EQ(opis.wynik, WynikKopii::Zrobione) << opis.blad.toStdString();
    EXPECT_EQ(opis.firma, QStringLiteral("ZURAWIK"));
    EXPECT_EQ(opis.czas, kCzas);
    EXPECT_EQ(opis.pliki.size(), pliki.size());
    const QByteArray kontrah = tylkoDanych(dane).value(QStringLiteral("kontrah.dta"));
    for (const PlikKopii& p : opis.pliki) {
        if (p.nazwa == QLatin1String("kontrah.dta")) {
            EXPECT_EQ(p.sha256, QCryptographicHash::hash(kontrah, QCryptographicHash::Sha256));
        }
    }

    const QString nowy = t.file(QStringLiteral("nowy/stan"));
    const WynikOdtworzenia o = odtworzDoNowegoFolderu(k.archiwum, nowy);
    ASSERT_EQ(o.wynik, WynikKopii::Zrobione) << o.blad.toStdString();
    EXPECT_EQ(o.plikow, pliki.size());
    EXPECT_EQ(zawartosc(nowy), tylkoDanych(dane));
}

TEST(KopiaDanych, DamagedArchiveIsRefusedAndNothingIsTouched)
{
    TempFolder t;
    const QString dane = folderDemo(t);
    const QString kopie = t.file(QStringLiteral("kopie"));
    const WynikTworzenia k = utworzKopie(dane, kopie, QString(), kCzas, false);
    ASSERT_EQ(k.wynik, WynikKopii::Zrobione) << k.blad.toStdString();
    EXPECT_TRUE(k.archiwum.endsWith(QStringLiteral("/Remitto_dane_20260314_090507.zip")));
    QFile f(k.archiwum);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray dobre = f.readAll();
    f.close();

    // An archive whose entries are whole but which puts a file outside the data folder.
    QByteArray obca;
    {
        const QString p = t.file(QStringLiteral("obca.zip"));
        const int fd = ::open(QFile::encodeName(p).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        zip::Zapis z;
        QString blad;
        bool przerwano = false;
        zip::Skrot s;
        ASSERT_TRUE(z.otworz(fd, &blad));
        ASSERT_TRUE(z.dodajPlik(QStringLiteral("../poza.dat"), dane + QStringLiteral("/instalka.dat"), {}, &s, &blad,
                                &przerwano));
        const QByteArray m = "Remitto kopia 1\ndata 2026-03-14T09:05:07\nfirma X\nplikow 1\n" + s.sha256.toHex() + ' '
                             + QByteArray::number(s.crc, 16).rightJustified(8, '0') + ' '
                             + QByteArray::number(s.rozmiar) + " ../poza.dat\n";
        ASSERT_TRUE(z.dodajDane(QLatin1String(kManifestKopii), m, &blad));
        ASSERT_TRUE(z.zamknij(&blad));
        ::close(fd);
        QFile o(p);
        o.open(QIODevice::ReadOnly);
        obca = o.readAll();
    }

    struct Przypadek {
        const char* opis;
        QByteArray bajty;
    };
    QByteArray bajt = dobre;
    bajt[bajt.size() / 2] = char(bajt[bajt.size() / 2] ^ 0x55);
    const QList<Przypadek> przypadki{
        {"one byte changed", bajt},
        {"cut in half", dobre.left(dobre.size() / 2)},
        {"empty", QByteArray()},
        {"not a zip", "Remitto kopia 1\n"},
        {"entry outside the folder", obca},
    };
    const auto przed = zawartosc(dane);
    for (const Przypadek& p : przypadki) {
        SCOPED_TRACE(p.opis);
        const QString zla = t.file(QStringLiteral("zla.zip"));
        QFile::remove(zla);
        QFile z(zla);
        ASSERT_TRUE(z.open(QIODevice::WriteOnly));
        z.write(p.bajty);
        z.close();

        const OpisKopii opis = sprawdzKopie(zla);
        EXPECT_EQ(opis.wynik, WynikKopii::Uszkodzona);
        EXPECT_TRUE(opis.blad.contains(QStringLiteral("jest uszkodzona"))) << opis.blad.toStdString();

        const QString autoKopie = t.file(QStringLiteral("auto"));
        const WynikOdtworzenia o = odtworzDoFolderuDanych(zla, dane, autoKopie, QStringLiteral("ZURAWIK"));
        EXPECT_EQ(o.wynik, WynikKopii::Uszkodzona);
        EXPECT_EQ(zawartosc(dane), przed);
        EXPECT_FALSE(QFileInfo::exists(autoKopie));

        const QString nowy = t.file(QStringLiteral("nowy"));
        EXPECT_EQ(odtworzDoNowegoFolderu(zla, nowy).wynik, WynikKopii::Uszkodzona);
        EXPECT_FALSE(QFileInfo::exists(nowy));
        EXPECT_FALSE(QFileInfo::exists(t.path() + QStringLiteral("/poza.dat")));
    }
}

TEST(KopiaDanych, StoppedBackupLeavesNothingBehind)
{
    TempFolder t;
    const QString dane = folderDemo(t);
    const QString cel = t.file(QStringLiteral("kopie"));
    // Stopped while writing, and while reading back (the second half of the bytes).
    for (const double granica : {0.0, 0.75}) {
        SCOPED_TRACE(granica);
        const WynikTworzenia k = utworzKopie(dane, cel, QStringLiteral("ZURAWIK"), kCzas, false,
                                             [&](qint64 z, qint64 n) { return z < qint64(double(n) * granica); });
        EXPECT_EQ(k.wynik, WynikKopii::Przerwano);
        EXPECT_TRUE(k.archiwum.isEmpty());
        EXPECT_EQ(QDir(cel).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
    }
}

TEST(KopiaDanych, TargetInsideTheDataFolderIsRefused)
{
    TempFolder t;
    const QString dane = folderDemo(t);
    const QString lacze = t.file(QStringLiteral("lacze"));
    ASSERT_TRUE(QFile::link(dane + QStringLiteral("/Paczki"), lacze));
    const auto przed = zawartosc(dane);
    for (const QString& cel : {dane, dane + QStringLiteral("/Paczki"), dane + QStringLiteral("/kopie/nowe"),
                               lacze + QStringLiteral("/kopie"), dane + QStringLiteral("/../dane/x")}) {
        SCOPED_TRACE(cel.toStdString());
        const WynikTworzenia k = utworzKopie(dane, cel, QStringLiteral("ZURAWIK"), kCzas, false);
        EXPECT_EQ(k.wynik, WynikKopii::CelWDanych);
        EXPECT_TRUE(k.blad.contains(QStringLiteral("leży w folderze danych"))) << k.blad.toStdString();
    }
    EXPECT_EQ(zawartosc(dane), przed);
    // A neighbour whose name starts like the data folder is outside it.
    EXPECT_FALSE(wewnatrzFolderu(dane + QStringLiteral("-kopie"), dane));
}

TEST(KopiaDanych, RestoreOverTheDataFolderBacksUpFirstAndLeavesOtherFilesAlone)
{
    TempFolder t;
    const QString dane = folderDemo(t);
    const QString kopie = t.file(QStringLiteral("kopie"));
    const WynikTworzenia k = utworzKopie(dane, kopie, QStringLiteral("ZURAWIK"), kCzas, false);
    ASSERT_EQ(k.wynik, WynikKopii::Zrobione) << k.blad.toStdString();
    const auto wtedy = tylkoDanych(dane);

    // Later work: a file changed, one removed, one new.
    QFile kontrah(dane + QStringLiteral("/kontrah.dta"));
    ASSERT_TRUE(kontrah.open(QIODevice::Append));
    kontrah.write("\"dopisany\"\r\n");
    kontrah.close();
    ASSERT_TRUE(QFile::remove(dane + QStringLiteral("/Paczki/Paczka202601_01.dta")));
    QFile nowy(dane + QStringLiteral("/Paczki/Paczka202612_03.dta"));
    ASSERT_TRUE(nowy.open(QIODevice::WriteOnly));
    nowy.write("nowa\r\n");
    nowy.close();
    const auto pozniej = tylkoDanych(dane);

    const WynikOdtworzenia o = odtworzDoFolderuDanych(k.archiwum, dane, kopie, QStringLiteral("ZURAWIK"));
    ASSERT_EQ(o.wynik, WynikKopii::Zrobione) << o.blad.toStdString();
    EXPECT_EQ(o.pozaKopia, QStringList{QStringLiteral("Paczki/Paczka202612_03.dta")});
    auto oczekiwane = wtedy;
    oczekiwane.insert(QStringLiteral("Paczki/Paczka202612_03.dta"), "nowa\r\n");
    EXPECT_EQ(tylkoDanych(dane), oczekiwane);
    EXPECT_EQ(zawartosc(dane).value(QStringLiteral("obcy.exe")), wtedy.value(QStringLiteral("instalka.dat")));

    // The automatic backup holds the state before the restore.
    EXPECT_TRUE(QFileInfo(o.kopiaAutomatyczna).fileName().endsWith(QStringLiteral("_auto.zip")));
    const QString stan = t.file(QStringLiteral("stan"));
    ASSERT_EQ(odtworzDoNowegoFolderu(o.kopiaAutomatyczna, stan).wynik, WynikKopii::Zrobione);
    EXPECT_EQ(zawartosc(stan), pozniej);

    // A restore into a folder holding anything is refused.
    EXPECT_EQ(odtworzDoNowegoFolderu(k.archiwum, dane).wynik, WynikKopii::FolderNiePusty);
}

TEST(KopiaDanych, OnlyTheNewestTenAutomaticBackupsAreKept)
{
    TempFolder t;
    const QString dane = t.file(QStringLiteral("dane"));
    QDir().mkpath(dane);
    QFile i(dane + QStringLiteral("/instalka.dat"));
    i.open(QIODevice::WriteOnly);
    i.write("\"x\"\r\n");
    i.close();
    const QString cel = t.file(QStringLiteral("kopie"));
    QDir().mkpath(cel);
    QStringList stare;
    for (int d = 1; d <= 12; ++d) {
        const QString n = QStringLiteral("Remitto_ZURAWIK_202001%1_120000_auto.zip").arg(d, 2, 10, QLatin1Char('0'));
        QFile f(cel + QLatin1Char('/') + n);
        f.open(QIODevice::WriteOnly);
        stare.append(n);
    }
    for (const char* n : {"Remitto_ZURAWIK_20190101_120000.zip", "inny_20190101_120000_auto.zip"}) {
        QFile f(cel + QLatin1Char('/') + QLatin1String(n));
        f.open(QIODevice::WriteOnly);
    }
    // A second backup within the same second gets a number and counts as the newer.
    const WynikTworzenia drugi = utworzKopie(dane, cel, QStringLiteral("ZURAWIK"),
                                             QDateTime(QDate(2020, 1, 12), QTime(12, 0)), true);
    ASSERT_EQ(drugi.wynik, WynikKopii::Zrobione) << drugi.blad.toStdString();
    EXPECT_EQ(QFileInfo(drugi.archiwum).fileName(), QStringLiteral("Remitto_ZURAWIK_20200112_120000_2_auto.zip"));
    const WynikTworzenia k = utworzKopieAutomatyczna(dane, cel, QStringLiteral("ZURAWIK"));
    ASSERT_EQ(k.wynik, WynikKopii::Zrobione) << k.blad.toStdString();
    QStringList zostaja = stare.mid(4);
    zostaja << QFileInfo(drugi.archiwum).fileName() << QFileInfo(k.archiwum).fileName()
            << QStringLiteral("Remitto_ZURAWIK_20190101_120000.zip")
            << QStringLiteral("inny_20190101_120000_auto.zip");
    zostaja.sort();
    EXPECT_EQ(QDir(cel).entryList(QDir::Files | QDir::Hidden, QDir::Name), zostaja);
}
