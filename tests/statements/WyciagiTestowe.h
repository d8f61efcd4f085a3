#pragma once
// Sent transfers and MT940 statements written by the tests themselves.

#include "Budowa.h"

#include "core/Amount.h"
#include "transfers/Przelew.h"

#include <QStringList>

namespace remitto::test {

inline const QString kKontoA = QStringLiteral("12105010121234567890123456");
inline const QString kKontoB = QStringLiteral("34105010121234567890123456");
inline const QString kKontoC = QStringLiteral("56105010121234567890123456");
inline const QString kKontoD = QStringLiteral("78105010121234567890123456");

inline Przelew przelew(const QString& konto, const QString& data, const QString& kwota, const QString& tytul,
                const QString& status = QStringLiteral("Zamknieta"))
{
    return BudowaPrzelewu::wyslany()
        .nazwa(QStringLiteral("Firma"))
        .konto(konto)
        .brutto(kwota)
        .tytul(tytul)
        .data(data)
        .skrot(QStringLiteral("FIRMA"))
        .pozycja(1)
        .status(status);
}

/// A debit line and its details; `znak` "^" or "~".
inline QStringList obciazenie(const QString& data, const QString& kwota, const QString& konto, const QString& tytul,
                       QChar znak = QLatin1Char('~'))
{
    return {QStringLiteral(":61:%1D%2NTRFNONREF").arg(data, kwota),
            QStringLiteral(":86:020") + znak + QStringLiteral("00PRZELEW") + znak + QStringLiteral("20") + tytul + znak
                + QStringLiteral("38") + konto};
}

/// A statement of the given lines; the balances follow from the debits.
inline QStringList wyciag(const QString& numer, const QString& otwarcie, const QString& zamkniecie,
                   const QList<QStringList>& operacje, qint64 saldo = 1000000, bool koncowe = true)
{
    QStringList l = {QStringLiteral(":20:REF%1").arg(numer), QStringLiteral(":25:/PL61109010140000071219812874"),
                     QStringLiteral(":28C:%1").arg(numer),
                     QStringLiteral(":60%1:C%2PLN%3").arg(QChar(koncowe ? u'F' : u'M')).arg(otwarcie, formatAmount(saldo))};
    qint64 s = saldo;
    for (const QStringList& o : operacje) {
        l << o;
        s -= parseAmount(o[0].section(QLatin1Char('D'), 1).section(QLatin1Char('N'), 0, 0)).value();
    }
    l << QStringLiteral(":62%1:C%2PLN%3").arg(QChar(koncowe ? u'F' : u'M')).arg(zamkniecie, formatAmount(s))
      << QStringLiteral("-");
    return l;
}

} // namespace remitto::test
