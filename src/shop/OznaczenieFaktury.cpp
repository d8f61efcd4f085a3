#include "shop/OznaczenieFaktury.h"

#include "core/Amount.h"
#include "core/TextFile.h"
#include "shop/PlikiKramix.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace remitto {

std::optional<QString> znacznikZaplaty(int nrPaczki, qint64 grosze, const QDate& data)
{
    QString kwota = formatAmount(grosze);
    // Amounts of ten million and more lose their grosze: the whole zloty
    // part still fits and reads back as a number.
    if (kwota.size() > 10 && grosze >= 0)
        kwota = QString::number(grosze / 100);
    if (kwota.size() > 10 || grosze < 0 || nrPaczki < 0 || nrPaczki > 99)
        return std::nullopt;
    return QStringLiteral("%1").arg(nrPaczki, 2, 10, QLatin1Char('0')) + kwota.rightJustified(10, QLatin1Char(' '))
         + data.toString(QStringLiteral("yyyyMMdd")).leftJustified(10, QLatin1Char(' '));
}

FakturaDoOznaczenia sprawdzFakture(const QString& sciezkaKramix, const QString& folderFirmy, const QString& nazwa)
{
    FakturaDoOznaczenia f;
    if (!czyNazwaFaktury(nazwa)) {
        f.stan = FakturaDoOznaczenia::Stan::ZlaNazwa;
        return f;
    }
    DrzewoKramix drzewo(sciezkaKramix, folderFirmy);
    f.sciezka = drzewo.znajdzFakture(nazwa);
    if (f.sciezka.isEmpty()) {
        f.sciezka = drzewo.oczekiwanyFolderFirmy() + QStringLiteral("/Faktury/") + nazwa;
        f.stan = FakturaDoOznaczenia::Stan::Brak;
        return f;
    }
    if (QFileInfo(f.sciezka).isDir()) {
        f.stan = FakturaDoOznaczenia::Stan::Folder;
        return f;
    }
    WartosciPliku w;
    if (!w.wczytaj(f.sciezka)) {
        f.stan = FakturaDoOznaczenia::Stan::Brak;
        return f;
    }
    const ZnacznikZaplaty z = odczytajZnacznik(w.tekst(0));
    f.powod = sprawdzWartosciFaktury(w, z);
    f.zaplaconoWczesniej = z.kwota;
    f.stan = f.powod.isEmpty() ? FakturaDoOznaczenia::Stan::Ok : FakturaDoOznaczenia::Stan::Uszkodzona;
    return f;
}

QString komunikatFolderu(const QString& sciezka)
{
    return QStringLiteral("%1 jest folderem, nie plikiem faktury.").arg(QDir::toNativeSeparators(sciezka));
}

std::optional<QByteArray> zZnacznikiem(const QByteArray& bajty, const QString& znacznik)
{
    WartosciPliku w;
    w.bajty = bajty;
    w.podziel();
    if (w.urwany || w.liczba() < kWartosciNaglowka)
        return std::nullopt;
    const Wycinek& pierwsza = w.wartosci.front();
    qsizetype od = pierwsza.poczatek;
    qsizetype ile = pierwsza.dlugosc;
    // A quoted value is replaced with its quotes; a bare one (a mark never
    // set, written as nothing) only where it stands.
    if (od > 0 && bajty[od - 1] == '"') {
        --od;
        ile += 2;
    }
    QByteArray wynik = bajty;
    wynik.replace(od, ile, '"' + toCp1250(znacznik) + '"');
    return wynik;
}

bool oznaczFakture(const QString& sciezka, const QString& znacznik, QString* blad)
{
    QFile plik(sciezka);
    if (!plik.open(QIODevice::ReadOnly)) {
        if (blad)
            *blad = QStringLiteral("Nie można odczytać pliku %1: %2").arg(sciezka, plik.errorString());
        return false;
    }
    const std::optional<QByteArray> nowe = zZnacznikiem(plik.readAll(), znacznik);
    plik.close();
    if (!nowe) {
        if (blad)
            *blad = QStringLiteral("Plik %1 nie ma nagłówka faktury.").arg(sciezka);
        return false;
    }
    return rewriteFile(sciezka, *nowe, blad);
}

} // namespace remitto
