#include "shell/frmMojaFirma.h"

#include "core/Session.h"
#include "shell/MojaFirma.h"

#include "ScriptedDialogs.h"
#include "FullDisk.h"
#include "MojaFirmaPliki.h"
#include "TempFolder.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>


using namespace remitto;
using remitto::test::ScriptedDialogs;
using remitto::test::ShownBox;
using remitto::test::FullDisk;
using remitto::test::MojaFirmaPliki;
using remitto::test::TempFolder;

namespace {

Firma firma(const QString& nr, const QString& skrot)
{
    Firma f;
    f.nrId = nr;
    f.skrot = skrot;
    f.nazwa = QStringLiteral("Nazwa ") + skrot;
    f.nazwa2 = QStringLiteral("Handel");
    f.kod = QStringLiteral("32-410");
    f.miasto = QStringLiteral("Dobczyce");
    f.ulica = QStringLiteral("Rynek");
    f.numerDomu = QStringLiteral("1") + nr;
    for (int i = 0; i < 4; ++i)
        f.konto[static_cast<size_t>(i)] = QStringLiteral("%1%2").arg(nr).arg(i + 1).repeated(13);
    f.idn = QStringLiteral("N");
    f.nip = QStringLiteral("681000000") + nr;
    f.sciezkaKramix = QStringLiteral("/kramix/") + nr;
    f.sciezkaEcorponet = QStringLiteral("/ecorponet/") + nr;
    return f;
}

class OknoMojaFirma : public ::testing::Test, public MojaFirmaPliki {
protected:
    OknoMojaFirma() { s.SciezkaProgramu = dir.path(); }
    ~OknoMojaFirma() override { EXPECT_TRUE(d.allAnswersUsed()); }


    template <typename W = QLineEdit>
    W* w(const char* nazwa)
    {
        W* widget = okno.findChild<W*>(QString::fromUtf8(nazwa));
        EXPECT_NE(widget, nullptr) << nazwa;
        return widget;
    }
    QString tekst(const char* nazwa) { return w(nazwa)->text(); }
    QString etykieta(const char* nazwa) { return w<QLabel>(nazwa)->text(); }
    void kliknij(const char* nazwa) { QTest::mouseClick(w<QAbstractButton>(nazwa), Qt::LeftButton); }

    Session s;
    ScriptedDialogs d;
    frmMojaFirma okno{s, d};
};

} // namespace

