#pragma once

#include <QGroupBox>

class QRadioButton;

namespace remitto {

/// The printer frame of the transfer window (frame "Frame3"): the printer
/// kind in its title, the print weight (optdruk1 "Zwykły", optdruk2 "Gruby")
/// and "D&Rukuj x4 lub wpłata", which the window answers.
class RamkaDrukarki : public QGroupBox {
    Q_OBJECT

public:
    explicit RamkaDrukarki(QWidget* parent);

    /// Shows the printer settings of the data folder `sciezkaProgramu`;
    /// false when they are missing or incomplete.
    bool pokazUstawienia(const QString& sciezkaProgramu);

signals:
    /// "D&Rukuj x4 lub wpłata".
    void drukuj();

private:
    QRadioButton* m_zwykly = nullptr;  ///< "optdruk1"
    QRadioButton* m_gruby = nullptr;   ///< "optdruk2"
};

} // namespace remitto
