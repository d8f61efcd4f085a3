#include "core/modZmiene.h"

#include "core/Amount.h"
#include "core/Session.h"

#include <QFileInfo>
#include <QStringList>

#include <array>
#include <cmath>

namespace remitto {

QString ZamienCudzyslow(const QString& tekst)
{
    if (!tekst.contains(QLatin1Char('"')))
        return tekst;
    QString out = tekst;
    out.replace(QLatin1Char('"'), QLatin1String("''"));
    return out;
}

QString Rozstrzel(const QString& tekst)
{
    if (tekst.size() <= 1)
        return tekst;
    QString out;
    out.reserve(tekst.size() * 2 - 1);
    out.append(tekst.front());
    for (qsizetype i = 1; i < tekst.size(); ++i) {
        out.append(QLatin1Char(' '));
        out.append(tekst.at(i));
    }
    return out;
}

// ---------------------------------------------------------------------------
// Amount in words
//
// The printed forms have always carried the words exactly as below, spelling
// included ("jedynaście", "tyś.", "piędziesiąt" for tens of thousands,
// "dziesieć" for ten złoty), with every one of the eight word slots joined by
// one blank even when empty, and the line cut to 94 characters. Amounts
// below one million keep that text unchanged. Millions are a further group
// in front, spelled with the correct words and the group word " mln."; such
// a line is not cut, so no word of a large amount is lost.

namespace {

using Slowa = std::array<QStringView, 10>;

constexpr Slowa kSetki = {u"", u"sto", u"dwieście", u"trzysta", u"czterysta", u"pięćset",
                          u"sześćset", u"siedemset", u"osiemset", u"dziewięćset"};

constexpr Slowa kDziesiatkiTysiecy = {u"", u"dziesięć", u"dwadzieścia", u"trzydzieści",
                                      u"czterdzieści", u"piędziesiąt", u"sześćdziesiąt",
                                      u"siedemdziesiąt", u"osiemdziesiąt", u"dziewięćdziesiąt"};

constexpr Slowa kDziesiatkiZlotych = {u"", u"dziesieć", u"dwadzieścia", u"trzydzieści",
                                      u"czterdzieści", u"pięćdziesiąt", u"sześćdziesiąt",
                                      u"siedemdziesiąt", u"osiemdziesiąt", u"dziewięćdziesiąt"};

constexpr Slowa kDziesiatki = {u"", u"dziesięć", u"dwadzieścia", u"trzydzieści",
                               u"czterdzieści", u"pięćdziesiąt", u"sześćdziesiąt",
                               u"siedemdziesiąt", u"osiemdziesiąt", u"dziewięćdziesiąt"};

constexpr Slowa kNastki = {u"", u"jedynaście", u"dwanaście", u"trzynaście", u"czternaście",
                           u"piętnaście", u"szesnaście", u"siedemnaście", u"osiemnaście",
                           u"dziewiętnaście"};

constexpr Slowa kNastkiPoprawne = {u"", u"jedenaście", u"dwanaście", u"trzynaście",
                                   u"czternaście", u"piętnaście", u"szesnaście",
                                   u"siedemnaście", u"osiemnaście", u"dziewiętnaście"};

constexpr Slowa kJednosci = {u"", u"jeden", u"dwa", u"trzy", u"cztery", u"pięć",
                             u"sześć", u"siedem", u"osiem", u"dziewięć"};

constexpr qsizetype kDlugoscSlownie = 94;
constexpr qint64 kGroszeMiliarda = Q_INT64_C(100000000000);

/// The hundreds, tens and units slot of one group of three digits.
struct Grupa {
    std::array<QString, 3> sloty;
    int nosnik = -1;  ///< slot that carries the group word, -1 for an all-zero group
};

struct SlowaGrupy {
    const Slowa& dziesiatki;
    const Slowa& nastki;
    QStringView slowo;      ///< group word with its leading blank (" zł.")
    bool odstepPrzyZerze;   ///< one more blank before the word when the units are 0
};

QString slowoZGrupa(QStringView slowo, QStringView slowoGrupy)
{
    QString out = slowo.toString();
    out += slowoGrupy;
    return out;
}

Grupa zbudujGrupe(int liczba, const SlowaGrupy& s)
{
    Grupa g;
    const int setki = liczba / 100;
    const int dziesiatki = liczba / 10 % 10;
    const int jednosci = liczba % 10;
    if (setki != 0)
        g.sloty[0] = kSetki[setki].toString();
    if (dziesiatki == 1 && jednosci != 0) {
        g.sloty[2] = slowoZGrupa(s.nastki[jednosci], s.slowo);
        g.nosnik = 2;
        return g;
    }
    if (dziesiatki != 0)
        g.sloty[1] = s.dziesiatki[dziesiatki].toString();
    if (jednosci != 0) {
        g.sloty[2] = slowoZGrupa(kJednosci[jednosci], s.slowo);
        g.nosnik = 2;
    } else if (liczba != 0) {
        g.nosnik = dziesiatki != 0 ? 1 : 0;
        if (s.odstepPrzyZerze)
            g.sloty[g.nosnik] += QLatin1Char(' ');
        g.sloty[g.nosnik] += s.slowo;
    }
    return g;
}

QString puste94()
{
    return QString(kDlugoscSlownie, QLatin1Char(' '));
}

} // namespace

QString KwotaSlownieZGroszy(qint64 grosze)
{
    if (grosze <= 0 || grosze >= kGroszeMiliarda)
        return puste94();

    const qint64 zlote = grosze / 100;
    const int miliony = int(zlote / 1000000);
    const int tysiace = int(zlote / 1000 % 1000);
    const int zl = int(zlote % 1000);
    const int gr = int(grosze % 100);

    Grupa gm = zbudujGrupe(miliony, {kDziesiatki, kNastkiPoprawne, u" mln.", false});
    Grupa gt = zbudujGrupe(tysiace, {kDziesiatkiTysiecy, kNastki, u" tyś.", true});
    Grupa gz = zbudujGrupe(zl, {kDziesiatkiZlotych, kNastki, u" zł.", false});
    const Grupa gg = zbudujGrupe(gr, {kDziesiatki, kNastki, u" gr.", false});

    // With no złoty of its own the złoty word follows the highest group word.
    if (zl == 0) {
        if (tysiace != 0)
            gt.sloty[gt.nosnik] += QStringLiteral(" zł.");
        else if (miliony != 0)
            gm.sloty[gm.nosnik] += QStringLiteral(" zł.");
    }

    QStringList sloty;
    if (miliony != 0)
        sloty << gm.sloty[0] << gm.sloty[1] << gm.sloty[2];
    sloty << gt.sloty[0] << gt.sloty[1] << gt.sloty[2]
          << gz.sloty[0] << gz.sloty[1] << gz.sloty[2]
          << gg.sloty[1] << gg.sloty[2];

    QString out = sloty.join(QLatin1Char(' '));
    if (miliony == 0)
        return out.leftJustified(kDlugoscSlownie, QLatin1Char(' '), true);
    return out.leftJustified(kDlugoscSlownie, QLatin1Char(' '), false);
}

QString KwotaSlownie(const QString& kwota)
{
    const std::optional<qint64> grosze = parseAmount(kwota);
    if (!grosze)
        return puste94();
    return KwotaSlownieZGroszy(*grosze);
}

// ---------------------------------------------------------------------------

namespace {

QString zamienZnak(const QString& liczba, QChar z, QChar na, bool warunekDlugosci)
{
    if (liczba.isEmpty() || liczba == QLatin1String("0"))
        return liczba;
    if (warunekDlugosci && liczba.size() <= 2)
        return liczba;
    if (!liczba.contains(z))
        return liczba;
    QString out = liczba;
    out.replace(z, na);
    return out;
}

} // namespace

QString PrzecinekNaKropke(const QString& liczba)
{
    return zamienZnak(liczba, QLatin1Char(','), QLatin1Char('.'), true);
}

QString KropkaNaPrzecinek(const QString& liczba)
{
    return zamienZnak(liczba, QLatin1Char('.'), QLatin1Char(','), true);
}

QString KropkaNaPrzecinekWszystkie(const QString& liczba)
{
    return zamienZnak(liczba, QLatin1Char('.'), QLatin1Char(','), false);
}

// ---------------------------------------------------------------------------

namespace {

double zaokraglijPolowyDoParzystej(double v)
{
    const double dol = std::floor(v);
    const double reszta = v - dol;
    if (reszta > 0.5)
        return dol + 1.0;
    if (reszta < 0.5)
        return dol;
    return std::fmod(dol, 2.0) == 0.0 ? dol : dol + 1.0;
}

} // namespace

double Zaokraglij(double x)
{
    if (!std::isfinite(x) || x == 0.0)
        return 0.0;
    // Negative amounts round as their positive counterparts, so that an
    // amount and its refund always differ only in sign.
    if (x < 0.0)
        return -Zaokraglij(-x);
    const double w = std::trunc(x);
    return w + zaokraglijPolowyDoParzystej((x + 0.0001 - w) * 100.0) / 100.0;
}

double Zaokraglij(const QString& x)
{
    QString s;
    s.reserve(x.size());
    for (const QChar c : x) {
        if (!c.isSpace())
            s.append(c == QLatin1Char(',') ? QLatin1Char('.') : c);
    }
    bool ok = false;
    const double d = s.toDouble(&ok);
    return ok ? Zaokraglij(d) : 0.0;
}

// ---------------------------------------------------------------------------

namespace {

/// Right-aligned in `szerokosc` characters. An amount wider than its column
/// is given whole: cutting its leading digits would print a wrong amount.
QString kwotaWKolumnie(double kwota, qsizetype szerokosc)
{
    return formatAmount(toGrosze(kwota)).rightJustified(szerokosc, QLatin1Char(' '));
}

} // namespace

QString Kwota9(double kwota)
{
    return kwotaWKolumnie(kwota, 9);
}

QString Kwota11(double kwota)
{
    return kwotaWKolumnie(kwota, 11);
}

QString Kwota13(double kwota)
{
    return kwotaWKolumnie(kwota, 13);
}

// ---------------------------------------------------------------------------

QString DataDMR(const QString& data)
{
    if (data.size() >= 3 && data.at(2) == QLatin1Char('-'))
        return data;
    if (data.size() < 10)
        return data;
    return data.mid(8, 2) + QLatin1Char('-') + data.mid(5, 2) + QLatin1Char('-') + data.left(4);
}

QString CzyPlikIstnieje(const QString& sciezka)
{
    const QFileInfo info(sciezka);
    const bool jest = !sciezka.isEmpty() && info.exists() && !info.isDir();
    return jest ? QStringLiteral("tak") : QStringLiteral("nie");
}

// ---------------------------------------------------------------------------

QString KontoBezOdstepow(const QString& konto)
{
    constexpr qsizetype kCyfryKonta = 26;
    const QString przyciete = konto.trimmed();
    if (konto.size() < kCyfryKonta)
        return przyciete;
    QString out;
    out.reserve(przyciete.size());
    for (const QChar c : przyciete) {
        if (!c.isSpace() && c != QLatin1Char('-'))
            out.append(c);
    }
    return out;
}

QString KontoBezSpacji(const QString& konto)
{
    if (konto.size() < 27)
        return konto;
    QString out;
    out.reserve(konto.size());
    for (const QChar c : konto) {
        if (!c.isSpace())
            out.append(c);
    }
    return out;
}

// ---------------------------------------------------------------------------

namespace {

struct WierszKodu {
    QStringView kod;
    QStringView miejscowosc;
    QStringView poczta;
};

// Rows in this order: for a code listed twice the later row wins.
constexpr std::array<WierszKodu, 25> kKodyPocztowe = {{
    {u"32-400", u"Myślenice", u"Myślenice"},
    {u"32-410", u"Dobczyce", u"Dobczyce"},
    {u"32-422", u"Stadniki", u"Stadniki"},
    {u"32-411", u"Dziekanowice", u"Dziekanowice"},
    {u"32-412", u"Wiśniowa", u"Wiśniowa"},
    {u"32-420", u"Gdów", u"Gdów"},
    {u"32-415", u"Raciechowice", u"Raciechowice"},
    {u"32-413", u"Zegartowice", u"Zegartowice"},
    {u"32-414", u"Gruszów", u"Gruszów"},
    {u"32-406", u"Zakliczyn", u"Zakliczyn"},
    {u"32-447", u"Siepraw", u"Siepraw"},
    {u"32-040", u"Świątniki Górne", u"Świątniki Górne"},
    {u"32-040", u"Rzeszotary", u"Rzeszotary"},
    {u"32-440", u"Sułkowice", u"Sułkowice"},
    {u"32-432", u"Pcim", u"Pcim"},
    {u"32-700", u"Bochnia", u"Bochnia"},
    {u"32-740", u"Łapanów", u"Łapanów"},
    {u"32-566", u"Alwernia", u"Alwernia"},
    {u"30-444", u"Libertów", u"Kraków 55"},
    {u"08-210", u"Platerów", u"Platerów"},
    {u"34-100", u"Wadowice", u"Wadowice"},
    {u"32-020", u"Wieliczka", u"Wieliczka"},
    {u"34-620", u"Jodłownik", u"Jodłownik"},
    {u"38-610", u"Solina", u"Solina-Jawor"},
    {u"34-700", u"Rabka-Zdrój", u"Rabka-Zdrój"},
}};

} // namespace

KodPocztowyWynik KodPocztowy(const QString& kod)
{
    KodPocztowyWynik wynik;
    for (const WierszKodu& w : kKodyPocztowe) {
        if (kod == w.kod) {
            wynik.miejscowosc = w.miejscowosc.toString();
            wynik.poczta = w.poczta.toString();
        }
    }
    return wynik;
}

void KodPocztowy(const QString& kod, Session& session)
{
    const KodPocztowyWynik wynik = KodPocztowy(kod);
    session.MiejscowoscZKodu = wynik.miejscowosc;
    session.PocztaZKodu = wynik.poczta;
}

} // namespace remitto
