#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>
#include <vector>

namespace remitto {

/// Values of the shop program's header and goods lines.
constexpr int kWartosciNaglowka = 19;
constexpr int kWartosciPozycji = 19;
/// Length of a payment mark that has been set.
constexpr int kDlugoscZnacznika = 22;

/// One value of a quote-delimited file, found on the file's bytes: quotes
/// stripped, a bare value trimmed. Commas, quotes and line ends are single
/// bytes in Windows-1250, so nothing is decoded to find the values.
struct Wycinek {
    qsizetype poczatek = 0;
    qsizetype dlugosc = 0;
};

/// The value boundaries of a whole file, read the way QuoteReader reads text.
struct WartosciPliku {
    QByteArray bajty;
    std::vector<Wycinek> wartosci;
    bool urwany = false;  ///< the file ends inside a value (QuoteReader::truncated())

    /// Splits `bajty` into values (kept from an earlier file are dropped).
    void podziel();
    /// Reads the file at `sciezka` and splits it; false when it cannot be
    /// opened.
    bool wczytaj(const QString& sciezka);
    qsizetype liczba() const { return static_cast<qsizetype>(wartosci.size()); }
    /// Value `i` (0-based) decoded from Windows-1250.
    QString tekst(qsizetype i) const;
    /// The last `n` characters of value `i` (one byte is one character).
    QString koniecTekstu(qsizetype i, qsizetype n) const;
    /// Value `i` as an amount in grosze: 0 when empty, nothing when it is not
    /// a number.
    std::optional<qint64> kwota(qsizetype i) const;
    /// Value `i` as it stands on disk (ASCII values only: numbers, rates).
    QLatin1String surowy(qsizetype i) const;
};

/// True for the name of an invoice file of the shop program: "Fz" + 9 digits
/// + ".dat" (the case of "Fz" and ".dat" may differ, as on Windows). Only such
/// names are ever turned into paths.
bool czyNazwaFaktury(const QString& nazwa);

/// "Fz" + yy + mm + five-digit number + ".dat".
QString nazwaPlikuFaktury(const QString& rr, int miesiac, int numer);
/// The same name written into 15 bytes (no terminating zero); `rr` is two
/// digits.
void nazwaPlikuFaktury(char (&nazwa)[15], QStringView rr, int miesiac, int numer);

/// The payment mark of header value 1.
struct ZnacznikZaplaty {
    bool pusty = true;       ///< never paid
    bool poprawny = true;    ///< "" or 22 characters with a readable amount
    QString nrPaczki;        ///< characters 1-2 as written
    int paczka = 0;          ///< their numeric value (0 when blank or not a number)
    qint64 kwota = 0;        ///< characters 3-12 in grosze (0 when blank)
    bool maKwote = false;    ///< characters 3-12 hold a readable amount
    bool bezGroszy = false;  ///< ... written as whole zloty (ten million and more)
    QString data;            ///< characters 13-22 without the padding blanks
};
ZnacznikZaplaty odczytajZnacznik(const QString& znacznik);

/// One line of the invoice numbering file.
struct MiesiacNumeracji {
    int miesiac = 0;
    int liczba = 0;  ///< invoices registered in the month
};

/// The invoice numbering file "Parametry/NumZ" + yy + ".dat".
struct NumeracjaFaktur {
    enum class Stan { Ok, Brak, Uszkodzona };
    Stan stan = Stan::Brak;
    QList<MiesiacNumeracji> miesiace;  ///< in file order
    QString blad;                      ///< Polish message naming the file
};
NumeracjaFaktur odczytajNumeracjeFaktur(const QString& sciezka);

/// A whole purchase invoice file: the header and every goods line decoded.
struct PlikFaktury {
    enum class Stan { Ok, Brak, Uszkodzony };
    Stan stan = Stan::Brak;
    QStringList naglowek;            ///< 19 values when read
    QList<QStringList> pozycje;      ///< 19 values each
    QString powod;                   ///< what is wrong with a damaged file
};
PlikFaktury odczytajPlikFaktury(const QString& sciezka);

/// What is wrong with the values of an invoice file, or "" when they hold a
/// header and whole goods lines with a readable payment mark.
QString sprawdzWartosciFaktury(const WartosciPliku& w, const ZnacznikZaplaty& znacznik);

/// The shop program's folder tree of one company. Its files come from a
/// system that ignores letter case, so a folder or file whose exact case is
/// missing is looked up case-insensitively; each folder is listed at most
/// once per instance.
class DrzewoKramix {
public:
    DrzewoKramix(const QString& sciezkaKramix, const QString& folderFirmy);

    /// The company folder, or "" when it (or the shop folder) is missing.
    QString folderFirmy();
    /// The invoice folder, or "" when missing.
    QString folderFaktur();
    /// Path of the numbering file of year yy (the exact-case path when the
    /// file is missing, so it can be named in a message).
    QString plikNumeracji(const QString& rr);
    /// Path of an invoice file in the exact case of `nazwa` (the file itself
    /// may be missing); "" when the name is not an invoice file name or the
    /// invoice folder is missing.
    QString plikFaktury(const QString& nazwa);
    /// The invoice file whose name differs from `nazwa` only in case, or "".
    /// Lists the invoice folder once.
    QString plikFakturyInnaWielkosc(const QString& nazwa);
    /// plikFaktury() when that file exists, else plikFakturyInnaWielkosc().
    QString znajdzFakture(const QString& nazwa);

    /// The path the company folder should have, for messages.
    QString oczekiwanyFolderFirmy() const;
    const QString& sciezkaKramix() const { return m_kramix; }

private:
    /// `nazwa` inside `folder`, in its exact case when present, else the
    /// entry that differs only in case, else folder + "/" + nazwa.
    QString wFolderze(const QString& folder, const QString& nazwa, bool* jest);

    QString m_kramix;
    QString m_firma;
    std::optional<QString> m_folderFirmy;
    std::optional<QString> m_folderFaktur;
    QHash<QString, QHash<QString, QString>> m_spisy;  ///< folder -> lower-case name -> name
};

} // namespace remitto
