#pragma once

#include "transfers/Przelew.h"

#include <QList>
#include <QStringList>

namespace remitto {

/// The invoice row's columns a payment changes, in this order: paid, rest,
/// payment date, state, package number, transfer number.
const QList<int>& kolumnyZaplaty();

/// One payment of the payments window's list: the invoice file it pays, the
/// values of its invoice row's payment columns (kolumnyZaplaty()) before and
/// after it, and the transfer that pays it.
struct ZaplataListy {
    QString plik;
    QStringList przed;
    QStringList po;
    Przelew przelew;
};

/// After a payment was taken out of the list, the payments from place `od`
/// (0-based) on move up: each gets its place counted from 1 as its transfer
/// number, in the transfer and in the invoice row's transfer number column.
void przenumerujZaplaty(QList<ZaplataListy>& lista, int od);

/// Puts the list's payments back on invoice rows read again: every row of a
/// paid invoice file gets the payment's column values (a later payment of
/// the same file wins). Returns the rows changed, 0-based, in order.
QList<int> przywrocZaplaty(QList<QStringList>& wiersze, const QList<ZaplataListy>& lista);

} // namespace remitto
