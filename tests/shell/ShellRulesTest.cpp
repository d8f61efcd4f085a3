// Rules of the main window kept out of it: login, the new password, the
// settings of an accepted folder, the typed date and time, the working date,
// the error numbers of the folder menus and a company file that ends with an
// empty line.
#include "TempFolder.h"

#include "core/Session.h"
#include "shell/Instalka.h"
#include "shell/Logowanie.h"
#include "shell/MojaFirma.h"
#include "shell/Startup.h"

#include <QDate>
#include <QTime>
#include <gtest/gtest.h>

using namespace remitto;
using namespace Qt::StringLiterals;
using remitto::test::TempFolder;

namespace {

Ustawienia ustawienia(const QString& haslo, const QString& folder)
{
    return {haslo, folder, u"L"_s, QString(), u"1"_s, u"1"_s, u"F-RA NR."_s};
}

} // namespace

TEST(Login, StoredPasswordIsReadAfreshAndComparedExactly)
{
    const struct {
        QString stored;
        QString typed;
        WynikLogowania expected;
    } cases[] = {
        {QString(), QString(), WynikLogowania::Dostep},
        {u"Tajne"_s, u"Tajne"_s, WynikLogowania::Dostep},
        {u"Zażółć"_s, u"Zażółć"_s, WynikLogowania::Dostep},
        {u"Tajne"_s, u"tajne"_s, WynikLogowania::BrakDostepu},
        {u"Tajne"_s, u"Tajne "_s, WynikLogowania::BrakDostepu},
        {u"Tajne"_s, QString(), WynikLogowania::BrakDostepu},
        {QString(), u"x"_s, WynikLogowania::BrakDostepu},
    };
    TempFolder dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored.toStdString() + " / " + c.typed.toStdString());
        ASSERT_TRUE(writeInstalka(dir.path(), ustawienia(c.stored, dir.path())));
        Session s;
        s.SciezkaProgramu = dir.path();
        s.HasloZapisane = u"read at start"_s;  // the file read now decides
        s.HasloWpisane = c.typed;
        EXPECT_EQ(zaloguj(s), c.expected);
        EXPECT_EQ(s.HasloZapisane, c.stored);
        EXPECT_EQ(hasloPoprawne(s), c.expected == WynikLogowania::Dostep);
    }

    // A settings file gone since the start: the password read at start holds.
    TempFolder empty;
    Session s;
    s.SciezkaProgramu = empty.path();
    s.HasloZapisane = s.HasloWpisane = u"Tajne"_s;
    EXPECT_EQ(zaloguj(s), WynikLogowania::Dostep);
    s.HasloWpisane = u"inne"_s;
    EXPECT_EQ(zaloguj(s), WynikLogowania::BrakDostepu);
}

// A password the file cannot hold as typed would be stored changed and never
// match at the next start: it is refused and the old one kept.
TEST(NewPassword, OnlyWhatTheFileHoldsAsTypedIsStored)
{
    const struct {
        QString nowe;
        QString refused;  // characters named in the refusal; empty: stored
    } cases[] = {
        {u"Zażółć gęślą jaźń"_s, QString()},
        {u"€uro§"_s, QString()},  // both have a Windows-1250 byte
        {u"a''b,c?"_s, QString()},
        {QString(), QString()},   // no password
        {u"ab\"c\""_s, u"\""_s},
        {u"Straße über"_s, QString()},  // not Polish, but Windows-1250 has them
        {u"naïve"_s, u"ï"_s},
        {u"пароль"_s, u"пароль"_s},
        {u"x😀y"_s, u"😀"_s},
        {u"日本日"_s, u"日本"_s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.nowe.toStdString());
        EXPECT_EQ(znakiNiedozwolone(c.nowe), c.refused);

        TempFolder dir;
        ASSERT_TRUE(writeInstalka(dir.path(), ustawienia(u"Stare"_s, dir.path())));
        const QByteArray before = dir.readBytes(u"instalka.dat"_s);
        Session s;
        s.SciezkaProgramu = dir.path();
        s.HasloZapisane = s.HasloWpisane = u"Stare"_s;
        QString error;
        const WynikZmiany w = zmienHaslo(s, u"Stare"_s, c.nowe, &error);
        if (!c.refused.isEmpty()) {
            EXPECT_EQ(w, WynikZmiany::NiedozwoloneZnaki);
            EXPECT_EQ(dir.readBytes(u"instalka.dat"_s), before);
            EXPECT_EQ(s.HasloZapisane, u"Stare"_s);
            EXPECT_EQ(s.HasloWpisane, u"Stare"_s);
            continue;
        }
        ASSERT_EQ(w, WynikZmiany::Zmieniono);
        // The next start: the password typed as before lets the user in.
        Session next;
        next.SciezkaProgramu = dir.path();
        next.HasloWpisane = c.nowe;
        EXPECT_EQ(zaloguj(next), WynikLogowania::Dostep);
    }
}

