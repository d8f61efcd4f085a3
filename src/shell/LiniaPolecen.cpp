#include "shell/LiniaPolecen.h"

#include "backup/KopiaDanych.h"
#include "shell/Instalka.h"
#include "shell/MojaFirma.h"
#include "shell/Startup.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

namespace remitto {

namespace {

struct Opcja {
    QStringList nazwy;
    QString opis;
};

const QList<Opcja>& opcje()
{
    static const QList<Opcja> lista{
        {{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Wyświetla tę pomoc i kończy.")},
        {{QStringLiteral("v"), QStringLiteral("version")}, QStringLiteral("Wyświetla wersję programu i kończy.")},
    };
    return lista;
}

QString pomoc()
{
    QString t = QStringLiteral("Użycie: remitto [opcje] [FOLDER_DANYCH]\n"
                               "Remitto - przelewy bankowe małej firmy: kontrahenci, paczki przelewów, "
                               "eksport do Ecorponet, historia.\n\n"
                               "Opcje:\n");
    for (const Opcja& o : opcje()) {
        const QString nazwy = QStringLiteral("-%1, --%2").arg(o.nazwy.at(0), o.nazwy.at(1));
        t += QStringLiteral("  ") + nazwy.leftJustified(18) + o.opis + QLatin1Char('\n');
    }
    t += QStringLiteral("  -k, --kopia DOCELOWY  Robi kopię bezpieczeństwa folderu danych w folderze\n"
                        "                    DOCELOWY bez otwierania okna, wypisuje ścieżkę kopii i kończy.\n");
    t += QStringLiteral("  --uzgodnij WYCIAG Uzgadnia wyciąg bankowy MT940 z historią wysłanych\n"
                        "                    przelewów bez otwierania okna i wypisuje wyniki.\n");
    t += QStringLiteral("\nArgumenty:\n"
                        "  FOLDER_DANYCH     Folder danych do otwarcia. Bez niego program otwiera\n"
                        "                    folder bieżący, gdy jest w nim plik instalka.dat,\n"
                        "                    a w przeciwnym razie ostatnio zaakceptowany folder danych.\n");
    return t;
}

} // namespace

LiniaPolecen rozbierzLiniePolecen(const QStringList& argumenty)
{
    QCommandLineParser parser;
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    QList<QCommandLineOption> zdefiniowane;
    for (const Opcja& o : opcje())
        zdefiniowane.append(QCommandLineOption(o.nazwy, o.opis));
    parser.addOptions(zdefiniowane);
    const QCommandLineOption kopia(QStringList{QStringLiteral("k"), QStringLiteral("kopia")},
                                   QStringLiteral("Kopia bezpieczeństwa."), QStringLiteral("DOCELOWY"));
    parser.addOption(kopia);
    const QCommandLineOption uzgodnij(QStringLiteral("uzgodnij"), QStringLiteral("Uzgadnia wyciąg MT940."),
                                      QStringLiteral("WYCIAG"));
    parser.addOption(uzgodnij);
    parser.addPositionalArgument(QStringLiteral("FOLDER_DANYCH"), QStringLiteral("Folder danych do otwarcia."));

    LiniaPolecen wynik;
    const QString podpowiedz = QStringLiteral("\nPomoc: remitto --help\n");
    if (!parser.parse(argumenty.isEmpty() ? QStringList{QStringLiteral("remitto")} : argumenty)) {
        wynik.polecenie = Polecenie::Blad;
        const QStringList nieznane = parser.unknownOptionNames();
        const bool bezWyciagu = !argumenty.isEmpty() && argumenty.last() == QLatin1String("--uzgodnij");
        wynik.tekst = bezWyciagu ? QStringLiteral("Po --uzgodnij podaj plik wyciągu (MT940).")
                      : nieznane.isEmpty()
                          ? parser.errorText()
                          : QStringLiteral("Nieznana opcja: %1").arg(nieznane.first().size() == 1
                                                                          ? QStringLiteral("-") + nieznane.first()
                                                                          : QStringLiteral("--") + nieznane.first());
        wynik.tekst += podpowiedz;
        return wynik;
    }
    if (parser.isSet(zdefiniowane.at(0))) {
        wynik.polecenie = Polecenie::Pomoc;
        wynik.tekst = pomoc();
        return wynik;
    }
    if (parser.isSet(zdefiniowane.at(1))) {
        wynik.polecenie = Polecenie::Wersja;
        wynik.tekst = QStringLiteral("Wersja ") + wersjaProgramu() + QLatin1Char('\n');
        return wynik;
    }
    const QStringList foldery = parser.positionalArguments();
    if (foldery.size() > 1) {
        wynik.polecenie = Polecenie::Blad;
        wynik.tekst = QStringLiteral("Można podać tylko jeden folder danych, podano %1.").arg(foldery.size())
                      + podpowiedz;
        return wynik;
    }
    if (!foldery.isEmpty())
        wynik.folder = foldery.first();
    if (parser.isSet(kopia)) {
        wynik.cel = parser.value(kopia);
        if (wynik.cel.isEmpty()) {
            wynik.polecenie = Polecenie::Blad;
            wynik.tekst = QStringLiteral("Opcja --kopia wymaga folderu docelowego.") + podpowiedz;
            return wynik;
        }
        wynik.polecenie = Polecenie::Kopia;
    }
    if (parser.isSet(uzgodnij)) {
        wynik.polecenie = Polecenie::Uzgodnij;
        wynik.wyciag = parser.value(uzgodnij);
    }
    return wynik;
}

WyborFolderu wybierzFolderDanych(const QString& podany, const QString& biezacy, const QString& zapamietany)
{
    WyborFolderu wynik;
    if (!podany.isEmpty()) {
        const QString folder = QDir::cleanPath(QDir(biezacy).absoluteFilePath(podany));
        const QFileInfo info(folder);
        QString powod;
        if (!info.exists())
            powod = QStringLiteral("Folder danych %1 nie istnieje.");
        else if (!info.isDir())
            powod = QStringLiteral("%1 nie jest folderem.");
        else if (!info.isReadable() || !info.isExecutable() || !QDir(folder).isReadable())
            powod = QStringLiteral("Nie można odczytać folderu danych %1 (brak uprawnień).");
        if (powod.isEmpty()) {
            wynik.folder = folder;
            return wynik;
        }
        wynik.komunikat = powod.arg(QDir::toNativeSeparators(folder));
    }
    wynik.folder = folderStartowy(biezacy, zapamietany);
    if (!wynik.komunikat.isEmpty() && QFileInfo::exists(wynik.folder + QLatin1Char('/') + kPlikInstalka))
        wynik.komunikat += QStringLiteral("\nProgram otworzy folder danych %1.").arg(QDir::toNativeSeparators(wynik.folder));
    return wynik;
}

int kopiaZLiniiPolecen(const LiniaPolecen& polecenie, const QString& biezacy, const QString& zapamietany,
                       QString* wyjscie, QString* bledy)
{
    const QString folder = polecenie.folder.isEmpty()
                               ? folderStartowy(biezacy, zapamietany)
                               : QDir::cleanPath(QDir(biezacy).absoluteFilePath(polecenie.folder));
    if (!QFileInfo::exists(folder + QLatin1Char('/') + kPlikInstalka)) {
        *bledy = QStringLiteral("W folderze %1 nie ma pliku %2: to nie jest folder danych programu Remitto. "
                                "Kopia nie została wykonana.\n")
                     .arg(QDir::toNativeSeparators(folder), kPlikInstalka);
        return 1;
    }
    // The archive is named after the first own company of the folder.
    const MojaFirmaOdczyt firmy = readMojaFirma(folder + QStringLiteral("/MojaFirma.txt"));
    const QString skrot = firmy.firmy.isEmpty() ? QString() : firmy.firmy.first().skrot.trimmed();
    const QString cel = QDir::cleanPath(QDir(biezacy).absoluteFilePath(polecenie.cel));
    const WynikTworzenia w = utworzKopie(folder, cel, skrot, QDateTime::currentDateTime(), false);
    if (w.wynik != WynikKopii::Zrobione) {
        *bledy = w.blad + QStringLiteral("\nKopia nie została wykonana.\n");
        return 1;
    }
    *wyjscie = w.archiwum + QLatin1Char('\n');
    return 0;
}

} // namespace remitto
