// The yearly archive moves records between two files: whatever moment stops
// it, every record ends up exactly once in the sent-transfers file or the
// archive, at once or after the next opening of the history or the next run.
#include "history/Historia.h"
#include "history/frmHistoria.h"

#include "core/Append.h"
#include "core/Session.h"
#include "core/TextFile.h"
#include "transfers/Przelew.h"
#include "ui/Grid.h"

#include "Budowa.h"
#include "FullDisk.h"
#include "KilledChild.h"
#include "ScriptedDialogs.h"
#include "TempFolder.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>

using namespace remitto;
using namespace remitto::test;

namespace {

constexpr int kRok = 2025;

// The gross amount of record `nr`, in grosze.
qint64 grosze(int nr)
{
    return (nr % 900 + 1) * 100 + nr % 100;
}

Przelew przelew(int nr, int rok, const QString& skrot = QStringLiteral("K"))
{
    return BudowaPrzelewu::wyslany()
                    .nazwa(QStringLiteral("Żurawie i dźwigi nr %1").arg(nr))
                    .konto(QStringLiteral("%1").arg(nr, 26, 10, QLatin1Char('7')))
                    .brutto(QStringLiteral("%1,%2").arg(grosze(nr) / 100).arg(grosze(nr) % 100, 2, 10, QLatin1Char('0')))
                    .tytul(QStringLiteral("Faktura %1/%2").arg(nr).arg(rok))
                    .data(QStringLiteral("%1-%2-%3")
                              .arg(rok)
                              .arg(nr % 12 + 1, 2, 10, QLatin1Char('0'))
                              .arg(nr % 28 + 1, 2, 10, QLatin1Char('0')))
                    .skrot(skrot + QString::number(nr % 50))
                    .paczka(QStringLiteral("01"))
                    .pozycja(nr)
                    .status(kZamknieta);
}

// A record's bytes: most on one line, every fifth one value per line, as
// the export and a rewritten package leave them.
QByteArray bajty(const Przelew& p, int nr)
{
    return toCp1250(nr % 5 == 4 ? wartosciPrzelewuWLiniach(p) : liniaPrzelewu(p));
}

// A history of `n` records over three years, the archived year in the
// middle with records of its neighbours among its own, and an archive that
// already holds three records of the year; plus the two files as the
// archive must leave them.
struct Dane {
    QByteArray historia, archiwum;
    QByteArray historiaPo, archiwumPo;
    int roku = 0;     ///< records of the year in the archive afterwards
    qint64 suma = 0;  ///< their gross total, in grosze
};

Dane dane(int n)
{
    Dane d;
    for (int i = 0; i < 3; ++i) {
        const Przelew p = przelew(900000 + i, kRok, QStringLiteral("STARY"));
        d.archiwum += bajty(p, i);
        d.suma += grosze(900000 + i);
    }
    d.archiwumPo = d.archiwum;
    d.roku = 3;
    for (int i = 0; i < n; ++i) {
        int rok = i < n / 3 ? 2024 : i < 2 * n / 3 ? kRok : 2026;
        if (rok == kRok && i % 7 == 0)
            rok = i % 2 ? 2024 : 2026;
        const QByteArray b = bajty(przelew(i, rok), i);
        d.historia += b;
        if (rok == kRok) {
            d.archiwumPo += b;
            d.suma += grosze(i);
            ++d.roku;
        } else {
            d.historiaPo += b;
        }
    }
    return d;
}

struct Folder {
    explicit Folder(const QString& w = {})
        : dir(w.isEmpty() ? QDir::tempPath() + QStringLiteral("/remitto-XXXXXX") : w)
    {
    }
    QString plik(const char* nazwa) const { return dir.filePath(QString::fromLatin1(nazwa)); }
    PlikWyslanych historia() const { return {plik("ABC.dat"), kUkladPrzelewu}; }
    QString archiwum() const { return plik("ABC2025.arh"); }
    QString dziennik() const { return plik("ABC.jrn"); }
    QByteArray czytaj(const char* nazwa) const
    {
        QFile f(plik(nazwa));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(brak)");
    }
    void zapisz(const char* nazwa, const QByteArray& b) const
    {
        QFile f(plik(nazwa));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(f.write(b), b.size());
    }
    void zapisz(const Dane& d) const
    {
        QDir(dir.path()).removeRecursively();
        QDir().mkpath(dir.path());
        zapisz("ABC.dat", d.historia);
        zapisz("ABC2025.arh", d.archiwum);
    }

