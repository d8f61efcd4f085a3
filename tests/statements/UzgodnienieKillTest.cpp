// An import of a statement killed part of the way: the results file holds
// either every result of the statement or none of them once the next start
// or the next import has settled the interrupted append, and importing the
// statement again afterwards gives the file a whole import gives, once.
#include "statements/Uzgodnienie.h"

#include "core/AppendJournal.h"
#include "core/Leftovers.h"
#include "core/TextFile.h"
#include "history/Historia.h"
#include "transfers/Przelew.h"

#include "KilledChild.h"
#include "WyciagiTestowe.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <iostream>

#include <unistd.h>

using namespace remitto;
using namespace remitto::test;

namespace {

const QString kDzisiaj = QStringLiteral("2026-02-10");

QString konto(int nr)
{
    return QStringLiteral("%1").arg(nr, 26, 10, QLatin1Char('4'));
}

QString kwota(int nr)
{
    return QStringLiteral("%1,%2").arg(nr % 700 + 10).arg(nr % 100, 2, 10, QLatin1Char('0'));
}

// A history of `n` transfers of January 2026 and a December statement
// imported before; January's statement books two thirds of them, one in
// fifty for another amount, so every kind of result is there and the
// import appends a few thousand results (some hundreds of kilobytes).
struct Pliki {
    QByteArray historia;
    QByteArray grudzien;  ///< statement imported before
    QByteArray styczen;   ///< the statement whose import is killed

    explicit Pliki(int n)
    {
        QString h = liniaPrzelewu(przelew(kKontoA, QStringLiteral("2025-12-10"), QStringLiteral("55,00"),
                                          QStringLiteral("FV 12/2025")));
        QList<QStringList> operacje;
        for (int i = 0; i < n; ++i) {
            const QString dzien = QStringLiteral("%1").arg(i % 25 + 1, 2, 10, QLatin1Char('0'));
            h += liniaPrzelewu(przelew(konto(i), QStringLiteral("2026-01-") + dzien, kwota(i),
                                       QStringLiteral("Faktura %1/2026").arg(i)));
            if (i % 3 == 2)
                continue;
            operacje << obciazenie(QStringLiteral("2601") + dzien + QStringLiteral("01") + dzien,
                                   i % 50 == 7 ? kwota(i + 1) : kwota(i), konto(i),
                                   QStringLiteral("Faktura %1/2026").arg(i));
        }
        operacje << obciazenie(QStringLiteral("2601150115"), QStringLiteral("12,34"), kKontoD,
                               QStringLiteral("KARTA"));
        historia = toCp1250(h);
        auto plik = [](const QStringList& linie) {
            return toCp1250(linie.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
        };
        grudzien = plik(wyciag(QStringLiteral("00012/001"), QStringLiteral("251201"), QStringLiteral("251231"),
                               {obciazenie(QStringLiteral("2512110111"), QStringLiteral("55,00"), kKontoA,
                                           QStringLiteral("FV 12/2025"))}));
        styczen = plik(wyciag(QStringLiteral("00001/001"), QStringLiteral("260101"), QStringLiteral("260131"),
                              operacje, 1000000000));
    }
};

// A data folder on a memory file system where there is one (the kills land
// in the program's work rather than in the disk's syncs).
struct Folder {
    QTemporaryDir dir{killFolderTemplate()};
    PlikWyslanych historia{dir.filePath(QStringLiteral("FIRMA.dat")), kUkladPrzelewu};

