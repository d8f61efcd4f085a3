// The transfer window's entry area: its handlers (keys, amounts, kinds, NIP,
// serial description) and reading and filling its boxes.
#include "transfers/frmPrzelewBObszarWpisu.h"

#include "core/Amount.h"
#include "core/Nrb.h"
#include "core/Session.h"
#include "core/modZmiene.h"
#include "transfers/Banknoty.h"
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

void ObszarWpisu::polacz()
{
    connect(m_nazwa1, &QLineEdit::textChanged, this, [this] { nazwaZmieniona(m_nazwa1); });
    connect(m_nazwa2, &QLineEdit::textChanged, this, [this] { nazwaZmieniona(m_nazwa2); });
    connect(m_kod, &QLineEdit::returnPressed, this, &ObszarWpisu::kodEnter);
    connect(m_kwota, &QLineEdit::returnPressed, this, &ObszarWpisu::kwotaEnter);
    connect(m_vat, &QLineEdit::returnPressed, this, &ObszarWpisu::vatEnter);
    connect(m_tytul, &QLineEdit::textEdited, this, &ObszarWpisu::tytulEdytowany);
    connect(m_tytul, &QLineEdit::returnPressed, this, &ObszarWpisu::tytulEnter);
    connect(m_konto, &QLineEdit::textChanged, this, &ObszarWpisu::kontoZmienione);
    connect(m_rodzaje, &QButtonGroup::idToggled, this, [this](int id, bool wlaczony) {
        if (wlaczony)
            rodzajWybrany(id);
    });
    // The tax values are program-wide: printing reads them.
    for (QLineEdit* e : {m_rok, m_okres, m_nrOkresu, m_symbol})
        connect(e, &QLineEdit::textChanged, this, [this] {
            m_session.RokUS = m_rok->text();
            m_session.OkresUS = m_okres->text();
            m_session.NrOkresuUS = m_nrOkresu->text();
            m_session.SymbolUS = m_symbol->text();
        });
}

Rodzaj ObszarWpisu::rodzaj() const
{
    const int id = m_rodzaje->checkedId();
    return id < 1 ? Rodzaj::Przelew : Rodzaj(id);
}

PolaPodatkowe ObszarWpisu::podatkowe() const
{
    return {m_rok->text(), m_okres->text(), m_nrOkresu->text(), m_symbol->text()};
}

WpisPrzelewu ObszarWpisu::wpis() const
{
    WpisPrzelewu w;
    w.nazwa1 = m_nazwa1->text();
    w.nazwa2 = m_nazwa2->text();
    w.skrot = m_skrot->text();
    w.kod = m_kod->text();
    w.adres = m_miejscowosc->text();
    w.ulica = m_ulica->text();
    w.numerDomu = m_numerDomu->text();
    w.nrLok = m_numerLokalu->text();
    w.poczta = m_poczta->text();
    w.bank = m_bank->text();
    w.konto = m_konto->text();
    w.nip = m_nip->text();
    w.kodIden = m_kodIden->text();
    w.telefon = m_telefon->text();
    w.mail = m_mail->text();
    w.kwota = m_kwota->text();
    w.vat = m_vat->text();
    w.brutto = m_brutto->text();
    w.tytul = m_tytul->text();
    w.nrKol = m_nrKolejny->text();
    w.rodzajPlatnika = m_platnik->text();
    return w;
}

void ObszarWpisu::wstawKontrahenta(const WpisPrzelewu& w)
{
    m_nazwa1->setText(w.nazwa1);
    m_nazwa2->setText(w.nazwa2);
    m_skrot->setText(w.skrot.toUpper());
    m_lbNazwaFirmy->setText(w.skrot);
    m_kod->setText(w.kod);
    m_miejscowosc->setText(w.adres);
    m_ulica->setText(w.ulica);
    m_numerDomu->setText(w.numerDomu);
    m_numerLokalu->setText(w.nrLok);
    m_poczta->setText(w.poczta);
    m_bank->setText(w.bank);
    m_konto->setText(w.konto);
    m_nip->setText(w.nip);
    m_kodIden->setText(w.kodIden);
    m_telefon->setText(w.telefon);
    m_mail->setText(w.mail);
    m_tytul->setText(w.tytul);
    m_kwota->setText(w.kwota);
    m_vat->setText(w.vat);
    m_brutto->setText(w.brutto);
    m_nrKolejny->setText(w.nrKol);
    m_platnik->setText(w.rodzajPlatnika);
}

void ObszarWpisu::nazwaZmieniona(QLineEdit* pole)
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

void ObszarWpisu::kodEnter()
{
    const QString kod = m_kod->text();
    if (kod.size() != 6)
        return;
    KodPocztowy(kod, m_session);
    if (!m_session.MiejscowoscZKodu.isEmpty())
        m_miejscowosc->setText(m_session.MiejscowoscZKodu);
}

void ObszarWpisu::kwotaEnter()
{
    const Suma s = zsumujKwote(m_kwota->text());
    const bool liczba = s.wynik == Suma::Obliczono || s.tekst.trimmed().isEmpty() || parseAmount(s.tekst);
    if (s.wynik == Suma::Blad || !liczba) {
        m_dialogs.messageBox(QStringLiteral(" Błąd wpisanej kwoty "), QStringLiteral(" Popraw"), Icon::Critical);
        return;
    }
    if (s.wynik == Suma::Obliczono)
        m_kwota->setText(s.tekst);
    m_brutto->setText(bruttoPoKwocie(m_kwota->text(), m_vat->text(), m_brutto->text()));
}

