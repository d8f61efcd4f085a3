#include "contractors/frmFirmaKontrahenta.h"

#include "contractors/frmKontrahenci.h"
#include "core/Nrb.h"
#include "core/Session.h"
#include "core/modZmiene.h"
#include "ui/Dialogs.h"
#include "ui/Kontrolki.h"
#include "ui/ZnakKontroli.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <QShortcut>

namespace remitto {

using namespace kontrolki;

using namespace kontrahenci;

KontekstListy KontekstListy::zPliku(const QString& sciezka)
{
    const OdczytKontrahentow o = czytajKontrahentow(sciezka);
    KontekstListy k;
    k.liczbaWierszy = int(o.lista.size()) + 1;
    if (!o.lista.isEmpty()) {
        k.wiersz = 1;
        k.nazwa = o.lista.constFirst()[NazwaKontrahenta];
        k.skrot = o.lista.constFirst()[SkrotK];
    }
    return k;
}

frmFirmaKontrahenta::frmFirmaKontrahenta(Session& session, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window), m_session(session), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("frmFirmaKontrahenta"));
    setWindowTitle(QStringLiteral("Firma Kontrahenta"));
    zbudujOkno();
}

QString frmFirmaKontrahenta::plik() const
{
    return m_session.dataPath(kPlikKontrahentow);
}

