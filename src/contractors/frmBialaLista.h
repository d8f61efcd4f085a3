#pragma once

#include "contractors/RaportBialejListy.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class QSettings;

namespace remitto {

struct Session;
class Dialogs;
class Grid;
class Grid;
class Drukowanie;

/// "Biała lista VAT...": the flat file of the day chosen (and remembered),
/// read with a progress dialog, every contractor of kontrah.dta with a NIP or
/// an account checked, the results listed, kept in the data folder as
/// BialaLista/<date>.txt and printable or savable as PDF.
class frmBialaLista : public QWidget {
    Q_OBJECT

public:
    /// Chooses a file: `zapis` false for the flat file to read, true for the
    /// PDF to write; `proponowany` is the path offered. Empty: cancelled.
    using WyborPliku = std::function<QString(bool zapis, const QString& proponowany)>;

    frmBialaLista(Session& session, Dialogs& dialogs, QWidget* parent = nullptr);
    /// `drukowanie` prints the list (tests pass their own).
    frmBialaLista(Session& session, Dialogs& dialogs, Drukowanie& drukowanie, QWidget* parent = nullptr);
    ~frmBialaLista() override;

    /// Tests: their own settings, file chooser and cache folder.
    void setSettings(QSettings* settings) { m_settings = settings; }
    void setWyborPliku(WyborPliku wybor) { m_wybor = std::move(wybor); }
    void setFolderPamieci(const QString& folder) { m_folderPamieci = folder; }

    /// Shows the remembered file and brings the window up.
    void otworz();

    // One handler per user action.
    void wybierzPlik();
    void sprawdz();
    void drukuj();
    void zapiszPdfRaportu();

    const std::optional<kontrahenci::RaportBialejListy>& raport() const { return m_raport; }

private:
    void zbudujOkno();
    void pokazRaport(const QString& sciezkaRaportu);
    QString wybierz(bool zapis, const QString& proponowany);

    Session& m_session;
    Dialogs& m_dialogs;
    std::unique_ptr<Drukowanie> m_wlasneDrukowanie;
    Drukowanie* m_drukowanie = nullptr;
    QSettings* m_settings = nullptr;
    WyborPliku m_wybor;
    QString m_folderPamieci;
    std::optional<kontrahenci::RaportBialejListy> m_raport;

    QLabel* lblPlik = nullptr;
    QLineEdit* txtPlik = nullptr;
    QPushButton* cmdWybierz = nullptr;
    QPushButton* cmdSprawdz = nullptr;
    QLabel* lblInformacja = nullptr;
    Grid* grdWyniki = nullptr;
    QPushButton* cmdDrukuj = nullptr;
    QPushButton* cmdPdf = nullptr;
    QPushButton* cmdZamknij = nullptr;
};

} // namespace remitto