TEST_F(OknoMojaFirma, OpeningShowsFirstRecordAndCountWithEveryControlNamed)
{
    Firma pierwsza = firma(QStringLiteral("1"), QStringLiteral("kowal"));
    zapisz({pierwsza, firma(QStringLiteral("2"), QStringLiteral("NOWAK")), firma(QStringLiteral("3"), QStringLiteral("ZIEL"))});

    okno.otworz();

    EXPECT_TRUE(okno.isVisible());
    EXPECT_EQ(okno.windowTitle(), QStringLiteral("Remitto - Moja Firma"));
    EXPECT_TRUE(d.shown().isEmpty());
    struct Pole {
        const char* nazwa;
        QString wartosc;
    };
    const Pole pola[] = {
        {"txtNrIdM", QStringLiteral("1")},        {"txtSkrótM", QStringLiteral("KOWAL")},
        {"txtNazwaM", pierwsza.nazwa},           {"txtNazwa2M", pierwsza.nazwa2},
        {"txtKODM", pierwsza.kod},               {"txtAdresM", pierwsza.miasto},
        {"txtUlicaM", pierwsza.ulica},           {"txtNumerDomuM", pierwsza.numerDomu},
        {"txtKontoM0", pierwsza.konto[0]},       {"txtKontoM1", pierwsza.konto[1]},
        {"txtKontoM2", pierwsza.konto[2]},       {"txtKontoM3", pierwsza.konto[3]},
        {"txtidn", pierwsza.idn},                {"txtNIPpes", pierwsza.nip},
        {"txtSciezkaDoKramix", pierwsza.sciezkaKramix}, {"txtSciezkaDoEcorponet", pierwsza.sciezkaEcorponet},
    };
    for (const Pole& p : pola)
        EXPECT_EQ(tekst(p.nazwa), p.wartosc) << p.nazwa;
    EXPECT_EQ(etykieta("lbNazwaFirmyM"), QStringLiteral("KOWAL"));
    EXPECT_EQ(etykieta("lbKatalog") + etykieta("lbOstatni"), QStringLiteral("od  1 .... do 3"));
    EXPECT_EQ(w<QWidget>("frMojaFirma")->findChild<QLabel*>(QStringLiteral("lbNazwaFirmyM")),
              w<QLabel>("lbNazwaFirmyM"));

    const struct {
        const char* nazwa;
        QString napis;
    } przyciski[] = {
        {"cmdWstecz", QStringLiteral("<-")},          {"cmdNext", QStringLiteral("->")},
        {"cmdDodaj", QStringLiteral("&Dodaj")},       {"cmdUsuń", QStringLiteral("&Usuń")},
        {"cmdZnajdź", QStringLiteral("z&Najdź")},     {"cmdZmianyM", QStringLiteral("&Zapisz Zmiany")},
        {"cmdKoniecM", QStringLiteral("&Koniec-wstaw")}, {"Konto1", QStringLiteral("Konto1")},
        {"Option2", QStringLiteral("Konto2")},        {"Option3", QStringLiteral("Konto3")},
    };
    for (const auto& p : przyciski)
        EXPECT_EQ(w<QAbstractButton>(p.nazwa)->text(), p.napis) << p.nazwa;
    EXPECT_TRUE(w<QRadioButton>("Konto1")->isChecked());

    // The opened record is the program's current company.
    EXPECT_EQ(s.NrIdFirmy, QStringLiteral("1"));
    EXPECT_EQ(s.SkrotFirmy, QStringLiteral("KOWAL"));
    EXPECT_EQ(s.FolderFirmyKramix, QStringLiteral("KOWAL"));
    EXPECT_EQ(s.KontoWybrane, pierwsza.konto[0]);
    EXPECT_EQ(s.PlikMojaFirma, path());
}

TEST_F(OknoMojaFirma, BrowsingWrapsAtBothEndsAndKeepsTheChosenAccount)
{
    zapisz({firma(QStringLiteral("1"), QStringLiteral("AAA")), firma(QStringLiteral("2"), QStringLiteral("BBB")),
            firma(QStringLiteral("3"), QStringLiteral("CCC"))});
    okno.otworz();

    kliknij("Option2");
    EXPECT_EQ(s.NrKontaWybranego, 1);
    EXPECT_EQ(s.KontoWybrane, firma(QStringLiteral("1"), {}).konto[1]);

    const struct {
        const char* przycisk;
        const char* nr;
    } kroki[] = {{"cmdWstecz", "3"}, {"cmdNext", "1"}, {"cmdNext", "2"}, {"cmdNext", "3"}, {"cmdNext", "1"}};
    for (const auto& k : kroki) {
        kliknij(k.przycisk);
        const Firma oczekiwana = firma(QLatin1String(k.nr), {});
        EXPECT_EQ(tekst("txtNrIdM"), QLatin1String(k.nr));
        EXPECT_EQ(tekst("txtNazwaM").right(3), etykieta("lbNazwaFirmyM"));
        EXPECT_EQ(s.NrIdFirmy, QLatin1String(k.nr));
        EXPECT_EQ(s.KontoWybrane, oczekiwana.konto[1]) << k.przycisk << " to " << k.nr;
    }
    EXPECT_TRUE(d.shown().isEmpty());
}

