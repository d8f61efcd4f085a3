#pragma once

// Checking the contractors of kontrah.dta against the VAT white list: which
// are checked, the result of each, and the report kept in the data folder as
// proof of the check (text file) and printed as a list.

#include "contractors/BialaLista.h"
#include "contractors/Kontrahent.h"
#include "core/PrintJob.h"

#include <QList>
#include <QString>

class QSettings;

namespace remitto::kontrahenci {

/// One checked contractor.
struct PozycjaRaportu {
    QString skrot;
    QString nazwa;
    QString nip;    ///< as checked (10 digits), or as recorded when it is not a NIP
    QString konto;  ///< as checked (26 digits), or as recorded when it is not 26 digits
    WynikBialejListy wynik = WynikBialejListy::NieFiguruje;

    bool operator==(const PozycjaRaportu&) const = default;
};

/// The contractors worth a check: those with a NIP or an account (account 1,
/// the one transfers use). A record with neither (a private person, an empty
/// record) has nothing to check and is left out.
QList<Kontrahent> kontrahenciDoSprawdzenia(const QList<Kontrahent>& lista);

/// Checks the contractors (hashing on every core). `postep` as for
/// BialaLista::sprawdz; an empty list comes back when it stops the checks.
QList<PozycjaRaportu> sprawdzKontrahentow(const BialaLista& lista, const QList<Kontrahent>& kontrahenci,
                                          const std::function<bool(qint64, qint64)>& postep = {},
                                          bool* przerwano = nullptr);

struct RaportBialejListy {
    QByteArray dataPliku;  ///< dataGenerowaniaDanych, yyyymmdd
    QString plik;          ///< the flat file's full path
    QString sprawdzono;    ///< when the check was made, dd-mm-yyyy hh:mm
    QList<PozycjaRaportu> pozycje;
};

/// The report as text, lines ended by CR LF: the flat file's date and name,
/// when it was checked, then "NIP;konto;wynik;skrót;nazwa" per contractor.
QString tekstRaportu(const RaportBialejListy& r);
/// <data folder>/BialaLista/<yyyymmdd>.txt
QString sciezkaRaportu(const QString& folderDanych, const QByteArray& dataPliku);
/// Writes the report (Windows-1250, atomic rewrite), making the folder.
bool zapiszRaport(const QString& folderDanych, const RaportBialejListy& r, QString* sciezka, QString* blad);
/// The printed list: heading with the file, one line per contractor, the
/// count of each result.
PrintJob wydrukRaportu(const RaportBialejListy& r, bool pogrubiony = false);

/// The flat file chosen last, kept in the user's settings of the program.
QString zapamietanyPlikBialejListy(const QSettings& settings);
void zapamietajPlikBialejListy(QSettings& settings, const QString& plik);

} // namespace remitto::kontrahenci
