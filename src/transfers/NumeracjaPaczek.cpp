#include "transfers/NumeracjaPaczek.h"

#include "core/QuoteFormat.h"
#include "core/TextFile.h"

#include <cmath>

namespace remitto {

QString sciezkaNumeracji(const QString& folder, int rok)
{
    return folder + QStringLiteral("/NumP") + QStringLiteral("%1").arg(rok % 100, 2, 10, QLatin1Char('0'))
         + QStringLiteral(".dat");
}

NumeracjaRoku nowaNumeracja()
{
    NumeracjaRoku rok;
    for (int m = 1; m <= 12; ++m) {
        NumeracjaMiesiaca n;
        n.miesiac = m;
        rok.append(n);
    }
    return rok;
}

QString tekstNumeracji(const NumeracjaRoku& rok)
{
    QuoteWriter w;
    for (const NumeracjaMiesiaca& n : rok)
        w.number(n.miesiac).number(n.poczatPaczk).number(n.koniecPacz).number(n.poczatPrzel)
            .number(n.koniecPrzel).text(n.typ).endLine();
    return w.result();
}

std::optional<int> liczbaNumeracji(const QString& text, int max)
{
    const QString t = text.trimmed();
    if (t.isEmpty() || t.size() > 9)
        return std::nullopt;
    for (QChar c : t)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
    const int v = t.toInt();
    if (v > max)
        return std::nullopt;
    return v;
}

namespace {

// A stored number: a never-set value is 0; the other program may write a
// whole number with decimals ("3.0"). Anything else that is not a whole number
// from 0 to 999999999 ("nan", "inf", "3.5", "-1") is damage.
std::optional<int> liczbaZPliku(const QString& value)
{
    const QString t = value.trimmed();
    if (t.isEmpty())
        return 0;
    bool ok = false;
    const double d = t.toDouble(&ok);
    if (!ok || !std::isfinite(d) || d < 0 || d > 999999999 || d != std::floor(d))
        return std::nullopt;
    return static_cast<int>(d);
}

} // namespace

OdczytNumeracji czytajNumeracje(const QString& path)
{
    OdczytNumeracji wynik;
    const QuoteFile plik = readQuoteFile(path);
    if (!plik.ok) {
        wynik.brak = plik.missing;
        wynik.blad = plik.error;
        return wynik;
    }
    const auto uszkodzony = [&] {
        wynik.blad = QStringLiteral("Plik numeracji %1 jest uszkodzony: powinien mieć 12 linii po 6 wartości.")
                         .arg(path);
        return wynik;
    };
    if (plik.values.size() != 72)
        return uszkodzony();
    for (int m = 0; m < 12; ++m) {
        NumeracjaMiesiaca n;
        std::optional<int> v[5];
        for (int i = 0; i < 5; ++i) {
            const QString& tekst = plik.values[m * 6 + i];
            v[i] = liczbaZPliku(tekst);
            if (!v[i]) {
                wynik.blad = QStringLiteral("Plik numeracji %1 jest uszkodzony: w linii %2 wartość \"%3\" "
                                            "nie jest liczbą całkowitą od 0 do 999999999.")
                                 .arg(path)
                                 .arg(m + 1)
                                 .arg(tekst.left(40));
                return wynik;
            }
        }
        n.miesiac = *v[0];
        n.poczatPaczk = *v[1];
        n.koniecPacz = *v[2];
        n.poczatPrzel = *v[3];
        n.koniecPrzel = *v[4];
        n.typ = plik.values[m * 6 + 5];
        wynik.miesiace.append(n);
    }
    wynik.ok = true;
    return wynik;
}

bool zapiszNumeracje(const QString& path, const NumeracjaRoku& rok, QString* blad)
{
    return rewriteTextFile(path, tekstNumeracji(rok), blad);
}

OdczytNumeracji czytajLubUtworzNumeracje(const QString& path)
{
    OdczytNumeracji wynik = czytajNumeracje(path);
    if (!wynik.brak)
        return wynik;
    OdczytNumeracji nowy;
    nowy.miesiace = nowaNumeracja();
    nowy.ok = zapiszNumeracje(path, nowy.miesiace, &nowy.blad);
    return nowy;
}

} // namespace remitto
