#include "contractors/frmBialaLista.h"

#include "contractors/frmBialaListaPostep.h"
#include "core/KodyDrukarki.h"
#include "core/Session.h"
#include "ui/Dialogs.h"
#include "ui/Grid.h"
#include "ui/Kontrolki.h"
#include "ui/PrintRenderer.h"
#include "ui/RaportOkna.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QSettings>
#include <QVBoxLayout>
#include <QShortcut>

namespace remitto {

using namespace kontrahenci;
using namespace kontrolki;

namespace {

const QString kTytul = QStringLiteral("Biała lista VAT");

// The result comes first so that it is in sight however narrow the window;
// its cell is coloured by what the user has to do about it.
enum Kolumna { KolWynik, KolSkrot, KolNazwa, KolNip, KolKonto };

GridModel::CellStyle stylWyniku(WynikBialejListy wynik)
{
    GridModel::CellStyle s;
    switch (wynik) {
    case WynikBialejListy::Czynny:
    case WynikBialejListy::Zwolniony:  // on the list: the account may be paid
        s.background = QColor(0xc8, 0xec, 0xc8);
        s.foreground = QColor(0x00, 0x5a, 0x00);
        break;
    case WynikBialejListy::NieFiguruje:  // the pair is not on the list: check before paying
        s.background = QColor(0xf6, 0xc4, 0xc4);
        s.foreground = QColor(0x90, 0x00, 0x00);
        s.bold = true;
        break;
    case WynikBialejListy::KontoNiepelne:  // the record needs mending before it can be checked
        s.background = QColor(0xfb, 0xe3, 0xb0);
        s.foreground = QColor(0x80, 0x4a, 0x00);
        break;
    case WynikBialejListy::BrakNipLubKonta:  // nothing to check
        s.background = QColor(0xe4, 0xe4, 0xe4);
        s.foreground = QColor(0x50, 0x50, 0x50);
        break;
    }
    return s;
}

/// The report's lines as the grid shows them, built for the rows on screen.
class WynikiBialejListy : public GridRowSource {
public:
    explicit WynikiBialejListy(QList<PozycjaRaportu> pozycje) : m_pozycje(std::move(pozycje)) {}

