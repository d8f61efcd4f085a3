#include "statements/frmWyciag.h"

#include "core/Amount.h"
#include "core/Session.h"
#include "history/Historia.h"
#include "statements/RaportWyciagu.h"
#include "ui/Dialogs.h"
#include "ui/Grid.h"
#include "ui/Kontrolki.h"
#include "core/KodyDrukarki.h"
#include "ui/PrintRenderer.h"
#include "ui/RaportOkna.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QProgressDialog>
#include <QShortcut>
#include <QVBoxLayout>

namespace remitto {

using namespace kontrolki;

namespace {

const QString kTytul = QStringLiteral("Wyciąg bankowy (MT940)");

enum Kolumna { KolWynik, KolData, KolKwotaWyciagu, KolKwotaPrzelewu, KolKonto, KolNazwa, KolTytul, KolWiersz, KolPozycja };

GridModel::CellStyle stylWyniku(RodzajUzgodnienia r)
{
    GridModel::CellStyle s;
    switch (r) {
    case RodzajUzgodnienia::Zaksiegowany:  // all is well
        s.background = QColor(0xc8, 0xec, 0xc8);
        s.foreground = QColor(0x00, 0x5a, 0x00);
        break;
    case RodzajUzgodnienia::InnaKwota:  // booked, but not the amount sent
        s.background = QColor(0xfb, 0xe3, 0xb0);
        s.foreground = QColor(0x80, 0x4a, 0x00);
        s.bold = true;
        break;
    case RodzajUzgodnienia::BrakWHistorii:  // paid in the bank (card, standing order): shown only
        s.background = QColor(0xe4, 0xe4, 0xe4);
        s.foreground = QColor(0x50, 0x50, 0x50);
        break;
    case RodzajUzgodnienia::Niezaksiegowany:  // sent and not booked: the user must look at it
        s.background = QColor(0xf6, 0xc4, 0xc4);
        s.foreground = QColor(0x90, 0x00, 0x00);
        s.bold = true;
        break;
    }
    return s;
}


class WynikiWyciagu : public GridRowSource {
public:
    explicit WynikiWyciagu(std::vector<WynikUzgodnienia> w) : m_wyniki(std::move(w)) {}
    int rowCount() const override { return int(m_wyniki.size()); }
    QString cell(int row, int col) const override
    {
        const WynikUzgodnienia& w = m_wyniki[size_t(row)];
        switch (col) {
        case KolWynik: return slowoUzgodnienia(w.rodzaj);
        case KolData: return dataZKlucza(w.kluczDaty);
        case KolKwotaWyciagu: return w.maOperacje ? kwotaGrupowana(w.kwotaWyciagu) : QString();
        case KolKwotaPrzelewu: return w.maRekord ? kwotaGrupowana(w.kwotaRekordu) : QString();
        case KolKonto: return w.konto;
        case KolNazwa: return w.nazwa;
        case KolTytul: return w.tytul;
        case KolWiersz: return w.linia > 0 ? QString::number(w.linia) : QStringLiteral("-");
        case KolPozycja: return w.rekord >= 0 ? QString::number(w.rekord + 1) : QStringLiteral("-");
        }
        return {};
    }
    GridModel::CellStyle style(int row, int col) const override
    {
        return col == KolWynik ? stylWyniku(m_wyniki[size_t(row)].rodzaj) : GridModel::CellStyle{};
    }

private:
    std::vector<WynikUzgodnienia> m_wyniki;
};

} // namespace

frmWyciag::frmWyciag(Session& session, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent), m_session(session), m_dialogs(dialogs), m_wlasneDrukowanie(std::make_unique<QtDrukowanie>(this))
{
    m_drukowanie = m_wlasneDrukowanie.get();
    zbudujOkno();
}

frmWyciag::frmWyciag(Session& session, Dialogs& dialogs, Drukowanie& drukowanie, QWidget* parent)
    : QWidget(parent), m_session(session), m_dialogs(dialogs), m_drukowanie(&drukowanie)
{
    zbudujOkno();
}

frmWyciag::~frmWyciag() = default;

void frmWyciag::zbudujOkno()
{
    setObjectName(QStringLiteral("frmWyciag"));
    setWindowTitle(QStringLiteral("Wyciąg bankowy (MT940) - uzgodnienie z historią przelewów"));
    resize(1200, 600);

    auto* glowny = new QVBoxLayout(this);
    auto* wiersz = new QHBoxLayout;
    QLabel* lblPliki = etykieta(QStringLiteral("&Pliki wyciągu (MT940):"), QStringLiteral("lblPliki"), this);
    txtPliki = pole(QStringLiteral("txtPliki"), this, 40);
    txtPliki->setToolTip(QStringLiteral("Kilka plików rozdziel średnikiem"));
    lblPliki->setBuddy(txtPliki);
    cmdWybierz = przycisk(QStringLiteral("&Wybierz..."), QStringLiteral("cmdWybierz"), this);
    cmdUzgodnij = przycisk(QStringLiteral("&Uzgodnij z historią"), QStringLiteral("cmdUzgodnij"), this);
    wiersz->addWidget(lblPliki);
    wiersz->addWidget(txtPliki, 1);
    wiersz->addWidget(cmdWybierz);
    wiersz->addWidget(cmdUzgodnij);
    glowny->addLayout(wiersz);

    lblInformacja = informacjaRaportu(this, glowny);

    grdWyniki = wynikiRaportu(this, glowny, {QStringLiteral("Wynik"), QStringLiteral("Data"), QStringLiteral("Kwota wyciągu"),
                              QStringLiteral("Kwota przelewu"), QStringLiteral("Konto"), QStringLiteral("Nazwa"),
                              QStringLiteral("Tytuł"), QStringLiteral("Wiersz"), QStringLiteral("Pozycja")},
                              {2000, 1500, 1700, 1700, 4000, 3500, 4500, 900, 1000});

    lblPodsumowanie = etykieta(QString(), QStringLiteral("lblPodsumowanie"), this);
    lblPodsumowanie->setTextInteractionFlags(Qt::TextSelectableByMouse);
    glowny->addWidget(lblPodsumowanie);

    const PasekRaportu pasek = pasekRaportu(this, glowny);
    cmdDrukuj = pasek.drukuj;
    cmdPdf = pasek.pdf;
    cmdZamknij = pasek.zamknij;

    connect(cmdWybierz, &QPushButton::clicked, this, &frmWyciag::wybierzPliki);
    connect(cmdUzgodnij, &QPushButton::clicked, this, &frmWyciag::uzgodnij);
    connect(txtPliki, &QLineEdit::returnPressed, this, &frmWyciag::uzgodnij);
    connect(cmdDrukuj, &QPushButton::clicked, this, &frmWyciag::drukuj);
    connect(cmdPdf, &QPushButton::clicked, this, &frmWyciag::zapiszPdfUzgodnienia);
    connect(cmdZamknij, &QPushButton::clicked, this, &QWidget::close);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, cmdZamknij, &QAbstractButton::click);
}

