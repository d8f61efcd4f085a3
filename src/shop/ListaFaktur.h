#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace remitto {

/// Columns of the invoice list of the payments window (24 columns).
namespace kol {
enum KolumnaFaktury : int {
    Nr = 0, Nazwa = 1, Imie = 2, Netto = 3, Vat = 4, Brutto = 5, Tytulem = 6, DataZakupu = 7,
    Termin = 8, Splacono = 9, DoSplaty = 10, DataSplaty = 11, Stan = 12, Ulica = 13, NrDomu = 14,
    Adres = 15, Kod = 16, Skrot = 17, Bank = 18, Plik = 19, NrPaczki = 20, NrPrzelewu = 21,
    Konto = 22, Nip = 23, Liczba = 24
};
}

/// Headings and widths (twips) of the invoice list.
const QStringList& naglowkiListyFaktur();
const QList<int>& szerokosciListyFaktur();

/// Texts of the state column.
inline const QString kStanGotowka = QStringLiteral("Gotówka");
inline const QString kStanDoPrzelewu = QStringLiteral("DoPrzelewu");
inline const QString kStanSplacona = QStringLiteral("Spłacona");
/// "Spłacono" and "SplCz" are written by a payment made in the payments window.
inline const QString kStanSplacono = QStringLiteral("Spłacono");
inline const QString kStanSplCz = QStringLiteral("SplCz");
inline const QString kStanBladPliku = QStringLiteral("Błąd pliku");
inline const QString kBrakFaktury = QStringLiteral("Brak faktury o tym numerze");
inline const QString kUszkodzonyPlik = QStringLiteral("Uszkodzony plik faktury");
inline const QString kZlaNazwaPliku = QStringLiteral("Zła nazwa pliku: ");

/// The list actions of the payments window; they differ in the months read
/// and the rows kept.
enum class RodzajListy {
    Otwarcie,     ///< the window opens: the month of cmbMiesiacFr, old terms count as paid
    Miesiac,      ///< "&Pokaż tylko miesiąc "
    Wszystkie,    ///< "&Wszystkie": from the month of txtMiesiacZ up to the first empty month
    Niesplacone,  ///< "&Tylko niespłacone": as Wszystkie, only what is still to pay
    NaDzis,       ///< "&NaDziś": every month, only the terms falling on the working date
};

struct ZapytanieListy {
    RodzajListy rodzaj = RodzajListy::Otwarcie;
    QString rok;          ///< txtRokFr
    int miesiac = 0;      ///< cmbMiesiacFr (opening, one month) or txtMiesiacZ (first month)
    QString dataRobocza;  ///< dd-mm-yyyy, for "&NaDziś"
};

/// Sums over listed invoices, in grosze.
struct SumyFaktur {
    qint64 netto = 0;
    qint64 vat = 0;
    qint64 brutto = 0;
    qint64 splacono = 0;
    qint64 doSplaty = 0;
};

struct WynikListy {
    enum class Stan { Ok, ZlyRok, BrakKramix, BrakFolderuFirmy, BrakFolderuFaktur, BrakNumeracji, ZlaNumeracja };
    Stan stan = Stan::Ok;
    QString blad;               ///< Polish message naming what is missing, when not Ok
    QList<QStringList> wiersze; ///< rows of 24 cells
    SumyFaktur sumy;
    int plikow = 0;             ///< invoice files looked for
    qint64 bajtow = 0;          ///< bytes read from them
};

/// Called now and then while loading with the files done and the files to do.
using PostepWczytywania = std::function<void(int zrobione, int wszystkie)>;

/// The loading procedure of the payments window over the shop program's tree
/// of one company. Every invoice number of a month read yields exactly one
/// row unless the action's filter drops it: a missing file gives a row
/// "Brak faktury o tym numerze", a damaged one a row naming what is wrong.
WynikListy wczytajListeFaktur(const QString& sciezkaKramix, const QString& folderFirmy,
                              const ZapytanieListy& zapytanie, const PostepWczytywania& postep = {});

/// yyyymmdd of a date text with the day in characters 1-2, the month in 4-5
/// and the year in 7-10; "" when those are not digits.
QString kluczDaty(const QString& data);

/// VAT of a net value at a rate text ("23", "8", "zw", "NP", ""), rounded to
/// the grosz.
qint64 vatPozycji(qint64 netto, QString stawka);

/// Sums of rows from their amount columns.
SumyFaktur zsumujWiersze(const QList<QStringList>& wiersze);

/// Keeps the rows whose contractor name contains `slowo` (compared in upper
/// case) and numbers them 1, 2, ... again.
QList<QStringList> tylkoKontrahent(const QList<QStringList>& wiersze, const QString& slowo);

/// An amount for the screen: decimal comma and two decimals (a price with
/// more keeps them); a text that is no amount as it is.
QString kwotaNaEkran(const QString& tekst);

/// Sorts rows chronologically by a date column (dd-mm-yyyy); rows without a
/// readable date go last; equal dates keep their order.
void sortujWgDaty(QList<QStringList>& wiersze, int kolumna);

} // namespace remitto
