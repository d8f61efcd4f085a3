// Amount in words on any text and any amount: never a crash, always at least
// the 94 characters of the printed line, exactly 94 below a million złoty,
// and the same words for a text and for the amount it parses to.
#include "FuzzCheck.h"
#include "core/Amount.h"
#include "core/modZmiene.h"

#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

using namespace remitto;

namespace {

void checkWords(const QString& words, qint64 grosze)
{
    check(words.size() >= 94);
    if (grosze < Q_INT64_C(100000000))  // below a million złoty
        check(words.size() == 94);
    if (grosze <= 0)
        check(words.trimmed().isEmpty());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString words = KwotaSlownie(text);
    if (const std::optional<qint64> g = parseAmount(text)) {
        checkWords(words, *g);
        check(words == KwotaSlownieZGroszy(*g));
    } else {
        check(words == QString(94, QLatin1Char(' ')));
    }

    if (size >= sizeof(qint64)) {
        qint64 g = 0;
        std::memcpy(&g, data, sizeof g);
        const QString fromGrosze = KwotaSlownieZGroszy(g);
        checkWords(fromGrosze, g);
        check(KwotaSlownie(formatAmount(g)) == fromGrosze || !parseAmount(formatAmount(g)));
    }
    return 0;
}