void frmWyciag::otworz()
{
    if (lblInformacja->text().isEmpty())
        lblInformacja->setText(QStringLiteral("Wybierz plik wyciągu bankowego MT940 (jeden lub kilka) i naciśnij "
                                              "\"Uzgodnij z historią\"."));
    show();
    raise();
    activateWindow();
    txtPliki->setFocus();
}

QStringList frmWyciag::wybierz(bool zapis, const QString& proponowany)
{
    if (m_wybor)
        return m_wybor(zapis, proponowany);
    if (zapis) {
        const QString plik = QFileDialog::getSaveFileName(this, QStringLiteral("Zapisz uzgodnienie jako PDF"),
                                                          proponowany, QStringLiteral("PDF (*.pdf)"));
        return plik.isEmpty() ? QStringList() : QStringList{plik};
    }
    return QFileDialog::getOpenFileNames(this, QStringLiteral("Wyciąg bankowy MT940"), proponowany,
                                         QStringLiteral("Wyciąg MT940 (*.sta *.mt940 *.940 *.txt);;Wszystkie pliki (*)"));
}

void frmWyciag::wybierzPliki()
{
    const QStringList pliki = wybierz(false, m_session.SciezkaProgramu);
    if (pliki.isEmpty())
        return;
    QStringList natywne;
    for (const QString& p : pliki)
        natywne << QDir::toNativeSeparators(p);
    txtPliki->setText(natywne.join(QStringLiteral("; ")));
    cmdUzgodnij->setFocus();
}