void frmFirmaKontrahenta::zbudujOkno()
{
    LbNrKol = new QLabel(this);
    LbNrKol->setObjectName(QStringLiteral("LbNrKol"));
    lbNazwaFirmyK = new QLabel(this);
    lbNazwaFirmyK->setObjectName(QStringLiteral("lbNazwaFirmyK"));
    QFont duza = lbNazwaFirmyK->font();
    duza.setBold(true);
    lbNazwaFirmyK->setFont(duza);

    txtSkrotK = pole(QStringLiteral("txtSkrótK"), this);
    txtRodzajPlatnikaK = pole(QStringLiteral("txtRodzajPlatnikaK"), this);
    txtRodzajPlatnikaK->setMaximumWidth(40);
    txtNazwiskoK = pole(QStringLiteral("txtNazwiskoK"), this);
    txtImieK = pole(QStringLiteral("txtImieK"), this);
    txtNIPpesK = pole(QStringLiteral("txtNIPpesK"), this);
    lbNipK = new QLabel(this);
    lbNipK->setObjectName(QStringLiteral("lbNipK"));
    txtRegonK = pole(QStringLiteral("txtRegonK"), this);
    txtKODK = pole(QStringLiteral("txtKODK"), this);
    txtPocztK = pole(QStringLiteral("txtPocztK"), this);
    txtMiejscK = pole(QStringLiteral("txtMiejscK"), this);
    txtUlicaK = pole(QStringLiteral("txtUlicaK"), this);
    txtNumerDomuK = pole(QStringLiteral("txtNumerDomuK"), this);
    txtlokK = pole(QStringLiteral("txtlokK"), this);
    txtGMINK = pole(QStringLiteral("txtGMINK"), this);
    txtPowK = pole(QStringLiteral("txtPowK"), this);
    txtWOJK = pole(QStringLiteral("txtWOJK"), this);
    txtKonto1K = pole(QStringLiteral("txtKonto1K"), this);
    txtKonto2K = pole(QStringLiteral("txtKonto2K"), this);
    const int szerokoscKonta = fontMetrics().horizontalAdvance(QString(34, QLatin1Char('0')));
    txtKonto1K->setMinimumWidth(szerokoscKonta);
    txtKonto2K->setMinimumWidth(szerokoscKonta);
    // Room for a NIP written with hyphens; the mark keeps one width whatever
    // it says, so the boxes do not move while the NIP is typed.
    txtNIPpesK->setMinimumWidth(fontMetrics().horizontalAdvance(QString(13, QLatin1Char('0'))));
    lbNipK->setFixedWidth(lbNipK->fontMetrics().horizontalAdvance(QStringLiteral("NIP \u2717 błędny ")));
    lbNrbKonto1K = new QLabel(this);
    lbNrbKonto1K->setObjectName(QStringLiteral("lbNrbKonto1K"));
    lbNrbKonto2K = new QLabel(this);
    lbNrbKonto2K->setObjectName(QStringLiteral("lbNrbKonto2K"));
    Option1 = new QRadioButton(QStringLiteral("Konto1"), this);
    Option1->setObjectName(QStringLiteral("Option1"));
    Option2 = new QRadioButton(QStringLiteral("Konto2"), this);
    Option2->setObjectName(QStringLiteral("Option2"));
    auto* grupa = new QButtonGroup(this);
    grupa->addButton(Option1);
    grupa->addButton(Option2);
    txtTelK = pole(QStringLiteral("txtTelK"), this);
    txtKomorkaK = pole(QStringLiteral("txtKomorkaK"), this);
    txtFaxK = pole(QStringLiteral("txtFaxK"), this);
    txtMailK = pole(QStringLiteral("txtMailK"), this);
    txtWWWK = pole(QStringLiteral("txtWWWK"), this);
    txtUwagiK = pole(QStringLiteral("txtUwagiK"), this);
    txtKodKontrahenta = pole(QStringLiteral("txtKodKontrahenta"), this);
    cmbWalutaKH = new QComboBox(this);
    cmbWalutaKH->setObjectName(QStringLiteral("cmbWalutaKH"));
    cmbWalutaKH->setEditable(true);
    cmbWalutaKH->addItems({QStringLiteral("PLN"), QStringLiteral("EU")});
    txtZEU = pole(QStringLiteral("txtZEU"), this);
    txtZEU->setToolTip(QStringLiteral("Jezeli Kontrahent z EU to wpisz symbol państwa"));
    txtZEU->setMaximumWidth(60);

    auto etykieta = [this](const QString& tekst, QLineEdit* dla = nullptr) {
        auto* l = new QLabel(tekst, this);
        if (dla)
            l->setBuddy(dla);
        return l;
    };

    auto* g = new QGridLayout;
    g->setColumnStretch(1, 1);
    g->setColumnStretch(3, 1);
    int r = 0;
    g->addWidget(etykieta(QStringLiteral("NrKol")), r, 0);
    g->addWidget(LbNrKol, r, 1);
    g->addWidget(lbNazwaFirmyK, r, 2, 1, 2);
    ++r;
    g->addWidget(etykieta(QStringLiteral("Skrót nazwy"), txtSkrotK), r, 0);
    g->addWidget(txtSkrotK, r, 1);
    auto* platnik = new QHBoxLayout;
    platnik->addWidget(txtRodzajPlatnikaK);
    auto* opisPlatnika = etykieta(QStringLiteral("Rodzaj płatnika  VAT  (V=Vat czynny  ,R= Faktura rolnicza , U=Nie vatowiec, O= VAT Odwrócony) S=SplitPayment"),
                                  txtRodzajPlatnikaK);
    opisPlatnika->setWordWrap(true);
    platnik->addWidget(opisPlatnika, 1);
    g->addLayout(platnik, r, 2, 1, 2);
    ++r;
    auto* opisZus = etykieta(QStringLiteral("N= nie upoważniony do wypłaty zasiłków ZUS , U = upoważniony R=Rolnik Ryczałtowy,S =Split Payment"));
    opisZus->setWordWrap(true);
    g->addWidget(opisZus, r, 2, 1, 2);
    ++r;
    g->addWidget(etykieta(QStringLiteral("Nazwa Firmy (Nazwisko)"), txtNazwiskoK), r, 0);
    g->addWidget(txtNazwiskoK, r, 1, 1, 3);
    ++r;
    g->addWidget(etykieta(QStringLiteral("Nazwa Firmy c.d (Imie)"), txtImieK), r, 0);
    g->addWidget(txtImieK, r, 1, 1, 3);
    ++r;
    g->addWidget(etykieta(QStringLiteral("Nip "), txtNIPpesK), r, 0);
    auto* nip = new QHBoxLayout;
    nip->addWidget(txtNIPpesK, 1);
    nip->addWidget(lbNipK);
    g->addLayout(nip, r, 1);
    g->addWidget(etykieta(QStringLiteral("Regon / Pesel"), txtRegonK), r, 2);
    g->addWidget(txtRegonK, r, 3);
    ++r;
    g->addWidget(etykieta(QStringLiteral("Kod pocztowy"), txtKODK), r, 0);
    g->addWidget(txtKODK, r, 1);
    g->addWidget(etykieta(QStringLiteral("Poczta"), txtPocztK), r, 2);
    g->addWidget(txtPocztK, r, 3);
    ++r;
    g->addWidget(etykieta(QStringLiteral("Miejscowość"), txtMiejscK), r, 0);
    g->addWidget(txtMiejscK, r, 1);
    g->addWidget(etykieta(QStringLiteral("Ulica"), txtUlicaK), r, 2);
    g->addWidget(txtUlicaK, r, 3);
    ++r;
    g->addWidget(etykieta(QStringLiteral("Numer domu"), txtNumerDomuK), r, 0);
    g->addWidget(txtNumerDomuK, r, 1);
    g->addWidget(etykieta(QStringLiteral("Nr Lokalu"), txtlokK), r, 2);
    g->addWidget(txtlokK, r, 3);
    ++r;
    g->addWidget(etykieta(QStringLiteral("Gmina "), txtGMINK), r, 0);
    g->addWidget(txtGMINK, r, 1);
    g->addWidget(etykieta(QStringLiteral("Powiat"), txtPowK), r, 2);
    g->addWidget(txtPowK, r, 3);
    ++r;
    g->addWidget(etykieta(QStringLiteral("Wojewód."), txtWOJK), r, 0);
    g->addWidget(txtWOJK, r, 1);
    ++r;
    g->addWidget(etykieta(QStringLiteral("Konto 1"), txtKonto1K), r, 0);
    g->addWidget(txtKonto1K, r, 1, 1, 2);
    auto* k1 = new QHBoxLayout;
    k1->addWidget(Option1);
    k1->addWidget(lbNrbKonto1K, 1);
    g->addLayout(k1, r, 3);
    ++r;
    g->addWidget(etykieta(QStringLiteral("Konto 2"), txtKonto2K), r, 0);
    g->addWidget(txtKonto2K, r, 1, 1, 2);
    auto* k2 = new QHBoxLayout;
    k2->addWidget(Option2);
    k2->addWidget(lbNrbKonto2K, 1);
    g->addLayout(k2, r, 3);
    ++r;
    g->addWidget(etykieta(QStringLiteral("Telefon"), txtTelK), r, 0);
    g->addWidget(txtTelK, r, 1);
    g->addWidget(etykieta(QStringLiteral("Komórka"), txtKomorkaK), r, 2);
    g->addWidget(txtKomorkaK, r, 3);
    ++r;
    g->addWidget(etykieta(QStringLiteral("Fax"), txtFaxK), r, 0);
    g->addWidget(txtFaxK, r, 1);
    g->addWidget(etykieta(QStringLiteral("Mail"), txtMailK), r, 2);
    g->addWidget(txtMailK, r, 3);
    ++r;
    g->addWidget(etykieta(QStringLiteral("WWW"), txtWWWK), r, 0);
    g->addWidget(txtWWWK, r, 1);
    g->addWidget(etykieta(QStringLiteral("Kod Iden kontrahenta"), txtKodKontrahenta), r, 2);
    g->addWidget(txtKodKontrahenta, r, 3);
    ++r;
    g->addWidget(etykieta(QStringLiteral("Uwagi"), txtUwagiK), r, 0);
    g->addWidget(txtUwagiK, r, 1, 1, 3);
    ++r;
    g->addWidget(etykieta(QStringLiteral("Waluta kontrahenta")), r, 0);
    auto* waluta = new QHBoxLayout;
    waluta->addWidget(cmbWalutaKH);
    waluta->addWidget(txtZEU);
    waluta->addStretch(1);
    g->addLayout(waluta, r, 1);

    cmdZmianyK = przycisk(QStringLiteral("&Zapisz Zmiany"), QStringLiteral("cmdZmianyK"), this);
    auto* cmdDoFakturyZakupu = przycisk(QStringLiteral("&Do przelewu"), QStringLiteral("cmdDoFakturyZakupu"), this);
    auto* cmdKoniecM = przycisk(QStringLiteral("&Koniec"), QStringLiteral("cmdKoniecM"), this);
    auto* dol = new QHBoxLayout;
    dol->addWidget(cmdZmianyK);
    dol->addWidget(cmdDoFakturyZakupu);
    dol->addStretch(1);
    dol->addWidget(cmdKoniecM);

    auto* uklad = new QVBoxLayout(this);
    uklad->addLayout(g);
    uklad->addSpacing(6);
    uklad->addLayout(dol);

    connect(cmdZmianyK, &QPushButton::clicked, this, &frmFirmaKontrahenta::zapiszZmiany);
    connect(cmdDoFakturyZakupu, &QPushButton::clicked, this, &frmFirmaKontrahenta::zakup);
    connect(cmdKoniecM, &QPushButton::clicked, this, &QWidget::close);
    // Escape does what the end button does.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, cmdKoniecM, &QAbstractButton::click);
    connect(txtKODK, &QLineEdit::textChanged, this, &frmFirmaKontrahenta::kodZmieniony);
    connect(txtRodzajPlatnikaK, &QLineEdit::textChanged, this, [this](const QString& t) {
        const QString duze = t.toUpper();
        if (duze != t) {
            const int kursor = txtRodzajPlatnikaK->cursorPosition();
            txtRodzajPlatnikaK->setText(duze);
            txtRodzajPlatnikaK->setCursorPosition(kursor);
        }
    });
    connect(txtKonto1K, &QLineEdit::textChanged, this, [this] {
        sprawdzKonto(txtKonto1K, lbNrbKonto1K);
        cmdZmianyK->setVisible(true);
    });
    connect(txtKonto2K, &QLineEdit::textChanged, this, [this] { sprawdzKonto(txtKonto2K, lbNrbKonto2K); });
    connect(txtNIPpesK, &QLineEdit::textChanged, this, &frmFirmaKontrahenta::sprawdzNipKarty);
    for (QLineEdit* e : {txtSkrotK, txtNazwiskoK, txtImieK, txtNIPpesK})
        connect(e, &QLineEdit::textEdited, cmdZmianyK, [this] { cmdZmianyK->setVisible(true); });

    // Enter moves on in this order; the last box hands the focus to saving.
    const QList<QWidget*> kolejnosc = {txtSkrotK, txtRodzajPlatnikaK, txtNazwiskoK, txtImieK, txtNIPpesK, txtKODK,
                                       txtPocztK, txtMiejscK, txtUlicaK, txtNumerDomuK, txtlokK, cmdZmianyK};
    for (qsizetype i = 0; i + 1 < kolejnosc.size(); ++i) {
        auto* e = static_cast<QLineEdit*>(kolejnosc[i]);
        QWidget* nastepny = kolejnosc[i + 1];
        connect(e, &QLineEdit::returnPressed, nastepny, [nastepny] { nastepny->setFocus(Qt::TabFocusReason); });
    }
}

