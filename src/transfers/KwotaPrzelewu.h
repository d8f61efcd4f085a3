#pragma once

#include <QString>
#include <QtGlobal>

namespace remitto {

// The amount fields of the transfer window: the adding-machine net amount and
// the gross amount from net and VAT. Exact arithmetic in grosze throughout.

/// Outcome of Enter in the summing field.
struct Suma {
    enum Wynik {
        BezDzialan,  ///< no "+" or "-" in the text: it stays as typed
        Obliczono,   ///< `tekst` holds the result
        Blad,        ///< a piece is not a number: the text stays as typed
    } wynik = BezDzialan;
    qint64 grosze = 0;
    QString tekst;
};

/// Evaluates "+" and "-" left to right as ordinary arithmetic ("100+20-5"
/// gives 115, "-5" gives -5); empty pieces are skipped ("5+" gives 5).
/// The result is written plainly: no trailing zero decimals ("20", "12,5").
Suma zsumujKwote(const QString& tekst);

/// Grosze written plainly with a decimal comma: "20", "12,5", "-0,05".
QString kwotaProsta(qint64 grosze);

/// Outcome of Enter in the VAT field.
struct Brutto {
    bool ok = false;  ///< false: the net amount or the VAT text is not a number
    QString brutto;   ///< text for the gross amount field
    QString vat;      ///< text for the VAT field afterwards
};

/// True for a VAT text that means no VAT: "np", "zw" (any case), "0" or empty.
bool bezVat(const QString& vat);

/// Gross amount from the net amount and the VAT text:
/// - "np", "zw" (any case), "0" or an empty text: no VAT, the gross amount is
///   the net text as typed; an empty VAT text becomes "0";
/// - a text ending in "%" is a rate: VAT = net x rate / 100 rounded to grosze;
/// - any other number is the VAT amount.
/// A computed gross amount has the form "#########0.00".
Brutto bruttoZVat(const QString& netto, const QString& vat);

/// The gross amount field right after Enter in the summing field: with a VAT
/// field of exactly "0" the gross amount is the net amount, otherwise the
/// field keeps `brutto` (the VAT field's Enter computes it).
QString bruttoPoKwocie(const QString& netto, const QString& vat, const QString& brutto);

/// The amount fields as Enter in the summing field and then Enter in the VAT
/// field leave them, so that net, VAT and gross always agree before anything
/// takes the amount. An empty summing field leaves the fields as they are.
struct KwotyWpisu {
    bool ok = false;  ///< false: the summing field or the VAT does not evaluate
    QString kwota;    ///< summing field afterwards
    QString vat;      ///< VAT field afterwards
    QString brutto;   ///< gross amount field afterwards
};
KwotyWpisu ustalKwoty(const QString& kwota, const QString& vat, const QString& brutto);

} // namespace remitto
