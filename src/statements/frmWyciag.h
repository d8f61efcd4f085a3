#pragma once

#include "statements/Uzgodnienie.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace remitto {

struct Session;
class Dialogs;
class Grid;
class Drukowanie;

/// "Wyciąg bankowy (MT940)...": one or more statement files chosen,
/// reconciled with the sent-transfers file, the results listed in colours of
/// their kind with the count and sum of each, kept in the data folder as
/// Wyciagi/<yyyymmdd>_<reference>.txt and printable or savable as PDF.
class frmWyciag : public QWidget {
    Q_OBJECT

public:
    /// Chooses files: `zapis` false for the statements to read (several may be
    /// chosen), true for the PDF to write (one). Empty: cancelled.
    using WyborPlikow = std::function<QStringList(bool zapis, const QString& proponowany)>;

    frmWyciag(Session& session, Dialogs& dialogs, QWidget* parent = nullptr);
    /// `drukowanie` prints the list (tests pass their own).
    frmWyciag(Session& session, Dialogs& dialogs, Drukowanie& drukowanie, QWidget* parent = nullptr);
    ~frmWyciag() override;

    void setWyborPlikow(WyborPlikow wybor) { m_wybor = std::move(wybor); }

    void otworz();

    // One handler per user action.
    void wybierzPliki();
    void uzgodnij();
    void drukuj();
    void zapiszPdfUzgodnienia();

    const std::optional<Uzgodnienie>& uzgodnienie() const { return m_uzgodnienie; }

private:
    void zbudujOkno();
    void pokaz(const QString& sciezkaRaportu);
    QStringList wybierz(bool zapis, const QString& proponowany);

    Session& m_session;
    Dialogs& m_dialogs;
    std::unique_ptr<Drukowanie> m_wlasneDrukowanie;
    Drukowanie* m_drukowanie = nullptr;
    WyborPlikow m_wybor;
    std::optional<Uzgodnienie> m_uzgodnienie;
    QString m_raport;

    QLineEdit* txtPliki = nullptr;
    QPushButton* cmdWybierz = nullptr;
    QPushButton* cmdUzgodnij = nullptr;
    QLabel* lblInformacja = nullptr;
    Grid* grdWyniki = nullptr;
    QLabel* lblPodsumowanie = nullptr;
    QPushButton* cmdDrukuj = nullptr;
    QPushButton* cmdPdf = nullptr;
    QPushButton* cmdZamknij = nullptr;
};

} // namespace remitto
