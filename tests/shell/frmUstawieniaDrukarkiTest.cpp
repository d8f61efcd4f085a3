// The form offset of the printer settings window.
#include "Budowa.h"
#include "ScriptedDialogs.h"

#include "core/PrintJob.h"
#include "core/Session.h"
#include "shell/Instalka.h"
#include "shell/frmUstawieniaDrukarki.h"

#include <QApplication>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace remitto;
using namespace remitto::test;

namespace {

struct PrinterWindowTest : ::testing::Test, FolderDanych {
    PrinterWindowTest() : FolderDanych(kBezPaczek) {}

    ScriptedDialogs dialogs;
    QSettings settings{dir.file(QStringLiteral("uzytkownik.ini")), QSettings::IniFormat};

    void SetUp() override
    {
        s.NazwaFirmy = QStringLiteral("Piekarnia Kłos");
        ustawienia(QStringLiteral("I"), QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("F-RA NR."));
    }

    std::unique_ptr<frmUstawieniaDrukarki> open()
    {
        auto w = std::make_unique<frmUstawieniaDrukarki>(s, dialogs);
        w->setSettings(&settings);
        w->otworz();
        return w;
    }

    static QSpinBox* spin(QWidget* w, const char* name)
    {
        return w->findChild<QSpinBox*>(QString::fromLatin1(name));
    }
    static void click(QWidget* w, const char* name)
    {
        QTest::mouseClick(w->findChild<QPushButton*>(QString::fromLatin1(name)), Qt::LeftButton);
    }
};

} // namespace

TEST_F(PrinterWindowTest, OffsetIsKeptInUserSettingsNotInTheSettingsFile)
{
    const QByteArray instalka = dir.readBytes(QStringLiteral("instalka.dat"));
    auto w = open();
    EXPECT_EQ(spin(w.get(), "txtPrzesuniecieX")->value(), 0);
    EXPECT_EQ(spin(w.get(), "txtPrzesuniecieX")->minimum(), -20);
    EXPECT_EQ(spin(w.get(), "txtPrzesuniecieY")->maximum(), 20);
    spin(w.get(), "txtPrzesuniecieX")->setValue(-4);
    spin(w.get(), "txtPrzesuniecieY")->setValue(35);  // held at 20
    click(w.get(), "cmdZapisz");

    EXPECT_EQ(dir.readBytes(QStringLiteral("instalka.dat")), instalka);
    EXPECT_EQ(wczytajPrzesuniecie(settings), (PrzesuniecieDruku{-4, 20}));
    EXPECT_TRUE(dialogs.shown().isEmpty());

    auto again = open();
    EXPECT_EQ(spin(again.get(), "txtPrzesuniecieX")->value(), -4);
    EXPECT_EQ(spin(again.get(), "txtPrzesuniecieY")->value(), 20);
}

TEST_F(PrinterWindowTest, PreviewShowsSampleFormWithSettingsOnScreen)
{
    auto w = open();
    PrintJob shown;
    PrzesuniecieDruku offset;
    int calls = 0;
    w->setPodglad([&](const PrintJob& job, PrzesuniecieDruku o) {
        shown = job;
        offset = o;
        ++calls;
    });
    spin(w.get(), "txtPrzesuniecieX")->setValue(7);
    spin(w.get(), "txtPrzesuniecieY")->setValue(-3);
    w->findChild<QRadioButton*>(QStringLiteral("Option2"))->setChecked(true);
    click(w.get(), "cmdPodglad");

    ASSERT_EQ(calls, 1);
    EXPECT_EQ(offset, (PrzesuniecieDruku{7, -3}));
    EXPECT_TRUE(shown.bold());
    ASSERT_EQ(shown.pages().size(), 1);
    EXPECT_TRUE(shown.pages().at(0).lines.at(1).text.startsWith(QStringLiteral("NAZWA ODBIORCY WIERSZ DRUGI")));
    // Nothing is stored by a preview.
    EXPECT_EQ(wczytajPrzesuniecie(settings), PrzesuniecieDruku());
}

TEST_F(PrinterWindowTest, RealPreviewDialogOpensAndCloses)
{
    auto w = open();
    bool seen = false;
    QTimer::singleShot(200, [&] {
        if (auto* d = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget())) {
            seen = true;
            d->reject();
        }
    });
    click(w.get(), "cmdPodglad");
    EXPECT_TRUE(seen);
}
