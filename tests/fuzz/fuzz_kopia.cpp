// A backup archive on any bytes: the check either accepts it, and then a
// restore into an empty folder writes exactly the files of its manifest
// inside that folder, or refuses it with a message naming the archive.
#include "backup/KopiaDanych.h"

#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>

#include "FuzzCheck.h"  // last: its macro is a common word

using namespace remitto;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QTemporaryDir dir;
    const QString archiwum = dir.filePath(QStringLiteral("Remitto_X_20260101_000000.zip"));
    {
        QFile f(archiwum);
        check(f.open(QIODevice::WriteOnly));
        f.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    const OpisKopii opis = sprawdzKopie(archiwum);
    if (opis.wynik != WynikKopii::Zrobione) {
        check(opis.wynik == WynikKopii::Uszkodzona);
        check(opis.blad.contains(archiwum));
        return 0;
    }
    const QString folder = dir.filePath(QStringLiteral("a/b"));
    const WynikOdtworzenia w = odtworzDoNowegoFolderu(archiwum, folder);
    check(w.wynik == WynikKopii::Zrobione);
    check(w.plikow == opis.pliki.size());
    int znalezione = 0;
    QDirIterator it(dir.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString p = it.next();
        check(p == archiwum || p.startsWith(folder + QLatin1Char('/')));
        znalezione += p != archiwum;
    }
    check(znalezione == opis.pliki.size());
    return 0;
}
