#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QVarLengthArray>

#include "core/DuzaPamiec.h"

#include <memory>
#include <optional>
#include <vector>

namespace remitto {

/// Where the items the history works with sit in a record of the
/// sent-transfers file (0-based value numbers).
struct UkladHistorii {
    int rozmiar;  ///< values per record
    int data;     ///< payment date
    int skrot;    ///< contractor short name
    int konto;    ///< account number
    int kwota;    ///< gross amount
    int tytul;    ///< title

    bool operator==(const UkladHistorii&) const = default;
};

/// Transfer records of 27 values (payment date `DataSplaty`, short name,
/// `Konto`, `KwotaB`, `Tytulem`).
inline constexpr UkladHistorii kUkladPrzelewu{27, 10, 16, 2, 5, 6};
/// The older file: date, short name, account, amount, title.
inline constexpr UkladHistorii kUkladStary{5, 0, 1, 2, 3, 4};

/// A sent-transfers file held as its bytes plus where each record starts.
/// Nothing is decoded on reading: a value becomes text only when asked for, so
/// a file of 200,000 records costs little more than its own size in memory.
/// The values read for every record (the layout's items, and a transfer's paid
/// value and status) keep their boundaries, as 16-bit offsets from the record's
/// start; any other value, and one of those past 64 KiB into its record, is
/// found by scanning its one record again when asked for. Values are read as
/// the quote-delimited reader of the program reads them (commas and line ends
/// separate, quotes stripped, bare values trimmed).
class PlikHistorii {
public:
    enum class Stan {
        Ok,
        Brak,        ///< the file does not exist
        BladOdczytu, ///< the file cannot be read
        Uszkodzony,  ///< whole records are kept; a damaged tail is left out
    };

    /// Reads a file (Windows-1250, or UTF-8 when the bytes say so).
    static PlikHistorii wczytaj(const QString& sciezka, const UkladHistorii& uklad);
    /// The same over bytes already in memory.
    static PlikHistorii zBajtow(QByteArray bajty, const UkladHistorii& uklad, const QString& sciezka = {});

    Stan stan() const { return m_stan; }
    /// Polish message naming the file when the state is not Ok.
    const QString& blad() const { return m_blad; }
    const QString& sciezka() const { return m_sciezka; }
    const UkladHistorii& uklad() const { return m_uklad; }
    bool utf8() const { return m_utf8; }
    /// True when the file holds more than its whole records (a cut value or a
    /// count of values that is not a multiple of the record size).
    bool maOgon() const { return m_ogon; }

    int liczbaRekordow() const { return int(m_poczatkiRekordow.size()) - 1; }
    /// Bytes of value `nr` (0-based) of record `rekord` (0-based), as written.
    QByteArrayView surowa(int rekord, int nr) const;
    /// Decoded value.
    QString wartosc(int rekord, int nr) const;
    QStringList wartosci(int rekord) const;
    /// Bytes of every value of a record (one scan of the record).
    QVarLengthArray<QByteArrayView, 32> surowe(int rekord) const;
    /// Bytes of the whole record including its separators, in Windows-1250 and
    /// ending with a line end, as the record is to be written back.
    QByteArray rekordDoZapisu(int rekord) const;
    /// The record's bytes in the file, separators included.
    QByteArrayView surowyRekord(int rekord) const;
    /// True when rekordDoZapisu() is the record's bytes in the file unchanged
    /// (Windows-1250, ending with its line end), so they can be copied as
    /// they are.
    bool jakWPliku(int rekord) const
    {
        return !m_utf8 && surowyRekord(rekord).endsWith('\n');
    }

    /// Value `nr` of a record read by parseAmount() (nothing when it is not
    /// an amount); an ASCII value is read on its bytes.
    std::optional<qint64> kwotaWartosci(int rekord, int nr) const;
    /// Gross amount of a record in grosze (0 when it is not a number).
    qint64 kwota(int rekord) const;
    /// What a record adds to a total, in grosze: a transfer record's paid
    /// value (`Splacono`), which is less than the gross for a part payment of
    /// an invoice; the gross when that is unreadable, and for the older file,
    /// which knows only its amount. Read with the record when plain.
    qint64 kwotaDoSumy(int rekord) const;
    /// Date key yyyymmdd of the record's date (0 when it is not a date).
    int kluczDaty(int rekord) const;
    /// Short name in upper case.
    QString skrotWielkimi(int rekord) const;

private:
    QString dekoduj(QByteArrayView b) const;
    /// Value `nr` of a record found by scanning the record.
    QByteArrayView skanuj(int rekord, int nr) const;

    QByteArray m_bajty;
    std::shared_ptr<const char> m_wlasciciel;  ///< owns m_bajty's memory when read from a file
    DuzyWektor<quint32> m_poczatkiRekordow;    ///< record spans; one more than records
    /// Per value number, its place among the values kept per record, or -1.
    std::vector<qint8> m_miejsce;
    int m_trzymane = 0;                        ///< values kept per record
    /// Per record and kept value, start and end from the record's start;
    /// kZaDaleko twice when the value lies past what 16 bits reach.
    DuzyWektor<quint16> m_wzgledne;
    DuzyWektor<qint32> m_kluczeDat;            ///< date key per record, read with the record
    DuzyWektor<qint64> m_kwotySumy;            ///< kwotaDoSumy() per record when its value is plain
    UkladHistorii m_uklad = kUkladPrzelewu;
    Stan m_stan = Stan::Ok;
    QString m_blad;
    QString m_sciezka;
    bool m_utf8 = false;
    bool m_ogon = false;
};

/// yyyymmdd key of a date written as "yyyy-mm-dd", "dd-mm-yyyy", "dd,mm,yyyy",
/// "dd.mm.yyyy" or "yyyymmdd"; 0 when the text is no valid date.
int kluczDowolnejDaty(QByteArrayView tekst);
int kluczDowolnejDaty(const QString& tekst);


} // namespace remitto
