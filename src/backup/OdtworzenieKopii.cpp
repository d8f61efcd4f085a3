#include "backup/ArchiwumZip.h"
#include "backup/KopiaDanych.h"
#include "core/TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

namespace remitto {

namespace {

struct Zapisywanie {
    QString folder;
    bool nowe = false;  ///< files must not exist yet (restore into a new folder)
    QStringList zapisane;
    QStringList utworzoneFoldery;
};

/// Second walk over a checked archive: each entry is read whole, checked
/// again against the manifest (the file may have changed since) and written.
WynikOdtworzenia zapiszPliki(const QString& archiwum, const OpisKopii& opis, Zapisywanie* z, const PostepKopii& postep)
{
    WynikOdtworzenia w;
    QHash<QString, PlikKopii> spis;
    for (const PlikKopii& p : opis.pliki)
        spis.insert(p.nazwa, p);
    const qint64 wszystkie = std::max<qint64>(opis.bajtow(), 1);
    qint64 zrobione = 0;
    bool przerwano = false;
    QString blad;
    QString bladZapisu;
    const bool ok = zip::czytajWpisy(
        archiwum,
        [&](const QString& nazwa, const std::function<qint64(char*, qint64)>& czytaj) {
            if (nazwa == QLatin1String(kManifestKopii)) {
                // Read through as the check read it: skipping an entry goes by
                // the sizes its header claims, reading by its data.
                zip::Skrot pominiety;
                return zip::czytajDoKonca(czytaj, {}, &pominiety, nullptr, &przerwano, false);
            }
            const auto it = spis.constFind(nazwa);
            if (it == spis.cend()) {
                bladZapisu = QStringLiteral("Kopia %1 zmieniła się w czasie odtwarzania.").arg(archiwum);
                return false;
            }
            QByteArray dane;
            dane.reserve(it->rozmiar);
            zip::Skrot s;
            if (!zip::czytajDoKonca(czytaj, {}, &s, &dane, &przerwano))
                return false;
            if (s.sha256 != it->sha256 || s.rozmiar != it->rozmiar) {
                bladZapisu = QStringLiteral("Kopia %1 zmieniła się w czasie odtwarzania.").arg(archiwum);
                return false;
            }
            const QString sciezka = QDir(z->folder).filePath(nazwa);
            const QString podfolder = QFileInfo(sciezka).absolutePath();
            if (!QFileInfo(podfolder).isDir()) {
                if (!QDir().mkpath(podfolder)) {
                    bladZapisu = writeErrorMessage(sciezka, QStringLiteral("nie można utworzyć folderu"));
                    return false;
                }
                z->utworzoneFoldery.append(podfolder);
            }
            QString e;
            if (!(z->nowe ? writeNewFile(sciezka, dane, &e) : rewriteFile(sciezka, dane, &e))) {
                bladZapisu = e;
                return false;
            }
            z->zapisane.append(nazwa);
            zrobione += s.rozmiar;
            if (postep && !postep(zrobione, wszystkie)) {
                przerwano = true;
                return false;
            }
            return true;
        },
        &blad);
    w.plikow = int(z->zapisane.size());
    if (ok && z->zapisane.size() == opis.pliki.size()) {
        w.wynik = WynikKopii::Zrobione;
        return w;
    }
    if (przerwano) {
        w.wynik = WynikKopii::Przerwano;
        return w;
    }
    w.wynik = bladZapisu.isEmpty() || bladZapisu.contains(QStringLiteral("zmieniła się")) ? WynikKopii::BladOdczytu
                                                                                         : WynikKopii::BladZapisu;
    w.blad = !bladZapisu.isEmpty() ? bladZapisu
             : !blad.isEmpty()     ? QStringLiteral("Nie można odczytać kopii %1: %2").arg(archiwum, blad)
                                   : QStringLiteral("Kopia %1 zmieniła się w czasie odtwarzania.").arg(archiwum);
    return w;
}

bool folderPustyLubBrak(const QString& folder)
{
    const QFileInfo fi(folder);
    if (!fi.exists() && !fi.isSymLink())
        return true;
    return fi.isDir() && QDir(folder).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
}

} // namespace

WynikOdtworzenia odtworzDoNowegoFolderu(const QString& archiwum, const QString& folder, const PostepKopii& postep)
{
    WynikOdtworzenia w;
    if (!folderPustyLubBrak(folder)) {
        w.wynik = WynikKopii::FolderNiePusty;
        w.blad = QStringLiteral("Folder %1 nie jest pusty. Kopię można odtworzyć tylko do pustego folderu.")
                     .arg(QDir::toNativeSeparators(folder));
        return w;
    }
    const OpisKopii opis = sprawdzKopie(archiwum);
    if (opis.wynik != WynikKopii::Zrobione) {
        w.wynik = opis.wynik;
        w.blad = opis.blad;
        return w;
    }
    const bool byl = QFileInfo(folder).isDir();
    if (!QDir().mkpath(folder)) {
        w.blad = writeErrorMessage(folder, QStringLiteral("nie można utworzyć folderu"));
        return w;
    }
    Zapisywanie z{folder, true, {}, {}};
    w = zapiszPliki(archiwum, opis, &z, postep);
    if (w.wynik != WynikKopii::Zrobione) {
        // The folder was empty: take back everything this restore put there.
        for (const QString& n : std::as_const(z.zapisane))
            QFile::remove(QDir(folder).filePath(n));
        for (const QString& f : std::as_const(z.utworzoneFoldery))
            QDir().rmdir(f);
        if (!byl)
            QDir().rmdir(folder);
        w.plikow = 0;
    }
    syncFolder(folder);
    return w;
}

WynikOdtworzenia odtworzDoFolderuDanych(const QString& archiwum, const QString& folderDanych,
                                        const QString& folderKopii, const QString& skrotFirmy,
                                        const PostepKopii& postep)
{
    WynikOdtworzenia w;
    const OpisKopii opis = sprawdzKopie(archiwum);
    if (opis.wynik != WynikKopii::Zrobione) {
        w.wynik = opis.wynik;
        w.blad = opis.blad;
        return w;
    }
    // The state before goes into an automatic backup first; without it nothing is touched.
    const qint64 przed = std::max<qint64>(opis.bajtow(), 1);
    const WynikTworzenia kopia = utworzKopieAutomatyczna(
        folderDanych, folderKopii, skrotFirmy, [&](qint64 z, qint64 n) {
            return !postep || postep(z * przed / std::max<qint64>(n, 1), 2 * przed);
        });
    if (kopia.wynik != WynikKopii::Zrobione) {
        w.wynik = kopia.wynik;
        w.blad = kopia.wynik == WynikKopii::Przerwano
                     ? QString()
                     : kopia.blad + QStringLiteral("\nBez kopii obecnego stanu dane nie zostały odtworzone.");
        return w;
    }
    QStringList wKopii;
    for (const PlikKopii& p : opis.pliki)
        wKopii.append(p.nazwa);
    for (const QString& n : plikiDanych(folderDanych))
        if (!wKopii.contains(n))
            w.pozaKopia.append(n);

    Zapisywanie z{folderDanych, false, {}, {}};
    const WynikOdtworzenia zapis = zapiszPliki(archiwum, opis, &z, [&](qint64 zr, qint64) {
        return !postep || postep(przed + zr, 2 * przed);
    });
    w.wynik = zapis.wynik;
    w.blad = zapis.blad;
    w.plikow = zapis.plikow;
    w.kopiaAutomatyczna = kopia.archiwum;
    return w;
}

} // namespace remitto