    QTemporaryDir dir;
};

// The window opened on the folder as the next start of the program opens it.
struct Okno {
    explicit Okno(const Folder& f)
    {
        s.SciezkaProgramu = f.dir.path();
        s.SkrotFirmy = QStringLiteral("ABC");
        s.DataDzis = QStringLiteral("10-12-2026");
        s.DataDzisKlucz = QStringLiteral("20261210");
    }
    template <typename W = QLineEdit>
    W* w(const char* nazwa)
    {
        return okno.findChild<W*>(QString::fromUtf8(nazwa));
    }
    void kliknij(const char* nazwa) { QTest::mouseClick(w<QPushButton>(nazwa), Qt::LeftButton); }

    Session s;
    ScriptedDialogs d;
    frmHistoria okno{s, d};
};

// The archived year as the window shows it: its rows and its total.
void sprawdzPodglad(const Folder& f, const Dane& d)
{
    Okno o(f);
    o.okno.otworz();
    o.w("txtROKA")->setText(QStringLiteral("2025"));
    o.kliknij("cmdPodgladRoku");
    EXPECT_EQ(o.w<Grid>("MSFlexGrid1")->rowCount() - 1, d.roku);
    EXPECT_EQ(o.w<QLabel>("LbKwotaRazem")->text(), kwotaGrupowana(d.suma));
}

struct Zatrzymanie {};

} // namespace

TEST(ArchiwumRoku, MovesTheYearAndKeepsEveryOtherByteAsItWas)
{
    const Dane d = dane(60);
    Folder f;
    f.zapisz(d);
    WynikOperacji w = archiwizujRok(f.historia(), f.archiwum(), kRok, false);
    ASSERT_EQ(w.wynik, WynikHistorii::Zrobione) << w.blad.toStdString();
    EXPECT_EQ(w.przeniesione, d.roku - 3);
    EXPECT_EQ(f.czytaj("ABC.dat"), d.historiaPo);
    EXPECT_EQ(f.czytaj("ABC2025.arh"), d.archiwumPo);
    EXPECT_FALSE(QFile::exists(f.dziennik()));
    sprawdzPodglad(f, d);

    // The oldest year leads the file: the rest is written as it stands; a
    // file saved as UTF-8 by another tool comes back in Windows-1250.
    for (const bool utf8 : {false, true}) {
        SCOPED_TRACE(utf8 ? "UTF-8" : "Windows-1250");
        f.zapisz(d);
        if (utf8)
            f.zapisz("ABC.dat", fromCp1250(d.historia).toUtf8());
        w = archiwizujRok(f.historia(), f.plik("ABC2024.arh"), 2024, false);
        ASSERT_EQ(w.wynik, WynikHistorii::Zrobione);
        QByteArray zostaja, archiwum;
        const PlikHistorii p = PlikHistorii::zBajtow(d.historia, kUkladPrzelewu);
        for (int r = 0; r < p.liczbaRekordow(); ++r)
            (p.kluczDaty(r) / 10000 == 2024 ? archiwum : zostaja) += p.rekordDoZapisu(r);
        EXPECT_EQ(f.czytaj("ABC.dat"), zostaja);
        EXPECT_EQ(f.czytaj("ABC2024.arh"), archiwum);
    }
}

