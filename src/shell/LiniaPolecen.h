#pragma once

#include <QString>
#include <QStringList>

namespace remitto {

/// What the command line asks for.
enum class Polecenie {
    Uruchom, ///< start the program (in `folder` when one was given)
    Wersja,  ///< print `tekst` (the version) and end
    Pomoc,   ///< print `tekst` (the list of options) and end
    Kopia,   ///< back the data folder up into `cel` without a window and end
    Uzgodnij, ///< reconcile the statement `wyciag` in `folder` without a window and end
    Blad     ///< print `tekst` on the error output and end with an error
};

struct LiniaPolecen {
    Polecenie polecenie = Polecenie::Uruchom;
    QString folder; ///< FOLDER_DANYCH as given (empty when none)
    QString cel;    ///< DOCELOWY of --kopia
    QString tekst;  ///< text to print for Wersja, Pomoc and Blad
    QString wyciag; ///< the statement file of --uzgodnij
};

/// Reads `remitto [opcje] [FOLDER_DANYCH]`. `argumenty` holds the program
/// name first, as QCoreApplication::arguments() does. Needs no application
/// object, so --version and --help work without a display.
LiniaPolecen rozbierzLiniePolecen(const QStringList& argumenty);

/// The data folder to start in and, when the folder given on the command
/// line cannot be used, the message to show before starting.
struct WyborFolderu {
    QString folder;
    QString komunikat;
};

/// A folder given on the command line (relative to `biezacy`) wins when it
/// exists and can be read, with or without instalka.dat (the usual question
/// then follows). Otherwise the message says why, and the usual rules of
/// folderStartowy() pick the folder.
WyborFolderu wybierzFolderDanych(const QString& podany, const QString& biezacy, const QString& zapamietany);

/// `remitto --kopia DOCELOWY [FOLDER_DANYCH]`: backs up the data folder given
/// (relative to `biezacy`), or the one the program would open, into DOCELOWY.
/// `wyjscie` gets the archive's path, `bledy` a Polish message. Returns the
/// exit code: 0 done, 1 failed.
int kopiaZLiniiPolecen(const LiniaPolecen& polecenie, const QString& biezacy, const QString& zapamietany,
                       QString* wyjscie, QString* bledy);

} // namespace remitto
