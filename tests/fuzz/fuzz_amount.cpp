// Amount parser and formatter: whatever the parser accepts, the formatter
// writes and the parser reads back; every amount of fifteen integer digits
// is written and read back exactly. A view of the text and the bytes taken
// as Latin-1 characters (as data files' values are parsed) read exactly as
// the text does.
#include "FuzzCheck.h"
#include "core/Amount.h"

#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

using namespace remitto;

namespace {

constexpr qint64 kMaxGrosze = Q_INT64_C(99999999999999999);

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    check(parseAmount(QStringView(text)) == parseAmount(text));
    const QLatin1String bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    check(parseAmount(bytes) == parseAmount(QString(bytes)));
    if (const std::optional<qint64> g = parseAmount(text)) {
        check(*g >= -kMaxGrosze && *g <= kMaxGrosze);
        const QString written = formatAmount(*g);
        check(parseAmount(written) == g);
        check(formatAmount(*parseAmount(written)) == written);
    }

    if (size >= sizeof(qint64)) {
        qint64 g = 0;
        std::memcpy(&g, data, sizeof g);
        const std::optional<qint64> back = parseAmount(formatAmount(g));
        if (g >= -kMaxGrosze && g <= kMaxGrosze)
            check(back == g);
        else
            check(!back.has_value());
    }
    return 0;
}
