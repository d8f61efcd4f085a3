#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <array>

namespace remitto {

struct Session;

inline const QString kPlikMojaFirma = QStringLiteral("MojaFirma.txt");
constexpr int kWartosciFirmy = 16;

/// One own-company record of MojaFirma.txt (sixteen values, file order).
struct Firma {
    QString nrId;                 ///< 1 record number, 1-based
    QString skrot;                ///< 2 short name
    QString nazwa;                ///< 3 name, line 1
    QString nazwa2;               ///< 4 name, line 2
    QString kod;                  ///< 5 postal code
    QString miasto;               ///< 6 town
    QString ulica;                ///< 7 street
    QString numerDomu;            ///< 8 house number
    std::array<QString, 4> konto; ///< 9-12 accounts; the fourth is the tax micro-account
    QString idn;                  ///< 13 identifier ("Typ Ident")
    QString nip;                  ///< 14 NIP or PESEL
    QString sciezkaKramix;        ///< 15 shop program folder
    QString sciezkaEcorponet;     ///< 16 Ecorponet folder

    static Firma fromValues(const QStringList& v);
    QStringList toValues() const;
    bool operator==(const Firma&) const = default;
};

struct MojaFirmaOdczyt {
    bool ok = false;       ///< read completely and every record whole
    bool missing = false;
    bool damaged = false;  ///< the value count is not a multiple of 16, or the file is cut
    QList<Firma> firmy;    ///< every whole record that could be read
    QString error;         ///< Polish message naming the file
};

/// Reads every record of the own-company file.
MojaFirmaOdczyt readMojaFirma(const QString& path);

/// Replaces the own-company file with `firmy`, one value per line.
bool writeMojaFirma(const QString& path, const QList<Firma>& firmy, QString* error = nullptr);

/// Name 1, "|", name 2, "|", postal code, blank, town, blank, street, blank,
/// house number.
QString daneFirmy(const Firma& f);

/// Makes `f` the current own company of the session: NrIdFirmy ...
/// SciezkaEcorponet, SciezkaKramix, FolderFirmyKramix, DaneFirmy, and
/// KontoWybrane by the session's NrKontaWybranego.
void firmaDoSesji(const Firma& f, Session& s);

/// Empties the session's own-company values (no company chosen).
void wyczyscFirme(Session& s);

/// What "&Koniec-wstaw" takes from the boxes of the own company window.
struct WyborFirmy {
    QString konto;             ///< text of the account box chosen by NrKontaWybranego
    QString skrot;             ///< txtSkrótM
    QString nip;               ///< txtNIPpes
    QString idn;               ///< txtidn
    QString sciezkaEcorponet;  ///< txtSciezkaDoEcorponet
};

/// Hand-over of the chosen company: KontoWybrane, SkrotFirmy (upper case),
/// NipFirmy, IdnFirmy and SciezkaEcorponet from the boxes, then DaneFirmy
/// rebuilt from the session's names and address. Nothing else is taken from
/// the boxes: names, address and folders typed but not saved stay out.
void wstawFirme(Session& s, const WyborFirmy& w);

/// Index of the record whose number (value 1 read as a number) is `nr`, or -1.
qsizetype indeksFirmyONumerze(const QList<Firma>& firmy, int nr);

enum class WynikFolderu {
    Zmieniono,
    BezZmian,
    BladOdczytu,
    BladZapisu,
    BrakFirmy,  ///< no record carries NrIdFirmy: no current company, nothing written
};

/// Ecorponet folder menu: value 16 of the current record (NrIdFirmy) and
/// SciezkaEcorponet become `folder`; other records are written back as read.
/// BrakFirmy when no record carries the current number.
WynikFolderu ustawFolderEcorponet(Session& s, const QString& folder, QString* error);

/// Shop-program folder menu: value 15 of the current record becomes `folder`
/// (empty empties it), and SciezkaKramix with it.
WynikFolderu ustawFolderKramix(Session& s, const QString& folder, QString* error);

} // namespace remitto