    QString plik(const QString& nazwa) const { return dir.filePath(nazwa); }
    void zapisz(const QString& nazwa, const QByteArray& b) const
    {
        QFile f(plik(nazwa));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(f.write(b), b.size());
    }
    QByteArray czytaj(const QString& nazwa) const
    {
        QFile f(plik(nazwa));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QByteArray wyniki() const { return czytaj(QStringLiteral("Wyciagi/uzgodnienia.dat")); }
    Uzgodnienie importuj(const QString& nazwa) const
    {
        return uzgodnijWyciagi({plik(nazwa)}, historia, dir.path(), kDzisiaj);
    }
    // The folder as it is before the import under test: December imported.
    void przygotuj(const Pliki& p) const
    {
        QDir(dir.path()).removeRecursively();
        QDir().mkpath(dir.path());
        zapisz(QStringLiteral("FIRMA.dat"), p.historia);
        zapisz(QStringLiteral("grudzien.sta"), p.grudzien);
        zapisz(QStringLiteral("styczen.sta"), p.styczen);
        const Uzgodnienie u = importuj(QStringLiteral("grudzien.sta"));
        ASSERT_TRUE(u.ok) << u.blad.toStdString();
    }
};

// The results file of a whole import, and the file before it.
struct Oczekiwane {
    QByteArray przed, po;
    int nowe = 0;
};

Oczekiwane oczekiwane(const Pliki& p)
{
    Folder f;
    Oczekiwane o;
    f.przygotuj(p);
    o.przed = f.wyniki();
    const Uzgodnienie u = f.importuj(QStringLiteral("styczen.sta"));
    EXPECT_TRUE(u.ok) << u.blad.toStdString();
    o.po = f.wyniki();
    o.nowe = u.nowe;
    return o;
}

enum class Potem { Start, Import };

// After a kill: the next start (tidying the data folder) or the next import
// settles the append; the file then holds all or none of the statement's
// results, the history is untouched, and importing the statement (once more)
// leaves exactly the whole import's file.
void sprawdzPoZabiciu(const Folder& f, const Pliki& p, const Oczekiwane& o, Potem potem, int* wszystkie,
                      int* zadne)
{
    if (potem == Potem::Start) {
        EXPECT_EQ(tidyDataFolder(f.dir.path()), QStringList());
        const QByteArray w = f.wyniki();
        ASSERT_TRUE(w == o.przed || w == o.po) << "results file of " << w.size() << " bytes, expected "
                                               << o.przed.size() << " or " << o.po.size();
        ++*(w == o.po ? wszystkie : zadne);
        const Uzgodnienie u = f.importuj(QStringLiteral("styczen.sta"));
        ASSERT_TRUE(u.ok) << u.blad.toStdString();
        EXPECT_EQ(u.nowe, w == o.po ? 0 : o.nowe);
    } else {
        const Uzgodnienie u = f.importuj(QStringLiteral("styczen.sta"));
        ASSERT_TRUE(u.ok) << u.blad.toStdString();
        ASSERT_TRUE(u.nowe == 0 || u.nowe == o.nowe) << u.nowe;
        ++*(u.nowe == 0 ? wszystkie : zadne);
    }
    EXPECT_FALSE(QFile::exists(appendJournalPath(f.plik(QStringLiteral("Wyciagi/uzgodnienia.dat")))));
    ASSERT_EQ(f.wyniki(), o.po);
    const Uzgodnienie znowu = f.importuj(QStringLiteral("styczen.sta"));
    ASSERT_TRUE(znowu.ok) << znowu.blad.toStdString();
    EXPECT_EQ(znowu.nowe, 0);
    EXPECT_EQ(f.wyniki(), o.po);
    EXPECT_EQ(f.czytaj(QStringLiteral("FIRMA.dat")), p.historia);
}

} // namespace

// The write of the results stopped after a chosen byte (the file size limit
// kills the child there), as a kill or a full disk stops a long write.
TEST(UzgodnienieZabite, AnImportCutAtAnyByteOfItsResultsLeavesAllOrNone)
{
    const Pliki p(3000);
    const Oczekiwane o = oczekiwane(p);
    ASSERT_GT(o.nowe, 2000);
    const qsizetype dopisane = o.po.size() - o.przed.size();
    ASSERT_GT(dopisane, 200000);
    const struct {
        const char* nazwa;
        qsizetype ciecie;
        Potem potem;
    } przypadki[] = {
        {"before the first byte", 0, Potem::Start},
        {"after one byte", 1, Potem::Import},
        {"at a page boundary", 4096 - o.przed.size() % 4096, Potem::Start},
        {"halfway", dopisane / 2, Potem::Import},
        {"halfway, then the start", dopisane / 2 + 1, Potem::Start},
        {"one byte short", dopisane - 1, Potem::Import},
    };
    int wszystkie = 0, zadne = 0;
    for (const auto& c : przypadki) {
        SCOPED_TRACE(c.nazwa);
        Folder f;
        ASSERT_TRUE(f.dir.isValid());
        ASSERT_NO_FATAL_FAILURE(f.przygotuj(p));
        ASSERT_NO_FATAL_FAILURE(
            killedAt(rlim_t(o.przed.size() + c.ciecie), [&] { f.importuj(QStringLiteral("styczen.sta")); }));
        EXPECT_EQ(f.wyniki().size(), o.przed.size() + c.ciecie);
        sprawdzPoZabiciu(f, p, o, c.potem, &wszystkie, &zadne);
    }
    EXPECT_EQ(wszystkie, 0);
}

// Each round a child imports the statement into a fresh folder and is
// killed at a random moment: reading, matching, writing or syncing.
TEST(UzgodnienieZabite, KilledAtRandomMomentsLeavesAllOrNone)
{
    const Pliki p(3000);
    const Oczekiwane o = oczekiwane(p);
    Folder f;
    ASSERT_TRUE(f.dir.isValid());
    // The child says when it starts and when the files are read (the
    // progress before matching); the time from there to the end is what the
    // kills aim at, matching and writing the results.
    auto dzieckoImportuje = [&](KilledChild& c) {
        QElapsedTimer t;
        c.tell(0);
        const Uzgodnienie u = uzgodnijWyciagi({f.plik(QStringLiteral("styczen.sta"))}, f.historia, f.dir.path(),
                                              kDzisiaj, [&](qint64 zrobione, qint64 razem) {
                                                  if (zrobione == razem - 1) {
                                                      t.start();
                                                      c.tell(1);
                                                  }
                                              });
        c.tell(u.ok ? int(t.nsecsElapsed() / 1000) + 1 : -1);
    };
    qint64 trwa = 0;
    for (int i = 0; i < 3; ++i) {
        ASSERT_NO_FATAL_FAILURE(f.przygotuj(p));
        KilledChild dziecko(dzieckoImportuje);
        ASSERT_EQ(dziecko.hear(), 0);
        ASSERT_EQ(dziecko.hear(), 1);
        const std::optional<int> us = dziecko.hear();
        ASSERT_TRUE(us && *us > 0);
        ASSERT_FALSE(dziecko.wait());
        ASSERT_EQ(f.wyniki(), o.po);
        trwa = std::max<qint64>(trwa, *us);
    }
    QRandomGenerator random(25);
    int wszystkie = 0, zadne = 0, wTrakcie = 0;
    const int rundy = 32;
    for (int runda = 0; runda < rundy; ++runda) {
        SCOPED_TRACE(runda);
        ASSERT_NO_FATAL_FAILURE(f.przygotuj(p));
        KilledChild dziecko(dzieckoImportuje);
        ASSERT_TRUE(dziecko.started());
        ASSERT_EQ(dziecko.hear(), 0);
        // Every fourth kill while the files are read, the others later.
        if (runda % 4 != 0)
            ASSERT_EQ(dziecko.hear(), 1);
        // Sleeping rather than spinning: on a busy machine a spinning parent
        // would hold back the child it waits for.
        usleep(useconds_t(random.bounded(quint32(trwa * 5 / 4 + 1))));
        dziecko.killNow();
        const bool zabity = dziecko.wait();
        std::optional<int> koniec = dziecko.hear();
        if (koniec == 1)
            koniec = dziecko.hear();
        ASSERT_TRUE(zabity || (koniec && *koniec > 1));
        if (QFile::exists(appendJournalPath(f.plik(QStringLiteral("Wyciagi/uzgodnienia.dat")))))
            ++wTrakcie;
        sprawdzPoZabiciu(f, p, o, runda % 2 == 0 ? Potem::Start : Potem::Import, &wszystkie, &zadne);
    }
    std::cout << "[          ] of " << rundy << " kills: " << wszystkie << " left every result, " << zadne
              << " none (" << wTrakcie << " inside the append)\n";
}
