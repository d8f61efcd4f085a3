#pragma once

#include "core/PrzesuniecieDruku.h"

#include <QWidget>
#include <functional>

class QLineEdit;
class QRadioButton;
class QSettings;
class QSpinBox;

namespace remitto {

struct Session;
class Dialogs;
class PrintJob;

/// Printer settings: printer type and bold print, stored in instalka.dat;
/// the offset of the printed forms, kept in the user's own settings.
class frmUstawieniaDrukarki : public QWidget {
    Q_OBJECT

public:
    frmUstawieniaDrukarki(Session& session, Dialogs& dialogs, QWidget* parent = nullptr);

    /// Reads instalka.dat and the offset and shows them.
    void otworz();

    /// Where the offset is kept; the program's user settings when not set.
    void setSettings(QSettings* settings) { m_settings = settings; }
    /// Shows a print preview; the real preview dialog when not set.
    using Podglad = std::function<void(const PrintJob&, PrzesuniecieDruku)>;
    void setPodglad(Podglad podglad) { m_podglad = std::move(podglad); }

private:
    void zapisz();
    void podglad();
    PrzesuniecieDruku przesuniecie() const;

    Session& m_session;
    Dialogs& m_dialogs;
    QLineEdit* txtPrzylaczonaDrukarka = nullptr;
    QRadioButton* Option1 = nullptr;
    QRadioButton* Option2 = nullptr;
    QSpinBox* txtPrzesuniecieX = nullptr;
    QSpinBox* txtPrzesuniecieY = nullptr;
    QSettings* m_settings = nullptr;
    Podglad m_podglad;
};

} // namespace remitto
