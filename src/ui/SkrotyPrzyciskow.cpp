#include "ui/SkrotyPrzyciskow.h"

#include <QAbstractButton>
#include <QShortcut>
#include <QWidget>

namespace remitto {

void dodajSkrotyPrzyciskow(QWidget* okno, std::initializer_list<std::pair<const char*, QKeySequence>> skroty)
{
    for (const auto& [nazwa, klawisz] : skroty) {
        auto* przycisk = okno->findChild<QAbstractButton*>(QString::fromUtf8(nazwa));
        if (!przycisk)
            continue;
        const QString tekst = klawisz.toString(QKeySequence::NativeText);
        const QString opis = przycisk->toolTip();
        przycisk->setToolTip(opis.isEmpty() ? QStringLiteral("Klawisz: %1").arg(tekst)
                                            : QStringLiteral("%1 (klawisz: %2)").arg(opis, tekst));
        auto* skrot = new QShortcut(klawisz, okno);
        QObject::connect(skrot, &QShortcut::activated, przycisk, [przycisk] {
            if (przycisk->isVisible() && przycisk->isEnabled())
                przycisk->click();
        });
    }
}

} // namespace remitto
