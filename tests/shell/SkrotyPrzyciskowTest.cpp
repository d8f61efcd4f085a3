#include "ui/SkrotyPrzyciskow.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>
#include <gtest/gtest.h>

using namespace remitto;

// Two buttons whose access letters repeat ("&Dodaj", "Paczka &Do"): the keys
// given to them click each on its own, and only while they can be clicked.
TEST(SkrotyPrzyciskow, EachKeyClicksItsOwnButtonAndIsShownInTheTooltip)
{
    QWidget okno;
    auto* uklad = new QVBoxLayout(&okno);
    auto* dodaj = new QPushButton(QStringLiteral("&Dodaj"), &okno);
    dodaj->setObjectName(QStringLiteral("cmdDodaj"));
    auto* eksport = new QPushButton(QStringLiteral("Paczka &Do Ecorponet"), &okno);
    eksport->setObjectName(QStringLiteral("cmdDoEcorponet"));
    eksport->setToolTip(QStringLiteral("Eksport paczki"));
    auto* pole = new QLineEdit(&okno);
    uklad->addWidget(dodaj);
    uklad->addWidget(eksport);
    uklad->addWidget(pole);
    dodajSkrotyPrzyciskow(&okno, {{"cmdDodaj", QKeySequence(Qt::Key_F6)}, {"cmdDoEcorponet", QKeySequence(Qt::Key_F7)}});
    okno.show();
    QApplication::setActiveWindow(&okno);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&okno));
    pole->setFocus();

    QSignalSpy dodano(dodaj, &QPushButton::clicked);
    QSignalSpy wyeksportowano(eksport, &QPushButton::clicked);
    QTest::keyClick(pole, Qt::Key_F7);
    EXPECT_EQ(wyeksportowano.count(), 1);
    EXPECT_EQ(dodano.count(), 0);
    QTest::keyClick(pole, Qt::Key_F6);
    EXPECT_EQ(dodano.count(), 1);
    EXPECT_EQ(dodaj->toolTip(), QStringLiteral("Klawisz: F6"));
    EXPECT_EQ(eksport->toolTip(), QStringLiteral("Eksport paczki (klawisz: F7)"));

    eksport->setEnabled(false);
    QTest::keyClick(pole, Qt::Key_F7);
    EXPECT_EQ(wyeksportowano.count(), 1);
}

// Delete on a grid clicks the removal button; the same key in a text box
// only edits the text.
TEST(SkrotyPrzyciskow, GridKeyWorksOnlyInTheGrid)
{
    QWidget okno;
    auto* uklad = new QVBoxLayout(&okno);
    auto* siatka = new QTableWidget(3, 2, &okno);
    siatka->setObjectName(QStringLiteral("MSFlexGrid1"));
    auto* usun = new QPushButton(QStringLiteral("Usuń &Rekord z Paczki"), &okno);
    usun->setObjectName(QStringLiteral("cmdUsunRekord"));
    auto* pole = new QLineEdit(QStringLiteral("abc"), &okno);
    uklad->addWidget(siatka);
    uklad->addWidget(usun);
    uklad->addWidget(pole);
    dodajKlawiszSiatki(&okno, "MSFlexGrid1", "cmdUsunRekord", QKeySequence(Qt::Key_Delete));
    okno.show();
    QApplication::setActiveWindow(&okno);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&okno));

    QSignalSpy usunieto(usun, &QPushButton::clicked);
    pole->setFocus();
    pole->setCursorPosition(0);
    QTest::keyClick(pole, Qt::Key_Delete);
    EXPECT_EQ(usunieto.count(), 0);
    EXPECT_EQ(pole->text(), QStringLiteral("bc"));

    siatka->setFocus();
    siatka->setCurrentCell(1, 0);
    QTest::keyClick(siatka, Qt::Key_Delete);
    EXPECT_EQ(usunieto.count(), 1);
    EXPECT_EQ(usun->toolTip(), QStringLiteral("Klawisz: Del w tabeli"));
}
