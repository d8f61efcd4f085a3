#include "history/frmHistoriaWiersze.h"

#include "statements/Uzgodnienie.h"

namespace remitto {

HistoriaWiersze::HistoriaWiersze(std::shared_ptr<const PlikHistorii> plik, std::vector<int> rekordy,
                                 bool kwotyGrupowane)
    : m_plik(std::move(plik)), m_rekordy(std::move(rekordy)), m_kwotyGrupowane(kwotyGrupowane)
{
}

QString HistoriaWiersze::cell(int row, int col) const
{
    if (row < 0 || row >= rowCount())
        return {};
    const int r = m_rekordy[size_t(row)];
    if (col == 0)
        return QString::number(r + 1);
    const int nr = wartoscKolumnyHistorii(col, m_plik->uklad());
    if (nr < 0)
        return {};
    if (m_kwotyGrupowane && col == kKolumnaKwotyB)
        return kwotaGrupowana(m_plik->kwota(r));
    return m_plik->wartosc(r, nr);
}

GridModel::CellStyle HistoriaWiersze::style(int row, int col) const
{
    GridModel::CellStyle s;
    if (col == kKolumnaSplacono) {
        s.background = QColor(255, 192, 192);
    } else if (col == kKolumnaKwotyB) {
        s.background = QColor(0, 255, 0);
    } else if (m_stany && row >= 0 && row < rowCount()) {
        const size_t r = size_t(m_rekordy[size_t(row)]);
        const qint8 stan = r < m_stany->size() ? (*m_stany)[r] : qint8(-1);
        if (stan == qint8(RodzajUzgodnienia::Zaksiegowany))
            s.background = QColor(0xcc, 0xe0, 0xff);
        else if (stan == qint8(RodzajUzgodnienia::InnaKwota))
            s.background = QColor(0xfb, 0xe3, 0xb0);
    }
    return s;
}

bool HistoriaWiersze::removeRow(int row)
{
    if (row < 0 || row >= rowCount())
        return false;
    m_rekordy.erase(m_rekordy.begin() + row);
    return true;
}

} // namespace remitto
