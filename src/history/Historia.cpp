#include "history/Historia.h"

#include "core/Amount.h"
#include "core/NazwaPliku.h"
#include "core/Session.h"
#include "core/TextFile.h"

#include <QFile>

namespace remitto {

PlikWyslanych plikWyslanych(const Session& session)
{
    // A short name that is no plain file name names no file: an empty path
    // is read as a missing file and never written.
    if (!bladSkrotuFirmy(session.SkrotFirmy).isEmpty())
        return {QString(), kUkladPrzelewu};
    if (session.DataDzisKlucz < QLatin1String("20190813"))
        return {session.dataPath(session.SkrotFirmy + QLatin1String("1908.dat")), kUkladStary};
    return {session.dataPath(session.SkrotFirmy + QLatin1String(".dat")), kUkladPrzelewu};
}

QString plikArchiwum(const Session& session, int rok)
{
    if (!bladSkrotuFirmy(session.SkrotFirmy).isEmpty())
        return {};
    return session.dataPath(session.SkrotFirmy + QString::number(rok) + QLatin1String(".arh"));
}

FiltrHistorii FiltrHistorii::zPol(const QString& skrot, const QString& od, const QString& doDaty, Blad* blad)
{
    FiltrHistorii f;
    *blad = Blad::Brak;
    const QString s = skrot.trimmed().toUpper();
    f.skrot = s.left(8) == QLatin1String("WSZYSTKI") ? QString() : s;
    if (!od.trimmed().isEmpty()) {
        f.odKlucza = kluczDowolnejDaty(od.trimmed());
        if (f.odKlucza == 0)
            *blad = Blad::DataOd;
    }
    if (!doDaty.trimmed().isEmpty()) {
        f.doKlucza = kluczDowolnejDaty(doDaty.trimmed());
        if (f.doKlucza == 0 && *blad == Blad::Brak)
            *blad = Blad::DataDo;
    }
    return f;
}

namespace {

bool czyAscii(QByteArrayView b)
{
    for (char c : b)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

// Whether the record's short name starts with the filter (upper case).
bool pasujeSkrot(const PlikHistorii& plik, int rekord, const QString& filtr, const QByteArray& filtrAscii)
{
    const QByteArrayView s = plik.surowa(rekord, plik.uklad().skrot);
    if (!filtrAscii.isEmpty() && czyAscii(s)) {
        if (s.size() < filtrAscii.size())
            return false;
        for (qsizetype i = 0; i < filtrAscii.size(); ++i) {
            char c = s[i];
            if (c >= 'a' && c <= 'z')
                c = char(c - 'a' + 'A');
            if (c != filtrAscii[i])
                return false;
        }
        return true;
    }
    return plik.skrotWielkimi(rekord).startsWith(filtr);
}

} // namespace

std::vector<int> filtrujHistorie(const PlikHistorii& plik, const FiltrHistorii& filtr)
{
    std::vector<int> wynik;
    const int n = plik.liczbaRekordow();
    wynik.reserve(size_t(n));
    const QByteArray filtrAscii = czyAscii(QByteArrayView(filtr.skrot.toUtf8())) ? filtr.skrot.toLatin1() : QByteArray();
    for (int r = 0; r < n; ++r) {
        if (!filtr.wszyscy() && !pasujeSkrot(plik, r, filtr.skrot, filtrAscii))
            continue;
        if (!filtr.bezDat()) {
            const int k = plik.kluczDaty(r);
            if (k == 0)
                continue;
            if (filtr.odKlucza != 0 && k <= filtr.odKlucza)
                continue;
            if (filtr.doKlucza != 0 && k >= filtr.doKlucza)
                continue;
        }
        wynik.push_back(r);
    }
    return wynik;
}

std::vector<int> wszystkieRekordy(const PlikHistorii& plik)
{
    std::vector<int> w(size_t(plik.liczbaRekordow()));
    for (size_t i = 0; i < w.size(); ++i)
        w[i] = int(i);
    return w;
}

qint64 sumaKwot(const PlikHistorii& plik, const std::vector<int>& rekordy)
{
    qint64 suma = 0;
    for (int r : rekordy)
        suma += plik.kwotaDoSumy(r);
    return suma;
}

QString kwotaGrupowana(qint64 grosze)
{
    QString t = formatAmount(grosze);
    const bool minus = t.startsWith(QLatin1Char('-'));
    if (minus)
        t.remove(0, 1);
    for (qsizetype i = t.indexOf(QLatin1Char(',')) - 3; i > 0; i -= 3)
        t.insert(i, QLatin1Char(' '));
    return minus ? QLatin1Char('-') + t : t;
}

int wartoscKolumnyHistorii(int kolumna, const UkladHistorii& uklad)
{
    if (uklad.rozmiar != kUkladPrzelewu.rozmiar) {
        // The older file fills only the columns of its five items.
        switch (kolumna) {
        case 3: return uklad.konto;
        case kKolumnaKwotyB: return uklad.kwota;
        case 7: return uklad.tytul;
        case 8: return uklad.data;
        case 18: return uklad.skrot;
        default: return -1;
        }
    }
    // Each column shows the value its header names.
    static const int mapa[28] = {-1, 0,  1,  2,  3,  4,  5,  6,  10, 8,  9,  7,  21, 11,
                                 12, 13, 14, 15, 16, 17, 18, 19, 20, 22, 23, 24, 25, 26};
    return kolumna >= 0 && kolumna < 28 ? mapa[kolumna] : -1;
}

const QStringList& naglowkiHistorii()
{
    static const QStringList h = {
        QStringLiteral("Nrkol"),      QStringLiteral("Nazwa Kontrahenta "), QStringLiteral("Imie Kontrahenta "),
        QStringLiteral("Konto"),      QStringLiteral("KwotaN"),             QStringLiteral("VAT"),
        QStringLiteral("KwotaB"),     QStringLiteral("Tytulem"),            QStringLiteral("DataSplaty"),
        QStringLiteral("Spłacono"),   QStringLiteral("KwDoSplaty"),         QStringLiteral("TerminSpla"),
        QStringLiteral("DataZakupu"), QStringLiteral("OznPrz"),             QStringLiteral("Ulica"),
        QStringLiteral("NrDomu"),     QStringLiteral("Adres"),              QStringLiteral("Kod"),
        QStringLiteral(" Skrót "),    QStringLiteral("Bank"),               QStringLiteral("NrKolFakt"),
        QStringLiteral("NrPaczk"),    QStringLiteral("NrPrzel"),            QStringLiteral("Nip "),
        QStringLiteral("Status"),     QStringLiteral("TypZlec"),            QStringLiteral("TypDok"),
        QStringLiteral("KodIden"),
    };
    return h;
}

const QList<int>& szerokosciHistorii()
{
    static const QList<int> w = {800,  3500, 2000, 3800, 1000, 800,  1200, 4500, 1400, 1200,
                                 1100, 1400, 1400, 1100, 1800, 900,  1600, 900,  1500, 2500,
                                 1600, 900,  900,  1500, 1200, 900,  900,  1400};
    return w;
}

std::optional<int> rokZPola(const QString& tekst)
{
    if (tekst.size() != 4)
        return std::nullopt;
    for (QChar c : tekst)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
    return tekst.toInt();
}

namespace {

// Reads the file for a change; fills `w` and returns false when it cannot go on.
bool wczytajDoZmiany(const PlikWyslanych& plik, bool uciacOgon, PlikHistorii* p, WynikOperacji* w)
{
    *p = PlikHistorii::wczytaj(plik.sciezka, plik.uklad);
    switch (p->stan()) {
    case PlikHistorii::Stan::Ok:
        return true;
    case PlikHistorii::Stan::Brak:
        w->wynik = WynikHistorii::BrakPliku;
        break;
    case PlikHistorii::Stan::BladOdczytu:
        w->wynik = WynikHistorii::BladOdczytu;
        break;
    case PlikHistorii::Stan::Uszkodzony:
        if (uciacOgon)
            return true;
        w->wynik = WynikHistorii::Uszkodzony;
        break;
    }
    w->blad = p->blad();
    return false;
}

} // namespace

WynikOperacji usunRekordHistorii(const PlikWyslanych& plik, int pozycja, const QStringList& oczekiwany,
                                 bool uciacOgon)
{
    WynikOperacji w;
    PlikHistorii p;
    if (!wczytajDoZmiany(plik, uciacOgon, &p, &w))
        return w;
    const int n = p.liczbaRekordow();
    if (pozycja < 1 || pozycja > n) {
        w.wynik = WynikHistorii::BrakRekordu;
        return w;
    }
    if (!oczekiwany.isEmpty() && p.wartosci(pozycja - 1) != oczekiwany) {
        w.wynik = WynikHistorii::Zmieniony;
        w.blad = QStringLiteral("Plik %1 zmienił się od wyświetlenia listy.").arg(plik.sciezka);
        return w;
    }
    QByteArray nowy;
    nowy.reserve(qsizetype(p.liczbaRekordow()) * 320);
    for (int r = 0; r < n; ++r)
        if (r != pozycja - 1)
            nowy += p.rekordDoZapisu(r);
    if (!rewriteFile(plik.sciezka, nowy, &w.blad))
        w.wynik = WynikHistorii::BladZapisu;
    return w;
}

WynikOperacji usunHistorie(const QString& sciezka)
{
    WynikOperacji w;
    QFile f(sciezka);
    if (!f.exists()) {
        w.wynik = WynikHistorii::BrakPliku;
        w.blad = QStringLiteral("Brak pliku %1").arg(sciezka);
        return w;
    }
    if (!f.remove()) {
        w.wynik = WynikHistorii::BladZapisu;
        w.blad = QStringLiteral("Nie można usunąć pliku %1: %2").arg(sciezka, f.errorString());
    }
    return w;
}

} // namespace remitto
