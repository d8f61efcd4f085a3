#include "statements/UzgodnienieBezOkna.h"

#include "core/Session.h"
#include "history/Historia.h"
#include "shell/Startup.h"
#include "statements/Uzgodnienie.h"

#include <QFileInfo>

namespace remitto {

WynikBezOkna uzgodnijBezOkna(const QString& wyciag, const QString& folder, const QDate& dzis)
{
    WynikBezOkna w;
    const QFileInfo f(folder);
    if (folder.isEmpty() || !f.isDir()) {
        w.kod = 1;
        w.bledy = QStringLiteral("Folder danych %1 nie istnieje.\n").arg(folder);
        return w;
    }
    Session s;
    s.SciezkaProgramu = f.absoluteFilePath();
    ustawDzis(s, dzis);
    QString blad;
    if (wczytajPierwszaFirme(s, &blad) != StanFirmy::Wczytana || s.SkrotFirmy.isEmpty()) {
        w.kod = 1;
        w.bledy = (blad.isEmpty() ? QStringLiteral("W folderze danych %1 nie wybrano firmy.").arg(folder) : blad)
                  + QLatin1Char('\n');
        return w;
    }
    const Uzgodnienie u = uzgodnijWyciagi({wyciag}, plikWyslanych(s), s.SciezkaProgramu,
                                          dzis.toString(QStringLiteral("yyyy-MM-dd")));
    if (!u.ok) {
        w.kod = 1;
        w.bledy = u.blad + QLatin1Char('\n');
        return w;
    }
    for (const WynikUzgodnienia& r : u.wyniki)
        w.wyjscie += slowoUzgodnienia(r.rodzaj) + QLatin1Char('\t')
                     + (r.linia > 0 ? QString::number(r.linia) : QStringLiteral("-")) + QLatin1Char('\t')
                     + (r.rekord >= 0 ? QString::number(r.rekord + 1) : QStringLiteral("-")) + QLatin1Char('\n');
    return w;
}

} // namespace remitto
