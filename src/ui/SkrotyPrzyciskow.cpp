#include "ui/SkrotyPrzyciskow.h"

#include <QAbstractButton>
#include <QShortcut>
#include <QWidget>

namespace remitto {

namespace {

void polacz(QWidget* wlasciciel, QAbstractButton* przycisk, const QKeySequence& klawisz, Qt::ShortcutContext zasieg,
            const QString& gdzie)
{
    const QString tekst = klawisz.toString(QKeySequence::NativeText) + gdzie;
    const QString opis = przycisk->toolTip();
    przycisk->setToolTip(opis.isEmpty() ? QStringLiteral("Klawisz: %1").arg(tekst)
                                        : QStringLiteral("%1 (klawisz: %2)").arg(opis, tekst));
    auto* skrot = new QShortcut(klawisz, wlasciciel);
    skrot->setContext(zasieg);
    QObject::connect(skrot, &QShortcut::activated, przycisk, [przycisk] {
        if (przycisk->isVisible() && przycisk->isEnabled())
            przycisk->click();
    });
}

} // namespace

void dodajSkrotyPrzyciskow(QWidget* okno, std::initializer_list<std::pair<const char*, QKeySequence>> skroty)
{
    for (const auto& [nazwa, klawisz] : skroty) {
        if (auto* przycisk = okno->findChild<QAbstractButton*>(QString::fromUtf8(nazwa)))
            polacz(okno, przycisk, klawisz, Qt::WindowShortcut, QString());
    }
}

void dodajKlawiszSiatki(QWidget* okno, const char* siatka, const char* przycisk, const QKeySequence& klawisz)
{
    auto* s = okno->findChild<QWidget*>(QString::fromUtf8(siatka));
    auto* p = okno->findChild<QAbstractButton*>(QString::fromUtf8(przycisk));
    if (s && p)
        polacz(s, p, klawisz, Qt::WidgetWithChildrenShortcut, QStringLiteral(" w tabeli"));
}

} // namespace remitto
