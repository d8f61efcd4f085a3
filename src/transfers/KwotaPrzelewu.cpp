#include "transfers/KwotaPrzelewu.h"

#include "core/Amount.h"

#include <optional>

namespace remitto {

namespace {

bool dodaj(qint64& suma, qint64 skladnik)
{
    return !__builtin_add_overflow(suma, skladnik, &suma);
}

} // namespace

QString kwotaProsta(qint64 grosze)
{
    QString tekst = formatAmount(grosze);
    if (tekst.endsWith(QLatin1String(",00")))
        tekst.chop(3);
    else if (tekst.endsWith(QLatin1Char('0')))
        tekst.chop(1);
    return tekst;
}

Suma zsumujKwote(const QString& tekst)
{
    Suma s;
    if (!tekst.contains(QLatin1Char('+')) && !tekst.contains(QLatin1Char('-'))) {
        s.tekst = tekst;
        return s;
    }
    qint64 suma = 0;
    bool ujemny = false;
    QString kawalek;
    auto wez = [&]() {
        const QString k = kawalek.trimmed();
        kawalek.clear();
        if (k.isEmpty())
            return true;
        const std::optional<qint64> v = parseAmount(k);
        return v && dodaj(suma, ujemny ? -*v : *v);
    };
    for (const QChar c : tekst) {
        if (c == QLatin1Char('+') || c == QLatin1Char('-')) {
            if (!wez()) {
                s.wynik = Suma::Blad;
                s.tekst = tekst;
                return s;
            }
            ujemny = c == QLatin1Char('-');
        } else {
            kawalek.append(c);
        }
    }
    if (!wez()) {
        s.wynik = Suma::Blad;
        s.tekst = tekst;
        return s;
    }
    s.wynik = Suma::Obliczono;
    s.grosze = suma;
    s.tekst = kwotaProsta(suma);
    return s;
}

bool bezVat(const QString& vat)
{
    const QString v = vat.trimmed().toLower();
    return v.isEmpty() || v == QLatin1String("np") || v == QLatin1String("zw") || v == QLatin1String("0");
}

Brutto bruttoZVat(const QString& netto, const QString& vat)
{
    Brutto b;
    b.vat = vat;
    const std::optional<qint64> n = parseAmount(netto);
    if (!n)
        return b;
    const QString v = vat.trimmed().toLower();
    if (bezVat(v)) {
        b.ok = true;
        b.brutto = netto;
        if (v.isEmpty())
            b.vat = QStringLiteral("0");
        return b;
    }
    qint64 kwotaVat = 0;
    if (v.endsWith(QLatin1Char('%'))) {
        // The rate in hundredths of a percent: VAT = net x rate / 10000.
        const std::optional<qint64> stawka = parseAmount(v.chopped(1));
        if (!stawka)
            return b;
        qint64 iloczyn = 0;
        if (__builtin_mul_overflow(*n, *stawka, &iloczyn) || !dodaj(iloczyn, iloczyn >= 0 ? 5000 : -5000))
            return b;
        kwotaVat = iloczyn / 10000;
    } else {
        const std::optional<qint64> kwota = parseAmount(v);
        if (!kwota)
            return b;
        kwotaVat = *kwota;
    }
    qint64 brutto = *n;
    if (!dodaj(brutto, kwotaVat))
        return b;
    b.ok = true;
    b.brutto = formatAmount(brutto);
    return b;
}

QString bruttoPoKwocie(const QString& netto, const QString& vat, const QString& brutto)
{
    return vat == QLatin1String("0") ? netto : brutto;
}

KwotyWpisu ustalKwoty(const QString& kwota, const QString& vat, const QString& brutto)
{
    KwotyWpisu k{true, kwota, vat, brutto};
    if (kwota.trimmed().isEmpty())
        return k;
    const Suma s = zsumujKwote(kwota);
    if (s.wynik == Suma::Obliczono)
        k.kwota = s.tekst;
    const Brutto b = s.wynik == Suma::Blad ? Brutto{} : bruttoZVat(k.kwota, vat);
    if (!b.ok)
        return KwotyWpisu{false, kwota, vat, brutto};
    k.vat = b.vat;
    k.brutto = b.brutto;
    return k;
}

} // namespace remitto
