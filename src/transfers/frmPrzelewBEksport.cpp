#include "transfers/frmPrzelewBEksport.h"

#include "core/Session.h"
#include "transfers/LiniaEksportu.h"
#include "transfers/frmBialaListaPytanie.h"
#include "ui/Dialogs.h"

namespace remitto {

namespace {

const QString kZastanowSie = QStringLiteral("Zastanów się co chcesz zrobić !!");
const QString kSprawdzNumeracje = QStringLiteral("Sprawdź numeracje paczek");

} // namespace

DaneEksportu daneEksportu(const Session& s)
{
    DaneEksportu d;
    d.folder = s.SciezkaProgramu;
    d.skrotFirmy = s.SkrotFirmy;
    d.nadawca = {s.KontoWybrane, s.DaneFirmy};
    d.sciezkaKramix = s.SciezkaKramix;
    d.folderFirmyKramix = s.FolderFirmyKramix;
    d.dzis = QDate::fromString(s.DataDzis, QStringLiteral("dd-MM-yyyy"));
    if (!d.dzis.isValid())
        d.dzis = s.clock.today();
    return d;
}

WynikEksportu przeniesDoEcorponet(Session& s, Dialogs& d, const QString& sciezkaPaczki,
                                  const QList<Przelew>& przelewy, Rodzaj rodzaj)
{
    if (rodzaj == Rodzaj::Wplata) {
        d.messageBox(QStringLiteral("Wybrany jest rodzaj \"Wpłata\" - wpłaty gotówkowej nie przenosi się do "
                                    "Ecorponet. Wybierz rodzaj przelewu i przenieś paczkę ponownie."),
                     kZastanowSie, Icon::Critical);
        WynikEksportu w;
        w.odmowa = OdmowaEksportu::Wplata;
        return w;
    }
    // The white list sees the transfers as they will be sent: of the kind
    // chosen in the window.
    QList<Przelew> wysylane = przelewy;
    if (const std::optional<KodyEksportu> kody = kodyEksportu(rodzaj)) {
        for (Przelew& p : wysylane) {
            p.typZlec = kody->typZlec;
            p.typDok = kody->typDok;
        }
    }
    if (!potwierdzBialaLista(s, d, wysylane)) {
        WynikEksportu w;
        w.odmowa = OdmowaEksportu::Rezygnacja;
        return w;
    }
    d.messageBox(QStringLiteral("Czy napewno chcesz przenieść płatność z tych faktur do przelewu ?"),
                 QStringLiteral(" Faktury z przelewów z Paczki nr ") + QString::number(s.NrPaczkiAktualnej)
                     + QStringLiteral(" oznaczone zostaną jako zapłacone !"),
                 Icon::Information);

    const WynikEksportu w = eksportujPaczke(daneEksportu(s), sciezkaPaczki, przelewy, rodzaj);
    if (!pokazWynikEksportu(s, d, w, sciezkaPaczki))
        return w;
    d.messageBox(QStringLiteral("Paczka została przeniesiona"), QStringLiteral("Wpisanie paczki do ECorponet na dzien "),
                 Icon::Exclamation);
    return w;
}

bool pokazWynikEksportu(Session& s, Dialogs& d, const WynikEksportu& w, const QString& sciezkaPaczki)
{
    switch (w.odmowa) {
    case OdmowaEksportu::Brak:
        break;
    case OdmowaEksportu::Wplata:
    case OdmowaEksportu::Rezygnacja:
        return false;
    case OdmowaEksportu::BrakPrzelewow:
        d.messageBox(QStringLiteral("Paczka nie zawiera przelewów"), kZastanowSie, Icon::Critical);
        return false;
    case OdmowaEksportu::Zamknieta:
        d.messageBox(QStringLiteral("Paczka ") + w.sciezkaEksportu
                         + QStringLiteral(" już została zmknięta i przeniesiona do Ecoponet ") + w.sciezkaEksportu
                         + QStringLiteral(" już istnieje w w Ecorponet "),
                     kSprawdzNumeracje, Icon::Critical);
        return false;
    case OdmowaEksportu::PlikIstnieje:
        d.messageBox(QStringLiteral(" Ten numer paczki ") + w.sciezkaEksportu + QStringLiteral(" już istnieje w systemie "),
                     kSprawdzNumeracje, Icon::Critical);
        return false;
    default:
        d.messageBox(w.blad + QStringLiteral("\nNic nie zostało zmienione."),
                     QStringLiteral("Paczka nie została przeniesiona do Ecorponet"), Icon::Critical);
        return false;
    }

    for (const QString& nazwa : w.podejrzaneKonta)
        d.messageBox(QStringLiteral("Sprawdź konto beneficjenta do przelewu ") + nazwa
                         + QStringLiteral(" - wydaje się błędne!"),
                     QString(), Icon::Critical);
    if (w.przerwanyKrok != KrokEksportu::PlikEksportu && w.przerwanyKrok != KrokEksportu::Historia)
        s.PlikPaczki = sciezkaPaczki;
    if (!w.wykonano()) {
        d.messageBox(opisPrzerwania(w), QStringLiteral("Paczka nie została przeniesiona w całości"), Icon::Critical);
        return false;
    }
    return true;
}

bool usunPaczkeZEcorponet(const Session& s, Dialogs& d, const QString& nazwa)
{
    if (nazwa.isEmpty())
        return false;
    if (d.messageBox(QStringLiteral("Czy napewno chcesz usunąć wskazaną paczkę z Katalogu Paczek  ?"),
                     QStringLiteral("Pytanie"), Icon::Question, Buttons::OkCancel)
        != Answer::Ok)
        return false;
    QString blad;
    if (!usunPlikEksportu(s.SciezkaProgramu, nazwa, &blad)) {
        d.messageBox(blad, QStringLiteral(" Usuwanie"), Icon::Critical);
        return false;
    }
    d.messageBox(QStringLiteral("Paczkę usunieto !"), QStringLiteral(" Usuwanie"), Icon::Information);
    return true;
}

} // namespace remitto
