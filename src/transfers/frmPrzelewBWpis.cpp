// Transfer window: the entry area's handlers (keys, amounts, kinds, NIP,
// serial description, banknotes) and the contractor shown in it.
#include "transfers/frmPrzelewB.h"

#include "core/Amount.h"
#include "core/Nrb.h"
#include "core/Session.h"
#include "core/modZmiene.h"
#include "transfers/Banknoty.h"
#include "transfers/frmPrzelewBRamkaBanknotow.h"
#include "transfers/KwotaPrzelewu.h"
#include "core/Nip.h"
#include "transfers/TytulSeryjny.h"
#include "ui/Dialogs.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace remitto {

namespace {

void ustawWidocznosc(Widocznosc w, std::initializer_list<QWidget*> kontrolki)
{
    if (w == Widocznosc::BezZmian)
        return;
    for (QWidget* k : kontrolki)
        k->setVisible(w == Widocznosc::Pokaz);
}

} // namespace

void frmPrzelewB::polacz()
{
    connect(txtNazwa1K, &QLineEdit::textChanged, this, [this] { nazwaZmieniona(txtNazwa1K); });
    connect(txtNazwa2K, &QLineEdit::textChanged, this, [this] { nazwaZmieniona(txtNazwa2K); });
    connect(txtKODK, &QLineEdit::returnPressed, this, &frmPrzelewB::kodEnter);
    connect(txtKwotaK, &QLineEdit::returnPressed, this, &frmPrzelewB::kwotaEnter);
    connect(txtVat, &QLineEdit::returnPressed, this, &frmPrzelewB::vatEnter);
    connect(txtTytulem1, &QLineEdit::textEdited, this, &frmPrzelewB::tytulEdytowany);
    connect(txtTytulem1, &QLineEdit::returnPressed, this, &frmPrzelewB::tytulEnter);
    connect(txtKontoK, &QLineEdit::textChanged, this, &frmPrzelewB::kontoZmienione);
    connect(m_rodzaje, &QButtonGroup::idToggled, this, [this](int id, bool wlaczony) {
        if (wlaczony)
            wybranoRodzaj(id);
    });
    // The tax values are program-wide: printing reads them.
    for (QLineEdit* e : {txtRok, txtOkres, txtNrOkresu, txtSymbol})
        connect(e, &QLineEdit::textChanged, this, [this] {
            m_session.RokUS = txtRok->text();
            m_session.OkresUS = txtOkres->text();
            m_session.NrOkresuUS = txtNrOkresu->text();
            m_session.SymbolUS = txtSymbol->text();
        });
}

Rodzaj frmPrzelewB::rodzaj() const
{
    const int id = m_rodzaje->checkedId();
    return id < 1 ? Rodzaj::Przelew : Rodzaj(id);
}

WpisPrzelewu frmPrzelewB::wpis() const
{
    WpisPrzelewu w;
    w.nazwa1 = txtNazwa1K->text();
    w.nazwa2 = txtNazwa2K->text();
    w.skrot = txtSkrotK->text();
    w.kod = txtKODK->text();
    w.adres = txtAdresK->text();
    w.ulica = txtUlicaK->text();
    w.numerDomu = txtNumerDomuK->text();
    w.nrLok = txtNrLok->text();
    w.poczta = txtPoczta->text();
    w.bank = txtBankK->text();
    w.konto = txtKontoK->text();
    w.nip = txtNIPK->text();
    w.kodIden = txtKodIden->text();
    w.telefon = txtTelefon->text();
    w.mail = txtMail->text();
    w.kwota = txtKwotaK->text();
    w.vat = txtVat->text();
    w.brutto = txtKwotaBrutto->text();
    w.tytul = txtTytulem1->text();
    w.nrKol = txtNrKol->text();
    w.rodzajPlatnika = txtRodzKl->text();
    return w;
}

