#include "invoices/ListaZaplat.h"

#include "shop/ListaFaktur.h"

#include <gtest/gtest.h>

using namespace remitto;
using namespace Qt::StringLiterals;

namespace {

QStringList wierszFaktury(const QString& plik, const QString& stan)
{
    QStringList w(kol::Liczba);
    w[kol::Plik] = plik;
    w[kol::Stan] = stan;
    return w;
}

ZaplataListy zaplata(const QString& plik, const QString& nrPrzelewu)
{
    ZaplataListy z;
    z.plik = plik;
    z.po = {u"10,00"_s, u"0,00"_s, u"10-12-2026"_s, u"Spłacono"_s, u"03"_s, nrPrzelewu};
    z.przed = {u"0,00"_s, u"10,00"_s, QString(), u"Nie"_s, QString(), QString()};
    z.przelew.nrPrzel = nrPrzelewu;
    return z;
}

} // namespace

TEST(ListaZaplat, PaymentsAfterARemovedOneMoveUpOnePlace)
{
    struct Przypadek {
        int usuniety;
        QStringList numery;  // the transfer numbers left, in list order
    };
    for (const Przypadek& p : {Przypadek{0, {u"1"_s, u"2"_s}}, Przypadek{1, {u"1"_s, u"2"_s}},
                               Przypadek{2, {u"1"_s, u"2"_s}}}) {
        QList<ZaplataListy> lista = {zaplata(u"a"_s, u"1"_s), zaplata(u"b"_s, u"2"_s), zaplata(u"c"_s, u"3"_s)};
        lista.removeAt(p.usuniety);
        przenumerujZaplaty(lista, p.usuniety);
        for (int k = 0; k < lista.size(); ++k) {
            EXPECT_EQ(lista[k].przelew.nrPrzel, p.numery[k]) << p.usuniety;
            EXPECT_EQ(lista[k].po.last(), p.numery[k]) << p.usuniety;
            EXPECT_EQ(lista[k].po.first(), u"10,00"_s);  // the other columns stay
        }
    }
}

TEST(ListaZaplat, PaymentsComeBackOnTheRowsOfTheirInvoiceFile)
{
    QList<QStringList> wiersze = {wierszFaktury(u"/k/Fz1.dat"_s, u"Nie"_s), wierszFaktury(u"/k/Fz2.dat"_s, u"Nie"_s),
                                  wierszFaktury(u"/k/Fz1.dat"_s, u"Nie"_s), {u"krótki"_s}};
    const QList<ZaplataListy> lista = {zaplata(u"/k/Fz1.dat"_s, u"1"_s), zaplata(u"/k/Fz9.dat"_s, u"2"_s)};
    EXPECT_EQ(przywrocZaplaty(wiersze, lista), (QList<int>{0, 2}));
    for (int r : {0, 2}) {
        EXPECT_EQ(wiersze[r][kol::Stan], u"Spłacono"_s);
        EXPECT_EQ(wiersze[r][kol::NrPaczki], u"03"_s);
        EXPECT_EQ(wiersze[r][kol::NrPrzelewu], u"1"_s);
    }
    EXPECT_EQ(wiersze[1], wierszFaktury(u"/k/Fz2.dat"_s, u"Nie"_s));
    EXPECT_EQ(wiersze[3], QStringList{u"krótki"_s});
    EXPECT_TRUE(przywrocZaplaty(wiersze, {}).isEmpty());
}