TEST(NewPassword, OldPasswordIsCheckedAgainstTheFile)
{
    TempFolder dir;
    Session s;
    s.SciezkaProgramu = dir.path();
    QString error;
    EXPECT_EQ(sprawdzStareHaslo(s, QString(), &error), StareHaslo::BladOdczytu);
    EXPECT_TRUE(error.contains(u"instalka.dat"_s)) << error.toStdString();
    ASSERT_TRUE(writeInstalka(dir.path(), ustawienia(u"Tajne"_s, dir.path())));
    EXPECT_EQ(sprawdzStareHaslo(s, u"Tajne"_s, &error), StareHaslo::Zgodne);
    EXPECT_EQ(sprawdzStareHaslo(s, u"tajne"_s, &error), StareHaslo::Niezgodne);
}

TEST(AcceptedFolder, NewSettingsGetTheDefaultsAndTheFolder)
{
    TempFolder dir;
    Session s;
    s.SciezkaProgramu = u"/stary"_s;
    s.HasloZapisane = u"Tajne"_s;
    s.RodzajDrukarki = u"I"_s;
    s.RodzajDruku = u"0"_s;
    s.Ustawienie6 = u"0"_s;
    s.OpisSeryjny = u"COKOLWIEK"_s;
    QString error;
    ASSERT_TRUE(zapiszNoweUstawienia(s, dir.path(), &error)) << error.toStdString();
    const Ustawienia expected{u"Tajne"_s, dir.path(), u"I"_s, QString(), u"1"_s, u"1"_s, u"F-ra nr."_s};
    EXPECT_EQ(readInstalka(dir.path()).u, expected);
    EXPECT_EQ(s.RodzajDruku, u"1"_s);
    EXPECT_EQ(s.OpisSeryjny, u"F-ra nr."_s);

    EXPECT_FALSE(zapiszNoweUstawienia(s, dir.file(u"brak/folderu"_s), &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(MenuEntries, TypedDateAndTime)
{
    const struct {
        const char* typed;
        QDate date;  // invalid: refused
    } dates[] = {
        {"2021-03-04", QDate(2021, 3, 4)}, {" 2020-07-08 ", QDate(2020, 7, 8)}, {"2024-2-29", QDate(2024, 2, 29)},
        {"2023-02-29", {}},                {"04-03-2021", {}},                  {"4.3.2021", {}},
        {"2021-13-01", {}},                {"jutro", {}},                       {"", {}},
    };
    for (const auto& c : dates) {
        SCOPED_TRACE(c.typed);
        const std::optional<QDate> d = dataZWpisu(QString::fromUtf8(c.typed));
        EXPECT_EQ(d.value_or(QDate()), c.date);
    }
    const struct {
        const char* typed;
        QTime time;
    } times[] = {
        {"14:30", QTime(14, 30)}, {"9:05", QTime(9, 5)}, {"14:30:15", QTime(14, 30, 15)}, {" 23:59 ", QTime(23, 59)},
        {"24:00", {}},            {"14.30", {}},         {"1430", {}},                    {"12:60", {}},
    };
    for (const auto& c : times) {
        SCOPED_TRACE(c.typed);
        EXPECT_EQ(czasZWpisu(QString::fromUtf8(c.typed)).value_or(QTime()), c.time);
    }
}

TEST(MenuEntries, WorkingDateAndTodayTexts)
{
    Session s;
    ustawDateRobocza(s, QDate(2020, 7, 8));
    EXPECT_EQ(s.DataRobocza, u"08-07-2020"_s);
    ustawDzis(s, QDate(2021, 12, 31));
    EXPECT_EQ(s.DataDzis, u"31-12-2021"_s);
    EXPECT_EQ(s.DataDzisKlucz, u"20211231"_s);
}

TEST(MenuEntries, TodaysDateReadBackFromTheSession)
{
    // Windows read today through the session; before the date is set the
    // clock's day stands in.
    Session s;
    s.clock.setSource([] { return QDateTime(QDate(2024, 2, 29), QTime(9, 0)); });
    EXPECT_EQ(s.dzis(), QDate(2024, 2, 29));
    struct Przypadek {
        QDate dzien;
        QString miesiac, rok;
    };
    for (const Przypadek& p : {Przypadek{QDate(2021, 12, 31), u"12"_s, u"2021"_s},
                               Przypadek{QDate(2026, 1, 5), u"01"_s, u"2026"_s},
                               Przypadek{QDate(2000, 10, 1), u"10"_s, u"2000"_s}}) {
        ustawDzis(s, p.dzien);
        EXPECT_EQ(s.dzis(), p.dzien);
        EXPECT_EQ(s.miesiacDzis(), p.miesiac);
        EXPECT_EQ(s.rokDzis(), p.rok);
    }
}

TEST(MenuEntries, FolderMenusNameTheErrorAndNeedACurrentCompany)
{
    EXPECT_EQ(numerBledu(WynikFolderu::BladOdczytu), 53);
    EXPECT_EQ(numerBledu(WynikFolderu::BladZapisu), 75);
    EXPECT_EQ(numerBledu(WynikFolderu::Zmieniono), 0);
    EXPECT_EQ(numerBledu(WynikFolderu::BrakFirmy), 0);

    TempFolder dir;
    Firma f;
    f.nrId = u"1"_s;
    f.skrot = u"ALFA"_s;
    f.sciezkaEcorponet = u"/eco"_s;
    ASSERT_TRUE(writeMojaFirma(dir.file(kPlikMojaFirma), {f}));
    const QByteArray before = dir.readBytes(kPlikMojaFirma);
    for (const QString& nr : {QString(), u"2"_s, u"x"_s}) {
        SCOPED_TRACE(nr.toStdString());
        Session s;
        s.SciezkaProgramu = dir.path();
        s.NrIdFirmy = nr;
        s.SciezkaEcorponet = u"/eco"_s;
        QString error;
        EXPECT_EQ(ustawFolderEcorponet(s, u"/nowy"_s, &error), WynikFolderu::BrakFirmy);
        EXPECT_EQ(ustawFolderKramix(s, u"/nowy"_s, &error), WynikFolderu::BrakFirmy);
        EXPECT_EQ(dir.readBytes(kPlikMojaFirma), before);
        EXPECT_EQ(s.SciezkaEcorponet, u"/eco"_s);
    }
}

TEST(SecondCopy, MessageText)
{
    EXPECT_EQ(komunikatDrugiejKopii(), u"Aplikacja Remitto jest aktywna - próba ponownego zainstalowania tego programu !"_s);
}

// A text editor leaves an empty line after the last record: the file is whole.
TEST(OwnCompanyFile, EmptyLastLineIsNoDamage)
{
    TempFolder dir;
    Firma f;
    f.nrId = u"1"_s;
    f.skrot = u"ALFA"_s;
    ASSERT_TRUE(writeMojaFirma(dir.file(kPlikMojaFirma), {f, f}));
    const QByteArray whole = dir.readBytes(kPlikMojaFirma);
    dir.writeBytes(kPlikMojaFirma, whole + "\r\n");
    MojaFirmaOdczyt r = readMojaFirma(dir.file(kPlikMojaFirma));
    EXPECT_TRUE(r.ok) << r.error.toStdString();
    EXPECT_EQ(r.firmy.size(), 2);

    // One value more than whole records is damage still.
    dir.writeBytes(kPlikMojaFirma, whole + "\"3\"\r\n");
    r = readMojaFirma(dir.file(kPlikMojaFirma));
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.damaged);
    EXPECT_EQ(r.firmy.size(), 2);
}
