#pragma once

#include "history/Historia.h"
#include "ui/Grid.h"

#include <memory>
#include <vector>

namespace remitto {

/// Rows of the history list over a file held as bytes: the grid asks for the
/// cells on screen only. Column 0 is the record's position in the file;
/// "KwotaB" is shown green and "Spłacono" light red. In an archived year's
/// view the gross amounts are shown grouped ("###,##0.00").
class HistoriaWiersze : public GridRowSource {
public:
    HistoriaWiersze(std::shared_ptr<const PlikHistorii> plik, std::vector<int> rekordy, bool kwotyGrupowane = false);

    /// What bank statements said of each record (stanyRekordow()): a booked
    /// record's row is shown in a colour of its own, one booked with another
    /// amount in another.
    void setStany(std::shared_ptr<const std::vector<qint8>> stany) { m_stany = std::move(stany); }

    int rowCount() const override { return int(m_rekordy.size()); }
    QString cell(int row, int col) const override;
    GridModel::CellStyle style(int row, int col) const override;
    bool removeRow(int row) override;

    /// Position (0-based) in the file of the record in a row.
    int rekord(int row) const { return m_rekordy[size_t(row)]; }
    const std::vector<int>& rekordy() const { return m_rekordy; }

private:
    std::shared_ptr<const PlikHistorii> m_plik;
    std::vector<int> m_rekordy;
    bool m_kwotyGrupowane;
    std::shared_ptr<const std::vector<qint8>> m_stany;
};

} // namespace remitto
