#include "transfers/BialaListaPrzelewow.h"

#include "core/Amount.h"
#include "transfers/RodzajPrzelewu.h"

namespace remitto {

namespace {

bool tegoRodzaju(const Przelew& p, Rodzaj r)
{
    const OpisRodzaju& o = opisRodzaju(r);
    return p.typZlec.trimmed() == o.typZlec && p.typDok.trimmed() == o.typDok;
}

} // namespace

bool podlegaBialejLiscie(const Przelew& p)
{
    if (tegoRodzaju(p, Rodzaj::Podzielona) || tegoRodzaju(p, Rodzaj::Skarbowy) || tegoRodzaju(p, Rodzaj::ZUS)
        || tegoRodzaju(p, Rodzaj::Wplata))
        return false;
    const std::optional<qint64> kwota = parseAmount(p.splacono.trimmed());
    return kwota && *kwota >= kProgBialejListy;
}

DecyzjaBialejListy decyzjaBialejListy(const QList<Przelew>& przelewy, const kontrahenci::BialaLista* lista,
                                      const QDate& dzien)
{
    using kontrahenci::WynikBialejListy;
    DecyzjaBialejListy d;
    QList<qsizetype> doSprawdzenia;
    QList<std::pair<QString, QString>> pary;
    for (qsizetype i = 0; i < przelewy.size(); ++i) {
        if (podlegaBialejLiscie(przelewy[i])) {
            doSprawdzenia.append(i);
            pary.append({przelewy[i].nip, przelewy[i].konto});
        }
    }
    if (doSprawdzenia.isEmpty())
        return d;
    if (!lista || !lista->wczytana() || lista->data() != dzien) {
        d.brakPlikuDnia = true;
        return d;
    }
    const QList<WynikBialejListy> wyniki = lista->sprawdz(pary);
    for (qsizetype j = 0; j < wyniki.size(); ++j) {
        if (wyniki[j] != WynikBialejListy::Czynny && wyniki[j] != WynikBialejListy::Zwolniony)
            d.pytania.append({doSprawdzenia[j], wyniki[j]});
    }
    return d;
}

} // namespace remitto
