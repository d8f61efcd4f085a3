#include "core/NazwaPliku.h"

#include <QRegularExpression>

namespace remitto {

QString bladSkrotuFirmy(const QString& skrot)
{
    const QString cytat = QStringLiteral("Skrót firmy \"%1\" ").arg(skrot);
    if (skrot.trimmed().isEmpty())
        return QStringLiteral("Skrót firmy jest pusty, a nazywa pliki firmy (przelewy wysłane, archiwum, eksport).\n"
                              "Wpisz skrót firmy.");
    for (const QChar c : skrot) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            return cytat + QStringLiteral("zawiera znak sterujący.\nSkrót nazywa pliki firmy - popraw go.");
        if (QStringLiteral("/\\<>:\"|?*").contains(c))
            return cytat + QStringLiteral("zawiera znak %1, którego nie może mieć nazwa pliku.\n"
                                          "Niedozwolone są znaki / \\ < > : \" | ? *")
                               .arg(c);
    }
    if (skrot.endsWith(QLatin1Char('.')) || skrot.endsWith(QLatin1Char(' ')))
        return cytat + QStringLiteral("kończy się kropką lub spacją, a nazywa pliki firmy.\n"
                                      "Popraw skrót.");
    if (skrot.contains(QLatin1String("..")))
        return cytat + QStringLiteral("zawiera \"..\", a nazywa pliki firmy.\nPopraw skrót.");
    static const QRegularExpression urzadzenie(QStringLiteral("^(CON|PRN|AUX|NUL|COM[1-9]|LPT[1-9])(\\..*)?$"),
                                              QRegularExpression::CaseInsensitiveOption);
    if (urzadzenie.match(skrot).hasMatch())
        return cytat + QStringLiteral("to nazwa urządzenia w Windows i nie może nazwać pliku.\nWybierz inny skrót.");
    return {};
}

} // namespace remitto
