#include "invoices/PlatnoscFaktury.h"

#include "core/Amount.h"
#include "shop/ListaFaktur.h"
#include "transfers/NumeracjaPaczek.h"
#include "transfers/PlikPaczki.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace remitto {

namespace {

QString komorka(const QStringList& wiersz, int k)
{
    return wiersz.value(k);
}

} // namespace

// ---- Paying one invoice row --------------------------------------------------

WierszDoZaplaty sprawdzWierszDoZaplaty(const QStringList& wiersz)
{
    WierszDoZaplaty w;
    const qsizetype konto = komorka(wiersz, kol::Konto).size();
    if (konto > 33 || konto < 26) {
        w.stan = WierszDoZaplaty::Stan::ZleKonto;
        return w;
    }
    const std::optional<qint64> brutto = parseAmount(komorka(wiersz, kol::Brutto).trimmed());
    const std::optional<qint64> reszta = parseAmount(komorka(wiersz, kol::DoSplaty).trimmed());
    if (!brutto || !reszta) {
        w.stan = WierszDoZaplaty::Stan::ZlaKwota;
        return w;
    }
    w.brutto = *brutto;
    w.doSplaty = *reszta;
    if (w.doSplaty <= 0) {
        w.stan = WierszDoZaplaty::Stan::Splacona;
        return w;
    }
    // The rest is what a payment offers: for an invoice not yet paid that is
    // the gross, after a part payment what is left of it.
    w.domyslnaKwota = formatAmount(w.doSplaty);
    w.stan = WierszDoZaplaty::Stan::Ok;
    return w;
}

KwotaPlatnosci sprawdzKwotePlatnosci(const QString& tekst, qint64 doSplaty, qint64* grosze)
{
    const std::optional<qint64> k = parseAmount(tekst.trimmed());
    if (!k)
        return KwotaPlatnosci::Nieczytelna;
    if (*k <= 0)
        return KwotaPlatnosci::NieDodatnia;
    if (*k > doSplaty)
        return KwotaPlatnosci::PonadReszte;
    if (grosze)
        *grosze = *k;
    return KwotaPlatnosci::Ok;
}

QStringList zaplaconyWiersz(const QStringList& wiersz, qint64 kwota, const QString& dataDzis, const QString& nn,
                            int nrPrzelewu)
{
    QStringList w = wiersz;
    while (w.size() < kol::Liczba)
        w.append(QString());
    const qint64 brutto = parseAmount(w[kol::Brutto].trimmed()).value_or(0);
    const qint64 reszta = parseAmount(w[kol::DoSplaty].trimmed()).value_or(0);
    w[kol::Splacono] = formatAmount(kwota);
    w[kol::DataSplaty] = dataDzis;
    if (kwota != brutto) {
        w[kol::Stan] = kStanSplCz;
        w[kol::DoSplaty] = formatAmount(qMax<qint64>(reszta - kwota, 0));
    } else {
        w[kol::Stan] = kStanSplacono;
        w[kol::DoSplaty] = formatAmount(0);
    }
    w[kol::NrPaczki] = nn;
    w[kol::NrPrzelewu] = QString::number(nrPrzelewu);
    return w;
}

QStringList wierszListyPrzelewow(const Przelew& p, int nrWiersza)
{
    QStringList w = p.wierszSiatki(nrWiersza);
    // Net, gross, paid and rest (record values 4, 6, 9, 10).
    for (int k = 1; k < w.size(); ++k) {
        const int v = wartoscKolumnyPaczki(k);
        if (v == 4 || v == 6 || v == 9 || v == 10)
            w[k] = kwotaNaEkran(w[k]);
    }
    return w;
}

Przelew przelewZFaktury(const QStringList& wiersz, const QString& nn, int nrPrzelewu)
{
    const auto g = [&](int k) { return komorka(wiersz, k); };
    Przelew p;
    p.nazwaKontrahenta = g(kol::Nazwa);
    p.imieKontrahenta = g(kol::Imie);
    p.konto = g(kol::Konto);
    p.kwotaN = g(kol::Netto);
    p.vat = g(kol::Vat);
    p.kwotaB = g(kol::Brutto);
    p.tytulem = g(kol::Tytulem).left(105);
    p.dataZakup = dataRekordu(g(kol::DataZakupu));
    p.splacono = g(kol::Splacono);
    p.kwDoSplaty = liczbaRekordu(parseAmount(g(kol::DoSplaty).trimmed()).value_or(0));
    p.terminSpla = dataRekordu(g(kol::Termin));
    p.dataSplaty = dataRekordu(g(kol::DataSplaty));
    p.oznPrz = g(kol::Stan);
    p.ulica = g(kol::Ulica);
    p.nrDomu = g(kol::NrDomu);
    p.adres = g(kol::Adres);
    p.kod = g(kol::Kod);
    p.skrot = g(kol::Skrot);
    p.bank = g(kol::Bank);
    p.nrKolFakt = g(kol::Plik);
    p.nrPaczk = nn;
    p.nrPrzel = QString::number(nrPrzelewu);
    p.nip = g(kol::Nip);
    p.status = kOtwarta;
    p.typZlec = QStringLiteral("110");
    p.typDok = QStringLiteral("51");
    return p;
}

