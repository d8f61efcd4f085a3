#include "statements/RaportWyciagu.h"

#include "core/Amount.h"
#include "core/TextFile.h"
#include "history/Historia.h"

#include <QDir>
#include <QFileInfo>

namespace remitto {

namespace {

constexpr int kPunkty = 7;
constexpr int kLiniiNaStronie = 60;
constexpr RodzajUzgodnienia kRodzaje[] = {RodzajUzgodnienia::Zaksiegowany, RodzajUzgodnienia::InnaKwota,
                                          RodzajUzgodnienia::BrakWHistorii, RodzajUzgodnienia::Niezaksiegowany};

QString wLewo(const QString& t, int n) { return (t + QString(n, QLatin1Char(' '))).left(n); }
QString wPrawo(const QString& t, int n) { return (QString(n, QLatin1Char(' ')) + t).right(n); }


QString opisWyciagu(const Wyciag& w)
{
    return QStringLiteral("Wyciąg %1 nr %2, rachunek %3, od %4 do %5, saldo %6 - %7 %8 (%9)")
        .arg(w.referencja, w.numer, w.rachunekCyfry(), dataZKlucza(w.kluczOtwarcia), dataZKlucza(w.kluczZamkniecia),
             formatAmount(w.saldoOtwarcia), formatAmount(w.saldoZamkniecia), w.waluta,
             QFileInfo(w.plik).fileName());
}

QString bezSrednikow(QString t)
{
    return t.replace(QLatin1Char(';'), QLatin1Char(',')).replace(QLatin1Char('\n'), QLatin1Char(' '));
}

} // namespace

qint64 kwotaWyniku(const WynikUzgodnienia& w)
{
    return w.maOperacje ? w.kwotaWyciagu : w.kwotaRekordu;
}

PodsumowanieUzgodnienia podsumuj(const std::vector<WynikUzgodnienia>& wyniki)
{
    PodsumowanieUzgodnienia p;
    for (const WynikUzgodnienia& w : wyniki) {
        ++p.ile[size_t(w.rodzaj)];
        p.suma[size_t(w.rodzaj)] += kwotaWyniku(w);
    }
    return p;
}

QString sciezkaRaportuWyciagu(const QString& folderDanych, const std::vector<Wyciag>& wyciagi)
{
    int klucz = 0;
    QString referencja;
    if (!wyciagi.empty()) {
        klucz = wyciagi.back().kluczZamkniecia;
        referencja = wyciagi.front().referencja;
    }
    QString nazwa;
    for (QChar c : referencja)
        nazwa += (c.isLetterOrNumber() && c.unicode() < 128) || c == QLatin1Char('-') ? c : QLatin1Char('_');
    if (nazwa.isEmpty())
        nazwa = QStringLiteral("wyciag");
    return QDir(folderDanych).filePath(QStringLiteral("Wyciagi/%1_%2.txt").arg(klucz, 8, 10, QLatin1Char('0')).arg(nazwa));
}

QString tekstRaportuWyciagu(const Uzgodnienie& u, const QString& kiedy)
{
    const QString crlf = QStringLiteral("\r\n");
    QString t = QStringLiteral("Uzgodnienie wyciągu bankowego z historią przelewów, ") + kiedy + crlf;
    for (const Wyciag& w : u.wyciagi)
        t += opisWyciagu(w) + crlf;
    t += QStringLiteral("wynik;data;kwota wyciągu;kwota przelewu;konto;nazwa;tytuł;wiersz;pozycja") + crlf;
    for (const WynikUzgodnienia& w : u.wyniki) {
        t += slowoUzgodnienia(w.rodzaj) + QLatin1Char(';') + dataZKlucza(w.kluczDaty) + QLatin1Char(';')
             + (w.maOperacje ? formatAmount(w.kwotaWyciagu) : QString()) + QLatin1Char(';')
             + (w.maRekord ? formatAmount(w.kwotaRekordu) : QString()) + QLatin1Char(';') + w.konto
             + QLatin1Char(';') + bezSrednikow(w.nazwa) + QLatin1Char(';') + bezSrednikow(w.tytul) + QLatin1Char(';')
             + (w.linia > 0 ? QString::number(w.linia) : QStringLiteral("-")) + QLatin1Char(';')
             + (w.rekord >= 0 ? QString::number(w.rekord + 1) : QStringLiteral("-")) + crlf;
    }
    const PodsumowanieUzgodnienia p = podsumuj(u.wyniki);
    for (RodzajUzgodnienia r : kRodzaje)
        t += slowoUzgodnienia(r) + QLatin1Char(';') + QString::number(p.ile[size_t(r)]) + QLatin1Char(';')
             + formatAmount(p.suma[size_t(r)]) + crlf;
    return t;
}

bool zapiszRaportWyciagu(const QString& folderDanych, const Uzgodnienie& u, const QString& kiedy, QString* sciezka,
                         QString* blad)
{
    const QString plik = sciezkaRaportuWyciagu(folderDanych, u.wyciagi);
    if (sciezka)
        *sciezka = plik;
    const QString folder = QFileInfo(plik).absolutePath();
    if (!QDir().mkpath(folder)) {
        if (blad)
            *blad = writeErrorMessage(folder, QStringLiteral("nie można utworzyć folderu"));
        return false;
    }
    return rewriteFile(plik, toCp1250(tekstRaportuWyciagu(u, kiedy)), blad);
}

PrintJob wydrukUzgodnienia(const Uzgodnienie& u, bool pogrubiony)
{
    PrintJob job(pogrubiony, PrintJob::Orientation::Landscape);
    const QString separator = QStringLiteral(
        "!-----!-----------------!------------!--------------!--------------!----------------------------!"
        "----------------------------------!");
    const QString naglowek = QStringLiteral(
        "! Lp. ! Wynik           ! Data       ! Kwota wyciągu! Kwota przelew! Konto                      !"
        " Nazwa / tytuł                    !");
    job.line(QStringLiteral(" Uzgodnienie wyciągu bankowego (MT940) z historią wysłanych przelewów"), kPunkty + 2);
    for (const Wyciag& w : u.wyciagi)
        job.line(QLatin1Char(' ') + opisWyciagu(w), kPunkty);
    auto tabela = [&] { job.line(separator, kPunkty).line(naglowek, kPunkty).line(separator, kPunkty); };
    tabela();
    int naStronie = 0, lp = 0;
    for (const WynikUzgodnienia& w : u.wyniki) {
        if (naStronie == kLiniiNaStronie) {
            job.line(separator, kPunkty).endPage();
            tabela();
            naStronie = 0;
        }
        ++lp;
        const QString opis = w.nazwa.isEmpty() ? w.tytul : w.nazwa + QStringLiteral(" / ") + w.tytul;
        job.line(QStringLiteral("!") + wPrawo(QString::number(lp), 4) + QStringLiteral(" ! ")
                     + wLewo(slowoUzgodnienia(w.rodzaj), 15) + QStringLiteral(" ! ") + wLewo(dataZKlucza(w.kluczDaty), 10)
                     + QStringLiteral(" !") + wPrawo(w.maOperacje ? kwotaGrupowana(w.kwotaWyciagu) : QString(), 13)
                     + QStringLiteral(" !") + wPrawo(w.maRekord ? kwotaGrupowana(w.kwotaRekordu) : QString(), 13)
                     + QStringLiteral(" ! ") + wLewo(w.konto, 26) + QStringLiteral(" ! ") + wLewo(opis, 32)
                     + QStringLiteral(" !"),
                 kPunkty);
        ++naStronie;
    }
    job.line(separator, kPunkty);
    job.gap(kPunkty);
    const PodsumowanieUzgodnienia p = podsumuj(u.wyniki);
    for (RodzajUzgodnienia r : kRodzaje)
        job.line(QLatin1Char(' ') + wLewo(slowoUzgodnienia(r) + QLatin1Char(':'), 18)
                     + wPrawo(QString::number(p.ile[size_t(r)]), 6) + wPrawo(kwotaGrupowana(p.suma[size_t(r)]), 16),
                 kPunkty);
    job.endPage();
    return job;
}

} // namespace remitto
