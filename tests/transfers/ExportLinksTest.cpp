// The export writes nothing outside the data folder and the shop folder
// through symbolic links planted in them.
#include "transfers/EksportPaczki.h"
#include "transfers/LiniaEksportu.h"
#include "transfers/PlikPaczki.h"

#include "core/TextFile.h"

#include "Budowa.h"
#include "DrzewoFaktur.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace remitto;
using remitto::test::BudowaPrzelewu;
using remitto::test::DrzewoFaktur;

namespace {

QByteArray bytesOf(const QString& path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

} // namespace

TEST(ExportLinks, PlantedLinksAreNeverWrittenThrough)
{
    DrzewoFaktur drzewo;
    drzewo.numeracja(QStringLiteral("26"), {});
    // A file elsewhere that reads as an invoice, so that only the writing
    // can refuse it.
    const QString fv = QStringLiteral("Fz261200002.dat");
    drzewo.faktura(fv, DrzewoFaktur::naglowek(fv));
    const QString faktura = drzewo.dir.file(drzewo.wFirmie(QStringLiteral("Faktury/") + fv));
    const QString secret = drzewo.dir.file(QStringLiteral("elsewhere.dat"));
    ASSERT_TRUE(QFile::rename(faktura, secret));
    const QByteArray secretBytes = bytesOf(secret);

    DaneEksportu dane;
    dane.folder = drzewo.dir.file(QStringLiteral("dane"));
    dane.skrotFirmy = QStringLiteral("LAN");
    dane.nadawca = {QStringLiteral("61109010140000071219812874"), QStringLiteral("PIEKARNIA|Sp. z o.o.|Kraków")};
    dane.sciezkaKramix = drzewo.kramix();
    dane.folderFirmyKramix = drzewo.firma;
    dane.dzis = QDate(2026, 12, 10);
    const QString eksporty = dane.folder + QStringLiteral("/DoECorponet");
    ASSERT_TRUE(QDir().mkpath(eksporty));
    ASSERT_TRUE(QDir().mkpath(dane.folder + QStringLiteral("/Paczki")));

    // The export file's old fixed work name, and an invoice file of the
    // shop folder, both links to the file elsewhere.
    ASSERT_TRUE(QFile::link(secret, eksporty + QStringLiteral("/.LAN202612_01.TXT.tmp")));
    ASSERT_TRUE(QFile::link(secret, faktura));

    const Przelew p = BudowaPrzelewu().kwota(QStringLiteral("5,00")).tytul(QStringLiteral("FV 2")).faktura(fv).zmien(
        [](Przelew& r) {
            r.nrPaczk = QStringLiteral("01");
            r.nrPrzel = QStringLiteral("1");
        });
    const QString paczka = sciezkaPaczki(dane.folder, 2026, 12, 1);
    ASSERT_TRUE(zapiszPaczke(paczka, {p}));

    const WynikEksportu w = eksportujPaczke(dane, paczka, {p}, Rodzaj::Przelew);
    ASSERT_FALSE(w.odmowiono()) << w.blad.toStdString();
    EXPECT_EQ(w.przerwanyKrok, KrokEksportu::Faktury);
    EXPECT_EQ(w.nieoznaczoneFaktury, QStringList{faktura});
    EXPECT_TRUE(opisPrzerwania(w).contains(fv)) << opisPrzerwania(w).toStdString();
    EXPECT_EQ(bytesOf(eksporty + QStringLiteral("/LAN202612_01.TXT")),
              toCp1250(liniaEksportu(p, 500, *kodyEksportu(Rodzaj::Przelew), dane.nadawca, dane.dzis)));
    EXPECT_EQ(bytesOf(secret), secretBytes);
    EXPECT_TRUE(QFileInfo(faktura).isSymLink());
}