TEST_F(OknoMojaFirma, AddGivesTheNextNumberWithFoldersOfTheLastRecordThenSaveStoresIt)
{
    zapisz({firma(QStringLiteral("1"), QStringLiteral("AAA")), firma(QStringLiteral("2"), QStringLiteral("BBB"))});
    okno.otworz();
    const QByteArray przed = bajty();

    d.answer(Answer::Cancel);
    kliknij("cmdDodaj");
    EXPECT_EQ(bajty(), przed);
    EXPECT_EQ(tekst("txtNrIdM"), QStringLiteral("1"));

    d.answer(Answer::Ok);
    kliknij("cmdDodaj");
    ASSERT_EQ(d.shown().size(), 2);
    EXPECT_EQ(d.shown()[1].text, QStringLiteral("Dodaj nowy rekord i kliknij Zapisz Zmiany"));
    EXPECT_EQ(d.shown()[1].title, QStringLiteral("Dodaj rekord"));
    EXPECT_EQ(d.shown()[1].buttons, Buttons::OkCancel);

    EXPECT_EQ(naDysku().size(), 3);
    EXPECT_EQ(tekst("txtNrIdM"), QStringLiteral("3"));
    EXPECT_EQ(tekst("txtSkrótM"), QStringLiteral("3NOWY"));
    EXPECT_EQ(etykieta("lbNazwaFirmyM"), QStringLiteral("3NOWY"));
    EXPECT_EQ(etykieta("lbOstatni"), QStringLiteral("3"));
    EXPECT_EQ(tekst("txtNazwaM"), QString());
    EXPECT_EQ(tekst("txtKontoM0"), QString());
    EXPECT_EQ(tekst("txtSciezkaDoKramix"), QStringLiteral("/kramix/2"));
    EXPECT_EQ(tekst("txtSciezkaDoEcorponet"), QStringLiteral("/ecorponet/2"));
    EXPECT_EQ(s.NrIdFirmy, QStringLiteral("3"));

    // Fill in the new company, a double quote in its name, and save.
    w("txtSkrótM")->setText(QStringLiteral("PIEKARZ"));
    w("txtNazwaM")->setText(QStringLiteral("Piekarnia \"Pod Kogutem\""));
    w("txtKontoM0")->setText(QStringLiteral("12 1020 2892 0000 5102 0035 6789"));
    kliknij("cmdZmianyM");

    ASSERT_EQ(d.shown().size(), 3);
    EXPECT_EQ(d.shown()[2].text, QStringLiteral("Zmiany zostały wprowadzone"));
    EXPECT_EQ(d.shown()[2].icon, Icon::Exclamation);
    const QList<Firma> firmy = naDysku();
    ASSERT_EQ(firmy.size(), 3);
    EXPECT_EQ(firmy[0], firma(QStringLiteral("1"), QStringLiteral("AAA")));
    EXPECT_EQ(firmy[1], firma(QStringLiteral("2"), QStringLiteral("BBB")));
    EXPECT_EQ(firmy[2].nrId, QStringLiteral("3"));
    EXPECT_EQ(firmy[2].skrot, QStringLiteral("PIEKARZ"));
    EXPECT_EQ(firmy[2].konto[0], QStringLiteral("12 1020 2892 0000 5102 0035 6789"));
    EXPECT_EQ(firmy[2].sciezkaKramix, QStringLiteral("/kramix/2"));
    EXPECT_TRUE(dir.readText(QStringLiteral("MojaFirma.txt"))
                    .contains(QStringLiteral("\r\n\"Piekarnia ''Pod Kogutem''\"\r\n")));
    EXPECT_EQ(tekst("txtNazwaM"), QStringLiteral("Piekarnia ''Pod Kogutem''"));
    EXPECT_EQ(s.SkrotFirmy, QStringLiteral("PIEKARZ"));
}