void frmWyciag::uzgodnij()
{
    QStringList pliki;
    for (const QString& p : txtPliki->text().split(QLatin1Char(';'), Qt::SkipEmptyParts))
        if (!p.trimmed().isEmpty())
            pliki << QDir::fromNativeSeparators(p.trimmed());
    if (pliki.isEmpty()) {
        m_dialogs.messageBox(QStringLiteral("Wybierz plik wyciągu bankowego."), kTytul, Icon::Exclamation);
        return;
    }
    for (const QString& p : pliki)
        if (!QFileInfo(p).isFile()) {
            m_dialogs.messageBox(QStringLiteral("Nie ma pliku %1.").arg(QDir::toNativeSeparators(p)), kTytul,
                                 Icon::Exclamation);
            return;
        }
    if (m_session.SkrotFirmy.isEmpty()) {
        m_dialogs.messageBox(QStringLiteral("Nie wybrano firmy: wyciąg uzgadnia się z historią przelewów "
                                            "wysłanych własnej firmy."),
                             kTytul, Icon::Exclamation);
        return;
    }

    // Big files take a moment: the progress shows after half a second.
    QProgressDialog postep(QStringLiteral("Uzgadnianie wyciągu..."), QString(), 0, 100, this);
    postep.setObjectName(QStringLiteral("postepWyciagu"));
    postep.setWindowTitle(kTytul);
    postep.setMinimumDuration(500);
    postep.setWindowModality(Qt::WindowModal);
    const QString dzis = m_session.clock.today().toString(QStringLiteral("yyyy-MM-dd"));
    Uzgodnienie u = uzgodnijWyciagi(pliki, plikWyslanych(m_session), m_session.SciezkaProgramu, dzis,
                                    [&](qint64 zrobione, qint64 razem) {
                                        postep.setValue(int(zrobione * 100 / qMax<qint64>(razem, 1)));
                                    });
    postep.reset();
    if (!u.ok) {
        m_dialogs.messageBox(u.blad, kTytul, Icon::Critical);
        return;
    }
    QString sciezka, blad;
    const QString kiedy = m_session.DataDzis + QLatin1Char(' ')
                          + m_session.clock.now().toString(QStringLiteral("HH:mm"));
    m_uzgodnienie = std::move(u);
    if (!zapiszRaportWyciagu(m_session.SciezkaProgramu, *m_uzgodnienie, kiedy, &sciezka, &blad)) {
        m_dialogs.messageBox(blad, kTytul, Icon::Critical);
        sciezka.clear();
    }
    pokaz(sciezka);
}

void frmWyciag::pokaz(const QString& sciezkaRaportu)
{
    const Uzgodnienie& u = *m_uzgodnienie;
    grdWyniki->setRowSource(std::make_shared<WynikiWyciagu>(u.wyniki));
    const PodsumowanieUzgodnienia p = podsumuj(u.wyniki);
    QStringList czesci;
    for (RodzajUzgodnienia r : {RodzajUzgodnienia::Zaksiegowany, RodzajUzgodnienia::InnaKwota,
                                RodzajUzgodnienia::BrakWHistorii, RodzajUzgodnienia::Niezaksiegowany})
        czesci << QStringLiteral("%1: %2 (%3 zł)")
                      .arg(slowoUzgodnienia(r))
                      .arg(p.ile[size_t(r)])
                      .arg(kwotaGrupowana(p.suma[size_t(r)]));
    lblPodsumowanie->setText(czesci.join(QStringLiteral(";  ")));

    QString tekst = QStringLiteral("Wyciągów: %1, nowych wyników: %2").arg(u.wyciagi.size()).arg(u.nowe);
    if (u.nowe == 0 && !u.wyniki.empty())
        tekst += QStringLiteral(" (ten wyciąg uzgodniono już wcześniej)");
    tekst += QLatin1Char('.');
    if (!sciezkaRaportu.isEmpty())
        tekst += QStringLiteral("\nRaport zapisano w pliku %1").arg(QDir::toNativeSeparators(sciezkaRaportu));
    lblInformacja->setText(tekst);
    m_raport = sciezkaRaportu;
    cmdDrukuj->setEnabled(true);
    cmdPdf->setEnabled(true);
    grdWyniki->setFocus();
}

void frmWyciag::drukuj()
{
    if (m_uzgodnienie)
        drukujRaport(*m_drukowanie, m_dialogs,
                     wydrukUzgodnienia(*m_uzgodnienie, czyPogrubiony(m_session.DrukPogrubiony)), kTytul);
}

void frmWyciag::zapiszPdfUzgodnienia()
{
    if (!m_uzgodnienie)
        return;
    QString proponowany = sciezkaRaportuWyciagu(m_session.SciezkaProgramu, m_uzgodnienie->wyciagi);
    proponowany.chop(4);
    const QStringList wybrane = wybierz(true, proponowany + QStringLiteral(".pdf"));
    if (!wybrane.isEmpty())
        zapiszRaportPdf(m_dialogs, wydrukUzgodnienia(*m_uzgodnienie, czyPogrubiony(m_session.DrukPogrubiony)),
                        wybrane.first(), kTytul);
}

} // namespace remitto
