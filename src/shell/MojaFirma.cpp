#include "shell/MojaFirma.h"

#include "core/QuoteFormat.h"
#include "core/Session.h"
#include "core/TextFile.h"

namespace remitto {

Firma Firma::fromValues(const QStringList& v)
{
    Firma f;
    f.nrId = v.value(0);
    f.skrot = v.value(1);
    f.nazwa = v.value(2);
    f.nazwa2 = v.value(3);
    f.kod = v.value(4);
    f.miasto = v.value(5);
    f.ulica = v.value(6);
    f.numerDomu = v.value(7);
    for (int i = 0; i < 4; ++i)
        f.konto[i] = v.value(8 + i);
    f.idn = v.value(12);
    f.nip = v.value(13);
    f.sciezkaKramix = v.value(14);
    f.sciezkaEcorponet = v.value(15);
    return f;
}

QStringList Firma::toValues() const
{
    return {nrId,     skrot,    nazwa, nazwa2, kod,           miasto,          ulica,
            numerDomu, konto[0], konto[1], konto[2], konto[3], idn, nip, sciezkaKramix,
            sciezkaEcorponet};
}

MojaFirmaOdczyt readMojaFirma(const QString& path)
{
    MojaFirmaOdczyt r;
    const QuoteFile f = readQuoteFile(path);
    if (f.missing) {
        r.missing = true;
        r.error = f.error;
        return r;
    }
    QList<QStringList> records;
    const bool whole = splitRecords(f, kWartosciFirmy, &records);
    for (const QStringList& rec : records)
        r.firmy.append(Firma::fromValues(rec));
    if (!f.ok) {
        r.damaged = !f.values.isEmpty() || !f.error.isEmpty();
        r.error = f.error;
        return r;
    }
    if (!whole) {
        r.damaged = true;
        r.error = damagedFileMessage(path, kWartosciFirmy);
        return r;
    }
    r.ok = true;
    return r;
}

bool writeMojaFirma(const QString& path, const QList<Firma>& firmy, QString* error)
{
    QuoteWriter w;
    for (const Firma& f : firmy)
        for (const QString& v : f.toValues())
            w.text(v).endLine();
    return rewriteTextFile(path, w.result(), error);
}

QString daneFirmy(const Firma& f)
{
    return f.nazwa + QLatin1Char('|') + f.nazwa2 + QLatin1Char('|') + f.kod + QLatin1Char(' ')
         + f.miasto + QLatin1Char(' ') + f.ulica + QLatin1Char(' ') + f.numerDomu;
}

void firmaDoSesji(const Firma& f, Session& s)
{
    s.NrIdFirmy = f.nrId;
    s.SkrotFirmy = f.skrot.toUpper();
    s.NazwaFirmy = f.nazwa;
    s.Nazwa2Firmy = f.nazwa2;
    s.KodFirmy = f.kod;
    s.MiastoFirmy = f.miasto;
    s.UlicaFirmy = f.ulica;
    s.NumerDomuFirmy = f.numerDomu;
    s.Konto1Firmy = f.konto[0];
    s.Konto2Firmy = f.konto[1];
    s.Konto3Firmy = f.konto[2];
    s.Konto4Firmy = f.konto[3];
    s.IdnFirmy = f.idn;
    s.NipFirmy = f.nip;
    s.SciezkaKramix = f.sciezkaKramix;
    s.SciezkaEcorponet = f.sciezkaEcorponet;
    s.FolderFirmyKramix = s.SkrotFirmy;
    s.DaneFirmy = daneFirmy(f);
    const int i = (s.NrKontaWybranego >= 0 && s.NrKontaWybranego < 4) ? s.NrKontaWybranego : 0;
    s.KontoWybrane = f.konto[static_cast<size_t>(i)];
}

void wyczyscFirme(Session& s)
{
    const int index = s.NrKontaWybranego;
    firmaDoSesji(Firma{}, s);
    s.DaneFirmy.clear();
    s.NrKontaWybranego = index;
}

void wstawFirme(Session& s, const WyborFirmy& w)
{
    s.KontoWybrane = w.konto;
    s.SkrotFirmy = w.skrot.toUpper();
    s.NipFirmy = w.nip;
    s.IdnFirmy = w.idn;
    s.SciezkaEcorponet = w.sciezkaEcorponet;
    Firma f;
    f.nazwa = s.NazwaFirmy;
    f.nazwa2 = s.Nazwa2Firmy;
    f.kod = s.KodFirmy;
    f.miasto = s.MiastoFirmy;
    f.ulica = s.UlicaFirmy;
    f.numerDomu = s.NumerDomuFirmy;
    s.DaneFirmy = daneFirmy(f);
}

qsizetype indeksFirmyONumerze(const QList<Firma>& firmy, int nr)
{
    for (qsizetype i = 0; i < firmy.size(); ++i) {
        bool ok = false;
        if (firmy[i].nrId.trimmed().toInt(&ok) == nr && ok)
            return i;
    }
    return -1;
}

namespace {

template <typename Change>
WynikFolderu zmienBiezacy(Session& s, QString* error, Change change)
{
    const QString path = s.dataPath(kPlikMojaFirma);
    MojaFirmaOdczyt r = readMojaFirma(path);
    if (!r.ok) {
        // Never write over a file that could not be read whole.
        if (error)
            *error = r.error;
        return WynikFolderu::BladOdczytu;
    }
    bool liczba = false;
    const int nr = s.NrIdFirmy.trimmed().toInt(&liczba);
    const qsizetype i = liczba ? indeksFirmyONumerze(r.firmy, nr) : -1;
    if (i < 0)
        return WynikFolderu::BrakFirmy;
    change(r.firmy[i]);
    if (!writeMojaFirma(path, r.firmy, error))
        return WynikFolderu::BladZapisu;
    return WynikFolderu::Zmieniono;
}

} // namespace

WynikFolderu ustawFolderEcorponet(Session& s, const QString& folder, QString* error)
{
    if (folder.isEmpty())
        return WynikFolderu::BezZmian;
    const WynikFolderu w = zmienBiezacy(s, error, [&](Firma& f) { f.sciezkaEcorponet = folder; });
    if (w == WynikFolderu::Zmieniono)
        s.SciezkaEcorponet = folder;
    return w;
}

WynikFolderu ustawFolderKramix(Session& s, const QString& folder, QString* error)
{
    const WynikFolderu w = zmienBiezacy(s, error, [&](Firma& f) { f.sciezkaKramix = folder; });
    if (w == WynikFolderu::Zmieniono)
        s.SciezkaKramix = folder;
    return w;
}

} // namespace remitto
