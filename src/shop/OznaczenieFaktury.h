#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <optional>

namespace remitto {

/// The payment mark of an invoice paid through a package: the two-digit
/// package number, the amount "########0.00" right-aligned in 10 characters
/// and the date yyyymmdd left-aligned in 10. An amount too long with its
/// grosze is written as its whole zloty part; nothing when even that does
/// not fit its 10 characters (the mark would no longer read back).
std::optional<QString> znacznikZaplaty(int nrPaczki, qint64 grosze, const QDate& data);

/// An invoice file checked before it is marked.
struct FakturaDoOznaczenia {
    enum class Stan { Ok, ZlaNazwa, Brak, Folder, Uszkodzona };
    Stan stan = Stan::Brak;
    QString sciezka;  ///< the file found in the shop program's tree
    QString powod;    ///< what is wrong with a damaged file
    qint64 zaplaconoWczesniej = 0;  ///< the amount of the mark already in the file
};

/// Finds and checks the invoice file `nazwa` in the shop program's tree of
/// the company: the name must be "Fz" + 9 digits + ".dat", the file must
/// exist and its header must be readable (19 whole values, a readable mark).
FakturaDoOznaczenia sprawdzFakture(const QString& sciezkaKramix, const QString& folderFirmy, const QString& nazwa);

/// The file's bytes with header value 1 replaced by the quoted `znacznik`;
/// every other byte stays as it was. Nothing when the bytes hold no header.
std::optional<QByteArray> zZnacznikiem(const QByteArray& bajty, const QString& znacznik);

/// "<path> jest folderem, nie plikiem faktury."
QString komunikatFolderu(const QString& sciezka);

/// Writes the mark into the invoice file through the atomic rewrite.
bool oznaczFakture(const QString& sciezka, const QString& znacznik, QString* blad = nullptr);

} // namespace remitto
