#include "contractors/RaportBialejListy.h"

#include "core/TextFile.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace remitto::kontrahenci {

namespace {

const QString kKluczPliku = QStringLiteral("bialaLista/plik");
constexpr int kPunkty = 8;
constexpr int kLiniiNaStronie = 60;

QString doRaportu(const QByteArray& sprawdzone, const QString& zapisane)
{
    return sprawdzone.isEmpty() ? zapisane.trimmed() : QString::fromLatin1(sprawdzone);
}

QString wLewo(const QString& t, int n) { return (t + QString(n, QLatin1Char(' '))).left(n); }
QString wPrawo(const QString& t, int n) { return (QString(n, QLatin1Char(' ')) + t).right(n); }

} // namespace

QList<Kontrahent> kontrahenciDoSprawdzenia(const QList<Kontrahent>& lista)
{
    QList<Kontrahent> wynik;
    for (const Kontrahent& k : lista) {
        if (!k[NipKontr].trimmed().isEmpty() || !k[NrRachunku1K].trimmed().isEmpty())
            wynik.append(k);
    }
    return wynik;
}

QList<PozycjaRaportu> sprawdzKontrahentow(const BialaLista& lista, const QList<Kontrahent>& kontrahenci,
                                          const std::function<bool(qint64, qint64)>& postep, bool* przerwano)
{
    QList<std::pair<QString, QString>> pary;
    pary.reserve(kontrahenci.size());
    for (const Kontrahent& k : kontrahenci)
        pary.append({k[NipKontr], k[NrRachunku1K]});
    bool stop = false;
    const QList<WynikBialejListy> wyniki = lista.sprawdz(pary, postep, &stop);
    if (przerwano)
        *przerwano = stop;
    if (stop)
        return {};
    QList<PozycjaRaportu> pozycje;
    pozycje.reserve(kontrahenci.size());
    for (qsizetype i = 0; i < kontrahenci.size(); ++i) {
        const Kontrahent& k = kontrahenci[i];
        const QByteArray konto = kontoDoSprawdzenia(k[NrRachunku1K]);
        pozycje.append({k[SkrotK].trimmed(),
                        (k[NazwaKontrahenta].trimmed() + QLatin1Char(' ') + k[ImieKontrahenta].trimmed()).trimmed(),
                        doRaportu(nipDoSprawdzenia(k[NipKontr]), k[NipKontr]),
                        doRaportu(konto.size() == 26 ? konto : QByteArray(), k[NrRachunku1K]), wyniki[i]});
    }
    return pozycje;
}

QString tekstRaportu(const RaportBialejListy& r)
{
    const QString crlf = QStringLiteral("\r\n");
    QString t = QStringLiteral("Biała lista podatników VAT - sprawdzenie kontrahentów") + crlf;
    t += QStringLiteral("Data pliku płaskiego: ") + QString::fromLatin1(r.dataPliku) + crlf;
    t += QStringLiteral("Plik płaski: ") + QDir::toNativeSeparators(r.plik) + crlf;
    t += QStringLiteral("Sprawdzono: ") + r.sprawdzono + crlf;
    t += QStringLiteral("NIP;konto;wynik;skrót;nazwa") + crlf;
    for (const PozycjaRaportu& p : r.pozycje)
        t += p.nip + QLatin1Char(';') + p.konto + QLatin1Char(';') + opisWyniku(p.wynik) + QLatin1Char(';') + p.skrot
             + QLatin1Char(';') + p.nazwa + crlf;
    return t;
}

QString sciezkaRaportu(const QString& folderDanych, const QByteArray& dataPliku)
{
    return folderDanych + QStringLiteral("/BialaLista/") + QString::fromLatin1(dataPliku) + QStringLiteral(".txt");
}

bool zapiszRaport(const QString& folderDanych, const RaportBialejListy& r, QString* sciezka, QString* blad)
{
    const QString s = sciezkaRaportu(folderDanych, r.dataPliku);
    if (sciezka)
        *sciezka = s;
    const QString folder = QFileInfo(s).path();
    if (!QDir().mkpath(folder)) {
        if (blad)
            *blad = writeErrorMessage(folder, QStringLiteral("nie można utworzyć folderu"));
        return false;
    }
    return rewriteTextFile(s, tekstRaportu(r), blad);
}

PrintJob wydrukRaportu(const RaportBialejListy& r, bool pogrubiony)
{
    PrintJob job(pogrubiony);
    const QString separator = QStringLiteral("!-----!----------!------------!----------------------------!----------------!");
    const QString naglowek = QStringLiteral("! Lp. ! Skrót    ! NIP        ! Numer konta                ! Wynik          !");
    job.line(QStringLiteral(" Biała lista podatników VAT - sprawdzenie kontrahentów"), kPunkty + 2);
    job.line(QStringLiteral(" Plik płaski z dnia ") + QString::fromLatin1(r.dataPliku) + QStringLiteral(": ")
                 + QFileInfo(r.plik).fileName() + QStringLiteral(", sprawdzono ") + r.sprawdzono,
             kPunkty);
    auto tabela = [&] { job.line(separator, kPunkty).line(naglowek, kPunkty).line(separator, kPunkty); };
    tabela();
    int naStronie = 0;
    int lp = 0;
    QList<int> ile(5, 0);
    for (const PozycjaRaportu& p : r.pozycje) {
        if (naStronie == kLiniiNaStronie) {
            job.line(separator, kPunkty).endPage();
            tabela();
            naStronie = 0;
        }
        ++lp;
        ++ile[int(p.wynik)];
        job.line(QStringLiteral("!") + wPrawo(QString::number(lp), 4) + QStringLiteral(" ! ") + wLewo(p.skrot, 8)
                     + QStringLiteral(" ! ") + wLewo(p.nip, 10) + QStringLiteral(" ! ") + wLewo(p.konto, 26)
                     + QStringLiteral(" ! ") + wLewo(opisWyniku(p.wynik), 14) + QStringLiteral(" !"),
                 kPunkty);
        ++naStronie;
    }
    job.line(separator, kPunkty);
    job.gap(kPunkty);
    for (const WynikBialejListy w : {WynikBialejListy::Czynny, WynikBialejListy::Zwolniony,
                                     WynikBialejListy::NieFiguruje, WynikBialejListy::BrakNipLubKonta,
                                     WynikBialejListy::KontoNiepelne})
        job.line(QStringLiteral(" ") + wLewo(opisWyniku(w) + QLatin1Char(':'), 20) + QString::number(ile[int(w)]),
                 kPunkty);
    job.endPage();
    return job;
}

QString zapamietanyPlikBialejListy(const QSettings& settings)
{
    return settings.value(kKluczPliku).toString();
}

void zapamietajPlikBialejListy(QSettings& settings, const QString& plik)
{
    settings.setValue(kKluczPliku, plik);
}

} // namespace remitto::kontrahenci
