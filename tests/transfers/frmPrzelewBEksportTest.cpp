// The export buttons of the transfer window: every box in order, the files on disk.
#include "Budowa.h"
#include "DrzewoFaktur.h"
#include "ScriptedDialogs.h"

#include "core/Session.h"
#include "transfers/PlikPaczki.h"
#include "transfers/frmPrzelewBEksport.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace remitto;
using namespace remitto::test;

namespace {

struct ExportButtonTest : ::testing::Test, FolderDanych {
    DrzewoFaktur drzewo;
    ScriptedDialogs dialogs;
    QString fv = QStringLiteral("Fz261200004.dat");

    void SetUp() override
    {
        firma(QStringLiteral("KLOS"));
        s.FolderFirmyKramix = drzewo.firma;
        s.SciezkaKramix = drzewo.kramix();
        s.KontoWybrane = QStringLiteral("61109010140000071219812874");
        s.DaneFirmy = QStringLiteral("Piekarnia Kłos||30-001 Kraków Długa 5");
        s.NrPaczkiAktualnej = 2;
        drzewo.faktura(fv, DrzewoFaktur::naglowek(fv));
    }

    QString paczka() const { return FolderPaczek::paczka(2026, 12, 2); }
    QString eksport() const { return FolderPaczek::eksport(QStringLiteral("KLOS202612_02.TXT")); }

    /// Open package 2 of one transfer paying the invoice.
    QList<Przelew> zapisz(const QString& konto = QStringLiteral("61109010140000071219812874"))
    {
        return FolderPaczek::zapisz({BudowaPrzelewu::pusty()
                                         .nazwa(QStringLiteral("Hurtownia Zboże"))
                                         .konto(konto)
                                         .brutto(QStringLiteral("250,00"))
                                         .tytul(QStringLiteral("F-ra 4/12"))
                                         .faktura(fv)
                                         .status(kOtwarta)},
                                    2026, 12, 2);
    }

    QList<std::tuple<QString, QString, Icon>> boxes() const
    {
        QList<std::tuple<QString, QString, Icon>> out;
        for (const ShownBox& b : dialogs.shown())
            out.append({b.text, b.title, b.icon});
        return out;
    }

    QByteArray bytes(const QString& path) const
    {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }
};

const auto kPytanie = std::make_tuple(QStringLiteral("Czy napewno chcesz przenieść płatność z tych faktur do przelewu ?"),
                                      QStringLiteral(" Faktury z przelewów z Paczki nr 2 oznaczone zostaną jako zapłacone !"),
                                      Icon::Information);

} // namespace

TEST_F(ExportButtonTest, MainRoadShowsTheBoxesAndWritesEveryFile)
{
    const QList<Przelew> widok = zapisz(QStringLiteral("611090101400000712198128"));
    const WynikEksportu w = przeniesDoEcorponet(s, dialogs, paczka(), widok, Rodzaj::Przelew);
    EXPECT_TRUE(w.wykonano());
    EXPECT_EQ(boxes(), (QList<std::tuple<QString, QString, Icon>>{
                           kPytanie,
                           {QStringLiteral("Sprawdź konto beneficjenta do przelewu Hurtownia Zboże - wydaje się błędne!"),
                            QString(), Icon::Critical},
                           {QStringLiteral("Paczka została przeniesiona"),
                            QStringLiteral("Wpisanie paczki do ECorponet na dzien "), Icon::Exclamation}}));
    EXPECT_EQ(s.PlikPaczki, paczka());
    EXPECT_TRUE(bytes(eksport()).startsWith("110,20261210,00000000000025000,86020000,0,\"61109010140000071219812874\","));
    EXPECT_EQ(czytajPaczke(s.SciezkaProgramu + QStringLiteral("/KLOS.dat")).rekordy.size(), 1);
    EXPECT_EQ(czytajPaczke(paczka()).rekordy.value(0).status, kZamknieta);
    EXPECT_TRUE(bytes(drzewo.dir.file(drzewo.wFirmie(QStringLiteral("Faktury/") + fv)))
                    .startsWith("\"02    250,0020261210  \",\"Kowalski\""));
}

