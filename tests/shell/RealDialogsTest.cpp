// The main paths of the windows with the real message and input boxes,
// answered from the keyboard, and the files they leave on disk.
#include "KeyboardAnswers.h"
#include "MojaFirmaPliki.h"
#include "TempFolder.h"

#include "core/Session.h"
#include "shell/Instalka.h"
#include "shell/Logowanie.h"
#include "shell/MojaFirma.h"
#include "shell/frmMojaFirma.h"
#include "shell/frmPrzelewA.h"
#include "shell/frmUstawieniaDrukarki.h"
#include "ui/QtDialogs.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

using namespace remitto;
using namespace Qt::StringLiterals;
using remitto::test::KeyboardAnswers;
using remitto::test::MojaFirmaPliki;
using remitto::test::TempFolder;

namespace {

const QList<KeyboardAnswers::Key> kEnter = {KeyboardAnswers::Key{Qt::Key_Return}};
const QList<KeyboardAnswers::Key> kEscape = {KeyboardAnswers::Key{Qt::Key_Escape}};

Firma firma(const QString& nr, const QString& skrot)
{
    Firma f;
    f.nrId = nr;
    f.skrot = skrot;
    f.nazwa = u"Nazwa "_s + skrot;
    f.konto[0] = u"12 1020 2892 0000 5102 0000 123"_s + nr;
    f.sciezkaKramix = u"/kramix/"_s + nr;
    f.sciezkaEcorponet = u"/ecorponet/"_s + nr;
    return f;
}

QStringList texts(const KeyboardAnswers& k)
{
    QStringList out;
    for (const auto& s : k.seen())
        out << s.text;
    return out;
}

class OwnCompanyWithRealBoxes : public ::testing::Test, public MojaFirmaPliki {
protected:
    OwnCompanyWithRealBoxes() { s.SciezkaProgramu = dir.path(); }
    void click(const char* name)
    {
        auto* b = okno.findChild<QPushButton*>(QString::fromUtf8(name));
        ASSERT_NE(b, nullptr) << name;
        QTest::mouseClick(b, Qt::LeftButton);
    }
    QLineEdit* box(const char* name) { return okno.findChild<QLineEdit*>(QString::fromUtf8(name)); }

    Session s;
    QtDialogs d;
    frmMojaFirma okno{s, d};
};

} // namespace

