#pragma once

#include "transfers/Przelew.h"
#include "transfers/RodzajPrzelewu.h"

#include <QDate>
#include <QString>
#include <optional>

namespace remitto {

/// Codes of an export line, taken from the kind selected at export time.
struct KodyEksportu {
    QString typZlec;       ///< field 1, order type
    QString bankOdbiorcy;  ///< field 11, "0" or the social insurance bank code
    QString typDok;        ///< field 15, classification
    /// The title goes out as 105 characters in one piece (tax and
    /// split-payment titles carry their own structure); otherwise as three
    /// lines of 35 joined with "|".
    bool tytulWCalosci = false;
};

/// The codes of a kind; nothing for the cash deposit, which is never sent.
std::optional<KodyEksportu> kodyEksportu(Rodzaj r);

/// Sender's bank code of every export line.
inline const QString kBankNadawcy = QStringLiteral("86020000");

/// Upper case letter by letter (ą gives Ą, ł gives Ł); the length never
/// changes, so fixed-width fields stay in place.
QString wielkieLitery(const QString& tekst);

/// The title field: quotes replaced, upper case, cut or padded with blanks to
/// 105 characters; in one piece or as 35 + "|" + 35 + "|" + 35.
QString tytulEksportu(const QString& tytul, bool wCalosci);

/// The amount field: grosze zero-padded on the left to 17 digits.
QString kwotaEksportu(qint64 grosze);

/// The beneficiary field: name 1 | name 2 | postal code, town, street, house.
QString odbiorcaEksportu(const Przelew& p);

/// What an export line needs beyond the transfer.
struct NadawcaEksportu {
    QString konto;  ///< KontoWybrane, the own account chosen for transfers
    QString dane;   ///< DaneFirmy, names and address joined with "|"
};

/// One line of the export file, CR LF at the end: 15 fields of the interbank
/// order layout. `grosze` is the amount paid by the transfer; `data` the
/// execution date.
QString liniaEksportu(const Przelew& p, qint64 grosze, const KodyEksportu& kody, const NadawcaEksportu& nadawca,
                      const QDate& data);

/// The beneficiary account as the export checks it: exactly 26 characters,
/// all digits, with right check digits. A row failing it is warned about
/// and still exported.
bool kontoDoEksportu(const QString& konto);

/// Export folder of the data folder.
QString folderEksportu(const QString& folder);
/// Name of the export file: short name + yyyy + mm + "_" + NN + ".TXT".
QString nazwaPlikuEksportu(const QString& skrotFirmy, int rok, int miesiac, int nr);
/// The sent-transfers file: short name + ".dat" in the data folder.
QString sciezkaHistorii(const QString& folder, const QString& skrotFirmy);

} // namespace remitto
