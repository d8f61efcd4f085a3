#pragma once

#include "core/PrintJob.h"

#include <QString>
#include <QStringList>
#include <array>

namespace remitto {

struct Session;

/// Kind option buttons of the transfer window, in their order.
enum class OpcjaRodzaju { Przelew = 1, Skarbowy, Wplata, ZUS, Podzielona, Zlecenie };

/// Order type and classification codes (TypZlec, TypDok) of a kind option.
struct KodyRodzaju {
    QString typZlec;
    QString typDok;
};
KodyRodzaju kodyRodzaju(OpcjaRodzaju opcja);

/// The transfer window's boxes as the forms read them, named after them.
struct PolaPrzelewu {
    QString txtNazwa1K;
    QString txtNazwa2K;
    QString txtSkrotK;
    QString txtKODK;
    QString txtAdresK;
    QString txtUlicaK;
    QString txtNumerDomuK;
    QString txtBankK;
    QString txtKontoK;
    QString txtNIPK;
    QString txtKodIden;
    QString txtKwotaK;
    QString txtVat;
    QString txtKwotaBrutto;
    QString txtTytulem1;
    // Tax fields
    QString txtRok;
    QString txtOkres;
    QString txtNrOkresu;
    QString txtSymbol;

    /// Banknote counts and their value labels, in the order 1, 2, 5, 10, 20,
    /// 50, 100, 200 zł (txt1zl ... txt200zl, lbKwota1zl ... lbKwota200zl).
    std::array<QString, 8> txtSztuk;
    std::array<QString, 8> lbKwota;
    QString lbRazemSzt;
    QString lbRazemKwotaWplaty;

    /// Kind code (RodzajPrzelewu): 2 prints the tax lines, 3 the cash-deposit form.
    int rodzajPrzelewu = 1;
    /// The kind option selected; gives the codes of the recorded print.
    OpcjaRodzaju opcja = OpcjaRodzaju::Przelew;
};

/// Face values of the banknote fields, in the order of PolaPrzelewu::txtSztuk.
inline constexpr std::array<int, 8> kNominaly{1, 2, 5, 10, 20, 50, 100, 200};

enum class WynikFormularza {
    Gotowy,
    BrakKwoty,  ///< "Nie wpisana kwota przelewu!!"
    ZlaKwota,   ///< " Błąd wpisanej kwoty ": the amount is not money above zero
};

struct Formularz {
    WynikFormularza wynik = WynikFormularza::Gotowy;
    PrintJob job;
};

/// The page of the form of the window's kind: the cash-deposit form for kind
/// code 3, the transfer form otherwise. Reads the own company, KontoWybrane
/// and the printer settings (RodzajDrukarki, DrukPogrubiony) of the session.
/// An empty amount or one that is not money above zero gives no page.
Formularz formularzDruku(const PolaPrzelewu& p, const Session& s);

/// The transfer form (two forms on one page, each line with both copies).
PrintJob formularzPrzelewu(const PolaPrzelewu& p, const Session& s);
/// The cash-deposit form with its banknote specification.
PrintJob formularzWplaty(const PolaPrzelewu& p, const Session& s);

/// A transfer form filled with sample values and the own company of the
/// session, for trying the printer settings and the form offset.
PrintJob formularzWzorcowy(const Session& s);

/// True when a cash deposit goes to a firm other than the current own company
/// (the short name typed differs from SkrotFirmy).
bool wplataNaInnaFirme(const PolaPrzelewu& p, const Session& s);

// Pieces of the form lines, shared with their tests.

/// The text and blanks after it, cut to exactly `n` characters.
QString dopelnij(const QString& tekst, int n);
/// The text right-aligned in `n` characters; a longer text is kept whole,
/// never with its leading digits cut.
QString doPrawej(const QString& tekst, int n);
/// "*", the amount and asterisks, 15 characters in all.
QString poleKwoty(const QString& kwota);
/// The amount as the forms print it: txtKwotaK trimmed, points as commas.
QString kwotaDoDruku(const PolaPrzelewu& p);
/// One specification line of the deposit form: denominations `lewy` and
/// `prawy` (indexes into kNominaly): counts right-aligned in 4 characters,
/// values in 5 and 6, the line cut to 50 characters.
QString liniaSpecyfikacji(const PolaPrzelewu& p, int lewy, int prawy);

} // namespace remitto