void ObszarWpisu::vatEnter()
{
    const Brutto b = bruttoZVat(m_kwota->text(), m_vat->text());
    if (!b.ok) {
        m_dialogs.messageBox(QStringLiteral(" Błąd wpisanej kwoty "), QStringLiteral(" Popraw"), Icon::Critical);
        return;
    }
    m_vat->setText(b.vat);
    m_brutto->setText(b.brutto);
    m_brutto->setFocus();
}

// Before anything takes the amount, the summing field and the VAT are
// evaluated exactly as Enter would evaluate them.
bool ObszarWpisu::ustalKwotyWpisu()
{
    const KwotyWpisu k = ustalKwoty(m_kwota->text(), m_vat->text(), m_brutto->text());
    if (!k.ok) {
        m_dialogs.messageBox(QStringLiteral(" Błąd wpisanej kwoty "), QStringLiteral(" Popraw"), Icon::Critical);
        return false;
    }
    if (m_kwota->text() != k.kwota)
        m_kwota->setText(k.kwota);
    if (m_vat->text() != k.vat)
        m_vat->setText(k.vat);
    if (m_brutto->text() != k.brutto)
        m_brutto->setText(k.brutto);
    return true;
}

// An account of 26 digits whose check digits are wrong goes on only when the
// user says so; "No" is the default.
bool ObszarWpisu::kontoPotwierdzone(const QString& pytanie)
{
    if (sprawdzNrb(m_konto->text()) != StanNrb::Bledny)
        return true;
    return m_dialogs.messageBox(pytanieBlednegoNrb(pytanie), QStringLiteral("Numer konta"), Icon::Question,
                                Buttons::YesNoDefaultNo)
           == Answer::Yes;
}

// A window opened again starts with an empty entry area: nothing of an
// earlier transfer can be added by one click.
void ObszarWpisu::wyczysc()
{
    wstawKontrahenta(WpisPrzelewu{});
    m_lbNazwaFirmy->clear();
    m_przekazany.reset();
    m_session.NrKolKontrahenta.clear();
}

void ObszarWpisu::tytulEdytowany()
{
    m_brutto->clear();
}

void ObszarWpisu::tytulEnter()
{
    m_kwota->setFocus();
    m_kwota->clear();
    m_vat->setText(QStringLiteral("0"));
    m_brutto->clear();
}

void ObszarWpisu::rodzajWybrany(int id)
{
    const OpisRodzaju& r = opisRodzaju(Rodzaj(id));
    if (r.kodRodzaju)
        m_session.RodzajPrzelewu = *r.kodRodzaju;
    ustawWidocznosc(r.podatkowe, {m_lbPodatkowe, m_rok, m_okres, m_nrOkresu, m_symbol});
    emit wybranoRodzaj(r.rodzaj);
    ustawWidocznosc(r.kontakt, {m_telefon, m_mail, m_lbTelefon, m_lbMail});
    if (r.tytul)
        m_tytul->setText(*r.tytul);
    if (r.rodzaj == Rodzaj::Wplata)
        m_tytul->setText(tytulWplaty(m_session.DataRobocza));
    if (r.rodzaj == Rodzaj::Skarbowy) {
        const PolaPodatkowe p = domyslnePodatkowe(m_session.DataDzis, m_nrOkresu->text());
        m_rok->setText(p.rok);
        m_okres->setText(p.okres);
        m_symbol->setText(p.symbol);
    }
}

void ObszarWpisu::kliknietoSkarbowy()
{
    if (m_session.RodzajPrzelewu == 1)
        m_lbPodatkowe->hide();
    else if (m_session.RodzajPrzelewu == 2)
        m_lbPodatkowe->show();
}

void ObszarWpisu::sprawdzNIP()
{
    switch (sprawdzNip(m_nip->text())) {
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

void ObszarWpisu::opisSeryjny()
{
    m_tytul->setText(ZamienCudzyslow(m_session.OpisSeryjny));
    const PolaPodatkowe pola = podatkowe();
    switch (rodzaj()) {
    case Rodzaj::Skarbowy: {
        const std::optional<QString> tytul = tytulSkarbowy(m_session.NipFirmy, pola);
        if (!tytul) {
            m_dialogs.messageBox(QStringLiteral(" Nie wypełnione wymagane pola dot Przelewu do US"),
                                 QStringLiteral(" Wypelnij NIP własny i pola Okresu !"), Icon::Critical);
            return;
        }
        m_tytul->setText(*tytul);
        break;
    }
    case Rodzaj::Podzielona: {
        if (!ustalKwotyWpisu())
            return;
        const std::optional<QString> nr =
            m_dialogs.inputBox(QStringLiteral(" Podaj Numer faktury płaconej Metodą Podzielonej Płaności "),
                               QStringLiteral("Faktura VAT = Numer "));
        if (nr && !nr->isEmpty())
            m_tytul->setText(
                tytulPodzielonej(m_brutto->text(), m_nip->text(), ZamienCudzyslow(*nr), pola));
        break;
    }
    default: break;
    }
    m_tytul->setFocus();
}

} // namespace remitto
