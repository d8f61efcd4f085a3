#pragma once

class QSettings;

namespace remitto {

/// Shift of a printed form on the paper, in millimetres (right and down are
/// positive), so the lines meet the boxes of the pre-printed forms. Kept in
/// the user's own settings of this program, not in instalka.dat.
struct PrzesuniecieDruku {
    static constexpr int kMin = -20;
    static constexpr int kMax = 20;

    int poziomoMm = 0;
    int pionowoMm = 0;

    bool operator==(const PrzesuniecieDruku&) const = default;
};

/// The offset kept in `settings`; missing or unreadable values count as 0,
/// values out of range are held at -20 or 20.
PrzesuniecieDruku wczytajPrzesuniecie(const QSettings& settings);
/// Stores the offset (held within -20..20) in `settings`.
void zapiszPrzesuniecie(QSettings& settings, const PrzesuniecieDruku& p);

} // namespace remitto
