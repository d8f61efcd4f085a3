#include "transfers/EksportPaczki.h"
#include "core/NazwaPliku.h"

#include "core/Amount.h"
#include "core/Append.h"
#include "core/QuoteFormat.h"
#include "core/TextFile.h"
#include "shop/OznaczenieFaktury.h"
#include "transfers/PlikPaczki.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <unistd.h>

namespace remitto {

namespace {

struct FakturaWiersza {
    QString sciezka;
    QString znacznik;
};

bool zwyklaNazwa(const QString& nazwa)
{
    return !nazwa.isEmpty() && !nazwa.contains(QLatin1Char('/')) && !nazwa.contains(QLatin1Char('\\'))
        && nazwa != QLatin1String(".") && nazwa != QLatin1String("..");
}

QString opisWiersza(int nr, const Przelew& p)
{
    return QStringLiteral("Przelew nr %1 (%2)").arg(nr).arg(p.nazwaKontrahenta);
}

// The sent-transfers file must end in a whole record before records are
// added to it.
bool historiaCala(const QString& sciezka, QString* blad)
{
    const RecordTail koniec = checkRecordTail(sciezka, kWartosciPrzelewu);
    if (koniec.state == RecordTail::State::Missing || koniec.state == RecordTail::State::Whole)
        return true;
    *blad = koniec.message;
    return false;
}

// Writes the whole export file under a fresh work name in the same folder and
// gives it its name only when every byte is on disk; an existing file (or a
// link) of that name is never replaced or written through.
bool zapiszPlikEksportu(const QString& sciezka, const QString& tekst, QString* blad)
{
    return writeNewFile(sciezka, toCp1250(tekst), blad);
}

bool dopiszDoHistorii(const QString& sciezka, const QString& tekst, QString* blad)
{
    // One write of whole records; a missing last line end is added first.
    return appendRecords(sciezka, kWartosciPrzelewu, tekst, blad) == AppendResult::Appended;
}

} // namespace

WynikEksportu eksportujPaczke(const DaneEksportu& dane, const QString& sciezkaPaczki,
                              const QList<Przelew>& przelewy, Rodzaj rodzaj)
{
    WynikEksportu w;
    auto odmowa = [&w](OdmowaEksportu o, const QString& blad = {}) {
        w.odmowa = o;
        w.blad = blad;
        return w;
    };

    // The cash deposit selected stops the export, as does any row that would
    // take it; every other row goes out in the kind it was added as, from
    // its stored codes, and only a row without such codes takes the kind
    // selected.
    if (!kodyEksportu(rodzaj))
        return odmowa(OdmowaEksportu::Wplata);
    if (przelewy.isEmpty())
        return odmowa(OdmowaEksportu::BrakPrzelewow);

    // The package's own year and month name the export file, whatever today is.
    int rok = 0, miesiac = 0, nr = 0;
    w.sciezkaPaczki = sciezkaPaczki;
    if (!rozpoznajNazwePaczki(sciezkaPaczki, &rok, &miesiac, &nr) || nr > 99)
        return odmowa(OdmowaEksportu::ZlaPaczka,
                      QStringLiteral("Plik %1 nie jest plikiem paczki (Paczka rrrrmm_NN.dta).").arg(sciezkaPaczki));
    w.nn = nrPaczkiTekst(nr);
    if (!bladSkrotuFirmy(dane.skrotFirmy).isEmpty())
        return odmowa(OdmowaEksportu::ZlaFirma,
                      QStringLiteral("Skrót własnej firmy \"%1\" nie może nazwać pliku eksportu - wybierz firmę w "
                                     "oknie Moja Firma.")
                          .arg(dane.skrotFirmy));
    w.sciezkaEksportu =
        folderEksportu(dane.folder) + QLatin1Char('/') + nazwaPlikuEksportu(dane.skrotFirmy, rok, miesiac, nr);
    w.sciezkaHistorii = sciezkaHistorii(dane.folder, dane.skrotFirmy);

    if (przelewy.first().status == kZamknieta)
        return odmowa(OdmowaEksportu::Zamknieta);
    if (QFileInfo::exists(w.sciezkaEksportu))
        return odmowa(OdmowaEksportu::PlikIstnieje);

    const OdczytPaczki paczka = czytajPaczke(sciezkaPaczki);
    if (!paczka.ok())
        return odmowa(OdmowaEksportu::ZlaPaczka, paczka.blad);
    for (const Przelew& r : paczka.rekordy)
        if (r.status == kZamknieta)
            return odmowa(OdmowaEksportu::Zamknieta);
    if (paczka.rekordy != przelewy)
        return odmowa(OdmowaEksportu::ZlaPaczka,
                      QStringLiteral("Plik paczki %1 różni się od pokazanej paczki - pokaż paczkę ponownie.")
                          .arg(sciezkaPaczki));

    // Amounts, accounts and the invoices to mark, row by row.
    QList<qint64> kwoty;
    QList<KodyEksportu> kodyWierszy;
    QList<FakturaWiersza> faktury;
    QHash<QString, qint64> zaplaconoFaktur;
    for (int i = 0; i < przelewy.size(); ++i) {
        const Przelew& p = przelewy[i];
        const std::optional<qint64> grosze = parseAmount(p.splacono);
        if (!grosze || *grosze <= 0)
            return odmowa(OdmowaEksportu::ZlaKwota,
                          QStringLiteral("%1: kwota spłacona \"%2\" nie jest kwotą większą od zera.")
                              .arg(opisWiersza(i + 1, p), p.splacono));
        kwoty.append(*grosze);
        const std::optional<KodyEksportu> kody = kodyEksportu(rodzajZKodow(p.typZlec, p.typDok).value_or(rodzaj));
        if (!kody)
            return odmowa(OdmowaEksportu::Wplata);
        kodyWierszy.append(*kody);
        if (!kontoDoEksportu(p.konto.trimmed()))
            w.podejrzaneKonta.append(p.nazwaKontrahenta);

        const QString nazwa = p.nrKolFakt.trimmed();
        if (nazwa.isEmpty())
            continue;
        const FakturaDoOznaczenia f = sprawdzFakture(dane.sciezkaKramix, dane.folderFirmyKramix, nazwa);
        switch (f.stan) {
        case FakturaDoOznaczenia::Stan::Ok:
            break;
        case FakturaDoOznaczenia::Stan::ZlaNazwa:
            return odmowa(OdmowaEksportu::ZlaFaktura,
                          QStringLiteral("%1: \"%2\" nie jest nazwą pliku faktury (Fz + 9 cyfr + .dat).")
                              .arg(opisWiersza(i + 1, p), nazwa));
        case FakturaDoOznaczenia::Stan::Brak:
            return odmowa(OdmowaEksportu::ZlaFaktura,
                          QStringLiteral("%1: brak pliku faktury %2.").arg(opisWiersza(i + 1, p), f.sciezka));
        case FakturaDoOznaczenia::Stan::Folder:
            return odmowa(OdmowaEksportu::ZlaFaktura,
                          QStringLiteral("%1: %2").arg(opisWiersza(i + 1, p), komunikatFolderu(f.sciezka)));
        case FakturaDoOznaczenia::Stan::Uszkodzona:
            return odmowa(OdmowaEksportu::ZlaFaktura,
                          QStringLiteral("%1: plik faktury %2 jest uszkodzony: %3.")
                              .arg(opisWiersza(i + 1, p), f.sciezka, f.powod));
        }
        // The mark holds the total paid so far: what earlier packages paid
        // and what this one pays (also by several of its rows).
        if (!zaplaconoFaktur.contains(f.sciezka))
            zaplaconoFaktur.insert(f.sciezka, f.zaplaconoWczesniej);
        qint64& zaplacono = zaplaconoFaktur[f.sciezka];
        zaplacono += *grosze;
        const std::optional<QString> znacznik = znacznikZaplaty(nr, zaplacono, dane.dzis);
        if (!znacznik)
            return odmowa(OdmowaEksportu::ZlaFaktura,
                          QStringLiteral("%1: kwota %2 nie mieści się w znaczniku zapłaty faktury %3.")
                              .arg(opisWiersza(i + 1, p), formatAmount(*grosze), nazwa));
        bool byla = false;
        for (FakturaWiersza& fw : faktury)
            if (fw.sciezka == f.sciezka) {
                fw.znacznik = *znacznik;
                byla = true;
            }
        if (!byla)
            faktury.append({f.sciezka, *znacznik});
    }

    QString blad;
    if (!historiaCala(w.sciezkaHistorii, &blad))
        return odmowa(OdmowaEksportu::UszkodzonaHistoria, blad);
    if (!QDir().mkpath(folderEksportu(dane.folder)))
        return odmowa(OdmowaEksportu::BladFolderu,
                      writeErrorMessage(folderEksportu(dane.folder), QStringLiteral("nie można utworzyć folderu")));

    // 1. The export file.
    QString eksport;
    QString historia;
    QList<Przelew> zamknieta = paczka.rekordy;
    for (int i = 0; i < przelewy.size(); ++i) {
        const KodyEksportu& kody = kodyWierszy[i];
        eksport += liniaEksportu(przelewy[i], kwoty[i], kody, dane.nadawca, dane.dzis);
        Przelew wyslany = przelewy[i];
        wyslany.status = kZamknieta;
        wyslany.typZlec = kody.typZlec;
        wyslany.typDok = kody.typDok;
        historia += liniaPrzelewu(wyslany);
        zamknieta[i].status = kZamknieta;
    }
    if (!zapiszPlikEksportu(w.sciezkaEksportu, eksport, &w.blad)) {
        w.przerwanyKrok = KrokEksportu::PlikEksportu;
        return w;
    }

    // 2. The sent-transfers records. Without them the export file would
    // stand for transfers the history does not know, so it goes again.
    if (!dopiszDoHistorii(w.sciezkaHistorii, historia, &w.blad)) {
        w.przerwanyKrok = KrokEksportu::Historia;
        if (QFile::remove(w.sciezkaEksportu))
            w.sciezkaEksportu.clear();
        return w;
    }

    // 3. The package is closed.
    QString tekstPaczki;
    for (const Przelew& r : zamknieta)
        tekstPaczki += wartosciPrzelewuWLiniach(r);
    if (!rewriteTextFile(sciezkaPaczki, tekstPaczki, &w.blad)) {
        w.przerwanyKrok = KrokEksportu::Zamkniecie;
        return w;
    }

    // 4. The invoices paid by the package are marked.
    for (const FakturaWiersza& f : faktury) {
        QString bladFaktury;
        if (oznaczFakture(f.sciezka, f.znacznik, &bladFaktury)) {
            w.oznaczoneFaktury.append(f.sciezka);
        } else {
            w.nieoznaczoneFaktury.append(f.sciezka);
            w.przerwanyKrok = KrokEksportu::Faktury;
            if (w.blad.isEmpty())
                w.blad = bladFaktury;
        }
    }
    return w;
}

QString opisPrzerwania(const WynikEksportu& w)
{
    switch (w.przerwanyKrok) {
    case KrokEksportu::PlikEksportu:
        return QStringLiteral("Nie zapisano pliku eksportu: %1\nNic nie zostało zmienione: paczka jest nadal otwarta, "
                              "historia i faktury bez zmian.")
            .arg(w.blad);
    case KrokEksportu::Historia:
        return QStringLiteral("Nie dopisano przelewów do historii %1: %2\n")
                   .arg(QDir::toNativeSeparators(w.sciezkaHistorii), w.blad)
             + (w.sciezkaEksportu.isEmpty()
                    ? QStringLiteral("Plik eksportu usunięto - nic nie zostało zmienione: paczka jest nadal otwarta, "
                                     "faktury bez zmian.")
                    : QStringLiteral("Plik eksportu %1 został zapisany, ale nie dało się go usunąć - usuń go przed "
                                     "ponownym przeniesieniem. Paczka jest nadal otwarta, faktury bez zmian.")
                          .arg(QDir::toNativeSeparators(w.sciezkaEksportu)));
    case KrokEksportu::Zamkniecie:
        return QStringLiteral("Zapisano plik eksportu %1 i dopisano przelewy do historii, ale nie zamknięto paczki %2: "
                              "%3\nFaktury nie zostały oznaczone jako zapłacone.")
            .arg(QDir::toNativeSeparators(w.sciezkaEksportu), QDir::toNativeSeparators(w.sciezkaPaczki), w.blad);
    case KrokEksportu::Faktury: {
        QString t = QStringLiteral("Zapisano plik eksportu %1, dopisano przelewy do historii i zamknięto paczkę, ale "
                                   "nie oznaczono jako zapłacone faktur:\n")
                        .arg(QDir::toNativeSeparators(w.sciezkaEksportu));
        for (const QString& f : w.nieoznaczoneFaktury)
            t += QDir::toNativeSeparators(f) + QLatin1Char('\n');
        t += w.blad;
        return t;
    }
    case KrokEksportu::Koniec:
        break;
    }
    return {};
}

bool usunPlikEksportu(const QString& folder, const QString& nazwa, QString* blad)
{
    if (!zwyklaNazwa(nazwa)) {
        if (blad)
            *blad = QStringLiteral("Nie wskazano pliku paczki w Ecorponet.");
        return false;
    }
    QFile f(folderEksportu(folder) + QLatin1Char('/') + nazwa);
    if (!f.remove()) {
        if (blad)
            *blad = QStringLiteral("Nie można usunąć pliku %1: %2").arg(f.fileName(), f.errorString());
        return false;
    }
    return true;
}

QStringList plikiEksportu(const QString& folder)
{
    // Only the export files: whatever else lies there (a bank program's
    // notes, a work file) is not offered for deletion.
    return QDir(folderEksportu(folder))
        .entryList({QStringLiteral("*.TXT"), QStringLiteral("*.txt")}, QDir::Files, QDir::Name);
}

} // namespace remitto