TEST_F(OknoMojaFirma, DeleteRemovesEveryRecordWithTheShownShortName)
{
    zapisz({firma(QStringLiteral("1"), QStringLiteral("AAA")), firma(QStringLiteral("2"), QStringLiteral("BBB")),
            firma(QStringLiteral("3"), QStringLiteral("aaa")), firma(QStringLiteral("4"), QStringLiteral("CCC"))});
    okno.otworz();
    const QByteArray przed = bajty();

    d.answer(Answer::Cancel);
    kliknij("cmdUsuń");
    EXPECT_EQ(bajty(), przed);

    // A short name typed over but not saved does not pick another company.
    w("txtSkrótM")->setText(QStringLiteral("BBB"));
    d.answer(Answer::Ok);
    kliknij("cmdUsuń");

    ASSERT_EQ(d.shown().size(), 2);
    EXPECT_EQ(d.shown()[1].text, QStringLiteral("Czy naprawdę chcesz usunąć ten rekord ?"));
    EXPECT_EQ(d.shown()[1].title, QStringLiteral("Usuwa rekord"));
    const QList<Firma> firmy = naDysku();
    ASSERT_EQ(firmy.size(), 2);
    EXPECT_EQ(firmy[0].skrot, QStringLiteral("BBB"));
    EXPECT_EQ(firmy[1].skrot, QStringLiteral("CCC"));
    EXPECT_EQ(firmy[0].nrId, QStringLiteral("1"));
    EXPECT_EQ(firmy[1].nrId, QStringLiteral("2"));
    EXPECT_EQ(tekst("txtNrIdM"), QStringLiteral("1"));
    EXPECT_EQ(tekst("txtSkrótM"), QStringLiteral("BBB"));
    EXPECT_EQ(etykieta("lbOstatni"), QStringLiteral("2"));

    // Down to no company at all; then nothing is left to delete.
    for (int i = 0; i < 2; ++i) {
        d.answer(Answer::Ok);
        kliknij("cmdUsuń");
    }
    EXPECT_TRUE(bajty().isEmpty());
    EXPECT_EQ(etykieta("lbOstatni"), QStringLiteral("0"));
    EXPECT_EQ(tekst("txtNrIdM"), QStringLiteral("1"));
    EXPECT_EQ(tekst("txtSkrótM"), QString());
    d.clear();
    kliknij("cmdUsuń");
    ASSERT_EQ(d.shown().size(), 1);
    EXPECT_EQ(d.shown()[0].text, QStringLiteral("Juz nie ma co usuwać !"));
}

TEST_F(OknoMojaFirma, FindIgnoresCaseAndSaysWhenNothingMatches)
{
    zapisz({firma(QStringLiteral("1"), QStringLiteral("AAA")), firma(QStringLiteral("2"), QStringLiteral("ŁÓDŹ")),
            firma(QStringLiteral("3"), QStringLiteral("CCC"))});
    okno.otworz();

    d.type(QStringLiteral("łódź"));
    kliknij("cmdZnajdź");
    ASSERT_EQ(d.shown().size(), 1);
    EXPECT_EQ(d.shown()[0].kind, ShownBox::Input);
    EXPECT_EQ(d.shown()[0].text, QStringLiteral("Wprowadź szukany Skrót nazwy"));
    EXPECT_EQ(d.shown()[0].title, QStringLiteral("Poszukiwanie rekordu"));
    EXPECT_EQ(tekst("txtNrIdM"), QStringLiteral("2"));
    EXPECT_EQ(s.SkrotFirmy, QStringLiteral("ŁÓDŹ"));
    EXPECT_EQ(s.SciezkaKramix, QStringLiteral("/kramix/2"));

    d.clear();
    d.type(QStringLiteral("XYZ"));
    kliknij("cmdZnajdź");
    ASSERT_EQ(d.shown().size(), 2);
    EXPECT_EQ(d.shown()[1].text, QStringLiteral("Nie znaleziono rekordu o tym skrócie"));
    EXPECT_EQ(d.shown()[1].icon, Icon::Exclamation);
    EXPECT_EQ(tekst("txtNrIdM"), QStringLiteral("2"));

    d.clear();
    d.type(QString());
    kliknij("cmdZnajdź");
    d.cancelInput();
    kliknij("cmdZnajdź");
    EXPECT_EQ(d.shown().size(), 2);  // the two input boxes only
    EXPECT_EQ(tekst("txtNrIdM"), QStringLiteral("2"));
}

