#include "core/Nip.h"

#include "core/Nrb.h"

namespace remitto {

WynikNip sprawdzNip(const QString& nip)
{
    if (nip.size() >= 3 && (nip[2] == QLatin1Char(' ') || nip[2] == QLatin1Char('-')))
        return WynikNip::ZeSpacjami;
    if (nip.size() != 10)
        return WynikNip::ZlaDlugosc;
    static constexpr int kWagi[9] = {6, 5, 7, 2, 3, 4, 5, 6, 7};
    int cyfry[10];
    for (int i = 0; i < 10; ++i) {
        const QChar c = nip[i];
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return WynikNip::Bledny;
        cyfry[i] = c.unicode() - u'0';
    }
    int suma = 0;
    for (int i = 0; i < 9; ++i)
        suma += kWagi[i] * cyfry[i];
    return suma % 11 == cyfry[9] ? WynikNip::Poprawny : WynikNip::Bledny;
}

QString cyfryNip(const QString& nip)
{
    return cyfryNumeru(nip, 10);
}

} // namespace remitto
