#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

struct archive;

// The zip archive of a backup through libarchive: one writer that streams
// files into it and one reader that walks its entries in order.

namespace remitto::zip {

/// Hashes of the bytes of one entry as they pass.
struct Skrot {
    qint64 rozmiar = 0;
    quint32 crc = 0;
    QByteArray sha256;
};

class Zapis {
public:
    Zapis() = default;
    Zapis(const Zapis&) = delete;
    Zapis& operator=(const Zapis&) = delete;
    ~Zapis();

    /// Starts the archive on an open file descriptor (left open).
    bool otworz(int fd, QString* blad);
    /// Streams the file at `sciezka` in as the entry `nazwa`; `postep` gets
    /// the bytes of each piece and returns false to stop. `skrot` gets the
    /// size, CRC and SHA-256 of the bytes read.
    bool dodajPlik(const QString& nazwa, const QString& sciezka, const std::function<bool(qint64)>& postep,
                   Skrot* skrot, QString* blad, bool* przerwano);
    /// Adds an entry from memory.
    bool dodajDane(const QString& nazwa, const QByteArray& dane, QString* blad);
    /// Writes the central directory.
    bool zamknij(QString* blad);

private:
    ::archive* m_a = nullptr;
};

/// Called with each entry's name; reads its data through `czytaj` (bytes into
/// the buffer, 0 at the end, -1 on error). Returns false to stop the walk.
using Wpis = std::function<bool(const QString& nazwa, const std::function<qint64(char*, qint64)>& czytaj)>;

/// Walks the archive's entries in order. False with `blad` set when the
/// archive cannot be opened or read; false with `blad` empty when `wpis`
/// stopped the walk.
bool czytajWpisy(const QString& archiwum, const Wpis& wpis, QString* blad);

/// Reads the rest of an entry, hashing it; `postep` as in Zapis::dodajPlik.
/// `dane` (when given) gets the bytes. Without `sha` only the size and the
/// CRC are taken (the read-back of a backup just written).
bool czytajDoKonca(const std::function<qint64(char*, qint64)>& czytaj, const std::function<bool(qint64)>& postep,
                   Skrot* skrot, QByteArray* dane, bool* przerwano, bool sha = true);

} // namespace remitto::zip
