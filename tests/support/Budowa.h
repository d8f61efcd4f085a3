#pragma once

// Builders of what many tests make: a transfer record, a package folder, a
// data folder with a session pointing at it (its day, company, settings,
// contractors and sent transfers) and a data folder to start the program in.
// Each starts from a whole, valid value; a test sets only what its case is
// about. A test whose point is a damaged or odd file writes its bytes itself.

#include "TempFolder.h"

#include "contractors/Kontrahent.h"
#include "core/Session.h"
#include "shell/Instalka.h"
#include "shell/MojaFirma.h"
#include "transfers/PlikPaczki.h"
#include "transfers/Przelew.h"

#include <QDir>
#include <QList>
#include <gtest/gtest.h>

namespace remitto::test {

/// An ordinary transfer ("110" / "51") of an open package, every value set:
///   Przelew p = BudowaPrzelewu().nazwa(u"Kowalski"_s).kwota(u"100,00"_s).faktura(plik);
/// kwota() sets net, gross and paid to the amount, VAT "0" and the rest 0.
class BudowaPrzelewu {
public:
    BudowaPrzelewu()
    {
        m_p.nazwaKontrahenta = QStringLiteral("Kowalski");
        m_p.imieKontrahenta = QStringLiteral("Jan");
        m_p.konto = QStringLiteral("61109010140000071219812874");  // right check digits
        m_p.vat = QStringLiteral("0");
        m_p.kwDoSplaty = QStringLiteral("0");
        m_p.oznPrz = QStringLiteral("Spłacona");
        m_p.ulica = QStringLiteral("Rynek");
        m_p.nrDomu = QStringLiteral("5");
        m_p.adres = QStringLiteral("Łódź");
        m_p.kod = QStringLiteral("90-001");
        m_p.skrot = QStringLiteral("KOWAL");
        m_p.bank = QStringLiteral("Bank");
        m_p.nip = QStringLiteral("6810000000");
        m_p.status = kOtwarta;
        m_p.typZlec = QStringLiteral("110");
        m_p.typDok = QStringLiteral("51");
        kwota(QStringLiteral("100,00"));
        tytul(QStringLiteral("FV 1/12"));
        data(QStringLiteral("2026-12-10"));
    }

    BudowaPrzelewu& nazwa(const QString& v) { m_p.nazwaKontrahenta = v; return *this; }
    /// A record with no value set: for tests whose files or columns show
    /// exactly the values they set.
    static BudowaPrzelewu pusty()
    {
        BudowaPrzelewu b;
        b.m_p = Przelew{};
        return b;
    }
    /// A sent transfer as the history keeps it: nothing else than what the
    /// test sets, and nothing still to pay.
    static BudowaPrzelewu wyslany() { return pusty().doSplaty(QStringLiteral("0")); }

    BudowaPrzelewu& imie(const QString& v) { m_p.imieKontrahenta = v; return *this; }
    BudowaPrzelewu& konto(const QString& v) { m_p.konto = v; return *this; }
    BudowaPrzelewu& kwota(const QString& v)
    {
        m_p.kwotaN = m_p.kwotaB = m_p.splacono = v;
        return *this;
    }
    /// Gross and paid amount only (net and VAT untouched).
    BudowaPrzelewu& brutto(const QString& v)
    {
        m_p.kwotaB = m_p.splacono = v;
        return *this;
    }
    BudowaPrzelewu& doSplaty(const QString& v) { m_p.kwDoSplaty = v; return *this; }
    BudowaPrzelewu& tytul(const QString& v) { m_p.tytulem = v; return *this; }
    /// Due date and payment date, yyyy-mm-dd.
    BudowaPrzelewu& data(const QString& v)
    {
        m_p.terminSpla = m_p.dataSplaty = v;
        return *this;
    }
    BudowaPrzelewu& skrot(const QString& v) { m_p.skrot = v; return *this; }
    BudowaPrzelewu& faktura(const QString& v) { m_p.nrKolFakt = v; return *this; }
    BudowaPrzelewu& status(const QString& v) { m_p.status = v; return *this; }
    BudowaPrzelewu& nip(const QString& v) { m_p.nip = v; return *this; }
    /// Package number, "01" ... "99".
    BudowaPrzelewu& paczka(const QString& v) { m_p.nrPaczk = v; return *this; }
    /// Position in the package, from 1.
    BudowaPrzelewu& pozycja(int v) { m_p.nrPrzel = QString::number(v); return *this; }
    BudowaPrzelewu& kody(const QString& typZlec, const QString& typDok)
    {
        m_p.typZlec = typZlec;
        m_p.typDok = typDok;
        return *this;
    }
    /// Anything else: `zmien([](Przelew& p) { p.kodIden = ...; })`.
    template <typename F>
    BudowaPrzelewu& zmien(F&& f)
    {
        f(m_p);
        return *this;
    }

    Przelew zbuduj() const { return m_p; }
    operator Przelew() const { return m_p; }

private:
    Przelew m_p;
};

/// A data folder with its Paczki folder (DoECorponet is left to the export,
/// which makes it), and the packages a test writes into it.
/// The settings file a data folder has when the program is started in it:
/// no password, the folder itself, printer "L", options 5 and 6 "1",
/// serial description "F-RA NR.".
inline void ustawieniaStartowe(const TempFolder& dir)
{
    EXPECT_TRUE(writeInstalka(dir.path(), {QString(), dir.path(), QStringLiteral("L"), QString(), QStringLiteral("1"),
                                           QStringLiteral("1"), QStringLiteral("F-RA NR.")}));
}

/// A data folder to start the program in (the start fills the session):
/// the settings above and one own company, number 1.
inline void folderStartowy(const TempFolder& dir, const QString& skrot, const QString& nazwa = {})
{
    ustawieniaStartowe(dir);
    Firma f;
    f.nrId = QStringLiteral("1");
    f.skrot = skrot;
    f.nazwa = nazwa;
    EXPECT_TRUE(writeMojaFirma(dir.file(kPlikMojaFirma), {f}));
}

/// Asks for a data folder without the Paczki folder, as before the first
/// package: `FolderDanych(kBezPaczek)`.
struct BezPaczek {};
inline constexpr BezPaczek kBezPaczek{};

struct FolderPaczek {
    TempFolder dir;

