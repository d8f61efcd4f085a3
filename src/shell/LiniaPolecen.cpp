#include "shell/LiniaPolecen.h"

#include "shell/Instalka.h"
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

} // namespace remitto