TEST_F(OknoMojaFirma, HandOverPutsTheShownCompanyAndAccountIntoTheSession)
{
    const Firma druga = firma(QStringLiteral("2"), QStringLiteral("nowak"));
    zapisz({firma(QStringLiteral("1"), QStringLiteral("AAA")), druga});
    okno.otworz();
    kliknij("cmdNext");
    const QByteArray przed = bajty();
    QSignalSpy przekazano(&okno, &frmMojaFirma::przekazano);

    kliknij("Option3");
    QTest::keyClicks(w("txtNIPpes"), QStringLiteral("7"));
    EXPECT_EQ(s.NipFirmy, druga.nip + QStringLiteral("7"));  // copied as it is typed
    QTest::keyClicks(w("txtidn"), QStringLiteral("P"));
    EXPECT_EQ(s.IdnFirmy, druga.idn + QStringLiteral("P"));
    // Changed, not saved: of these only the short name and the Ecorponet
    // folder are handed over.
    w("txtNazwaM")->setText(QStringLiteral("Nowak i Syn"));
    w("txtUlicaM")->setText(QStringLiteral("Długa"));
    w("txtSciezkaDoKramix")->setText(QStringLiteral("/inny/kramix"));
    w("txtSkrótM")->setText(QStringLiteral("nowak2"));
    w("txtSciezkaDoEcorponet")->setText(QStringLiteral("/inny/eco"));
    kliknij("cmdKoniecM");

    EXPECT_EQ(przekazano.count(), 1);
    EXPECT_FALSE(okno.isVisible());
    EXPECT_EQ(s.NrIdFirmy, QStringLiteral("2"));
    EXPECT_EQ(s.SkrotFirmy, QStringLiteral("NOWAK2"));
    EXPECT_EQ(s.FolderFirmyKramix, QStringLiteral("NOWAK"));
    EXPECT_EQ(s.NrKontaWybranego, 2);
    EXPECT_EQ(s.KontoWybrane, druga.konto[2]);
    EXPECT_EQ(s.NipFirmy, druga.nip + QStringLiteral("7"));
    EXPECT_EQ(s.IdnFirmy, druga.idn + QStringLiteral("P"));
    EXPECT_EQ(s.SciezkaEcorponet, QStringLiteral("/inny/eco"));
    EXPECT_EQ(s.SciezkaKramix, druga.sciezkaKramix);
    EXPECT_EQ(s.NazwaFirmy, druga.nazwa);
    EXPECT_EQ(s.UlicaFirmy, druga.ulica);
    EXPECT_EQ(s.DaneFirmy, QStringLiteral("Nazwa nowak|Handel|32-410 Dobczyce Rynek 12"));
    EXPECT_EQ(bajty(), przed);  // unsaved changes reach the program, not the file
    EXPECT_TRUE(d.shown().isEmpty());

    // Opened again: the file's record, the account choice kept.
    okno.otworz();
    EXPECT_TRUE(w<QRadioButton>("Option3")->isChecked());
    EXPECT_EQ(s.KontoWybrane, firma(QStringLiteral("1"), {}).konto[2]);
}

TEST_F(OknoMojaFirma, MissingFileIsReportedAndHandOverLeavesNoCompany)
{
    firmaDoSesji(firma(QStringLiteral("1"), QStringLiteral("STARA")), s);
    QSignalSpy przekazano(&okno, &frmMojaFirma::przekazano);

    okno.otworz();

    ASSERT_EQ(d.shown().size(), 1);
    EXPECT_TRUE(d.shown()[0].text.contains(path())) << d.shown()[0].text.toStdString();
    EXPECT_EQ(d.shown()[0].title, QStringLiteral("Błąd"));
    EXPECT_EQ(tekst("txtNrIdM"), QStringLiteral("1"));
    EXPECT_EQ(tekst("txtSkrótM"), QString());
    EXPECT_EQ(etykieta("lbOstatni"), QStringLiteral("0"));
    EXPECT_FALSE(dir.exists(QStringLiteral("MojaFirma.txt")));

    // Saving with no record in the file writes nothing and says why.
    w("txtSkrótM")->setText(QStringLiteral("NOWA"));
    kliknij("cmdZmianyM");
    ASSERT_EQ(d.shown().size(), 2);
    EXPECT_TRUE(d.shown()[1].text.contains(QStringLiteral("Zmiany nie zostały zapisane"))) << d.shown()[1].text.toStdString();
    EXPECT_FALSE(dir.exists(QStringLiteral("MojaFirma.txt")));

    kliknij("cmdKoniecM");
    EXPECT_EQ(przekazano.count(), 1);
    for (const QString& v : {s.NrIdFirmy, s.SkrotFirmy, s.NazwaFirmy, s.KontoWybrane, s.DaneFirmy, s.SciezkaKramix,
                             s.SciezkaEcorponet, s.FolderFirmyKramix})
        EXPECT_EQ(v, QString());

    // The first company is made with "Dodaj".
    d.clear();
    okno.otworz();
    d.answer(Answer::Ok);
    kliknij("cmdDodaj");
    Firma nowa;
    nowa.nrId = QStringLiteral("1");
    nowa.skrot = QStringLiteral("1NOWY");
    EXPECT_EQ(naDysku(), QList<Firma>{nowa});
    EXPECT_EQ(tekst("txtSkrótM"), QStringLiteral("1NOWY"));
    EXPECT_EQ(etykieta("lbOstatni"), QStringLiteral("1"));
}

