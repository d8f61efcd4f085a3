// "Wyciąg bankowy (MT940)..." of the Globalne menu: statement files chosen,
// reconciled with the history, the results listed in colours of their kind
// with counts and sums, the report kept in the data folder.
#include "ScriptedDialogs.h"
#include "WyciagiTestowe.h"

#include "core/Session.h"
#include "core/TextFile.h"
#include "history/Historia.h"
#include "shell/frmPrzelewA.h"
#include "statements/frmWyciag.h"
#include "ui/Grid.h"

#include <QAction>
#include <QBrush>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace remitto;
using namespace remitto::test;

namespace {

QColor tlo(const Grid* grd, int wiersz)
{
    return grd->model()->index(wiersz - 1, 0).data(Qt::BackgroundRole).value<QBrush>().color();
}

/// The company "FIRMA" on 10-02-2026: its three January transfers and
/// January's statement.
struct Folder : FolderDanych {
    ScriptedDialogs dialogs;

    Folder() : FolderDanych(kBezPaczek)
    {
        dzien(QStringLiteral("10-02-2026")).firma(QStringLiteral("FIRMA"));
        folderStartowy(dir, QStringLiteral("FIRMA"));
        s.clock.setSource([] { return QDateTime(QDate(2026, 2, 10), QTime(9, 15)); });
        zapiszHistorie({przelew(kKontoA, QStringLiteral("2026-01-05"), QStringLiteral("100,00"), QStringLiteral("FV 1")),
                        przelew(kKontoB, QStringLiteral("2026-01-10"), QStringLiteral("250,00"), QStringLiteral("Czynsz")),
                        przelew(kKontoC, QStringLiteral("2026-01-12"), QStringLiteral("80,00"), QStringLiteral("Usluga"))});
        dir.writeBytes(QStringLiteral("styczen.sta"),
                       toCp1250(wyciag(QStringLiteral("1"), QStringLiteral("260101"), QStringLiteral("260131"),
                                       {obciazenie(QStringLiteral("2601060106"), QStringLiteral("100,00"), kKontoA,
                                                   QStringLiteral("FV 1")),
                                        obciazenie(QStringLiteral("2601110111"), QStringLiteral("205,00"), kKontoB,
                                                   QStringLiteral("Czynsz")),
                                        obciazenie(QStringLiteral("2601150115"), QStringLiteral("19,99"), QString(),
                                                   QStringLiteral("KARTA"))})
                                    .join(QStringLiteral("\r\n"))));
    }
};

} // namespace

