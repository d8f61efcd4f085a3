#include "invoices/frmKorektaFakturyZ.h"

#include "core/Session.h"
#include "shop/PodgladFaktury.h"
#include "ui/Dialogs.h"
#include "ui/Grid.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>
#include <QShortcut>

namespace remitto {

namespace {

const QString kTytulPodgladu = QStringLiteral("Podgląd Faktury zakupu");

bool enter(QEvent* e)
{
    if (e->type() != QEvent::KeyPress)
        return false;
    const int k = static_cast<QKeyEvent*>(e)->key();
    return k == Qt::Key_Return || k == Qt::Key_Enter;
}

QCalendarWidget* kalendarz(const QString& nazwa, QWidget* rodzic)
{
    auto* c = new QCalendarWidget(rodzic);
    c->setObjectName(nazwa);
    c->setLocale(QLocale(QLocale::Polish, QLocale::Poland));
    c->setFirstDayOfWeek(Qt::Monday);
    c->setGridVisible(true);
    c->setVisible(false);
    return c;
}

} // namespace

frmKorektaFakturyZ::frmKorektaFakturyZ(Session& session, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window), m_session(session), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("frmKorektaFakturyZ"));
    setWindowTitle(kTytulPodgladu);
    zbudujOkno();
}

void frmKorektaFakturyZ::zbudujOkno()
{
    auto* g = new QGridLayout;
    int wiersz = 0;
    int kolumna = 0;
    const auto pole = [&](const QString& nazwa, const QString& opis, QWidget* w = nullptr) {
        if (!w) {
            auto* e = new QLineEdit(this);
            e->setReadOnly(true);  // nothing edited here is ever saved
            w = e;
        }
        w->setObjectName(nazwa);
        auto* l = new QLabel(opis, this);
        l->setBuddy(w);
        g->addWidget(l, wiersz, kolumna);
        g->addWidget(w, wiersz, kolumna + 1);
        if ((kolumna += 2) >= 8) {
            kolumna = 0;
            ++wiersz;
        }
        return w;
    };
    m_txtNumerKolejnyFakturyZakupu = static_cast<QLineEdit*>(pole(QStringLiteral("txtNumerKolejnyFakturyZakupu"), QStringLiteral("Nr kolejny fr")));
    m_txtDataZakupu = static_cast<QLineEdit*>(pole(QStringLiteral("txtDataZakupu"), QStringLiteral("Data zakupu")));
    m_txtNumerFakturyZakupu = static_cast<QLineEdit*>(pole(QStringLiteral("txtNumerFakturyZakupu"), QStringLiteral("Nr faktury")));
    m_CmbSposobPlatnosci = new QComboBox(this);
    pole(QStringLiteral("CmbSposobPlatnosci"), QStringLiteral("Płatność"), m_CmbSposobPlatnosci);
    m_txtTerminPlatnosci = static_cast<QLineEdit*>(pole(QStringLiteral("txtTerminPlatnosci"), QStringLiteral("Termin płatności")));
    m_txtNazwaKontrahenta = static_cast<QLineEdit*>(pole(QStringLiteral("txtNazwaKontrahenta"), QStringLiteral("Nazwa")));
    m_txtImie = static_cast<QLineEdit*>(pole(QStringLiteral("txtImie"), QStringLiteral("Nazwa cd")));
    m_txtNip = static_cast<QLineEdit*>(pole(QStringLiteral("txtNip"), QStringLiteral("NIP")));
    m_txtkod = static_cast<QLineEdit*>(pole(QStringLiteral("txtkod"), QStringLiteral("Kod")));
    m_txtPoczta = static_cast<QLineEdit*>(pole(QStringLiteral("txtPoczta"), QStringLiteral("Miejscowość")));
    m_txtUlica = static_cast<QLineEdit*>(pole(QStringLiteral("txtUlica"), QStringLiteral("Ulica")));
    m_txtNrDomu = static_cast<QLineEdit*>(pole(QStringLiteral("txtNrDomu"), QStringLiteral("Nr.Domu")));
    m_txtSkrot = static_cast<QLineEdit*>(pole(QStringLiteral("txtSkrot"), QStringLiteral("Skrót")));
    m_List1 = new QListWidget(this);
    m_List1->setToolTip(QStringLiteral("Typ=VAT , RC  , SPL =SpiitPayment"));
    m_List1->setMaximumHeight(m_List1->fontMetrics().height() * 2);
    pole(QStringLiteral("List1"), QStringLiteral("TypFakt"), m_List1);

    m_MonthView1 = kalendarz(QStringLiteral("MonthView1"), this);
    m_MonthView2 = kalendarz(QStringLiteral("MonthView2"), this);
    auto* kalendarze = new QHBoxLayout;
    kalendarze->addWidget(m_MonthView1);
    kalendarze->addWidget(m_MonthView2);
    kalendarze->addStretch(1);

    m_MSFlexGrid8 = new Grid(this);
    m_MSFlexGrid8->setObjectName(QStringLiteral("MSFlexGrid8"));

    m_LbNettoRazem = new QLabel(this);
    m_LbNettoRazem->setObjectName(QStringLiteral("LbNettoRazem"));
    m_LbVatRazem = new QLabel(this);
    m_LbVatRazem->setObjectName(QStringLiteral("LbVatRazem"));
    m_lbBruttoRazem = new QLabel(this);
    m_lbBruttoRazem->setObjectName(QStringLiteral("lbBruttoRazem"));
    auto* sumy = new QHBoxLayout;
    for (const auto& [opis, l] : {std::pair{QStringLiteral("Wartość faktury netto"), m_LbNettoRazem},
                                  std::pair{QStringLiteral("Vat do odliczenia"), m_LbVatRazem},
                                  std::pair{QStringLiteral("Wartość faktury brutto"), m_lbBruttoRazem}}) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
        sumy->addWidget(new QLabel(opis, this));
        sumy->addWidget(l);
        sumy->addSpacing(16);
    }
    sumy->addStretch(1);
    auto* cmdKoniec = new QPushButton(QStringLiteral("&Koniec"), this);
    cmdKoniec->setObjectName(QStringLiteral("cmdKoniec"));
    cmdKoniec->setAutoDefault(false);
    sumy->addWidget(cmdKoniec);

    auto* uklad = new QVBoxLayout(this);
    uklad->addLayout(g);
    uklad->addLayout(kalendarze);
    uklad->addWidget(m_MSFlexGrid8, 1);
    uklad->addLayout(sumy);
    resize(1100, 600);

    for (QWidget* w : std::initializer_list<QWidget*>{m_txtDataZakupu, m_txtNumerFakturyZakupu, m_CmbSposobPlatnosci,
                                                      m_txtTerminPlatnosci})
        w->installEventFilter(this);
    connect(m_MonthView1, &QCalendarWidget::clicked, this, [this](const QDate& d) {
        m_txtDataZakupu->setText(d.toString(QStringLiteral("dd-MM-yyyy")));
        m_txtNumerFakturyZakupu->setFocus();
        m_MonthView1->setVisible(false);
    });
    connect(m_MonthView2, &QCalendarWidget::clicked, this, [this](const QDate& d) {
        m_txtTerminPlatnosci->setText(d.toString(QStringLiteral("dd-MM-yyyy")));
        m_MonthView2->setVisible(false);
    });
    // Enter in a calendar picks the date as a click does.
    connect(m_MonthView1, &QCalendarWidget::activated, m_MonthView1, &QCalendarWidget::clicked);
    connect(m_MonthView2, &QCalendarWidget::activated, m_MonthView2, &QCalendarWidget::clicked);
    connect(cmdKoniec, &QPushButton::clicked, this, &QWidget::close);
    // Escape does what the end button does.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, cmdKoniec, &QAbstractButton::click);
}