    int rowCount() const override { return int(m_pozycje.size()); }
    QString cell(int row, int col) const override
    {
        const PozycjaRaportu& p = m_pozycje[row];
        switch (col) {
        case KolWynik: return opisWyniku(p.wynik);
        case KolSkrot: return p.skrot;
        case KolNazwa: return p.nazwa;
        case KolNip: return p.nip;
        case KolKonto: return p.konto;
        }
        return {};
    }
    GridModel::CellStyle style(int row, int col) const override
    {
        return col == KolWynik ? stylWyniku(m_pozycje[row].wynik) : GridModel::CellStyle{};
    }

private:
    QList<PozycjaRaportu> m_pozycje;
};

} // namespace

frmBialaLista::frmBialaLista(Session& session, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent), m_session(session), m_dialogs(dialogs), m_wlasneDrukowanie(std::make_unique<QtDrukowanie>(this))
{
    m_drukowanie = m_wlasneDrukowanie.get();
    zbudujOkno();
}

frmBialaLista::frmBialaLista(Session& session, Dialogs& dialogs, Drukowanie& drukowanie, QWidget* parent)
    : QWidget(parent), m_session(session), m_dialogs(dialogs), m_drukowanie(&drukowanie)
{
    zbudujOkno();
}

frmBialaLista::~frmBialaLista() = default;

void frmBialaLista::zbudujOkno()
{
    setObjectName(QStringLiteral("frmBialaLista"));
    setWindowTitle(QStringLiteral("Biała lista VAT - sprawdzenie kontrahentów"));
    resize(1100, 600);

    auto* glowny = new QVBoxLayout(this);
    auto* wiersz = new QHBoxLayout;
    lblPlik = etykieta(QStringLiteral("&Plik płaski (.7z lub .json):"), QStringLiteral("lblPlik"), this);
    txtPlik = pole(QStringLiteral("txtPlik"), this, 40);
    lblPlik->setBuddy(txtPlik);
    cmdWybierz = przycisk(QStringLiteral("&Wybierz..."), QStringLiteral("cmdWybierz"), this);
    cmdSprawdz = przycisk(QStringLiteral("&Sprawdź kontrahentów"), QStringLiteral("cmdSprawdz"), this);
    wiersz->addWidget(lblPlik);
    wiersz->addWidget(txtPlik, 1);
    wiersz->addWidget(cmdWybierz);
    wiersz->addWidget(cmdSprawdz);
    glowny->addLayout(wiersz);

    lblInformacja = informacjaRaportu(this, glowny);

    grdWyniki = wynikiRaportu(this, glowny, {QStringLiteral("Wynik"), QStringLiteral("Skrót"), QStringLiteral("Nazwa"),
                              QStringLiteral("NIP"), QStringLiteral("Numer konta")},
                              {2400, 1800, 5400, 1650, 4200});

    const PasekRaportu pasek = pasekRaportu(this, glowny);
    cmdDrukuj = pasek.drukuj;
    cmdPdf = pasek.pdf;
    cmdZamknij = pasek.zamknij;

    connect(cmdWybierz, &QPushButton::clicked, this, &frmBialaLista::wybierzPlik);
    connect(cmdSprawdz, &QPushButton::clicked, this, &frmBialaLista::sprawdz);
    connect(txtPlik, &QLineEdit::returnPressed, this, &frmBialaLista::sprawdz);
    connect(cmdDrukuj, &QPushButton::clicked, this, &frmBialaLista::drukuj);
    connect(cmdPdf, &QPushButton::clicked, this, &frmBialaLista::zapiszPdfRaportu);
    connect(cmdZamknij, &QPushButton::clicked, this, &QWidget::close);
    // Escape does what the end button does.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, cmdZamknij, &QAbstractButton::click);
}

void frmBialaLista::otworz()
{
    if (txtPlik->text().isEmpty()) {
        if (m_settings) {
            txtPlik->setText(zapamietanyPlikBialejListy(*m_settings));
        } else {
            const QSettings settings;
            txtPlik->setText(zapamietanyPlikBialejListy(settings));
        }
    }
    if (lblInformacja->text().isEmpty())
        lblInformacja->setText(QStringLiteral("Wybierz plik płaski z dnia %1 (plik .7z z serwisu Ministerstwa "
                                              "Finansów lub rozpakowany .json) i naciśnij \"Sprawdź kontrahentów\".")
                                   .arg(m_session.DataDzis));
    show();
    raise();
    activateWindow();
    txtPlik->setFocus();
}

QString frmBialaLista::wybierz(bool zapis, const QString& proponowany)
{
    if (m_wybor)
        return m_wybor(zapis, proponowany);
    if (zapis)
        return QFileDialog::getSaveFileName(this, QStringLiteral("Zapisz listę jako PDF"), proponowany,
                                            QStringLiteral("PDF (*.pdf)"));
    return QFileDialog::getOpenFileName(this, QStringLiteral("Plik płaski białej listy VAT"), proponowany,
                                        QStringLiteral("Plik płaski (*.7z *.json);;Wszystkie pliki (*)"));
}

void frmBialaLista::wybierzPlik()
{
    const QString plik = wybierz(false, txtPlik->text().trimmed());
    if (plik.isEmpty())
        return;
    txtPlik->setText(QDir::toNativeSeparators(plik));
    cmdSprawdz->setFocus();
}

void frmBialaLista::sprawdz()
{
    const QString plik = QDir::fromNativeSeparators(txtPlik->text().trimmed());
    if (plik.isEmpty() || !QFileInfo(plik).isFile()) {
        m_dialogs.messageBox(plik.isEmpty() ? QStringLiteral("Wybierz plik płaski białej listy VAT.")
                                            : QStringLiteral("Nie ma pliku %1.").arg(plik),
                             kTytul, Icon::Exclamation);
        return;
    }
    if (m_settings) {
        zapamietajPlikBialejListy(*m_settings, plik);
    } else {
        QSettings settings;
        zapamietajPlikBialejListy(settings, plik);
    }

    const OdczytKontrahentow odczyt = czytajKontrahentow(m_session.dataPath(kPlikKontrahentow));
    if (!odczyt.ok && !odczyt.brak) {
        m_dialogs.messageBox(odczyt.blad, kTytul, Icon::Critical);
        return;
    }
    const QList<Kontrahent> kontrahenci = kontrahenciDoSprawdzenia(odczyt.lista);
    if (kontrahenci.isEmpty()) {
        m_dialogs.messageBox(QStringLiteral("Żaden kontrahent nie ma wpisanego NIP ani numeru konta."), kTytul,
                             Icon::Information);
        return;
    }

    QString blad;
    const BialaLista lista = otworzZPostepem(this, plik, m_folderPamieci, &blad);
    if (!lista.wczytana()) {
        if (blad.isEmpty()) {
            lblInformacja->setText(QStringLiteral("Czytanie pliku przerwano."));
            return;
        }
        m_dialogs.messageBox(blad, kTytul, Icon::Critical);
        return;
    }

    RaportBialejListy r;
    r.dataPliku = lista.dataTekst();
    r.plik = QFileInfo(plik).absoluteFilePath();
    r.sprawdzono = m_session.DataDzis + QLatin1Char(' ') + m_session.clock.now().toString(QStringLiteral("HH:mm"));
    const bool dokonczono = wykonajZPostepem(
        this, QStringLiteral("Sprawdzanie %1 kontrahentów...").arg(kontrahenci.size()),
        [&](const PostepBialejListy& postep) { r.pozycje = sprawdzKontrahentow(lista, kontrahenci, postep); });
    if (!dokonczono || r.pozycje.size() != kontrahenci.size()) {
        lblInformacja->setText(QStringLiteral("Sprawdzanie przerwano."));
        return;
    }

    QString sciezka;
    if (!zapiszRaport(m_session.SciezkaProgramu, r, &sciezka, &blad))
        m_dialogs.messageBox(blad, kTytul, Icon::Critical);
    m_raport = std::move(r);
    pokazRaport(blad.isEmpty() ? sciezka : QString());
}

void frmBialaLista::pokazRaport(const QString& sciezkaRaportu)
{
    const RaportBialejListy& r = *m_raport;
    QList<int> ile(5, 0);
    for (const PozycjaRaportu& p : r.pozycje)
        ++ile[int(p.wynik)];
    grdWyniki->setRowSource(std::make_shared<WynikiBialejListy>(r.pozycje));

    const QDate dataPliku = QDate::fromString(QString::fromLatin1(r.dataPliku), QStringLiteral("yyyyMMdd"));
    QString tekst = QStringLiteral("Plik płaski z dnia %1: sprawdzono %2 kontrahentów - czynny %3, zwolniony %4, "
                                   "nie figuruje %5, brak NIP lub konta %6, konto niepełne %7.")
                        .arg(dataPliku.toString(QStringLiteral("dd-MM-yyyy")))
                        .arg(r.pozycje.size())
                        .arg(ile[0])
                        .arg(ile[1])
                        .arg(ile[2])
                        .arg(ile[3])
                        .arg(ile[4]);
    if (dataPliku != m_session.dzis())
        tekst += QStringLiteral(" Uwaga: plik nie jest z dnia %1.").arg(m_session.DataDzis);
    if (!sciezkaRaportu.isEmpty())
        tekst += QStringLiteral("\nRaport zapisano w pliku %1").arg(QDir::toNativeSeparators(sciezkaRaportu));
    lblInformacja->setText(tekst);
    cmdDrukuj->setEnabled(true);
    cmdPdf->setEnabled(true);
    grdWyniki->setFocus();
}

void frmBialaLista::drukuj()
{
    if (m_raport)
        drukujRaport(*m_drukowanie, m_dialogs, wydrukRaportu(*m_raport, czyPogrubiony(m_session.DrukPogrubiony)),
                     kTytul);
}

void frmBialaLista::zapiszPdfRaportu()
{
    if (!m_raport)
        return;
    const QString proponowany = QFileInfo(sciezkaRaportu(m_session.SciezkaProgramu, m_raport->dataPliku))
                                    .path()
        + QLatin1Char('/') + QString::fromLatin1(m_raport->dataPliku) + QStringLiteral(".pdf");
    const QString plik = wybierz(true, proponowany);
    if (!plik.isEmpty())
        zapiszRaportPdf(m_dialogs, wydrukRaportu(*m_raport, czyPogrubiony(m_session.DrukPogrubiony)), plik, kTytul);
}

} // namespace remitto
