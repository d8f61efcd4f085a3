#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

namespace remitto {

/// Reads an amount typed by the user or taken from a data file, in grosze.
/// Accepts a decimal comma or point, an optional sign and blanks around and
/// inside the number (thousands groups "1 234,56"). Up to two decimals are
/// exact; further decimals are rounded half away from zero ("2,345" gives
/// 235). Refuses an empty text, text that is not a number, more than one
/// decimal separator and an amount of more than fifteen integer digits
/// after rounding.
std::optional<qint64> parseAmount(const QString& text);
std::optional<qint64> parseAmount(QStringView text);
/// The same over Latin-1 characters (the bytes of a value as written, when
/// they are ASCII), without making a QString first.
std::optional<qint64> parseAmount(QLatin1String text);

/// The amount in the pattern "#########0.00": at least one integer digit, a
/// decimal comma, two decimals, a minus for negative amounts, no grouping
/// ("0,05", "-12,30", "1234567,89").
QString formatAmount(qint64 grosze);

/// A double amount in grosze, rounded to two decimals as Zaokraglij does.
/// A value that is not finite gives 0; a value beyond the range of qint64
/// grosze is held at the nearest end of the range.
qint64 toGrosze(double amount);

/// Grosze as a double amount in złoty.
double fromGrosze(qint64 grosze);

} // namespace remitto
