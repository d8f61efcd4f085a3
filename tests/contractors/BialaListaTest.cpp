#include "contractors/BialaLista.h"
#include "contractors/BialaListaDane.h"

#include "TempFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QElapsedTimer>
#include <QRandomGenerator>

#include <archive.h>
#include <archive_entry.h>

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <thread>

using namespace Qt::StringLiterals;

namespace remitto::kontrahenci {
namespace {

using test::TempFolder;
using W = WynikBialejListy;

// Hashes computed once by other code (Python's hashlib, and again as chains of
// `printf %s ... | sha512sum`) for the pairs below.
constexpr char kA1[] = "5882f7f5aeae235076821878fb5a80055baab85b28dd6d23aeb957d36b5c7dfa"
                       "55908b0925ec147b9de87d43b37dde7c9d231d5ebb97409e3c1644675ecf472d";
constexpr char kA3[] = "b2438876e0c19e149cdc99914c328cf1d3035e3d79238b85e80cb403013af246"
                       "443f0e88e5cb3f30cdde9b8b9df8f95354a265cce87695ecf2ff375cbd397acf";
constexpr char kB3[] = "363f9b787fe4669404aa3f44fa2e19ce15718af8f67a7b7d20ee6f3f77748bc5"
                       "3f9ec39a0114b8d286e4b3b7c00a8901fabec1a182a87f12ba3d33dabeabff56";
constexpr char kC3[] = "8dfa1ba431072c80b5eab654e95a91cfb05ad7ae3afdd286a84d4104bbfae785"
                       "8293100908f4f16ea14544c86b7b26b1356dd144133f712e870d8a22969529cb";
constexpr char kD5000[] = "50352354871d5536e35d0b9f690ef30b2152e3dba2703be10a18ed1626343de7"
                          "0a3755407b74a78abba23ec826ca862029d6a2eaf01645d603fc0b0db4b25cbc";

constexpr char kMaska[] = "XX10205555YYYYXXXXXXXXXXXX";

TEST(BialaLista, PairHashMatchesIndependentlyComputedValues)
{
    struct Przypadek { const char* data; const char* nip; const char* nrb; int n; const char* skrot; };
    const Przypadek tabela[] = {
        {"20261210", "5260250274", "61109010140000071219812874", 1, kA1},
        {"20261210", "5260250274", "61109010140000071219812874", 3, kA3},
        {"20261210", "7740001454", "27114020040000350230599137", 3, kB3},
        {"20261210", "1132854707", "XX102055551234XXXXXXXXXXXX", 3, kC3},
        {"20190927", "1234563218", "12345678901234567890123456", 5000, kD5000},
    };
    for (const Przypadek& p : tabela) {
        EXPECT_EQ(skrotPary(p.data, p.nip, p.nrb, p.n), QByteArray(p.skrot)) << p.nip << " x" << p.n;
        char hex[128];
        ASSERT_TRUE(skrotPary(p.data, p.nip, p.nrb, p.n, hex));
        EXPECT_EQ(QByteArray(hex, 128), QByteArray(p.skrot)) << p.nip << " x" << p.n;
    }
}

TEST(BialaLista, MaskFitsOnItsDigitsAndKeepsTheAccountWhereItSaysY)
{
    EXPECT_TRUE(poprawnaMaska(kMaska));
    EXPECT_FALSE(poprawnaMaska("XX10205555YYYYXXXXXXXXXXX"));   // 25 characters
    EXPECT_FALSE(poprawnaMaska("XX10205555YYYYXXXXXXXXXXXZ"));
    EXPECT_TRUE(pasujeDoMaski("61102055551234000000000987", kMaska));
    EXPECT_TRUE(pasujeDoMaski("00102055559999123456789012", kMaska));
    EXPECT_FALSE(pasujeDoMaski("61102055561234000000000987", kMaska));  // one digit differs
    EXPECT_FALSE(pasujeDoMaski("6110205555123400000000098", kMaska));
    EXPECT_EQ(kontoZamaskowane("61102055551234000000000987", kMaska), QByteArray("XX102055551234XXXXXXXXXXXX"));
}

TEST(BialaLista, AHashIsTakenOnlyWhenEveryCharacterIsAHexDigit)
{
    const QByteArray wzor = QByteArray(kA1).toUpper();
    quint64 prefiks = 0;
    ASSERT_TRUE(prefiksSkrotu(wzor, &prefiks));
    EXPECT_EQ(prefiks, 0x5882f7f5aeae2350ULL);
    // Every byte value at a place read sixteen at a time, at the first prefix
    // digit and in the tail.
    for (const qsizetype gdzie : {qsizetype(0), qsizetype(37), qsizetype(127)}) {
        for (int c = 0; c < 256; ++c) {
            QByteArray h = wzor;
            h[gdzie] = char(c);
            const bool hex = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
            EXPECT_EQ(prefiksSkrotu(h, &prefiks), hex) << gdzie << ' ' << c;
        }
    }
    EXPECT_FALSE(prefiksSkrotu(wzor.left(127), &prefiks));
}

TEST(BialaLista, PrefixesSortAsStdSortDoes)
{
    for (const size_t n : {size_t(0), size_t(1), size_t(47), size_t(4096), size_t(5000), size_t(300000)}) {
        DuzyWektor<quint64> v(n);
        for (size_t i = 0; i < n; ++i)  // random, with runs of equal values and equal top bytes
            v[i] = i % 7 == 0 ? quint64(i % 3) : QRandomGenerator::global()->generate64() >> (i % 5 == 0 ? 20 : 0);
        DuzyWektor<quint64> oczekiwane = v;
        std::sort(oczekiwane.begin(), oczekiwane.end());
        sortujPrefiksy(v);
        EXPECT_EQ(v, oczekiwane) << n;
    }
}

QByteArray losowySkrot()
{
    QByteArray b(64, Qt::Uninitialized);
    for (char& c : b)
        c = char(QRandomGenerator::global()->bounded(256));
    return b.toHex();
}

// A flat file of 10 December 2026 with three transformations: A active, B
// exempt, C active only through the mask, plus `szum` random hashes.
QByteArray plikPlaski(int szum = 0, const QByteArray& liczba = "\"3\"")
{
    QByteArray czynni;
    for (int i = 0; i < szum; ++i)
        czynni += "\"" + losowySkrot() + "\",\n";
    czynni += "\"" + QByteArray(kA3) + "\",\n\"" + QByteArray(kC3) + "\"";
    return "{\"naglowek\":{\"dataGenerowaniaDanych\":\"20261210\",\"liczbaTransformacji\":" + liczba
        + ",\"schemat\":\"RRRRMMDDNNNNNNNNNNBBBBBBBBBBBBBBBBBBBBBBBBBB\"},\n"
          "\"skrotyPodatnikowCzynnych\":[\n" + czynni + "],\n"
          "\"skrotyPodatnikowZwolnionych\":[\"" + losowySkrot() + "\",\"" + QByteArray(kB3).toUpper() + "\"],\n"
          "\"maski\":[\"" + kMaska + "\",\"XX1140YYYYXXXXXXXXXXXXXXXX\"]}\n";
}

bool zapisz7z(const QString& sciezka, const QByteArray& json)
{
    archive* a = archive_write_new();
    archive_write_set_format_7zip(a);
    archive_write_set_format_option(a, "7zip", "compression-level", "1");  // LZMA still, but quick
    bool ok = archive_write_open_filename(a, QFile::encodeName(sciezka).constData()) == ARCHIVE_OK;
    if (ok) {
        archive_entry* e = archive_entry_new();
        archive_entry_set_pathname(e, "20261210.json");
        archive_entry_set_size(e, json.size());
        archive_entry_set_filetype(e, AE_IFREG);
        archive_entry_set_perm(e, 0644);
        ok = archive_write_header(a, e) == ARCHIVE_OK
            && archive_write_data(a, json.constData(), size_t(json.size())) == json.size();
        archive_entry_free(e);
    }
    ok = archive_write_close(a) == ARCHIVE_OK && ok;
    archive_write_free(a);
    return ok;
}

void sprawdzWyniki(const BialaLista& lista)
{
    ASSERT_TRUE(lista.wczytana());
    EXPECT_EQ(lista.data(), QDate(2026, 12, 10));
    EXPECT_EQ(lista.liczbaTransformacji(), 3);
    EXPECT_EQ(lista.maski().size(), 2);
    struct Przypadek { QString nip; QString konto; W wynik; };
    const QList<Przypadek> tabela = {
        {u"526-025-02-74"_s, u"61 1090 1014 0000 0712 1981 2874"_s, W::Czynny},
        {u"PL5260250274"_s, u"PL61109010140000071219812874"_s, W::Czynny},
        {u"7740001454"_s, u"27114020040000350230599137"_s, W::Zwolniony},
        {u"1132854707"_s, u"61102055551234000000000987"_s, W::Czynny},      // through the mask
        {u"1132854707"_s, u"00102055551234999999999999"_s, W::Czynny},      // same masked account
        {u"1132854707"_s, u"61102055559999000000000987"_s, W::NieFiguruje}, // fits, other Y digits
        {u"5260250274"_s, u"27114020040000350230599137"_s, W::NieFiguruje}, // B's account, A's NIP
        {u"5260250274"_s, u"61109010140000071219812875"_s, W::NieFiguruje},
        {QString(), u"61109010140000071219812874"_s, W::BrakNipLubKonta},
        {u"526025027"_s, u"61109010140000071219812874"_s, W::BrakNipLubKonta},
        {u"5260250274"_s, u"  "_s, W::BrakNipLubKonta},
        {u"5260250274"_s, u"6110901014000007121981287"_s, W::KontoNiepelne},
        {u"5260250274"_s, u"DE61109010140000071219812874"_s, W::KontoNiepelne},
    };
    QList<std::pair<QString, QString>> pary;
    for (const Przypadek& p : tabela) {
        EXPECT_EQ(lista.sprawdz(p.nip, p.konto), p.wynik) << qPrintable(p.nip + u' ' + p.konto);
        pary.append({p.nip, p.konto});
    }
    const QList<W> razem = lista.sprawdz(pary);
    for (qsizetype i = 0; i < tabela.size(); ++i)
        EXPECT_EQ(razem[i], tabela[i].wynik) << i;
}

TEST(BialaLista, ReadsTheJsonAndTheArchiveAndThenTheCache)
{
    TempFolder dir;
    // Over 4 MB unpacked, so the tokens cross the ends of the chunks read.
    const int szum = 40000;
    const QByteArray json = plikPlaski(szum);
    dir.writeBytes(u"20261210.json"_s, json);
    ASSERT_TRUE(zapisz7z(dir.file(u"20261210.7z"_s), json));
    const QString pamiec = dir.file(u"pamiec"_s);

    for (const QString& nazwa : {u"20261210.json"_s, u"20261210.7z"_s}) {
        SCOPED_TRACE(qPrintable(nazwa));
        EXPECT_EQ(dataPlikuPlaskiego(dir.file(nazwa)), QDate(2026, 12, 10));  // from the header alone
        qint64 ostatni = -1, wszystkie = -1;
        QString blad;
        const BialaLista pierwsza = BialaLista::otworz(dir.file(nazwa), pamiec,
            [&](qint64 z, qint64 w) { ostatni = z; wszystkie = w; return true; }, &blad);
        EXPECT_TRUE(blad.isEmpty()) << qPrintable(blad);
        EXPECT_FALSE(pierwsza.zPamieci());
        EXPECT_EQ(pierwsza.liczbaCzynnych(), szum + 2);
        EXPECT_EQ(pierwsza.liczbaZwolnionych(), 2);
        EXPECT_EQ(wszystkie, QFileInfo(dir.file(nazwa)).size());
        EXPECT_EQ(ostatni, wszystkie);
        sprawdzWyniki(pierwsza);

        const BialaLista druga = BialaLista::otworz(dir.file(nazwa), pamiec, {}, &blad);
        EXPECT_TRUE(druga.zPamieci());
        EXPECT_EQ(druga.liczbaCzynnych(), szum + 2);
        sprawdzWyniki(druga);
        // Only the newest cache stays.
        EXPECT_EQ(QDir(pamiec).entryList(QDir::Files).size(), 1);
    }
}

TEST(BialaLista, AChangedFileIsReadAgainNotTakenFromAStaleCache)
{
    TempFolder dir;
    const QString pamiec = dir.file(u"pamiec"_s);
    dir.writeBytes(u"lista.json"_s, plikPlaski());
    EXPECT_EQ(BialaLista::otworz(dir.file(u"lista.json"_s), pamiec, {}, nullptr).liczbaCzynnych(), 2);
    dir.writeBytes(u"lista.json"_s, plikPlaski(3));
    QFile f(dir.file(u"lista.json"_s));  // same size or not, the time moves on
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    f.setFileTime(QDateTime::currentDateTime().addSecs(60), QFileDevice::FileModificationTime);
    f.close();
    const BialaLista nowa = BialaLista::otworz(dir.file(u"lista.json"_s), pamiec, {}, nullptr);
    EXPECT_FALSE(nowa.zPamieci());
    EXPECT_EQ(nowa.liczbaCzynnych(), 5);
}

struct Odczyt {
    bool skonczony = false;
    bool wczytana = false;
    QString blad;
};

// Opens in a thread of its own, so that a reading that never ends fails the
// test instead of hanging it (the thread is then left behind).
Odczyt otworzZLimitem(const QString& plik, const QString& pamiec, int sekundy = 30)
{
    auto obietnica = std::make_shared<std::promise<Odczyt>>();
    std::future<Odczyt> wynik = obietnica->get_future();
    std::thread([obietnica, plik, pamiec] {
        Odczyt o;
        o.skonczony = true;
        o.wczytana = BialaLista::otworz(plik, pamiec, {}, &o.blad).wczytana();
        obietnica->set_value(o);
    }).detach();
    if (wynik.wait_for(std::chrono::seconds(sekundy)) != std::future_status::ready)
        return {};
    return wynik.get();
}

TEST(BialaLista, ABrokenFileIsAnErrorNamingTheFileNotAnEmptyListNorAHang)
{
    TempFolder dir;
    const QByteArray dobry = plikPlaski();
    QByteArray zlySkrot = dobry;
    zlySkrot.replace(QByteArray(kA3).left(20), "zz");
    QByteArray bezCzynnych = dobry;
    bezCzynnych.replace("skrotyPodatnikowCzynnych", "skrotyPodatnikow");
    QByteArray bezZwolnionych = dobry;
    bezZwolnionych.replace("skrotyPodatnikowZwolnionych", "zwolnieni");
    const QByteArray przedZwolnionymi = dobry.left(dobry.indexOf("\"skrotyPodatnikowZwolnionych\""));
    QByteArray czynniNieLista = dobry;
    czynniNieLista.replace("[\n\"" + QByteArray(kA3) + "\",\n\"" + QByteArray(kC3) + "\"]", "\"" + QByteArray(kA3) + "\"");
    QByteArray nulWSkrocie = dobry;
    nulWSkrocie[nulWSkrocie.indexOf(kA3) + 60] = '\0';
    struct Przypadek { const char* nazwa; QByteArray tresc; };
    const QList<Przypadek> tabela = {
        {"obciety.json", dobry.left(dobry.size() - 40)},
        {"skrot.json", zlySkrot},
        {"bez_liczby.json", plikPlaski(0, "\"\"")},
        {"zero.json", plikPlaski(0, "0")},
        {"pusty.json", {}},
        {"archiwum.7z", dobry},  // not an archive at all
        // A NUL byte where a value may end.
        {"nul.json", QByteArray("{\0", 2)},
        {"nul_po_kluczu.json", przedZwolnionymi + "\"skrotyPodatnikowZwolnionych\"\x0e" + QByteArray(1, '\0')},
        {"nul_po_dwukropku.json", QByteArray("{\"naglowek\":\0}", 14)},
        {"nul_w_skrocie.json", nulWSkrocie},
        {"nul_na_koncu.json", dobry + QByteArray(1, '\0')},
        {"sterujacy.json", QByteArray("{\"naglowek\":\x01}")},
        // Whole JSON, but not all of a flat file.
        {"bez_czynnych.json", bezCzynnych},
        {"czynni_nie_lista.json", czynniNieLista},
        {"bez_zwolnionych.json", bezZwolnionych},
        {"dwa_obiekty.json", dobry + "{}"},
        {"lista.json", "[" + dobry + "]"},
        {"glebia.json", "{\"naglowek\":" + QByteArray(100000, '[')},
    };
    for (const Przypadek& p : tabela) {
        const QString nazwa = QString::fromLatin1(p.nazwa);
        dir.writeBytes(nazwa, p.tresc);
        const Odczyt o = otworzZLimitem(dir.file(nazwa), dir.file(u"pamiec"_s));
        ASSERT_TRUE(o.skonczony) << p.nazwa << " is still being read";
        EXPECT_FALSE(o.wczytana) << p.nazwa;
        EXPECT_TRUE(o.blad.contains(dir.file(nazwa))) << p.nazwa << ": " << qPrintable(o.blad);
    }
    QString blad;
    EXPECT_FALSE(BialaLista::otworz(dir.file(u"brak.json"_s), {}, {}, &blad).wczytana());
    EXPECT_TRUE(blad.contains(dir.file(u"brak.json"_s))) << qPrintable(blad);
    EXPECT_FALSE(dataPlikuPlaskiego(dir.file(u"archiwum.7z"_s)).isValid());
    // A number without quotes is as good as text, and so are empty lists.
    dir.writeBytes(u"liczba.json"_s, plikPlaski(0, "3"));
    sprawdzWyniki(BialaLista::otworz(dir.file(u"liczba.json"_s), dir.file(u"pamiec"_s), {}, &blad));
    QByteArray pusteZwolnione = dobry;
    pusteZwolnione.replace(pusteZwolnione.indexOf("\"skrotyPodatnikowZwolnionych\":[") + 31,
                           pusteZwolnione.indexOf("],\n\"maski\"") - pusteZwolnione.indexOf("\"skrotyPodatnikowZwolnionych\":[") - 31, "");
    dir.writeBytes(u"puste.json"_s, pusteZwolnione);
    const BialaLista puste = BialaLista::otworz(dir.file(u"puste.json"_s), dir.file(u"pamiec"_s), {}, &blad);
    EXPECT_TRUE(puste.wczytana()) << qPrintable(blad);
    EXPECT_EQ(puste.liczbaZwolnionych(), 0);
}

// The very long values of a damaged file: one piece after another, each in
// its turn, whatever the length.
TEST(BialaLista, AVeryLongValueIsReadInTimeAndTheReadingCanStopWithinIt)
{
    TempFolder dir;
    const QByteArray dobry = plikPlaski();
    const qsizetype dlugosc = 20 << 20;
    const QByteArray dlugi(dlugosc, 'R');
    QByteArray zUcieczkami(dlugosc, '\\');
    for (qsizetype i = 1; i < zUcieczkami.size(); i += 2)
        zUcieczkami[i] = '"';
    QByteArray dlugiSchemat = dobry;
    dlugiSchemat.replace("RRRRMMDD", dlugi);
    QByteArray schematZUcieczkami = dobry;
    schematZUcieczkami.replace("RRRRMMDD", zUcieczkami);
    struct Przypadek { const char* nazwa; QByteArray tresc; bool dobry; };
    const QList<Przypadek> tabela = {
        {"schemat.json", dlugiSchemat, true},
        {"ucieczki.json", schematZUcieczkami, true},
        {"liczba.json", plikPlaski(0, QByteArray(dlugosc, '7')), false},
        {"skrot.json", "{\"skrotyPodatnikowCzynnych\":[\"" + dlugi + "\"]}", false},
        {"bez_konca.json", "{\"naglowek\":\"" + dlugi, false},
    };
    for (const Przypadek& p : tabela) {
        const QString plik = dir.file(QString::fromLatin1(p.nazwa));
        dir.writeBytes(QString::fromLatin1(p.nazwa), p.tresc);
        QElapsedTimer zegar;
        zegar.start();
        QString blad;
        const BialaLista lista = BialaLista::otworz(plik, dir.file(u"pamiec"_s), {}, &blad);
        EXPECT_LT(zegar.elapsed(), 3000) << p.nazwa;
        EXPECT_EQ(lista.wczytana(), p.dobry) << p.nazwa << ": " << qPrintable(blad);
        if (p.dobry)
            sprawdzWyniki(lista);
        else
            EXPECT_TRUE(blad.contains(plik)) << p.nazwa << ": " << qPrintable(blad);

        // Stopped in the middle of the value.
        int wywolania = 0;
        zegar.restart();
        const BialaLista przerwana = BialaLista::otworz(plik, dir.file(u"pamiec_przerwanej"_s),
            [&](qint64 zrobione, qint64) { ++wywolania; return zrobione < dlugosc / 2; }, &blad);
        EXPECT_LT(zegar.elapsed(), 2000) << p.nazwa;
        EXPECT_FALSE(przerwana.wczytana()) << p.nazwa;
        EXPECT_GT(wywolania, 20) << p.nazwa;
        EXPECT_EQ(blad, u"Przerwano czytanie pliku %1."_s.arg(plik)) << p.nazwa;
    }
}

TEST(BialaLista, StoppingTheReadingLeavesNoList)
{
    TempFolder dir;
    dir.writeBytes(u"lista.json"_s, plikPlaski());
    QString blad;
    const BialaLista lista = BialaLista::otworz(dir.file(u"lista.json"_s), dir.file(u"pamiec"_s),
                                                [](qint64, qint64) { return false; }, &blad);
    EXPECT_FALSE(lista.wczytana());
    EXPECT_EQ(blad, u"Przerwano czytanie pliku %1."_s.arg(dir.file(u"lista.json"_s)));
    EXPECT_FALSE(QDir(dir.file(u"pamiec"_s)).exists() && !QDir(dir.file(u"pamiec"_s)).isEmpty());
}

TEST(BialaLista, TheCacheOfAFileGoneOrChangedIsRemoved)
{
    TempFolder dir;
    const QString pamiec = dir.file(u"pamiec"_s);
    const auto pamieci = [&] { return QDir(pamiec).entryList(QDir::Files).size(); };
    dir.writeBytes(u"lista.json"_s, plikPlaski());
    ASSERT_TRUE(BialaLista::otworz(dir.file(u"lista.json"_s), pamiec, {}, nullptr).wczytana());
    ASSERT_EQ(pamieci(), 1);
    usunNieaktualnePamieci(pamiec);
    EXPECT_EQ(pamieci(), 1);  // its file is still there as it was

    // Gone: any opening, even of a file that cannot be read, clears it away.
    ASSERT_TRUE(QFile::remove(dir.file(u"lista.json"_s)));
    dir.writeBytes(u"zly.json"_s, "{");
    EXPECT_FALSE(BialaLista::otworz(dir.file(u"zly.json"_s), pamiec, {}, nullptr).wczytana());
    EXPECT_EQ(pamieci(), 0);

    // Changed.
    dir.writeBytes(u"lista.json"_s, plikPlaski());
    ASSERT_TRUE(BialaLista::otworz(dir.file(u"lista.json"_s), pamiec, {}, nullptr).wczytana());
    ASSERT_EQ(pamieci(), 1);
    dir.writeBytes(u"lista.json"_s, plikPlaski(1));
    usunNieaktualnePamieci(pamiec);
    EXPECT_EQ(pamieci(), 0);
}

} // namespace
} // namespace remitto::kontrahenci
