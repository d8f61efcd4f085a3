#pragma once

#include "core/ProgramClock.h"

#include <QDate>
#include <QString>

namespace remitto {

/// Program-wide state through which the windows hand the current selection to
/// each other. One instance lives for the whole run and is passed by reference.
struct Session {
    ProgramClock clock;

    // Data folder and files
    QString SciezkaProgramu;
    QString PlikMojaFirma;

    // Settings file (instalka.dat), values 1 to 7 (value 2 is SciezkaProgramu)
    QString HasloZapisane;
    QString HasloWpisane;
    QString RodzajDrukarki;
    QString DrukPogrubiony;
    QString RodzajDruku;
    QString Ustawienie6;
    QString OpisSeryjny;

    // Dates
    QString DataDzis;       ///< dd-mm-yyyy
    QString DataDzisKlucz;  ///< yyyymmdd
    QString DataRobocza;    ///< dd-mm-yyyy, picked in the main calendar

    /// Today as the session holds it (DataDzis, set by ustawDzis()); the
    /// clock's today while DataDzis holds no date. Windows take the day,
    /// month and year from here instead of cutting the text apart.
    QDate dzis() const
    {
        const QDate d = QDate::fromString(DataDzis, QStringLiteral("dd-MM-yyyy"));
        return d.isValid() ? d : clock.today();
    }
    /// Today's month as two digits ("03") and year as four ("2026").
    QString miesiacDzis() const { return dzis().toString(QStringLiteral("MM")); }
    QString rokDzis() const { return dzis().toString(QStringLiteral("yyyy")); }

    // Current own company (one record of MojaFirma.txt)
    QString NrIdFirmy;
    QString SkrotFirmy;
    QString NazwaFirmy;
    QString Nazwa2Firmy;
    QString KodFirmy;
    QString MiastoFirmy;
    QString UlicaFirmy;
    QString NumerDomuFirmy;
    QString Konto1Firmy;
    QString Konto2Firmy;
    QString Konto3Firmy;
    QString Konto4Firmy;
    QString IdnFirmy;
    QString NipFirmy;
    QString SciezkaKramix;
    QString SciezkaEcorponet;
    QString DaneFirmy;
    QString KontoWybrane;
    int NrKontaWybranego = 0;
    QString FolderFirmyKramix;

    // Selections handed between the working windows
    qint16 TrybKontrahenta = 0;
    QString NazwaKontrahenta;  ///< name of the contractor chosen in the list (grid column 1)
    QString SkrotKontrahenta;  ///< its short name (grid column 4)
    QString NrKolKontrahenta;  ///< ordinal of the contractor handed to the transfer window
    QString PlikPaczki;
    QString PlikNumeracji;
    int NrPaczkiAktualnej = 0;
    int RodzajPrzelewu = 1;
    // Tax fields of the transfer window (year, period, period number, symbol)
    QString RokUS;
    QString OkresUS;
    QString NrOkresuUS;
    QString SymbolUS;
    QString PlikFakturyZ;

    /// The missing flat file of the VAT white list was told once this run.
    bool BrakBialejListyZgloszony = false;

    // Postal-code lookup results
    QString MiejscowoscZKodu;
    QString PocztaZKodu;

    /// Full path of a file in the data folder.
    QString dataPath(const QString& name) const { return SciezkaProgramu + QLatin1Char('/') + name; }
};

} // namespace remitto
