#pragma once

#include "TempFolder.h"

#include "core/QuoteFormat.h"

#include <QList>
#include <QStringList>
#include <array>

namespace remitto::test {

/// A shop program's tree of one company built in a temporary folder:
/// <root>/Kramix/FIRMA/Parametry/NumZyy.dat and <root>/Kramix/FIRMA/Faktury.
struct DrzewoFaktur {
    TempFolder dir;
    QString firma = QStringLiteral("FIRMA");

    QString kramix() const { return dir.file(QStringLiteral("Kramix")); }
    QString wFirmie(const QString& sciezka) const { return QStringLiteral("Kramix/") + firma + QLatin1Char('/') + sciezka; }

    /// The numbering file of year yy with the counts of months 1..12.
    void numeracja(const QString& rr, const std::array<int, 12>& liczby) const
    {
        QuoteWriter w;
        for (int m = 0; m < 12; ++m)
            w.number(m + 1).number(0).number(liczby[static_cast<size_t>(m)]).endLine();
        dir.writeText(wFirmie(QStringLiteral("Parametry/NumZ") + rr + QStringLiteral(".dat")), w.result());
    }

    /// A header of 19 values naming the file; tests change what they need.
    static QStringList naglowek(const QString& plik)
    {
        return {QString(), QStringLiteral("Kowalski"), QStringLiteral("Jan"), QStringLiteral("6810001122"),
                QStringLiteral("32-410"), QStringLiteral("Dobczyce"), QStringLiteral("Rynek"), QStringLiteral("12"),
                QString(), QStringLiteral("KOWAL"), QStringLiteral("MAG1"), QStringLiteral("1"),
                QStringLiteral("VFZ") + plik, QStringLiteral("PLN"), QStringLiteral("10202900000000000000123456"),
                QStringLiteral("FV/1/2020"), QStringLiteral("03-07-2020"), QStringLiteral("Przelew 14 dni"),
                QStringLiteral("17-07-2020")};
    }

    /// A goods line of 19 values: net price, quantity, net value, rate, gross
    /// value, net selling price.
    static QStringList pozycja(const QString& cena, const QString& ilosc, const QString& netto,
                               const QString& stawka, const QString& brutto, const QString& cenaSprzedazy = QStringLiteral("0"))
    {
        return {QStringLiteral("Mąka pszenna"), cena, ilosc, netto, stawka, brutto, netto,
                QStringLiteral("kg"), QStringLiteral("03-07-2020"), cenaSprzedazy, cenaSprzedazy,
                QStringLiteral("FV/1/2020"), QStringLiteral("KOWAL"), QStringLiteral("SPOŻYWCZE"),
                QString(), QString(), QStringLiteral("590123/1"), QString(), QStringLiteral("T00001")};
    }

    /// Writes an invoice file the way the shop program does: texts quoted,
    /// numbers bare, header value 12 and the amounts of goods lines as numbers.
    void faktura(const QString& plik, const QStringList& naglowek, const QList<QStringList>& pozycje) const
    {
        QuoteWriter w;
        for (int i = 0; i < naglowek.size(); ++i) {
            if (i == 11)
                w.number(naglowek[i]);
            else
                w.text(naglowek[i]);
        }
        w.endLine();
        static const QList<int> liczby = {1, 2, 3, 5, 6, 9, 10};
        for (const QStringList& p : pozycje) {
            for (int i = 0; i < p.size(); ++i) {
                if (liczby.contains(i))
                    w.number(p[i]);
                else
                    w.text(p[i]);
            }
            w.endLine();
        }
        dir.writeText(wFirmie(QStringLiteral("Faktury/") + plik), w.result());
    }

    /// An invoice of one goods line, gross 1000.00 (net 813.01 at 23%).
    void faktura(const QString& plik, const QStringList& naglowek) const
    {
        faktura(plik, naglowek, {pozycja(QStringLiteral("813.01"), QStringLiteral("1"), QStringLiteral("813.01"),
                                         QStringLiteral("23"), QStringLiteral("1000.00"))});
    }

    void surowa(const QString& plik, const QByteArray& bajty) const
    {
        dir.writeBytes(wFirmie(QStringLiteral("Faktury/") + plik), bajty);
    }
};

} // namespace remitto::test