TEST_F(ExportButtonTest, RefusalsShowTheirBoxesAndWriteNothing)
{
    const QList<Przelew> widok = zapisz();
    const QByteArray paczkaPrzed = bytes(paczka());

    przeniesDoEcorponet(s, dialogs, paczka(), widok, Rodzaj::Wplata);
    ASSERT_EQ(dialogs.shown().size(), 1);  // at once, before the usual first box
    EXPECT_EQ(dialogs.shown()[0].title, QStringLiteral("Zastanów się co chcesz zrobić !!"));
    EXPECT_TRUE(dialogs.shown()[0].text.contains(QStringLiteral("Wpłata")));
    dialogs.clear();

    przeniesDoEcorponet(s, dialogs, paczka(), {}, Rodzaj::Przelew);
    EXPECT_EQ(boxes(), (QList<std::tuple<QString, QString, Icon>>{
                           kPytanie,
                           {QStringLiteral("Paczka nie zawiera przelewów"), QStringLiteral("Zastanów się co chcesz zrobić !!"),
                            Icon::Critical}}));
    dialogs.clear();

    QList<Przelew> zlaKwota = widok;
    zlaKwota[0].splacono = QStringLiteral("dwieście");
    zapiszPaczke(paczka(), zlaKwota);
    przeniesDoEcorponet(s, dialogs, paczka(), zlaKwota, Rodzaj::Przelew);
    ASSERT_EQ(dialogs.shown().size(), 2);
    EXPECT_EQ(dialogs.shown()[1].title, QStringLiteral("Paczka nie została przeniesiona do Ecorponet"));
    EXPECT_TRUE(dialogs.shown()[1].text.contains(QStringLiteral("Przelew nr 1 (Hurtownia Zboże)")));
    EXPECT_FALSE(QDir(s.SciezkaProgramu + QStringLiteral("/DoECorponet")).exists());
    zapiszPaczke(paczka(), widok);
    EXPECT_EQ(bytes(paczka()), paczkaPrzed);
}

TEST_F(ExportButtonTest, SecondExportGivesTheNumberingMessages)
{
    const QList<Przelew> widok = zapisz();
    ASSERT_TRUE(przeniesDoEcorponet(s, dialogs, paczka(), widok, Rodzaj::Przelew).wykonano());
    const QByteArray plik = bytes(eksport());
    dialogs.clear();

    przeniesDoEcorponet(s, dialogs, paczka(), widok, Rodzaj::Przelew);
    przeniesDoEcorponet(s, dialogs, paczka(), czytajPaczke(paczka()).rekordy, Rodzaj::Przelew);
    EXPECT_EQ(boxes(), (QList<std::tuple<QString, QString, Icon>>{
                           kPytanie,
                           {QStringLiteral(" Ten numer paczki ") + eksport() + QStringLiteral(" już istnieje w systemie "),
                            QStringLiteral("Sprawdź numeracje paczek"), Icon::Critical},
                           kPytanie,
                           {QStringLiteral("Paczka ") + eksport()
                                + QStringLiteral(" już została zmknięta i przeniesiona do Ecoponet ") + eksport()
                                + QStringLiteral(" już istnieje w w Ecorponet "),
                            QStringLiteral("Sprawdź numeracje paczek"), Icon::Critical}}));
    EXPECT_EQ(bytes(eksport()), plik);
}

TEST_F(ExportButtonTest, DeletingAsksFirstAndKeepsThePackageClosed)
{
    const QList<Przelew> widok = zapisz();
    ASSERT_TRUE(przeniesDoEcorponet(s, dialogs, paczka(), widok, Rodzaj::Przelew).wykonano());
    dialogs.clear();

    EXPECT_FALSE(usunPaczkeZEcorponet(s, dialogs, QString()));  // nothing selected: nothing asked
    EXPECT_TRUE(dialogs.shown().isEmpty());

    dialogs.answer(Answer::Cancel);
    EXPECT_FALSE(usunPaczkeZEcorponet(s, dialogs, QStringLiteral("KLOS202612_02.TXT")));
    EXPECT_TRUE(QFile::exists(eksport()));

    dialogs.answer(Answer::Ok);
    EXPECT_TRUE(usunPaczkeZEcorponet(s, dialogs, QStringLiteral("KLOS202612_02.TXT")));
    EXPECT_FALSE(QFile::exists(eksport()));
    const auto pytanie = std::make_tuple(QStringLiteral("Czy napewno chcesz usunąć wskazaną paczkę z Katalogu Paczek  ?"),
                                         QStringLiteral("Pytanie"), Icon::Question);
    EXPECT_EQ(boxes(), (QList<std::tuple<QString, QString, Icon>>{
                           pytanie, pytanie, {QStringLiteral("Paczkę usunieto !"), QStringLiteral(" Usuwanie"), Icon::Information}}));
    EXPECT_EQ(dialogs.shown()[0].buttons, Buttons::OkCancel);
    EXPECT_EQ(czytajPaczke(paczka()).rekordy.value(0).status, kZamknieta);
}
