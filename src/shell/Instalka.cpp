#include "shell/Instalka.h"

#include "core/QuoteFormat.h"
#include "core/Session.h"
#include "core/TextFile.h"
#include "shell/Logowanie.h"

namespace remitto {

namespace {

QString filePath(const QString& folder)
{
    return folder + QLatin1Char('/') + kPlikInstalka;
}

} // namespace

UstawieniaOdczyt readInstalka(const QString& folder)
{
    UstawieniaOdczyt r;
    const QString path = filePath(folder);
    const QuoteFile f = readQuoteFile(path);
    if (!f.ok) {
        r.missing = f.missing;
        r.error = f.error;
        return r;
    }
    if (f.values.size() < 7) {
        r.error = QStringLiteral("Plik %1 jest uszkodzony: zawiera %2 z 7 wartości ustawień.")
                      .arg(path)
                      .arg(f.values.size());
        return r;
    }
    const QStringList& v = f.values;
    r.u = {v[0], v[1], v[2], v[3], v[4], v[5], v[6]};
    r.ok = true;
    return r;
}

bool writeInstalka(const QString& folder, const Ustawienia& u, QString* error)
{
    QuoteWriter w;
    w.text(u.haslo).text(u.sciezka).text(u.rodzajDrukarki).text(u.drukPogrubiony)
        .text(u.rodzajDruku).text(u.ustawienie6).text(u.opisSeryjny).endLine();
    return rewriteTextFile(filePath(folder), w.result(), error);
}

Ustawienia ustawieniaZSesji(const Session& s)
{
    return {s.HasloZapisane, s.SciezkaProgramu, s.RodzajDrukarki, s.DrukPogrubiony,
            s.RodzajDruku,   s.Ustawienie6,     s.OpisSeryjny};
}

void ustawieniaDoSesji(const Ustawienia& u, Session& s)
{
    s.HasloZapisane = u.haslo;
    s.RodzajDrukarki = u.rodzajDrukarki;
    s.DrukPogrubiony = u.drukPogrubiony;
    s.RodzajDruku = u.rodzajDruku;
    s.Ustawienie6 = u.ustawienie6;
    s.OpisSeryjny = u.opisSeryjny;
}

Ustawienia zDomyslnymi(Ustawienia u)
{
    if (u.rodzajDruku.isEmpty() || u.rodzajDruku == QLatin1String("0"))
        u.rodzajDruku = QStringLiteral("1");
    if (u.ustawienie6.isEmpty() || u.ustawienie6 == QLatin1String("0"))
        u.ustawienie6 = QStringLiteral("1");
    u.opisSeryjny = QStringLiteral("F-ra nr.");
    return u;
}

namespace {

// Reads the file, lets `change` alter it, writes it back and refreshes the
// session from what was written.
template <typename Change>
WynikZmiany przepisz(Session& s, QString* error, Change change)
{
    UstawieniaOdczyt r = readInstalka(s.SciezkaProgramu);
    if (!r.ok) {
        if (error)
            *error = r.error;
        return WynikZmiany::BladOdczytu;
    }
    if (!change(r.u))
        return WynikZmiany::BezZmian;
    if (!writeInstalka(s.SciezkaProgramu, r.u, error))
        return WynikZmiany::BladZapisu;
    ustawieniaDoSesji(r.u, s);
    return WynikZmiany::Zmieniono;
}

} // namespace

WynikZmiany zmienHaslo(Session& s, const QString& stare, const QString& nowe, QString* error)
{
    if (!znakiNiedozwolone(nowe).isEmpty())
        return WynikZmiany::NiedozwoloneZnaki;
    const WynikZmiany w = przepisz(s, error, [&](Ustawienia& u) {
        if (u.haslo != stare)
            return false;
        u.haslo = nowe;
        return true;
    });
    if (w == WynikZmiany::Zmieniono)
        s.HasloWpisane = nowe;
    return w;
}

WynikZmiany zmienOpisSeryjny(Session& s, const QString& opis, QString* error)
{
    if (opis.isEmpty())
        return WynikZmiany::BezZmian;
    return przepisz(s, error, [&](Ustawienia& u) {
        u.opisSeryjny = opis.toUpper();
        return true;
    });
}

WynikZmiany zapiszDrukarke(Session& s, const QString& typSlownie, bool pogrubiony, QString* error)
{
    return przepisz(s, error, [&](Ustawienia& u) {
        u.rodzajDrukarki = typSlownie.trimmed().left(1).toUpper();
        u.drukPogrubiony = pogrubiony ? QStringLiteral("G") : QString();
        return true;
    });
}

QString nazwaDrukarki(const QString& litera)
{
    if (litera == QLatin1String("A"))
        return QStringLiteral("Atramentowa");
    if (litera == QLatin1String("I"))
        return QStringLiteral("Igłowa");
    if (litera == QLatin1String("L"))
        return QStringLiteral("Laserowa");
    return {};
}

} // namespace remitto
