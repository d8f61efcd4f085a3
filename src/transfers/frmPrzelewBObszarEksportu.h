#pragma once

#include <QGroupBox>

class QLabel;
class QListWidget;
class QPushButton;

namespace remitto {

class Dialogs;
struct Session;

/// The export area of the transfer window (frame "frEksport"): the export
/// files already in the data folder's DoECorponet folder (FileList1), moving
/// the package shown to Ecorponet, deleting an export file, and the payments
/// window's button. Moving a package needs the package area and the kind, so
/// the window does it; this area says when its buttons are pressed.
class ObszarEksportu : public QGroupBox {
    Q_OBJECT

public:
    ObszarEksportu(Session& session, Dialogs& dialogs, QWidget* parent);

    /// The export folder shown above the list.
    void ustawFolder(const QString& folder);
    /// Lists the export files again.
    void pokazPliki();

signals:
    /// "Paczka &Do Ecorponet".
    void doEcorponet();
    /// An export file was deleted.
    void usunietoPlik();
    /// An export file was clicked or chosen with Enter.
    void wybranoPlik(const QString& nazwa);
    /// "Płatnosci &fakturowe ze sklepu".
    void platnosci();

private:
    void usunZEcorponet();

    Session& m_session;
    Dialogs& m_dialogs;
    QLabel* m_lbFolder = nullptr;   ///< "lbSciezkaEcorponet"
    QListWidget* m_pliki = nullptr; ///< "FileList1"
};

} // namespace remitto