void frmPrzelewB::wstawKontrahenta(const WpisPrzelewu& w)
{
    txtNazwa1K->setText(w.nazwa1);
    txtNazwa2K->setText(w.nazwa2);
    txtSkrotK->setText(w.skrot.toUpper());
    lbNazwaFirmy->setText(w.skrot);
    txtKODK->setText(w.kod);
    txtAdresK->setText(w.adres);
    txtUlicaK->setText(w.ulica);
    txtNumerDomuK->setText(w.numerDomu);
    txtNrLok->setText(w.nrLok);
    txtPoczta->setText(w.poczta);
    txtBankK->setText(w.bank);
    txtKontoK->setText(w.konto);
    txtNIPK->setText(w.nip);
    txtKodIden->setText(w.kodIden);
    txtTelefon->setText(w.telefon);
    txtMail->setText(w.mail);
    txtTytulem1->setText(w.tytul);
    txtKwotaK->setText(w.kwota);
    txtVat->setText(w.vat);
    txtKwotaBrutto->setText(w.brutto);
    txtNrKol->setText(w.nrKol);
    txtRodzKl->setText(w.rodzajPlatnika);
}

void frmPrzelewB::nazwaZmieniona(QLineEdit* pole)
{
    const QString tekst = pole->text();
    if (!tekst.contains(QLatin1Char('"')))
        return;
    // Each quote becomes two apostrophes; the cursor stays after what was typed.
    const int kursor = pole->cursorPosition();
    const int przed = int(tekst.left(kursor).count(QLatin1Char('"')));
    pole->setText(ZamienCudzyslow(tekst));
    pole->setCursorPosition(kursor + przed);
}

void frmPrzelewB::kodEnter()
{
    const QString kod = txtKODK->text();
    if (kod.size() != 6)
        return;
    KodPocztowy(kod, m_session);
    if (!m_session.MiejscowoscZKodu.isEmpty())
        txtAdresK->setText(m_session.MiejscowoscZKodu);
}

void frmPrzelewB::kwotaEnter()
{
    const Suma s = zsumujKwote(txtKwotaK->text());
    const bool liczba = s.wynik == Suma::Obliczono || s.tekst.trimmed().isEmpty() || parseAmount(s.tekst);
    if (s.wynik == Suma::Blad || !liczba) {
        m_dialogs.messageBox(QStringLiteral(" Błąd wpisanej kwoty "), QStringLiteral(" Popraw"), Icon::Critical);
        return;
    }
    if (s.wynik == Suma::Obliczono)
        txtKwotaK->setText(s.tekst);
    txtKwotaBrutto->setText(bruttoPoKwocie(txtKwotaK->text(), txtVat->text(), txtKwotaBrutto->text()));
}

void frmPrzelewB::vatEnter()
{
    const Brutto b = bruttoZVat(txtKwotaK->text(), txtVat->text());
    if (!b.ok) {
        m_dialogs.messageBox(QStringLiteral(" Błąd wpisanej kwoty "), QStringLiteral(" Popraw"), Icon::Critical);
        return;
    }
    txtVat->setText(b.vat);
    txtKwotaBrutto->setText(b.brutto);
    txtKwotaBrutto->setFocus();
}

// Before anything takes the amount, the summing field and the VAT are
// evaluated exactly as Enter would evaluate them.
bool frmPrzelewB::ustalKwotyWpisu()
{
    const KwotyWpisu k = ustalKwoty(txtKwotaK->text(), txtVat->text(), txtKwotaBrutto->text());
    if (!k.ok) {
        m_dialogs.messageBox(QStringLiteral(" Błąd wpisanej kwoty "), QStringLiteral(" Popraw"), Icon::Critical);
        return false;
    }
    if (txtKwotaK->text() != k.kwota)
        txtKwotaK->setText(k.kwota);
    if (txtVat->text() != k.vat)
        txtVat->setText(k.vat);
    if (txtKwotaBrutto->text() != k.brutto)
        txtKwotaBrutto->setText(k.brutto);
    return true;
}

// An account of 26 digits whose check digits are wrong goes on only when the
// user says so; "No" is the default.
bool frmPrzelewB::kontoPotwierdzone(const QString& pytanie)
{
    if (sprawdzNrb(txtKontoK->text()) != StanNrb::Bledny)
        return true;
    return m_dialogs.messageBox(pytanieBlednegoNrb(pytanie), QStringLiteral("Numer konta"), Icon::Question,
                                Buttons::YesNoDefaultNo)
           == Answer::Yes;
}

// A window opened again starts with an empty entry area: nothing of an
// earlier transfer can be added by one click.
void frmPrzelewB::wyczyscWpis()
{
    wstawKontrahenta(WpisPrzelewu{});
    lbNazwaFirmy->clear();
    m_przekazany.reset();
    m_session.NrKolKontrahenta.clear();
    m_banknoty->wyczysc();
}

