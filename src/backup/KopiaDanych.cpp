#include "backup/KopiaDanych.h"

#include "backup/ArchiwumZip.h"
#include "core/NazwaPliku.h"
#include "core/Session.h"
#include "core/TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <algorithm>
#include <unistd.h>

namespace remitto {

namespace {

bool plikGlowny(const QString& nazwa)
{
    static const QRegularExpression wzor(QStringLiteral("\\.(dat|dta|txt|arh|jrn)$"),
                                         QRegularExpression::CaseInsensitiveOption);
    return !nazwa.startsWith(QLatin1Char('.')) && wzor.match(nazwa).hasMatch();
}

QString hex8(quint32 v)
{
    return QStringLiteral("%1").arg(v, 8, 16, QLatin1Char('0'));
}

QByteArray manifest(const QDateTime& czas, const QString& firma, const QList<PlikKopii>& pliki)
{
    QByteArray m = "Remitto kopia 1\n";
    m += "data " + czas.toString(Qt::ISODate).toUtf8() + '\n';
    m += "firma " + firma.toUtf8() + '\n';
    m += "plikow " + QByteArray::number(pliki.size()) + '\n';
    for (const PlikKopii& p : pliki)
        m += p.sha256.toHex() + ' ' + hex8(p.crc).toLatin1() + ' ' + QByteArray::number(p.rozmiar) + ' '
             + p.nazwa.toUtf8() + '\n';
    return m;
}

/// A path from an archive that may be written into a data folder: relative,
/// no "..", and one the program owns there.
bool nazwaBezpieczna(const QString& nazwa)
{
    if (nazwa.isEmpty() || nazwa.startsWith(QLatin1Char('/')) || nazwa.contains(QLatin1Char('\\'))
        || nazwa.contains(QChar(0)))
        return false;
    const QStringList czesci = nazwa.split(QLatin1Char('/'));
    for (const QString& c : czesci)
        if (c.isEmpty() || c == QLatin1String(".") || c == QLatin1String("..") || c.startsWith(QLatin1Char('.')))
            return false;
    if (czesci.size() == 1)
        return plikGlowny(nazwa);
    return czesci.size() == 2 && folderyDanych().contains(czesci.at(0));
}

bool czytajManifest(const QByteArray& m, OpisKopii* opis)
{
    const QList<QByteArray> linie = m.split('\n');
    if (linie.size() < 5 || linie.at(0) != "Remitto kopia 1" || !linie.at(1).startsWith("data ")
        || !linie.at(2).startsWith("firma ") || !linie.at(3).startsWith("plikow ") || !linie.last().isEmpty())
        return false;
    opis->czas = QDateTime::fromString(QString::fromUtf8(linie.at(1).mid(5)), Qt::ISODate);
    opis->firma = QString::fromUtf8(linie.at(2).mid(6));
    bool ok = false;
    const int ile = linie.at(3).mid(7).toInt(&ok);
    if (!ok || ile != linie.size() - 5)
        return false;
    for (int i = 4; i < linie.size() - 1; ++i) {
        const QList<QByteArray> p = linie.at(i).split(' ');
        if (p.size() < 4 || p.at(0).size() != 64 || p.at(1).size() != 8)
            return false;
        PlikKopii plik;
        plik.sha256 = QByteArray::fromHex(p.at(0));
        plik.crc = p.at(1).toUInt(&ok, 16);
        if (!ok)
            return false;
        plik.rozmiar = p.at(2).toLongLong(&ok);
        if (!ok || plik.rozmiar < 0)
            return false;
        plik.nazwa = QString::fromUtf8(linie.at(i).mid(p.at(0).size() + p.at(1).size() + p.at(2).size() + 3));
        if (!nazwaBezpieczna(plik.nazwa))
            return false;
        opis->pliki.append(plik);
    }
    return true;
}

/// Progress in bytes over all phases, reported after each piece (a file or 1 MB of one).
class Licznik {
public:
    Licznik(const PostepKopii& postep, qint64 wszystkie) : m_postep(postep), m_wszystkie(std::max<qint64>(wszystkie, 1)) {}
    bool dodaj(qint64 n)
    {
        m_zrobione += n;
        return !m_postep || m_postep(std::min(m_zrobione, m_wszystkie), m_wszystkie);
    }
    bool koniec() { return !m_postep || m_postep(m_wszystkie, m_wszystkie); }
    std::function<bool(qint64)> funkcja() { return [this](qint64 n) { return dodaj(n); }; }

private:
    PostepKopii m_postep;
    qint64 m_wszystkie;
    qint64 m_zrobione = 0;
};

QString uszkodzona(const QString& archiwum, const QString& powod)
{
    return QStringLiteral("Kopia %1 jest uszkodzona (%2) i nie może być użyta.").arg(archiwum, powod);
}

/// Reads every entry and checks it against the manifest; `postep` counts bytes.
/// Without `sha` the SHA-256 of the entries is not checked (the read-back of a
/// backup just written, whose entries are compared by size and CRC with the
/// files read).
OpisKopii sprawdz(const QString& archiwum, Licznik* licznik, bool sha = true)
{
    OpisKopii opis;
    QHash<QString, zip::Skrot> wpisy;
    QStringList kolejnosc;
    QByteArray m;
    bool jestManifest = false;
    bool przerwano = false;
    QString powod;
    QString blad;
    const bool ok = zip::czytajWpisy(
        archiwum,
        [&](const QString& nazwa, const std::function<qint64(char*, qint64)>& czytaj) {
            if (jestManifest || wpisy.contains(nazwa)) {
                powod = QStringLiteral("powtórzony lub zbędny wpis %1").arg(nazwa);
                return false;
            }
            zip::Skrot s;
            const bool toManifest = nazwa == QLatin1String(kManifestKopii);
            if (!zip::czytajDoKonca(czytaj, licznik->funkcja(), &s, toManifest ? &m : nullptr, &przerwano, sha))
                return false;
            if (toManifest) {
                jestManifest = true;
            } else {
                wpisy.insert(nazwa, s);
                kolejnosc.append(nazwa);
            }
            return true;
        },
        &blad);
    if (przerwano) {
        opis.wynik = WynikKopii::Przerwano;
        return opis;
    }
    if (!ok) {
        opis.blad = uszkodzona(archiwum, powod.isEmpty() ? blad : powod);
        if (!QFileInfo(archiwum).isFile())
            opis.blad = QStringLiteral("Nie można odczytać kopii %1: %2").arg(archiwum, blad);
        return opis;
    }
    if (!jestManifest || !czytajManifest(m, &opis)) {
        opis.pliki.clear();
        opis.blad = uszkodzona(archiwum, QStringLiteral("brak spisu plików"));
        return opis;
    }
    if (opis.pliki.size() != wpisy.size()) {
        opis.blad = uszkodzona(archiwum, QStringLiteral("liczba plików nie zgadza się ze spisem"));
        return opis;
    }
    for (const PlikKopii& p : std::as_const(opis.pliki)) {
        const auto it = wpisy.constFind(p.nazwa);
        if (it == wpisy.cend() || it->rozmiar != p.rozmiar || it->crc != p.crc || (sha && it->sha256 != p.sha256)) {
            opis.blad = uszkodzona(archiwum, QStringLiteral("plik %1 różni się od spisu").arg(p.nazwa));
            return opis;
        }
    }
    opis.wynik = WynikKopii::Zrobione;
    return opis;
}

} // namespace

qint64 OpisKopii::bajtow() const
{
    qint64 b = 0;
    for (const PlikKopii& p : pliki)
        b += p.rozmiar;
    return b;
}

QStringList plikiDanych(const QString& folderDanych)
{
    QStringList wynik;
    const QDir dir(folderDanych);
    const auto filtr = QDir::Files | QDir::NoSymLinks | QDir::Hidden;
    for (const QString& n : dir.entryList(filtr, QDir::Name))
        if (plikGlowny(n))
            wynik.append(n);
    for (const QString& f : folderyDanych()) {
        const QDir sub(dir.filePath(f));
        if (QFileInfo(dir.filePath(f)).isSymLink())
            continue;
        for (const QString& n : sub.entryList(filtr, QDir::Name))
            if (!n.startsWith(QLatin1Char('.')))
                wynik.append(f + QLatin1Char('/') + n);
    }
    return wynik;
}

QString nazwaKopii(const QString& skrotFirmy, const QDateTime& czas, bool automatyczna)
{
    const QString skrot = skrotFirmy.trimmed().isEmpty() ? QStringLiteral("dane") : skrotFirmy.trimmed();
    return QStringLiteral("Remitto_%1_%2%3.zip")
        .arg(skrot, czas.toString(QStringLiteral("yyyyMMdd_HHmmss")),
             automatyczna ? QStringLiteral("_auto") : QString());
}

bool wewnatrzFolderu(const QString& sciezka, const QString& folderDanych)
{
    auto kanoniczna = [](const QString& p) {
        QString reszta;
        QFileInfo fi(QDir::cleanPath(QDir::current().absoluteFilePath(p)));
        while (!fi.exists() && !fi.isSymLink() && fi.absoluteFilePath() != QLatin1String("/")) {
            reszta = QLatin1Char('/') + fi.fileName() + reszta;
            fi = QFileInfo(fi.absolutePath());
        }
        const QString baza = fi.exists() ? fi.canonicalFilePath() : fi.absoluteFilePath();
        return QDir::cleanPath(baza + reszta);
    };
    const QString dane = kanoniczna(folderDanych);
    const QString cel = kanoniczna(sciezka);
    return cel == dane || cel.startsWith(dane.endsWith(QLatin1Char('/')) ? dane : dane + QLatin1Char('/'));
}

WynikTworzenia utworzKopie(const QString& folderDanych, const QString& folderDocelowy, const QString& skrotFirmy,
                           const QDateTime& czas, bool automatyczna, const PostepKopii& postep)
{
    WynikTworzenia w;
    if (wewnatrzFolderu(folderDocelowy, folderDanych)) {
        w.wynik = WynikKopii::CelWDanych;
        w.blad = QStringLiteral("Folder kopii %1 leży w folderze danych %2. Kopia musi trafić poza folder danych "
                                "(inny folder, pendrive, dysk sieciowy).")
                     .arg(QDir::toNativeSeparators(folderDocelowy), QDir::toNativeSeparators(folderDanych));
        return w;
    }
    if (!QFileInfo(folderDanych).isDir()) {
        w.wynik = WynikKopii::BladOdczytu;
        w.blad = QStringLiteral("Nie ma folderu danych %1.").arg(folderDanych);
        return w;
    }
    if (!QDir().mkpath(folderDocelowy)) {
        w.blad = QStringLiteral("Nie można utworzyć folderu kopii %1.").arg(folderDocelowy);
        return w;
    }
    const QStringList pliki = plikiDanych(folderDanych);
    qint64 bajtow = 0;
    for (const QString& p : pliki)
        bajtow += QFileInfo(QDir(folderDanych).filePath(p)).size();
    // Written once, read back once.
    Licznik licznik(postep, 2 * bajtow);

    const QString nazwa = nazwaKopii(skrotFirmy, czas, automatyczna);
    QTemporaryFile robocze(QDir(folderDocelowy).filePath(QLatin1Char('.') + nazwa + QStringLiteral(".XXXXXX.tmp")));
    robocze.setAutoRemove(true);
    if (!robocze.open()) {
        w.blad = writeErrorMessage(QDir(folderDocelowy).filePath(nazwa), robocze.errorString());
        return w;
    }
    const QString roboczaSciezka = robocze.fileName();
    QList<PlikKopii> spis;
    bool przerwano = false;
    {
        zip::Zapis zapis;
        QString blad;
        bool ok = zapis.otworz(int(robocze.handle()), &blad);
        for (const QString& p : pliki) {
            if (!ok)
                break;
            zip::Skrot s;
            ok = zapis.dodajPlik(p, QDir(folderDanych).filePath(p), licznik.funkcja(), &s, &blad, &przerwano);
            spis.append({p, s.rozmiar, s.crc, s.sha256});
        }
        const QString firma = skrotFirmy.trimmed().isEmpty() ? QStringLiteral("dane") : skrotFirmy.trimmed();
        ok = ok && zapis.dodajDane(QLatin1String(kManifestKopii), manifest(czas, firma, spis), &blad)
             && zapis.zamknij(&blad);
        if (przerwano) {
            w.wynik = WynikKopii::Przerwano;
            return w;
        }
        if (!ok) {
            w.wynik = blad.startsWith(QStringLiteral("Nie można odczytać")) || blad.contains(QStringLiteral("zmienił się"))
                          ? WynikKopii::BladOdczytu
                          : WynikKopii::BladZapisu;
            w.blad = w.wynik == WynikKopii::BladOdczytu ? blad : writeErrorMessage(roboczaSciezka, blad);
            return w;
        }
    }
    if (::fsync(int(robocze.handle())) != 0) {
        w.blad = writeErrorMessage(roboczaSciezka, QStringLiteral("zapis na dysk nie powiódł się"));
        return w;
    }
    robocze.close();

    // Read back what reached the disk before the archive gets its name.
    const OpisKopii opis = sprawdz(roboczaSciezka, &licznik, false);
    if (opis.wynik == WynikKopii::Przerwano) {
        w.wynik = WynikKopii::Przerwano;
        return w;
    }
    bool zgodna = opis.wynik == WynikKopii::Zrobione && opis.pliki.size() == spis.size();
    for (qsizetype i = 0; zgodna && i < spis.size(); ++i)
        zgodna = opis.pliki.at(i).nazwa == spis.at(i).nazwa && opis.pliki.at(i).rozmiar == spis.at(i).rozmiar
                 && opis.pliki.at(i).crc == spis.at(i).crc;
    if (!zgodna) {
        w.wynik = WynikKopii::BladZapisu;
        w.blad = QStringLiteral("Kopia zapisana w %1 nie zgadza się z plikami danych przy odczycie kontrolnym; "
                                "kopia nie została utworzona.")
                     .arg(QDir::toNativeSeparators(folderDocelowy));
        return w;
    }
    // Two backups within one second: the second gets a number before "_auto".
    QString cel = QDir(folderDocelowy).filePath(nazwa);
    const QString rdzen = nazwaKopii(skrotFirmy, czas, false).chopped(4);
    for (int i = 2; QFileInfo::exists(cel) || QFileInfo(cel).isSymLink(); ++i)
        cel = QDir(folderDocelowy)
                  .filePath(rdzen + QStringLiteral("_%1%2.zip").arg(i).arg(automatyczna ? QStringLiteral("_auto") : QString()));
    if (!robocze.rename(cel)) {
        w.blad = writeErrorMessage(cel, robocze.errorString());
        return w;
    }
    robocze.setAutoRemove(false);
    syncFolder(folderDocelowy);
    licznik.koniec();
    w.wynik = WynikKopii::Zrobione;
    w.archiwum = cel;
    w.plikow = int(spis.size());
    w.bajtow = bajtow;
    return w;
}

WynikTworzenia utworzKopieAutomatyczna(const QString& folderDanych, const QString& folderDocelowy,
                                       const QString& skrotFirmy, const PostepKopii& postep)
{
    WynikTworzenia w = utworzKopie(folderDanych, folderDocelowy, skrotFirmy, QDateTime::currentDateTime(), true, postep);
    if (w.wynik != WynikKopii::Zrobione)
        return w;
    static const QRegularExpression wzor(QStringLiteral("^Remitto_.+_(\\d{8}_\\d{6})(?:_(\\d+))?_auto\\.zip$"));
    struct Auto {
        QString klucz;
        QString nazwa;
    };
    QList<Auto> automatyczne;
    const QDir dir(folderDocelowy);
    for (const QString& n : dir.entryList(QDir::Files | QDir::NoSymLinks)) {
        const auto m = wzor.match(n);
        if (m.hasMatch())
            automatyczne.append({m.captured(1) + m.captured(2).rightJustified(6, QLatin1Char('0')), n});
    }
    std::sort(automatyczne.begin(), automatyczne.end(), [](const Auto& a, const Auto& b) { return a.klucz > b.klucz; });
    bool usunieto = false;
    for (qsizetype i = 10; i < automatyczne.size(); ++i)
        usunieto |= QFile::remove(dir.filePath(automatyczne.at(i).nazwa));
    if (usunieto)
        syncFolder(folderDocelowy);
    return w;
}

OpisKopii sprawdzKopie(const QString& archiwum, const PostepKopii& postep)
{
    Licznik licznik(postep, QFileInfo(archiwum).size() * 3);  // the bytes unpacked: about 3 x the archive
    OpisKopii opis = sprawdz(archiwum, &licznik);
    if (opis.wynik == WynikKopii::Zrobione)
        licznik.koniec();
    return opis;
}

QString domyslnyFolderKopii()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + QStringLiteral("/Remitto kopie");
}

QString folderKopii()
{
    const QString f = QSettings().value(QStringLiteral("kopie/folder")).toString();
    return f.isEmpty() ? domyslnyFolderKopii() : f;
}

QString najnowszaKopia(const QString& folder)
{
    const QFileInfoList kopie =
        QDir(folder).entryInfoList({QStringLiteral("Remitto_*.zip")}, QDir::Files, QDir::Time);
    return kopie.isEmpty() ? folder + QLatin1Char('/') : kopie.first().absoluteFilePath();
}

void zapamietajFolderKopii(const QString& folder)
{
    QSettings().setValue(QStringLiteral("kopie/folder"), folder);
}

WynikTworzenia kopiaPrzedZmiana(const Session& session, const PostepKopii& postep)
{
    return utworzKopieAutomatyczna(session.SciezkaProgramu, folderKopii(), session.SkrotFirmy, postep);
}

QString pytanieBezKopii(const WynikTworzenia& wynik)
{
    return QStringLiteral("Automatyczna kopia bezpieczeństwa przed tą zmianą nie powiodła się:\n%1\n\n"
                          "Kontynuować bez kopii ?")
        .arg(wynik.blad);
}

} // namespace remitto
