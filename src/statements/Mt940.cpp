#include "statements/Mt940.h"

#include "core/Amount.h"
#include "core/TextFile.h"

#include <QDate>
#include <QFile>

#include <optional>

namespace remitto {

namespace {

QString tylkoCyfry(QStringView t)
{
    QString w;
    w.reserve(t.size());
    for (QChar c : t)
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            w += c;
    return w;
}

bool cyfry(QStringView t)
{
    for (QChar c : t)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return !t.isEmpty();
}

/// An MT940 amount: digits, a decimal comma, at most two decimals ("1234,5",
/// "1234,").
std::optional<qint64> kwotaMt940(QStringView t)
{
    const qsizetype przecinek = t.indexOf(QLatin1Char(','));
    if (przecinek <= 0 || t.size() - przecinek - 1 > 2 || !cyfry(t.left(przecinek))
        || (t.size() > przecinek + 1 && !cyfry(t.mid(przecinek + 1))))
        return std::nullopt;
    QString pelna = t.toString();
    while (pelna.size() - przecinek - 1 < 2)
        pelna += QLatin1Char('0');
    return parseAmount(pelna);
}

/// yyyymmdd of an entry date "mmdd" next to its value date: the year of the
/// value date, one more or one less when the two lie across a new year.
int kluczKsiegowania(int kluczWaluty, QStringView mmdd)
{
    int rok = kluczWaluty / 10000;
    const int mWaluty = kluczWaluty / 100 % 100;
    const int m = mmdd.left(2).toInt();
    const int d = mmdd.mid(2, 2).toInt();
    if (m - mWaluty > 6)
        --rok;
    else if (mWaluty - m > 6)
        ++rok;
    if (!QDate(rok, m, d).isValid())
        return 0;
    return rok * 10000 + m * 100 + d;
}

struct Saldo {
    int klucz = 0;
    qint64 kwota = 0;
    QString waluta;
};

std::optional<Saldo> saldo(QStringView t)
{
    // C or D, yymmdd, currency, amount
    if (t.size() < 1 + 6 + 3 + 2)
        return std::nullopt;
    const QChar znak = t[0];
    if (znak != QLatin1Char('C') && znak != QLatin1Char('D'))
        return std::nullopt;
    Saldo s;
    s.klucz = kluczDatyMt940(t.mid(1, 6));
    s.waluta = t.mid(7, 3).toString();
    const auto k = kwotaMt940(t.mid(10).trimmed());
    if (s.klucz == 0 || !k)
        return std::nullopt;
    s.kwota = znak == QLatin1Char('D') ? -*k : *k;
    return s;
}

bool czytajOperacje(QStringView t, OperacjaWyciagu* op)
{
    if (t.size() < 6)
        return false;
    op->kluczWaluty = kluczDatyMt940(t.left(6));
    if (op->kluczWaluty == 0)
        return false;
    qsizetype i = 6;
    op->kluczKsiegowania = op->kluczWaluty;
    if (t.size() >= i + 4 && cyfry(t.mid(i, 4))) {
        op->kluczKsiegowania = kluczKsiegowania(op->kluczWaluty, t.mid(i, 4));
        if (op->kluczKsiegowania == 0)
            return false;
        i += 4;
    }
    if (t.mid(i).startsWith(u"RC") || t.mid(i).startsWith(u"RD")) {
        op->znak = t.mid(i, 2).toString();
        i += 2;
    } else if (t.mid(i).startsWith(u'C') || t.mid(i).startsWith(u'D')) {
        op->znak = t.mid(i, 1).toString();
        i += 1;
    } else {
        return false;
    }
    op->obciazenie = op->znak == QLatin1String("D") || op->znak == QLatin1String("RC");
    if (i < t.size() && t[i].isLetter())
        ++i;  // funds code: the third letter of the currency
    qsizetype k = i;
    while (k < t.size() && (t[k].isDigit() || t[k] == QLatin1Char(',')))
        ++k;
    const auto kwota = kwotaMt940(t.mid(i, k - i));
    if (!kwota)
        return false;
    op->kwota = *kwota;
    // Transaction type: N, F or S and three characters.
    if (t.size() < k + 4)
        return false;
    op->typTransakcji = t.mid(k, 4).toString();
    const QStringView reszta = t.mid(k + 4);
    const qsizetype ukosniki = reszta.indexOf(u"//");
    if (ukosniki < 0) {
        op->referencja = reszta.trimmed().toString();
    } else {
        op->referencja = reszta.left(ukosniki).trimmed().toString();
        op->referencjaBanku = reszta.mid(ukosniki + 2).trimmed().toString();
    }
    return true;
}

bool znakPodpola(QStringView t, qsizetype i)
{
    return (t[i] == QLatin1Char('~') || t[i] == QLatin1Char('^')) && i + 2 < t.size() + 0
           && t[i + 1].isDigit() && t[i + 2].isDigit();
}

void czytajSzczegoly(const QString& tekst, OperacjaWyciagu* op)
{
    op->szczegoly = tekst;
    const QStringView t(tekst);
    qsizetype i = 0;
    while (i < t.size() && !znakPodpola(t, i))
        ++i;
    if (i == t.size()) {  // no subfields: the whole text is the title
        op->tytul = tekst.trimmed();
        return;
    }
    op->kodOperacji = t.left(i).trimmed().toString();
    QString tytul, dalszyTytul, nazwa, dalszaNazwa;
    while (i < t.size()) {
        const int numer = t.mid(i + 1, 2).toInt();
        qsizetype k = i + 3;
        while (k < t.size() && !znakPodpola(t, k))
            ++k;
        const QStringView w = t.mid(i + 3, k - i - 3);
        if (numer == 0)
            op->opis += w;
        else if (numer >= 20 && numer <= 25)
            tytul += w;
        else if (numer >= 27 && numer <= 29)
            nazwa += w;
        else if (numer == 30)
            op->rozliczeniowy += w;
        else if (numer == 31)
            op->rachunek += w;
        else if (numer == 32 || numer == 33)
            dalszaNazwa += w;
        else if (numer == 38)
            op->iban += w;
        else if (numer >= 60 && numer <= 63)
            dalszyTytul += w;
        i = k;
    }
    op->tytul = (tytul + dalszyTytul).trimmed();
    op->nazwa = (nazwa + dalszaNazwa).trimmed();
    op->opis = op->opis.trimmed();
}

/// A tag ":20:", ":28C:", ":NS:" at the start of a line: its name, else empty.
QString znacznik(QStringView linia)
{
    if (linia.size() < 4 || linia[0] != QLatin1Char(':'))
        return {};
    const qsizetype koniec = linia.indexOf(QLatin1Char(':'), 1);
    if (koniec < 3 || koniec > 4)
        return {};
    const QStringView nazwa = linia.mid(1, koniec - 1);
    for (QChar c : nazwa)
        if (!c.isDigit() && !(c >= QLatin1Char('A') && c <= QLatin1Char('Z')))
            return {};
    return nazwa.toString();
}

/// Lines that stand around statements: empty lines, "-" and "-}" ends,
/// header blocks "{1:...}" and the control characters some banks frame a
/// file with.
bool liniaObramowania(QStringView linia)
{
    const QStringView t = linia.trimmed();
    if (t.isEmpty() || t == u"-" || t == u"-}" || t.startsWith(QLatin1Char('{')))
        return true;
    for (QChar c : t)
        if (c.unicode() >= 0x20)
            return false;
    return true;
}

struct Pole {
    QString tag;
    int linia = 0;
    QString tekst;       ///< the tag's line after the tag
    QStringList dalsze;  ///< its continuation lines
};

} // namespace

int kluczDatyMt940(QStringView t)
{
    if (t.size() != 6 || !cyfry(t))
        return 0;
    const int rr = t.left(2).toInt();
    const int rok = rr < 70 ? 2000 + rr : 1900 + rr;
    const int m = t.mid(2, 2).toInt();
    const int d = t.mid(4, 2).toInt();
    if (!QDate(rok, m, d).isValid())
        return 0;
    return rok * 10000 + m * 100 + d;
}

/// The 26 digits of a Polish account given as its 24 digits after the check
/// digits (sort code and account number): the check digits put in front.
static QString zCyframiKontrolnymi(const QString& bban)
{
    int reszta = 0;
    for (QChar c : bban + QStringLiteral("252100"))
        reszta = (reszta * 10 + c.digitValue()) % 97;
    return QStringLiteral("%1").arg(98 - reszta, 2, 10, QLatin1Char('0')) + bban;
}

QString OperacjaWyciagu::kontoCyfry() const
{
    QString c = tylkoCyfry(iban);
    if (c.isEmpty()) {
        // ~31 alone may hold the whole number; otherwise ~30 is the sort code
        // and ~31 the account number, without the check digits.
        c = tylkoCyfry(rachunek);
        if (c.size() < 24)
            c = tylkoCyfry(rozliczeniowy) + c;
        if (c.size() == 24)
            c = zCyframiKontrolnymi(c);
    }
    if (c.size() > 26)
        c = c.right(26);
    return c;
}

QString Wyciag::rachunekCyfry() const
{
    QString c = tylkoCyfry(rachunek);
    if (c.size() > 26)
        c = c.right(26);
    return c;
}

QString Wyciag::klucz() const
{
    // The opening date too: some banks start their numbers again every year
    // and keep one reference for every statement.
    return rachunekCyfry() + QLatin1Char('/') + referencja + QLatin1Char('/') + numer + QLatin1Char('/')
           + QString::number(kluczOtwarcia);
}

OdczytMt940 czytajMt940(const QString& sciezka)
{
    QFile f(sciezka);
    if (!f.open(QIODevice::ReadOnly)) {
        OdczytMt940 w;
        w.blad = QStringLiteral("Nie można odczytać pliku wyciągu %1: %2").arg(sciezka, f.errorString());
        return w;
    }
    return czytajMt940(f.readAll(), sciezka);
}

OdczytMt940 czytajMt940(const QByteArray& bajty, const QString& sciezka)
{
    OdczytMt940 wynik;
    auto blad = [&](int linia, const QString& co) {
        wynik.ok = false;
        wynik.wyciagi.clear();
        wynik.blad = QStringLiteral("Plik wyciągu %1, wiersz %2: %3").arg(sciezka).arg(linia).arg(co);
        return wynik;
    };

    const QString tekst = decodeText(bajty);
    // Fields: a tag line and the lines that continue it.
    std::vector<Pole> pola;
    int nrLinii = 0;
    bool otwartePole = false;
    for (qsizetype poczatek = 0; poczatek < tekst.size();) {
        qsizetype koniec = tekst.indexOf(QLatin1Char('\n'), poczatek);
        if (koniec < 0)
            koniec = tekst.size();
        QStringView linia = QStringView(tekst).mid(poczatek, koniec - poczatek);
        if (linia.endsWith(QLatin1Char('\r')))
            linia.chop(1);
        poczatek = koniec + 1;
        ++nrLinii;

        const QString tag = znacznik(linia);
        if (!tag.isEmpty()) {
            pola.push_back({tag, nrLinii, linia.mid(tag.size() + 2).toString(), {}});
            otwartePole = true;
        } else if (liniaObramowania(linia)) {
            otwartePole = false;
        } else if (otwartePole) {
            pola.back().dalsze << linia.toString();
        } else {
            return blad(nrLinii, QStringLiteral("to nie jest wyciąg w formacie MT940 (wiersz bez znacznika)."));
        }
    }

    Wyciag* wyciag = nullptr;
    bool poOtwarciu = false, poZamknieciu = false;
    qint64 obroty = 0;
    OperacjaWyciagu* ostatnia = nullptr;  // the :61: a :86: may describe
    for (const Pole& p : pola) {
        const QString& tag = p.tag;
        if (tag == QLatin1String("20")) {
            if (wyciag && !poZamknieciu)
                return blad(p.linia, QStringLiteral("poprzedni wyciąg nie ma salda końcowego (:62F:)."));
            wynik.wyciagi.emplace_back();
            wyciag = &wynik.wyciagi.back();
            wyciag->plik = sciezka;
            wyciag->linia = p.linia;
            wyciag->referencja = p.tekst.trimmed();
            poOtwarciu = poZamknieciu = false;
            obroty = 0;
            ostatnia = nullptr;
            continue;
        }
        if (!wyciag)
            return blad(p.linia, QStringLiteral("znacznik :%1: przed początkiem wyciągu (:20:).").arg(tag));
        if (poZamknieciu && tag != QLatin1String("64") && tag != QLatin1String("65")
            && tag != QLatin1String("86"))
            return blad(p.linia, QStringLiteral("znacznik :%1: po saldzie końcowym wyciągu.").arg(tag));
        if (tag == QLatin1String("25")) {
            wyciag->rachunek = p.tekst.trimmed();
        } else if (tag == QLatin1String("28C") || tag == QLatin1String("28")) {
            wyciag->numer = p.tekst.trimmed();
        } else if (tag == QLatin1String("60F") || tag == QLatin1String("60M")) {
            const auto s = saldo(p.tekst.trimmed());
            if (!s)
                return blad(p.linia, QStringLiteral("błędne saldo początkowe: \"%1\".").arg(p.tekst));
            if (poOtwarciu)
                return blad(p.linia, QStringLiteral("drugie saldo początkowe w jednym wyciągu."));
            wyciag->kluczOtwarcia = s->klucz;
            wyciag->saldoOtwarcia = s->kwota;
            wyciag->waluta = s->waluta;
            poOtwarciu = true;
        } else if (tag == QLatin1String("61")) {
            if (!poOtwarciu)
                return blad(p.linia, QStringLiteral("operacja przed saldem początkowym (:60F:)."));
            OperacjaWyciagu op;
            op.linia = p.linia;
            if (!czytajOperacje(p.tekst.trimmed(), &op))
                return blad(p.linia, QStringLiteral("błędny zapis operacji: \"%1\".").arg(p.tekst));
            op.dodatkowe = p.dalsze.join(QLatin1Char(' ')).trimmed();
            obroty += op.obciazenie ? -op.kwota : op.kwota;
            wyciag->operacje.push_back(std::move(op));
            ostatnia = &wyciag->operacje.back();
            continue;
        } else if (tag == QLatin1String("86")) {
            if (ostatnia)
                czytajSzczegoly(p.tekst + p.dalsze.join(QString()), ostatnia);
        } else if (tag == QLatin1String("62F") || tag == QLatin1String("62M")) {
            const auto s = saldo(p.tekst.trimmed());
            if (!s)
                return blad(p.linia, QStringLiteral("błędne saldo końcowe: \"%1\".").arg(p.tekst));
            if (!poOtwarciu)
                return blad(p.linia, QStringLiteral("saldo końcowe bez salda początkowego (:60F:)."));
            wyciag->kluczZamkniecia = s->klucz;
            wyciag->saldoZamkniecia = s->kwota;
            poZamknieciu = true;
            if (wyciag->saldoOtwarcia + obroty != s->kwota)
                return blad(p.linia, QStringLiteral("saldo końcowe %1 nie zgadza się z saldem początkowym %2 "
                                                     "i operacjami wyciągu (%3): plik jest uszkodzony.")
                                         .arg(formatAmount(s->kwota), formatAmount(wyciag->saldoOtwarcia),
                                              formatAmount(wyciag->saldoOtwarcia + obroty)));
        } else if (tag == QLatin1String("64") || tag == QLatin1String("65") || tag == QLatin1String("13")
                   || tag == QLatin1String("13D") || tag == QLatin1String("21") || tag == QLatin1String("34F")
                   || tag == QLatin1String("90D") || tag == QLatin1String("90C") || tag == QLatin1String("NS")) {
            // information the reconciliation does not use
        } else {
            return blad(p.linia, QStringLiteral("nieznany znacznik :%1:.").arg(tag));
        }
        ostatnia = nullptr;
    }
    if (!wyciag)
        return blad(qMax(nrLinii, 1), QStringLiteral("plik nie zawiera wyciągu w formacie MT940 (brak znacznika :20:)."));
    if (!poZamknieciu)
        return blad(qMax(nrLinii, 1), QStringLiteral("wyciąg urwany: brak salda końcowego (:62F:)."));
    wynik.ok = true;
    return wynik;
}

} // namespace remitto