void frmFirmaKontrahenta::sprawdzKonto(QLineEdit* konto, QLabel* znak)
{
    pokazZnakNrb(znak, konto->text());
}

void frmFirmaKontrahenta::sprawdzNipKarty()
{
    pokazZnakNip(lbNipK, txtNIPpesK->text());
}

bool frmFirmaKontrahenta::kontaPotwierdzone()
{
    QLineEdit* bledne = nullptr;
    for (QLineEdit* konto : {txtKonto1K, txtKonto2K}) {
        if (sprawdzNrb(konto->text()) == StanNrb::Bledny) {
            bledne = konto;
            break;
        }
    }
    if (!bledne)
        return true;
    if (m_dialogs.messageBox(pytanieBlednegoNrb(QStringLiteral("zapisać kontrahenta")), QStringLiteral("Numer konta"),
                             Icon::Question, Buttons::YesNoDefaultNo)
        == Answer::Yes)
        return true;
    bledne->setFocus();
    return false;
}

void frmFirmaKontrahenta::kodZmieniony(const QString& kod)
{
    if (kod.size() != 6)
        return;
    KodPocztowy(kod, m_session);
    // A code missing from the table leaves town and post office as typed.
    if (!m_session.MiejscowoscZKodu.isEmpty())
        txtMiejscK->setText(m_session.MiejscowoscZKodu);
    if (!m_session.PocztaZKodu.isEmpty())
        txtPocztK->setText(m_session.PocztaZKodu);
}

