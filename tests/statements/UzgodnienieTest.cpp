// Reconciling statements with the sent-transfers file: each kind of result,
// a statement in two files, the same statement imported twice.
#include "statements/Uzgodnienie.h"

#include "core/Amount.h"
#include "core/TextFile.h"
#include "history/Historia.h"
#include "transfers/Przelew.h"

#include "TempFolder.h"
#include "WyciagiTestowe.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace remitto;
using remitto::test::TempFolder;
using namespace remitto::test;

namespace {

struct Dane : FolderDanych {
    Dane() : FolderDanych(kBezPaczek) { firma(QStringLiteral("FIRMA")); }

    PlikWyslanych wyslane{dir.file(QStringLiteral("FIRMA.dat")), kUkladPrzelewu};

    QString wyciagDoPliku(const QString& nazwa, const QStringList& linie) const
    {
        dir.writeBytes(nazwa, toCp1250(linie.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
        return dir.file(nazwa);
    }
    Uzgodnienie importuj(const QStringList& pliki) const
    {
        return uzgodnijWyciagi(pliki, wyslane, dir.path(), QStringLiteral("2026-02-10"));
    }
};

/// "word line record" of each result, as the command line prints them, one a line.
std::string opis(const std::vector<WynikUzgodnienia>& wyniki)
{
    QStringList l;
    for (const WynikUzgodnienia& w : wyniki)
        l << QStringLiteral("%1 %2 %3")
                 .arg(slowoUzgodnienia(w.rodzaj), w.linia ? QString::number(w.linia) : QStringLiteral("-"),
                      w.rekord >= 0 ? QString::number(w.rekord + 1) : QStringLiteral("-"));
    return l.join(QLatin1Char('\n')).toStdString();
}

std::string linie(const QStringList& l)
{
    return l.join(QLatin1Char('\n')).toStdString();
}

TEST(Uzgodnienie, EachKindOfResultAndTheRulesOfMatching)
{
    Dane d;
    d.zapiszHistorie({
        przelew(kKontoA, QStringLiteral("2026-01-05"), QStringLiteral("100,00"), QStringLiteral("FV 1/01")),  // 1 booked
        przelew(kKontoA, QStringLiteral("2026-01-06"), QStringLiteral("100,00"), QStringLiteral("FV 7/01")),  // 2 booked, title decides
        przelew(kKontoB, QStringLiteral("2026-01-10"), QStringLiteral("250,00"), QStringLiteral("Czynsz")),   // 3 other amount
        przelew(kKontoC, QStringLiteral("2026-01-12"), QStringLiteral("80,00"), QStringLiteral("Usluga")),    // 4 not booked
        przelew(kKontoC, QStringLiteral("2026-01-29"), QStringLiteral("70,00"), QStringLiteral("Koniec")),    // 5 last 3 days
        przelew(kKontoD, QStringLiteral("2026-01-13"), QStringLiteral("60,00"), QStringLiteral("Otwarta"),
                QStringLiteral("Otwarta")),                                                                   // 6 never sent
        przelew(kKontoB, QStringLiteral("2026-01-02"), QStringLiteral("40,00"), QStringLiteral("Stare")),     // 7 booked too late
    });
    const QByteArray historiaPrzed = d.dir.readBytes(QStringLiteral("FIRMA.dat"));
    const QString plik = d.wyciagDoPliku(
        QStringLiteral("styczen.sta"),
        wyciag(QStringLiteral("1"), QStringLiteral("260101"), QStringLiteral("260131"),
               {obciazenie(QStringLiteral("2601070107"), QStringLiteral("100,00"), kKontoA, QStringLiteral("Zaplata FV 7/01")),
                obciazenie(QStringLiteral("2601070107"), QStringLiteral("100,00"), kKontoA, QStringLiteral("FV 1/01"),
                           QLatin1Char('^')),
                obciazenie(QStringLiteral("2601110111"), QStringLiteral("205,00"), kKontoB, QStringLiteral("Czynsz")),
                obciazenie(QStringLiteral("2601150115"), QStringLiteral("19,99"), QString(), QStringLiteral("KARTA")),
                obciazenie(QStringLiteral("2601170117"), QStringLiteral("40,00"), kKontoB, QStringLiteral("Stare")),
                obciazenie(QStringLiteral("2601130113"), QStringLiteral("60,00"), kKontoD, QStringLiteral("Otwarta"))}));
    const Uzgodnienie u = d.importuj({plik});
    ASSERT_TRUE(u.ok) << u.blad.toStdString();
    EXPECT_EQ(opis(u.wyniki), linie(QStringList{
                                  QStringLiteral("zaksiegowany 5 2"),
                                  QStringLiteral("zaksiegowany 7 1"),
                                  QStringLiteral("inna kwota 9 3"),
                                  QStringLiteral("brak w historii 11 -"),
                                  QStringLiteral("brak w historii 13 -"),  // 15 days after the transfer
                                  QStringLiteral("brak w historii 15 -"),  // the transfer was never exported
                                  QStringLiteral("niezaksiegowany - 4"),
                                  QStringLiteral("niezaksiegowany - 7"),
                              }));
    EXPECT_EQ(u.wyniki[2].kwotaWyciagu, 20500);
    EXPECT_EQ(u.wyniki[2].kwotaRekordu, 25000);
    EXPECT_EQ(u.nowe, 8);
    EXPECT_EQ(d.dir.readBytes(QStringLiteral("FIRMA.dat")), historiaPrzed);
    // The results file reads back as written.
    const OdczytUzgodnien z = czytajUzgodnienia(plikUzgodnien(d.dir.path()));
    ASSERT_TRUE(z.ok);
    ASSERT_EQ(z.wyniki.size(), 8u);
    EXPECT_EQ(z.wyniki[2].kwotaWyciagu, 20500);
    EXPECT_EQ(z.wyniki[2].tytul, QStringLiteral("Czynsz"));
    EXPECT_EQ(z.wyniki[6].rekord, 3);
}

TEST(Uzgodnienie, AStatementInTwoFilesImportedTwiceChangesNothing)
{
    Dane d;
    d.zapiszHistorie({
        przelew(kKontoA, QStringLiteral("2026-01-05"), QStringLiteral("100,00"), QStringLiteral("FV 1")),
        przelew(kKontoB, QStringLiteral("2026-01-20"), QStringLiteral("30,00"), QStringLiteral("FV 2")),
        przelew(kKontoC, QStringLiteral("2026-01-21"), QStringLiteral("30,00"), QStringLiteral("FV 3")),
    });
    const QString czesc1 = d.wyciagDoPliku(
        QStringLiteral("a.sta"),
        wyciag(QStringLiteral("00001/001"), QStringLiteral("260101"), QStringLiteral("260115"),
               {obciazenie(QStringLiteral("2601060106"), QStringLiteral("100,00"), kKontoA, QStringLiteral("FV 1"))},
               1000000, false));
    const QString czesc2 = d.wyciagDoPliku(
        QStringLiteral("b.sta"),
        wyciag(QStringLiteral("00001/002"), QStringLiteral("260115"), QStringLiteral("260131"),
               {obciazenie(QStringLiteral("2601210121"), QStringLiteral("30,00"), kKontoB, QStringLiteral("FV 2"))},
               990000, false));
    const Uzgodnienie u = d.importuj({czesc1, czesc2});
    ASSERT_TRUE(u.ok) << u.blad.toStdString();
    const QStringList oczekiwane = {QStringLiteral("zaksiegowany 5 1"), QStringLiteral("zaksiegowany 5 2"),
                                    QStringLiteral("niezaksiegowany - 3")};
    EXPECT_EQ(opis(u.wyniki), linie(oczekiwane));
    EXPECT_EQ(u.wyniki[1].plik, czesc2);
    const QByteArray zapisane = d.dir.readBytes(QStringLiteral("Wyciagi/uzgodnienia.dat"));

    // Again, the files in the other order and one of them twice.
    const Uzgodnienie znowu = d.importuj({czesc2, czesc1, czesc2});
    ASSERT_TRUE(znowu.ok) << znowu.blad.toStdString();
    EXPECT_EQ(znowu.nowe, 0);
    EXPECT_EQ(d.dir.readBytes(QStringLiteral("Wyciagi/uzgodnienia.dat")), zapisane);
    EXPECT_EQ(opis(znowu.wyniki),
              linie(QStringList{QStringLiteral("zaksiegowany 5 2"), QStringLiteral("niezaksiegowany - 3"),
                           QStringLiteral("zaksiegowany 5 1")}));

    // A later statement that books the transfer left open finds it; the ones
    // booked before are not matched again.
    const QString luty = d.wyciagDoPliku(
        QStringLiteral("c.sta"),
        wyciag(QStringLiteral("00002/001"), QStringLiteral("260201"), QStringLiteral("260228"),
               {obciazenie(QStringLiteral("2602020202"), QStringLiteral("30,00"), kKontoC, QStringLiteral("FV 3")),
                obciazenie(QStringLiteral("2602020202"), QStringLiteral("100,00"), kKontoA, QStringLiteral("FV 1"))}));
    const Uzgodnienie trzeci = d.importuj({luty});
    ASSERT_TRUE(trzeci.ok) << trzeci.blad.toStdString();
    EXPECT_EQ(opis(trzeci.wyniki), linie(QStringList{QStringLiteral("zaksiegowany 5 3"),
                                                QStringLiteral("brak w historii 7 -")}));
}

TEST(Uzgodnienie, ADamagedStatementOrResultsFileWritesNothing)
{
    Dane d;
    d.zapiszHistorie({przelew(kKontoA, QStringLiteral("2026-01-05"), QStringLiteral("100,00"), QStringLiteral("FV 1"))});
    const QString dobry = d.wyciagDoPliku(
        QStringLiteral("dobry.sta"),
        wyciag(QStringLiteral("1"), QStringLiteral("260101"), QStringLiteral("260131"),
               {obciazenie(QStringLiteral("2601060106"), QStringLiteral("100,00"), kKontoA, QStringLiteral("FV 1"))}));
    QStringList uciety = wyciag(QStringLiteral("2"), QStringLiteral("260201"), QStringLiteral("260228"), {});
    uciety.removeLast();
    uciety.removeLast();
    const QString zly = d.wyciagDoPliku(QStringLiteral("zly.sta"), uciety);
    const Uzgodnienie u = d.importuj({dobry, zly});
    EXPECT_FALSE(u.ok);
    EXPECT_TRUE(u.blad.contains(zly)) << u.blad.toStdString();
    EXPECT_FALSE(d.dir.exists(QStringLiteral("Wyciagi/uzgodnienia.dat")));

    d.dir.writeText(QStringLiteral("Wyciagi/uzgodnienia.dat"), QStringLiteral("\"a\",1,\"zaksiegowany\"\r\n"));
    const Uzgodnienie v = d.importuj({dobry});
    EXPECT_FALSE(v.ok);
    EXPECT_TRUE(v.blad.contains(QStringLiteral("uzgodnienia.dat"))) << v.blad.toStdString();
    EXPECT_EQ(d.dir.readText(QStringLiteral("Wyciagi/uzgodnienia.dat")), QStringLiteral("\"a\",1,\"zaksiegowany\"\r\n"));
}

} // namespace

#include "shell/LiniaPolecen.h"
#include "shell/MojaFirma.h"
#include "statements/UzgodnienieBezOkna.h"

namespace {

TEST(UzgodnienieBezOkna, PrintsOneTabSeparatedLinePerResultAndFailsOnADamagedFile)
{
    const LiniaPolecen l = rozbierzLiniePolecen(
        {QStringLiteral("remitto"), QStringLiteral("--uzgodnij"), QStringLiteral("w.sta"), QStringLiteral("/dane")});
    EXPECT_EQ(l.polecenie, Polecenie::Uzgodnij);
    EXPECT_EQ(l.wyciag, QStringLiteral("w.sta"));
    EXPECT_EQ(l.folder, QStringLiteral("/dane"));
    const LiniaPolecen bez = rozbierzLiniePolecen({QStringLiteral("remitto"), QStringLiteral("--uzgodnij")});
    EXPECT_EQ(bez.polecenie, Polecenie::Blad);
    EXPECT_TRUE(bez.tekst.startsWith(QStringLiteral("Po --uzgodnij podaj plik wyciągu (MT940).")))
        << bez.tekst.toStdString();

    Dane d;
    Firma f;
    f.nrId = QStringLiteral("1");
    f.skrot = QStringLiteral("FIRMA");
    ASSERT_TRUE(writeMojaFirma(d.dir.file(kPlikMojaFirma), {f}));
    d.zapiszHistorie({przelew(kKontoA, QStringLiteral("2026-01-05"), QStringLiteral("100,00"), QStringLiteral("FV 1")),
                      przelew(kKontoB, QStringLiteral("2026-01-06"), QStringLiteral("5,00"), QStringLiteral("FV 2"))});
    const QString plik = d.wyciagDoPliku(
        QStringLiteral("w.sta"),
        wyciag(QStringLiteral("1"), QStringLiteral("260101"), QStringLiteral("260131"),
               {obciazenie(QStringLiteral("2601060106"), QStringLiteral("100,00"), kKontoA, QStringLiteral("FV 1")),
                obciazenie(QStringLiteral("2601070107"), QStringLiteral("3,50"), QString(), QStringLiteral("KARTA"))}));
    const QString oczekiwane = QStringLiteral("zaksiegowany\t5\t1\nbrak w historii\t7\t-\nniezaksiegowany\t-\t2\n");
    for (int raz = 0; raz < 2; ++raz) {
        const WynikBezOkna w = uzgodnijBezOkna(plik, d.dir.path(), QDate(2026, 2, 10));
        EXPECT_EQ(w.kod, 0) << w.bledy.toStdString();
        EXPECT_EQ(w.wyjscie.toStdString(), oczekiwane.toStdString());
    }
    EXPECT_EQ(czytajUzgodnienia(plikUzgodnien(d.dir.path())).wyniki.size(), 3u);

    d.dir.writeBytes(QStringLiteral("zly.sta"), QByteArray(":20:X\r\n:25:1\r\n:60F:C260101PLN1,00\r\n:61:26013"));
    const WynikBezOkna zly = uzgodnijBezOkna(d.dir.file(QStringLiteral("zly.sta")), d.dir.path(), QDate(2026, 2, 10));
    EXPECT_NE(zly.kod, 0);
    EXPECT_TRUE(zly.wyjscie.isEmpty());
    EXPECT_TRUE(zly.bledy.startsWith(QStringLiteral("Plik wyciągu %1, wiersz 4:").arg(d.dir.file(QStringLiteral("zly.sta")))))
        << zly.bledy.toStdString();
}

} // namespace

#include "history/PlikHistorii.h"

namespace {

// Results name their record by a fingerprint of its values: after a record
// before it is deleted, or the file is saved as UTF-8 by another tool, the
// history still finds what the statement said of each record.
TEST(Uzgodnienie, ResultsFindTheirRecordsAfterTheFileChanged)
{
    Dane d;
    const QList<Przelew> lista = {
        przelew(kKontoA, QStringLiteral("2025-12-01"), QStringLiteral("1,00"), QStringLiteral("Stary")),
        przelew(kKontoA, QStringLiteral("2026-01-05"), QStringLiteral("100,00"), QStringLiteral("FV Łódź")),
        przelew(kKontoB, QStringLiteral("2026-01-10"), QStringLiteral("80,00"), QStringLiteral("FV 2")),
    };
    d.zapiszHistorie(lista);
    const QString plik = d.wyciagDoPliku(
        QStringLiteral("w.sta"),
        wyciag(QStringLiteral("1"), QStringLiteral("260101"), QStringLiteral("260131"),
               {obciazenie(QStringLiteral("2601060106"), QStringLiteral("100,00"), kKontoA, QStringLiteral("FV"))}));
    ASSERT_TRUE(d.importuj({plik}).ok);
    const OdczytUzgodnien z = czytajUzgodnienia(plikUzgodnien(d.dir.path()));
    ASSERT_TRUE(z.ok);

    const PlikHistorii przed = PlikHistorii::wczytaj(d.wyslane.sciezka, kUkladPrzelewu);
    EXPECT_EQ(stanyRekordow(przed, z.wyniki), (std::vector<qint8>{-1, 0, 3}));

    // The first record gone and the rest saved as UTF-8, one value per line.
    QString t;
    for (int i = 1; i < lista.size(); ++i)
        t += wartosciPrzelewuWLiniach(lista[i]);
    d.dir.writeBytes(QStringLiteral("FIRMA.dat"), t.toUtf8());
    const PlikHistorii po = PlikHistorii::wczytaj(d.wyslane.sciezka, kUkladPrzelewu);
    ASSERT_TRUE(po.utf8());
    EXPECT_EQ(stanyRekordow(po, z.wyniki), (std::vector<qint8>{0, 3}));
    // The same statement again names the records where they are now.
    const Uzgodnienie znowu = d.importuj({plik});
    ASSERT_TRUE(znowu.ok);
    EXPECT_EQ(opis(znowu.wyniki), linie({QStringLiteral("zaksiegowany 5 1"), QStringLiteral("niezaksiegowany - 2")}));
}

} // namespace

namespace {

// A bank that starts its numbers again every year and keeps one reference:
// next year's statement is a new one, not the old one imported again.
TEST(Uzgodnienie, SameReferenceAndNumberAnotherYearIsANewStatement)
{
    Dane d;
    d.zapiszHistorie({przelew(kKontoA, QStringLiteral("2025-01-05"), QStringLiteral("100,00"), QStringLiteral("FV 1")),
                      przelew(kKontoA, QStringLiteral("2026-01-05"), QStringLiteral("100,00"), QStringLiteral("FV 1"))});
    const QString r2025 = d.wyciagDoPliku(
        QStringLiteral("a.sta"),
        wyciag(QStringLiteral("1"), QStringLiteral("250101"), QStringLiteral("250131"),
               {obciazenie(QStringLiteral("2501060106"), QStringLiteral("100,00"), kKontoA, QStringLiteral("FV 1"))}));
    const QString r2026 = d.wyciagDoPliku(
        QStringLiteral("b.sta"),
        wyciag(QStringLiteral("1"), QStringLiteral("260101"), QStringLiteral("260131"),
               {obciazenie(QStringLiteral("2601060106"), QStringLiteral("100,00"), kKontoA, QStringLiteral("FV 1"))}));
    ASSERT_TRUE(d.importuj({r2025}).ok);
    const Uzgodnienie u = d.importuj({r2026});
    ASSERT_TRUE(u.ok) << u.blad.toStdString();
    EXPECT_EQ(u.nowe, 1);
    EXPECT_EQ(opis(u.wyniki), linie({QStringLiteral("zaksiegowany 5 2")}));
}

} // namespace
