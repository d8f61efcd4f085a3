#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace remitto::kontrahenci {

inline const QString kPlikKontrahentow = QStringLiteral("kontrah.dta");
constexpr int kWartosciKontrahenta = 29;
constexpr int kWartosciStaregoUkladu = 19;
constexpr int kKolumnySiatki = 27;

/// The values of a contractor record, in file order (value number - 1).
enum Pole : int {
    NrKol,             ///< 1  ordinal, its 1-based place in the file
    NazwaKontrahenta,  ///< 2  firm name or surname
    ImieKontrahenta,   ///< 3  name continuation or first name
    Miejscowosc,       ///< 4  town
    Ulica,             ///< 5
    Telefon,           ///< 6
    Kod,               ///< 7  postal code
    NipKontr,          ///< 8
    Svat,              ///< 9  payer type letter V, R, U, O or S
    Poczta,            ///< 10 post office town
    NrDomu,            ///< 11
    Wojewodztwo,       ///< 12
    NrRachunku2K,      ///< 13 second account (no grid column)
    NrRachunku1K,      ///< 14 account used for transfers
    UwagiK,            ///< 15 remarks
    SkrotK,            ///< 16 short name, upper case: the key of transfers and invoices
    KodIden,           ///< 17 identification code
    Platnosc,          ///< 18 payment field, only carried along
    BankK,             ///< 19 bank name
    OstVatK,           ///< 20 VAT text of the last transfer (no grid column)
    MailK,             ///< 21
    WWWK,              ///< 22
    PowiatK,           ///< 23 district
    GminaK,            ///< 24 commune
    OstKwotaK,         ///< 25 amount of the last transfer
    RegonK,            ///< 26
    NrLokaluK,         ///< 27 flat number
    TytulK,            ///< 28 title of the last transfer
    WalutaKh,          ///< 29 currency
};

/// One contractor of kontrah.dta: 29 text values.
struct Kontrahent {
    std::array<QString, kWartosciKontrahenta> w;

    QString& operator[](Pole p) { return w[static_cast<size_t>(p)]; }
    const QString& operator[](Pole p) const { return w[static_cast<size_t>(p)]; }

    static Kontrahent zWartosci(const QStringList& wartosci);
    QStringList wartosci() const;
    bool operator==(const Kontrahent&) const = default;
};

/// Record value shown in each of the 27 grid columns of the contractor list.
extern const std::array<Pole, kKolumnySiatki> kPoleKolumny;
/// The grid column that shows record value `p` (-1 when none does).
int kolumnaPola(Pole p);
/// Header texts and widths (twips) of the contractor list's grid.
QStringList naglowkiSiatki();
QList<int> szerokosciSiatki();
/// The 27 cells of a record's grid row.
QStringList wierszSiatki(const Kontrahent& k);

/// Text of the whole file: the ordinal bare, every other value quoted (with
/// its double quotes turned into two apostrophes), one value per line, CR LF.
QString tekstPliku(const QList<Kontrahent>& lista);
/// One record's text, as tekstPliku writes it, except that a value still
/// empty whose flag in `nieustawione` is set (it was an empty line, never set)
/// is written as nothing again: rewriting a record changes only its values.
QString tekstRekordu(const Kontrahent& k, const QList<bool>& nieustawione);

/// The contractors of a file as it was read.
struct OdczytKontrahentow {
    bool ok = false;       ///< read whole, every record complete
    bool brak = false;     ///< the file does not exist
    bool uszkodzony = false;  ///< cut inside a quoted value, or a value count not a multiple of 29
    QList<Kontrahent> lista;  ///< every whole record that could be read
    QString blad;          ///< Polish message naming the file, when !ok
};

/// Reads every contractor of a 29-value file.
OdczytKontrahentow czytajKontrahentow(const QString& sciezka);

/// The file read straight into the rows of the contractor list's grid (the
/// 27 shown values of each whole record), in one pass; ok, brak, uszkodzony
/// and blad as for czytajKontrahentow().
struct OdczytSiatki {
    bool ok = false;
    bool brak = false;
    bool uszkodzony = false;
    QList<QStringList> wiersze;
    QString blad;
};
OdczytSiatki czytajDoSiatki(const QString& sciezka);

/// Replaces the file with the records (atomic rewrite).
bool zapiszKontrahentow(const QString& sciezka, const QList<Kontrahent>& lista, QString* blad = nullptr);

/// Appends one record to the end of the file (created when missing).
bool dopiszKontrahenta(const QString& sciezka, const Kontrahent& k, QString* blad = nullptr);

/// What "&Do przelewu" hands to the transfer window: the transfer window's
/// boxes, named after them. A box left as std::nullopt keeps what it holds
/// (the list fills no post office or payer type, the card no VAT, phone,
/// e-mail or gross amount).
struct KontrahentDoPrzelewu {
    QString txtNazwa1K;     ///< name
    QString txtNazwa2K;     ///< name continuation
    QString txtSkrotK;      ///< short name, upper case (box `txtSkrótK`)
    QString lbNazwaFirmy;   ///< short name, as the label's caption
    QString txtKODK;        ///< postal code
    QString txtAdresK;      ///< town
    QString txtUlicaK;
    QString txtNumerDomuK;
    QString txtNrLok;       ///< flat number
    QString txtBankK;
    QString txtKontoK;      ///< account 1 without blanks and hyphens (KontoBezOdstepow)
    QString txtTytulem1;    ///< last title
    QString txtKwotaK;      ///< last amount
    QString txtKodIden;
    QString txtNIPK;
    QString txtNrKol;       ///< ordinal: the transfer window's current contractor
    std::optional<QString> txtKwotaBrutto;
    std::optional<QString> txtVat;      ///< OstVatK
    std::optional<QString> txtTelefon;
    std::optional<QString> txtMail;
    std::optional<QString> txtPoczta;   ///< post office (card)
    std::optional<QString> txtRodzKl;   ///< payer type (card)

    bool operator==(const KontrahentDoPrzelewu&) const = default;
};

/// Hand-over from the contractor list: every box of the list's table.
KontrahentDoPrzelewu doPrzelewuZListy(const Kontrahent& k);
/// Hand-over from the card: the card's boxes.
KontrahentDoPrzelewu doPrzelewuZKarty(const Kontrahent& k);

} // namespace remitto::kontrahenci
