// Times the reconciliation of a year's bank statement (12 monthly MT940
// statements in one file, about 25,000 lines) with the sent-transfers file
// of a big demo folder (`remitto_demodata DIR --size big`: 200,000 records,
// 59 MiB), against `wc -l` of both files in the same run. The statement is
// made from every third transfer of the year (a few left out, a few booked
// with another amount) plus bank-side debits; the results file goes to a
// fresh temporary folder for every run, so every run reconciles in full.
// Usage: remitto_bench_wyciag DIR-or-FILE [year] [runs]
#include "Pomiar.h"
#include "history/Historia.h"
#include "history/PlikHistorii.h"
#include "statements/Mt940.h"
#include "statements/Uzgodnienie.h"

#include "core/Amount.h"
#include "core/TextFile.h"

#include <QCoreApplication>
#include <QDate>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

using namespace remitto;
using remitto::bench::najlepszy;
using remitto::bench::plikHistorii;

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    if (argc < 2) {
        out << "usage: remitto_bench_wyciag DIR-or-FILE [year] [runs]\n";
        return 2;
    }
    const QString historia = plikHistorii(QString::fromLocal8Bit(argv[1]));
    const PlikHistorii h = PlikHistorii::wczytaj(historia, kUkladPrzelewu);
    if (h.stan() != PlikHistorii::Stan::Ok || h.liczbaRekordow() == 0) {
        out << "cannot read " << historia << "\n";
        return 1;
    }
    const int rok = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : h.kluczDaty(h.liczbaRekordow() - 1) / 10000 - 1;
    const int razy = argc > 3 ? QString::fromLocal8Bit(argv[3]).toInt() : 5;

    std::vector<Wyciag> wyciagi(12);
    for (int m = 0; m < 12; ++m) {
        Wyciag& w = wyciagi[size_t(m)];
        const QDate od(rok, m + 1, 1);
        w.referencja = QStringLiteral("ROK%1M%2").arg(rok).arg(m + 1);
        w.rachunek = QStringLiteral("/PL61109010140000071219812874");
        w.numer = QStringLiteral("%1/001").arg(m + 1, 5, 10, QLatin1Char('0'));
        w.waluta = QStringLiteral("PLN");
        w.kluczOtwarcia = rok * 10000 + (m + 1) * 100 + 1;
        w.kluczZamkniecia = rok * 10000 + (m + 1) * 100 + od.daysInMonth();
        w.saldoOtwarcia = 100000000000;
        for (int d : {3, 17}) {  // a card payment and a standing order
            OperacjaWyciagu op;
            op.kluczWaluty = op.kluczKsiegowania = rok * 10000 + (m + 1) * 100 + d;
            op.obciazenie = true;
            op.kwota = 12345;
            op.opis = QStringLiteral("PLATNOSC KARTA");
            op.tytul = QStringLiteral("SKLEP");
            w.operacje.push_back(op);
        }
    }
    int wybrane = 0;
    for (int r = 0; r < h.liczbaRekordow(); ++r) {
        const int k = h.kluczDaty(r);
        if (k / 10000 != rok || r % 3 != 0)
            continue;
        ++wybrane;
        if (wybrane % 97 == 0)
            continue;  // left out by the bank
        Wyciag& w = wyciagi[size_t(k / 100 % 100 - 1)];
        OperacjaWyciagu op;
        op.kluczWaluty = op.kluczKsiegowania = std::min(k + 1, w.kluczZamkniecia);
        op.obciazenie = true;
        op.kwota = parseAmount(h.wartosc(r, 8)).value_or(h.kwota(r)) + (wybrane % 89 == 0 ? 100 : 0);
        op.opis = QStringLiteral("PRZELEW ZEWNETRZNY");
        op.tytul = h.wartosc(r, kUkladPrzelewu.tytul);
        op.nazwa = h.wartosc(r, 0);
        op.iban = QStringLiteral("PL") + h.wartosc(r, kUkladPrzelewu.konto);
        w.operacje.push_back(op);
    }
    for (Wyciag& w : wyciagi)
        std::stable_sort(w.operacje.begin(), w.operacje.end(), [](const OperacjaWyciagu& a, const OperacjaWyciagu& b) {
            return a.kluczKsiegowania < b.kluczKsiegowania;
        });

    QTemporaryDir dir;
    const QString wyciag = dir.filePath(QStringLiteral("rok.sta"));
    {
        QFile f(wyciag);
        if (!f.open(QIODevice::WriteOnly) || f.write(zapisMt940(wyciagi)) < 0) {
            out << "cannot write " << wyciag << "\n";
            return 1;
        }
    }
    const QByteArray bajty = [&] {
        QFile f(wyciag);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    out << "history: " << historia << ", " << h.liczbaRekordow() << " records\n";
    out << "statement of " << rok << ": " << bajty.count('\n') << " lines, " << bajty.size() / 1024 << " KiB\n";

    Uzgodnienie u;
    int n = 0;
    const qint64 tUzg = najlepszy(razy, [&] {
        QTemporaryDir folder(dir.filePath(QStringLiteral("dane-%1-XXXXXX").arg(++n)));
        u = uzgodnijWyciagi({wyciag}, {historia, kUkladPrzelewu}, folder.path(), QStringLiteral("2026-12-11"));
        if (n == 1 && qEnvironmentVariableIsSet("WYNIKI_DO"))  // the first run's results, kept to compare
            QFile::copy(plikUzgodnien(folder.path()), qEnvironmentVariable("WYNIKI_DO"));
    });
    if (!u.ok) {
        out << u.blad << "\n";
        return 1;
    }
    // The parts, each alone.
    const qint64 tCzytanie = najlepszy(razy, [&] { czytajMt940(wyciag); });
    const qint64 tHistoria = najlepszy(razy, [&] { PlikHistorii::wczytaj(historia, kUkladPrzelewu); });
    const OdczytMt940 odczyt = czytajMt940(wyciag);
    const qint64 tDopasowanie = najlepszy(razy, [&] { uzgodnij(odczyt.wyciagi, h, {}, QStringLiteral("2026-12-11")); });
    std::array<int, 4> ile{};
    for (const WynikUzgodnienia& w : u.wyniki)
        ++ile[size_t(w.rodzaj)];
    const qint64 tWc = najlepszy(razy, [&] {
        QProcess p;
        p.setStandardOutputFile(QProcess::nullDevice());
        p.start(QStringLiteral("wc"), {QStringLiteral("-l"), historia, wyciag});
        p.waitForFinished(-1);
    });
    const qint64 tStart = najlepszy(razy, [] {
        QProcess t;
        t.start(QStringLiteral("true"), {});
        t.waitForFinished(-1);
    });
    out << "results: zaksiegowany " << ile[0] << ", inna kwota " << ile[1] << ", brak w historii " << ile[2]
        << ", niezaksiegowany " << ile[3] << "\n";
    out << "reconciliation (read both, match, append results): " << tUzg / 1e6 << " ms\n";
    out << "  reading the statement " << tCzytanie / 1e6 << " ms, reading the history " << tHistoria / 1e6
        << " ms, matching " << tDopasowanie / 1e6 << " ms\n";
    out << "wc -l of both files: " << tWc / 1e6 << " ms (process start alone " << tStart / 1e6 << " ms)\n";
    out << "ratio reconciliation / wc -l: " << double(tUzg) / double(tWc) << "\n";
    return 0;
}
