#pragma once

#include <QWidget>

#include <functional>

class QUrl;

namespace remitto {

class Dialogs;

/// About window: product name and version. A key press anywhere, or a click
/// on its frame, closes it. Its button "Podręcznik" opens the user guide.
class frmSplash : public QWidget {
    Q_OBJECT

public:
    /// Hands an address to the desktop (QDesktopServices::openUrl unless a
    /// test puts its own in); false when nothing took it.
    using OtwieranieAdresu = std::function<bool(const QUrl&)>;

    explicit frmSplash(Dialogs& dialogs, QWidget* parent = nullptr);

    void ustawOtwieranie(OtwieranieAdresu otwieranie) { m_otwieranie = std::move(otwieranie); }
    /// The folder the guide is looked up from (the program's own by default).
    void ustawFolderProgramu(const QString& folder) { m_folderProgramu = folder; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void otworzPodrecznik();

    Dialogs& m_dialogs;
    OtwieranieAdresu m_otwieranie;
    QString m_folderProgramu;
};

} // namespace remitto
