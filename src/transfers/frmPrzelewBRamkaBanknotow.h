#pragma once

#include <QGroupBox>
#include <QString>

#include <array>

class QLabel;
class QLineEdit;

namespace remitto {

/// The banknote frame of the transfer window (frame "Frame1", "Specyfikacja
/// banknotów"): a count box per note from 200 zł down to 1 zł, the value of
/// each count and the totals. The values are worked out from the counts
/// whenever one changes; nothing is read back from the labels.
class RamkaBanknotow : public QGroupBox {
    Q_OBJECT

public:
    explicit RamkaBanknotow(QWidget* parent);

    /// The counts as typed, from 200 zł down to 1 zł.
    std::array<QString, 8> ilosci() const;
    /// The count boxes, for the keyboard order of the window.
    const std::array<QLineEdit*, 8>& polaIlosci() const { return m_ilosci; }
    /// Empties the counts; the values go back to 0.
    void wyczysc();

private:
    void przelicz();

    std::array<QLineEdit*, 8> m_ilosci{};  ///< "txt200zl" ... "txt1zl"
    std::array<QLabel*, 8> m_kwoty{};      ///< "lbKwota200zl" ... "lbKwota1zl"
    QLabel* m_lbSztuk = nullptr;           ///< "lbRazemSzt"
    QLabel* m_lbRazem = nullptr;           ///< "lbRazemKwotaWplaty"
};

} // namespace remitto