namespace remitto {

namespace {

QString yymmdd(int klucz)
{
    return QStringLiteral("%1").arg(klucz % 1000000, 6, 10, QLatin1Char('0'));
}

QString kwotaZapisu(qint64 grosze)
{
    return formatAmount(grosze < 0 ? -grosze : grosze);
}

QString saldoZapisu(const QString& tag, int klucz, const QString& waluta, qint64 saldo)
{
    return QLatin1Char(':') + tag + QLatin1Char(':') + (saldo < 0 ? u'D' : u'C') + yymmdd(klucz)
           + (waluta.isEmpty() ? QStringLiteral("PLN") : waluta) + kwotaZapisu(saldo);
}

/// Subfields `pierwszy`, `pierwszy + 1`... of at most 27 characters each, up to `ostatni`.
QString podpola(const QString& tekst, int pierwszy, int ostatni)
{
    QString w;
    for (int nr = pierwszy, i = 0; nr <= ostatni && i < tekst.size(); ++nr, i += 27)
        w += QStringLiteral("~%1").arg(nr, 2, 10, QLatin1Char('0')) + tekst.mid(i, 27);
    return w;
}

} // namespace

QByteArray zapisMt940(const std::vector<Wyciag>& wyciagi)
{
    QString t;
    const QString crlf = QStringLiteral("\r\n");
    for (const Wyciag& w : wyciagi) {
        t += QStringLiteral(":20:") + w.referencja + crlf;
        t += QStringLiteral(":25:") + w.rachunek + crlf;
        t += QStringLiteral(":28C:") + w.numer + crlf;
        t += saldoZapisu(QStringLiteral("60F"), w.kluczOtwarcia, w.waluta, w.saldoOtwarcia) + crlf;
        qint64 saldo = w.saldoOtwarcia;
        for (const OperacjaWyciagu& op : w.operacje) {
            const QString znak = op.znak.isEmpty() ? (op.obciazenie ? QStringLiteral("D") : QStringLiteral("C")) : op.znak;
            saldo += op.obciazenie ? -op.kwota : op.kwota;
            t += QStringLiteral(":61:") + yymmdd(op.kluczWaluty)
                 + QStringLiteral("%1").arg(op.kluczKsiegowania % 10000, 4, 10, QLatin1Char('0')) + znak
                 + kwotaZapisu(op.kwota) + (op.typTransakcji.isEmpty() ? QStringLiteral("NTRF") : op.typTransakcji)
                 + (op.referencja.isEmpty() ? QStringLiteral("NONREF") : op.referencja)
                 + (op.referencjaBanku.isEmpty() ? QString() : QStringLiteral("//") + op.referencjaBanku) + crlf;
            QString d = (op.kodOperacji.isEmpty() ? QStringLiteral("020") : op.kodOperacji) + QStringLiteral("~00")
                        + op.opis + podpola(op.tytul, 20, 25) + podpola(op.nazwa, 32, 33);
            if (!op.iban.isEmpty())
                d += QStringLiteral("~38") + op.iban;
            d = QStringLiteral(":86:") + d;
            for (qsizetype i = 0; i < d.size(); i += 65)
                t += d.mid(i, 65) + crlf;
        }
        t += saldoZapisu(QStringLiteral("62F"), w.kluczZamkniecia, w.waluta, saldo) + crlf;
        t += QStringLiteral("-") + crlf;
    }
    return toCp1250(t);
}

} // namespace remitto