void frmFirmaKontrahenta::wyczysc()
{
    m_rekord = Kontrahent{};
    for (QLineEdit* e : findChildren<QLineEdit*>())
        if (e->parent() == this)
            e->clear();
    cmbWalutaKH->setCurrentText(QStringLiteral("PLN"));
    lbNazwaFirmyK->clear();
    Option1->setChecked(true);
}

void frmFirmaKontrahenta::pokaz(const Kontrahent& k)
{
    m_rekord = k;
    LbNrKol->setText(k[NrKol]);
    lbNazwaFirmyK->setText(k[NazwaKontrahenta]);
    txtSkrotK->setText(k[SkrotK].toUpper());
    txtRodzajPlatnikaK->setText(k[Svat]);
    txtNazwiskoK->setText(k[NazwaKontrahenta]);
    txtImieK->setText(k[ImieKontrahenta]);
    txtNIPpesK->setText(k[NipKontr]);
    txtRegonK->setText(k[RegonK]);
    txtKODK->blockSignals(true);  // showing a code must not overwrite the town read
    txtKODK->setText(k[Kod]);
    txtKODK->blockSignals(false);
    txtPocztK->setText(k[Poczta]);
    txtMiejscK->setText(k[Miejscowosc]);
    txtUlicaK->setText(k[Ulica]);
    txtNumerDomuK->setText(k[NrDomu]);
    txtlokK->setText(k[NrLokaluK]);
    txtGMINK->setText(k[GminaK]);
    txtPowK->setText(k[PowiatK]);
    txtWOJK->setText(k[Wojewodztwo]);
    txtKonto1K->setText(k[NrRachunku1K]);
    txtKonto2K->setText(k[NrRachunku2K]);
    txtTelK->setText(k[Telefon]);
    txtMailK->setText(k[MailK]);
    txtWWWK->setText(k[WWWK]);
    txtUwagiK->setText(k[UwagiK]);
    txtKodKontrahenta->setText(k[KodIden]);
    cmbWalutaKH->setCurrentText(k[WalutaKh]);
    Option1->setChecked(true);
}

