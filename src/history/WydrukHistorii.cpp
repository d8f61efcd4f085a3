#include "history/WydrukHistorii.h"

#include "history/Historia.h"

namespace remitto {

namespace {

const QString kSeparator = QStringLiteral(
    "!----!----------!--------!--------------!---------------------------!-------------------------------!");
const QString kNaglowek = QStringLiteral(
    "!Lp. !Data      ! skrót  !  Kwota       !   Numer konta bankowego   ! Tytuł przelewu                !");
const QString kKoniecTabeli = QStringLiteral(
    "!------------------------!--------------!---------------------------!-------------------------------!");
constexpr int kPunkty = 8;

// Right-aligned in n characters: the last n of n blanks and the text.
QString wPrawo(const QString& t, int n)
{
    return (QString(n, QLatin1Char(' ')) + t).right(n);
}

// Padded to n: the first n of the text and n blanks.
QString wLewo(const QString& t, int n)
{
    return (t + QString(n, QLatin1Char(' '))).left(n);
}

QString dataWydruku(const QString& dataDzis)
{
    QString d = dataDzis;
    return d.replace(QLatin1Char('-'), QLatin1Char(','));
}

} // namespace

PrintJob wydrukHistorii(const PlikHistorii& plik, const std::vector<int>& rekordy, const OpisWydruku& opis)
{
    PrintJob job(opis.pogrubiony, PrintJob::Orientation::Landscape);
    QString tytul = QStringLiteral(" Zestawienie wysłanych przelewów ");
    const QString skrot = opis.skrot.trimmed();
    if (skrot.toUpper().left(8) != QLatin1String("WSZYSTKI"))
        tytul += QStringLiteral(" dla ") + skrot;
    if (!opis.odDaty.trimmed().isEmpty() || !opis.doDaty.trimmed().isEmpty())
        tytul += QStringLiteral(" razem") + QStringLiteral(" od ") + opis.odDaty.trimmed() + QStringLiteral(" do ") +
                 opis.doDaty.trimmed();
    job.line(tytul, kPunkty + 2);
    auto naglowekTabeli = [&] {
        job.line(kSeparator, kPunkty).line(kNaglowek, kPunkty).line(kSeparator, kPunkty);
    };
    naglowekTabeli();

    const UkladHistorii& u = plik.uklad();
    int naStronie = 0;
    int lp = 0;
    for (int r : rekordy) {
        if (naStronie == kLiniiNaStronie) {
            job.endPage();
            naglowekTabeli();
            naStronie = 0;
        }
        ++lp;
        job.line(QStringLiteral("!") + wPrawo(QString::number(lp), 4) + QStringLiteral("!") +
                     wLewo(plik.wartosc(r, u.data), 10) + QStringLiteral("!") + wLewo(plik.wartosc(r, u.skrot), 8) +
                     QStringLiteral("!") + wPrawo(kwotaGrupowana(plik.kwota(r)), 14) + QStringLiteral("!") +
                     wLewo(plik.wartosc(r, u.konto), 27) + QStringLiteral("!") + wLewo(plik.wartosc(r, u.tytul), 70) +
                     QStringLiteral("!"),
                 kPunkty);
        job.line(kSeparator, kPunkty);
        naStronie += 2;
    }
    job.line(kSeparator, kPunkty);
    job.line(QStringLiteral("! Razem                  !") + wPrawo(kwotaGrupowana(sumaKwot(plik, rekordy)), 14) +
                 QStringLiteral("|"),
             kPunkty);
    job.line(kKoniecTabeli, kPunkty);
    job.gap(kPunkty).gap(kPunkty);
    job.line(QStringLiteral(" Sporządził : ......................   Data ") + dataWydruku(opis.dataDzis), kPunkty);
    job.endPage();
    return job;
}

} // namespace remitto