// The progress reports fall between the steps of the run. Stopped at each
// of them (and before the first), the files hold every record once, or the
// journal finishes the run: on the next opening of the history, or on the
// next run of the archive.
TEST(ArchiwumRoku, StoppedAtAnyStepItIsFinishedOrUndoneWhole)
{
    const Dane d = dane(300);
    int kroki = 0;
    {
        Folder f;
        f.zapisz(d);
        archiwizujRok(f.historia(), f.archiwum(), kRok, false, [&](qint64, qint64) { ++kroki; });
    }
    ASSERT_GE(kroki, 4);
    for (int stop = 1; stop <= kroki; ++stop) {
        for (const bool okno : {true, false}) {
            SCOPED_TRACE(testing::Message() << "stopped at report " << stop << (okno ? ", window" : ", next run"));
            Folder f;
            f.zapisz(d);
            int raport = 0;
            try {
                archiwizujRok(f.historia(), f.archiwum(), kRok, false, [&](qint64, qint64) {
                    if (++raport == stop)
                        throw Zatrzymanie{};
                });
            } catch (const Zatrzymanie&) {
            }
            const QByteArray h = f.czytaj("ABC.dat");
            const QByteArray a = f.czytaj("ABC2025.arh");
            const bool przed = h == d.historia && a == d.archiwum;
            const bool po = h == d.historiaPo && a == d.archiwumPo;
            // Without a journal the files are whole already.
            if (!QFile::exists(f.dziennik())) {
                ASSERT_TRUE(przed || po);
            }
            if (okno) {
                Okno o(f);
                o.okno.otworz();
                EXPECT_FALSE(QFile::exists(f.dziennik()));
                const QByteArray h2 = f.czytaj("ABC.dat");
                const QByteArray a2 = f.czytaj("ABC2025.arh");
                ASSERT_TRUE((h2 == d.historia && a2 == d.archiwum) || (h2 == d.historiaPo && a2 == d.archiwumPo));
                if (h2 != h) {
                    EXPECT_EQ(o.d.shown().last().text,
                              QStringLiteral("Dokończono przerwaną archiwizację roku 2025: przeniesiono do archiwum "
                                             "przelewów: %1.")
                                  .arg(d.roku - 3));
                }
                // The list shows what is left.
                const int lista = o.w<Grid>("MSFlexGrid1")->rowCount() - 1;
                EXPECT_EQ(lista, PlikHistorii::zBajtow(h2, kUkladPrzelewu).liczbaRekordow());
            }
            const WynikOperacji w = archiwizujRok(f.historia(), f.archiwum(), kRok, false);
            ASSERT_EQ(w.wynik, WynikHistorii::Zrobione) << w.blad.toStdString();
            EXPECT_EQ(f.czytaj("ABC.dat"), d.historiaPo);
            EXPECT_EQ(f.czytaj("ABC2025.arh"), d.archiwumPo);
            EXPECT_FALSE(QFile::exists(f.dziennik()));
        }
    }
}

