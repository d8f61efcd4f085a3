#include "shell/Startup.h"

#include "core/Session.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>

namespace remitto {

QString wersjaProgramu()
{
    return QStringLiteral("%1.%2.%3")
        .arg(REMITTO_VERSION_MAJOR)
        .arg(REMITTO_VERSION_MINOR)
        .arg(REMITTO_VERSION_REVISION);
}

void ustawDzis(Session& s, const QDate& dzis)
{
    s.DataDzis = dzis.toString(QStringLiteral("dd-MM-yyyy"));
    s.DataDzisKlucz = s.DataDzis.mid(6, 4) + s.DataDzis.mid(3, 2) + s.DataDzis.mid(0, 2);
}

static bool maUstawienia(const QString& folder)
{
    return !folder.isEmpty() && QFileInfo::exists(folder + QLatin1Char('/') + kPlikInstalka);
}

QString folderStartowy(const QString& biezacy, const QString& zapamietany)
{
    if (maUstawienia(biezacy))
        return biezacy;
    if (maUstawienia(zapamietany))
        return zapamietany;
    return biezacy;
}

StanUstawien wczytajUstawienia(Session& s, QString* error)
{
    const UstawieniaOdczyt r = readInstalka(s.SciezkaProgramu);
    if (!r.ok) {
        if (error)
            *error = r.error;
        return r.missing ? StanUstawien::Brak : StanUstawien::Uszkodzone;
    }
    ustawieniaDoSesji(r.u, s);
    // A folder written on another machine (a drive letter, say) cannot be the
    // data folder here; the folder the file was found in stays.
    if (!r.u.sciezka.isEmpty() && QFileInfo(r.u.sciezka).isDir())
        s.SciezkaProgramu = QDir::cleanPath(r.u.sciezka);
    return StanUstawien::Wczytane;
}

bool utworzUstawienia(Session& s, const QString& folder, QString* error)
{
    Ustawienia u = ustawieniaZSesji(s);
    u.sciezka = folder;
    return writeInstalka(folder, u, error);
}

StanFirmy wczytajPierwszaFirme(Session& s, QString* error)
{
    s.PlikMojaFirma = s.dataPath(kPlikMojaFirma);
    s.NrKontaWybranego = 0;
    const MojaFirmaOdczyt r = readMojaFirma(s.PlikMojaFirma);
    if (error)
        *error = r.error;
    if (!r.firmy.isEmpty())
        firmaDoSesji(r.firmy.first(), s);
    else
        wyczyscFirme(s);
    if (r.missing)
        return StanFirmy::BrakPliku;
    if (r.damaged)
        return StanFirmy::Uszkodzony;
    return r.firmy.isEmpty() ? StanFirmy::PustyPlik : StanFirmy::Wczytana;
}

bool utworzPierwszaFirme(const Session& s, QString* error)
{
    Firma f;
    f.nrId = QStringLiteral("1");
    return writeMojaFirma(s.dataPath(kPlikMojaFirma), {f}, error);
}

QString wizytowka(const Session& s)
{
    if (s.SkrotFirmy.isEmpty() && s.KontoWybrane.isEmpty())
        return QStringLiteral("(nie wybrano firmy)");
    return s.SkrotFirmy + QLatin1Char(' ') + s.KontoWybrane;
}

bool przepiszUstawieniaDlaFolderu(Session& s, const QString& folder, QString* error)
{
    UstawieniaOdczyt r = readInstalka(folder);
    if (!r.ok) {
        if (error)
            *error = r.error;
        return false;
    }
    r.u.sciezka = folder;
    if (!writeInstalka(folder, r.u, error))
        return false;
    ustawieniaDoSesji(r.u, s);
    return true;
}

} // namespace remitto
