#pragma once

#include <QList>
#include <QString>
#include <QWidget>
#include <gtest/gtest.h>

namespace remitto::test {

/// findChild that fails the test when the control is missing.
template <typename W>
W* kontrolka(const QWidget& okno, const QString& nazwa)
{
    W* w = okno.findChild<W*>(nazwa);
    EXPECT_NE(w, nullptr) << nazwa.toStdString();
    return w;
}

} // namespace remitto::test
