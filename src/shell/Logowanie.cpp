#include "shell/Logowanie.h"

#include "core/Session.h"
#include "core/TextFile.h"
#include "shell/Instalka.h"

namespace remitto {

bool hasloPoprawne(const Session& s)
{
    return s.HasloZapisane == s.HasloWpisane;
}

WynikLogowania zaloguj(Session& s)
{
    const UstawieniaOdczyt r = readInstalka(s.SciezkaProgramu);
    if (r.ok)
        s.HasloZapisane = r.u.haslo;
    return hasloPoprawne(s) ? WynikLogowania::Dostep : WynikLogowania::BrakDostepu;
}

StareHaslo sprawdzStareHaslo(const Session& s, const QString& stare, QString* error)
{
    const UstawieniaOdczyt r = readInstalka(s.SciezkaProgramu);
    if (!r.ok) {
        if (error)
            *error = r.error;
        return StareHaslo::BladOdczytu;
    }
    return r.u.haslo == stare ? StareHaslo::Zgodne : StareHaslo::Niezgodne;
}

QString znakiNiedozwolone(const QString& haslo)
{
    QString znaki;
    for (qsizetype i = 0; i < haslo.size(); ++i) {
        // A letter outside the basic plane comes as two halves: take both.
        const qsizetype n = haslo[i].isHighSurrogate() && i + 1 < haslo.size() ? 2 : 1;
        const QString znak = haslo.mid(i, n);
        i += n - 1;
        const bool zapisywalny = znak != QLatin1String("\"") && fromCp1250(toCp1250(znak)) == znak;
        if (!zapisywalny && !znaki.contains(znak))
            znaki += znak;
    }
    return znaki;
}

} // namespace remitto
