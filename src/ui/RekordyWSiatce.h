#pragma once

#include "ui/Grid.h"

#include <QList>

#include <functional>
#include <memory>
#include <utility>

namespace remitto {

/// A window's records shown in a Grid: the grid asks for the cells of the
/// rows on screen and the records stay the only copy of the data. The source
/// holds its own (shared, cheap) copy of the list; after the window changes
/// its records it shows them again with pokaz().
template <typename T>
class RekordyWSiatce : public GridRowSource {
public:
    /// Cell `kolumna` of data row `wiersz` (0-based) showing `rekord`.
    using Komorka = std::function<QString(const T& rekord, int wiersz, int kolumna)>;
    using Styl = std::function<GridModel::CellStyle(const T& rekord, int wiersz, int kolumna)>;

    RekordyWSiatce(QList<T> rekordy, Komorka komorka, Styl styl = {})
        : m_rekordy(std::move(rekordy)), m_komorka(std::move(komorka)), m_styl(std::move(styl))
    {
    }

    int rowCount() const override { return int(m_rekordy.size()); }
    QString cell(int row, int col) const override { return m_komorka(m_rekordy[row], row, col); }
    GridModel::CellStyle style(int row, int col) const override
    {
        return m_styl ? m_styl(m_rekordy[row], row, col) : GridModel::CellStyle{};
    }

    /// Puts the records into the grid in place of what it showed.
    static void pokaz(Grid* siatka, const QList<T>& rekordy, Komorka komorka, Styl styl = {})
    {
        siatka->setRowSource(std::make_shared<RekordyWSiatce<T>>(rekordy, std::move(komorka), std::move(styl)));
    }

private:
    QList<T> m_rekordy;
    Komorka m_komorka;
    Styl m_styl;
};

} // namespace remitto