TEST_F(OwnCompanyWithRealBoxes, AddSaveFindDeleteAnsweredByKeys)
{
    zapisz({firma(u"1"_s, u"AAA"_s), firma(u"2"_s, u"BBB"_s)});
    okno.otworz();
    const QByteArray before = bajty();

    {   // Escape on the add question adds nothing.
        KeyboardAnswers keys;
        keys.keys(kEscape);
        click("cmdDodaj");
        EXPECT_TRUE(keys.allUsed());
        EXPECT_EQ(bajty(), before);
    }
    {   // Enter on the add question (OK is the default button) adds the record.
        KeyboardAnswers keys;
        keys.keys(kEnter);
        click("cmdDodaj");
        EXPECT_EQ(texts(keys), QStringList{u"Dodaj nowy rekord i kliknij Zapisz Zmiany"_s});
        EXPECT_EQ(keys.seen()[0].title, u"Dodaj rekord"_s);
        const QList<Firma> firmy = naDysku();
        ASSERT_EQ(firmy.size(), 3);
        EXPECT_EQ(firmy[2].skrot, u"3NOWY"_s);
        EXPECT_EQ(firmy[2].sciezkaEcorponet, u"/ecorponet/2"_s);
    }
    {   // Fill in and save; the message is closed with Enter.
        box("txtSkrótM")->setText(u"PIEKARZ"_s);
        box("txtNazwaM")->setText(u"Piekarnia \"Pod Kogutem\" Łódź"_s);
        KeyboardAnswers keys;
        keys.keys(kEnter);
        click("cmdZmianyM");
        EXPECT_EQ(texts(keys), QStringList{u"Zmiany zostały wprowadzone"_s});
        const QList<Firma> firmy = naDysku();
        ASSERT_EQ(firmy.size(), 3);
        EXPECT_EQ(firmy[2].skrot, u"PIEKARZ"_s);
        EXPECT_EQ(firmy[2].nazwa, u"Piekarnia ''Pod Kogutem'' Łódź"_s);
        EXPECT_EQ(firmy[0], firma(u"1"_s, u"AAA"_s));
    }
    {   // Find by a short name typed in lower case, then one that is not there.
        KeyboardAnswers keys;
        keys.type(u"bbb"_s);
        click("cmdZnajdź");
        EXPECT_EQ(box("txtNrIdM")->text(), u"2"_s);
        EXPECT_EQ(s.SkrotFirmy, u"BBB"_s);
        keys.type(u"żaden"_s).keys(kEnter);
        click("cmdZnajdź");
        EXPECT_EQ(texts(keys), (QStringList{u"Wprowadź szukany Skrót nazwy"_s, u"Wprowadź szukany Skrót nazwy"_s,
                                            u"Nie znaleziono rekordu o tym skrócie"_s}));
        keys.keys(kEscape);
        click("cmdZnajdź");
        EXPECT_EQ(box("txtNrIdM")->text(), u"2"_s);
        EXPECT_TRUE(keys.allUsed());
    }
    {   // Delete the record shown (BBB): Escape keeps it, Enter deletes it.
        KeyboardAnswers keys;
        keys.keys(kEscape);
        click("cmdUsuń");
        EXPECT_EQ(naDysku().size(), 3);
        keys.keys(kEnter);
        click("cmdUsuń");
        EXPECT_EQ(texts(keys).last(), u"Czy naprawdę chcesz usunąć ten rekord ?"_s);
        const QList<Firma> firmy = naDysku();
        ASSERT_EQ(firmy.size(), 2);
        EXPECT_EQ(firmy[0].skrot, u"AAA"_s);
        EXPECT_EQ(firmy[1].skrot, u"PIEKARZ"_s);
        EXPECT_EQ(firmy[1].nrId, u"2"_s);
        EXPECT_EQ(keys.faults(), 0);
    }
}

namespace {

struct MainWindowWithRealBoxes : ::testing::Test {
    TempFolder dir;
    Session session;
    QtDialogs dialogs;
    std::unique_ptr<frmPrzelewA> window;

    void SetUp() override
    {
        writeMojaFirma(dir.file(kPlikMojaFirma), {firma(u"1"_s, u"ALFA"_s), firma(u"2"_s, u"BETA"_s)});
    }
    void start()
    {
        window = std::make_unique<frmPrzelewA>(session, dialogs);
        window->uruchom(dir.path());
    }
    void trigger(const QString& name)
    {
        QAction* a = window->findChild<QAction*>(name);
        ASSERT_NE(a, nullptr) << name.toStdString();
        a->trigger();
    }
};

} // namespace

TEST_F(MainWindowWithRealBoxes, MissingSettingsAnsweredYesByEnterCreatesThem)
{
    KeyboardAnswers keys;
    keys.keys(kEnter);
    start();
    EXPECT_EQ(texts(keys), QStringList{u"Brak pliku Instalacyjnego w wybranym katalogu,Wybierz sciezke dostepu i naciśnij Akceptuj ?"_s});
    const UstawieniaOdczyt r = readInstalka(dir.path());
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.u.sciezka, dir.path());
    EXPECT_EQ(session.SkrotFirmy, u"ALFA"_s);
}

