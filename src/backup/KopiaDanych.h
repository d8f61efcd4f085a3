#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace remitto {

/// Progress of a long backup or restore: bytes done of all; returns false to
/// stop the work ("Przerwij").
using PostepKopii = std::function<bool(qint64 zrobione, qint64 wszystkie)>;

enum class WynikKopii {
    Zrobione,
    Przerwano,        ///< stopped through the progress callback; nothing left behind
    CelWDanych,       ///< the target folder lies inside the data folder
    FolderNiePusty,   ///< a restore into a new folder found files there
    BladOdczytu,      ///< a data file or the archive could not be read
    BladZapisu,       ///< the archive or a restored file could not be written
    Uszkodzona,       ///< the archive fails its check (entries, sizes, CRC, SHA-256)
};

/// One file of a backup as its manifest lists it.
struct PlikKopii {
    QString nazwa;        ///< path inside the data folder, "/" between folders
    qint64 rozmiar = 0;
    quint32 crc = 0;
    QByteArray sha256;    ///< raw 32 bytes
};

/// What a backup holds, read from its manifest after every entry was checked.
struct OpisKopii {
    WynikKopii wynik = WynikKopii::Uszkodzona;
    QString blad;         ///< Polish message, when wynik is not Zrobione
    QDateTime czas;       ///< when the backup was made
    QString firma;        ///< short name of the own company, "dane" when none
    QList<PlikKopii> pliki;
    qint64 bajtow() const;
};

/// Outcome of making a backup.
struct WynikTworzenia {
    WynikKopii wynik = WynikKopii::BladZapisu;
    QString blad;
    QString archiwum;     ///< full path of the finished archive
    int plikow = 0;
    qint64 bajtow = 0;
};

/// Outcome of a restore.
struct WynikOdtworzenia {
    WynikKopii wynik = WynikKopii::BladZapisu;
    QString blad;
    QString kopiaAutomatyczna;  ///< the backup of the state before (restore over the data folder)
    int plikow = 0;             ///< files written
    QStringList pozaKopia;      ///< files of the data folder the archive does not hold (left alone)
};

/// Name of the manifest entry inside every backup; no data file can carry it.
inline constexpr char kManifestKopii[] = "remitto-kopia.manifest";

/// The files the program owns in a data folder, sorted, as paths relative to
/// it: the settings, own company and contractor files, the numbering files,
/// the sent-transfers files, their yearly archives and the journal of an
/// unfinished archive run (.dat, .dta, .txt, .arh, .jrn at the top), and every
/// file of Paczki, DoECorponet and BialaLista. Never
/// the shop program's tree, a backup, a work file (".NAME...") or a link.
QStringList plikiDanych(const QString& folderDanych);

/// "Remitto_" + short name (or "dane") + "_yyyymmdd_hhmmss" (+ "_auto") + ".zip".
QString nazwaKopii(const QString& skrotFirmy, const QDateTime& czas, bool automatyczna);

/// True when `sciezka` (existing or not) is the data folder or lies inside it,
/// links and ".." resolved as far as the path exists.
bool wewnatrzFolderu(const QString& sciezka, const QString& folderDanych);

/// Makes a backup of the data folder in `folderDocelowy` (created when
/// missing). The archive is written under a work name, synced, read back and
/// checked entry by entry (size and CRC against the files read) and only then
/// gets its name; on any failure or a stop nothing is left behind.
WynikTworzenia utworzKopie(const QString& folderDanych, const QString& folderDocelowy, const QString& skrotFirmy,
                           const QDateTime& czas, bool automatyczna, const PostepKopii& postep = {});

/// utworzKopie() marked "_auto"; afterwards only the newest 10 automatic
/// backups in the target folder are kept (manual ones are never removed).
WynikTworzenia utworzKopieAutomatyczna(const QString& folderDanych, const QString& folderDocelowy,
                                       const QString& skrotFirmy, const PostepKopii& postep = {});

/// Reads the whole archive and checks every entry against the manifest:
/// the same files, no other entries, sizes, CRC and SHA-256.
OpisKopii sprawdzKopie(const QString& archiwum, const PostepKopii& postep = {});

/// Restores a checked archive into `folder`, which must be missing or empty.
/// On failure the files written are taken away again.
WynikOdtworzenia odtworzDoNowegoFolderu(const QString& archiwum, const QString& folder,
                                        const PostepKopii& postep = {});

/// Restores a checked archive over the data folder: first an automatic backup
/// of the current state into `folderKopii`, then every file of the archive
/// through the atomic rewrite. Files of the data folder the archive does not
/// hold are left alone and listed. A damaged archive touches nothing.
WynikOdtworzenia odtworzDoFolderuDanych(const QString& archiwum, const QString& folderDanych,
                                        const QString& folderKopii, const QString& skrotFirmy,
                                        const PostepKopii& postep = {});

/// Default folder of backups: the user's documents + "/Remitto kopie".
QString domyslnyFolderKopii();

/// The folder of backups the user chose last (QSettings), or the default.
QString folderKopii();

/// The newest backup in `folder` (the folder itself, with a slash, when it
/// holds none): the default answer when a restore asks for an archive.
QString najnowszaKopia(const QString& folder);
void zapamietajFolderKopii(const QString& folder);

struct Session;

/// The automatic backup that precedes every change of many records at once
/// (yearly archive, "Usuń Wszystko", duplicate removal, conversion, package
/// delete, restore): the session's data folder into folderKopii().
WynikTworzenia kopiaPrzedZmiana(const Session& session, const PostepKopii& postep = {});

/// The message a window shows when that backup failed, with the question
/// whether to go on without it.
QString pytanieBezKopii(const WynikTworzenia& wynik);

} // namespace remitto
