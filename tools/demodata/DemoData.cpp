#include "DemoData.h"

#include "DemoNames.h"
#include "DemoRecords.h"

#include "core/Amount.h"
#include "core/QuoteFormat.h"
#include "core/TextFile.h"
#include "core/modZmiene.h"
#include "shell/Instalka.h"
#include "transfers/LiniaEksportu.h"
#include "shell/MojaFirma.h"
#include "statements/Mt940.h"

#include <QDir>
#include <QFileInfo>
#include <QList>
#include <QRandomGenerator>
#include <QSet>

#include <algorithm>

namespace remitto::demo {

namespace {

const QString kSkrotFirmy = QStringLiteral("ZURAWIK");

// How much of everything each size makes.
struct Rozmiar {
    int kontrahenci;        // records of kontrah.dta, duplicates included
    int duplikaty;          // contractors entered twice (for the duplicate removal)
    int fakturMiesiecznie;  // invoices of a whole month
    bool wszystkieMiesiace; // invoices for all twelve months, not only those so far
    int pozycjiNajwiecej;   // goods lines of an invoice, at most
    int paczekOd, paczekDo; // packages of a month
    int wyslane;            // records of the sent-transfers file
    int miesiaceHistorii;   // months the sent-transfers file spans
    int wielkoscPaczki;     // transfers of a package in the older history
    int kontrahenciKramix;  // contractors of the shop program's own file
};

Rozmiar rozmiar(DemoOptions::Size size)
{
    if (size == DemoOptions::Size::Big)
        return {10000, 10, 1000, true, 4, 4, 6, 200000, 120, 300, 500};
    return {40, 1, 30, false, 6, 1, 2, 300, 12, 12, 10};
}

struct Faktura {
    enum class Stan { DoZaplaty, WPaczce, Czesciowo, Gotowka };
    NaglowekFaktury h;
    QList<PozycjaFaktury> pozycje;
    QString plik;
    QDate zakup;
    QDate termin;
    qint64 netto = 0;
    qint64 vat = 0;
    qint64 brutto = 0;
    Stan stan = Stan::DoZaplaty;
};

struct Paczka {
    int rok = 0;
    int miesiac = 0;
    int nr = 0;
    QDate data;
    bool zamknieta = true;
    QList<Przelew> przelewy;
};

QString cena(qint64 grosze)
{
    return formatAmount(grosze);
}

// VAT of a net value at a rate text, rounded half up to the grosz.
qint64 vatOd(qint64 netto, const QString& stawka)
{
    bool ok = false;
    const int procent = stawka.toInt(&ok);
    if (!ok || procent == 0)
        return 0;
    return (netto * procent + 50) / 100;
}

class Generator {
public:
    Generator(const QString& folder, const DemoOptions& options)
        : m_folder(folder),
          m_dzis(options.today.isValid() ? options.today : QDate::currentDate()),
          m_rng(options.seed),
          m_r(rozmiar(options.size))
    {
    }

    bool run(QString* error, DemoSummary* summary);

private:
    Kontrahent nowyKontrahent();
    void kontrahenci();
    void kontrahenciKramix();
    void firmy();
    void faktury();
    Faktura faktura(int miesiac, int numer, const QDate& zakup);
    void paczki();
    void oplacFaktury();
    Przelew zaFakture(const Faktura& f, const Paczka& p) const;
    Przelew zwykly(const QDate& data);
    Przelew zus(const QDate& data);
    Przelew skarbowy(const QDate& data);
    void dopelnij(Paczka& p, int ile);
    void ponumeruj(Paczka& p) const;

    bool zapisz(const QString& path, const QString& text);
    bool zapiszWszystko();
    bool zapiszHistorie();
    bool zapiszWyciag();

    const Kontrahent& losujDostawce()
    {
        const auto i = static_cast<qsizetype>(m_rng.bounded(static_cast<quint32>(m_dostawcy.size())));
        return m_kontrahenci[m_dostawcy[i]];
    }
    QString unikalnySkrot(QString skrot);

    QString m_folder;
    QDate m_dzis;
    QRandomGenerator m_rng;
    Rozmiar m_r;
    QString m_blad;