TEST_F(MainWindowWithRealBoxes, PasswordChangeRefusesAQuoteThenStoresPolishLetters)
{
    writeInstalka(dir.path(), {u"Tajne"_s, dir.path(), u"L"_s, {}, u"1"_s, u"1"_s, u"F-RA NR."_s});
    start();
    const QByteArray before = dir.readBytes(u"instalka.dat"_s);

    KeyboardAnswers keys;
    keys.type(u"Tajne"_s).type(u"nowe\"hasło"_s).keys(kEnter);
    trigger(u"Hasło"_s);
    EXPECT_TRUE(keys.allUsed());
    ASSERT_EQ(keys.seen().size(), 3);
    EXPECT_TRUE(keys.seen()[2].text.startsWith(u"Hasło nie może zawierać znaków: \""_s));
    EXPECT_EQ(dir.readBytes(u"instalka.dat"_s), before);

    // Escape on the new password keeps the old one too.
    keys.type(u"Tajne"_s).keys(kEscape);
    trigger(u"Hasło"_s);
    EXPECT_EQ(dir.readBytes(u"instalka.dat"_s), before);

    keys.type(u"Tajne"_s).type(u"Źdźbło 7"_s);
    trigger(u"Hasło"_s);
    EXPECT_TRUE(keys.allUsed());
    EXPECT_EQ(keys.faults(), 0);
    EXPECT_EQ(readInstalka(dir.path()).u.haslo, u"Źdźbło 7"_s);

    // The next start lets in the password typed as it was stored.
    Session next;
    next.SciezkaProgramu = dir.path();
    next.HasloWpisane = u"Źdźbło 7"_s;
    EXPECT_EQ(zaloguj(next), WynikLogowania::Dostep);
}

TEST_F(MainWindowWithRealBoxes, FolderDialogsStoreTheTypedFolderInTheCurrentRecord)
{
    writeInstalka(dir.path(), {QString(), dir.path(), u"L"_s, {}, u"1"_s, u"1"_s, u"F-RA NR."_s});
    start();

    KeyboardAnswers keys;
    keys.type(u"/nowy/ecorponet"_s).keys(kEnter);
    trigger(u"siezkah"_s);
    ASSERT_EQ(keys.seen().size(), 2);
    EXPECT_EQ(keys.seen()[0].inputText, u"/ecorponet/1"_s);
    EXPECT_EQ(keys.seen()[1].text, u"Zmiany zostały wprowadzone"_s);

    keys.type(u"/nowy/kramix"_s).keys(kEnter);
    trigger(u"mnudosklep"_s);
    keys.keys(kEscape);  // Escape changes nothing
    trigger(u"siezkah"_s);
    EXPECT_TRUE(keys.allUsed());
    EXPECT_EQ(keys.faults(), 0);

    const MojaFirmaOdczyt r = readMojaFirma(dir.file(kPlikMojaFirma));
    ASSERT_EQ(r.firmy.size(), 2);
    EXPECT_EQ(r.firmy[0].sciezkaEcorponet, u"/nowy/ecorponet"_s);
    EXPECT_EQ(r.firmy[0].sciezkaKramix, u"/nowy/kramix"_s);
    EXPECT_EQ(r.firmy[1], firma(u"2"_s, u"BETA"_s));

    keys.type(u"faktura nr"_s);
    trigger(u"Opis"_s);
    EXPECT_EQ(readInstalka(dir.path()).u.opisSeryjny, u"FAKTURA NR"_s);
}

TEST_F(MainWindowWithRealBoxes, PrinterWindowAsksForTheTypeWithAnOkBox)
{
    writeInstalka(dir.path(), {QString(), dir.path(), QString(), {}, u"1"_s, u"1"_s, u"F-RA NR."_s});
    start();
    KeyboardAnswers keys;
    keys.keys(kEnter);
    trigger(u"Drukarki"_s);
    EXPECT_EQ(texts(keys), QStringList{u"Wpisz rodzaj drukarki przyłączonej !"_s});
    auto* printer = window->findChild<frmUstawieniaDrukarki*>();
    ASSERT_NE(printer, nullptr);
    printer->findChild<QLineEdit*>(u"txtPrzylaczonaDrukarka"_s)->setText(u"igłowa"_s);
    QTest::mouseClick(printer->findChild<QPushButton*>(u"cmdZapisz"_s), Qt::LeftButton);
    EXPECT_EQ(readInstalka(dir.path()).u.rodzajDrukarki, u"I"_s);
    EXPECT_EQ(keys.faults(), 0);
}
