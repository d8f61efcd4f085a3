#pragma once

// Polish names, places and identifiers for the demo data: word tables and
// numbers with valid check digits (NIP, REGON, bank sort code, account).

#include <QList>
#include <QRandomGenerator>
#include <QString>
#include <QStringList>

namespace remitto::demo {

/// A town with its postal code range and administrative units.
struct Miejscowosc {
    QString nazwa;
    QString kodOd;        ///< first postal code, NN-NNN
    int kodowWiecej = 0;  ///< how many codes follow the first one
    QString powiat;
    QString gmina;
    QString wojewodztwo;
    QString kierunkowy;   ///< telephone area code
    QString miejscownik;  ///< "w Żywcu", for the name of the tax office
};

/// A bank with its four-digit number.
struct Bank {
    QString nazwa;
    QString numer;  ///< the first four digits of the sort code
};

const QList<Miejscowosc>& miejscowosci();
const QList<Bank>& banki();
const QStringList& ulice();
const QStringList& nazwiskaMeskie();    ///< "Kowalski"; the female form is derived
const QStringList& imionaMeskie();
const QStringList& imionaZenskie();
const QStringList& nazwyWlasne();       ///< brand words of firms: "Bławatek"
const QStringList& rodzajeDzialalnosci();
const QStringList& formyPrawne();
const QStringList& towary();            ///< goods of a small grocery shop
const QStringList& jednostki();
const QStringList& tytulyUslug();       ///< titles of transfers without an invoice

/// Random element of a list.
template <typename T>
const T& losuj(QRandomGenerator& rng, const QList<T>& lista)
{
    return lista[static_cast<qsizetype>(rng.bounded(static_cast<quint32>(lista.size())))];
}

/// Random whole number in [od, do_].
int losujOd(QRandomGenerator& rng, int od, int do_);
/// True with the given probability in per cent.
bool szansa(QRandomGenerator& rng, int procent);

/// "Kowalski" -> "Kowalska" for a woman; other endings stay.
QString nazwiskoZenskie(const QString& nazwisko);
/// Polish letters replaced by their bare Latin letters ("Łódź" -> "Lodz").
QString bezOgonkow(const QString& s);

/// Ten-digit NIP with a valid check digit.
QString losujNip(QRandomGenerator& rng);
/// Nine-digit REGON with a valid check digit.
QString losujRegon(QRandomGenerator& rng);
/// Eight-digit sort code of a branch of the bank: four bank digits, three
/// branch digits and the check digit.
QString numerRozliczeniowy(QRandomGenerator& rng, const QString& bank4);
/// 26-digit account number whose two leading digits are the IBAN check
/// digits of PL + the remaining 24 digits.
QString kontoNrb(const QString& numerRozliczeniowy8, const QString& numerRachunku16);
QString losujKonto(QRandomGenerator& rng, const QString& bank4);
/// Tax micro-account for a NIP: NBP sort code 10100071, "222", NIP, "000".
QString mikrorachunek(const QString& nip);
/// The account in groups "NN NNNN NNNN NNNN NNNN NNNN NNNN".
QString kontoWGrupach(const QString& konto26);
/// Postal code of the town: the first one or one of the following.
QString losujKod(QRandomGenerator& rng, const Miejscowosc& m);
QString losujTelefon(QRandomGenerator& rng, const Miejscowosc& m);

} // namespace remitto::demo
