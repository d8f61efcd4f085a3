// The white list's flat file on any bytes: the JSON scanner and the .7z path.
//
// The first byte chooses. Below 0x80 the rest is JSON: scanned whole, then
// again in pieces of 1 to 64 bytes, so that every value is cut by the end of
// a piece somewhere; both readings must agree in everything, and a message
// must name the file. Every input is then opened from a file as the program
// opens it (as .json, or as .7z from 0x80 on): the opening ends with a list
// or with a message naming the file. libFuzzer's -timeout turns a reading
// that never ends into a failure.
#include "contractors/BialaLista.h"
#include "contractors/BialaListaDane.h"

#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdint>

#include "FuzzCheck.h"  // last: its macro is a common word

using namespace remitto;
using namespace remitto::kontrahenci;

namespace {

struct Wynik {
    bool ok = false;
    QString blad;
    QByteArray data;
    QByteArray transformacje;
    QList<QByteArray> maski;
    DuzyWektor<quint64> czynni;
    DuzyWektor<quint64> zwolnieni;
};

const QString kPlik = QStringLiteral("/lista/20261210.json");

Wynik skanuj(const char* p, size_t n, size_t kawalek)
{
    Wynik w;
    SkanerPlaski skaner(kPlik, w.czynni, w.zwolnieni);
    bool dalej = true;
    for (size_t i = 0; i < n && dalej; i += kawalek)
        dalej = skaner.podaj(p + i, std::min(kawalek, n - i));
    w.ok = dalej && skaner.koniec();
    w.blad = skaner.blad();
    w.data = skaner.data;
    w.transformacje = skaner.transformacje;
    w.maski = skaner.maski;
    return w;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    const bool archiwum = data[0] >= 0x80;
    const char* p = reinterpret_cast<const char*>(data) + 1;
    const size_t n = size - 1;

    if (!archiwum) {
        const Wynik calosc = skanuj(p, n, n ? n : 1);
        const Wynik wKawalkach = skanuj(p, n, size_t(data[0] % 64) + 1);
        check(calosc.ok == calosc.blad.isEmpty());
        check(calosc.ok || calosc.blad.contains(kPlik));
        check(wKawalkach.ok == calosc.ok);
        check(wKawalkach.blad == calosc.blad);
        check(wKawalkach.data == calosc.data);
        check(wKawalkach.transformacje == calosc.transformacje);
        check(wKawalkach.maski == calosc.maski);
        check(wKawalkach.czynni == calosc.czynni);
        check(wKawalkach.zwolnieni == calosc.zwolnieni);
    }

    static QTemporaryDir folder;
    const QString plik = folder.filePath(archiwum ? QStringLiteral("20261210.7z") : QStringLiteral("20261210.json"));
    {
        QFile f(plik);
        check(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        check(f.write(p, qint64(n)) == qint64(n));
    }
    // A cache folder under the file itself cannot be made: nothing is cached.
    QString blad;
    int wywolania = 0;
    const BialaLista lista = BialaLista::otworz(plik, plik + QStringLiteral("/pamiec"),
                                                [&](qint64, qint64) { return ++wywolania < 1000000; }, &blad);
    check(lista.wczytana() == blad.isEmpty());
    check(lista.wczytana() || blad.contains(plik));
    if (lista.wczytana()) {
        check(lista.data().isValid());
        check(lista.liczbaTransformacji() >= 1);
    }
    return 0;
}