TEST(frmWyciag, MenuEntryReconcilesShowsEachResultAndKeepsTheReport)
{
    Folder f;
    frmPrzelewA glowne(f.s, f.dialogs);
    glowne.uruchom(f.dir.path());
    QAction* wpis = glowne.findChild<QAction*>(QStringLiteral("mnuWyciag"));
    ASSERT_NE(wpis, nullptr);
    EXPECT_EQ(wpis->text(), QStringLiteral("Wyciąg bankowy (MT940)..."));
    wpis->trigger();
    auto* okno = glowne.findChild<frmWyciag*>();
    ASSERT_NE(okno, nullptr);
    EXPECT_TRUE(okno->isVisible());
    okno->setWyborPlikow([&](bool zapis, const QString&) {
        return QStringList{f.dir.file(zapis ? QStringLiteral("wyciag.pdf") : QStringLiteral("styczen.sta"))};
    });

    QTest::mouseClick(okno->findChild<QPushButton*>(QStringLiteral("cmdWybierz")), Qt::LeftButton);
    QTest::mouseClick(okno->findChild<QPushButton*>(QStringLiteral("cmdUzgodnij")), Qt::LeftButton);
    EXPECT_TRUE(f.dialogs.shown().isEmpty()) << qPrintable(f.dialogs.texts().join(QLatin1Char('\n')));
    auto* grd = okno->findChild<Grid*>(QStringLiteral("grdWyniki"));
    ASSERT_EQ(grd->rowCount(), 5);
    const QStringList wyniki = {QStringLiteral("zaksiegowany"), QStringLiteral("inna kwota"),
                                QStringLiteral("brak w historii"), QStringLiteral("niezaksiegowany")};
    for (int r = 1; r <= 4; ++r)
        EXPECT_EQ(grd->text(r, 0), wyniki[r - 1]);
    EXPECT_EQ(grd->rowTexts(2), (QStringList{QStringLiteral("inna kwota"), QStringLiteral("2026-01-11"),
                                             QStringLiteral("205,00"), QStringLiteral("250,00"), kKontoB, QStringLiteral("FIRMA"),
                                             QStringLiteral("Czynsz"), QStringLiteral("7"), QStringLiteral("2")}));
    // Four kinds, four colours; the transfers not booked stand out in red.
    QList<QColor> kolory;
    for (int r = 1; r <= 4; ++r) {
        EXPECT_FALSE(kolory.contains(tlo(grd, r))) << r;
        kolory << tlo(grd, r);
    }
    EXPECT_GT(tlo(grd, 1).green(), tlo(grd, 1).red());
    EXPECT_GT(tlo(grd, 4).red(), tlo(grd, 4).green());
    EXPECT_EQ(okno->findChild<QLabel*>(QStringLiteral("lblPodsumowanie"))->text(),
              QStringLiteral("zaksiegowany: 1 (100,00 zł);  inna kwota: 1 (205,00 zł);  brak w historii: 1 (19,99 zł);  "
                             "niezaksiegowany: 1 (80,00 zł)"));

    const QString raport = f.dir.readText(QStringLiteral("Wyciagi/20260131_REF1.txt"));
    EXPECT_TRUE(raport.contains(QStringLiteral("\r\ninna kwota;2026-01-11;205,00;250,00;") + kKontoB
                                + QStringLiteral(";FIRMA;Czynsz;7;2\r\n")))
        << qPrintable(raport);
    EXPECT_TRUE(raport.endsWith(QStringLiteral("niezaksiegowany;1;80,00\r\n"))) << qPrintable(raport);
    const QByteArray uzgodnienia = f.dir.readBytes(QStringLiteral("Wyciagi/uzgodnienia.dat"));
    EXPECT_EQ(uzgodnienia.count("\r\n"), 4);

    // The same statement again: the same list, nothing added.
    QTest::mouseClick(okno->findChild<QPushButton*>(QStringLiteral("cmdUzgodnij")), Qt::LeftButton);
    EXPECT_EQ(grd->rowCount(), 5);
    EXPECT_EQ(grd->text(2, 0), QStringLiteral("inna kwota"));
    EXPECT_EQ(f.dir.readBytes(QStringLiteral("Wyciagi/uzgodnienia.dat")), uzgodnienia);
    EXPECT_TRUE(okno->findChild<QLabel*>(QStringLiteral("lblInformacja"))->text().contains(QStringLiteral("wcześniej")));

    QTest::mouseClick(okno->findChild<QPushButton*>(QStringLiteral("cmdPdf")), Qt::LeftButton);
    EXPECT_TRUE(f.dir.readBytes(QStringLiteral("wyciag.pdf")).startsWith("%PDF"));
    ASSERT_EQ(f.dialogs.shown().size(), 1);
    EXPECT_EQ(f.dialogs.shown()[0].text, QStringLiteral("Zapisano ") + f.dir.file(QStringLiteral("wyciag.pdf")));
}