TEST_F(OknoMojaFirma, DamagedFileIsShownAsFarAsReadAndRewrittenOnlyAfterConsent)
{
    QString tekstPliku;
    for (const QString& v : firma(QStringLiteral("1"), QStringLiteral("AAA")).toValues())
        tekstPliku += QLatin1Char('"') + v + QStringLiteral("\"\r\n");
    tekstPliku += QStringLiteral("\"2\"\r\n\"BBB\"\r\n");
    dir.writeText(QStringLiteral("MojaFirma.txt"), tekstPliku);
    const QByteArray przed = bajty();

    okno.otworz();
    ASSERT_EQ(d.shown().size(), 1);
    EXPECT_EQ(d.shown()[0].icon, Icon::Critical);
    EXPECT_TRUE(d.shown()[0].text.contains(path())) << d.shown()[0].text.toStdString();
    EXPECT_EQ(tekst("txtSkrótM"), QStringLiteral("AAA"));
    EXPECT_EQ(etykieta("lbOstatni"), QStringLiteral("1"));

    w("txtNazwaM")->setText(QStringLiteral("Poprawiona"));
    d.answer(Answer::No);
    kliknij("cmdZmianyM");
    ASSERT_EQ(d.shown().size(), 2);
    EXPECT_EQ(d.shown()[1].buttons, Buttons::YesNo);
    EXPECT_TRUE(d.shown()[1].text.contains(path()));
    EXPECT_EQ(bajty(), przed);

    d.answer(Answer::Yes);
    kliknij("cmdZmianyM");
    ASSERT_EQ(d.shown().size(), 4);
    EXPECT_EQ(d.shown()[3].text, QStringLiteral("Zmiany zostały wprowadzone"));
    const QList<Firma> firmy = naDysku();
    ASSERT_EQ(firmy.size(), 1);
    EXPECT_EQ(firmy[0].nazwa, QStringLiteral("Poprawiona"));
}

TEST_F(OknoMojaFirma, FailedSaveKeepsTheOldFileAndSaysSo)
{
    zapisz({firma(QStringLiteral("1"), QStringLiteral("AAA")), firma(QStringLiteral("2"), QStringLiteral("BBB"))});
    okno.otworz();
    const QByteArray przed = bajty();

    w("txtNazwaM")->setText(QStringLiteral("Zmieniona"));
    {
        FullDisk pelny(64);
        kliknij("cmdZmianyM");
    }

    ASSERT_EQ(d.shown().size(), 1);
    EXPECT_EQ(d.shown()[0].icon, Icon::Critical);
    EXPECT_TRUE(d.shown()[0].text.startsWith(QStringLiteral("Nie można zapisać pliku ") + path()))
        << d.shown()[0].text.toStdString();
    EXPECT_TRUE(d.shown()[0].text.endsWith(QStringLiteral("Plik nie został zmieniony.")));
    EXPECT_EQ(bajty(), przed);
    EXPECT_EQ(tekst("txtNazwaM"), QStringLiteral("Zmieniona"));  // the typing is not lost
}

