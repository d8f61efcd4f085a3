#pragma once

// Builders of what many tests make: a transfer record, a package folder and
// a data folder with a session pointing at it. Each starts from a whole,
// valid value; a test sets only what its case is about.

#include "TempFolder.h"

#include "core/Session.h"
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
    BudowaPrzelewu& imie(const QString& v) { m_p.imieKontrahenta = v; return *this; }
    BudowaPrzelewu& konto(const QString& v) { m_p.konto = v; return *this; }
    BudowaPrzelewu& kwota(const QString& v)
    {
        m_p.kwotaN = m_p.kwotaB = m_p.splacono = v;
        return *this;
    }
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
struct FolderPaczek {
    TempFolder dir;

    FolderPaczek() { QDir().mkpath(folderPaczek(dir.path())); }
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
};

/// A data folder (with its package folders) and a session of the company
/// "LAN" working in it on 10-12-2026.
struct FolderDanych : FolderPaczek {
    Session s;

    FolderDanych()
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
    /// The sent-transfers file of the company.
    QString historia() const { return s.dataPath(s.SkrotFirmy + QStringLiteral(".dat")); }
};

} // namespace remitto::test