Kontrahent frmFirmaKontrahenta::zOkna() const
{
    Kontrahent k = m_rekord;
    k[NrKol] = LbNrKol->text();
    k[SkrotK] = txtSkrotK->text();
    k[Svat] = txtRodzajPlatnikaK->text();
    k[NazwaKontrahenta] = txtNazwiskoK->text();
    k[ImieKontrahenta] = txtImieK->text();
    k[NipKontr] = txtNIPpesK->text();
    k[RegonK] = txtRegonK->text();
    k[Kod] = txtKODK->text();
    k[Poczta] = txtPocztK->text();
    k[Miejscowosc] = txtMiejscK->text();
    k[Ulica] = txtUlicaK->text();
    k[NrDomu] = txtNumerDomuK->text();
    k[NrLokaluK] = txtlokK->text();
    k[GminaK] = txtGMINK->text();
    k[PowiatK] = txtPowK->text();
    k[Wojewodztwo] = txtWOJK->text();
    k[NrRachunku1K] = txtKonto1K->text();
    k[NrRachunku2K] = txtKonto2K->text();
    k[Telefon] = txtTelK->text();
    k[MailK] = txtMailK->text();
    k[WWWK] = txtWWWK->text();
    k[UwagiK] = txtUwagiK->text();
    k[KodIden] = txtKodKontrahenta->text();
    k[WalutaKh] = cmbWalutaKH->currentText();
    return k;
}

