#include "shop/PodgladFaktury.h"

#include "core/Amount.h"
#include "core/modZmiene.h"
#include "shop/ListaFaktur.h"
#include "shop/OznaczenieFaktury.h"
#include "shop/PlikiKramix.h"

#include <QFileInfo>

namespace remitto {

namespace {

double liczba(const QString& t)
{
    bool ok = false;
    const double d = PrzecinekNaKropke(t.trimmed()).toDouble(&ok);
    return ok ? d : 0.0;
}

} // namespace

const QStringList& naglowkiPodgladu()
{
    static const QStringList n = {
        QStringLiteral("Nr.kol"), QStringLiteral("Nazwa towaru- usługi"), QStringLiteral("CenaNetto"),
        QStringLiteral("Ilość "), QStringLiteral("Wart.Netto"), QStringLiteral("VATz"),
        QStringLiteral("Wart.Brutto"), QStringLiteral("Marża"), QStringLiteral("J.Miary"),
        QStringLiteral("DataZakupu"), QStringLiteral("CenaNet.Sprz"), QStringLiteral("CenaBru.Sprz"),
        QStringLiteral("NumerFaktury"), QStringLiteral("Kontrahent"), QStringLiteral("Gr.Towarowa"),
        QStringLiteral("Gr.Rab"), QStringLiteral("Uwagi       "), QStringLiteral("Kod & Poz.FZak"),
        QStringLiteral(" PKWiU  "), QStringLiteral("KwKoszt"), QStringLiteral("IndexZ"),
    };
    return n;
}

const QList<int>& szerokosciPodgladu()
{
    static const QList<int> s = {500, 4600, 1000, 600, 1000, 500, 1200, 550, 700, 1100, 1300,
                                 1300, 1300, 1300, 1300, 800, 3500, 2500, 1200, 1200, 2000};
    return s;
}

const QStringList& sposobyPlatnosci()
{
    static const QStringList s = {
        QStringLiteral("Gotówka"), QStringLiteral("Przelew 3 dni"), QStringLiteral("Przelew 7 dni"),
        QStringLiteral("Przelew 14 dni"), QStringLiteral("Przelew 30 dni"), QStringLiteral("Przelew 60 dni"),
        QStringLiteral("Faktoring"), QStringLiteral("Pobranie"),
    };
    return s;
}

QString marzaPozycji(const QString& cenaZakupu, const QString& cenaSprzedazy)
{
    const double zakup = liczba(cenaZakupu);
    if (!(zakup > 0))
        return {};
    return formatAmount(toGrosze(Zaokraglij(liczba(cenaSprzedazy) / zakup * 100.0 - 100.0)));
}

PodgladFaktury wczytajPodglad(const QString& sciezkaKramix, const QString& folderFirmy, const QString& plik)
{
    PodgladFaktury p;
    p.netto = p.vat = p.brutto = formatAmount(0);
    if (!czyNazwaFaktury(plik)) {
        p.stan = PodgladFaktury::Stan::ZlaNazwa;
        p.blad = QStringLiteral("\"%1\" nie jest nazwą pliku faktury zakupu (Fz + 9 cyfr + .dat).").arg(plik);
        return p;
    }
    DrzewoKramix drzewo(sciezkaKramix, folderFirmy);
    p.sciezka = drzewo.znajdzFakture(plik);
    if (p.sciezka.isEmpty()) {
        p.stan = PodgladFaktury::Stan::BrakPliku;
        p.blad = QStringLiteral("Brak folderu faktur zakupu w %1").arg(drzewo.oczekiwanyFolderFirmy());
        return p;
    }
    if (QFileInfo(p.sciezka).isDir()) {
        p.stan = PodgladFaktury::Stan::BrakPliku;
        p.blad = komunikatFolderu(p.sciezka);
        return p;
    }
    const PlikFaktury f = odczytajPlikFaktury(p.sciezka);
    if (f.stan == PlikFaktury::Stan::Brak) {
        p.stan = PodgladFaktury::Stan::BrakPliku;
        p.blad = QStringLiteral("Brak pliku faktury %1").arg(p.sciezka);
        return p;
    }
    p.stan = f.stan == PlikFaktury::Stan::Ok ? PodgladFaktury::Stan::Ok : PodgladFaktury::Stan::Uszkodzony;
    if (p.stan == PodgladFaktury::Stan::Uszkodzony)
        p.blad = QStringLiteral("Plik faktury %1 jest uszkodzony: %2.").arg(p.sciezka, f.powod);

    const QStringList& h = f.naglowek;
    p.nrKolejny = plik.mid(6, 5);
    p.dataZakupu = h[16];
    p.nrFaktury = h[15];
    p.sposobPlatnosci = h[17];
    p.termin = h[18];
    p.nazwa = h[1];
    p.imie = h[2];
    p.kod = h[4];
    p.poczta = h[5];
    p.skrot = h[9];
    p.ulica = h[6];
    p.nrDomu = h[7];
    p.nip = h[3];
    p.typ = h[12].startsWith(QLatin1Char('O')) ? QStringLiteral("RC ") : QStringLiteral("VAT");
    p.tytul = QStringLiteral("Faktura zakupu nr ") + plik.left(11) + QStringLiteral(" od ") + h[1]
            + QLatin1Char(' ') + h[2] + QStringLiteral(" NIP-") + h[3];

    qint64 netto = 0;
    qint64 brutto = 0;
    int nr = 0;
    for (const QStringList& v : f.pozycje) {
        QStringList w;
        w.reserve(21);
        w << QString::number(++nr) << v[0] << v[1] << v[2] << v[3] << v[4] << v[5]
          << marzaPozycji(v[1], v[9]) << v[7] << v[8] << v[9] << v[10] << v[11] << v[12] << v[13]
          << v[14] << v[15] << v[16] << v[17] << v[6] << v[18];
        // Amounts on screen take the decimal comma, whatever the file holds.
        for (int k : {2, 4, 6, 10, 11, 19})
            w[k] = kwotaNaEkran(w[k]);
        p.wiersze.append(w);
        netto += toGrosze(liczba(v[3]));
        brutto += toGrosze(liczba(v[5]));
    }
    p.netto = formatAmount(netto);
    p.brutto = formatAmount(brutto);
    p.vat = formatAmount(brutto - netto);
    return p;
}

} // namespace remitto
