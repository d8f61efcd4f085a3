#pragma once

// What an opened flat file keeps: its header, its masks and the sorted hash
// prefixes, either in memory or in the mapped cache file.

#include "contractors/BialaLista.h"
#include "core/DuzaPamiec.h"

#include <QFile>

#include <memory>
#include <string>
#include <vector>

namespace remitto::kontrahenci {

struct BialaLista::Dane {
    QByteArray data;  // yyyymmdd
    int transformacje = 0;
    QList<QByteArray> maski;
    const quint64* czynni = nullptr;
    qsizetype nCzynni = 0;
    const quint64* zwolnieni = nullptr;
    qsizetype nZwolnieni = 0;
    DuzyWektor<quint64> wlasneCzynni;     // when not mapped
    DuzyWektor<quint64> wlasneZwolnieni;
    std::unique_ptr<QFile> pamiec;         // the mapped cache
    bool zPamieci = false;
    QString plikPamieci;
};

/// Sorts hash prefixes (radix by the top bits, then small sorts).
void sortujPrefiksy(DuzyWektor<quint64>& v);

/// The JSON of a flat file scanned as it comes, in pieces of any size: the
/// header, the masks and the prefixes of both lists of hashes. A value cut by
/// the end of a piece is carried on, never scanned again, so the time taken
/// grows with the file alone whatever its tokens; of a value longer than any
/// a flat file holds only the first bytes are kept. Every message names the
/// file `plik`.
class SkanerPlaski {
public:
    SkanerPlaski(const QString& plik, DuzyWektor<quint64>& czynni, DuzyWektor<quint64>& zwolnieni);

    /// False once the bytes so far are not a flat file (see blad()).
    bool podaj(const char* dane, size_t n);
    /// After the last piece: the file is whole and has both lists of payers.
    bool koniec();
    QString blad() const { return m_blad; }
    /// Room for every hash `bajty` of JSON can hold (pages untouched until used).
    void zarezerwuj(qint64 bajty);

    QByteArray data;
    QByteArray transformacje;
    QList<QByteArray> maski;

    /// Longer than any value of a flat file; of a longer one only this much is kept.
    static constexpr size_t kNajdluzszaWartosc = 4096;

private:
    enum class Lista { Inna, Czynni, Zwolnieni, Maski, Naglowek };
    enum class Stan { Miedzy, WTekscie, WGolej };  // between values, inside "...", inside a bare scalar
    struct Ramka {
        bool obiekt;
        Lista lista;
        bool czekaKlucz;
    };

    Lista ktora() const;
    void wartosc(const char* p, size_t n);
    void otworz(bool obiekt);
    void niePlaski();
    void doloz(const char* p, size_t n);
    size_t dalejTekst(const char* d, size_t n, size_t i);
    size_t dalejGola(const char* d, size_t n, size_t i);
    void przetworz(const char* d, size_t n, size_t i);

    QString m_plik;
    DuzyWektor<quint64>& m_czynni;
    DuzyWektor<quint64>& m_zwolnieni;
    std::vector<Ramka> m_stos;
    std::string m_klucz;
    std::string m_wartosc;  // a value cut by the end of a piece, so far
    Stan m_stan = Stan::Miedzy;
    bool m_ucieczka = false;  // the last byte in a text was a backslash
    QString m_blad;
    bool m_byloCos = false;
    bool m_czynniByli = false;
    bool m_zwolnieniByli = false;
};

} // namespace remitto::kontrahenci