QStringList otwartePaczkiFaktury(const QString& folder, const QString& plik, const QDate& dzis)
{
    QStringList paczki;
    if (plik.trimmed().isEmpty())
        return paczki;
    const QDir katalog(folderPaczek(folder));
    const QStringList nazwy = katalog.entryList({QStringLiteral("Paczka*.dta")}, QDir::Files, QDir::Name);
    for (const QString& nazwa : nazwy) {
        int rok = 0, miesiac = 0, nr = 0;
        if (!rozpoznajNazwePaczki(nazwa, &rok, &miesiac, &nr) || rok < dzis.year() - 1)
            continue;
        const QString sciezka = katalog.filePath(nazwa);
        const OdczytPaczki p = czytajPaczke(sciezka);
        const bool placi = std::any_of(p.rekordy.begin(), p.rekordy.end(), [&](const Przelew& r) {
            return r.status.trimmed() != kZamknieta
                && r.nrKolFakt.trimmed().compare(plik.trimmed(), Qt::CaseInsensitive) == 0;
        });
        if (placi)
            paczki.append(sciezka);
    }
    return paczki;
}

qint64 sumaListy(const QList<Przelew>& przelewy)
{
    qint64 s = 0;
    for (const Przelew& p : przelewy)
        s += parseAmount(p.splacono.trimmed()).value_or(0);
    return s;
}

// ---- The package of the list -----------------------------------------------

QString NumerPaczkiListy::nn() const
{
    return nrPaczkiTekst(nr);
}

NumerPaczkiListy numerPaczkiListy(const QString& folder, const QDate& dzis)
{
    NumerPaczkiListy n;
    n.sciezkaNumeracji = sciezkaNumeracji(folder, dzis.year());
    const OdczytNumeracji num = czytajNumeracje(n.sciezkaNumeracji);
    if (!num.ok && !num.brak) {
        n.stan = NumerPaczkiListy::Stan::ZlaNumeracja;
        n.blad = num.blad;
        return n;
    }
    const NumeracjaMiesiaca m = num.brak ? NumeracjaMiesiaca{} : num.miesiace.value(dzis.month() - 1);
    if (m.poczatPaczk == 0) {
        n.nr = 1;
        n.nowa = true;
    } else if (m.poczatPaczk == 1) {
        n.nr = m.koniecPacz + 1;
    } else {
        n.stan = NumerPaczkiListy::Stan::ZlyStan;
        n.blad = QStringLiteral("Nie można ustalić numeru paczki: w pliku numeracji %1 miesiąc %2 ma PoczatPaczk = "
                                "%3 (powinno być 0 lub 1). Popraw numerację paczek w oknie numeracji.")
                     .arg(QDir::toNativeSeparators(n.sciezkaNumeracji))
                     .arg(dzis.month(), 2, 10, QLatin1Char('0'))
                     .arg(m.poczatPaczk);
        return n;
    }
    if (n.nr > kMaxNrPaczki) {
        n.stan = NumerPaczkiListy::Stan::Limit;
        n.blad = QStringLiteral("Miesiąc %1 ma już paczkę nr %2 - nie można założyć następnej paczki.")
                     .arg(dzis.toString(QStringLiteral("MM-yyyy")))
                     .arg(kMaxNrPaczki);
        return n;
    }
    n.sciezkaPaczki = sciezkaPaczki(folder, dzis.year(), dzis.month(), n.nr);
    if (QFileInfo::exists(n.sciezkaPaczki)) {
        n.stan = NumerPaczkiListy::Stan::PlikIstnieje;
        n.blad = QStringLiteral(" Ten numer paczki ") + n.sciezkaPaczki + QStringLiteral(" juz istnieje w systemie ");
        return n;
    }
    n.stan = NumerPaczkiListy::Stan::Ok;
    return n;
}

ZapisListy zapiszListeJakoPaczke(const QString& folder, const QDate& dzis, const QList<Przelew>& lista)
{
    ZapisListy z;
    if (lista.isEmpty()) {
        z.stan = ZapisListy::Stan::Pusta;
        return z;
    }
    z.numer = numerPaczkiListy(folder, dzis);
    if (!z.numer.ok()) {
        z.stan = ZapisListy::Stan::Odmowa;
        z.blad = z.numer.blad;
        return z;
    }
    z.rekordy = lista;
    for (int i = 0; i < z.rekordy.size(); ++i) {
        Przelew& r = z.rekordy[i];
        r.nrPaczk = z.numer.nn();
        r.nrPrzel = QString::number(i + 1);
        r.status = kOtwarta;
        r.typZlec = QStringLiteral("110");
        r.typDok = QStringLiteral("51");
    }
    if (!utworzFolderyPaczek(folder, &z.blad) || !zapiszPaczke(z.numer.sciezkaPaczki, z.rekordy, &z.blad)) {
        z.stan = ZapisListy::Stan::BladZapisu;
        return z;
    }

    // The package stands; the numbering file records it.
    OdczytNumeracji num = czytajNumeracje(z.numer.sciezkaNumeracji);
    if (num.brak) {
        num.miesiace = nowaNumeracja();
        num.ok = true;
    }
    if (!num.ok) {
        z.stan = ZapisListy::Stan::BladNumeracji;
        z.blad = num.blad;
        return z;
    }
    NumeracjaMiesiaca& m = num.miesiace[dzis.month() - 1];
    m.poczatPaczk = 1;
    m.koniecPacz = z.numer.nr;
    m.koniecPrzel += static_cast<int>(z.rekordy.size());
    if (!zapiszNumeracje(z.numer.sciezkaNumeracji, num.miesiace, &z.blad)) {
        z.stan = ZapisListy::Stan::BladNumeracji;
        return z;
    }
    z.stan = ZapisListy::Stan::Zapisano;
    return z;
}

} // namespace remitto
