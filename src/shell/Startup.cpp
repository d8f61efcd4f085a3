#include "shell/Startup.h"

#include "core/NazwaPliku.h"
#include "core/Session.h"

#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTime>

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
    s.DataDzisKlucz = dzis.toString(QStringLiteral("yyyyMMdd"));
}

void ustawDateRobocza(Session& s, const QDate& dzien)
{
    s.DataRobocza = dzien.toString(QStringLiteral("dd-MM-yyyy"));
}

std::optional<QDate> dataZWpisu(const QString& tekst)
{
    const QDate d = QDate::fromString(tekst.trimmed(), QStringLiteral("yyyy-M-d"));
    if (!d.isValid())
        return std::nullopt;
    return d;
}

std::optional<QTime> czasZWpisu(const QString& tekst)
{
    const QString t = tekst.trimmed();
    for (const QString& wzor : {QStringLiteral("H:mm:ss"), QStringLiteral("H:mm")}) {
        const QTime czas = QTime::fromString(t, wzor);
        if (czas.isValid())
            return czas;
    }
    return std::nullopt;
}

QString komunikatDrugiejKopii()
{
    return QStringLiteral("Aplikacja Remitto jest aktywna - próba ponownego zainstalowania tego programu !");
}

static bool maUstawienia(const QString& folder)
{
    return !folder.isEmpty() && QFileInfo::exists(folder + QLatin1Char('/') + kPlikInstalka);
}

bool jestPlikUstawien(const QString& folder)
{
    return maUstawienia(folder);
}

bool odlozUszkodzonyPlik(const QString& path, const QDateTime& teraz, QString* kopia, QString* error)
{
    if (kopia)
        kopia->clear();
    if (!QFileInfo::exists(path) && !QFileInfo(path).isSymLink())
        return true;
    const QString podstawa = path + QStringLiteral(".uszkodzony-") + teraz.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString nazwa = podstawa;
    for (int n = 2; QFileInfo::exists(nazwa) || QFileInfo(nazwa).isSymLink(); ++n)
        nazwa = podstawa + QStringLiteral("-%1").arg(n);
    // A rename within the folder: the kept file is the damaged one, byte for byte.
    if (!QFile::rename(path, nazwa)) {
        if (error)
            *error = QStringLiteral("Nie można zachować uszkodzonego pliku %1 jako %2; nowego pliku nie zapisano.")
                         .arg(path, nazwa);
        return false;
    }
    if (kopia)
        *kopia = nazwa;
    return true;
}

QString komunikatZachowanegoPliku(const QString& plik, const QString& kopia)
{
    return QStringLiteral("Plik %1, którego nie dało się odczytać, zachowano jako %2.").arg(plik, kopia);
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

bool utworzUstawienia(Session& s, const QString& folder, QString* error, QString* kopia)
{
    if (!odlozUszkodzonyPlik(QDir(folder).filePath(kPlikInstalka), s.clock.now(), kopia, error))
        return false;
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
    // A short name that cannot name a file leaves no company current until
    // it is changed in the own company window. An empty one is a record not
    // filled in yet: it names no file either, but is no fault of the file.
    const QString zlySkrot = r.firmy.isEmpty() || r.firmy.first().skrot.isEmpty()
                               ? QString()
                               : bladSkrotuFirmy(r.firmy.first().skrot);
    if (!r.firmy.isEmpty() && zlySkrot.isEmpty())
        firmaDoSesji(r.firmy.first(), s);
    else
        wyczyscFirme(s);
    if (r.missing)
        return StanFirmy::BrakPliku;
    if (r.damaged)
        return StanFirmy::Uszkodzony;
    if (!zlySkrot.isEmpty()) {
        if (error)
            *error = QStringLiteral("Plik %1:\n%2\nFirma nie została wybrana - popraw skrót w oknie Moja Firma.")
                         .arg(s.PlikMojaFirma, zlySkrot);
        return StanFirmy::ZlySkrot;
    }
    return r.firmy.isEmpty() ? StanFirmy::PustyPlik : StanFirmy::Wczytana;
}

bool utworzPierwszaFirme(const Session& s, QString* error, QString* kopia)
{
    if (!odlozUszkodzonyPlik(s.dataPath(kPlikMojaFirma), s.clock.now(), kopia, error))
        return false;
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

bool zapiszNoweUstawienia(Session& s, const QString& folder, QString* error, QString* kopia)
{
    if (!odlozUszkodzonyPlik(QDir(folder).filePath(kPlikInstalka), s.clock.now(), kopia, error))
        return false;
    Ustawienia u = zDomyslnymi(ustawieniaZSesji(s));
    u.sciezka = folder;
    if (!writeInstalka(folder, u, error))
        return false;
    ustawieniaDoSesji(u, s);
    return true;
}

int numerBledu(WynikFolderu wynik)
{
    switch (wynik) {
    case WynikFolderu::BladOdczytu: return 53;
    case WynikFolderu::BladZapisu: return 75;
    case WynikFolderu::Zmieniono:
    case WynikFolderu::BezZmian:
    case WynikFolderu::BrakFirmy: break;
    }
    return 0;
}

} // namespace remitto
