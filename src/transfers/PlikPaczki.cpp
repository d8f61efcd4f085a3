#include "transfers/PlikPaczki.h"

#include "core/Append.h"
#include "core/NazwaPliku.h"
#include "core/QuoteFormat.h"
#include "core/TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace remitto {

StanPaczki stanPaczki(const QString& status)
{
    if (status == kOtwarta)
        return StanPaczki::Otwarta;
    if (status == kZamknieta)
        return StanPaczki::Zamknieta;
    return StanPaczki::Inny;
}

QString tekstStanu(StanPaczki stan)
{
    switch (stan) {
    case StanPaczki::Otwarta:
        return kOtwarta;
    case StanPaczki::Zamknieta:
        return kZamknieta;
    case StanPaczki::Inny:
        break;
    }
    return {};
}

QString nrPaczkiTekst(int nr)
{
    return QStringLiteral("%1").arg(nr, 2, 10, QLatin1Char('0')).right(2);
}

QString folderPaczek(const QString& folder)
{
    return folder + QLatin1Char('/') + kFolderPaczek;
}

QString sciezkaPaczki(const QString& folder, int rok, int miesiac, int nr)
{
    return folderPaczek(folder) + QStringLiteral("/Paczka%1%2_%3.dta")
                                      .arg(rok, 4, 10, QLatin1Char('0'))
                                      .arg(miesiac, 2, 10, QLatin1Char('0'))
                                      .arg(nrPaczkiTekst(nr));
}

bool rozpoznajNazwePaczki(const QString& nazwaPliku, int* rok, int* miesiac, int* nr)
{
    static const QRegularExpression wzor(QStringLiteral("(\\d{4})(\\d{2})_(\\d{2})\\.[^./]*$"));
    const QRegularExpressionMatch m = wzor.match(QFileInfo(nazwaPliku).fileName());
    if (!m.hasMatch())
        return false;
    const int r = m.captured(1).toInt();
    const int mm = m.captured(2).toInt();
    const int n = m.captured(3).toInt();
    if (mm < 1 || mm > 12 || n < 1)
        return false;
    *rok = r;
    *miesiac = mm;
    *nr = n;
    return true;
}

namespace {

bool zapiszWartosciWLiniach(const QString& path, const QList<Przelew>& rekordy, QString* blad)
{
    QString tekst;
    for (const Przelew& r : rekordy)
        tekst += wartosciPrzelewuWLiniach(r);
    return rewriteTextFile(path, tekst, blad);
}

} // namespace

OdczytPaczki czytajPaczke(const QString& path)
{
    OdczytPaczki wynik;
    const FileText plik = readTextFile(path);
    if (!plik.ok) {
        wynik.stan = plik.missing ? OdczytPaczki::Brak : OdczytPaczki::Blad;
        wynik.blad = plik.error;
        return wynik;
    }
    QuoteReader czytnik(plik.text);
    const QStringList wartosci = czytnik.readAll();
    const bool cale = przelewyZWartosci(wartosci, &wynik.rekordy);
    if (czytnik.truncated()) {
        // The file ends inside a quoted value: its last record is torn.
        if (cale && !wynik.rekordy.isEmpty())
            wynik.rekordy.removeLast();
        wynik.stan = OdczytPaczki::Uszkodzona;
        wynik.blad = QStringLiteral("Plik %1 jest uszkodzony: urywa się w środku wartości.").arg(path);
        return wynik;
    }
    if (!cale) {
        wynik.stan = OdczytPaczki::Uszkodzona;
        wynik.blad = damagedFileMessage(path, kWartosciPrzelewu);
        return wynik;
    }
    wynik.stan = OdczytPaczki::Ok;
    return wynik;
}

WynikDopisania dopiszRekord(const QString& path, const Przelew& r, QString* blad)
{
    const QString tekst = liniaPrzelewu(r);
    QFile f(path);
    if (f.exists()) {
        const OdczytPaczki stary = czytajPaczke(path);
        if (stary.stan == OdczytPaczki::Uszkodzona) {
            if (blad)
                *blad = stary.blad;
            return WynikDopisania::UszkodzonyKoniec;
        }
        if (stary.stan != OdczytPaczki::Ok) {
            if (blad)
                *blad = stary.blad;
            return WynikDopisania::BladZapisu;
        }
    } else if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        if (blad)
            *blad = writeErrorMessage(path, QStringLiteral("nie można utworzyć folderu"));
        return WynikDopisania::BladZapisu;
    }
    // The crash-safe append: one write, a line end first where the last line
    // lacks one, and a torn tail found again right before writing.
    switch (appendRecords(path, kWartosciPrzelewu, tekst, blad)) {
    case AppendResult::Appended:
        return WynikDopisania::Dopisano;
    case AppendResult::TornTail:
        return WynikDopisania::UszkodzonyKoniec;
    case AppendResult::Failed:
        break;
    }
    return WynikDopisania::BladZapisu;
}

bool przytnijPaczke(const QString& path, QString* blad)
{
    const OdczytPaczki p = czytajPaczke(path);
    if (p.stan == OdczytPaczki::Ok)
        return true;
    if (p.stan != OdczytPaczki::Uszkodzona) {
        if (blad)
            *blad = p.blad;
        return false;
    }
    return zapiszWartosciWLiniach(path, p.rekordy, blad);
}

bool przepiszPaczke(const QString& path, QList<Przelew> rekordy, QString* blad)
{
    for (qsizetype i = 0; i < rekordy.size(); ++i)
        rekordy[i].nrPrzel = QString::number(i + 1);
    return zapiszWartosciWLiniach(path, rekordy, blad);
}

bool zapiszPaczke(const QString& path, const QList<Przelew>& rekordy, QString* blad)
{
    QString tekst;
    for (const Przelew& r : rekordy)
        tekst += liniaPrzelewu(r);
    return rewriteTextFile(path, tekst, blad);
}

bool utworzFolderyPaczek(const QString& folder, QString* blad)
{
    for (const QString& nazwa : {kFolderPaczek, kFolderEksportu}) {
        const QString p = folder + QLatin1Char('/') + nazwa;
        if (!QDir().mkpath(p)) {
            if (blad)
                *blad = writeErrorMessage(p, QStringLiteral("nie można utworzyć folderu"));
            return false;
        }
    }
    return true;
}

} // namespace remitto
