// The scheduled backup: `remitto --kopia DOCELOWY [FOLDER_DANYCH]`, run as a
// timer runs it, without a display.

#include "backup/KopiaDanych.h"
#include "shell/LiniaPolecen.h"

#include "TempFolder.h"

#include <QDir>
#include <QProcess>
#include <gtest/gtest.h>

using namespace remitto;
using remitto::test::TempFolder;

namespace {

struct Przebieg {
    int kod = -1;
    QString wyjscie;
    QString bledy;
};

Przebieg uruchom(const QStringList& argumenty, const QString& biezacy)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    env.insert(QStringLiteral("HOME"), biezacy);  // nothing remembered from the user's runs
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), biezacy + QStringLiteral("/.config"));
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(biezacy);
    p.start(QStringLiteral(REMITTO_PROGRAM), argumenty);
    EXPECT_TRUE(p.waitForFinished(60000));
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

} // namespace

TEST(KopiaLiniaPolecen, BacksUpWithoutAWindowAndSaysWhereOrWhyNot)
{
    TempFolder t;
    const QString dane = t.file(QStringLiteral("dane"));
    QDir().mkpath(dane + QStringLiteral("/Paczki"));
    t.writeText(QStringLiteral("dane/instalka.dat"), QStringLiteral("\"\",\"x\",\"L\",\"\",\"1\",\"1\",\"F-RA NR.\"\r\n"));
    t.writeText(QStringLiteral("dane/MojaFirma.txt"),
                QStringLiteral("\"1\"\r\n\"ŻURAW\"\r\n") + QStringLiteral("\"\"\r\n").repeated(14));
    t.writeText(QStringLiteral("dane/Paczki/Paczka202601_01.dta"), QStringLiteral("\"a\"\r\n"));

    // Folder given, target relative to the current folder.
    Przebieg r = uruchom({QStringLiteral("--kopia"), QStringLiteral("kopie"), dane}, t.path());
    ASSERT_EQ(r.kod, 0) << r.bledy.toStdString();
    const QString archiwum = r.wyjscie.trimmed();
    EXPECT_TRUE(archiwum.startsWith(t.path() + QStringLiteral("/kopie/Remitto_ŻURAW_"))) << archiwum.toStdString();
    EXPECT_TRUE(r.bledy.isEmpty());
    const OpisKopii opis = sprawdzKopie(archiwum);
    ASSERT_EQ(opis.wynik, WynikKopii::Zrobione) << opis.blad.toStdString();
    EXPECT_EQ(opis.pliki.size(), 3);

    // Without a folder: the current one, when it is a data folder.
    r = uruchom({QStringLiteral("--kopia"), t.file(QStringLiteral("kopie2"))}, dane);
    EXPECT_EQ(r.kod, 0) << r.bledy.toStdString();
    EXPECT_TRUE(r.wyjscie.startsWith(t.file(QStringLiteral("kopie2/Remitto_"))));

    struct Blad {
        QStringList argumenty;
        int kod;
        QString tekst;
    };
    const QList<Blad> bledy{
        {{QStringLiteral("--kopia"), dane + QStringLiteral("/kopie"), dane}, 1, QStringLiteral("leży w folderze danych")},
        {{QStringLiteral("--kopia"), t.file(QStringLiteral("k3")), t.path()}, 1, QStringLiteral("nie ma pliku instalka.dat")},
        {{QStringLiteral("--kopia")}, 2, QStringLiteral("--kopia")},
    };
    for (const Blad& b : bledy) {
        SCOPED_TRACE(b.argumenty.join(QLatin1Char(' ')).toStdString());
        r = uruchom(b.argumenty, t.path());
        EXPECT_EQ(r.kod, b.kod);
        EXPECT_TRUE(r.wyjscie.isEmpty());
        EXPECT_TRUE(r.bledy.contains(b.tekst)) << r.bledy.toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(dane + QStringLiteral("/kopie")));
    EXPECT_FALSE(QFileInfo::exists(t.file(QStringLiteral("k3"))));
}
