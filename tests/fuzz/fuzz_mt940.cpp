// Bank statements in the MT940 layout: the reader ends on any bytes, and what
// it accepts holds together (entries add up to the closing balance, amounts
// are never negative, dates are real, line numbers lie within the file).
#include "FuzzCheck.h"
#include "statements/Mt940.h"

#include <QByteArray>
#include <QString>

#include <cstdint>

using namespace remitto;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bajty(reinterpret_cast<const char*>(data), qsizetype(size));
    const OdczytMt940 o = czytajMt940(bajty, QStringLiteral("fuzz.sta"));
    if (!o.ok) {
        check(o.wyciagi.empty());
        check(o.blad.startsWith(QStringLiteral("Plik wyciągu fuzz.sta, wiersz ")));
        return 0;
    }
    check(!o.wyciagi.empty());
    const qsizetype linie = bajty.count('\n') + 1;
    int poprzednia = 0;
    for (const Wyciag& w : o.wyciagi) {
        check(w.kluczOtwarcia > 0 && w.kluczZamkniecia > 0);
        check(w.linia > poprzednia && w.linia <= linie);
        poprzednia = w.linia;
        qint64 saldo = w.saldoOtwarcia;
        for (const OperacjaWyciagu& op : w.operacje) {
            check(op.kwota >= 0);
            check(op.kluczWaluty > 0 && op.kluczKsiegowania > 0);
            check(op.linia > poprzednia && op.linia <= linie);
            poprzednia = op.linia;
            saldo += op.obciazenie ? -op.kwota : op.kwota;
            check(op.kontoCyfry().size() <= 26);
        }
        check(saldo == w.saldoZamkniecia);
    }
    return 0;
}
