// The transfer window's entry area: the contractor shown - search by short
// name, hand-over from the contractor list and card, saving it back, the
// account's check mark.
#include "transfers/frmPrzelewBObszarWpisu.h"

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

QString ObszarWpisu::plikKontrahentow() const
{
    return m_session.dataPath(kPlikKontrahentow);
}

frmKontrahenci* ObszarWpisu::oknoKontrahentow()
{
    if (!m_kontrahenci) {
        m_kontrahenci = new frmKontrahenci(m_session, m_dialogs, window());
        m_kontrahenci->setWindowFlag(Qt::Window);
        connect(m_kontrahenci, &frmKontrahenci::doPrzelewu, this, &ObszarWpisu::przyjmijKontrahenta);
    }
    return m_kontrahenci;
}

void ObszarWpisu::przyjmijKontrahenta(const KontrahentDoPrzelewu& d)
{
    wstawKontrahenta(poPrzekazaniu(wpis(), d));
    m_lbNazwaFirmy->setText(d.lbNazwaFirmy);
    m_przekazany = wpis();
    m_session.NrKolKontrahenta = d.txtNrKol;
    emit przyjetoKontrahenta();
}

void ObszarWpisu::kontoZmienione()
{
    pokazZnakNrb(m_lbZnakKonta, m_konto->text());
}

void ObszarWpisu::znajdzSkrot()
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

void ObszarWpisu::zapiszKontrahenta()
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

void ObszarWpisu::dodajKontrahenta()
{
    m_session.TrybKontrahenta = 4;
    oknoKontrahentow()->karta()->otworz(KontekstListy::zPliku(plikKontrahentow()));
}

void ObszarWpisu::podgladKontrahentow()
{
    oknoKontrahentow()->otworz();
}

} // namespace remitto
