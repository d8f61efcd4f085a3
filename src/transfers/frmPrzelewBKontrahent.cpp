// Transfer window: the contractor shown in the entry area - search by short
// name, hand-over from the contractor list and card, saving it back, the
// account's check mark.
#include "transfers/frmPrzelewB.h"

#include "contractors/frmFirmaKontrahenta.h"
#include "contractors/frmKontrahenci.h"
#include "core/Session.h"
#include "transfers/KontrahentPrzelewu.h"
#include "ui/Dialogs.h"
#include "ui/ZnakKontroli.h"

#include <QLabel>
#include <QLineEdit>

namespace remitto {

using namespace kontrahenci;

QString frmPrzelewB::plikKontrahentow() const
{
    return m_session.dataPath(kPlikKontrahentow);
}

frmKontrahenci* frmPrzelewB::oknoKontrahentow()
{
    if (!m_kontrahenci) {
        m_kontrahenci = new frmKontrahenci(m_session, m_dialogs, this);
        m_kontrahenci->setWindowFlag(Qt::Window);
        connect(m_kontrahenci, &frmKontrahenci::doPrzelewu, this, &frmPrzelewB::przyjmijKontrahenta);
    }
    return m_kontrahenci;
}

void frmPrzelewB::przyjmijKontrahenta(const KontrahentDoPrzelewu& d)
{
    wstawKontrahenta(poPrzekazaniu(wpis(), d));
    lbNazwaFirmy->setText(d.lbNazwaFirmy);
    m_przekazany = wpis();
    m_session.NrKolKontrahenta = d.txtNrKol;
    show();
    raise();
    activateWindow();
}

void frmPrzelewB::kontoZmienione()
{
    pokazZnakNrb(lbKontoNRB, txtKontoK->text());
}

void frmPrzelewB::znajdzSkrot()
{
    const QString tytul = QStringLiteral("Poszukiwanie rekordu");
    const std::optional<QString> skrot = m_dialogs.inputBox(QStringLiteral("Wprowadź szukany Skrót nazwy"), tytul);
    if (!skrot || skrot->isEmpty())
        return;
    const WynikSzukania w = znajdzPoSkrocie(plikKontrahentow(), *skrot);
    if (!w.ok) {
        m_dialogs.messageBox(w.blad, tytul, Icon::Critical);
        return;
    }
    if (!w.kontrahent) {
        m_dialogs.messageBox(QStringLiteral("Nie znaleziono rekordu o tym skrócie"), kAppTitle, Icon::None);
        return;
    }
    przyjmijKontrahenta(doPrzelewuZeSkrotu(*w.kontrahent));
}

void frmPrzelewB::zapiszKontrahenta()
{
    if (!ustalKwotyWpisu())
        return;
    const WpisPrzelewu w = wpis();
    const ZapisKontrahenta z =
        zapiszKontrahentaZWpisu(plikKontrahentow(), w, m_przekazany ? &*m_przekazany : nullptr);
    const QString tytulBledu = QStringLiteral("Błąd");
    switch (z.wynik) {
    case WynikZapisu::Zapisano:
        m_przekazany = w;
        m_dialogs.messageBox(QStringLiteral("Zmiany wprowadzono !"), QStringLiteral(" Zapis"), Icon::None);
        break;
    case WynikZapisu::KwotaNieobliczona:
        m_dialogs.messageBox(QStringLiteral(" Żle wpisana kwota przelewu - popraw !"), tytulBledu, Icon::Critical);
        break;
    case WynikZapisu::BrakKontrahenta:
        m_dialogs.messageBox(QStringLiteral("Nie wybrano kontrahenta. Znajdź go po skrócie albo weź z listy "
                                            "kontrahentów (Do przelewu); nic nie zostało zapisane."),
                             tytulBledu, Icon::Exclamation);
        break;
    case WynikZapisu::NieZnaleziono:
        m_dialogs.messageBox(QStringLiteral("W pliku %1 nie ma kontrahenta nr %2. Zmiany nie zostały zapisane.")
                                 .arg(plikKontrahentow(), w.nrKol.trimmed()),
                             tytulBledu, Icon::Critical);
        break;
    case WynikZapisu::BladOdczytu:
    case WynikZapisu::BladZapisu:
        m_dialogs.messageBox(z.blad + QStringLiteral("\nZmiany nie zostały zapisane."), tytulBledu, Icon::Critical);
        break;
    }
}

void frmPrzelewB::dodajKontrahenta()
{
    m_session.TrybKontrahenta = 4;
    oknoKontrahentow()->karta()->otworz(KontekstListy::zPliku(plikKontrahentow()));
}

void frmPrzelewB::podgladKontrahentow()
{
    oknoKontrahentow()->otworz();
}

} // namespace remitto