void frmFirmaKontrahenta::otworz(const KontekstListy& lista)
{
    m_lista = lista;
    wyczysc();
    cmdZmianyK->setVisible(true);
    if (m_session.TrybKontrahenta == 4) {
        LbNrKol->setText(QString::number(lista.liczbaWierszy));
    } else {
        if (const auto k = kontrahentDoKarty(plik(), lista.nazwa, lista.wiersz))
            pokaz(*k);
        else
            m_session.TrybKontrahenta = 0;
    }
    show();
    raise();
    activateWindow();
    txtSkrotK->setFocus();
}

bool frmFirmaKontrahenta::wykonaj(const std::function<WynikOperacji(bool nadpisz)>& operacja)
{
    const WynikOperacji w = wykonajZaZgoda(m_dialogs, operacja);
    if (w.wynik == Wynik::WymagaZgody)
        return false;
    if (w.wynik != Wynik::Gotowe) {
        m_dialogs.messageBox(w.blad, QStringLiteral("Błąd"), Icon::Critical);
        return false;
    }
    return true;
}

void frmFirmaKontrahenta::zapiszZmiany()
{
    const Kontrahent k = zKarty(zOkna());
    if (m_session.TrybKontrahenta == 4) {
        if (k[SkrotK].trimmed().isEmpty()) {
            m_dialogs.messageBox(QStringLiteral("Podaj skrót nazwy kontrahenta - po skrócie przelewy i faktury "
                                                "odnajdują kontrahenta."),
                                 QStringLiteral("Brak skrótu nazwy"), Icon::Exclamation);
            txtSkrotK->setFocus();
            return;
        }
        if (!kontaPotwierdzone())
            return;
        Kontrahent nowy = k;
        nowy[Platnosc].clear();
        nowy[BankK].clear();
        if (!wykonaj([&](bool nadpisz) { return dopiszZKarty(plik(), nowy, nadpisz); }))
            return;
        m_dialogs.messageBox(QStringLiteral(" Rekord ") + nowy[NazwaKontrahenta]
                                 + QStringLiteral(" został dopisany na końcu zbioru !"),
                             QStringLiteral("Posortuj kontrahentów"), Icon::Information);
        m_session.TrybKontrahenta = 0;
        close();
        emit dopisano();
        return;
    }
    if (!kontaPotwierdzone())
        return;
    if (!wykonaj([&](bool nadpisz) { return zmienWPliku(plik(), m_lista.nazwa, m_lista.skrot, k, nadpisz); }))
        return;
    m_dialogs.messageBox(QStringLiteral("Zmiany zostały wprowadzone"), kAppTitle, Icon::Exclamation);
    emit zmieniono();
}

void frmFirmaKontrahenta::zakup()
{
    if (txtNazwiskoK->text().isEmpty()) {
        m_dialogs.messageBox(QStringLiteral(" Brak nazwy kontrahenta lub konta nie możliwe wejscie przelewów "),
                             kAppTitle, Icon::Critical);
        return;
    }
    Kontrahent k = zOkna();
    for (QString& v : k.w)
        v = ZamienCudzyslow(v);
    const KontrahentDoPrzelewu d = doPrzelewuZKarty(k);
    m_session.NrKolKontrahenta = d.txtNrKol;
    close();
    emit doPrzelewu(d);
}

} // namespace remitto