bool frmKorektaFakturyZ::eventFilter(QObject* o, QEvent* e)
{
    if (o == m_txtDataZakupu) {
        if (enter(e)) {
            m_txtNumerFakturyZakupu->setFocus();
            m_MonthView1->setVisible(false);
            return true;
        }
        if (e->type() == QEvent::MouseButtonPress || e->type() == QEvent::KeyPress) {
            const auto* k = e->type() == QEvent::KeyPress ? static_cast<QKeyEvent*>(e) : nullptr;
            // Moving on with Tab is no request for the calendar.
            if (!k || (k->key() != Qt::Key_Tab && k->key() != Qt::Key_Backtab)) {
                m_MonthView1->setVisible(true);
                if (k) {
                    m_MonthView1->setFocus();
                    return true;
                }
            }
        }
    } else if (o == m_txtNumerFakturyZakupu && enter(e)) {
        m_CmbSposobPlatnosci->setFocus();
        return true;
    } else if (o == m_CmbSposobPlatnosci && enter(e)) {
        m_txtTerminPlatnosci->setFocus();
        return true;
    } else if (o == m_txtTerminPlatnosci && (e->type() == QEvent::FocusIn || e->type() == QEvent::MouseButtonPress)) {
        m_MonthView2->setVisible(true);
    }
    return QWidget::eventFilter(o, e);
}

