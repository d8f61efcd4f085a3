#pragma once

#include <QWidget>

namespace remitto {

/// About window: product name and version. A key press anywhere, or a click
/// on its frame, closes it.
class frmSplash : public QWidget {
    Q_OBJECT

public:
    explicit frmSplash(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace remitto
