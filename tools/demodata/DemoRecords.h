#pragma once

// Record layouts of the data files as the demo data generator writes them.
// Each builder writes one record through QuoteWriter, in file order; transfer
// records and export lines go through the program's own writers.

#include <QDate>
#include <QList>
#include <QString>

#include "transfers/Przelew.h"

namespace remitto {
class QuoteWriter;
}

namespace remitto::demo {

/// How a record is laid out on disk: all its values on one line (a record
/// appended by the program), or every value on a line of its own (a file
/// rewritten record by record).
enum class Uklad { JednaLinia, WartoscNaLinie };

constexpr int kWartosciKontrahenta = 29;
constexpr int kWartosciPrzelewu = 27;
constexpr int kWartosciFaktury = 19;  ///< header and every goods line
constexpr int kWartosciNumeracjiPaczek = 6;
constexpr int kWartosciNumeracjiFaktur = 3;
constexpr int kPolaLiniiEksportu = 15;

/// Contractor record of kontrah.dta, in file order.
struct Kontrahent {
    int nrKol = 0;          ///< 1 ordinal, written bare
    QString nazwa;          ///< 2
    QString imie;           ///< 3
    QString miejscowosc;    ///< 4
    QString ulica;          ///< 5
    QString telefon;        ///< 6
    QString kod;            ///< 7
    QString nip;            ///< 8
    QString svat;           ///< 9
    QString poczta;         ///< 10
    QString nrDomu;         ///< 11
    QString wojewodztwo;    ///< 12
    QString rachunek2;      ///< 13 never set when empty
    QString rachunek1;      ///< 14
    QString uwagi;          ///< 15
    QString skrot;          ///< 16
    QString kodIden;        ///< 17 never set when empty
    QString platnosc;       ///< 18
    QString bank;           ///< 19
    QString ostVat;         ///< 20
    QString mail;           ///< 21
    QString www;            ///< 22 never set when empty
    QString powiat;         ///< 23
    QString gmina;          ///< 24
    QString ostKwota;       ///< 25
    QString regon;          ///< 26
    QString nrLokalu;       ///< 27 never set when empty
    QString tytul;          ///< 28
    QString waluta;         ///< 29
};

/// The 29 values, one per line, as the contractor card appends them.
void zapiszKontrahenta(QuoteWriter& w, const Kontrahent& k);

/// Transfer record of package files and of the sent-transfers file.
struct Przelew {
    QString nazwa;        ///< 1
    QString imie;         ///< 2
    QString konto;        ///< 3
    QString kwotaN;       ///< 4
    QString vat;          ///< 5
    QString kwotaB;       ///< 6
    QString tytul;        ///< 7
    QString terminSpla;   ///< 8 yyyy-mm-dd
    QString splacono;     ///< 9
    QString kwDoSplaty;   ///< 10 written bare
    QString dataSplaty;   ///< 11 yyyy-mm-dd
    QString oznPrz;       ///< 12
    QString ulica;        ///< 13
    QString nrDomu;       ///< 14
    QString adres;        ///< 15 town
    QString kod;          ///< 16
    QString skrot;        ///< 17
    QString bank;         ///< 18
    QString nrKolFakt;    ///< 19 invoice file name or ""
    QString nrPaczk;      ///< 20 two digits
    int nrPrzel = 0;      ///< 21 written bare
    QString dataZakup;    ///< 22 yyyy-mm-dd or ""
    QString nip;          ///< 23
    QString status;       ///< 24 "Otwarta" or "Zamknieta"
    QString typZlec;      ///< 25
    QString typDok;       ///< 26
    QString kodIden;      ///< 27
};

/// The program's own transfer record of the demo transfer, so that package,
/// sent-transfers and export files are written by the program's writers.
remitto::Przelew rekordPrzelewu(const Przelew& p);

/// Header of a purchase invoice file of the shop program (line 1).
struct NaglowekFaktury {
    QString znacznik;       ///< 1 payment mark, "" or 22 characters
    QString nazwa;          ///< 2
    QString nazwaCd;        ///< 3
    QString nip;            ///< 4
    QString kod;            ///< 5
    QString miejscowosc;    ///< 6
    QString ulica;          ///< 7
    QString nrDomu;         ///< 8
    QString nrLokalu;       ///< 9
    QString skrot;          ///< 10
    QString magazyn;        ///< 11 the shop program's own value (text)
    int status = 1;         ///< 12 the shop program's own value (bare number)
    QString typIPlik;       ///< 13 "VFZ"/"OKZ"/"SPL" + 15-character file name
    QString waluta;         ///< 14 the shop program's own value (text)
    QString konto;          ///< 15
    QString nrFaktury;      ///< 16
    QString dataZakupu;     ///< 17 dd-mm-yyyy
    QString sposobPlatnosci;///< 18
    QString terminPlatnosci;///< 19 dd-mm-yyyy
};

/// One goods line of a purchase invoice. Amounts in grosze, written bare.
struct PozycjaFaktury {
    QString nazwa;          ///< 1
    qint64 cenaNetto = 0;   ///< 2
    int ilosc = 1;          ///< 3
    qint64 wartoscNetto = 0;///< 4
    QString stawkaVat;      ///< 5 "23", "8", "5", "0", "zw", "np"
    qint64 wartoscBrutto = 0;///< 6
    qint64 kwotaKosztu = 0; ///< 7
    QString jednostka;      ///< 8
    QString dataZakupu;     ///< 9
    qint64 cenaNettoSprzedazy = 0;  ///< 10
    qint64 cenaBruttoSprzedazy = 0; ///< 11
    QString nrFaktury;      ///< 12
    QString kontrahent;     ///< 13 short name
    QString grupa;          ///< 14
    QString grupaRabatowa;  ///< 15
    QString uwagi;          ///< 16
    QString kodIPozycja;    ///< 17
    QString pkwiu;          ///< 18
    QString indeks;         ///< 19
};

/// The header line followed by one line per goods line.
void zapiszFakture(QuoteWriter& w, const NaglowekFaktury& h, const QList<PozycjaFaktury>& pozycje);

/// Invoice file name "Fz" + yy + mm + five-digit number + ".dat".
QString nazwaPlikuFaktury(int rok, int miesiac, int numer);

/// Payment mark of an invoice header: the package number (two characters),
/// the amount right-aligned in 10 and the date left-aligned in 10.
QString znacznikZaplaty(const QString& nrPaczki, const QString& kwota, const QString& data);

/// One month line of the package numbering file NumPyy.dat.
struct NumeracjaPaczek {
    int miesiac = 0;
    int poczatPaczk = 0;
    int koniecPacz = 0;
    int poczatPrzel = 0;
    int koniecPrzel = 0;
    QString typ = QStringLiteral("c");
};
void zapiszNumeracjePaczek(QuoteWriter& w, const NumeracjaPaczek& n);

/// One month line of the shop program's invoice numbering file NumZyy.dat.
void zapiszNumeracjeFaktur(QuoteWriter& w, int miesiac, int liczbaFaktur);

/// Package file name "Paczka" + yyyy + mm + "_" + NN + ".dta".
QString nazwaPlikuPaczki(int rok, int miesiac, int nr);

/// Two-digit package number ("01" ... "99").
QString nrPaczkiTekst(int nr);

/// yyyy-mm-dd, the date form inside transfer records.
QString dataRekordu(const QDate& d);
/// dd-mm-yyyy, the date form of the shop program's files.
QString dataDMR(const QDate& d);

/// An amount in grosze as a bare number with a decimal point ("0", "1234.50").
QString liczbaGola(qint64 grosze);

/// The value right-aligned in n characters / padded to n characters.
QString doPrawej(const QString& s, int n);
QString doLewej(const QString& s, int n);

} // namespace remitto::demo
