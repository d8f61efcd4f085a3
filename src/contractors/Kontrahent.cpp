#include "contractors/Kontrahent.h"

#include "core/Append.h"
#include "core/QuoteFormat.h"
#include "core/TextFile.h"
#include "core/modZmiene.h"

#include <QFile>

namespace remitto::kontrahenci {

Kontrahent Kontrahent::zWartosci(const QStringList& wartosci)
{
    Kontrahent k;
    const qsizetype n = std::min<qsizetype>(wartosci.size(), kWartosciKontrahenta);
    for (qsizetype i = 0; i < n; ++i)
        k.w[static_cast<size_t>(i)] = wartosci[i];
    return k;
}

QStringList Kontrahent::wartosci() const
{
    QStringList out;
    out.reserve(kWartosciKontrahenta);
    for (const QString& v : w)
        out.append(v);
    return out;
}

const std::array<Pole, kKolumnySiatki> kPoleKolumny = {
    NrKol,     NazwaKontrahenta, ImieKontrahenta, NrRachunku1K, SkrotK,   Kod,     Poczta,
    Miejscowosc, GminaK,         Ulica,           NrDomu,       NrLokaluK, Telefon, NipKontr,
    Svat,      KodIden,          Platnosc,        BankK,        MailK,    WWWK,    OstKwotaK,
    RegonK,    WalutaKh,         PowiatK,         Wojewodztwo,  UwagiK,   TytulK,
};

int kolumnaPola(Pole p)
{
    for (int k = 0; k < kKolumnySiatki; ++k)
        if (kPoleKolumny[size_t(k)] == p)
            return k;
    return -1;
}

QStringList naglowkiSiatki()
{
    return {
        QStringLiteral("Nr.kol"),      QStringLiteral("Nazwa kontrahenta   "), QStringLiteral("Imie kontrahenta   "),
        QStringLiteral("NrRachunku1K"), QStringLiteral("skrótK"),             QStringLiteral("Kod"),
        QStringLiteral("Poczta"),      QStringLiteral("Miejscowosc"),          QStringLiteral("GminaK"),
        QStringLiteral("Ulica     "),  QStringLiteral("NrDomu"),               QStringLiteral("NrLokaluK"),
        QStringLiteral("Telefon   "),  QStringLiteral("NipKontr"),             QStringLiteral("Svat"),
        QStringLiteral("KodIden"),     QStringLiteral("Płatność"),             QStringLiteral("BankK"),
        QStringLiteral("MailK"),       QStringLiteral("WWWK"),                 QStringLiteral("OstKwotaK"),
        QStringLiteral("RegonK"),      QStringLiteral("WalutaKh"),             QStringLiteral("PowiatK"),
        QStringLiteral("Wojewodztwo"), QStringLiteral("UwagiK"),               QStringLiteral("TytulK"),
    };
}

QList<int> szerokosciSiatki()
{
    return {600,  4000, 2500, 3000, 1500, 600,  1000, 1500, 1500, 1500, 600,  600,  1000, 1200,
            600,  1000, 1200, 1200, 800,  1200, 1000, 800,  1200, 1000, 1200, 1200, 4000};
}

QStringList wierszSiatki(const Kontrahent& k)
{
    QStringList out;
    out.reserve(kKolumnySiatki);
    for (Pole p : kPoleKolumny)
        out.append(k[p]);
    return out;
}

namespace {

void dopiszRekord(QuoteWriter& zapis, const Kontrahent& k, const QList<bool>& nieustawione)
{
    for (int i = 0; i < kWartosciKontrahenta; ++i) {
        const QString& v = k.w[static_cast<size_t>(i)];
        if (i == NrKol)
            zapis.number(v);
        else if (v.isEmpty() && nieustawione.value(i))
            zapis.empty();  // still never set: stays an empty line
        else
            zapis.text(v);  // passes through ZamienCudzyslow
        zapis.endLine();
    }
}

} // namespace

QString tekstPliku(const QList<Kontrahent>& lista)
{
    QuoteWriter zapis;
    for (const Kontrahent& k : lista)
        dopiszRekord(zapis, k, {});
    return zapis.result();
}

QString tekstRekordu(const Kontrahent& k, const QList<bool>& nieustawione)
{
    QuoteWriter zapis;
    dopiszRekord(zapis, k, nieustawione);
    return zapis.result();
}

namespace {

/// Reads the file and hands each whole record (its first value's index) to
/// `dodaj`, which may take the values over.
template <typename Wynik, typename Dodaj>
void czytajRekordy(const QString& sciezka, Wynik& o, qsizetype& liczba, Dodaj dodaj)
{
    QuoteFile plik = readQuoteFile(sciezka);
    o.brak = plik.missing;
    // A file cut inside a quoted value: its last value is incomplete.
    const qsizetype pelne = plik.values.size() - (!plik.ok && !plik.values.isEmpty() ? 1 : 0);
    liczba = pelne / kWartosciKontrahenta;
    for (qsizetype r = 0; r < liczba; ++r)
        dodaj(plik.values, r * kWartosciKontrahenta);
    if (!plik.ok) {
        o.uszkodzony = !plik.missing;
        o.blad = plik.error;
    } else if (plik.values.size() % kWartosciKontrahenta != 0) {
        o.uszkodzony = true;
        o.blad = damagedFileMessage(sciezka, kWartosciKontrahenta);
    } else {
        o.ok = true;
    }
}

} // namespace

OdczytKontrahentow czytajKontrahentow(const QString& sciezka)
{
    OdczytKontrahentow o;
    qsizetype liczba = 0;
    czytajRekordy(sciezka, o, liczba, [&o](QStringList& v, qsizetype start) {
        if (o.lista.isEmpty())
            o.lista.reserve(v.size() / kWartosciKontrahenta);
        Kontrahent k;
        for (int i = 0; i < kWartosciKontrahenta; ++i)
            k.w[static_cast<size_t>(i)] = std::move(v[start + i]);
        o.lista.append(std::move(k));
    });
    return o;
}

OdczytSiatki czytajDoSiatki(const QString& sciezka)
{
    OdczytSiatki o;
    qsizetype liczba = 0;
    czytajRekordy(sciezka, o, liczba, [&o](QStringList& v, qsizetype start) {
        if (o.wiersze.isEmpty())
            o.wiersze.reserve(v.size() / kWartosciKontrahenta);
        QStringList w;
        w.reserve(kKolumnySiatki);
        for (Pole p : kPoleKolumny)
            w.append(std::move(v[start + p]));
        o.wiersze.append(std::move(w));
    });
    return o;
}

bool zapiszKontrahentow(const QString& sciezka, const QList<Kontrahent>& lista, QString* blad)
{
    return rewriteTextFile(sciezka, tekstPliku(lista), blad);
}

bool dopiszKontrahenta(const QString& sciezka, const Kontrahent& k, QString* blad)
{
    // The append adds a line end the file's last line may lack, so the new
    // ordinal never sticks to the last value of the file.
    return appendRecords(sciezka, kWartosciKontrahenta, tekstPliku({k}), blad) == AppendResult::Appended;
}

namespace {

KontrahentDoPrzelewu wspolne(const Kontrahent& k)
{
    KontrahentDoPrzelewu d;
    d.txtNazwa1K = k[NazwaKontrahenta];
    d.txtNazwa2K = k[ImieKontrahenta];
    d.txtSkrotK = k[SkrotK].toUpper();
    d.lbNazwaFirmy = k[SkrotK];
    d.txtKODK = k[Kod];
    d.txtAdresK = k[Miejscowosc];
    d.txtUlicaK = k[Ulica];
    d.txtNumerDomuK = k[NrDomu];
    d.txtNrLok = k[NrLokaluK];
    d.txtBankK = k[BankK];
    d.txtKontoK = KontoBezOdstepow(k[NrRachunku1K]);
    d.txtTytulem1 = k[TytulK];
    d.txtKwotaK = k[OstKwotaK];
    d.txtKodIden = k[KodIden];
    d.txtNIPK = k[NipKontr];
    d.txtNrKol = k[NrKol];
    // Every box of the entry area comes from this record, empty where the
    // record is empty: nothing of the contractor shown before stays behind.
    d.txtVat = k[OstVatK];
    d.txtTelefon = k[Telefon];
    d.txtMail = k[MailK];
    d.txtPoczta = k[Poczta];
    d.txtRodzKl = k[Svat];
    return d;
}

} // namespace

KontrahentDoPrzelewu doPrzelewuZListy(const Kontrahent& k)
{
    KontrahentDoPrzelewu d = wspolne(k);
    d.txtKwotaBrutto = k[OstKwotaK];
    return d;
}

KontrahentDoPrzelewu doPrzelewuZKarty(const Kontrahent& k)
{
    return wspolne(k);
}

} // namespace remitto::kontrahenci
