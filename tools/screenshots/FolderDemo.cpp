#include "FolderDemo.h"

#include "contractors/BialaLista.h"
#include "contractors/Kontrahent.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace remitto::zrzuty {

namespace {

/// Marks a demo folder as this program's own, so that a later run may
/// remove it.
const QString kZnacznik = QStringLiteral(".remitto-zrzuty");

} // namespace

bool przygotujFolderDemo(const QString& folder, QString* blad)
{
    QDir d(folder);
    if (!d.exists())
        return true;
    if (d.isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot))
        return true;
    if (!QFileInfo::exists(d.filePath(kZnacznik))) {
        *blad = QStringLiteral("Folder ") + folder
                + QStringLiteral(" nie jest pusty i nie pochodzi z remitto_zrzuty: podaj inny (--demo).");
        return false;
    }
    if (!d.removeRecursively()) {
        *blad = QStringLiteral("Nie można usunąć folderu ") + folder;
        return false;
    }
    return true;
}

bool zapiszBialaListe(const QString& demo, const QDate& dzien, const QString& plik, QString* blad)
{
    const kontrahenci::OdczytKontrahentow odczyt =
        kontrahenci::czytajKontrahentow(QDir(demo).filePath(kontrahenci::kPlikKontrahentow));
    if (!odczyt.ok) {
        *blad = odczyt.blad;
        return false;
    }
    const QByteArray data = dzien.toString(QStringLiteral("yyyyMMdd")).toLatin1();
    auto cyfry = [](const QString& t) {
        QByteArray c;
        for (QChar z : t)
            if (z.isDigit())
                c += char(z.unicode());
        return c;
    };
    QByteArray czynni, zwolnieni;
    int n = 0;
    for (const kontrahenci::Kontrahent& k : odczyt.lista) {
        const QByteArray nip = cyfry(k[kontrahenci::Pole::NipKontr]);
        const QByteArray konto = cyfry(k[kontrahenci::Pole::NrRachunku1K]);
        if (nip.size() != 10 || konto.size() != 26 || ++n % 4 == 0)
            continue;
        QByteArray& tablica = n == 5 ? zwolnieni : czynni;
        tablica += (tablica.isEmpty() ? "\"" : ",\"") + kontrahenci::skrotPary(data, nip, konto, 1) + '"';
    }
    const QByteArray tekst = "{\"naglowek\":{\"dataGenerowaniaDanych\":\"" + data
        + "\",\"liczbaTransformacji\":\"1\",\"schemat\":\"RRRRMMDDNNNNNNNNNNBBBBBBBBBBBBBBBBBBBBBBBBBB\"},"
          "\"skrotyPodatnikowCzynnych\":["
        + czynni + "],\"skrotyPodatnikowZwolnionych\":[" + zwolnieni + "],\"maski\":[]}";
    QFile f(plik);
    if (!f.open(QIODevice::WriteOnly) || f.write(tekst) != tekst.size()) {
        *blad = QStringLiteral("Nie można zapisać ") + plik;
        return false;
    }
    return true;
}

bool oznaczFolderDemo(const QString& folder)
{
    QFile znacznik(QDir(folder).filePath(kZnacznik));
    return znacznik.open(QIODevice::WriteOnly);
}

} // namespace remitto::zrzuty
