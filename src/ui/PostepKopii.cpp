#include "ui/PostepKopii.h"

#include "core/Session.h"
#include "ui/Dialogs.h"
#include "ui/PracaZPostepem.h"


namespace remitto {

bool wykonajZPostepemKopii(QWidget* parent, const QString& tytul, const QString& opis,
                           const std::function<void(const PostepKopii&)>& praca)
{
    return wykonajZPostepem(parent, QStringLiteral("dlgKopia"), tytul, opis, praca);
}

bool kopiaPrzedZmianaZPytaniem(QWidget* parent, const Session& session, Dialogs& dialogs)
{
    WynikTworzenia wynik;
    wykonajZPostepemKopii(parent, QStringLiteral("Kopia bezpieczeństwa"),
                          QStringLiteral("Automatyczna kopia bezpieczeństwa danych..."),
                          [&](const PostepKopii& postep) { wynik = kopiaPrzedZmiana(session, postep); });
    if (wynik.wynik == WynikKopii::Zrobione)
        return true;
    if (wynik.wynik == WynikKopii::Przerwano)
        return false;
    return dialogs.messageBox(pytanieBezKopii(wynik), QStringLiteral("Kopia bezpieczeństwa"), Icon::Question,
                              Buttons::OkCancel)
           == Answer::Ok;
}

} // namespace remitto