TEST_F(OknoMojaFirma, PostalCodeFillsThePostOfficeAndEnterMovesOn)
{
    zapisz({firma(QStringLiteral("1"), QStringLiteral("AAA"))});
    okno.otworz();
    QLineEdit* kod = w("txtKODM");
    QLineEdit* adres = w("txtAdresM");

    kod->clear();
    QTest::keyClicks(kod, QStringLiteral("30-444"));
    EXPECT_EQ(adres->text(), QStringLiteral("Kraków 55"));
    EXPECT_EQ(s.MiejscowoscZKodu, QStringLiteral("Libertów"));

    // A code the table does not know leaves the town as typed.
    adres->setText(QStringLiteral("Gdańsk"));
    kod->clear();
    QTest::keyClicks(kod, QStringLiteral("80-001"));
    EXPECT_EQ(adres->text(), QStringLiteral("Gdańsk"));

    QTest::keyClick(kod, Qt::Key_Return);
    EXPECT_EQ(okno.focusWidget(), adres);
}

TEST_F(OknoMojaFirma, ShortNameThatCannotNameAFileIsRefusedOnSaveAndHandOver)
{
    zapisz({firma(QStringLiteral("1"), QStringLiteral("KOWAL"))});
    okno.otworz();
    const QByteArray przed = bajty();
    QSignalSpy przekazano(&okno, &frmMojaFirma::przekazano);

    for (const char* skrot : {"../X", "", "CON", "A:B", "KOWAL."}) {
        SCOPED_TRACE(skrot);
        d.clear();
        QLineEdit* pole = w("txtSkrótM");
        pole->selectAll();
        QTest::keyClick(pole, Qt::Key_Delete);
        QTest::keyClicks(pole, QString::fromLatin1(skrot));
        kliknij("cmdZmianyM");
        ASSERT_EQ(d.shown().size(), 1);
        EXPECT_TRUE(d.shown().first().text.contains(QStringLiteral("Skrót firmy")))
            << d.shown().first().text.toStdString();
        EXPECT_EQ(bajty(), przed);

        kliknij("cmdKoniecM");
        EXPECT_EQ(d.shown().size(), 2);
        EXPECT_TRUE(okno.isVisible());
        EXPECT_EQ(przekazano.count(), 0);
        EXPECT_EQ(s.SkrotFirmy, QStringLiteral("KOWAL"));
    }

    // Mended, it is saved and handed over.
    d.clear();
    w("txtSkrótM")->clear();
    QTest::keyClicks(w("txtSkrótM"), QStringLiteral("KOWAL2"));
    kliknij("cmdZmianyM");
    EXPECT_EQ(naDysku().first().skrot, QStringLiteral("KOWAL2"));
    kliknij("cmdKoniecM");
    EXPECT_EQ(przekazano.count(), 1);
    EXPECT_EQ(s.SkrotFirmy, QStringLiteral("KOWAL2"));
}

TEST_F(OknoMojaFirma, RecordWithABadShortNameIsShownButNotMadeTheCompany)
{
    zapisz({firma(QStringLiteral("1"), QStringLiteral("KOWAL")), firma(QStringLiteral("2"), QStringLiteral("../OUT"))});
    okno.otworz();
    EXPECT_EQ(s.SkrotFirmy, QStringLiteral("KOWAL"));
    kliknij("cmdNext");
    EXPECT_EQ(tekst("txtSkrótM"), QStringLiteral("../OUT"));
    EXPECT_TRUE(s.SkrotFirmy.isEmpty());
    EXPECT_TRUE(s.KontoWybrane.isEmpty());
}

TEST_F(OknoMojaFirma, EscapeHandsOverAsTheEndButtonDoes)
{
    zapisz({firma(QStringLiteral("1"), QStringLiteral("KOWAL")), firma(QStringLiteral("2"), QStringLiteral("NOWAK"))});
    okno.otworz();
    QApplication::setActiveWindow(&okno);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&okno));
    kliknij("cmdNext");
    QSignalSpy przekazano(&okno, &frmMojaFirma::przekazano);
    w("txtSkrótM")->setFocus();
    QTest::keyClick(w("txtSkrótM"), Qt::Key_Escape);
    EXPECT_EQ(przekazano.count(), 1);
    EXPECT_FALSE(okno.isVisible());
    EXPECT_EQ(s.SkrotFirmy, QStringLiteral("NOWAK"));
}
