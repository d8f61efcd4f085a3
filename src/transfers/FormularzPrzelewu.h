#pragma once

#include <optional>

#include "core/PrintJob.h"
#include "transfers/Banknoty.h"
#include "transfers/Przelew.h"
#include "transfers/RodzajPrzelewu.h"
#include "transfers/WpisPrzelewu.h"

#include <QString>
#include <QStringList>
#include <array>

namespace remitto {

struct Session;

/// What the forms print: the transfer window's entry area and the fields
/// beside it, named after their boxes.
struct PolaPrzelewu {
    WpisPrzelewu wpis;
    // Tax fields
    QString txtRok;
    QString txtOkres;
    QString txtNrOkresu;
    QString txtSymbol;

    /// Banknote counts and the captions of their value labels, in the order
    /// of kNominaly (txt200zl ... txt1zl, lbKwota200zl ... lbKwota1zl).
    std::array<QString, 8> txtSztuk;
    std::array<QString, 8> lbKwota;
    QString lbRazemSzt;
    QString lbRazemKwotaWplaty;

    /// Kind code (RodzajPrzelewu): 2 prints the tax lines, 3 the cash-deposit form.
    int rodzajPrzelewu = 1;
    /// The kind option selected; gives the codes of the recorded print.
    Rodzaj rodzaj = Rodzaj::Przelew;
};

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
/// The cash-deposit form with its list of banknotes and coins.
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
/// The amount as the forms print it, points as commas: the gross amount when
/// it was computed from a VAT, otherwise the amount field, trimmed.
QString kwotaDoDruku(const PolaPrzelewu& p);

/// Before a cash-deposit form is printed: the question to ask when banknotes
/// are counted and their total differs from the amount printed; nothing when
/// no count is filled in or the two agree.
std::optional<QString> pytanieOBanknoty(const PolaPrzelewu& p);
/// One banknote line of the deposit form: face values `lewy` and
/// `prawy` (1, 2, 5, 10 on the left; 20, 50, 100, 200 on the right): counts right-aligned in 4 characters,
/// values in 5 and 6, the line cut to 50 characters.
QString liniaSpecyfikacji(const PolaPrzelewu& p, int lewy, int prawy);

} // namespace remitto