// Each round a child archives the year of a fresh folder and is killed at a
// random moment of the run: inside a write as well as between the steps.
// Right after the kill the archive is never torn, and without a journal the
// two files are whole; after the next opening of the history (half the
// rounds) or the next run of the archive every record is there exactly once,
// and the archived year's list and total are the year's.
TEST(ArchiwumRoku, KilledAtRandomMomentsLosesAndDoublesNothing)
{
    const Dane d = dane(6000);
    Folder f(test::killFolderTemplate());
    // How long a whole run takes in a child (its first touches of memory
    // cost more than the parent's).
    auto dzieckoArchiwizuje = [&](KilledChild& c) {
        QElapsedTimer t;
        t.start();
        c.tell(0);
        const WynikOperacji w = archiwizujRok(f.historia(), f.archiwum(), kRok, false);
        c.tell(w.wynik == WynikHistorii::Zrobione ? int(t.nsecsElapsed() / 1000) + 1 : -1);
    };
    qint64 trwa = 0;
    for (int i = 0; i < 5; ++i) {
        f.zapisz(d);
        KilledChild dziecko(dzieckoArchiwizuje);
        ASSERT_EQ(dziecko.hear(), 0);
        const std::optional<int> us = dziecko.hear();
        ASSERT_TRUE(us && *us > 0);
        ASSERT_FALSE(dziecko.wait());
        trwa = std::max<qint64>(trwa, *us);
    }
    QRandomGenerator random(27);
    int miejsca[5] = {};
    const int rundy = 150;
    for (int runda = 0; runda < rundy; ++runda) {
        SCOPED_TRACE(runda);
        f.zapisz(d);
        KilledChild dziecko(dzieckoArchiwizuje);
        ASSERT_TRUE(dziecko.started());
        ASSERT_EQ(dziecko.hear(), 0);
        remitto::test::spin(qint64(random.bounded(quint32(trwa * 5 / 4 + 1))));
        dziecko.killNow();
        const bool zabity = dziecko.wait();
        const std::optional<int> koniec = dziecko.hear();
        ASSERT_TRUE(zabity || (koniec && *koniec > 0));

        const QByteArray h = f.czytaj("ABC.dat");
        const QByteArray a = f.czytaj("ABC2025.arh");
        EXPECT_EQ(PlikHistorii::zBajtow(a, kUkladPrzelewu).stan(), PlikHistorii::Stan::Ok);
        const bool przed = h == d.historia && a == d.archiwum;
        const bool po = h == d.historiaPo && a == d.archiwumPo;
        const bool dziennik = QFile::exists(f.dziennik());
        if (!dziennik) {
            ASSERT_TRUE(przed || po);
        }
        // Where the kill landed: before the journal, journal but no file
        // rewritten, archive rewritten (the year in both files), both
        // rewritten with the journal left, the whole run.
        const int gdzie = !dziennik ? (przed ? 0 : 4) : a == d.archiwum ? 1 : h == d.historia ? 2 : 3;
        ++miejsca[gdzie];

        if (runda % 2 == 0) {
            // The next start: the history window finishes what the journal
            // says, then the user archives the year again.
            Okno o(f);
            o.okno.otworz();
            EXPECT_FALSE(QFile::exists(f.dziennik()));
            o.w("txtROKA")->setText(QStringLiteral("2025"));
            o.d.answer(Answer::Ok);
            o.kliknij("cmdArchiwizacjaRoku");
            EXPECT_EQ(o.d.shown().last().text, QStringLiteral(" Archiwizacja Roku 2025 Wykonane "));
        } else {
            const WynikOperacji w = archiwizujRok(f.historia(), f.archiwum(), kRok, false);
            ASSERT_EQ(w.wynik, WynikHistorii::Zrobione) << w.blad.toStdString();
        }
        ASSERT_EQ(f.czytaj("ABC.dat"), d.historiaPo);
        ASSERT_EQ(f.czytaj("ABC2025.arh"), d.archiwumPo);
        EXPECT_FALSE(QFile::exists(f.dziennik()));
        if (runda % 10 == 0)
            sprawdzPodglad(f, d);
    }
    std::cout << "[          ] of " << rundy << " kills: " << miejsca[0] << " before the journal, " << miejsca[1]
              << " with the journal only, " << miejsca[2] << " with the archive rewritten, " << miejsca[3]
              << " with both files rewritten, " << miejsca[4] << " after the whole run\n";
}

// A run of an earlier version, killed after writing the archive, left the
// year's records in both files, its archive maybe cut inside a record.
TEST(ArchiwumRoku, RecordsAlreadyArchivedAreNotWrittenAgain)
{
    const Dane d = dane(60);
    Folder f;
    f.zapisz(d);
    f.zapisz("ABC2025.arh", d.archiwumPo);
    WynikOperacji w = archiwizujRok(f.historia(), f.archiwum(), kRok, false);
    ASSERT_EQ(w.wynik, WynikHistorii::Zrobione);
    EXPECT_EQ(w.przeniesione, 0);
    EXPECT_EQ(f.czytaj("ABC.dat"), d.historiaPo);
    EXPECT_EQ(f.czytaj("ABC2025.arh"), d.archiwumPo);

    // Half the year's records and a piece of the next one: the cut piece is
    // left out only once the user agrees.
    const PlikHistorii po = PlikHistorii::zBajtow(d.archiwumPo, kUkladPrzelewu);
    QByteArray pol;
    for (int r = 0; r < 3 + (d.roku - 3) / 2; ++r)
        pol += po.rekordDoZapisu(r);
    const QByteArray porwane = pol + po.rekordDoZapisu(3 + (d.roku - 3) / 2).left(40);
    f.zapisz(d);
    f.zapisz("ABC2025.arh", porwane);
    w = archiwizujRok(f.historia(), f.archiwum(), kRok, false);
    EXPECT_EQ(w.wynik, WynikHistorii::Uszkodzony);
    EXPECT_TRUE(w.blad.contains(f.archiwum())) << w.blad.toStdString();
    EXPECT_EQ(f.czytaj("ABC.dat"), d.historia);
    EXPECT_EQ(f.czytaj("ABC2025.arh"), porwane);
    w = archiwizujRok(f.historia(), f.archiwum(), kRok, true);
    ASSERT_EQ(w.wynik, WynikHistorii::Zrobione);
    EXPECT_EQ(w.przeniesione, d.roku - 3 - (d.roku - 3) / 2);
    EXPECT_EQ(f.czytaj("ABC.dat"), d.historiaPo);
    EXPECT_EQ(f.czytaj("ABC2025.arh"), d.archiwumPo);
}

