#include "core/PorzadekOgolny.h"

#include <QCollator>
#include <QLocale>

#include <optional>
#include <vector>

namespace remitto {

namespace {

std::optional<double> jakoLiczba(const QString& tekst)
{
    QString t = tekst.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double v = QLocale::c().toDouble(t, &ok);
    if (!ok)
        return std::nullopt;
    return v;
}

QList<int> porzadek(const QStringList& wartosci, bool malejaco, const QList<int>* dalej)
{
    struct Klucz {
        std::optional<double> liczba;
        QCollatorSortKey tekst;
    };
    QCollator collator{QLocale(QLocale::Polish, QLocale::Poland)};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    const int n = int(wartosci.size());
    std::vector<Klucz> klucze;
    klucze.reserve(static_cast<size_t>(n));
    for (const QString& w : wartosci)
        klucze.push_back(Klucz{jakoLiczba(w), collator.sortKey(w)});

    auto przed = [&](int a, int b) {  // a goes strictly before b
        const Klucz& ka = klucze[static_cast<size_t>(a)];
        const Klucz& kb = klucze[static_cast<size_t>(b)];
        int c = 0;
        if (ka.liczba && kb.liczba)
            c = *ka.liczba < *kb.liczba ? -1 : (*kb.liczba < *ka.liczba ? 1 : 0);
        else
            c = ka.tekst.compare(kb.tekst);
        if (c == 0 && dalej)
            c = (*dalej)[a] < (*dalej)[b] ? -1 : ((*dalej)[b] < (*dalej)[a] ? 1 : 0);
        return malejaco ? c > 0 : c < 0;
    };
    // Bottom-up merge sort: stable, and safe even where numbers and texts
    // mixed in one column make the comparison intransitive.
    QList<int> kolejnosc(n), praca(n);
    for (int i = 0; i < n; ++i)
        kolejnosc[i] = i;
    for (int szer = 1; szer < n; szer *= 2) {
        for (int lo = 0; lo < n; lo += 2 * szer) {
            const int srodek = std::min(lo + szer, n), hi = std::min(lo + 2 * szer, n);
            int a = lo, b = srodek, o = lo;
            while (a < srodek && b < hi)
                praca[o++] = przed(kolejnosc[b], kolejnosc[a]) ? kolejnosc[b++] : kolejnosc[a++];
            while (a < srodek)
                praca[o++] = kolejnosc[a++];
            while (b < hi)
                praca[o++] = kolejnosc[b++];
        }
        kolejnosc.swap(praca);
    }
    return kolejnosc;
}

} // namespace

QList<int> porzadekOgolny(const QStringList& wartosci, bool malejaco)
{
    return porzadek(wartosci, malejaco, nullptr);
}

QList<int> porzadekOgolny(const QStringList& wartosci, const QList<int>& dalej)
{
    Q_ASSERT(dalej.size() == wartosci.size());
    return porzadek(wartosci, false, &dalej);
}

} // namespace remitto
