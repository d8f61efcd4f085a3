#include "ui/ZnakKontroli.h"

#include "core/Nip.h"
#include "core/Nrb.h"

#include <QLabel>

namespace remitto {

namespace {

void ustaw(QLabel* znak, const QString& tekst, const QString& opis, const char* kolor)
{
    znak->setText(tekst);
    znak->setToolTip(opis);
    znak->setStyleSheet(QStringLiteral("color: %1").arg(QLatin1String(kolor)));
}

void wyczysc(QLabel* znak)
{
    znak->clear();
    znak->setToolTip(QString());
}

} // namespace

void pokazZnakNrb(QLabel* znak, const QString& konto)
{
    switch (sprawdzNrb(konto)) {
    case StanNrb::Pusty:
        wyczysc(znak);
        break;
    case StanNrb::NieNrb:
        ustaw(znak, QStringLiteral("nie NRB"), QStringLiteral("To nie jest 26-cyfrowy numer rachunku w kraju"), "gray");
        break;
    case StanNrb::Poprawny:
        ustaw(znak, QStringLiteral("NRB \u2713"), QStringLiteral("Cyfry kontrolne numeru rachunku są poprawne"),
              "darkgreen");
        break;
    case StanNrb::Bledny:
        ustaw(znak, QStringLiteral("NRB \u2717 błędne cyfry kontrolne"),
              QStringLiteral("Cyfry kontrolne nie zgadzają się z numerem - sprawdź numer rachunku"), "darkred");
        break;
    }
}

void pokazZnakNip(QLabel* znak, const QString& nip)
{
    if (nip.trimmed().isEmpty()) {
        wyczysc(znak);
        return;
    }
    const QString cyfry = cyfryNip(nip);
    switch (sprawdzNip(cyfry.isEmpty() ? nip : cyfry)) {
    case WynikNip::ZeSpacjami:
    case WynikNip::ZlaDlugosc:
        ustaw(znak, QStringLiteral("nie NIP"), QStringLiteral("To nie jest 10-cyfrowy NIP"), "gray");
        break;
    case WynikNip::Bledny:
        ustaw(znak, QStringLiteral("NIP \u2717 błędny"),
              QStringLiteral("Cyfra kontrolna nie zgadza się z numerem - sprawdź NIP"), "darkred");
        break;
    case WynikNip::Poprawny:
        ustaw(znak, QStringLiteral("NIP \u2713"), QStringLiteral("Cyfra kontrolna NIP jest poprawna"), "darkgreen");
        break;
    }
}

} // namespace remitto