    QList<Kontrahent> m_kontrahenci;
    QList<qsizetype> m_dostawcy;  // indexes of ordinary firms among the contractors
    QList<Kontrahent> m_kramix;
    QSet<QString> m_skroty;
    Kontrahent m_zus;
    Kontrahent m_urzad;
    QList<Firma> m_firmy;
    QList<Faktura> m_faktury;
    QList<Paczka> m_paczki;  // this year's packages, in month and number order
    QList<remitto::Przelew> m_miesiacWyciagu;  // sent last month, in file order, for the bank statement
    DemoSummary m_summary;
};

QString Generator::unikalnySkrot(QString skrot)
{
    skrot.remove(QLatin1Char(' '));
    skrot = skrot.toUpper().left(12);
    QString wynik = skrot;
    for (int n = 2; m_skroty.contains(wynik); ++n)
        wynik = skrot + QString::number(n);
    m_skroty.insert(wynik);
    return wynik;
}

Kontrahent Generator::nowyKontrahent()
{
    Kontrahent k;
    const Miejscowosc& m = losuj(m_rng, miejscowosci());
    const Bank& bank = losuj(m_rng, banki());
    const bool firma = szansa(m_rng, 60);
    const bool kobieta = szansa(m_rng, 40);
    const QString nazwisko = losuj(m_rng, nazwiskaMeskie());
    const QString imie = kobieta ? losuj(m_rng, imionaZenskie()) : losuj(m_rng, imionaMeskie());
    const QString nazwiskoOsoby = kobieta ? nazwiskoZenskie(nazwisko) : nazwisko;
    QString marka;
    if (firma) {
        marka = losuj(m_rng, nazwyWlasne());
        const QString rodzaj = losuj(m_rng, rodzajeDzialalnosci());
        k.nazwa = szansa(m_rng, 50) ? rodzaj + QStringLiteral(" ''") + marka + QStringLiteral("''")
                                    : rodzaj + QLatin1Char(' ') + marka;
        k.imie = szansa(m_rng, 70) ? losuj(m_rng, formyPrawne()) : imie + QLatin1Char(' ') + nazwiskoOsoby;
        k.skrot = unikalnySkrot(marka);
    } else {
        k.nazwa = nazwiskoOsoby;
        k.imie = imie;
        k.skrot = unikalnySkrot(nazwiskoOsoby);
    }
    k.miejscowosc = m.nazwa;
    k.ulica = losuj(m_rng, ulice());
    k.telefon = losujTelefon(m_rng, m);
    k.kod = losujKod(m_rng, m);
    k.nip = losujNip(m_rng);
    const int v = losujOd(m_rng, 1, 100);
    k.svat = v <= 75 ? QStringLiteral("V") : v <= 85 ? QStringLiteral("U") : v <= 90 ? QStringLiteral("R")
           : v <= 95 ? QStringLiteral("O") : QStringLiteral("S");
    k.poczta = m.nazwa;
    k.nrDomu = QString::number(losujOd(m_rng, 1, 150));
    if (szansa(m_rng, 10))
        k.nrDomu += QLatin1Char(szansa(m_rng, 50) ? 'a' : 'b');
    k.wojewodztwo = m.wojewodztwo;
    if (szansa(m_rng, 15))
        k.rachunek2 = losujKonto(m_rng, losuj(m_rng, banki()).numer);
    k.rachunek1 = losujKonto(m_rng, bank.numer);
    if (szansa(m_rng, 10))
        k.rachunek1 = kontoWGrupach(k.rachunek1);  // typed in groups
    static const QStringList uwagi = {QString(), QString(), QString(), QString(),
                                      QStringLiteral("Dostawy we wtorki i piątki"),
                                      QStringLiteral("Kontakt: p. Beata, wew. 21"),
                                      QStringLiteral("Płatność wyłącznie przelewem"),
                                      QStringLiteral("Rabat 3% przy zapłacie w 7 dni")};
    k.uwagi = losuj(m_rng, uwagi);
    if (szansa(m_rng, 8))
        k.kodIden = QStringLiteral("K/%1").arg(losujOd(m_rng, 1000, 999999), 6, 10, QLatin1Char('0'));
    static const QStringList platnosci = {QString(), QStringLiteral("Przelew 7 dni"),
                                          QStringLiteral("Przelew 14 dni"),
                                          QStringLiteral("Przelew 30 dni"), QStringLiteral("Gotówka")};
    k.platnosc = losuj(m_rng, platnosci);
    k.bank = bank.nazwa;
    const QString przyklad = bezOgonkow(firma ? marka : nazwiskoOsoby).toLower().remove(QLatin1Char(' '));
    static const QStringList domeny = {QStringLiteral("wp.pl"), QStringLiteral("onet.pl"),
                                       QStringLiteral("interia.pl"), QStringLiteral("o2.pl"),
                                       QStringLiteral("gmail.com")};
    k.mail = szansa(m_rng, 80) ? przyklad + QLatin1Char('@') + losuj(m_rng, domeny) : QString();
    if (firma && szansa(m_rng, 40))
        k.www = QStringLiteral("www.") + przyklad + QStringLiteral(".pl");
    k.powiat = m.powiat;
    k.gmina = m.gmina;
    if (szansa(m_rng, 60)) {
        const qint64 netto = losujOd(m_rng, 2000, 500000);
        static const QStringList stawki = {QStringLiteral("23"), QStringLiteral("8"),
                                           QStringLiteral("5"), QStringLiteral("zw"), QStringLiteral("np")};
        k.ostVat = losuj(m_rng, stawki);
        k.ostKwota = cena(netto);
        k.tytul = QStringLiteral("F-ra nr. %1/%2").arg(losujOd(m_rng, 1, 999)).arg(m_dzis.year());
    } else {
        k.ostKwota = QStringLiteral("0");
    }
    if (firma || szansa(m_rng, 70))
        k.regon = losujRegon(m_rng);
    if (szansa(m_rng, 15))
        k.nrLokalu = QString::number(losujOd(m_rng, 1, 40));
    k.waluta = QStringLiteral("PLN");
    return k;
}

void Generator::kontrahenci()
{
    const Firma& wlasna = m_firmy[0];
    const Miejscowosc& warszawa = miejscowosci()[0];

    m_zus.nazwa = QStringLiteral("Zakład Ubezpieczeń Społecznych");
    m_zus.imie = QStringLiteral("Centrala");
    m_zus.miejscowosc = warszawa.nazwa;
    m_zus.ulica = QStringLiteral("ul. Szamocka");
    m_zus.nrDomu = QStringLiteral("3, 5");
    m_zus.telefon = QStringLiteral("22 560 16 00");
    m_zus.kod = QStringLiteral("01-748");
    m_zus.nip = losujNip(m_rng);
    m_zus.svat = QStringLiteral("U");
    m_zus.poczta = warszawa.nazwa;
    m_zus.wojewodztwo = warszawa.wojewodztwo;
    m_zus.rachunek1 = kontoNrb(QStringLiteral("60000002"), QStringLiteral("026") + wlasna.nip + QStringLiteral("000"));
    m_zus.skrot = unikalnySkrot(QStringLiteral("ZUS"));
    m_zus.bank = QStringLiteral("Narodowy Bank Polski");
    m_zus.powiat = warszawa.powiat;
    m_zus.gmina = warszawa.gmina;
    m_zus.ostVat = QStringLiteral("0");
    m_zus.ostKwota = QStringLiteral("1600,32");
    m_zus.tytul = QStringLiteral(" Wpłata składek ZUS za miesiąc ");
    m_zus.waluta = QStringLiteral("PLN");

    const Miejscowosc& zywiec = *std::find_if(miejscowosci().begin(), miejscowosci().end(),
                                              [&](const Miejscowosc& m) { return m.nazwa == wlasna.miasto; });
    m_urzad.nazwa = QStringLiteral("Urząd Skarbowy ") + zywiec.miejscownik;
    m_urzad.miejscowosc = zywiec.nazwa;
    m_urzad.ulica = QStringLiteral("ul. Krasińskiego");
    m_urzad.nrDomu = QStringLiteral("30");
    m_urzad.kod = zywiec.kodOd;
    m_urzad.nip = losujNip(m_rng);
    m_urzad.svat = QStringLiteral("U");
    m_urzad.poczta = zywiec.nazwa;
    m_urzad.wojewodztwo = zywiec.wojewodztwo;
    m_urzad.rachunek1 = wlasna.konto[3];  // taxes go to the own micro-account
    m_urzad.skrot = unikalnySkrot(QStringLiteral("US ŻYWIEC"));
    m_urzad.bank = QStringLiteral("Narodowy Bank Polski");
    m_urzad.powiat = zywiec.powiat;
    m_urzad.gmina = zywiec.gmina;
    m_urzad.ostVat = QStringLiteral("0");
    m_urzad.ostKwota = QStringLiteral("0");
    m_urzad.waluta = QStringLiteral("PLN");

    m_kontrahenci.append(m_zus);
    m_kontrahenci.append(m_urzad);
    const int zwyklych = m_r.kontrahenci - 2 - m_r.duplikaty;
    m_kontrahenci.reserve(m_r.kontrahenci);
    for (int i = 0; i < zwyklych; ++i) {
        m_dostawcy.append(m_kontrahenci.size());
        m_kontrahenci.append(nowyKontrahent());
    }
    // Contractors entered twice, as the duplicate removal expects to find them.
    for (int i = 0; i < m_r.duplikaty; ++i) {
        const Kontrahent kopia = losujDostawce();
        m_kontrahenci.append(kopia);
    }
    for (qsizetype i = 0; i < m_kontrahenci.size(); ++i)
        m_kontrahenci[i].nrKol = static_cast<int>(i + 1);
}

void Generator::kontrahenciKramix()
{
    // The shop program's own contractor file: known suppliers, a few new ones
    // and two whose account the import has to skip.
    for (int i = 0; i < m_r.kontrahenciKramix; ++i) {
        Kontrahent k = i < m_r.kontrahenciKramix - 5 ? losujDostawce() : nowyKontrahent();
        k.platnosc = QStringLiteral("Przelew 14 dni");
        m_kramix.append(k);
    }
    QString& krotkie = m_kramix[m_kramix.size() - 2].rachunek1;
    krotkie = krotkie.remove(QLatin1Char(' ')).left(24);
    m_kramix[m_kramix.size() - 1].rachunek1.clear();
    for (qsizetype i = 0; i < m_kramix.size(); ++i)
        m_kramix[i].nrKol = static_cast<int>(i + 1);
}

void Generator::firmy()
{
    const QString& folder = m_folder;
    Firma a;
    a.nrId = QStringLiteral("1");
    a.skrot = kSkrotFirmy;
    a.nazwa = QStringLiteral("P.H.U. ''Żurawik'' Grzegorz Żurawski");
    a.nazwa2 = QStringLiteral("Sklep spożywczo-przemysłowy");
    a.kod = QStringLiteral("34-300");
    a.miasto = QStringLiteral("Żywiec");
    a.ulica = QStringLiteral("ul. Tadeusza Kościuszki");
    a.numerDomu = QStringLiteral("12a");
    a.nip = losujNip(m_rng);
    a.konto[0] = losujKonto(m_rng, QStringLiteral("1020"));
    a.konto[1] = losujKonto(m_rng, QStringLiteral("8128"));
    a.konto[3] = mikrorachunek(a.nip);
    a.idn = QStringLiteral("N");
    a.sciezkaKramix = folder + QStringLiteral("/Kramix");
    a.sciezkaEcorponet = folder + QStringLiteral("/DoECorponet");

    Firma b;
    b.nrId = QStringLiteral("2");
    b.skrot = QStringLiteral("ROZANKA");
    b.nazwa = QStringLiteral("Sklep Ogrodniczy ''Różanka''");
    b.nazwa2 = QStringLiteral("Halina Różańska");
    b.kod = QStringLiteral("43-300");
    b.miasto = QStringLiteral("Bielsko-Biała");
    b.ulica = QStringLiteral("ul. Cieszyńska");
    b.numerDomu = QStringLiteral("41/3");
    b.nip = losujNip(m_rng);
    b.konto[0] = kontoWGrupach(losujKonto(m_rng, QStringLiteral("1050")));
    b.konto[1] = losujKonto(m_rng, QStringLiteral("2490"));
    b.konto[2] = losujKonto(m_rng, QStringLiteral("1140"));
    b.konto[3] = mikrorachunek(b.nip);
    b.idn = QStringLiteral("N");
    b.sciezkaEcorponet = folder + QStringLiteral("/DoECorponet");

    m_firmy = {a, b};
}

Faktura Generator::faktura(int miesiac, int numer, const QDate& zakup)
{
    Faktura f;
    const Kontrahent& k = losujDostawce();
    f.plik = nazwaPlikuFaktury(m_dzis.year(), miesiac, numer);
    f.zakup = zakup;

    struct Sposob {
        int doProcentu;
        const char16_t* tekst;
        int dni;
    };
    static constexpr Sposob sposoby[] = {
        {14, u"Gotówka", 0},         {15, u"gotówka", 0},        {20, u"Przelew 3 dni", 3},
        {45, u"Przelew 7 dni", 7},   {80, u"Przelew 14 dni", 14}, {95, u"Przelew 30 dni", 30},
        {98, u"Przelew 60 dni", 60}, {100, u"Pobranie", 0},
    };
    const int s = losujOd(m_rng, 1, 100);
    const Sposob& wybrany = *std::find_if(std::begin(sposoby), std::end(sposoby),
                                          [&](const Sposob& x) { return s <= x.doProcentu; });
    const QString sposob = QString::fromUtf16(wybrany.tekst);
    const int dni = wybrany.dni;
    f.termin = zakup.addDays(dni);

    const int t = losujOd(m_rng, 1, 100);
    const QString typ = t <= 85 ? QStringLiteral("VFZ") : t <= 93 ? QStringLiteral("SPL") : QStringLiteral("OKZ");
    static const QStringList wzory = {QStringLiteral("FV/%1/%2/%3"), QStringLiteral("%1/%2/%3"),
                                      QStringLiteral("FS %1/%2/%3/H"), QStringLiteral("%1/ZK/%2/%3")};
    const QString nrFaktury = losuj(m_rng, wzory)
                                  .arg(losujOd(m_rng, 1, 2500))
                                  .arg(miesiac, 2, 10, QLatin1Char('0'))
                                  .arg(m_dzis.year());

    f.h.nazwa = k.nazwa;
    f.h.nazwaCd = k.imie;
    f.h.nip = k.nip;
    f.h.kod = k.kod;
    f.h.miejscowosc = k.miejscowosc;
    f.h.ulica = k.ulica;
    f.h.nrDomu = k.nrDomu;
    f.h.nrLokalu = k.nrLokalu;
    f.h.skrot = k.skrot;
    f.h.magazyn = QStringLiteral("MAG1");
    f.h.typIPlik = typ + f.plik;
    f.h.waluta = QStringLiteral("PLN");
    const QString konto = QString(k.rachunek1).remove(QLatin1Char(' '));
    // Some supplier accounts are kept in groups, 33 characters with the blank behind.
    f.h.konto = szansa(m_rng, 10) ? kontoWGrupach(konto) + QLatin1Char(' ') : konto;
    f.h.nrFaktury = nrFaktury;
    f.h.dataZakupu = dataDMR(zakup);
    f.h.sposobPlatnosci = sposob;
    f.h.terminPlatnosci = dataDMR(f.termin);

    static const QStringList grupy = {QStringLiteral("SPOŻYWCZE"), QStringLiteral("NABIAŁ"),
                                      QStringLiteral("CHEMIA"), QStringLiteral("NAPOJE"),
                                      QStringLiteral("PIECZYWO"), QStringLiteral("WARZYWA")};
    const int ile = losujOd(m_rng, 1, m_r.pozycjiNajwiecej);
    for (int i = 1; i <= ile; ++i) {
        PozycjaFaktury p;
        p.nazwa = losuj(m_rng, towary());
        p.cenaNetto = losujOd(m_rng, 150, 6000);
        p.ilosc = losujOd(m_rng, 1, 48);
        p.wartoscNetto = p.cenaNetto * p.ilosc;
        const int r = losujOd(m_rng, 1, 100);
        p.stawkaVat = r <= 40 ? QStringLiteral("5") : r <= 55 ? QStringLiteral("8")
                    : r <= 90 ? QStringLiteral("23") : r <= 93 ? QStringLiteral("0")
                    : r <= 96 ? QStringLiteral("zw") : r <= 98 ? QStringLiteral("np")
                    : r == 99 ? QStringLiteral("ZW") : QStringLiteral("NP");
        const qint64 vat = vatOd(p.wartoscNetto, p.stawkaVat);
        p.wartoscBrutto = p.wartoscNetto + vat;
        p.kwotaKosztu = p.wartoscNetto;
        p.jednostka = losuj(m_rng, jednostki());
        p.dataZakupu = f.h.dataZakupu;
        p.cenaNettoSprzedazy = p.cenaNetto * losujOd(m_rng, 115, 145) / 100;
        p.cenaBruttoSprzedazy = p.cenaNettoSprzedazy + vatOd(p.cenaNettoSprzedazy, p.stawkaVat);
        p.nrFaktury = nrFaktury;
        p.kontrahent = k.skrot;
        p.grupa = losuj(m_rng, grupy);
        p.grupaRabatowa = szansa(m_rng, 30) ? QStringLiteral("A") : QString();
        p.kodIPozycja = QStringLiteral("590%1/%2").arg(losujOd(m_rng, 1000000, 9999999)).arg(i);
        p.pkwiu = szansa(m_rng, 50) ? QStringLiteral("10.%1.%2.0").arg(losujOd(m_rng, 11, 89)).arg(losujOd(m_rng, 10, 99))
                                    : QString();
        p.indeks = QStringLiteral("T%1").arg(losujOd(m_rng, 1, 99999), 5, 10, QLatin1Char('0'));
        f.netto += p.wartoscNetto;
        f.vat += vat;
        f.brutto += p.wartoscBrutto;
        f.pozycje.append(p);
    }

    if (sposob.startsWith(QLatin1Char('G'), Qt::CaseInsensitive)) {
        f.stan = Faktura::Stan::Gotowka;
    } else {
        const int z = losujOd(m_rng, 1, 100);
        if (f.termin < m_dzis)
            f.stan = z <= 78 ? Faktura::Stan::WPaczce : z <= 88 ? Faktura::Stan::Czesciowo : Faktura::Stan::DoZaplaty;
        else
            f.stan = z <= 8 ? Faktura::Stan::Czesciowo : Faktura::Stan::DoZaplaty;
    }
    if (f.stan == Faktura::Stan::Czesciowo) {
        // Paid in part outside any package: package number "00" or blank.
        const qint64 czesc = f.brutto * losujOd(m_rng, 20, 80) / 100 / 100 * 100;
        const QDate kiedy = std::min(m_dzis, zakup.addDays(losujOd(m_rng, 0, 10)));
        f.h.znacznik = znacznikZaplaty(szansa(m_rng, 80) ? QStringLiteral("00") : QString(),
                                       cena(std::max<qint64>(czesc, 100)), dataDMR(kiedy));
    }
    return f;
}

void Generator::faktury()
{
    const int rok = m_dzis.year();
    const int miesiecy = m_r.wszystkieMiesiace ? 12 : m_dzis.month();
    for (int m = 1; m <= miesiecy; ++m) {
        const QDate pierwszy(rok, m, 1);
        int dni = pierwszy.daysInMonth();
        int ile = m_r.wszystkieMiesiace ? m_r.fakturMiesiecznie
                                        : losujOd(m_rng, m_r.fakturMiesiecznie - 4, m_r.fakturMiesiecznie + 4);
        if (!m_r.wszystkieMiesiace && m == m_dzis.month()) {
            // The current month only up to today.
            ile = std::max(1, ile * m_dzis.day() / dni);
            dni = m_dzis.day();
        }
        QList<int> dniZakupu;
        dniZakupu.reserve(ile);
        for (int i = 0; i < ile; ++i)
            dniZakupu.append(losujOd(m_rng, 1, dni));
        std::sort(dniZakupu.begin(), dniZakupu.end());
        for (int i = 0; i < ile; ++i)
            m_faktury.append(faktura(m, i + 1, QDate(rok, m, dniZakupu[i])));
    }
}

Przelew Generator::zaFakture(const Faktura& f, const Paczka& p) const
{
    // As the payments window builds it: the account stands in the bank field too.
    Przelew t;
    t.nazwa = f.h.nazwa;
    t.imie = f.h.nazwaCd;
    t.konto = KontoBezSpacji(f.h.konto).trimmed();
    t.kwotaN = cena(f.netto);
    t.vat = cena(f.vat);
    t.kwotaB = cena(f.brutto);
    t.tytul = f.h.nrFaktury;
    t.terminSpla = dataRekordu(f.termin);
    t.splacono = t.kwotaB;
    t.kwDoSplaty = QStringLiteral("0");
    t.dataSplaty = dataRekordu(p.data);
    t.oznPrz = QStringLiteral("Spłacono");
    t.ulica = f.h.ulica;
    t.nrDomu = f.h.nrLokalu.isEmpty() ? f.h.nrDomu : f.h.nrDomu + QLatin1Char('/') + f.h.nrLokalu;
    t.adres = f.h.miejscowosc;
    t.kod = f.h.kod;
    t.skrot = f.h.skrot;
    t.bank = t.konto;
    t.nrKolFakt = f.plik;
    t.dataZakup = dataRekordu(f.zakup);
    t.nip = f.h.nip;
    t.typZlec = QStringLiteral("110");
    t.typDok = QStringLiteral("51");
    return t;
}

namespace {

Przelew zKontrahenta(const Kontrahent& k, const QDate& data)
{
    Przelew t;
    t.nazwa = k.nazwa;
    t.imie = k.imie;
    t.konto = QString(k.rachunek1).remove(QLatin1Char(' '));
    t.terminSpla = dataRekordu(data);
    t.kwDoSplaty = QStringLiteral("0");
    t.dataSplaty = t.terminSpla;
    t.oznPrz = QStringLiteral("Spłacona");
    t.ulica = k.ulica;
    t.nrDomu = k.nrDomu;
    t.adres = k.miejscowosc;
    t.kod = k.kod;
    t.skrot = k.skrot;
    t.bank = k.bank;
    t.nip = k.nip;
    t.kodIden = k.kodIden;
    t.typZlec = QStringLiteral("110");
    t.typDok = QStringLiteral("51");
    return t;
}

// "/OKR/" period of the month before `data`: yy + "M" + mm.
struct Okres {
    QString rr;
    QString mm;
};

Okres poprzedniMiesiac(const QDate& data)
{
    const QDate p = data.addMonths(-1);
    return {QStringLiteral("%1").arg(p.year() % 100, 2, 10, QLatin1Char('0')),
            QStringLiteral("%1").arg(p.month(), 2, 10, QLatin1Char('0'))};
}

} // namespace

Przelew Generator::zwykly(const QDate& data)
{
    const Kontrahent& k = losujDostawce();
    Przelew t = zKontrahenta(k, data);
    const qint64 netto = losujOd(m_rng, 1500, 1200000);
    const int r = losujOd(m_rng, 1, 100);
    qint64 vat = 0;
    if (r <= 60) {
        vat = vatOd(netto, QStringLiteral("23"));
        t.vat = cena(vat);
    } else if (r <= 75) {
        vat = vatOd(netto, QStringLiteral("8"));
        t.vat = cena(vat);
    } else if (r <= 85) {
        t.vat = QStringLiteral("zw");
    } else if (r <= 90) {
        t.vat = QStringLiteral("np");
    } else {
        t.vat = QStringLiteral("0");
    }
    t.kwotaN = cena(netto);
    t.kwotaB = cena(netto + vat);
    t.splacono = t.kwotaB;
    const int rodzaj = losujOd(m_rng, 1, 100);
    if (rodzaj <= 5) {
        // Split payment: the title carries gross, NIP and invoice number.
        const Okres o = poprzedniMiesiac(data);
        t.tytul = QStringLiteral("/VAT/") + t.kwotaB + QStringLiteral("/IDC/") + k.nip + QStringLiteral("/INV/")
                + QStringLiteral("FV/%1/%2").arg(losujOd(m_rng, 1, 999)).arg(data.year())
                + QStringLiteral("/TXT/VAT7 za M") + o.mm + QStringLiteral("- 20") + o.rr;
        t.typDok = QStringLiteral("53");
    } else if (rodzaj <= 8) {
        t.tytul = QStringLiteral("Zlecenie stałe - ") + losuj(m_rng, tytulyUslug());
        t.typZlec = QStringLiteral("210");
        t.typDok = QStringLiteral("01");
    } else if (rodzaj <= 55) {
        t.tytul = QStringLiteral("F-ra nr. %1/%2/%3")
                      .arg(losujOd(m_rng, 1, 2500))
                      .arg(data.month(), 2, 10, QLatin1Char('0'))
                      .arg(data.year());
    } else {
        t.tytul = losuj(m_rng, tytulyUslug()) + QStringLiteral(" za %1/%2")
                      .arg(data.month(), 2, 10, QLatin1Char('0')).arg(data.year());
    }
    if (!t.kodIden.isEmpty())
        t.tytul = QStringLiteral("NRID=") + t.kodIden + QLatin1Char(' ') + t.tytul;
    t.tytul = t.tytul.left(105);
    return t;
}

Przelew Generator::zus(const QDate& data)
{
    Przelew t = zKontrahenta(m_zus, data);
    const qint64 kwota = losujOd(m_rng, 140000, 260000);
    const Okres o = poprzedniMiesiac(data);
    t.kwotaN = cena(kwota);
    t.vat = QStringLiteral("0");
    t.kwotaB = t.kwotaN;
    t.splacono = t.kwotaB;
    t.tytul = QStringLiteral(" Wpłata składek ZUS za miesiąc ") + o.mm + QLatin1Char('/') + QStringLiteral("20") + o.rr;
    t.typZlec = QStringLiteral("120");
    return t;
}

Przelew Generator::skarbowy(const QDate& data)
{
    Przelew t = zKontrahenta(m_urzad, data);
    const qint64 kwota = losujOd(m_rng, 30000, 900000);
    const Okres o = poprzedniMiesiac(data);
    t.kwotaN = cena(kwota);
    t.vat = QStringLiteral("0");
    t.kwotaB = t.kwotaN;
    t.splacono = t.kwotaB;
    t.tytul = QStringLiteral("/TI/N") + m_firmy[0].nip + QStringLiteral("/OKR/") + o.rr + QLatin1Char('M') + o.mm
            + QStringLiteral("/SFP/VAT7|/TXT/VAT7 za M") + o.mm + QStringLiteral("- 20") + o.rr;
    t.typZlec = QStringLiteral("114");
    t.typDok = QStringLiteral("71");
    return t;
}

void Generator::dopelnij(Paczka& p, int ile)
{
    for (int i = 0; i < ile; ++i)
        p.przelewy.append(zwykly(p.data));
}

void Generator::ponumeruj(Paczka& p) const
{
    for (qsizetype i = 0; i < p.przelewy.size(); ++i) {
        Przelew& t = p.przelewy[i];
        t.nrPaczk = nrPaczkiTekst(p.nr);
        t.nrPrzel = static_cast<int>(i + 1);
        t.status = p.zamknieta ? QStringLiteral("Zamknieta") : QStringLiteral("Otwarta");
    }
}

void Generator::paczki()
{
    const int rok = m_dzis.year();
    for (int m = 1; m <= m_dzis.month(); ++m) {
        const int dni = m == m_dzis.month() ? m_dzis.day() : QDate(rok, m, 1).daysInMonth();
        const int ile = losujOd(m_rng, m_r.paczekOd, m_r.paczekDo);
        QList<int> dniPaczek;
        for (int i = 0; i < ile; ++i)
            dniPaczek.append(losujOd(m_rng, 1, dni));
        std::sort(dniPaczek.begin(), dniPaczek.end());
        for (int i = 0; i < ile; ++i) {
            Paczka p;
            p.rok = rok;
            p.miesiac = m;
            p.nr = i + 1;
            p.data = QDate(rok, m, dniPaczek[i]);
            // Everything is exported except the last package of this month.
            p.zamknieta = !(m == m_dzis.month() && i == ile - 1);
            m_paczki.append(p);
        }
    }

    oplacFaktury();

    // Social insurance and tax in the first package of a month, other
    // transfers up to the month's share of the sent transfers.
    const int naMiesiac = m_r.wyslane / m_r.miesiaceHistorii;
    for (qsizetype i = 0; i < m_paczki.size(); ++i) {
        Paczka& p = m_paczki[i];
        if (p.nr == 1) {
            p.przelewy.append(zus(p.data));
            p.przelewy.append(skarbowy(p.data));
        }
        int wMiesiacu = 0;
        for (const Paczka& q : m_paczki)
            if (q.miesiac == p.miesiac)
                ++wMiesiacu;
        const int ile = std::max(1, naMiesiac / wMiesiacu - static_cast<int>(p.przelewy.size()));
        dopelnij(p, losujOd(m_rng, ile * 3 / 4, ile + ile / 4 + 1));
        ponumeruj(p);
    }
}

void Generator::oplacFaktury()
{
    for (Faktura& f : m_faktury) {
        if (f.stan != Faktura::Stan::WPaczce)
            continue;
        // The first package on or after the payment term; failing that the
        // last one after the purchase (paid before the term).
        Paczka* wybrana = nullptr;
        for (Paczka& p : m_paczki) {
            if (p.data < f.zakup)
                continue;
            wybrana = &p;
            if (p.data >= f.termin)
                break;
        }
        if (!wybrana) {
            f.stan = Faktura::Stan::DoZaplaty;
            continue;
        }
        wybrana->przelewy.append(zaFakture(f, *wybrana));
        if (wybrana->zamknieta)
            f.h.znacznik = znacznikZaplaty(nrPaczkiTekst(wybrana->nr), cena(f.brutto),
                                           wybrana->data.toString(QStringLiteral("yyyyMMdd")));
        else
            f.stan = Faktura::Stan::DoZaplaty;  // marked when the package is exported
    }
}

bool Generator::zapisz(const QString& path, const QString& text)
{
    return rewriteTextFile(path, text, &m_blad);
}

bool Generator::zapiszWszystko()
{
    const QString dane = m_folder;
    const int rok = m_dzis.year();
    const QString rr = QStringLiteral("%1").arg(rok % 100, 2, 10, QLatin1Char('0'));
    const QString kramix = m_firmy[0].sciezkaKramix + QLatin1Char('/') + m_firmy[0].skrot.toUpper();
    for (const QString& sub : {dane + QStringLiteral("/Paczki"), dane + QStringLiteral("/DoECorponet"),
                               kramix + QStringLiteral("/Faktury"), kramix + QStringLiteral("/Parametry"),
                               kramix + QStringLiteral("/kontrah")}) {
        if (!QDir().mkpath(sub)) {
            m_blad = QStringLiteral("Nie można utworzyć folderu %1").arg(sub);
            return false;
        }
    }

    const Ustawienia ustawienia{QString(), dane, QStringLiteral("L"), QString(), QStringLiteral("1"),
                                QStringLiteral("1"), QStringLiteral("F-ra nr.")};
    if (!writeInstalka(dane, ustawienia, &m_blad))
        return false;
    if (!writeMojaFirma(dane + QLatin1Char('/') + kPlikMojaFirma, m_firmy, &m_blad))
        return false;

    QuoteWriter k;
    for (const Kontrahent& x : m_kontrahenci)
        zapiszKontrahenta(k, x);
    if (!zapisz(dane + QStringLiteral("/kontrah.dta"), k.result()))
        return false;
    m_summary.kontrahenci = static_cast<int>(m_kontrahenci.size());

    QuoteWriter kk;
    for (const Kontrahent& x : m_kramix)
        zapiszKontrahenta(kk, x);
    if (!zapisz(kramix + QStringLiteral("/kontrah/kontrah.dta"), kk.result()))
        return false;

    // The shop program's invoices and their numbering file. The invoice
    // folder was made empty a moment ago, so each file is simply created:
    // the work file, flush and rename of a rewrite cost about a millisecond a
    // file, far too much for twelve thousand invoices.
    QList<int> fakturWMiesiacu(13, 0);
    for (const Faktura& f : m_faktury) {
        QuoteWriter w;
        zapiszFakture(w, f.h, f.pozycje);
        if (!appendTextFile(kramix + QStringLiteral("/Faktury/") + f.plik, w.result(), &m_blad))
            return false;
        ++fakturWMiesiacu[f.zakup.month()];
    }
    m_summary.faktury = static_cast<int>(m_faktury.size());
    QuoteWriter nz;
    for (int m = 1; m <= 12; ++m)
        zapiszNumeracjeFaktur(nz, m, fakturWMiesiacu[m]);
    if (!zapisz(kramix + QStringLiteral("/Parametry/NumZ") + rr + QStringLiteral(".dat"), nz.result()))
        return false;

    // Packages, their numbering file and the export files of the closed ones.
    QList<NumeracjaPaczek> numeracja(12);
    for (int m = 1; m <= 12; ++m)
        numeracja[m - 1].miesiac = m;
    const NadawcaEksportu nadawca{m_firmy[0].konto[0], daneFirmy(m_firmy[0])};
    const KodyEksportu kody = *kodyEksportu(Rodzaj::Przelew);
    for (const Paczka& p : m_paczki) {
        // A closed package has been rewritten by the program: one value a line.
        QString w;
        for (const Przelew& t : p.przelewy)
            w += p.zamknieta ? wartosciPrzelewuWLiniach(rekordPrzelewu(t)) : liniaPrzelewu(rekordPrzelewu(t));
        if (!zapisz(dane + QStringLiteral("/Paczki/") + nazwaPlikuPaczki(p.rok, p.miesiac, p.nr), w))
            return false;
        NumeracjaPaczek& n = numeracja[p.miesiac - 1];
        n.poczatPaczk = 1;
        n.koniecPacz = p.nr;
        n.poczatPrzel = 1;
        n.koniecPrzel += static_cast<int>(p.przelewy.size());
        ++m_summary.paczki;
        if (!p.zamknieta)
            continue;
        QString e;
        for (const Przelew& t : p.przelewy)
            e += liniaEksportu(rekordPrzelewu(t), parseAmount(t.splacono).value_or(0), kody, nadawca, p.data);
        const QString eksport = dane + QStringLiteral("/DoECorponet/") + kSkrotFirmy
                              + QStringLiteral("%1%2_").arg(p.rok, 4, 10, QLatin1Char('0'))
                                    .arg(p.miesiac, 2, 10, QLatin1Char('0'))
                              + nrPaczkiTekst(p.nr) + QStringLiteral(".TXT");
        if (!zapisz(eksport, e))
            return false;
        ++m_summary.plikiEksportu;
    }
    QuoteWriter np;
    for (const NumeracjaPaczek& n : numeracja)
        zapiszNumeracjePaczek(np, n);
    if (!zapisz(dane + QStringLiteral("/NumP") + rr + QStringLiteral(".dat"), np.result()))
        return false;

    return zapiszHistorie();
}

bool Generator::zapiszHistorie()
{
    // The export appends every transfer of a package as a closed ordinary
    // transfer; older months than this year's packages are made up here.
    auto doHistorii = [](Przelew t) {
        t.status = QStringLiteral("Zamknieta");
        t.typZlec = QStringLiteral("110");
        t.typDok = QStringLiteral("51");
        return t;
    };
    const QDate miesiacWyciagu = QDate(m_dzis.year(), m_dzis.month(), 1).addMonths(-1);
    auto doWyciagu = [&](const remitto::Przelew& t, const QDate& data) -> const remitto::Przelew& {
        if (data.year() == miesiacWyciagu.year() && data.month() == miesiacWyciagu.month())
            m_miesiacWyciagu.append(t);
        return t;
    };
    int tegoroczne = 0;
    for (const Paczka& p : m_paczki)
        if (p.zamknieta)
            tegoroczne += static_cast<int>(p.przelewy.size());

    const QDate biezacy(m_dzis.year(), m_dzis.month(), 1);
    const QDate poczatek = biezacy.addMonths(-(m_r.miesiaceHistorii - 1));
    int starszych = 0;
    for (QDate m = poczatek; m.year() < m_dzis.year(); m = m.addMonths(1))
        ++starszych;
    const int doRozdania = std::max(0, m_r.wyslane - tegoroczne);

    QString w;
    int zapisane = 0;
    int miesiac = 0;
    for (QDate m = poczatek; m <= biezacy; m = m.addMonths(1)) {
        if (m.year() == m_dzis.year()) {
            for (const Paczka& p : m_paczki) {
                if (p.miesiac != m.month() || !p.zamknieta)
                    continue;
                for (const Przelew& t : p.przelewy)
                    w += liniaPrzelewu(doWyciagu(rekordPrzelewu(doHistorii(t)), p.data));
                zapisane += static_cast<int>(p.przelewy.size());
            }
            continue;
        }
        // An older month: its share of the records, in packages by date.
        const int ile = doRozdania / std::max(1, starszych) + (miesiac < doRozdania % std::max(1, starszych) ? 1 : 0);
        ++miesiac;
        const int ilePaczek = std::max(1, (ile + m_r.wielkoscPaczki - 1) / m_r.wielkoscPaczki);
        QList<int> dni;
        for (int i = 0; i < ilePaczek; ++i)
            dni.append(losujOd(m_rng, 1, m.daysInMonth()));
        std::sort(dni.begin(), dni.end());
        for (int i = 0; i < ilePaczek; ++i) {
            Paczka p;
            p.nr = i + 1;
            p.data = QDate(m.year(), m.month(), dni[i]);
            const int wPaczce = ile / ilePaczek + (i < ile % ilePaczek ? 1 : 0);
            for (int j = 0; j < wPaczce; ++j) {
                if (i == 0 && j == 0)
                    p.przelewy.append(zus(p.data));
                else if (i == 0 && j == 1)
                    p.przelewy.append(skarbowy(p.data));
                else
                    p.przelewy.append(zwykly(p.data));
            }
            ponumeruj(p);
            for (const Przelew& t : p.przelewy)
                w += liniaPrzelewu(doWyciagu(rekordPrzelewu(doHistorii(t)), p.data));
            zapisane += wPaczce;
        }
    }
    m_summary.przelewyWyslane = zapisane;
    return zapisz(m_folder + QLatin1Char('/') + kSkrotFirmy + QStringLiteral(".dat"), w) && zapiszWyciag();
}

// The bank's MT940 statement of last month for the own company's first
// account: every transfer sent that month booked a day later, except one the
// bank left out and one booked with another amount, plus two debits made in
// the bank itself (a card payment and a standing order) and one credit.
bool Generator::zapiszWyciag()
{
    using remitto::OperacjaWyciagu;
    const QDate poczatek = QDate(m_dzis.year(), m_dzis.month(), 1).addMonths(-1);
    const QDate koniec = poczatek.addDays(poczatek.daysInMonth() - 1);
    auto klucz = [](const QDate& d) { return d.year() * 10000 + d.month() * 100 + d.day(); };
    const int n = static_cast<int>(m_miesiacWyciagu.size());
    int pominiety = -1, innaKwota = -1;
    for (int i = n / 3; i < n && pominiety < 0; ++i)
        if (QDate::fromString(m_miesiacWyciagu[i].dataSplaty, QStringLiteral("yyyy-MM-dd")) <= koniec.addDays(-3))
            pominiety = i;
    if (n > 1)
        innaKwota = (2 * n) / 3 == pominiety ? (2 * n) / 3 + 1 : (2 * n) / 3;

    remitto::Wyciag w;
    w.referencja = QStringLiteral("WYC%1").arg(poczatek.toString(QStringLiteral("yyyyMM")));
    w.rachunek = QStringLiteral("/PL") + QString(m_firmy.first().konto[0]).remove(QLatin1Char(' '));
    w.numer = QStringLiteral("%1/001").arg(poczatek.month(), 5, 10, QLatin1Char('0'));
    w.waluta = QStringLiteral("PLN");
    w.kluczOtwarcia = klucz(poczatek);
    w.kluczZamkniecia = klucz(koniec);
    w.saldoOtwarcia = 25000000;
    std::vector<std::pair<int, OperacjaWyciagu>> operacje;
    for (int i = 0; i < n; ++i) {
        if (i == pominiety)
            continue;
        const remitto::Przelew& t = m_miesiacWyciagu[i];
        const QDate data = QDate::fromString(t.dataSplaty, QStringLiteral("yyyy-MM-dd"));
        OperacjaWyciagu op;
        op.kluczWaluty = op.kluczKsiegowania = klucz(std::min(data.addDays(1), koniec));
        op.obciazenie = true;
        op.kwota = parseAmount(t.splacono).value_or(0) + (i == innaKwota ? 1000 : 0);
        op.opis = QStringLiteral("PRZELEW ZEWNETRZNY");
        op.tytul = t.tytulem;
        op.nazwa = t.nazwaKontrahenta;
        op.iban = QStringLiteral("PL") + QString(t.konto).remove(QLatin1Char(' '));
        operacje.push_back({op.kluczKsiegowania, op});
    }
    auto bankowa = [&](int dzien, qint64 kwota, const QString& opis, const QString& tytul, const QString& nazwa,
                       const QString& iban, bool obciazenie) {
        OperacjaWyciagu op;
        op.kluczWaluty = op.kluczKsiegowania = klucz(poczatek.addDays(std::min(dzien, poczatek.daysInMonth()) - 1));
        op.obciazenie = obciazenie;
        op.kwota = kwota;
        op.kodOperacji = obciazenie ? QStringLiteral("073") : QStringLiteral("034");
        op.opis = opis;
        op.tytul = tytul;
        op.nazwa = nazwa;
        op.iban = iban;
        operacje.push_back({op.kluczKsiegowania, op});
    };
    bankowa(5, 18743, QStringLiteral("PLATNOSC KARTA"), QStringLiteral("STACJA PALIW ORLEN ZYWIEC"), QString(),
            QString(), true);
    bankowa(10, 120000, QStringLiteral("ZLECENIE STALE"), QStringLiteral("CZYNSZ ZA LOKAL"),
            QStringLiteral("Wspólnota Mieszkaniowa Kościuszki 12"), QStringLiteral("PL83102013900000620201234567"),
            true);
    bankowa(15, 150000, QStringLiteral("PRZELEW PRZYCHODZACY"), QStringLiteral("ZAPLATA ZA FV 12/2026"),
            QStringLiteral("Klient Detaliczny"), QStringLiteral("PL27114020040000300201355387"), false);
    std::stable_sort(operacje.begin(), operacje.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (auto& o : operacje)
        w.operacje.push_back(std::move(o.second));

    const QString folder = m_folder + QStringLiteral("/Bank");
    QDir().mkpath(folder);
    const QString plik = folder + QStringLiteral("/WYCIAG_%1.sta").arg(poczatek.toString(QStringLiteral("yyyyMM")));
    QString blad;
    if (!remitto::rewriteFile(plik, remitto::zapisMt940({w}), &blad)) {
        m_blad = blad;
        return false;
    }
    return true;
}

bool Generator::run(QString* error, DemoSummary* summary)
{
    auto blad = [&](const QString& tekst) {
        if (error)
            *error = tekst;
        return false;
    };
    const QDir dir(m_folder);
    if (dir.exists() && !dir.isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System))
        return blad(QStringLiteral("Folder %1 nie jest pusty; dane przykładowe zapisuję tylko do pustego folderu.")
                        .arg(m_folder));
    if (!QDir().mkpath(m_folder))
        return blad(QStringLiteral("Nie można utworzyć folderu %1").arg(m_folder));
    m_folder = QDir::cleanPath(QFileInfo(m_folder).absoluteFilePath());

    firmy();
    kontrahenci();
    kontrahenciKramix();
    faktury();
    paczki();
    if (!zapiszWszystko())
        return blad(m_blad);
    if (summary)
        *summary = m_summary;
    return true;
}

} // namespace

QString demoSkrotFirmy()
{
    return kSkrotFirmy;
}

bool writeDemoData(const QString& folder, const DemoOptions& options, QString* error, DemoSummary* summary)
{
    Generator g(folder, options);
    return g.run(error, summary);
}

} // namespace remitto::demo
