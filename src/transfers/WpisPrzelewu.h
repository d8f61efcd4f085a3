#pragma once

#include "transfers/Przelew.h"
#include "transfers/RodzajPrzelewu.h"

#include <QString>
#include <QStringList>

namespace remitto {

/// The values of the transfer window's entry area: one contractor and the
/// transfer being typed.
struct WpisPrzelewu {
    QString nazwa1;     ///< txtNazwa1K
    QString nazwa2;     ///< txtNazwa2K
    QString skrot;      ///< txtSkrótK
    QString kod;        ///< txtKODK
    QString adres;      ///< txtAdresK (town)
    QString ulica;      ///< txtUlicaK
    QString numerDomu;  ///< txtNumerDomuK
    QString nrLok;      ///< txtNrLok
    QString poczta;     ///< txtPoczta
    QString bank;       ///< txtBankK
    QString konto;      ///< txtKontoK
    QString nip;        ///< txtNIPK
    QString kodIden;    ///< txtKodIden
    QString telefon;    ///< txtTelefon
    QString mail;       ///< txtMail
    QString kwota;      ///< txtKwotaK (net, as typed)
    QString vat;        ///< txtVat
    QString brutto;     ///< txtKwotaBrutto
    QString tytul;      ///< txtTytulem1
    QString nrKol;      ///< txtNrKol: ordinal of the contractor shown ("" = none)
    QString rodzajPlatnika;  ///< txtRodzKl: payer type letter

    bool operator==(const WpisPrzelewu&) const = default;
};

/// The transfer record written from the entry area on `dataDzis` (dd-mm-yyyy):
/// due and payment date today, paid = gross, nothing left to pay, mark
/// "Spłacona", state "Otwarta", the codes of the kind; names with double
/// quotes replaced. The package number and position are left to the package.
Przelew przelewZWpisu(const WpisPrzelewu& w, Rodzaj rodzaj, const QString& dataDzis);

} // namespace remitto

namespace remitto {

/// The own company's accounts as the transfer window shows them: the outgoing
/// account chosen in the own company window first, then the other accounts
/// (1, 2, 3) that are not empty and differ from it.
QStringList kontaWlasne(const QString& wybrane, const QString& konto1, const QString& konto2, const QString& konto3);

} // namespace remitto