// Records as another tool may leave them: two or three on one line, a
// record's last value never set (closed by the comma that starts the next
// record). Archived, every record keeps every value, in the archive and in
// the sent-transfers file. A file that ends right after a comma ends in a cut
// record, not in one with an empty last value: it is archived only once the
// user lets that tail go, and the cut record goes nowhere.
TEST(ArchiwumRoku, RecordsKeepEveryValueTheyWereReadWith)
{
    // Every value but the last quoted and followed by a comma: the file cut
    // right after the comma that announced the last value.
    auto urwany = [](const Przelew& p) {
        const QStringList v = p.wartosci();
        QString t;
        for (qsizetype i = 0; i + 1 < v.size(); ++i)
            t += QLatin1Char('"') + v[i] + QStringLiteral("\",");
        return toCp1250(t);
    };
    // The same with the last value never set, closed by the comma that
    // starts the next record on the line.
    auto bezOstatniej = [&](const Przelew& p) { return urwany(p) + ','; };
    QByteArray historia;
    for (int i = 0; i < 6; ++i) {
        const Przelew p = przelew(i, i % 2 ? kRok : 2026);
        historia += i % 3 == 2 ? toCp1250(liniaPrzelewu(p)) : bezOstatniej(p);
    }
    const PlikHistorii przed = PlikHistorii::zBajtow(historia, kUkladPrzelewu);
    ASSERT_EQ(przed.stan(), PlikHistorii::Stan::Ok) << przed.blad().toStdString();
    ASSERT_EQ(przed.liczbaRekordow(), 6);
    QList<QStringList> roku, reszta;
    for (int r = 0; r < 6; ++r)
        (przed.kluczDaty(r) / 10000 == kRok ? roku : reszta).append(przed.wartosci(r));
    ASSERT_EQ(roku.size(), 3);
    ASSERT_TRUE(przed.wartosci(0).last().isEmpty());
    auto rekordy = [](const QString& sciezka) {
        const PlikHistorii p = PlikHistorii::wczytaj(sciezka, kUkladPrzelewu);
        EXPECT_EQ(p.stan(), PlikHistorii::Stan::Ok) << p.blad().toStdString();
        QList<QStringList> w;
        for (int r = 0; r < p.liczbaRekordow(); ++r)
            w.append(p.wartosci(r));
        return w;
    };

    Folder f;
    f.zapisz("ABC.dat", historia);
    WynikOperacji w = archiwizujRok(f.historia(), f.archiwum(), kRok, false);
    ASSERT_EQ(w.wynik, WynikHistorii::Zrobione) << w.blad.toStdString();
    EXPECT_EQ(w.przeniesione, 3);
    EXPECT_EQ(rekordy(f.archiwum()), roku);
    EXPECT_EQ(rekordy(f.historia().sciezka), reszta);

    const QByteArray urwana = historia + urwany(przelew(6, kRok));
    QFile::remove(f.archiwum());
    f.zapisz("ABC.dat", urwana);
    w = archiwizujRok(f.historia(), f.archiwum(), kRok, false);
    EXPECT_EQ(w.wynik, WynikHistorii::Uszkodzony);
    EXPECT_EQ(f.czytaj("ABC.dat"), urwana);
    EXPECT_FALSE(QFile::exists(f.archiwum()));
    w = archiwizujRok(f.historia(), f.archiwum(), kRok, true);
    ASSERT_EQ(w.wynik, WynikHistorii::Zrobione) << w.blad.toStdString();
    EXPECT_EQ(rekordy(f.archiwum()), roku);
    EXPECT_EQ(rekordy(f.historia().sciezka), reszta);
}

