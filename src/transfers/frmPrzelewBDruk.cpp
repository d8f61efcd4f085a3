#include "transfers/frmPrzelewBDruk.h"

#include "transfers/frmPrzelewB.h"

#include "core/Session.h"
#include "transfers/RejestrWydruku.h"
#include "transfers/frmPrzelewBRamkaBanknotow.h"
#include "ui/Dialogs.h"
#include "ui/PrintRenderer.h"

#include <QLabel>
#include <QLineEdit>

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

namespace remitto {

// The transfer window's print button: the form of the kind selected, from the
// entry area, the tax fields and the banknote frame.
void frmPrzelewB::drukuj()
{
    if (!ustalKwotyWpisu())
        return;
    PolaPrzelewu pola;
    pola.wpis = wpis();
    pola.txtRok = txtRok->text();
    pola.txtOkres = txtOkres->text();
    pola.txtNrOkresu = txtNrOkresu->text();
    pola.txtSymbol = txtSymbol->text();
    pola.txtSztuk = m_banknoty->ilosci();
    // The values as the frame shows them, from the counts, not read back from its labels.
    const PodpisySpecyfikacji podpisy = podpisySpecyfikacji(specyfikacjaBanknotow(pola.txtSztuk));
    pola.lbKwota = podpisy.kwoty;
    pola.lbRazemSzt = podpisy.sztuk;
    pola.lbRazemKwotaWplaty = podpisy.razem;
    pola.rodzajPrzelewu = m_session.RodzajPrzelewu;
    pola.rodzaj = rodzaj();
    drukujPrzelew(m_session, m_dialogs, *m_drukowanie, pola);
}

} // namespace remitto
