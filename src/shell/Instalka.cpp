#include "shell/Instalka.h"

#include "core/KodyDrukarki.h"
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

// Names of the seven values in messages, in file order.
const char* const kNazwyWartosci[7] = {"hasło",        "folder danych", "rodzaj drukarki", "druk pogrubiony",
                                       "rodzaj druku", "ustawienie 6",  "opis seryjny"};

bool maZnakSterujacy(const QString& value)
{
    for (const QChar c : value)
        if (c.category() == QChar::Other_Control)
            return true;
    return false;
}

// What is wrong with the values, or nothing. Lenient on purpose: every file
// this program or an older copy of it wrote passes, whatever the user typed.
QString bladWartosci(const QStringList& v)
{
    for (int i = 0; i < 7; ++i) {
        QString powod;
        if (maZnakSterujacy(v[i]))
            powod = QStringLiteral("zawiera znak sterujący");
        else if ((i == 2 || i == 3) && v[i].size() > 1)
            powod = QStringLiteral("ma więcej niż jedną literę");
        else if ((i == 4 || i == 5) && v[i].size() > 3)
            powod = QStringLiteral("ma więcej niż 3 znaki");
        if (!powod.isEmpty())
            return QStringLiteral("wartość %1 (%2) %3").arg(i + 1).arg(QString::fromUtf8(kNazwyWartosci[i]), powod);
    }
    return {};
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
    QStringList v = f.values;
    // One empty line after the values, as a text editor leaves it, is none.
    if (f.endsWithEmptyLine && v.size() == 8)
        v.removeLast();
    if (v.size() != 7) {
        r.error = QStringLiteral("Plik %1 jest uszkodzony: zawiera %2 wartości ustawień zamiast 7.")
                      .arg(path)
                      .arg(v.size());
        return r;
    }
    // A damaged file must not hand a garbage password to the login.
    const QString blad = bladWartosci(v);
    if (!blad.isEmpty()) {
        r.error = QStringLiteral("Plik %1 jest uszkodzony: %2.").arg(path, blad);
        return r;
    }
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
        u.rodzajDrukarki = kodDrukarki(typSlownie);
        u.drukPogrubiony = kodPogrubienia(pogrubiony);
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
