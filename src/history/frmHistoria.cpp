#include "history/frmHistoria.h"

#include "core/Amount.h"
#include "core/KodyDrukarki.h"
#include "core/Session.h"
#include "history/WydrukHistorii.h"
#include "history/frmHistoriaWiersze.h"
#include "statements/Uzgodnienie.h"
#include "ui/Dialogs.h"
#include "ui/Grid.h"
#include "ui/Kontrolki.h"
#include "ui/PostepKopii.h"
#include "ui/PrintRenderer.h"
#include "ui/ZgodaNaNaprawe.h"
#include "ui/modBledy.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QVBoxLayout>
#include <QShortcut>

namespace remitto {

namespace {

const QString kTytulArchiwizacji = QStringLiteral("Archiwizacja");
const QString kTytulBledu = QStringLiteral("Błąd");
// Archives of up to this many records need no progress window.
constexpr int kBezPostepu = 20000;

} // namespace

frmHistoria::frmHistoria(Session& session, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent), m_session(session), m_dialogs(dialogs), m_wlasneDrukowanie(std::make_unique<QtDrukowanie>(this))
{
    m_drukowanie = m_wlasneDrukowanie.get();
    zbudujOkno();
}

frmHistoria::frmHistoria(Session& session, Dialogs& dialogs, Drukowanie& drukowanie, QWidget* parent)
    : QWidget(parent), m_session(session), m_dialogs(dialogs), m_drukowanie(&drukowanie)
{
    zbudujOkno();
}

frmHistoria::~frmHistoria() = default;

void frmHistoria::zbudujOkno()
{
    setObjectName(QStringLiteral("frmHistoria"));
    setWindowTitle(QStringLiteral("Historia"));
    resize(1100, 650);

    auto* glowny = new QVBoxLayout(this);
    Label1 = new QLabel(QStringLiteral("Historia przelewów"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont f = Label1->font();
    f.setBold(true);
    f.setPointSize(f.pointSize() + 4);
    Label1->setFont(f);
    glowny->addWidget(Label1);

    MSFlexGrid1 = new Grid(this);
    MSFlexGrid1->setObjectName(QStringLiteral("MSFlexGrid1"));
    MSFlexGrid1->setColumns(naglowkiHistorii(), szerokosciHistorii());
    glowny->addWidget(MSFlexGrid1, 1);

    auto* pola = new QGridLayout;
    glowny->addLayout(pola);
    auto etykieta = [this](const QString& tekst, const QString& nazwa) {
        auto* l = new QLabel(tekst, this);
        l->setObjectName(nazwa);
        return l;
    };
    auto pole = [this](const QString& nazwa, const QString& tekst = {}) {
        auto* e = new QLineEdit(tekst, this);
        e->setObjectName(nazwa);
        return e;
    };
    auto przycisk = [this](const QString& nazwa, const QString& tekst) {
        auto* b = new QPushButton(tekst, this);
        b->setObjectName(nazwa);
        return b;
    };

    TxtSkrot = pole(QStringLiteral("TxtSkrot"), QStringLiteral("Wszystkie"));
    txtOddata = pole(QStringLiteral("txtOddata"));
    txtDoData = pole(QStringLiteral("txtDoData"));
    txtROKA = pole(QStringLiteral("txtROKA"));
    txtROKA->setMaximumWidth(80);
    LbKwotaRazem = etykieta(QStringLiteral("0,00"), QStringLiteral("LbKwotaRazem"));
    LbKwotaRazem->setFrameShape(QFrame::Panel);
    LbKwotaRazem->setFrameShadow(QFrame::Sunken);
    LbKwotaRazem->setMinimumWidth(140);
    LbKwotaRazem->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    pola->addWidget(etykieta(QStringLiteral(" Skrót "), QStringLiteral("Label2")), 0, 0);
    pola->addWidget(TxtSkrot, 1, 0);
    pola->addWidget(etykieta(QStringLiteral("dd-mm-rrrr"), QStringLiteral("Label3")), 0, 1);
    pola->addWidget(txtOddata, 1, 1);
    pola->addWidget(etykieta(QStringLiteral("dd-mm-rrrr"), QStringLiteral("Label4")), 0, 2);
    pola->addWidget(txtDoData, 1, 2);
    pola->addWidget(etykieta(QStringLiteral("Zapłacona kwota razem"), QStringLiteral("Label5")), 0, 3);
    pola->addWidget(LbKwotaRazem, 1, 3);
    pola->addWidget(etykieta(QStringLiteral("Rok rrrr"), QStringLiteral("Label6")), 0, 4);
    pola->addWidget(txtROKA, 1, 4);
    chkNiezaksiegowane = new QCheckBox(QStringLiteral("tylko niezaksięgowane"), this);
    chkNiezaksiegowane->setObjectName(QStringLiteral("chkNiezaksiegowane"));
    chkNiezaksiegowane->setToolTip(QStringLiteral("Przelewy, których uzgodniony wyciąg bankowy nie zaksięgował"));
    pola->addWidget(chkNiezaksiegowane, 1, 5);

    cmdWybrane = przycisk(QStringLiteral("cmdWybrane"), QStringLiteral("&Wyświetl wybrane"));
    cmdDrukujH = przycisk(QStringLiteral("cmdDrukujH"), QStringLiteral("&Drukuj"));
    cmdArchiwizacjaRoku = przycisk(QStringLiteral("cmdArchiwizacjaRoku"), QStringLiteral("&Archiwizacja  wybranego roku"));
    cmdPodgladRoku = przycisk(QStringLiteral("cmdPodgladRoku"), QStringLiteral("Podglad arch. Roku"));
    cmdUsun = przycisk(QStringLiteral("cmdUsuń"), QStringLiteral("&Usuń rekord"));
    UsunWszystko = przycisk(QStringLiteral("UsunWszystko"), QStringLiteral("Usuń &Wszystko"));
    koniecH = przycisk(QStringLiteral("koniecH"), QStringLiteral("  &Koniec"));
    auto* przyciski = new QHBoxLayout;
    for (QPushButton* b : {cmdWybrane, cmdDrukujH, cmdArchiwizacjaRoku, cmdPodgladRoku, cmdUsun, UsunWszystko, koniecH})
        przyciski->addWidget(b);
    glowny->addLayout(przyciski);
    lbDrukowanie = etykieta(QString(), QStringLiteral("lbDrukowanie"));
    glowny->addWidget(lbDrukowanie);

    connect(cmdWybrane, &QPushButton::clicked, this, &frmHistoria::wyswietlWybrane);
    connect(chkNiezaksiegowane, &QCheckBox::toggled, this, &frmHistoria::wyswietlWybrane);
    connect(cmdDrukujH, &QPushButton::clicked, this, &frmHistoria::drukuj);
    connect(cmdArchiwizacjaRoku, &QPushButton::clicked, this, &frmHistoria::archiwizujRok);
    connect(cmdPodgladRoku, &QPushButton::clicked, this, &frmHistoria::podgladRoku);
    connect(cmdUsun, &QPushButton::clicked, this, &frmHistoria::usunRekord);
    connect(UsunWszystko, &QPushButton::clicked, this, &frmHistoria::usunWszystko);
    connect(koniecH, &QPushButton::clicked, this, &frmHistoria::koniec);
    // Escape does what the end button does.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, koniecH, &QAbstractButton::click);
    connect(MSFlexGrid1, &Grid::cellClicked, this, [this](int wiersz, int) { wybranoWiersz(wiersz); });
}

void frmHistoria::otworz()
{
    wyswietl(FiltrHistorii{});
    show();
    raise();
    activateWindow();
}

void frmHistoria::pokaz(std::shared_ptr<const PlikHistorii> plik, std::vector<int> rekordy, bool archiwum,
                        std::shared_ptr<const std::vector<qint8>> stany)
{
    const qint64 suma = sumaKwot(*plik, rekordy);
    m_plik = std::move(plik);
    m_archiwum = archiwum;
    m_nrDoUsuniecia = 0;
    m_wiersze = std::make_shared<HistoriaWiersze>(m_plik, std::move(rekordy), archiwum);
    m_wiersze->setStany(std::move(stany));
    MSFlexGrid1->setRowSource(m_wiersze);
    LbKwotaRazem->setText(archiwum ? kwotaGrupowana(suma) : formatAmount(suma));
}

void frmHistoria::wyswietl(const FiltrHistorii& filtr)
{
    const PlikWyslanych plik = plikWyslanych(m_session);
    dokonczPrzerwanaArchiwizacje(plik);
    auto p = std::make_shared<PlikHistorii>(PlikHistorii::wczytaj(plik.sciezka, plik.uklad));
    // A file not yet written by any export is an empty history.
    if (p->stan() == PlikHistorii::Stan::BladOdczytu || p->stan() == PlikHistorii::Stan::Uszkodzony)
        m_dialogs.messageBox(p->blad(), kTytulBledu, Icon::Critical);
    std::vector<int> rekordy = filtr.wszyscy() && filtr.bezDat() ? wszystkieRekordy(*p) : filtrujHistorie(*p, filtr);
    // What reconciled bank statements said of the records; a results file
    // that cannot be read only leaves the list without its colours.
    const OdczytUzgodnien uzgodnienia = czytajUzgodnienia(plikUzgodnien(m_session.SciezkaProgramu));
    std::shared_ptr<const std::vector<qint8>> stany;
    if (uzgodnienia.ok && !uzgodnienia.wyniki.empty())
        stany = std::make_shared<const std::vector<qint8>>(stanyRekordow(*p, uzgodnienia.wyniki));
    if (chkNiezaksiegowane->isChecked()) {
        std::erase_if(rekordy, [&](int r) {
            return !stany || (*stany)[size_t(r)] != qint8(RodzajUzgodnienia::Niezaksiegowany);
        });
    }
    pokaz(std::move(p), std::move(rekordy), false, std::move(stany));
}

void frmHistoria::dokonczPrzerwanaArchiwizacje(const PlikWyslanych& plik)
{
    // A damaged file is reported by the list itself; the archive run asks
    // about it and finishes the journal then.
    const WynikOperacji w = dokonczArchiwizacje(plik);
    if (w.wynik == WynikHistorii::Zrobione && w.przeniesione > 0)
        m_dialogs.messageBox(QStringLiteral("Dokończono przerwaną archiwizację roku %1: przeniesiono do archiwum "
                                            "przelewów: %2.")
                                 .arg(w.rok)
                                 .arg(w.przeniesione),
                             kTytulArchiwizacji, Icon::Information);
    else if (w.wynik != WynikHistorii::Zrobione && w.wynik != WynikHistorii::Uszkodzony)
        m_dialogs.messageBox(w.blad, kTytulBledu, Icon::Critical);
}

std::optional<FiltrHistorii> frmHistoria::filtrZPol()
{
    FiltrHistorii::Blad blad;
    const FiltrHistorii f = FiltrHistorii::zPol(TxtSkrot->text(), txtOddata->text(), txtDoData->text(), &blad);
    if (blad != FiltrHistorii::Blad::Brak) {
        m_dialogs.messageBox(QStringLiteral(" Źle wpisana data ! (dd-mm-rrrr)"), QStringLiteral("Błąd !"),
                             Icon::Critical);
        (blad == FiltrHistorii::Blad::DataOd ? txtOddata : txtDoData)->setFocus();
        return std::nullopt;
    }
    return f;
}

void frmHistoria::wyswietlWybrane()
{
    if (const auto f = filtrZPol())
        wyswietl(*f);
}

void frmHistoria::drukuj()
{
    const auto f = filtrZPol();
    if (!f)
        return;
    const PlikWyslanych plik = plikWyslanych(m_session);
    const PlikHistorii p = PlikHistorii::wczytaj(plik.sciezka, plik.uklad);
    if (p.stan() == PlikHistorii::Stan::BladOdczytu || p.stan() == PlikHistorii::Stan::Uszkodzony)
        m_dialogs.messageBox(p.blad(), kTytulBledu, Icon::Critical);
    OpisWydruku opis{TxtSkrot->text(), txtOddata->text(), txtDoData->text(), m_session.DataDzis,
                     czyPogrubiony(m_session.DrukPogrubiony)};
    const PrintJob job = wydrukHistorii(p, filtrujHistorie(p, *f), opis);
    QString blad;
    switch (m_drukowanie->drukuj(job, &blad)) {
    case WynikWydruku::Rezygnacja:
        m_dialogs.messageBox(QStringLiteral("Zrezygnowałeś z drukowania !"), QStringLiteral("Rezygnacja"),
                             Icon::Information);
        return;
    case WynikWydruku::Blad:
        m_dialogs.messageBox(blad, kTytulBledu, Icon::Critical);
        return;
    case WynikWydruku::Wydrukowano:
        lbDrukowanie->setText(QStringLiteral("                 Drukowanie zakończone !"));
        return;
    }
}

std::optional<int> frmHistoria::rokZPolaLubBlad()
{
    const auto rok = rokZPola(txtROKA->text().trimmed());
    if (!rok)
        m_dialogs.messageBox(QStringLiteral(" Źle wpisany rok !"), QStringLiteral("Błąd !"), Icon::Critical);
    return rok;
}

void frmHistoria::archiwizujRok()
{
    const auto rok = rokZPolaLubBlad();
    if (!rok)
        return;
    if (m_dialogs.messageBox(QStringLiteral("Czy chcesz archiwizować wybrany rok - z usunieciem z aktualnych wpisów ?"),
                             QStringLiteral("Pytanie"), Icon::Question, Buttons::OkCancel) != Answer::Ok)
        return;
    if (!kopiaPrzedZmianaZPytaniem(this, m_session, m_dialogs))
        return;

    const PlikWyslanych plik = plikWyslanych(m_session);
    const QString archiwum = plikArchiwum(m_session, *rok);
    std::unique_ptr<QProgressDialog> okno;
    auto postep = [&](qint64 zrobione, qint64 razem) {
        if (!okno && razem > kBezPostepu) {
            okno = std::make_unique<QProgressDialog>(QStringLiteral("Archiwizacja roku %1 ...").arg(*rok), QString(),
                                                     0, 1000, this);
            okno->setObjectName(QStringLiteral("postepArchiwizacji"));
            okno->setWindowTitle(kTytulArchiwizacji);
            okno->setWindowModality(Qt::WindowModal);
            okno->setMinimumDuration(0);
        }
        if (okno) {
            okno->setValue(int(zrobione * 1000 / std::max<qint64>(razem, 1)));
            QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        }
    };
    WynikOperacji w = remitto::archiwizujRok(plik, archiwum, *rok, false, postep);
    if (w.wynik == WynikHistorii::Uszkodzony) {
        if (!zgodaNaNaprawe(m_dialogs, DamagedFile::SentTransfers, w.blad))
            return;
        w = remitto::archiwizujRok(plik, archiwum, *rok, true, postep);
    }
    okno.reset();
    switch (w.wynik) {
    case WynikHistorii::Zrobione:
        wyswietl(FiltrHistorii{});
        m_dialogs.messageBox(QStringLiteral(" Archiwizacja Roku ") + QString::number(*rok) + QStringLiteral(" Wykonane "),
                             kTytulArchiwizacji, Icon::Information);
        break;
    case WynikHistorii::BrakPliku:
        BladPliku(m_dialogs, kBladBrakPliku);
        break;
    case WynikHistorii::BladArchiwum:
        m_dialogs.messageBox(w.blad + QStringLiteral("\nArchiwizacja nie została wykonana, pliki są bez zmian."),
                             kTytulBledu, Icon::Critical);
        break;
    case WynikHistorii::BladZapisu:
        m_dialogs.messageBox(w.blad, kTytulBledu, Icon::Critical);
        wyswietl(FiltrHistorii{});
        break;
    default:
        m_dialogs.messageBox(w.blad, kTytulBledu, Icon::Critical);
        break;
    }
}

void frmHistoria::podgladRoku()
{
    const auto rok = rokZPolaLubBlad();
    if (!rok)
        return;
    auto p = std::make_shared<PlikHistorii>(PlikHistorii::wczytaj(plikArchiwum(m_session, *rok), kUkladPrzelewu));
    if (p->stan() == PlikHistorii::Stan::Brak) {
        BladPliku(m_dialogs, kBladBrakPliku);
        return;
    }
    if (p->stan() != PlikHistorii::Stan::Ok)
        m_dialogs.messageBox(p->blad(), kTytulBledu, Icon::Critical);
    std::vector<int> rekordy = wszystkieRekordy(*p);
    pokaz(std::move(p), std::move(rekordy), true);
}

void frmHistoria::wybranoWiersz(int wiersz)
{
    // The position (from 1) of the row's record in the file.
    m_nrDoUsuniecia = m_wiersze && wiersz >= 1 && wiersz <= m_wiersze->rowCount() ? m_wiersze->rekord(wiersz - 1) + 1 : 0;
}

void frmHistoria::usunRekord()
{
    if (m_archiwum) {
        m_dialogs.messageBox(QStringLiteral("Lista pokazuje archiwum roku. Usuwać można rekordy bieżącej historii "
                                            "(\"Wyświetl wybrane\")."),
                             QStringLiteral("Usuń rekord"), Icon::Information);
        return;
    }
    const int pozycja = m_nrDoUsuniecia;
    if (pozycja < 1 || !m_plik || pozycja > m_plik->liczbaRekordow()) {
        BladPliku(m_dialogs, kBladNiewlasciwyArgument);
        return;
    }
    const QStringList pokazany = m_plik->wartosci(pozycja - 1);
    const UkladHistorii& u = m_plik->uklad();
    const QString opis = QStringLiteral("Czy usunąć rekord nr %1 (%2, %3, %4) ?")
                             .arg(pozycja)
                             .arg(pokazany.value(u.data), pokazany.value(u.skrot), pokazany.value(u.kwota));
    if (m_dialogs.messageBox(opis, QStringLiteral("Pytanie"), Icon::Question, Buttons::OkCancel) != Answer::Ok)
        return;

    const PlikWyslanych plik = plikWyslanych(m_session);
    WynikOperacji w = usunRekordHistorii(plik, pozycja, pokazany, false);
    if (w.wynik == WynikHistorii::Uszkodzony) {
        if (!zgodaNaNaprawe(m_dialogs, DamagedFile::SentTransfers, w.blad))
            return;
        w = usunRekordHistorii(plik, pozycja, pokazany, true);
    }
    switch (w.wynik) {
    case WynikHistorii::Zrobione:
        break;
    case WynikHistorii::BrakPliku:
        BladPliku(m_dialogs, kBladBrakPliku);
        return;
    case WynikHistorii::BrakRekordu:
        BladPliku(m_dialogs, kBladNiewlasciwyArgument);
        return;
    default:
        m_dialogs.messageBox(w.blad, kTytulBledu, Icon::Critical);
        break;
    }
    // The list is read again, so the positions after the deleted record move up.
    const int gora = MSFlexGrid1->rowAt(0);
    FiltrHistorii::Blad blad;
    const FiltrHistorii f = FiltrHistorii::zPol(TxtSkrot->text(), txtOddata->text(), txtDoData->text(), &blad);
    wyswietl(blad == FiltrHistorii::Blad::Brak ? f : FiltrHistorii{});
    if (gora >= 0)
        MSFlexGrid1->scrollToRow(gora + 1);
}

void frmHistoria::usunWszystko()
{
    const PlikWyslanych plik = plikWyslanych(m_session);
    if (m_dialogs.messageBox(QStringLiteral("Czy usunąć całą historię przelewów (plik %1) ?").arg(plik.sciezka),
                             QStringLiteral("Pytanie"), Icon::Question, Buttons::OkCancel) != Answer::Ok)
        return;
    if (!kopiaPrzedZmianaZPytaniem(this, m_session, m_dialogs))
        return;
    const WynikOperacji w = usunHistorie(plik.sciezka);
    if (w.wynik == WynikHistorii::BrakPliku) {
        BladPliku(m_dialogs, kBladBrakPliku);
        return;
    }
    if (w.wynik != WynikHistorii::Zrobione) {
        m_dialogs.messageBox(w.blad, kTytulBledu, Icon::Critical);
        return;
    }
    wyswietl(FiltrHistorii{});
}

void frmHistoria::koniec()
{
    kontrolki::pokazRodzica(this);
    close();
}

} // namespace remitto
