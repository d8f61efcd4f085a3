#include "transfers/PlikPaczki.h"

#include "core/QuoteFormat.h"
#include "core/TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace remitto {

QString nrPaczkiTekst(int nr)
{
    return QStringLiteral("%1").arg(nr, 2, 10, QLatin1Char('0')).right(2);
}

QString folderPaczek(const QString& folder)
{
    return folder + QStringLiteral("/Paczki");
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

void dopiszWartosci(QuoteWriter& w, const RekordPaczki& r, bool kazdaWLinii)
{
    for (int i = 0; i < Pole::Liczba; ++i) {
        const QString v = i < r.size() ? r[i] : QString();
        if (i == Pole::KwDoSplaty || i == Pole::NrPrzel) {
            if (v.trimmed().isEmpty())
                w.empty();
            else
                w.number(v);
        } else {
            w.text(v);
        }
        if (kazdaWLinii)
            w.endLine();
    }
    if (!kazdaWLinii)
        w.endLine();
}

} // namespace

QString liniaRekordu(const RekordPaczki& r)
{
    QuoteWriter w;
    dopiszWartosci(w, r, false);
    return w.result();
}

QString wartosciNaLinie(const QList<RekordPaczki>& rekordy)
{
    QuoteWriter w;
    for (const RekordPaczki& r : rekordy)
        dopiszWartosci(w, r, true);
    return w.result();
}

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
    const bool cale = splitRecords(wartosci, Pole::Liczba, &wynik.rekordy);
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
        wynik.blad = damagedFileMessage(path, Pole::Liczba);
        return wynik;
    }
    wynik.stan = OdczytPaczki::Ok;
    return wynik;
}

WynikDopisania dopiszRekord(const QString& path, const RekordPaczki& r, QString* blad)
{
    QString tekst = liniaRekordu(r);
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
        // The last line of a file written by hand may lack its line end.
        if (f.open(QIODevice::ReadOnly) && f.size() > 0) {
            f.seek(f.size() - 1);
            char c = 0;
            if (f.getChar(&c) && c != '\n' && c != '\r')
                tekst.prepend(QStringLiteral("\r\n"));
        }
        f.close();
    } else if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        if (blad)
            *blad = writeErrorMessage(path, QStringLiteral("nie można utworzyć folderu"));
        return WynikDopisania::BladZapisu;
    }
    return appendTextFile(path, tekst, blad) ? WynikDopisania::Dopisano : WynikDopisania::BladZapisu;
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
    return rewriteTextFile(path, wartosciNaLinie(p.rekordy), blad);
}

bool przepiszPaczke(const QString& path, QList<RekordPaczki> rekordy, QString* blad)
{
    for (qsizetype i = 0; i < rekordy.size(); ++i) {
        while (rekordy[i].size() < Pole::Liczba)
            rekordy[i].append(QString());
        rekordy[i][Pole::NrPrzel] = QString::number(i + 1);
    }
    return rewriteTextFile(path, wartosciNaLinie(rekordy), blad);
}

bool zapiszPaczke(const QString& path, const QList<RekordPaczki>& rekordy, QString* blad)
{
    QString tekst;
    for (const RekordPaczki& r : rekordy)
        tekst += liniaRekordu(r);
    return rewriteTextFile(path, tekst, blad);
}

bool utworzFolderyPaczek(const QString& folder, QString* blad)
{
    for (const QString& nazwa : {QStringLiteral("Paczki"), QStringLiteral("DoECorponet")}) {
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
