#include "invoices/ListaZaplat.h"

#include "shop/ListaFaktur.h"

namespace remitto {

const QList<int>& kolumnyZaplaty()
{
    static const QList<int> k = {kol::Splacono, kol::DoSplaty, kol::DataSplaty, kol::Stan, kol::NrPaczki,
                                 kol::NrPrzelewu};
    return k;
}

void przenumerujZaplaty(QList<ZaplataListy>& lista, int od)
{
    const qsizetype kolumnaNumeru = kolumnyZaplaty().indexOf(kol::NrPrzelewu);
    for (qsizetype k = qMax(od, 0); k < lista.size(); ++k) {
        const QString nr = QString::number(k + 1);
        ZaplataListy& z = lista[k];
        while (z.po.size() <= kolumnaNumeru)
            z.po.append(QString());
        z.po[kolumnaNumeru] = nr;
        z.przelew.nrPrzel = nr;
    }
}

QList<int> przywrocZaplaty(QList<QStringList>& wiersze, const QList<ZaplataListy>& lista)
{
    QList<int> zmienione;
    for (int r = 0; r < wiersze.size(); ++r) {
        QStringList& w = wiersze[r];
        bool zmieniony = false;
        for (const ZaplataListy& z : lista) {
            if (w.value(kol::Plik) != z.plik)
                continue;
            for (int j = 0; j < kolumnyZaplaty().size(); ++j) {
                const int c = kolumnyZaplaty()[j];
                while (w.size() <= c)
                    w.append(QString());
                w[c] = z.po.value(j);
            }
            zmieniony = true;
        }
        if (zmieniony)
            zmienione.append(r);
    }
    return zmienione;
}

} // namespace remitto
