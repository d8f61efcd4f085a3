// Which contractors are checked against the white list, and the report kept
// as proof of the check.
#include "contractors/RaportBialejListy.h"

#include "PlikPlaski.h"
#include "TempFolder.h"
#include "core/TextFile.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace remitto::kontrahenci {
namespace {

using test::TempFolder;
using W = WynikBialejListy;

Kontrahent kontrahent(const QString& skrot, const QString& nip, const QString& konto)
{
    Kontrahent k;
    k[SkrotK] = skrot;
    k[NazwaKontrahenta] = u"Firma "_s + skrot;
    k[NipKontr] = nip;
    k[NrRachunku1K] = konto;
    k[NrRachunku2K] = u"99999999999999999999999999"_s;  // never checked
    return k;
}

TEST(RaportBialejListy, ChecksEveryContractorWithANipOrAnAccountAndWritesTheReport)
{
    TempFolder dir;
    dir.writeBytes(u"20261210.json"_s,
                   test::plikPlaski("20261210", {{"5260250274", "61109010140000071219812874"}},
                                    {{"7740001454", "27114020040000350230599137"}}));
    QString blad;
    const BialaLista lista = BialaLista::otworz(dir.file(u"20261210.json"_s), dir.file(u"pamiec"_s), {}, &blad);
    ASSERT_TRUE(lista.wczytana()) << qPrintable(blad);

    const QList<Kontrahent> wszyscy = {
        kontrahent(u"CZYNNY"_s, u"526-025-02-74"_s, u"61 1090 1014 0000 0712 1981 2874"_s),
        kontrahent(u"OSOBA"_s, u" "_s, QString()),  // nothing to check: left out
        kontrahent(u"ZWOLN"_s, u"7740001454"_s, u"27114020040000350230599137"_s),
        kontrahent(u"OBCY"_s, u"1234563218"_s, u"12345678901234567890123456"_s),
        kontrahent(u"BEZNIP"_s, QString(), u"61109010140000071219812874"_s),
        kontrahent(u"KRÓTKI"_s, u"5260250274"_s, u"6110901014"_s),
    };
    const QList<Kontrahent> doSprawdzenia = kontrahenciDoSprawdzenia(wszyscy);
    ASSERT_EQ(doSprawdzenia.size(), 5);
    EXPECT_EQ(doSprawdzenia[1][SkrotK], u"ZWOLN"_s);

    RaportBialejListy r;
    r.dataPliku = lista.dataTekst();
    r.plik = dir.file(u"20261210.json"_s);
    r.sprawdzono = u"10-12-2026 09:15"_s;
    r.pozycje = sprawdzKontrahentow(lista, doSprawdzenia);
    ASSERT_EQ(r.pozycje.size(), 5);
    const QList<W> oczekiwane = {W::Czynny, W::Zwolniony, W::NieFiguruje, W::BrakNipLubKonta, W::KontoNiepelne};
    for (qsizetype i = 0; i < oczekiwane.size(); ++i)
        EXPECT_EQ(r.pozycje[i].wynik, oczekiwane[i]) << i;

    QString sciezka;
    ASSERT_TRUE(zapiszRaport(dir.path(), r, &sciezka, &blad)) << qPrintable(blad);
    EXPECT_EQ(sciezka, dir.file(u"BialaLista/20261210.txt"_s));
    const QString oczekiwany =
        u"Biała lista podatników VAT - sprawdzenie kontrahentów\r\n"
        "Data pliku płaskiego: 20261210\r\n"
        "Plik płaski: "_s + dir.file(u"20261210.json"_s) + u"\r\n"
        "Sprawdzono: 10-12-2026 09:15\r\n"
        "NIP;konto;wynik;skrót;nazwa\r\n"
        "5260250274;61109010140000071219812874;czynny;CZYNNY;Firma CZYNNY\r\n"
        "7740001454;27114020040000350230599137;zwolniony;ZWOLN;Firma ZWOLN\r\n"
        "1234563218;12345678901234567890123456;nie figuruje;OBCY;Firma OBCY\r\n"
        ";61109010140000071219812874;brak NIP lub konta;BEZNIP;Firma BEZNIP\r\n"
        "5260250274;6110901014;konto niepełne;KRÓTKI;Firma KRÓTKI\r\n"_s;
    const QByteArray bajty = dir.readBytes(u"BialaLista/20261210.txt"_s);
    EXPECT_EQ(bajty, toCp1250(oczekiwany));

    // The printed list holds every contractor and the count of each result.
    QStringList linie;
    const PrintJob job = wydrukRaportu(r);
    for (const PrintPage& s : job.pages())
        for (const PrintLine& l : s.lines)
            linie << l.text;
    const QString wydruk = linie.join(u'\n');
    for (const PozycjaRaportu& p : r.pozycje)
        EXPECT_TRUE(wydruk.contains(p.konto)) << qPrintable(p.konto);
    EXPECT_TRUE(wydruk.contains(u"nie figuruje:       1"_s)) << qPrintable(wydruk);
}

} // namespace
} // namespace remitto::kontrahenci
