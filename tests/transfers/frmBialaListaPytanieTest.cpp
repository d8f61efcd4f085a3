// The white-list question of "Do &Paczki": 15 000,00 zł or more to a pair the
// flat file of the day does not hold asks, default No; no file of the day is
// told once a run.
#include "transfers/frmPrzelewB.h"

#include "contractors/RaportBialejListy.h"
#include "core/Session.h"
#include "transfers/Paczki.h"

#include "Budowa.h"
#include "PlikPlaski.h"
#include "ScriptedDialogs.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <gtest/gtest.h>

using namespace remitto;
using namespace Qt::StringLiterals;
using namespace remitto::test;

namespace {

const QString kNipCzynny = u"5260250274"_s;
const QString kKontoCzynne = u"61109010140000071219812874"_s;

class PytanieDoPaczki : public ::testing::Test, public FolderDanych {
protected:
    PytanieDoPaczki() : FolderDanych(kBezPaczek)
    {
        firma(u"ALFA"_s).ustawienia();
        QDir().mkpath(dir.file(u"lista"_s));
        dir.writeBytes(u"lista/20261210.json"_s, test::plikPlaski("20261210", {{kNipCzynny.toLatin1(), kKontoCzynne.toLatin1()}}));
        dir.writeBytes(u"lista/20261209.json"_s, test::plikPlaski("20261209", {{kNipCzynny.toLatin1(), kKontoCzynne.toLatin1()}}));
    }
    ~PytanieDoPaczki() override
    {
        EXPECT_TRUE(d.allAnswersUsed());
        QSettings().remove(u"bialaLista"_s);
    }
    void wybierzPlik(const QString& nazwa)
    {
        QSettings settings;
        kontrahenci::zapamietajPlikBialejListy(settings, dir.file(nazwa));
    }
    QLineEdit* pole(const char* nazwa) { return okno.findChild<QLineEdit*>(QString::fromUtf8(nazwa)); }
    void dodaj(const QString& nazwa, const QString& nip, const QString& konto, const QString& brutto)
    {
        pole("txtNazwa1K")->setText(nazwa);
        pole("txtNIPK")->setText(nip);
        pole("txtKontoK")->setText(konto);
        pole("txtKwotaK")->setText(brutto);
        pole("txtKwotaBrutto")->setText(brutto);
        pole("txtTytulem1")->setText(u"FV 1"_s);
        QTest::mouseClick(okno.findChild<QPushButton*>(u"cmdDoPaczki"_s), Qt::LeftButton);
    }
    qsizetype wPaczce() const { return czytajPaczke(dir.file(u"Paczki/Paczka202612_01.dta"_s)).rekordy.size(); }

    ScriptedDialogs d;
    frmPrzelewB okno{s, d};
};

} // namespace

TEST_F(PytanieDoPaczki, LargeTransferNotOnTheListOfTheDayAsksDefaultNo)
{
    // The chosen file is yesterday's; today's lies beside it and is used.
    wybierzPlik(u"lista/20261209.json"_s);
    okno.otworz();

    d.answer(Answer::No);
    dodaj(u"Obca Sp. z o.o."_s, u"1234563218"_s, u"61109010140000071219812874"_s, u"15000,00"_s);
    ASSERT_EQ(d.shown().size(), 1);
    EXPECT_EQ(d.shown()[0].buttons, Buttons::YesNoDefaultNo);
    EXPECT_TRUE(d.shown()[0].text.contains(u"Obca Sp. z o.o."_s)) << qPrintable(d.shown()[0].text);
    EXPECT_TRUE(d.shown()[0].text.contains(u"nie figuruje"_s));
    EXPECT_EQ(wPaczce(), 0);

    d.clear();
    d.answer(Answer::Yes);
    dodaj(u"Obca Sp. z o.o."_s, u"1234563218"_s, u"61109010140000071219812874"_s, u"15000,00"_s);
    EXPECT_EQ(d.shown().size(), 2);  // the question, then "Paczka została uzupełniona"
    EXPECT_EQ(wPaczce(), 1);

    // On the list, or under the limit: no question.
    d.clear();
    dodaj(u"Czynna"_s, kNipCzynny, kKontoCzynne, u"90000,00"_s);
    dodaj(u"Obca Sp. z o.o."_s, u"1234563218"_s, u"61109010140000071219812874"_s, u"14999,99"_s);
    EXPECT_EQ(d.texts(), QStringList(2, u"Paczka została uzupełniona"_s));
    EXPECT_EQ(wPaczce(), 3);
}

TEST_F(PytanieDoPaczki, NoFileOfTheDayIsToldOnceAndTheTransfersGoOn)
{
    wybierzPlik(u"lista/20261209.json"_s);
    QFile::remove(dir.file(u"lista/20261210.json"_s));
    okno.otworz();
    dodaj(u"Obca"_s, u"1234563218"_s, u"61109010140000071219812874"_s, u"20000,00"_s);
    dodaj(u"Obca"_s, u"1234563218"_s, u"61109010140000071219812874"_s, u"20000,00"_s);
    ASSERT_EQ(d.shown().size(), 3);
    EXPECT_TRUE(d.shown()[0].text.startsWith(u"Brak pliku płaskiego białej listy VAT z dnia 10-12-2026"_s))
        << qPrintable(d.shown()[0].text);
    EXPECT_EQ(wPaczce(), 2);
}
