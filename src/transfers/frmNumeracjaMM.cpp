#include "transfers/frmNumeracjaMM.h"

#include "core/Session.h"
#include "ui/Dialogs.h"
#include "ui/Grid.h"
#include "ui/Kontrolki.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QShortcut>

namespace remitto {

namespace {

struct OpisKolumny {
    QString instrukcja;
    QString przedrostek;
    QString zmiana;
    int max;  ///< highest number; 0 for the type column
};

OpisKolumny opisKolumny(int kolumna)
{
    const QString numer = QStringLiteral("Numer zmieniany = ");
    switch (kolumna) {
    case 1:
        return {QStringLiteral("Wpisz nowy nr początkowy !"), numer, QStringLiteral("Zmiana nr początkowego Paczki!"),
                kMaxNrPaczki};
    case 2:
        return {QStringLiteral("Wpisz nowy nr końcowy !"), numer, QStringLiteral("Zmiana nr końcowego Paczki!"),
                kMaxNrPaczki};
    case 3:
        return {QStringLiteral("Wpisz nowy nr początkowy Przelewu!"), numer,
                QStringLiteral("Zmiana nr początkowego Przelewu!"), kMaxNrPrzelewu};
    case 4:
        return {QStringLiteral("Wpisz nowy nr końcowy Przelewu !"), numer,
                QStringLiteral("Zmiana nr końcowego Przelewu!"), kMaxNrPrzelewu};
    default:
        return {QStringLiteral("Wpisz kod numeracji m lub c !"), QStringLiteral("wartość zmieniana = "),
                QStringLiteral("Zmiana kodu numeracji !"), 0};
    }
}

} // namespace

frmNumeracjaMM::frmNumeracjaMM(Session& session, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent), m_session(session), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("frmNumeracjaMM"));
    setWindowTitle(QStringLiteral("Numeracja Paczek i Przelewów"));
    zbudujOkno();
}

