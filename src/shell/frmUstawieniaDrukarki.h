#pragma once

#include <QWidget>

class QLineEdit;
class QRadioButton;

namespace remitto {

struct Session;
class Dialogs;

/// Printer settings: printer type and bold print, stored in instalka.dat.
class frmUstawieniaDrukarki : public QWidget {
    Q_OBJECT

public:
    frmUstawieniaDrukarki(Session& session, Dialogs& dialogs, QWidget* parent = nullptr);

    /// Reads instalka.dat and shows its printer values.
    void otworz();

private:
    void zapisz();

    Session& m_session;
    Dialogs& m_dialogs;
    QLineEdit* txtPrzylaczonaDrukarka = nullptr;
    QRadioButton* Option1 = nullptr;
    QRadioButton* Option2 = nullptr;
};

} // namespace remitto