// Records exported after a run was cut short follow the ones it was moving:
// finishing the run leaves them where they are.
TEST(ArchiwumRoku, FinishingMovesOnlyTheRecordsOfTheRunCutShort)
{
    const Dane d = dane(60);
    Folder f;
    f.zapisz(d);
    try {
        int raport = 0;
        // The third report follows the journal and the new bytes of both
        // files, before they are written.
        archiwizujRok(f.historia(), f.archiwum(), kRok, false, [&](qint64, qint64) {
            if (++raport == 3)
                throw Zatrzymanie{};
        });
    } catch (const Zatrzymanie&) {
    }
    ASSERT_TRUE(QFile::exists(f.dziennik()));
    ASSERT_EQ(f.czytaj("ABC2025.arh"), d.archiwum);
    // A kill between the two renames: the archive has its new name, the
    // sent-transfers file not yet.
    f.zapisz("ABC2025.arh", d.archiwumPo);
    const QByteArray nowy = bajty(przelew(777, kRok), 0);
    ASSERT_EQ(appendRecords(f.historia().sciezka, 27, fromCp1250(nowy)), AppendResult::Appended);

    const WynikOperacji w = dokonczArchiwizacje(f.historia());
    ASSERT_EQ(w.wynik, WynikHistorii::Zrobione);
    EXPECT_EQ(w.rok, kRok);
    EXPECT_EQ(w.przeniesione, d.roku - 3);
    EXPECT_EQ(f.czytaj("ABC.dat"), d.historiaPo + nowy);
    EXPECT_EQ(f.czytaj("ABC2025.arh"), d.archiwumPo);
    EXPECT_FALSE(QFile::exists(f.dziennik()));
    EXPECT_EQ(dokonczArchiwizacje(f.historia()).przeniesione, 0);
}

// A full disk stops the rewrite of the sent-transfers file after the
// archive's: the archive is put back, and the message says nothing changed.
TEST(ArchiwumRoku, HistoryThatCannotBeWrittenPutsTheArchiveBack)
{
    const Dane d = dane(300);
    Folder f;
    f.zapisz(d);
    WynikOperacji w;
    {
        FullDisk pelny(rlim_t(d.archiwumPo.size() + 16));
        w = archiwizujRok(f.historia(), f.archiwum(), kRok, false);
    }
    EXPECT_EQ(w.wynik, WynikHistorii::BladZapisu);
    EXPECT_TRUE(w.blad.contains(f.historia().sciezka)) << w.blad.toStdString();
    EXPECT_TRUE(w.blad.endsWith(QStringLiteral("Archiwizacja nie została wykonana, pliki są bez zmian.")));
    EXPECT_EQ(f.czytaj("ABC.dat"), d.historia);
    EXPECT_EQ(f.czytaj("ABC2025.arh"), d.archiwum);
    EXPECT_FALSE(QFile::exists(f.dziennik()));
}

// A big year shows its progress while the window archives it: the dialog
// comes up and moves forward before the run ends.
TEST(ArchiwumRoku, BigYearShowsItsProgress)
{
    const Dane d = dane(24000);
    Folder f;
    f.zapisz(d);
    Okno o(f);
    o.okno.otworz();
    o.w("txtROKA")->setText(QStringLiteral("2025"));
    QList<int> widziane;
    QTimer podglad;
    QObject::connect(&podglad, &QTimer::timeout, [&] {
        if (auto* p = o.okno.findChild<QProgressDialog*>(QStringLiteral("postepArchiwizacji")))
            if (p->isVisible() && (widziane.isEmpty() || widziane.last() != p->value()))
                widziane.append(p->value());
    });
    podglad.start(0);
    o.d.answer(Answer::Ok);
    o.kliknij("cmdArchiwizacjaRoku");
    podglad.stop();
    EXPECT_EQ(o.d.shown().last().text, QStringLiteral(" Archiwizacja Roku 2025 Wykonane "));
    EXPECT_EQ(f.czytaj("ABC.dat"), d.historiaPo);
    ASSERT_GE(widziane.size(), 4) << "progress seen: " << widziane.size();
    EXPECT_TRUE(std::is_sorted(widziane.begin(), widziane.end()));
    EXPECT_GT(widziane[widziane.size() - 2], widziane.first());
}
