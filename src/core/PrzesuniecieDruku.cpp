#include "core/PrzesuniecieDruku.h"

#include <QSettings>
#include <algorithm>

namespace remitto {

namespace {

const QString kPoziomo = QStringLiteral("wydruk/przesunieciePoziomoMm");
const QString kPionowo = QStringLiteral("wydruk/przesunieciePionowoMm");

int wRamach(int mm)
{
    return std::clamp(mm, PrzesuniecieDruku::kMin, PrzesuniecieDruku::kMax);
}

int odczyt(const QSettings& settings, const QString& key)
{
    bool ok = false;
    const int mm = settings.value(key).toInt(&ok);
    return ok ? wRamach(mm) : 0;
}

} // namespace

PrzesuniecieDruku wczytajPrzesuniecie(const QSettings& settings)
{
    return {odczyt(settings, kPoziomo), odczyt(settings, kPionowo)};
}

void zapiszPrzesuniecie(QSettings& settings, const PrzesuniecieDruku& p)
{
    settings.setValue(kPoziomo, wRamach(p.poziomoMm));
    settings.setValue(kPionowo, wRamach(p.pionowoMm));
}

} // namespace remitto
