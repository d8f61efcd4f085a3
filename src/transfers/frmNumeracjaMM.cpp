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

// The cells of a month's row: Nr.kol, the four numbers, the type, an empty column.
QStringList wierszMiesiaca(const NumeracjaMiesiaca& m)
{
    return {QString::number(m.miesiac), QString::number(m.poczatPaczk), QString::number(m.koniecPacz),
            QString::number(m.poczatPrzel), QString::number(m.koniecPrzel), m.typ, QString()};
}

// The number a column (1 to 4) shows.
int& liczbaKolumny(NumeracjaMiesiaca& m, int kolumna)
{
    switch (kolumna) {
    case 1:
        return m.poczatPaczk;
    case 2:
        return m.koniecPacz;
    case 3:
        return m.poczatPrzel;
    default:
        return m.koniecPrzel;
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
    m_rok = rok;
    MSFlexGrid2->setColumns({QStringLiteral("Nr.kol"), QStringLiteral("PoczatPaczk"), QStringLiteral("KoniecPacz"),
                             QStringLiteral("PoczatPrzel"), QStringLiteral("KoniecPrzel"),
                             QStringLiteral("TypNumerac"), QString()},
                            {600});
    MSFlexGrid2->setHeaderForeground(QColor(0xFF, 0, 0));
    QList<QStringList> wiersze;
    for (const NumeracjaMiesiaca& m : m_rok)
        wiersze.append(wierszMiesiaca(m));
    MSFlexGrid2->setRows(wiersze);
    if (!m_rok.isEmpty())
        txtWskaznik->setText(m_rok.last().typ);
}

void frmNumeracjaMM::edytujKomorke(int wiersz, int kolumna)
{
    if (wiersz < 1 || wiersz > m_rok.size() || kolumna < 1 || kolumna > 5)
        return;
    const OpisKolumny opis = opisKolumny(kolumna);
    const QStringList komorki = wierszMiesiaca(m_rok[wiersz - 1]);
    const QString prompt = opis.instrukcja + QLatin1Char('\n') + QStringLiteral("Miesiąc nr ") + komorki[0]
                         + QLatin1Char('\n') + opis.przedrostek + komorki[kolumna];
    const QString tytul = opis.zmiana + QStringLiteral(" pozycja ") + QString::number(wiersz);
    const std::optional<QString> odp = m_dialogs.inputBox(prompt, tytul);
    if (!odp || odp->trimmed().isEmpty())
        return;

    NumeracjaMiesiaca& m = m_rok[wiersz - 1];
    if (opis.max == 0) {
        const QString typ = odp->trimmed().toLower();
        if (typ != QStringLiteral("m") && typ != QStringLiteral("c")) {
            m_dialogs.messageBox(QStringLiteral("Kod numeracji może być tylko m lub c !"), tytul, Icon::Critical);
            return;
        }
        m.typ = typ;
    } else {
        const std::optional<int> liczba = liczbaNumeracji(*odp, opis.max);
        if (!liczba) {
            m_dialogs.messageBox(QStringLiteral("Wpisz liczbę całkowitą od 0 do %1 !").arg(opis.max), tytul,
                                 Icon::Critical);
            return;
        }
        liczbaKolumny(m, kolumna) = *liczba;
    }
    MSFlexGrid2->setText(wiersz, kolumna, wierszMiesiaca(m)[kolumna]);
}

void frmNumeracjaMM::zapiszZmiany()
{
    if (m_uszkodzony)
        return;
    // Each month is saved under its row's number.
    NumeracjaRoku rok = m_rok;
    for (int i = 0; i < rok.size(); ++i)
        rok[i].miesiac = i + 1;
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
