#pragma once

#include "statements/Mt940.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace remitto {

class PlikHistorii;
struct PlikWyslanych;

/// What the reconciliation found for one debit line of a statement or one
/// sent transfer.
enum class RodzajUzgodnienia {
    Zaksiegowany,     ///< a debit line matched to a sent transfer
    InnaKwota,        ///< same account within the days allowed, another amount
    BrakWHistorii,    ///< a debit line with no sent transfer (card, standing order)
    Niezaksiegowany,  ///< a transfer sent in the statement's period with no debit line
};

/// "zaksiegowany", "inna kwota", "brak w historii", "niezaksiegowany".
QString slowoUzgodnienia(RodzajUzgodnienia r);
std::optional<RodzajUzgodnienia> rodzajZeSlowa(const QString& slowo);

/// Days after a transfer's date within which the bank may book it.
inline constexpr int kDniKsiegowania = 14;
/// The last days of a statement's period, in which a transfer may still wait for booking.
inline constexpr int kDniOczekiwania = 3;

struct WynikUzgodnienia {
    RodzajUzgodnienia rodzaj = RodzajUzgodnienia::BrakWHistorii;
    QString kluczWyciagu;   ///< Wyciag::klucz() of the statement
    QString plik;           ///< the statement file of this import
    int linia = 0;          ///< line of the :61: tag, 0 for Niezaksiegowany
    int nrOperacji = 0;     ///< the :61: entry's number within its statement, from 1; 0 for Niezaksiegowany
    int rekord = -1;        ///< 0-based position in the sent-transfers file, -1 when none
    QString odcisk;         ///< the record's fingerprint (odciskRekordu()), empty when none
    int kluczDaty = 0;      ///< booking date of the line, or the record's date, yyyymmdd
    qint64 kwotaWyciagu = 0;  ///< grosze, of the debit line
    qint64 kwotaRekordu = 0;  ///< grosze, of the record
    bool maOperacje = false;  ///< a statement line belongs to the result
    bool maRekord = false;    ///< a record belongs to the result
    QString konto;          ///< beneficiary account, digits
    QString nazwa;
    QString tytul;
    QString dataUzgodnienia;  ///< yyyy-mm-dd of the import that found it
    bool wczesniej = false;   ///< read from the results file: imported before
};

/// Values of a record of `Wyciagi/uzgodnienia.dat`.
inline constexpr int kPolUzgodnienia = 12;

/// A stable mark of a record's values, so that a result finds its record
/// again after records before it were deleted or archived.
QString odciskRekordu(const PlikHistorii& plik, int rekord);

/// The reconciliation itself, with no file written. `zapisane` are the results
/// of earlier imports: a statement found among them is taken from them as it
/// was (an import repeated changes nothing), and the records they matched are
/// not matched again. Results come statement by statement, debit lines in
/// file order, then the transfers not booked in file order.
std::vector<WynikUzgodnienia> uzgodnij(const std::vector<Wyciag>& wyciagi, const PlikHistorii& historia,
                                       const std::vector<WynikUzgodnienia>& zapisane,
                                       const QString& dzisiaj);

/// "yyyy-mm-dd" of a date key yyyymmdd; empty for 0.
QString dataZKlucza(int klucz);

/// `Wyciagi/uzgodnienia.dat` in the data folder.
QString plikUzgodnien(const QString& folderDanych);

struct OdczytUzgodnien {
    bool ok = false;
    QString blad;
    std::vector<WynikUzgodnienia> wyniki;
};
/// Reads the results file (a missing file holds no results).
OdczytUzgodnien czytajUzgodnienia(const QString& sciezka);

/// What the results of earlier imports say of each record of the
/// sent-transfers file: -1 when nothing, else a RodzajUzgodnienia; a booking
/// (Zaksiegowany, then InnaKwota) wins over Niezaksiegowany of an earlier
/// statement. Records are found by their fingerprint, at the position the
/// result names first.
std::vector<qint8> stanyRekordow(const PlikHistorii& plik, const std::vector<WynikUzgodnienia>& zapisane);

/// The record of one result as the results file keeps it.
QString rekordUzgodnienia(const WynikUzgodnienia& w);

struct Uzgodnienie {
    bool ok = false;
    QString blad;             ///< Polish, naming the file (and the line of a statement)
    std::vector<Wyciag> wyciagi;
    std::vector<WynikUzgodnienia> wyniki;
    int nowe = 0;             ///< results appended by this import
};

/// Progress: bytes or records done out of total.
using PostepUzgodnienia = std::function<void(qint64 zrobione, qint64 razem)>;

/// Reads the statement files, reconciles them with the sent-transfers file
/// and appends the new results to the results file (all or nothing). A
/// damaged statement, history or results file writes nothing. The history
/// file is only read.
Uzgodnienie uzgodnijWyciagi(const QStringList& pliki, const PlikWyslanych& historia, const QString& folderDanych,
                            const QString& dzisiaj, const PostepUzgodnienia& postep = {});

} // namespace remitto