void frmNumeracjaMM::zbudujOkno()
{
    MSFlexGrid2 = new Grid(this);
    MSFlexGrid2->setObjectName(QStringLiteral("MSFlexGrid2"));
    Label1 = new QLabel(QStringLiteral("Numeracja miesięczna = m , ciągła = c"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    txtWskaznik = new QLineEdit(this);
    txtWskaznik->setObjectName(QStringLiteral("txtWskaznik"));
    txtWskaznik->setMaximumWidth(60);
    cmdZapiszZmiany = new QPushButton(QStringLiteral("&Zapisz zmiany"), this);
    cmdZapiszZmiany->setObjectName(QStringLiteral("cmdZapiszZmiany"));
    cmdKoniec = new QPushButton(QStringLiteral("&Koniec"), this);
    cmdKoniec->setObjectName(QStringLiteral("cmdKoniec"));

    auto* uklad = new QGridLayout(this);
    uklad->addWidget(MSFlexGrid2, 0, 0, 1, 4);
    uklad->addWidget(Label1, 1, 0);
    uklad->addWidget(txtWskaznik, 1, 1);
    uklad->addWidget(cmdZapiszZmiany, 1, 2);
    uklad->addWidget(cmdKoniec, 1, 3);
    uklad->setRowStretch(0, 1);
    resize(640, 420);

    // A click edits the cell; so does Enter, for the keyboard. Moving through
    // the grid with the arrow keys only moves.
    MSFlexGrid2->viewport()->installEventFilter(this);
    connect(MSFlexGrid2, &Grid::cellClicked, this, [this](int wiersz, int kolumna) {
        if (!m_klikMyszka)
            return;
        m_klikMyszka = false;
        edytujKomorke(wiersz, kolumna);
    });
    connect(MSFlexGrid2, &Grid::cellActivated, this, &frmNumeracjaMM::edytujKomorke);
    connect(cmdZapiszZmiany, &QPushButton::clicked, this, &frmNumeracjaMM::zapiszZmiany);
    connect(cmdKoniec, &QPushButton::clicked, this, &frmNumeracjaMM::koniec);
    // Escape does what the end button does.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, cmdKoniec, &QAbstractButton::click);
}

bool frmNumeracjaMM::eventFilter(QObject* watched, QEvent* event)
{
    // The grid reports a click on press (a new cell) or on release (the
    // current cell); the mark lasts until the release has been handled.
    if (watched == MSFlexGrid2->viewport() && event->type() == QEvent::MouseButtonPress)
        m_klikMyszka = true;
    else if (watched == MSFlexGrid2->viewport() && event->type() == QEvent::MouseButtonRelease)
        QTimer::singleShot(0, this, [this] { m_klikMyszka = false; });
    return QWidget::eventFilter(watched, event);
}

void frmNumeracjaMM::otworz()
{
    setWindowTitle(QStringLiteral("Numeracja dokumentów MM w ") + m_session.rokDzis() + QStringLiteral("r."));
    wczytaj();
    show();
    raise();
    activateWindow();
}

void frmNumeracjaMM::wczytaj()
{
    m_session.PlikNumeracji = sciezkaNumeracji(m_session.SciezkaProgramu, m_session.dzis().year());
    const OdczytNumeracji n = czytajNumeracje(m_session.PlikNumeracji);
    m_uszkodzony = !n.ok && !n.brak;
    cmdZapiszZmiany->setEnabled(!m_uszkodzony);
    pokaz(n.ok ? n.miesiace : nowaNumeracja());
    if (m_uszkodzony)
        m_dialogs.messageBox(n.blad, QStringLiteral("Błąd"), Icon::Critical);
}

void frmNumeracjaMM::pokaz(const NumeracjaRoku& rok)
{
    MSFlexGrid2->setColumns({QStringLiteral("Nr.kol"), QStringLiteral("PoczatPaczk"), QStringLiteral("KoniecPacz"),
                             QStringLiteral("PoczatPrzel"), QStringLiteral("KoniecPrzel"),
                             QStringLiteral("TypNumerac"), QString()},
                            {600});
    MSFlexGrid2->setHeaderForeground(QColor(0xFF, 0, 0));
    QList<QStringList> wiersze;
    for (const NumeracjaMiesiaca& m : rok)
        wiersze.append({QString::number(m.miesiac), QString::number(m.poczatPaczk), QString::number(m.koniecPacz),
                        QString::number(m.poczatPrzel), QString::number(m.koniecPrzel), m.typ, QString()});
    MSFlexGrid2->setRows(wiersze);
    if (!rok.isEmpty())
        txtWskaznik->setText(rok.last().typ);
}

void frmNumeracjaMM::edytujKomorke(int wiersz, int kolumna)
{
    if (wiersz < 1 || wiersz >= MSFlexGrid2->rowCount() || kolumna < 1 || kolumna > 5)
        return;
    const OpisKolumny opis = opisKolumny(kolumna);
    const QString biezaca = MSFlexGrid2->text(wiersz, kolumna);
    const QString prompt = opis.instrukcja + QLatin1Char('\n') + QStringLiteral("Miesiąc nr ")
                         + MSFlexGrid2->text(wiersz, 0) + QLatin1Char('\n') + opis.przedrostek + biezaca;
    const QString tytul = opis.zmiana + QStringLiteral(" pozycja ") + QString::number(wiersz);
    const std::optional<QString> odp = m_dialogs.inputBox(prompt, tytul);
    if (!odp || odp->trimmed().isEmpty())
        return;

    QString nowa;
    if (opis.max == 0) {
        const QString typ = odp->trimmed().toLower();
        if (typ != QStringLiteral("m") && typ != QStringLiteral("c")) {
            m_dialogs.messageBox(QStringLiteral("Kod numeracji może być tylko m lub c !"), tytul, Icon::Critical);
            return;
        }
        nowa = typ;
    } else {
        const std::optional<int> liczba = liczbaNumeracji(*odp, opis.max);
        if (!liczba) {
            m_dialogs.messageBox(QStringLiteral("Wpisz liczbę całkowitą od 0 do %1 !").arg(opis.max), tytul,
                                 Icon::Critical);
            return;
        }
        nowa = QString::number(*liczba);
    }
    MSFlexGrid2->setText(wiersz, kolumna, nowa);
}

void frmNumeracjaMM::zapiszZmiany()
{
    if (m_uszkodzony)
        return;
    // The indicator is read as the other program reads it; each month keeps
    // the type of its own row.
    const QString wskaznik = txtWskaznik->text() == QStringLiteral("m") ? QStringLiteral("m") : QStringLiteral("c");
    Q_UNUSED(wskaznik);

    // Values read from the file may lie beyond what the boxes accept; they
    // are written back as they are.
    constexpr int kDowolna = 999999999;
    NumeracjaRoku rok;
    for (int i = 1; i <= 12; ++i) {
        NumeracjaMiesiaca m;
        m.miesiac = i;
        m.poczatPaczk = liczbaNumeracji(MSFlexGrid2->text(i, 1), kDowolna).value_or(0);
        m.koniecPacz = liczbaNumeracji(MSFlexGrid2->text(i, 2), kDowolna).value_or(0);
        m.poczatPrzel = liczbaNumeracji(MSFlexGrid2->text(i, 3), kDowolna).value_or(0);
        m.koniecPrzel = liczbaNumeracji(MSFlexGrid2->text(i, 4), kDowolna).value_or(0);
        m.typ = MSFlexGrid2->text(i, 5);
        rok.append(m);
    }
    QString blad;
    if (!zapiszNumeracje(m_session.PlikNumeracji, rok, &blad)) {
        m_dialogs.messageBox(blad, QStringLiteral("Błąd"), Icon::Critical);
        return;
    }
    wczytaj();
    cmdKoniec->setFocus();
}

void frmNumeracjaMM::koniec()
{
    kontrolki::pokazRodzica(this);
    close();
}

} // namespace remitto
