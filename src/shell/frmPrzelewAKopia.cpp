// The "Globalne" menu's backups: "Kopia bezpieczeństwa..." and "Odtwórz z kopii...".
#include "shell/frmPrzelewA.h"

#include "backup/KopiaDanych.h"
#include "core/Session.h"
#include "contractors/frmBialaLista.h"
#include "history/frmHistoria.h"
#include "shell/Instalka.h"
#include "shell/Startup.h"
#include "shell/frmMojaFirma.h"
#include "transfers/frmNumeracjaMM.h"
#include "transfers/frmPrzelewB.h"
#include "ui/Dialogs.h"
#include "ui/PostepKopii.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>

namespace remitto {

namespace {

const QString kOdtwarzanie = QStringLiteral("Odtwarzanie danych z kopii...");
const QString kTytulKopii = QStringLiteral("Kopia bezpieczeństwa");
const QString kTytulOdtworzenia = QStringLiteral("Odtwórz z kopii");

QString megabajty(qint64 bajty)
{
    return QLocale(QLocale::Polish, QLocale::Poland).toString(double(bajty) / (1024.0 * 1024.0), 'f', 1)
           + QStringLiteral(" MB");
}

QString listaPlikow(const QStringList& pliki)
{
    const qsizetype pokazane = std::min<qsizetype>(pliki.size(), 15);
    QString t = QStringList(pliki.mid(0, pokazane)).join(QLatin1Char('\n'));
    if (pliki.size() > pokazane)
        t += QStringLiteral("\n... i jeszcze %1").arg(pliki.size() - pokazane);
    return t;
}

} // namespace

void frmPrzelewA::kopiaBezpieczenstwa()
{
    if (m_session.SciezkaProgramu.isEmpty())
        return;
    const auto cel = m_dialogs.inputBox(QStringLiteral("Folder, w którym zostanie zapisana kopia bezpieczeństwa "
                                                       "(inny dysk, pendrive, dysk sieciowy):"),
                                        kTytulKopii, folderKopii());
    if (!cel || cel->trimmed().isEmpty())
        return;
    const QString folder = QDir::cleanPath(cel->trimmed());
    WynikTworzenia wynik;
    if (!wewnatrzFolderu(folder, m_session.SciezkaProgramu)) {
        zapamietajFolderKopii(folder);
        wykonajZPostepemKopii(this, kTytulKopii, QStringLiteral("Kopia bezpieczeństwa danych..."),
                              [&](const PostepKopii& postep) {
                                  wynik = utworzKopie(m_session.SciezkaProgramu, folder, m_session.SkrotFirmy,
                                                      QDateTime::currentDateTime(), false, postep);
                              });
    } else {
        wynik = utworzKopie(m_session.SciezkaProgramu, folder, m_session.SkrotFirmy, QDateTime::currentDateTime(),
                            false);
    }
    switch (wynik.wynik) {
    case WynikKopii::Zrobione:
        m_dialogs.messageBox(QStringLiteral("Kopia bezpieczeństwa została zapisana i sprawdzona:\n%1\n"
                                            "Plików: %2, razem %3.")
                                 .arg(QDir::toNativeSeparators(wynik.archiwum))
                                 .arg(wynik.plikow)
                                 .arg(megabajty(wynik.bajtow)),
                             kTytulKopii, Icon::Information);
        break;
    case WynikKopii::Przerwano:
        m_dialogs.messageBox(QStringLiteral("Kopia bezpieczeństwa została przerwana; nie zapisano żadnego pliku."),
                             kTytulKopii, Icon::Exclamation);
        break;
    default:
        m_dialogs.messageBox(wynik.blad, kTytulKopii, Icon::Critical);
        break;
    }
}

void frmPrzelewA::odtworzZKopii()
{
    if (m_session.SciezkaProgramu.isEmpty())
        return;
    const auto plik = m_dialogs.inputBox(QStringLiteral("Plik kopii bezpieczeństwa (.zip):"), kTytulOdtworzenia,
                                         najnowszaKopia(folderKopii()));
    if (!plik || plik->trimmed().isEmpty())
        return;
    const QString archiwum = QDir::cleanPath(plik->trimmed());

    OpisKopii opis;
    const bool sprawdzono = wykonajZPostepemKopii(this, kTytulOdtworzenia, QStringLiteral("Sprawdzanie kopii..."),
                                                  [&](const PostepKopii& postep) { opis = sprawdzKopie(archiwum, postep); });
    if (!sprawdzono || opis.wynik == WynikKopii::Przerwano)
        return;
    if (opis.wynik != WynikKopii::Zrobione) {
        m_dialogs.messageBox(opis.blad + QStringLiteral("\nNic nie zostało zmienione."), kTytulOdtworzenia,
                             Icon::Critical);
        return;
    }
    const QString oKopii = QStringLiteral("Kopia z dnia %1\nFirma: %2\nPlików: %3 (%4)")
                               .arg(opis.czas.toString(QStringLiteral("dd-MM-yyyy HH:mm:ss")), opis.firma)
                               .arg(opis.pliki.size())
                               .arg(megabajty(opis.bajtow()));
    const Answer gdzie = m_dialogs.messageBox(
        oKopii + QStringLiteral("\n\nOdtworzyć kopię w bieżącym folderze danych %1 ?\n"
                                "Tak - obecny stan zostanie najpierw zapisany w kopii automatycznej.\n"
                                "Nie - kopia zostanie odtworzona w nowym, pustym folderze.")
                     .arg(QDir::toNativeSeparators(m_session.SciezkaProgramu)),
        kTytulOdtworzenia, Icon::Question, Buttons::YesNoDefaultNo);

    if (gdzie == Answer::Yes) {
        const bool otwarte = (m_przelew && m_przelew->isVisible()) || (m_historia && m_historia->isVisible())
                             || (m_mojaFirma && m_mojaFirma->isVisible())
                             || (m_numeracja && m_numeracja->isVisible())
                             || (m_bialaLista && m_bialaLista->isVisible());
        if (otwarte) {
            m_dialogs.messageBox(QStringLiteral("Zamknij najpierw pozostałe okna programu, a potem odtwórz kopię."),
                                 kTytulOdtworzenia, Icon::Exclamation);
            return;
        }
        WynikOdtworzenia w;
        wykonajZPostepemKopii(this, kTytulOdtworzenia, kOdtwarzanie,
                              [&](const PostepKopii& postep) {
                                  w = odtworzDoFolderuDanych(archiwum, m_session.SciezkaProgramu, folderKopii(),
                                                             m_session.SkrotFirmy, postep);
                              });
        if (w.plikow > 0) {
            // The files changed under the session: read the settings and the
            // company again. The data folder stays the one restored into, even
            // when the restored settings file names another.
            const QString folder = m_session.SciezkaProgramu;
            QString error;
            wczytajUstawienia(m_session, &error);
            m_session.SciezkaProgramu = folder;
            wczytajFirme();
        }
        QString t;
        if (w.wynik == WynikKopii::Zrobione)
            t = QStringLiteral("Dane zostały odtworzone z kopii (plików: %1).").arg(w.plikow);
        else if (w.wynik == WynikKopii::Przerwano && w.kopiaAutomatyczna.isEmpty())
            t = QStringLiteral("Odtwarzanie zostało przerwane; dane są bez zmian.");
        else if (w.wynik == WynikKopii::Przerwano)
            t = QStringLiteral("Odtwarzanie zostało przerwane po %1 plikach.").arg(w.plikow);
        else
            t = w.blad;
        if (!w.kopiaAutomatyczna.isEmpty())
            t += QStringLiteral("\nStan sprzed odtworzenia zapisano w kopii:\n%1")
                     .arg(QDir::toNativeSeparators(w.kopiaAutomatyczna));
        if (w.wynik == WynikKopii::Zrobione && !w.pozaKopia.isEmpty())
            t += QStringLiteral("\n\nPliki, których nie ma w kopii (pozostawione bez zmian):\n") + listaPlikow(w.pozaKopia);
        m_dialogs.messageBox(t, kTytulOdtworzenia,
                             w.wynik == WynikKopii::Zrobione ? Icon::Information : Icon::Critical);
        return;
    }

    const QString domyslny = QFileInfo(archiwum).absolutePath() + QLatin1Char('/')
                             + QFileInfo(archiwum).completeBaseName();
    const auto folder = m_dialogs.inputBox(QStringLiteral("Nowy, pusty folder, do którego zostanie odtworzona kopia:"),
                                           kTytulOdtworzenia, domyslny);
    if (!folder || folder->trimmed().isEmpty())
        return;
    const QString nowy = QDir::cleanPath(folder->trimmed());
    if (wewnatrzFolderu(nowy, m_session.SciezkaProgramu)) {
        m_dialogs.messageBox(QStringLiteral("Folder %1 leży w bieżącym folderze danych; wybierz folder poza nim.")
                                 .arg(QDir::toNativeSeparators(nowy)),
                             kTytulOdtworzenia, Icon::Critical);
        return;
    }
    WynikOdtworzenia w;
    wykonajZPostepemKopii(this, kTytulOdtworzenia, kOdtwarzanie,
                          [&](const PostepKopii& postep) { w = odtworzDoNowegoFolderu(archiwum, nowy, postep); });
    if (w.wynik == WynikKopii::Zrobione) {
        QString t = QStringLiteral("Kopia została odtworzona w folderze %1 (plików: %2).\n"
                                   "Bieżący folder danych pozostał bez zmian.")
                        .arg(QDir::toNativeSeparators(nowy))
                        .arg(w.plikow);
        // The settings file keeps the folder it was written for; the program
        // opens that folder when it exists, not the restored one.
        const UstawieniaOdczyt u = readInstalka(nowy);
        if (u.ok && !u.u.sciezka.isEmpty() && QFileInfo(u.u.sciezka).isDir()
            && QFileInfo(u.u.sciezka).canonicalFilePath() != QFileInfo(nowy).canonicalFilePath())
            t += QStringLiteral("\nUwaga: plik instalka.dat kopii wskazuje folder danych %1; program otworzy "
                                "tamten folder, a nie odtworzoną kopię.")
                     .arg(QDir::toNativeSeparators(u.u.sciezka));
        m_dialogs.messageBox(t, kTytulOdtworzenia, Icon::Information);
    } else if (w.wynik == WynikKopii::Przerwano)
        m_dialogs.messageBox(QStringLiteral("Odtwarzanie zostało przerwane; folder %1 pozostał pusty.")
                                 .arg(QDir::toNativeSeparators(nowy)),
                             kTytulOdtworzenia, Icon::Exclamation);
    else
        m_dialogs.messageBox(w.blad, kTytulOdtworzenia, Icon::Critical);
}

} // namespace remitto