void frmPrzelewB::tytulEdytowany()
{
    txtKwotaBrutto->clear();
}

void frmPrzelewB::tytulEnter()
{
    txtKwotaK->setFocus();
    txtKwotaK->clear();
    txtVat->setText(QStringLiteral("0"));
    txtKwotaBrutto->clear();
}

void frmPrzelewB::wybranoRodzaj(int id)
{
    const OpisRodzaju& r = opisRodzaju(Rodzaj(id));
    if (r.kodRodzaju)
        m_session.RodzajPrzelewu = *r.kodRodzaju;
    ustawWidocznosc(r.podatkowe, {lbskarbowy, txtRok, txtOkres, txtNrOkresu, txtSymbol});
    ustawWidocznosc(r.banknoty, {m_banknoty});
    ustawWidocznosc(r.kontakt, {txtTelefon, txtMail, lblTelefon, lblMail});
    if (r.tytul)
        txtTytulem1->setText(*r.tytul);
    if (r.rodzaj == Rodzaj::Wplata)
        txtTytulem1->setText(tytulWplaty(m_session.DataRobocza));
    if (r.rodzaj == Rodzaj::Skarbowy) {
        const PolaPodatkowe p = domyslnePodatkowe(m_session.DataDzis, txtNrOkresu->text());
        txtRok->setText(p.rok);
        txtOkres->setText(p.okres);
        txtSymbol->setText(p.symbol);
    }
}

void frmPrzelewB::kliknietoSkarbowy()
{
    if (m_session.RodzajPrzelewu == 1)
        lbskarbowy->hide();
    else if (m_session.RodzajPrzelewu == 2)
        lbskarbowy->show();
}

void frmPrzelewB::sprawdzNIP()
{
    switch (sprawdzNip(txtNIPK->text())) {
    case WynikNip::ZeSpacjami:
        m_dialogs.messageBox(QStringLiteral("Nip napisany ze spacjami "), QStringLiteral("Popraw !"), Icon::Critical);
        break;
    case WynikNip::ZlaDlugosc:
        m_dialogs.messageBox(QStringLiteral("Nip nie wpisany lub zła ilość znaków "), QStringLiteral("Popraw !"),
                             Icon::Critical);
        break;
    case WynikNip::Bledny:
        m_dialogs.messageBox(QStringLiteral("Wpisany numer NIP jest błędny !! , lub napisany ze spacjami"),
                             QStringLiteral("Popraw !!"), Icon::Critical);
        break;
    case WynikNip::Poprawny:
        m_dialogs.messageBox(QStringLiteral("Wpisany numer NIP jest OK "), QStringLiteral("OK !!"),
                             Icon::Information);
        break;
    }
}

void frmPrzelewB::opisSeryjny()
{
    txtTytulem1->setText(ZamienCudzyslow(m_session.OpisSeryjny));
    const PolaPodatkowe pola{txtRok->text(), txtOkres->text(), txtNrOkresu->text(), txtSymbol->text()};
    switch (rodzaj()) {
    case Rodzaj::Skarbowy: {
        const std::optional<QString> tytul = tytulSkarbowy(lbNIP->text(), pola);
        if (!tytul) {
            m_dialogs.messageBox(QStringLiteral(" Nie wypełnione wymagane pola dot Przelewu do US"),
                                 QStringLiteral(" Wypelnij NIP własny i pola Okresu !"), Icon::Critical);
            return;
        }
        txtTytulem1->setText(*tytul);
        break;
    }
    case Rodzaj::Podzielona: {
        if (!ustalKwotyWpisu())
            return;
        const std::optional<QString> nr =
            m_dialogs.inputBox(QStringLiteral(" Podaj Numer faktury płaconej Metodą Podzielonej Płaności "),
                               QStringLiteral("Faktura VAT = Numer "));
        if (nr && !nr->isEmpty())
            txtTytulem1->setText(
                tytulPodzielonej(txtKwotaBrutto->text(), txtNIPK->text(), ZamienCudzyslow(*nr), pola));
        break;
    }
    default: break;
    }
    txtTytulem1->setFocus();
}

} // namespace remitto
