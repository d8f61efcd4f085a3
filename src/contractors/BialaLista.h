#pragma once

// The Ministry's daily flat file of VAT payers ("biała lista"): the hash of a
// NIP and account pair, the virtual-account masks, and a list read once a day
// into a cache of sorted 64-bit hash prefixes, so that later checks are a
// binary search.

#include <QByteArray>
#include <QByteArrayView>
#include <QDate>
#include <QList>
#include <QString>

#include <functional>
#include <memory>
#include <utility>

namespace remitto::kontrahenci {

enum class WynikBialejListy {
    Czynny,          // found among active payers
    Zwolniony,       // found among exempt payers
    NieFiguruje,     // neither directly nor through a mask
    BrakNipLubKonta, // the contractor has no NIP or no account
    KontoNiepelne,   // the account is not 26 digits
};

/// "czynny", "zwolniony", "nie figuruje", "brak NIP lub konta", "konto niepełne".
QString opisWyniku(WynikBialejListy wynik);

/// Lower-case hex (128 characters) of SHA-512 applied `transformacje` times to
/// date + NIP + NRB, each time over the hex text of the previous result.
/// Empty only when the hashing library fails.
QByteArray skrotPary(QByteArrayView data, QByteArrayView nip, QByteArrayView nrb, int transformacje);
/// The same into `hex`, with no allocation along the chain; false when the
/// hashing library fails.
bool skrotPary(QByteArrayView data, QByteArrayView nip, QByteArrayView nrb, int transformacje, char (&hex)[128]);

/// The first 16 hex digits of a hash as a number (either case); false when
/// the text is not a hash (128 hex digits).
bool prefiksSkrotu(QByteArrayView hex, quint64* prefiks);

/// A mask is 26 characters of digits, 'X' and 'Y'.
bool poprawnaMaska(QByteArrayView maska);
/// The account has the mask's digits at the mask's digit positions.
bool pasujeDoMaski(QByteArrayView nrb, QByteArrayView maska);
/// The account's digits where the mask has 'Y', the mask's characters elsewhere.
QByteArray kontoZamaskowane(QByteArrayView nrb, QByteArrayView maska);

/// NIP as 10 digits (blanks, dashes and a leading "PL" dropped); empty when
/// it is not one.
QByteArray nipDoSprawdzenia(const QString& nip);
/// The account as 26 digits (blanks, dashes and a leading "PL" dropped).
QByteArray kontoDoSprawdzenia(const QString& konto);

/// Progress of a reading: bytes of the file done and its size. Returning
/// false stops the reading.
using PostepBialejListy = std::function<bool(qint64 zrobione, qint64 wszystkie)>;

class BialaLista {
public:
    BialaLista();

    /// Opens a flat file (.7z as downloaded, or the unpacked .json). A cache
    /// of the same file in `folderPamieci` is used when there is one;
    /// otherwise the file is streamed once and the cache written there (an
    /// empty folder: the user's application data folder). Caches there of
    /// files gone or changed are removed first, and every other cache once
    /// the new one is written. Any bytes end in a list or in a message that
    /// names the file; `postep` is called at least every 256 kB read.
    static BialaLista otworz(const QString& plik, const QString& folderPamieci,
                             const PostepBialejListy& postep, QString* blad);

    bool wczytana() const;
    QDate data() const;
    QByteArray dataTekst() const;  // yyyymmdd, as hashed
    int liczbaTransformacji() const;
    qsizetype liczbaCzynnych() const;
    qsizetype liczbaZwolnionych() const;
    QList<QByteArray> maski() const;
    /// True when the list was taken from the cache rather than read.
    bool zPamieci() const;
    QString plikPamieci() const;

    /// One pair. When the account fits masks, the hash chains of the account
    /// and of its masked forms run side by side on the cores.
    WynikBialejListy sprawdz(const QString& nip, const QString& konto) const;
    /// Checks many pairs with the hashing spread over every core. `postep`
    /// (pairs done, all pairs) is called on the calling thread; returning
    /// false stops the checks and sets `przerwano`.
    QList<WynikBialejListy> sprawdz(const QList<std::pair<QString, QString>>& pary,
                                    const std::function<bool(qint64, qint64)>& postep = {},
                                    bool* przerwano = nullptr) const;

    /// Looks a hash (hex) up directly; used by checks and tests.
    WynikBialejListy szukajSkrotu(QByteArrayView hex) const;

    struct Dane;

private:
    WynikBialejListy sprawdzPare(const QString& nip, const QString& konto, bool rownolegle) const;

    std::shared_ptr<const Dane> m_dane;
};

/// The date of a flat file (dataGenerowaniaDanych) read from its header
/// alone, without reading the hashes; invalid when it cannot be read.
QDate dataPlikuPlaskiego(const QString& plik);

/// The folder of the cache when none is given: the user's application data.
QString domyslnyFolderPamieci();

/// Removes the caches in `folderPamieci` (empty: the default one) whose flat
/// file no longer exists or has changed since.
void usunNieaktualnePamieci(const QString& folderPamieci);

} // namespace remitto::kontrahenci
