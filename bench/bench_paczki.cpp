// Times the package list of a long month: 99 packages (the most a month can
// hold) with thousands of transfers, listed as the transfer window lists them,
// against `cat` of the same files in the same run.
// Usage: remitto_bench_paczki [transfers per package, default 60]
#include "Pomiar.h"
#include "transfers/NumeracjaPaczek.h"
#include "transfers/Paczki.h"
#include "transfers/PlikPaczki.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <functional>

using namespace remitto;
using remitto::bench::najlepszy;

namespace {

Przelew przelew(int paczka, int nr)
{
    Przelew r;
    r.nazwaKontrahenta = QStringLiteral("Przedsiębiorstwo Handlowe Nr %1").arg(nr);
    r.imieKontrahenta = QStringLiteral("Spółka z o.o.");
    r.konto = QStringLiteral("%1").arg(nr, 26, 10, QLatin1Char('1'));
    r.kwotaN = QStringLiteral("%1,%2").arg(100 + nr).arg(nr % 100, 2, 10, QLatin1Char('0'));
    r.vat = QStringLiteral("23");
    r.kwotaB = QStringLiteral("%1,00").arg(123 + nr);
    r.tytulem = QStringLiteral("Faktura VAT nr %1/12/2026 zapłata za towar").arg(nr);
    r.ulica = QStringLiteral("Długa");
    r.nrDomu = QString::number(nr % 200);
    r.adres = QStringLiteral("Kraków");
    r.kod = QStringLiteral("31-000");
    r.skrot = QStringLiteral("PH%1").arg(nr);
    r.bank = QStringLiteral("Bank Spółdzielczy");
    r.nip = QStringLiteral("6810000000");
    r.typZlec = QStringLiteral("110");
    r.typDok = QStringLiteral("51");
    r.terminSpla = r.dataSplaty = QStringLiteral("2026-12-10");
    r.splacono = r.kwotaB;
    r.kwDoSplaty = QStringLiteral("0");
    r.oznPrz = QStringLiteral("Spłacona");
    r.nrPaczk = nrPaczkiTekst(paczka);
    r.nrPrzel = QString::number(nr);
    r.status = kOtwarta;
    if (paczka < 99)
        r.status = kZamknieta;
    return r;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int naPaczke = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 60;
    QTemporaryDir temp;
    const QString folder = temp.path();
    QTextStream out(stdout);

    // A month written as the program writes it: packages of one line per
    // record, every closed package rewritten one value per line.
    utworzFolderyPaczek(folder);
    QStringList pliki;
    for (int k = 1; k <= kMaxNrPaczki; ++k) {
        QList<Przelew> rekordy;
        for (int i = 1; i <= naPaczke; ++i)
            rekordy.append(przelew(k, i));
        const QString p = sciezkaPaczki(folder, 2026, 12, k);
        if (k < kMaxNrPaczki)
            przepiszPaczke(p, rekordy);
        else
            zapiszPaczke(p, rekordy);
        pliki.append(p);
    }
    NumeracjaRoku n = nowaNumeracja();
    n[11] = {12, 1, kMaxNrPaczki, 1, kMaxNrPaczki * naPaczke, QStringLiteral("c")};
    zapiszNumeracje(sciezkaNumeracji(folder, 2026), n);

    qint64 bajty = 0;
    for (const QString& p : pliki)
        bajty += QFileInfo(p).size();
    out << "month: " << kMaxNrPaczki << " packages, " << kMaxNrPaczki * naPaczke << " transfers, "
        << bajty / 1024 << " KiB\n";

    ListaPaczek lista;
    const qint64 tLista = najlepszy(5, [&] { lista = listaPaczek(folder, 2026, 12); });
    const qint64 tCat = najlepszy(5, [&] {
        QProcess cat;
        cat.setStandardOutputFile(QProcess::nullDevice());
        cat.start(QStringLiteral("cat"), pliki);
        cat.waitForFinished(-1);
    });
    // The process start alone, so the ratio can be read without it too.
    const qint64 tStart = najlepszy(5, [&] {
        QProcess t;
        t.start(QStringLiteral("true"), {});
        t.waitForFinished(-1);
    });
    const qint64 tDodaj = najlepszy(1, [&] {
        Przelew r = przelew(kMaxNrPaczki, 1);
        dodajDoPaczki(folder, QDate(2026, 12, 10), kOtwarta, r, false);
    });

    out << "list of the month (" << lista.wiersze.size() << " rows): " << tLista / 1000000.0 << " ms\n";
    out << "cat of the same files: " << tCat / 1000000.0 << " ms (process start alone " << tStart / 1000000.0
        << " ms)\n";
    out << "ratio list / cat: " << double(tLista) / double(tCat) << "\n";
    out << "add one transfer to the last package: " << tDodaj / 1000000.0 << " ms\n";
    return lista.wiersze.size() == kMaxNrPaczki ? 0 : 1;
}
