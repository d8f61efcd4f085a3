#include "transfers/WpisPrzelewu.h"

#include "core/modZmiene.h"

namespace remitto {

Przelew przelewZWpisu(const WpisPrzelewu& w, Rodzaj rodzaj, const QString& dataDzis)
{
    const OpisRodzaju& opis = opisRodzaju(rodzaj);
    const QString dzis = dataRekordu(dataDzis);
    Przelew p;
    p.nazwaKontrahenta = ZamienCudzyslow(w.nazwa1);
    p.imieKontrahenta = ZamienCudzyslow(w.nazwa2);
    p.konto = w.konto;
    p.kwotaN = w.kwota;
    p.vat = w.vat;
    p.kwotaB = w.brutto;
    p.tytulem = w.tytul.left(105);
    p.terminSpla = dzis;
    p.splacono = w.brutto;
    p.kwDoSplaty = QStringLiteral("0");
    p.dataSplaty = dzis;
    p.oznPrz = QStringLiteral("Spłacona");
    p.ulica = w.ulica;
    p.nrDomu = w.numerDomu;
    p.adres = w.adres;
    p.kod = w.kod;
    p.skrot = w.skrot;
    p.bank = w.bank;
    p.nip = w.nip;
    p.status = QStringLiteral("Otwarta");
    p.typZlec = opis.typZlec;
    p.typDok = opis.typDok;
    p.kodIden = w.kodIden;
    return p;
}

} // namespace remitto

namespace remitto {

QStringList kontaWlasne(const QString& wybrane, const QString& konto1, const QString& konto2, const QString& konto3)
{
    QStringList konta;
    for (const QString& k : {wybrane, konto1, konto2, konto3})
        if (!k.trimmed().isEmpty() && !konta.contains(k))
            konta.append(k);
    return konta;
}

} // namespace remitto
