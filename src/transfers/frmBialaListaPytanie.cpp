#include "transfers/frmBialaListaPytanie.h"

#include "contractors/RaportBialejListy.h"
#include "contractors/frmBialaListaPostep.h"
#include "core/Session.h"
#include "transfers/BialaListaPrzelewow.h"
#include "ui/Dialogs.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include <algorithm>

namespace remitto {

namespace {

const QString kTytul = QStringLiteral("Biała lista VAT");

} // namespace

QString plikBialejListyDnia(const QString& wybrany, const QDate& dzien)
{
    if (wybrany.isEmpty() || !dzien.isValid())
        return {};
    if (QFileInfo(wybrany).isFile() && kontrahenci::dataPlikuPlaskiego(wybrany) == dzien)
        return wybrany;
    const QDir folder = QFileInfo(wybrany).dir();
    for (const QString& rozszerzenie : {QStringLiteral(".7z"), QStringLiteral(".json")}) {
        const QString obok = folder.filePath(dzien.toString(QStringLiteral("yyyyMMdd")) + rozszerzenie);
        if (obok != wybrany && QFileInfo(obok).isFile() && kontrahenci::dataPlikuPlaskiego(obok) == dzien)
            return obok;
    }
    return {};
}

bool potwierdzBialaLista(Session& s, Dialogs& d, const QList<Przelew>& przelewy, QWidget* parent)
{
    if (std::none_of(przelewy.begin(), przelewy.end(), podlegaBialejLiscie))
        return true;

    const QDate dzien = s.dzis();
    const QString plik = plikBialejListyDnia(kontrahenci::zapamietanyPlikBialejListy(QSettings()), dzien);

    kontrahenci::BialaLista lista;
    if (!plik.isEmpty()) {
        QString blad;
        lista = kontrahenci::otworzZPostepem(parent, plik, QString(), &blad);
        if (!lista.wczytana()) {
            if (blad.isEmpty())
                return false;  // the reading was stopped: nothing goes on unchecked
            d.messageBox(blad, kTytul, Icon::Critical);
        }
    }

    const DecyzjaBialejListy decyzja = decyzjaBialejListy(przelewy, lista.wczytana() ? &lista : nullptr, dzien);
    if (decyzja.brakPlikuDnia) {
        if (!s.BrakBialejListyZgloszony) {
            s.BrakBialejListyZgloszony = true;
            d.messageBox(QStringLiteral("Brak pliku płaskiego białej listy VAT z dnia %1 - przelewy od 15 000,00 zł "
                                        "nie zostały sprawdzone.\nPlik wybiera się w menu Globalne, Biała lista VAT.")
                             .arg(s.DataDzis),
                         kTytul, Icon::Information);
        }
        return true;
    }
    for (const PytanieBialejListy& p : decyzja.pytania) {
        const Przelew& t = przelewy[p.indeks];
        QString kontrahent = (t.nazwaKontrahenta.trimmed() + QLatin1Char(' ') + t.imieKontrahenta.trimmed()).trimmed();
        if (!t.skrot.trimmed().isEmpty())
            kontrahent += QStringLiteral(" (") + t.skrot.trimmed() + QLatin1Char(')');
        const QString tekst =
            QStringLiteral("Przelew %1 zł dla %2\nNIP: %3, konto: %4\nwynik sprawdzenia na białej liście VAT z dnia "
                           "%5: %6.\n\nCzy mimo to kontynuować?")
                .arg(t.splacono.trimmed(), kontrahent, t.nip.trimmed(), t.konto.trimmed(), s.DataDzis,
                     kontrahenci::opisWyniku(p.wynik));
        if (d.messageBox(tekst, kTytul, Icon::Question, Buttons::YesNoDefaultNo) != Answer::Yes)
            return false;
    }
    return true;
}

} // namespace remitto
