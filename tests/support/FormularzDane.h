#pragma once

// The sender and the transfer that the form tests print: a Warsaw bakery
// paying a Kraków wholesaler.

#include "core/Session.h"
#include "transfers/FormularzPrzelewu.h"

namespace remitto::test {

inline void wypelnijFormularz(Session& s, PolaPrzelewu& p)
{
    s.SkrotFirmy = QStringLiteral("KLOS");
    s.NazwaFirmy = QStringLiteral("Piekarnia Kłos");
    s.Nazwa2Firmy = QStringLiteral("Sp. z o.o.");
    s.KodFirmy = QStringLiteral("00-950");
    s.MiastoFirmy = QStringLiteral("Warszawa");
    s.UlicaFirmy = QStringLiteral("Polna");
    s.NumerDomuFirmy = QStringLiteral("12");
    s.KontoWybrane = QStringLiteral("11 1020 1026 0000 0402 0000 1234");
    s.NipFirmy = QStringLiteral("5260250274");
    s.IdnFirmy = QStringLiteral("N");

    p.wpis.nazwa1 = QStringLiteral("Hurtownia Zboże");
    p.wpis.nazwa2 = QStringLiteral("Jan Nowak");
    p.wpis.skrot = QStringLiteral("ZBOZE");
    p.wpis.kod = QStringLiteral("31-154");
    p.wpis.adres = QStringLiteral("Kraków");
    p.wpis.ulica = QStringLiteral("Długa");
    p.wpis.numerDomu = QStringLiteral("7a");
    p.wpis.konto = QStringLiteral("61109010140000071219812874");
    p.wpis.tytul = QStringLiteral("F-ra nr. 12/2026");
}

} // namespace remitto::test
