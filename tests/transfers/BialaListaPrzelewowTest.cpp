// Which transfers of 15 000,00 zł or more must be confirmed against the
// white list before they go into a package or out to the bank.
#include "transfers/BialaListaPrzelewow.h"

#include "Budowa.h"
#include "PlikPlaski.h"
#include "TempFolder.h"
#include "transfers/RodzajPrzelewu.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace remitto {
namespace {

using kontrahenci::BialaLista;
using W = kontrahenci::WynikBialejListy;

constexpr char kNipCzynny[] = "5260250274";
constexpr char kKontoCzynne[] = "61109010140000071219812874";
constexpr char kNipZwolniony[] = "7740001454";
constexpr char kKontoZwolnione[] = "27114020040000350230599137";
constexpr char kNipObcy[] = "1234563218";
constexpr char kKontoObce[] = "12345678901234567890123456";

Przelew przelew(const char* nip, const char* konto, const QString& kwota, Rodzaj r = Rodzaj::Przelew)
{
    return test::BudowaPrzelewu::pusty()
        .nip(QString::fromLatin1(nip))
        .konto(QString::fromLatin1(konto))
        .brutto(kwota)
        .kody(opisRodzaju(r).typZlec, opisRodzaju(r).typDok);
}

TEST(BialaListaPrzelewow, AsksForLargeTransfersNotOnTheListOfTheDay)
{
    test::TempFolder dir;
    dir.writeBytes(u"dzis.json"_s, test::plikPlaski("20261210", {{kNipCzynny, kKontoCzynne}},
                                                     {{kNipZwolniony, kKontoZwolnione}}));
    const BialaLista lista = BialaLista::otworz(dir.file(u"dzis.json"_s), dir.file(u"pamiec"_s), {}, nullptr);
    ASSERT_TRUE(lista.wczytana());
    const QDate dzis(2026, 12, 10);

    const QList<Przelew> przelewy = {
        przelew(kNipObcy, kKontoObce, u"15000,00"_s),                         // 0 asked
        przelew(kNipObcy, kKontoObce, u"14999,99"_s),                         // 1 under the limit
        przelew(kNipObcy, kKontoObce, u"15 000,01"_s, Rodzaj::Podzielona),    // 2 split payment
        przelew(kNipCzynny, kKontoCzynne, u"20000,00"_s),                     // 3 active
        przelew(kNipZwolniony, kKontoZwolnione, u"20000,00"_s),               // 4 exempt
        przelew("", kKontoCzynne, u"99000,00"_s, Rodzaj::Zlecenie),           // 5 no NIP: asked
        przelew(kNipCzynny, kKontoZwolnione, u"15000"_s),                     // 6 pair mixed: asked
        przelew(kNipObcy, kKontoObce, u"50000,00"_s, Rodzaj::ZUS),            // 7 social insurance
        przelew(kNipObcy, kKontoObce, u"nie kwota"_s),                        // 8 no amount
    };
    const DecyzjaBialejListy d = decyzjaBialejListy(przelewy, &lista, dzis);
    EXPECT_FALSE(d.brakPlikuDnia);
    const QList<PytanieBialejListy> oczekiwane = {{0, W::NieFiguruje}, {5, W::BrakNipLubKonta}, {6, W::NieFiguruje}};
    EXPECT_EQ(d.pytania, oczekiwane);

    // No file, or one of another day: no question, only the notice.
    for (const BialaLista* l : {static_cast<const BialaLista*>(nullptr), &lista}) {
        const DecyzjaBialejListy bez = decyzjaBialejListy(przelewy, l, l ? dzis.addDays(1) : dzis);
        EXPECT_TRUE(bez.brakPlikuDnia);
        EXPECT_TRUE(bez.pytania.isEmpty());
    }
    // Nothing large (or only exempt): nothing to say, whatever the file.
    const QList<Przelew> male = {przelewy[1], przelewy[2], przelewy[7]};
    EXPECT_FALSE(decyzjaBialejListy(male, nullptr, dzis).brakPlikuDnia);
    EXPECT_TRUE(decyzjaBialejListy(male, &lista, dzis).pytania.isEmpty());
}

} // namespace
} // namespace remitto
