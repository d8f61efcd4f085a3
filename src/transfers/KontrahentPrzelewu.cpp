#include "transfers/KontrahentPrzelewu.h"

#include "contractors/KontrahenciOperacje.h"
#include "core/Amount.h"
#include "core/QuoteFormat.h"
#include "core/TextFile.h"
#include "core/modZmiene.h"
#include "transfers/KwotaPrzelewu.h"

namespace remitto {

using namespace kontrahenci;

WpisPrzelewu poPrzekazaniu(WpisPrzelewu w, const KontrahentDoPrzelewu& d)
{
    w.nazwa1 = d.txtNazwa1K;
    w.nazwa2 = d.txtNazwa2K;
    w.skrot = d.txtSkrotK;
    w.kod = d.txtKODK;
    w.adres = d.txtAdresK;
    w.ulica = d.txtUlicaK;
    w.numerDomu = d.txtNumerDomuK;
    w.nrLok = d.txtNrLok;
    w.bank = d.txtBankK;
    w.konto = d.txtKontoK;
    w.tytul = d.txtTytulem1;
    w.kwota = d.txtKwotaK;
    w.kodIden = d.txtKodIden;
    w.nip = d.txtNIPK;
    w.nrKol = d.txtNrKol;
    w.vat = d.txtVat.value_or(QString());
    w.telefon = d.txtTelefon.value_or(QString());
    w.mail = d.txtMail.value_or(QString());
    w.poczta = d.txtPoczta.value_or(QString());
    w.rodzajPlatnika = d.txtRodzKl.value_or(QString());
    // The gross amount belongs to this net amount and VAT, never to the
    // previous transfer.
    const Brutto b = bruttoZVat(w.kwota, w.vat);
    w.brutto = b.ok ? b.brutto : d.txtKwotaBrutto.value_or(QString());
    return w;
}

KontrahentDoPrzelewu doPrzelewuZeSkrotu(const Kontrahent& k)
{
    return doPrzelewuZListy(k);
}

WynikSzukania znajdzPoSkrocie(const QString& sciezka, const QString& skrot)
{
    WynikSzukania w;
    const OdczytKontrahentow o = czytajKontrahentow(sciezka);
    if (!o.ok && !o.brak && !o.uszkodzony) {
        w.blad = o.blad;
        return w;
    }
    w.ok = true;
    if (skrot.isEmpty())
        return w;
    qsizetype i = indeksPoSkrocie(o.lista, skrot);
    for (qsizetype j = 0; i < 0 && j < o.lista.size(); ++j)
        if (o.lista[j][SkrotK].compare(skrot, Qt::CaseInsensitive) == 0)
            i = j;
    if (i >= 0)
        w.kontrahent = o.lista[i];
    return w;
}

Kontrahent zapisanyZWpisu(Kontrahent k, const WpisPrzelewu& w, const WpisPrzelewu* przekazany)
{
    // A box the user left as the hand-over filled it keeps the stored value.
    const auto zapisz = [&](Pole wartosc, QString WpisPrzelewu::*pole, const QString& tekst) {
        if (!przekazany || w.*pole != przekazany->*pole)
            k[wartosc] = ZamienCudzyslow(tekst);
    };
    zapisz(NazwaKontrahenta, &WpisPrzelewu::nazwa1, w.nazwa1);
    zapisz(ImieKontrahenta, &WpisPrzelewu::nazwa2, w.nazwa2);
    zapisz(Miejscowosc, &WpisPrzelewu::adres, w.adres);
    zapisz(Ulica, &WpisPrzelewu::ulica, w.ulica);
    zapisz(Telefon, &WpisPrzelewu::telefon, w.telefon);
    zapisz(Kod, &WpisPrzelewu::kod, w.kod);
    zapisz(NipKontr, &WpisPrzelewu::nip, w.nip);
    zapisz(Poczta, &WpisPrzelewu::poczta, w.poczta);
    zapisz(NrDomu, &WpisPrzelewu::numerDomu, w.numerDomu);
    zapisz(NrRachunku1K, &WpisPrzelewu::konto, w.konto);
    zapisz(SkrotK, &WpisPrzelewu::skrot, w.skrot.toUpper());
    zapisz(KodIden, &WpisPrzelewu::kodIden, w.kodIden);
    zapisz(BankK, &WpisPrzelewu::bank, w.bank);
    zapisz(OstVatK, &WpisPrzelewu::vat, w.vat);
    zapisz(MailK, &WpisPrzelewu::mail, w.mail);
    zapisz(OstKwotaK, &WpisPrzelewu::kwota, KropkaNaPrzecinekWszystkie(w.kwota));
    zapisz(NrLokaluK, &WpisPrzelewu::nrLok, w.nrLok);

    if (przekazany && w.tytul == przekazany->tytul && w.kodIden == przekazany->kodIden)
        return k;
    QString tytul = ZamienCudzyslow(w.tytul);
    const QString kod = k[KodIden];
    const QString przedrostek = QStringLiteral("NRID=") + kod + QLatin1Char(' ');
    if (!kod.isEmpty() && !kod.startsWith(QLatin1String("NRID")) && !tytul.startsWith(przedrostek))
        tytul.prepend(przedrostek);
    k[TytulK] = (tytul + QString(105, QLatin1Char(' '))).left(105);
    return k;
}

ZapisKontrahenta zapiszKontrahentaZWpisu(const QString& sciezka, const WpisPrzelewu& w,
                                         const WpisPrzelewu* przekazany)
{
    ZapisKontrahenta z;
    if (zsumujKwote(w.kwota).wynik != Suma::BezDzialan && !parseAmount(w.kwota)) {
        z.wynik = WynikZapisu::KwotaNieobliczona;
        return z;
    }
    bool liczba = false;
    const qint64 nr = w.nrKol.trimmed().toLongLong(&liczba);
    if (!liczba) {
        z.wynik = WynikZapisu::BrakKontrahenta;
        return z;
    }

    const FileText plik = readTextFile(sciezka);
    if (!plik.ok) {
        z.wynik = WynikZapisu::BladOdczytu;
        z.blad = plik.error;
        return z;
    }
    // Walk the records, remembering where the one to change starts and ends
    // in the text, so that everything around it is written back untouched.
    QuoteReader czytnik(plik.text);
    qsizetype poczatek = -1;
    qsizetype koniec = -1;
    Kontrahent stary;
    QList<bool> nieustawione;  // which values of the record were empty lines
    qsizetype liczbaWartosci = 0;
    QStringList wartosci;
    QList<bool> puste;
    while (!czytnik.atEnd()) {
        const qsizetype start = czytnik.position();
        wartosci.clear();
        puste.clear();
        for (int i = 0; i < kWartosciKontrahenta && !czytnik.atEnd(); ++i) {
            wartosci.append(czytnik.next());
            puste.append(czytnik.lastWasEmptyLine());
        }
        liczbaWartosci += wartosci.size();
        bool ok = false;
        if (poczatek < 0 && wartosci.size() == kWartosciKontrahenta
            && wartosci[NrKol].trimmed().toLongLong(&ok) == nr && ok) {
            poczatek = start;
            koniec = czytnik.position();
            stary = Kontrahent::zWartosci(wartosci);
            nieustawione = puste;
        }
    }
    if (czytnik.truncated() || liczbaWartosci % kWartosciKontrahenta != 0) {
        z.wynik = WynikZapisu::BladOdczytu;
        z.blad = czytnik.truncated()
                     ? QStringLiteral("Plik %1 jest uszkodzony: urywa się w środku wartości.").arg(sciezka)
                     : damagedFileMessage(sciezka, kWartosciKontrahenta);
        return z;
    }
    if (poczatek < 0) {
        z.wynik = WynikZapisu::NieZnaleziono;
        return z;
    }
    QString tekst = plik.text;
    tekst.replace(poczatek, koniec - poczatek, tekstRekordu(zapisanyZWpisu(stary, w, przekazany), nieustawione));
    if (!rewriteTextFile(sciezka, tekst, &z.blad))
        z.wynik = WynikZapisu::BladZapisu;
    return z;
}

} // namespace remitto