void frmKorektaFakturyZ::wyczysc()
{
    for (QLineEdit* e : findChildren<QLineEdit*>())
        e->clear();
    m_CmbSposobPlatnosci->clear();
    m_List1->clear();
    m_MSFlexGrid8->setColumns(naglowkiPodgladu(), szerokosciPodgladu());
    m_LbNettoRazem->clear();
    m_LbVatRazem->clear();
    m_lbBruttoRazem->clear();
    setWindowTitle(kTytulPodgladu);
}

void frmKorektaFakturyZ::otworz()
{
    // Both calendars start at today, hidden.
    const QDate poczatek = m_session.dzis();
    m_MonthView1->setSelectedDate(poczatek);
    m_MonthView2->setSelectedDate(poczatek);
    m_MonthView1->setVisible(false);
    m_MonthView2->setVisible(false);
    wyczysc();
    show();
    raise();
    activateWindow();

    const PodgladFaktury p = wczytajPodglad(m_session.SciezkaKramix, m_session.FolderFirmyKramix, m_session.PlikFakturyZ);
    if (p.stan == PodgladFaktury::Stan::ZlaNazwa || p.stan == PodgladFaktury::Stan::BrakPliku) {
        m_dialogs.messageBox(p.blad, kTytulPodgladu, Icon::Exclamation);
        return;
    }
    setWindowTitle(p.tytul);
    m_txtNumerKolejnyFakturyZakupu->setText(p.nrKolejny);
    m_txtDataZakupu->setText(p.dataZakupu);
    m_txtNumerFakturyZakupu->setText(p.nrFaktury);
    m_CmbSposobPlatnosci->addItems(sposobyPlatnosci());
    if (m_CmbSposobPlatnosci->findText(p.sposobPlatnosci) < 0)
        m_CmbSposobPlatnosci->insertItem(0, p.sposobPlatnosci);
    m_CmbSposobPlatnosci->setCurrentIndex(m_CmbSposobPlatnosci->findText(p.sposobPlatnosci));
    m_txtTerminPlatnosci->setText(p.termin);
    m_txtNazwaKontrahenta->setText(p.nazwa);
    m_txtImie->setText(p.imie);
    m_txtkod->setText(p.kod);
    m_txtPoczta->setText(p.poczta);
    m_txtSkrot->setText(p.skrot);
    m_txtUlica->setText(p.ulica);
    m_txtNrDomu->setText(p.nrDomu);
    m_txtNip->setText(p.nip);
    m_List1->addItem(p.typ);
    m_MSFlexGrid8->setRows(p.wiersze);
    m_LbNettoRazem->setText(p.netto);
    m_LbVatRazem->setText(p.vat);
    m_lbBruttoRazem->setText(p.brutto);
    if (p.stan == PodgladFaktury::Stan::Uszkodzony)
        m_dialogs.messageBox(p.blad, kTytulPodgladu, Icon::Exclamation);
}

} // namespace remitto
