#include "transfers/LiniaEksportu.h"

#include "core/NazwaPliku.h"

#include "core/Nrb.h"
#include "core/QuoteFormat.h"
#include "core/modZmiene.h"

namespace remitto {

std::optional<KodyEksportu> kodyEksportu(Rodzaj r)
{
    if (r == Rodzaj::Wplata)
        return std::nullopt;
    const OpisRodzaju& opis = opisRodzaju(r);
    KodyEksportu k;
    k.typZlec = opis.typZlec;
    k.typDok = opis.typDok;
    k.bankOdbiorcy = r == Rodzaj::ZUS ? kBankZUS : QStringLiteral("0");
    k.tytulWCalosci = r == Rodzaj::Skarbowy || r == Rodzaj::Podzielona;
    return k;
}

QString wielkieLitery(const QString& tekst)
{
    // QString::toUpper() maps "ß" to "SS" and would shift the fields behind
    // it; the simple mapping of each letter keeps every position.
    QString wynik = tekst;
    for (QChar& c : wynik)
        if (!c.isSurrogate())
            c = c.toUpper();
    return wynik;
}

QString tytulEksportu(const QString& tytul, bool wCalosci)
{
    QString t = wielkieLitery(ZamienCudzyslow(tytul)).left(105);
    t = t.leftJustified(105, QLatin1Char(' '));
    if (wCalosci)
        return t;
    return t.left(35) + QLatin1Char('|') + t.mid(35, 35) + QLatin1Char('|') + t.mid(70, 35);
}

QString kwotaEksportu(qint64 grosze)
{
    return QStringLiteral("%1").arg(grosze, 17, 10, QLatin1Char('0'));
}

QString odbiorcaEksportu(const Przelew& p)
{
    const QChar sp = QLatin1Char(' ');
    return p.nazwaKontrahenta + QLatin1Char('|') + p.imieKontrahenta + QLatin1Char('|') + p.kod + sp + p.adres + sp
         + p.ulica + sp + p.nrDomu;
}

QString liniaEksportu(const Przelew& p, qint64 grosze, const KodyEksportu& kody, const NadawcaEksportu& nadawca,
                      const QDate& data)
{
    QuoteWriter w;
    w.number(kody.typZlec)
        .number(data.toString(QStringLiteral("yyyyMMdd")))
        .number(kwotaEksportu(grosze))
        .number(kBankNadawcy)
        .number(QStringLiteral("0"))
        .text(KontoBezOdstepow(nadawca.konto))
        .text(p.konto.trimmed())
        .text(nadawca.dane)
        .text(odbiorcaEksportu(p))
        .number(QStringLiteral("0"))
        .number(kody.bankOdbiorcy)
        .text(tytulEksportu(p.tytulem, kody.tytulWCalosci))
        .text(QString())
        .text(QString())
        .text(kody.typDok)
        .endLine();
    return w.result();
}

bool kontoDoEksportu(const QString& konto)
{
    return konto.size() == 26 && sprawdzNrb(konto) == StanNrb::Poprawny;
}

QString folderEksportu(const QString& folder)
{
    return folder + QLatin1Char('/') + kFolderEksportu;
}

QString nazwaPlikuEksportu(const QString& skrotFirmy, int rok, int miesiac, int nr)
{
    return skrotFirmy
         + QStringLiteral("%1%2_%3.TXT")
               .arg(rok, 4, 10, QLatin1Char('0'))
               .arg(miesiac, 2, 10, QLatin1Char('0'))
               .arg(nr, 2, 10, QLatin1Char('0'));
}

QString sciezkaHistorii(const QString& folder, const QString& skrotFirmy)
{
    if (!bladSkrotuFirmy(skrotFirmy).isEmpty())
        return {};
    return folder + QLatin1Char('/') + skrotFirmy + QStringLiteral(".dat");
}

} // namespace remitto
