#pragma once

#include <QGroupBox>

class QLabel;

namespace remitto {

struct Session;

/// The own company frame of the transfer window (frame "frMojaFirma"): the
/// own NIP, the two own accounts (the chosen one first), the tax account and
/// the working date. The banknote frame takes its place for a cash deposit.
class RamkaMojejFirmy : public QGroupBox {
    Q_OBJECT

public:
    explicit RamkaMojejFirmy(QWidget* parent);

    /// Shows the own company and the working date of the session.
    void pokaz(const Session& session);

private:
    QLabel* m_lbNip = nullptr;             ///< "lbNIP"
    QLabel* m_lbKonto1 = nullptr;          ///< "lbKonto1"
    QLabel* m_lbKonto2 = nullptr;          ///< "lbKonto2"
    QLabel* m_lbMikroPodatkowy = nullptr;  ///< "lbMikroPodatkowy"
    QLabel* m_lbData = nullptr;            ///< "lbdata"
};

} // namespace remitto
