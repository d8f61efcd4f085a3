#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace remitto {

/// Headings and widths (twips) of the goods grid of the invoice view.
const QStringList& naglowkiPodgladu();
const QList<int>& szerokosciPodgladu();

/// The payment methods of the view's drop-down list.
const QStringList& sposobyPlatnosci();

/// One purchase invoice file as the invoice view shows it.
struct PodgladFaktury {
    enum class Stan { Ok, ZlaNazwa, BrakPliku, Uszkodzony };
    Stan stan = Stan::BrakPliku;
    QString blad;      ///< Polish message when not Ok
    QString sciezka;   ///< the file read ("" when no path could be built)

    QString tytul;     ///< window caption
    QString nrKolejny; ///< characters 7-11 of the file name
    QString dataZakupu;
    QString nrFaktury;
    QString sposobPlatnosci;
    QString termin;
    QString nazwa;
    QString imie;
    QString kod;
    QString poczta;
    QString skrot;
    QString ulica;
    QString nrDomu;
    QString nip;
    QString typ;       ///< "RC " or "VAT"

    QList<QStringList> wiersze;  ///< 21 cells per goods line
    QString netto;     ///< totals, two decimals with a comma
    QString vat;
    QString brutto;
};

/// Reads the invoice file `plik` (its bare name) of the company's shop tree.
/// A name that is not an invoice file name is refused before any path is
/// built; a damaged file shows what could be read.
PodgladFaktury wczytajPodglad(const QString& sciezkaKramix, const QString& folderFirmy, const QString& plik);

/// The margin of a goods line in percent ("25,00"): selling / purchase price
/// x 100 - 100; "" when the purchase price is not above 0.
QString marzaPozycji(const QString& cenaZakupu, const QString& cenaSprzedazy);

} // namespace remitto
