#include "transfers/frmPrzelewBDruk.h"

#include "core/Session.h"
#include "transfers/RejestrWydruku.h"
#include "ui/Dialogs.h"
#include "ui/PrintRenderer.h"

namespace remitto {

WynikDrukowania drukujPrzelew(const Session& session, Dialogs& dialogs, Drukowanie& drukowanie,
                              const PolaPrzelewu& pola)
{
    // A deposit into another firm's account is only a warning.
    if (pola.rodzajPrzelewu == 3 && wplataNaInnaFirme(pola, session))
        dialogs.messageBox(QStringLiteral("Sprawdź czy na włąściwą firmę wpłacasz?"),
                           QStringLiteral("Skrót firmy powinien byc rowny ze skrótem kontrahenta"), Icon::Critical);

    if (pola.rodzaj == Rodzaj::Wplata) {
        if (const std::optional<QString> pytanie = pytanieOBanknoty(pola)) {
            if (dialogs.messageBox(*pytanie, QStringLiteral("Pytanie"), Icon::Question, Buttons::YesNoDefaultNo)
                != Answer::Yes)
                return WynikDrukowania::Przerwano;
        }
    }

    const Formularz formularz = formularzDruku(pola, session);
    switch (formularz.wynik) {
    case WynikFormularza::BrakKwoty:
        dialogs.messageBox(QStringLiteral("Nie wpisana kwota przelewu!!"), QStringLiteral("Wpisz kwotę !"),
                           Icon::Information);
        return WynikDrukowania::Przerwano;
    case WynikFormularza::ZlaKwota:
        dialogs.messageBox(QStringLiteral(" Błąd wpisanej kwoty "), QStringLiteral(" Popraw"), Icon::Critical);
        return WynikDrukowania::Przerwano;
    case WynikFormularza::Gotowy:
        break;
    }

    QString error;
    switch (drukowanie.drukuj(formularz.job, &error)) {
    case WynikWydruku::Rezygnacja:
        dialogs.messageBox(QStringLiteral("Zrezygnowałeś z drukowania !"), QStringLiteral("Rezygnacja"),
                           Icon::Information);
        return WynikDrukowania::Przerwano;
    case WynikWydruku::Blad:
        dialogs.messageBox(error, QStringLiteral("Błąd"), Icon::Critical);
        return WynikDrukowania::Przerwano;
    case WynikWydruku::Wydrukowano:
        break;
    }

    if (!zapiszWydruk(session, przelewWydruku(pola, session.DataDzis), &error))
        dialogs.messageBox(error, QStringLiteral("Błąd"), Icon::Critical);
    return WynikDrukowania::Wydrukowano;
}

} // namespace remitto
