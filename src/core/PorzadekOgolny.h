#pragma once

#include <QList>
#include <QStringList>

namespace remitto {

/// The grids' generic order of a column: two values that both read as numbers
/// (a decimal comma or point allowed) compare as numbers, any other pair as
/// text in Polish alphabetical order without regard to letter case. Returns
/// the positions of `wartosci` in sorted order; equal values keep their order.
QList<int> porzadekOgolny(const QStringList& wartosci, bool malejaco = false);

/// Ascending as above; values that compare equal are ordered further by
/// `dalej` (one number per value), rows equal in both keeping their order.
QList<int> porzadekOgolny(const QStringList& wartosci, const QList<int>& dalej);

} // namespace remitto
