#include "transfers/FormularzPrzelewu.h"

#include "transfers/Banknoty.h"
#include "transfers/KwotaPrzelewu.h"

#include "core/Amount.h"
#include "core/KodyDrukarki.h"
#include "core/Session.h"
#include "core/modZmiene.h"

#include <algorithm>

namespace remitto {

namespace {

// Each copy of a form line stands 58 blanks after the one on its left.
const QString kOdstepKopii(58, QLatin1Char(' '));

const QString kPrzedX = QStringLiteral("               X");
const QString kPrzedXWplaty = QStringLiteral("                  X");
const QString kPrzedKwota = QStringLiteral("             ");

QString obieKopie(const QString& lewa, const QString& prawa)
{
    return lewa + kOdstepKopii + prawa;
}

QString obieKopie(const QString& kopia)
{
    return obieKopie(kopia, kopia);
}

/// Printer type and weight: "I", "A" or "L" (empty counts as "A"), bold.
struct Drukarka {
    bool igla = false;
    bool laser = false;
    bool gruby = false;
};

Drukarka drukarka(const Session& s)
{
    const QString typ = kodDrukarki(s.RodzajDrukarki);
    Drukarka d;
    d.igla = typ == QLatin1String("I");
    d.laser = typ == QLatin1String("L");
    d.gruby = czyPogrubiony(s.DrukPogrubiony);
    return d;
}

/// The values both forms print, built once.
struct Wartosci {
    QString nazwa;        // beneficiary name, 50
    QString adres;        // beneficiary address, 50
    QString konto;        // beneficiary account, 52
    QString kwota;        // amount field, 15
    QString kontoPlatnika;
    QString nazwaPlatnika;
    QString nazwa2Platnika;
    QString adresPlatnika;
    QString tytul;
    QString liniaPodatku;
    QString liniaSymbolu;
};

Wartosci wartosci(const PolaPrzelewu& p, const Session& s)
{
    const QString trzy = QStringLiteral("   ");
    Wartosci w;
    w.nazwa = dopelnij((p.wpis.nazwa1 + QLatin1Char(' ') + p.wpis.nazwa2).toUpper(), 50);
    w.adres = dopelnij(p.wpis.kod + trzy + p.wpis.adres.toUpper() + trzy + p.wpis.ulica.toUpper() + trzy
                           + p.wpis.numerDomu,
                       50);
    w.konto = dopelnij(p.wpis.konto, 52);
    w.kwota = poleKwoty(kwotaDoDruku(p));
    w.kontoPlatnika = dopelnij(s.KontoWybrane, 52);
    w.nazwaPlatnika = dopelnij(s.NazwaFirmy.toUpper(), 52);
    w.nazwa2Platnika = dopelnij(s.Nazwa2Firmy.toUpper(), 52);
    // Padded as well as cut, so the right copy starts in the same column as
    // on every other line whatever the length of the address.
    w.adresPlatnika = dopelnij(
        (s.KodFirmy + QLatin1Char(' ') + s.MiastoFirmy + QLatin1Char(' ') + s.UlicaFirmy + QLatin1Char(' ')
         + s.NumerDomuFirmy)
            .toUpper(),
        50);
    w.tytul = dopelnij(p.wpis.tytul.toUpper(), 52);

    const QString id = Rozstrzel(dopelnij(s.NipFirmy, 14));
    const QString rok = Rozstrzel(p.txtRok.toUpper());
    const QString okres = p.txtOkres.toUpper();
    const QString nrOkresu = Rozstrzel(p.txtNrOkresu);
    const QChar sp(QLatin1Char(' '));
    w.liniaPodatku = id + QStringLiteral("   ") + s.IdnFirmy + QStringLiteral("      ") + rok + sp + okres + sp
                     + nrOkresu + kOdstepKopii + id + QStringLiteral("  ") + s.IdnFirmy
                     + QStringLiteral("       ") + rok + sp + okres + sp + nrOkresu;
    w.liniaSymbolu = obieKopie(dopelnij(p.txtSymbol.toUpper(), 6) + QStringLiteral("  ") + w.tytul);
    return w;
}

QString liniaKwoty(const Wartosci& w, const QString& przedX)
{
    return obieKopie(przedX + kPrzedKwota + w.kwota);
}

QString slownie(const PolaPrzelewu& p)
{
    const std::optional<qint64> grosze = parseAmount(kwotaDoDruku(p));
    return KwotaSlownie(formatAmount(grosze.value_or(0)));
}

} // namespace

QString dopelnij(const QString& tekst, int n)
{
    return tekst.leftJustified(n, QLatin1Char(' '), true);
}

QString doPrawej(const QString& tekst, int n)
{
    return tekst.rightJustified(n, QLatin1Char(' '), false);
}

QString poleKwoty(const QString& kwota)
{
    return QLatin1Char('*') + (kwota + QString(14, QLatin1Char('*'))).left(14);
}

QString kwotaDoDruku(const PolaPrzelewu& p)
{
    // The amount the transfer pays: the gross computed from a VAT, otherwise
    // the amount field as typed.
    const bool zVat = !bezVat(p.wpis.vat) && !p.wpis.brutto.trimmed().isEmpty();
    return KropkaNaPrzecinekWszystkie((zVat ? p.wpis.brutto : p.wpis.kwota).trimmed());
}

QString liniaSpecyfikacji(const PolaPrzelewu& p, int lewy, int prawy)
{
    // "    1zł * " on the left, " ||    20zł * " on the right: the
    // denominations right-aligned, so the counts stand in one column.
    const auto nominal = [](int zl, int n) { return doPrawej(QString::number(zl) + QStringLiteral("zł * "), n); };
    const auto pole = [](const std::array<QString, 8>& pola, int zl) {
        const auto it = std::find(kNominaly.begin(), kNominaly.end(), zl);
        return it == kNominaly.end() ? QString() : pola[size_t(it - kNominaly.begin())];
    };
    const QString tekst = nominal(lewy, 10) + doPrawej(pole(p.txtSztuk, lewy), 4) + QLatin1Char('=')
                          + doPrawej(pole(p.lbKwota, lewy), 5) + QStringLiteral(" ||") + nominal(prawy, 11)
                          + doPrawej(pole(p.txtSztuk, prawy), 4) + QLatin1Char('=')
                          + doPrawej(pole(p.lbKwota, prawy), 6);
    return tekst.left(50);
}

PrintJob formularzWzorcowy(const Session& s)
{
    PolaPrzelewu p;
    p.wpis.nazwa1 = QStringLiteral("Nazwa odbiorcy");
    p.wpis.nazwa2 = QStringLiteral("wiersz drugi");
    p.wpis.kod = QStringLiteral("00-000");
    p.wpis.adres = QStringLiteral("Miejscowość");
    p.wpis.ulica = QStringLiteral("Ulica");
    p.wpis.numerDomu = QStringLiteral("1");
    p.wpis.konto = QStringLiteral("00000000000000000000000000");
    p.wpis.kwota = QStringLiteral("123,45");
    p.wpis.tytul = QStringLiteral("Tytuł przelewu");
    return formularzPrzelewu(p, s);
}

bool wplataNaInnaFirme(const PolaPrzelewu& p, const Session& s)
{
    return p.wpis.skrot != s.SkrotFirmy;
}

Formularz formularzDruku(const PolaPrzelewu& p, const Session& s)
{
    Formularz f;
    const QString kwota = kwotaDoDruku(p);
    if (kwota.isEmpty()) {
        f.wynik = WynikFormularza::BrakKwoty;
        return f;
    }
    const std::optional<qint64> grosze = parseAmount(kwota);
    if (!grosze || *grosze <= 0) {
        f.wynik = WynikFormularza::ZlaKwota;
        return f;
    }
    f.job = p.rodzajPrzelewu == 3 ? formularzWplaty(p, s) : formularzPrzelewu(p, s);
    return f;
}

namespace {

/// The upper form's first lines, the same on the transfer and the deposit
/// form: beneficiary name, address and account, then the amount line.
void gornyPoczatek(PrintJob& job, const Wartosci& w, const Drukarka& d)
{
    job.gap(4);
    job.line(obieKopie(w.nazwa));
    job.gap(10);
    job.line(obieKopie(w.adres));
    job.gap(9);
    job.line(obieKopie(w.konto));
    job.gap(d.igla || d.gruby ? 7 : 11);
    job.line(liniaKwoty(w, kPrzedX));
    job.gap(d.gruby ? 6 : 7);
    job.gap(5);
}

/// The last lines of a transfer form: the tax identification and symbol
/// lines of a tax transfer, otherwise the payer's address and the title
/// `odstep` points apart.
void adresLubPodatek(PrintJob& job, const Wartosci& w, bool podatek, int odstep)
{
    if (podatek) {
        job.line(w.liniaPodatku);
        job.gap(12);
        job.line(w.liniaSymbolu);
    } else {
        job.line(obieKopie(w.adresPlatnika));
        job.gap(odstep);
        job.line(obieKopie(w.tytul));
    }
}

} // namespace

PrintJob formularzPrzelewu(const PolaPrzelewu& p, const Session& s)
{
    const Drukarka d = drukarka(s);
    const Wartosci w = wartosci(p, s);
    const bool podatek = p.rodzajPrzelewu == 2;
    PrintJob job(d.gruby, PrintJob::Orientation::Landscape);

    // Upper form
    gornyPoczatek(job, w, d);
    job.line(obieKopie(w.kontoPlatnika));
    job.gap(10);
    job.line(obieKopie(w.nazwaPlatnika));
    job.gap(9);
    job.line(obieKopie(w.nazwa2Platnika));
    job.gap(d.igla ? 6 : 9);
    adresLubPodatek(job, w, podatek, d.igla || d.gruby ? 9 : 12);
    job.gap(10);
    if (d.gruby) {
        job.gap(7);
        job.gap(7);
    } else {
        job.gap(10);
    }
    job.gap(d.igla ? 9 : 8);

    // Lower form
    job.line(obieKopie(w.nazwa));
    job.gap(11);
    job.line(obieKopie(w.adres));
    job.gap(d.igla ? 10 : 11);
    job.line(obieKopie(w.konto));
    job.gap(d.gruby ? 6 : 10);
    job.line(liniaKwoty(w, kPrzedX));
    job.gap(4);
    job.gap(5);
    job.line(obieKopie(w.kontoPlatnika));
    if (d.laser || d.igla)
        job.gap(8);
    job.line(obieKopie(w.nazwaPlatnika));
    job.gap(d.laser ? 8 : 10);
    job.line(obieKopie(w.nazwa2Platnika));
    job.gap(d.laser ? 8 : 10);
    adresLubPodatek(job, w, podatek, d.laser || d.gruby ? 8 : 10);
    job.endPage();
    return job;
}

PrintJob formularzWplaty(const PolaPrzelewu& p, const Session& s)
{
    const Drukarka d = drukarka(s);
    const Wartosci w = wartosci(p, s);
    const QString slowa = slownie(p);
    PrintJob job(d.gruby, PrintJob::Orientation::Landscape);

    // Upper form: the deposit slip in both copies. The payer account is not
    // printed; the amount in words (small type) takes its place.
    gornyPoczatek(job, w, d);
    job.line(obieKopie(slowa), 8);
    job.gap(4);
    job.gap(10);
    job.line(obieKopie(w.nazwaPlatnika));
    job.gap(9);
    job.line(obieKopie(w.nazwa2Platnika));
    job.gap(d.igla ? 6 : 9);
    job.line(obieKopie(w.adresPlatnika));
    job.gap(d.igla || d.gruby ? 9 : 12);
    job.line(obieKopie(w.tytul));
    for (int i = 0; i < 4; ++i)
        job.gap(12);
    job.line(QStringLiteral(" ---------------------------------------------------------+---- Specyfikacja banknotów "
                            "--------------------"));
    job.gap(12);

    // Lower form: the slip on the left, the banknote list on the right. The
    // list's four lines start in one column: each left copy is filled with
    // blanks to the longest of the four before the 58 blanks.
    const QString lewe[] = {w.nazwa, w.adres, w.konto, kPrzedXWplaty + kPrzedKwota + w.kwota};
    qsizetype szerokosc = 0;
    for (const QString& l : lewe)
        szerokosc = std::max(szerokosc, l.size());
    const auto wLiniiListy = [&](int i, int lewy, int prawy) {
        return obieKopie(lewe[i].leftJustified(szerokosc), liniaSpecyfikacji(p, lewy, prawy));
    };
    job.line(wLiniiListy(0, 1, 20));
    job.gap(11);
    job.line(wLiniiListy(1, 2, 50));
    job.gap(d.igla ? 10 : 11);
    job.line(wLiniiListy(2, 5, 100));
    job.gap(d.gruby ? 6 : 10);
    job.line(wLiniiListy(3, 10, 200));
    job.gap(4);
    job.line(obieKopie(slowa, QStringLiteral(" =========================================================================")), 8);
    job.gap(5);
    job.gap(4);
    if (d.laser || d.igla)
        job.gap(8);
    job.line(obieKopie(w.nazwaPlatnika, QStringLiteral("Razem :     szt= ") + p.lbRazemSzt + QStringLiteral("     Ogólem = ")
                                              + p.lbRazemKwotaWplaty + QStringLiteral(" złotych")));
    job.gap(d.laser ? 8 : 10);
    job.line(obieKopie(w.nazwa2Platnika, QStringLiteral("     ")));
    job.gap(d.laser ? 8 : 10);
    job.line(obieKopie(w.adresPlatnika, QStringLiteral("    ")));
    job.gap(d.laser || d.gruby ? 8 : 10);
    job.line(obieKopie(w.tytul, QStringLiteral("   ")));
    job.endPage();
    return job;
}

std::optional<QString> pytanieOBanknoty(const PolaPrzelewu& p)
{
    if (std::all_of(p.txtSztuk.begin(), p.txtSztuk.end(), [](const QString& t) { return t.trimmed().isEmpty(); }))
        return std::nullopt;
    const qint64 razem = specyfikacjaBanknotow(p.txtSztuk).razem;
    const std::optional<qint64> kwota = parseAmount(kwotaDoDruku(p));
    if (kwota && *kwota == razem)
        return std::nullopt;
    return QStringLiteral("Banknoty razem %1 zł, a kwota wpłaty %2 zł - kwoty się różnią. Czy mimo to drukować wpłatę?")
        .arg(formatAmount(razem), kwota ? formatAmount(*kwota) : kwotaDoDruku(p));
}

} // namespace remitto