TEST(frmWyciag, ADamagedStatementIsReportedAndNothingIsWritten)
{
    Folder f;
    f.dir.writeBytes(QStringLiteral("zly.sta"), ":20:X\r\n:25:1\r\n:28C:1\r\n:60F:C260101PLN1,00\r\n:61:2601DN1,NTRF\r\n");
    frmWyciag okno(f.s, f.dialogs);
    okno.otworz();
    auto* pliki = okno.findChild<QLineEdit*>(QStringLiteral("txtPliki"));
    QTest::keyClicks(pliki, f.dir.file(QStringLiteral("styczen.sta")) + QStringLiteral("; ")
                                + f.dir.file(QStringLiteral("zly.sta")));
    QTest::mouseClick(okno.findChild<QPushButton*>(QStringLiteral("cmdUzgodnij")), Qt::LeftButton);
    ASSERT_EQ(f.dialogs.shown().size(), 1);
    EXPECT_EQ(f.dialogs.shown()[0].icon, Icon::Critical);
    EXPECT_TRUE(f.dialogs.shown()[0].text.startsWith(
        QStringLiteral("Plik wyciągu %1, wiersz 5:").arg(f.dir.file(QStringLiteral("zly.sta")))))
        << qPrintable(f.dialogs.shown()[0].text);
    EXPECT_FALSE(f.dir.exists(QStringLiteral("Wyciagi")));
    EXPECT_EQ(okno.findChild<Grid*>(QStringLiteral("grdWyniki"))->rowCount(), 1);
    EXPECT_FALSE(okno.findChild<QPushButton*>(QStringLiteral("cmdDrukuj"))->isEnabled());
}

#include "history/frmHistoria.h"
#include "statements/Uzgodnienie.h"

#include <QCheckBox>

// After a statement is reconciled, the history shows the booked transfers in
// a colour of their own and "tylko niezaksięgowane" lists the ones the bank
// did not book; the history file stays as it was.
TEST(frmWyciag, HistoryShowsBookedTransfersAndFiltersTheOnesNotBooked)
{
    Folder f;
    const QByteArray historia = f.dir.readBytes(QStringLiteral("FIRMA.dat"));
    ASSERT_TRUE(uzgodnijWyciagi({f.dir.file(QStringLiteral("styczen.sta"))}, plikWyslanych(f.s), f.dir.path(),
                                QStringLiteral("2026-02-10"))
                    .ok);

    frmHistoria okno(f.s, f.dialogs);
    okno.otworz();
    auto* grd = okno.findChild<Grid*>(QStringLiteral("MSFlexGrid1"));
    ASSERT_EQ(grd->rowCount(), 4);
    auto tloKomorki = [&](int wiersz, int kolumna) {
        return grd->model()->index(wiersz - 1, kolumna).data(Qt::BackgroundRole).value<QBrush>().color();
    };
    const QColor zaksiegowany = tloKomorki(1, 1);
    EXPECT_TRUE(zaksiegowany.isValid());
    EXPECT_NE(tloKomorki(2, 1), zaksiegowany);  // booked with another amount
    EXPECT_FALSE(grd->model()->index(2, 1).data(Qt::BackgroundRole).isValid());  // not booked: plain
    EXPECT_EQ(tloKomorki(1, kKolumnaKwotyB), QColor(0, 255, 0));  // the amount keeps its colour

    auto* tylko = okno.findChild<QCheckBox*>(QStringLiteral("chkNiezaksiegowane"));
    ASSERT_NE(tylko, nullptr);
    EXPECT_EQ(tylko->text(), QStringLiteral("tylko niezaksięgowane"));
    QTest::mouseClick(tylko, Qt::LeftButton, {}, QPoint(5, tylko->height() / 2));
    ASSERT_TRUE(tylko->isChecked());
    ASSERT_EQ(grd->rowCount(), 2);
    EXPECT_EQ(grd->text(1, 0), QStringLiteral("3"));
    EXPECT_EQ(okno.findChild<QLabel*>(QStringLiteral("LbKwotaRazem"))->text(), QStringLiteral("80,00"));
    QTest::mouseClick(tylko, Qt::LeftButton, {}, QPoint(5, tylko->height() / 2));
    EXPECT_EQ(grd->rowCount(), 4);
    EXPECT_EQ(f.dir.readBytes(QStringLiteral("FIRMA.dat")), historia);
    EXPECT_TRUE(f.dialogs.shown().isEmpty()) << qPrintable(f.dialogs.texts().join(QLatin1Char('\n')));
}
