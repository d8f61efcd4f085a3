// Actions of the contractor list that change kontrah.dta or hand a contractor
// on: delete, sort, duplicate removal, import, "&Do przelewu".
#include "contractors/frmKontrahenci.h"

#include "core/Session.h"
#include "ui/Dialogs.h"
#include "ui/Grid.h"
#include "ui/PostepKopii.h"
#include "ui/ZgodaNaNaprawe.h"

namespace remitto {

using namespace kontrahenci;

kontrahenci::WynikOperacji wykonajZaZgoda(Dialogs& dialogs,
                                          const std::function<kontrahenci::WynikOperacji(bool nadpisz)>& operacja)
{
    WynikOperacji w = operacja(false);
    if (w.wynik == Wynik::WymagaZgody && zgodaNaNaprawe(dialogs, DamagedFile::Contractors, w.blad))
        w = operacja(true);
    return w;
}

bool frmKontrahenci::wykonaj(const std::function<WynikOperacji(bool nadpisz)>& operacja, WynikOperacji* wynik)
{
    const WynikOperacji w = wykonajZaZgoda(m_dialogs, operacja);
    if (w.wynik == Wynik::WymagaZgody)
        return false;
    if (wynik)
        *wynik = w;
    if (w.wynik == Wynik::InnaLiczba) {
        // Rewriting from a list that is not the file would lose or confuse records.
        zaladuj(false);
        m_dialogs.messageBox(QStringLiteral("Lista nie pokazywała całego zbioru kontrahentów, więc została wczytana "
                                            "ponownie. Sprawdź ją i powtórz operację."),
                             QStringLiteral("Zbiór kontrahentów"), Icon::Exclamation);
        return false;
    }
    if (w.wynik != Wynik::Gotowe) {
        m_dialogs.messageBox(w.blad, QStringLiteral("Błąd"), Icon::Critical);
        return false;
    }
    return true;
}

void frmKontrahenci::usun()
{
    const QString tytul = QStringLiteral("Usuwanie rekordu kontrahenta");
    if (m_dialogs.messageBox(QStringLiteral("Czy chcesz usunąć wskazanego kontrahenta?"), tytul, Icon::Information,
                             Buttons::YesNo)
        != Answer::Yes)
        return;
    const int naEkranie = m_siatka->rowCount() - 1;
    const int nr = m_wiersz;
    if (!wykonaj([&](bool nadpisz) { return usunZPliku(plik(), nr, nadpisz, naEkranie); }))
        return;
    m_dialogs.messageBox(QStringLiteral("Rekord usuniety !"), tytul, Icon::Exclamation);
    zaladuj(false);
}

void frmKontrahenci::sortuj()
{
    const QString tytul = QStringLiteral("Sortowanie");
    if (m_dialogs.messageBox(QStringLiteral("Sortowanie wg. Nazwy(Nazwiska) =Tak, Nie=Rezygnacja "), tytul,
                             Icon::Question, Buttons::YesNo)
        != Answer::Yes)
        return;
    const int naEkranie = m_siatka->rowCount() - 1;
    if (!wykonaj([&](bool nadpisz) { return sortujPlik(plik(), nadpisz, naEkranie); }))
        return;
    m_dialogs.messageBox(QStringLiteral("Zbior posortowany i zapisany! "), tytul, Icon::Exclamation);
    // Loaded again at once from the sorted file; shown when next opened.
    zaladuj(false);
    close();
}

void frmKontrahenci::usunPodwojne()
{
    const QString tytul = QStringLiteral("Usuwanie podwójnych wpisów");
    if (m_dialogs.messageBox(QStringLiteral("Czy posortowałeś zbiór klienci =Tak, Nie=Posortuj "), tytul,
                             Icon::Question, Buttons::YesNo)
        != Answer::Yes)
        return;
    if (!kopiaPrzedZmianaZPytaniem(this, m_session, m_dialogs))
        return;
    const int naEkranie = m_siatka->rowCount() - 1;
    if (!wykonaj([&](bool nadpisz) { return usunPodwojneZPliku(plik(), nadpisz, naEkranie); }))
        return;
    zaladuj(false);
    m_dialogs.messageBox(QStringLiteral("Podwójne wpisy Usuniete !"), tytul, Icon::Exclamation);
}

void frmKontrahenci::pobierzZKramix()
{
    if (m_dialogs.messageBox(QStringLiteral("Czy chcesz pobrać kontrahentów z Kramix ? "),
                             QStringLiteral(" Tylko z aktualnym nr konta"), Icon::Critical, Buttons::YesNo)
        != Answer::Yes)
        return;

    // Conversion of a file still in the old 19-value layout.
    const QString tytulZamiany = QStringLiteral(" Transformacja do nowego formatu");
    const Konwersja k = przygotujKonwersje(plik());
    if (k.wynik == Wynik::BladOdczytu) {
        m_dialogs.messageBox(k.blad, QStringLiteral("Błąd"), Icon::Critical);
        return;
    }
    if (k.uklad == Uklad::Nieznany) {
        m_dialogs.messageBox(QStringLiteral("Zbiór %1 nie ma ani starego (19 wartości), ani nowego (29 wartości) "
                                            "układu rekordu - nie został zmieniony.")
                                 .arg(plik()),
                             tytulZamiany, Icon::Critical);
        return;
    }
    if (k.uklad == Uklad::Nowy) {
        m_dialogs.messageBox(QStringLiteral("Zbiór %1 ma już nowy układ (29 wartości) - zamiana formatu nie jest "
                                            "potrzebna, zbiór pozostaje bez zmian.")
                                 .arg(plik()),
                             tytulZamiany, Icon::Information);
    } else if (k.uklad == Uklad::Stary) {
        if (m_dialogs.messageBox(QStringLiteral("Zbiór nowy został utworzony, czy chcesz go zamienić za stary ?  "),
                                 tytulZamiany, Icon::Information, Buttons::YesNo)
            != Answer::Yes)
            return;
        if (!kopiaPrzedZmianaZPytaniem(this, m_session, m_dialogs))
            return;
        QString blad;
        if (!zapiszKontrahentow(plik(), k.lista, &blad)) {
            m_dialogs.messageBox(blad, QStringLiteral("Błąd"), Icon::Critical);
            return;
        }
        zaladuj(false);
    }

    if (m_dialogs.messageBox(QStringLiteral("Zbiór zamieniony , Czy chcesz go połaczyć ze zbiorem z Kramix?  "),
                             QStringLiteral(" Dodanie rekordów kontrahentow z Kramix"), Icon::Information,
                             Buttons::YesNo)
        != Answer::Yes)
        return;
    const QString kramix = plikKontrahentowKramix(m_session.SciezkaKramix, m_session.FolderFirmyKramix);
    const OdczytKontrahentow z = czytajKontrahentow(kramix);
    if (!z.ok) {
        m_dialogs.messageBox(QStringLiteral("Nie można pobrać kontrahentów z Kramix - zbiór kontrahentów nie został "
                                            "zmieniony.\n")
                                 + z.blad,
                             QStringLiteral("Błąd"), Icon::Critical);
        return;
    }
    const bool wykonano = wykonaj([&](bool nadpisz) { return dopiszZKramix(plik(), kramix, nadpisz); });
    // The grid shows the file as it now is, so a sort never works on a part.
    zaladuj(false);
    if (wykonano)
        m_dialogs.messageBox(QStringLiteral("Zrobione ! :) Posortuj !"), kAppTitle, Icon::Exclamation);
}

void frmKontrahenci::zakup()
{
    if (m_siatka->currentRow() == 0) {
        m_dialogs.messageBox(QStringLiteral("Nie wybrałeś kontrahenta do wypisania faktury"),
                             QStringLiteral(" Błąd kardynalny !!"), Icon::Critical);
        return;
    }
    const OdczytKontrahentow o = czytajKontrahentow(plik());
    const qsizetype i = indeksDoPrzelewu(o.lista, m_session.NazwaKontrahenta, m_session.SkrotKontrahenta);
    if (i < 0) {
        m_dialogs.messageBox(QStringLiteral(" Nie wybrałeś kontrahenta do Przelewu "), kAppTitle, Icon::Critical);
        return;
    }
    const KontrahentDoPrzelewu d = doPrzelewuZListy(o.lista[i]);
    m_session.NrKolKontrahenta = d.txtNrKol;
    close();
    emit doPrzelewu(d);
}

} // namespace remitto