    FolderPaczek() { QDir().mkpath(folderPaczek(dir.path())); }
    explicit FolderPaczek(BezPaczek) {}
    QString folder() const { return dir.path(); }
    QString paczka(int rok, int miesiac, int nr) const { return sciezkaPaczki(dir.path(), rok, miesiac, nr); }
    QString eksport(const QString& nazwa) const { return dir.file(QStringLiteral("DoECorponet/") + nazwa); }

    /// Writes package `nr` of the month as the transfer window does, one
    /// record a line, the records numbered 1, 2, ... with the package's
    /// number; returns them as written.
    QList<Przelew> zapisz(QList<Przelew> rekordy, int rok, int miesiac, int nr) const
    {
        for (int i = 0; i < rekordy.size(); ++i) {
            rekordy[i].nrPaczk = nrPaczkiTekst(nr);
            rekordy[i].nrPrzel = QString::number(i + 1);
        }
        EXPECT_TRUE(zapiszPaczke(paczka(rok, miesiac, nr), rekordy));
        return rekordy;
    }
    QList<Przelew> rekordy(int rok, int miesiac, int nr) const { return czytajPaczke(paczka(rok, miesiac, nr)).rekordy; }
    /// Closes the package on disk as the export does: every record "Zamknieta".
    void zamknij(int rok, int miesiac, int nr) const
    {
        QList<Przelew> r = rekordy(rok, miesiac, nr);
        for (Przelew& p : r)
            p.status = kZamknieta;
        ASSERT_TRUE(przepiszPaczke(paczka(rok, miesiac, nr), r));
    }
};

/// A data folder (with its package folders) and a session of the company
/// "LAN" working in it on 10-12-2026.
struct FolderDanych : FolderPaczek {
    Session s;

    FolderDanych() { ustawSesje(); }
    explicit FolderDanych(BezPaczek b) : FolderPaczek(b) { ustawSesje(); }

    /// The working day, dd-mm-yyyy: today, the working date and the day key.
    FolderDanych& dzien(const QString& ddmmrrrr)
    {
        s.DataDzis = s.DataRobocza = ddmmrrrr;
        s.DataDzisKlucz = ddmmrrrr.mid(6, 4) + ddmmrrrr.mid(3, 2) + ddmmrrrr.left(2);
        return *this;
    }
    FolderDanych& firma(const QString& skrot)
    {
        s.SkrotFirmy = skrot;
        return *this;
    }
    /// The settings file of the folder: no password, this folder, the
    /// printer kind, options 5 and 6 and the serial description as given.
    FolderDanych& ustawienia(const QString& drukarka = QStringLiteral("L"), const QString& piata = QStringLiteral("1"),
                             const QString& szosta = QStringLiteral("1"), const QString& opis = QStringLiteral("F-RA"))
    {
        EXPECT_TRUE(writeInstalka(dir.path(), {QString(), dir.path(), drukarka, QString(), piata, szosta, opis}));
        return *this;
    }
    /// The contractors file of the folder, written and read by the program's
    /// own routines (a test that needs odd bytes writes them itself).
    QString plikKontrahentow() const { return dir.file(kontrahenci::kPlikKontrahentow); }
    void wpiszKontrahentow(const QList<kontrahenci::Kontrahent>& lista) const
    {
        ASSERT_TRUE(kontrahenci::zapiszKontrahentow(plikKontrahentow(), lista));
    }
    QList<kontrahenci::Kontrahent> kontrahenciNaDysku() const
    {
        return kontrahenci::czytajKontrahentow(plikKontrahentow()).lista;
    }
    /// Writes the sent-transfers file of the company as the export appends
    /// to it: one line a record, Windows-1250.
    void zapiszHistorie(const QList<Przelew>& rekordy) const
    {
        QString t;
        for (const Przelew& p : rekordy)
            t += liniaPrzelewu(p);
        dir.writeText(s.SkrotFirmy + QStringLiteral(".dat"), t);
    }
    /// The sent-transfers file of the company.
    QString historia() const { return s.dataPath(s.SkrotFirmy + QStringLiteral(".dat")); }

private:
    void ustawSesje()
    {
        s.SciezkaProgramu = dir.path();
        s.DataDzis = s.DataRobocza = QStringLiteral("10-12-2026");
        s.DataDzisKlucz = QStringLiteral("20261210");
        s.NrIdFirmy = QStringLiteral("1");
        s.SkrotFirmy = QStringLiteral("LAN");
        s.NazwaFirmy = QStringLiteral("PIEKARNIA ŁAN");
        s.KontoWybrane = QStringLiteral("61 1090 1014 0000 0712 1981 2874");
        s.NrKontaWybranego = 1;
        s.DaneFirmy = QStringLiteral("PIEKARNIA ŁAN|Sp. z o.o.|30-001 Kraków Długa 5");
    }
};

} // namespace remitto::test
