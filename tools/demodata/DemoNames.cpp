#include "DemoNames.h"

#include <array>

namespace remitto::demo {

namespace {

QString s(const char16_t* text)
{
    return QString::fromUtf16(text);
}

QStringList lista(std::initializer_list<const char16_t*> teksty)
{
    QStringList out;
    out.reserve(static_cast<qsizetype>(teksty.size()));
    for (const char16_t* t : teksty)
        out.append(s(t));
    return out;
}

// Remainder of a long decimal number divided by 97.
int modulo97(const QString& cyfry)
{
    int r = 0;
    for (QChar c : cyfry)
        r = (r * 10 + c.digitValue()) % 97;
    return r;
}

} // namespace

const QList<Miejscowosc>& miejscowosci()
{
    static const QList<Miejscowosc> tabela = [] {
        struct Wiersz {
            const char16_t* nazwa;
            const char16_t* kod;
            int wiecej;
            const char16_t* powiat;
            const char16_t* woj;
            const char16_t* kier;
            const char16_t* miejsc;
        };
        // A town whose district is itself keeps its own name as the district.
        const Wiersz w[] = {
            {u"Warszawa", u"00-001", 4998, nullptr, u"mazowieckie", u"22", u"w Warszawie"},
            {u"Kraków", u"30-001", 1998, nullptr, u"małopolskie", u"12", u"w Krakowie"},
            {u"Łódź", u"90-001", 4998, nullptr, u"łódzkie", u"42", u"w Łodzi"},
            {u"Wrocław", u"50-001", 4998, nullptr, u"dolnośląskie", u"71", u"we Wrocławiu"},
            {u"Poznań", u"60-001", 1998, nullptr, u"wielkopolskie", u"61", u"w Poznaniu"},
            {u"Gdańsk", u"80-001", 998, nullptr, u"pomorskie", u"58", u"w Gdańsku"},
            {u"Gdynia", u"81-001", 598, nullptr, u"pomorskie", u"58", u"w Gdyni"},
            {u"Szczecin", u"70-001", 1998, nullptr, u"zachodniopomorskie", u"91", u"w Szczecinie"},
            {u"Bydgoszcz", u"85-001", 998, nullptr, u"kujawsko-pomorskie", u"52", u"w Bydgoszczy"},
            {u"Lublin", u"20-001", 998, nullptr, u"lubelskie", u"81", u"w Lublinie"},
            {u"Białystok", u"15-001", 998, nullptr, u"podlaskie", u"85", u"w Białymstoku"},
            {u"Katowice", u"40-001", 998, nullptr, u"śląskie", u"32", u"w Katowicach"},
            {u"Częstochowa", u"42-200", 99, nullptr, u"śląskie", u"34", u"w Częstochowie"},
            {u"Radom", u"26-600", 99, nullptr, u"mazowieckie", u"48", u"w Radomiu"},
            {u"Toruń", u"87-100", 99, nullptr, u"kujawsko-pomorskie", u"56", u"w Toruniu"},
            {u"Kielce", u"25-001", 998, nullptr, u"świętokrzyskie", u"41", u"w Kielcach"},
            {u"Rzeszów", u"35-001", 998, nullptr, u"podkarpackie", u"17", u"w Rzeszowie"},
            {u"Gliwice", u"44-100", 99, nullptr, u"śląskie", u"32", u"w Gliwicach"},
            {u"Olsztyn", u"10-001", 998, nullptr, u"warmińsko-mazurskie", u"89", u"w Olsztynie"},
            {u"Bielsko-Biała", u"43-300", 99, nullptr, u"śląskie", u"33", u"w Bielsku-Białej"},
            {u"Zielona Góra", u"65-001", 998, nullptr, u"lubuskie", u"68", u"w Zielonej Górze"},
            {u"Opole", u"45-001", 998, nullptr, u"opolskie", u"77", u"w Opolu"},
            {u"Gorzów Wielkopolski", u"66-400", 99, nullptr, u"lubuskie", u"95", u"w Gorzowie Wielkopolskim"},
            {u"Płock", u"09-400", 99, nullptr, u"mazowieckie", u"24", u"w Płocku"},
            {u"Tarnów", u"33-100", 99, nullptr, u"małopolskie", u"14", u"w Tarnowie"},
            {u"Koszalin", u"75-001", 998, nullptr, u"zachodniopomorskie", u"94", u"w Koszalinie"},
            {u"Nowy Sącz", u"33-300", 99, nullptr, u"małopolskie", u"18", u"w Nowym Sączu"},
            {u"Łomża", u"18-400", 9, nullptr, u"podlaskie", u"86", u"w Łomży"},
            {u"Żywiec", u"34-300", 0, u"żywiecki", u"śląskie", u"33", u"w Żywcu"},
            {u"Oświęcim", u"32-600", 9, u"oświęcimski", u"małopolskie", u"33", u"w Oświęcimiu"},
            {u"Zakopane", u"34-500", 0, u"tatrzański", u"małopolskie", u"18", u"w Zakopanem"},
            {u"Sandomierz", u"27-600", 0, u"sandomierski", u"świętokrzyskie", u"15", u"w Sandomierzu"},
            {u"Łańcut", u"37-100", 0, u"łańcucki", u"podkarpackie", u"17", u"w Łańcucie"},
            {u"Głogów", u"67-200", 9, u"głogowski", u"dolnośląskie", u"76", u"w Głogowie"},
            {u"Środa Śląska", u"55-300", 0, u"średzki", u"dolnośląskie", u"71", u"w Środzie Śląskiej"},
            {u"Kętrzyn", u"11-400", 0, u"kętrzyński", u"warmińsko-mazurskie", u"89", u"w Kętrzynie"},
            {u"Świdnica", u"58-100", 9, u"świdnicki", u"dolnośląskie", u"74", u"w Świdnicy"},
            {u"Piła", u"64-920", 9, u"pilski", u"wielkopolskie", u"67", u"w Pile"},
            {u"Żyrardów", u"96-300", 0, u"żyrardowski", u"mazowieckie", u"46", u"w Żyrardowie"},
            {u"Ząbki", u"05-091", 0, u"wołomiński", u"mazowieckie", u"22", u"w Wołominie"},
            {u"Wadowice", u"34-100", 0, u"wadowicki", u"małopolskie", u"33", u"w Wadowicach"},
            {u"Łowicz", u"99-400", 0, u"łowicki", u"łódzkie", u"46", u"w Łowiczu"},
            {u"Sucha Beskidzka", u"34-200", 0, u"suski", u"małopolskie", u"33", u"w Suchej Beskidzkiej"},
            {u"Gniezno", u"62-200", 9, u"gnieźnieński", u"wielkopolskie", u"61", u"w Gnieźnie"},
            {u"Węgrów", u"07-100", 0, u"węgrowski", u"mazowieckie", u"25", u"w Węgrowie"},
        };
        QList<Miejscowosc> out;
        for (const Wiersz& r : w)
            out.append({s(r.nazwa), s(r.kod), r.wiecej, r.powiat ? s(r.powiat) : s(r.nazwa),
                        s(r.nazwa), s(r.woj), s(r.kier), s(r.miejsc)});
        return out;
    }();
    return tabela;
}

const QList<Bank>& banki()
{
    static const QList<Bank> tabela = {
        {s(u"PKO Bank Polski SA"), QStringLiteral("1020")},
        {s(u"Bank Pekao SA"), QStringLiteral("1240")},
        {s(u"mBank SA"), QStringLiteral("1140")},
        {s(u"ING Bank Śląski SA"), QStringLiteral("1050")},
        {s(u"Santander Bank Polska SA"), QStringLiteral("1090")},
        {s(u"Bank Millennium SA"), QStringLiteral("1160")},
        {s(u"Alior Bank SA"), QStringLiteral("2490")},
        {s(u"Credit Agricole Bank Polska SA"), QStringLiteral("1940")},
        {s(u"BNP Paribas Bank Polska SA"), QStringLiteral("2030")},
        {s(u"Bank Spółdzielczy w Żywcu"), QStringLiteral("8128")},
        {s(u"Bank Spółdzielczy w Łańcucie"), QStringLiteral("9163")},
        {s(u"Bank Ochrony Środowiska SA"), QStringLiteral("1540")},
    };
    return tabela;
}

const QStringList& ulice()
{
    static const QStringList tabela = lista({
        u"ul. Adama Mickiewicza", u"ul. Juliusza Słowackiego", u"ul. Tadeusza Kościuszki",
        u"ul. Józefa Piłsudskiego", u"ul. Długa", u"ul. Krótka", u"ul. Ogrodowa", u"ul. Polna",
        u"ul. Leśna", u"ul. Źródlana", u"ul. Łąkowa", u"ul. Stefana Żeromskiego",
        u"ul. Władysława Reymonta", u"ul. Henryka Sienkiewicza", u"ul. 3 Maja",
        u"ul. Armii Krajowej", u"ul. Grunwaldzka", u"ul. Wojska Polskiego", u"ul. Jana Pawła II",
        u"ul. Kolejowa", u"ul. Szkolna", u"ul. Kościelna", u"ul. Świętokrzyska", u"ul. Piękna",
        u"ul. Wiślana", u"ul. Żwirki i Wigury", u"ul. Fryderyka Chopina",
        u"ul. Marii Konopnickiej", u"ul. Elizy Orzeszkowej", u"ul. Fabryczna",
        u"ul. Przemysłowa", u"ul. Rzemieślnicza", u"ul. Targowa", u"ul. Młyńska",
        u"ul. Pogodna", u"ul. Różana", u"ul. Słoneczna", u"ul. Spokojna", u"ul. Zielona",
        u"ul. Wrzosowa", u"ul. Jagiellońska", u"ul. Bolesława Chrobrego", u"ul. Mieszka I",
        u"ul. Królowej Jadwigi", u"ul. Gęsia", u"ul. Żółkiewskiego", u"al. Niepodległości",
        u"al. Solidarności", u"pl. Rynek", u"os. Tysiąclecia",
    });
    return tabela;
}

const QStringList& nazwiskaMeskie()
{
    static const QStringList tabela = lista({
        u"Kowalski", u"Nowak", u"Wiśniewski", u"Wójcik", u"Kowalczyk", u"Kamiński",
        u"Lewandowski", u"Zieliński", u"Szymański", u"Woźniak", u"Dąbrowski", u"Kozłowski",
        u"Jankowski", u"Mazur", u"Kwiatkowski", u"Krawczyk", u"Piotrowski", u"Grabowski",
        u"Nowakowski", u"Pawłowski", u"Michalski", u"Nowicki", u"Adamczyk", u"Dudek",
        u"Zając", u"Wieczorek", u"Jabłoński", u"Król", u"Majewski", u"Olszewski",
        u"Jaworski", u"Wróbel", u"Malinowski", u"Pawlak", u"Witkowski", u"Walczak",
        u"Stępień", u"Górski", u"Rutkowski", u"Michalak", u"Sikora", u"Ostrowski", u"Baran",
        u"Duda", u"Szewczyk", u"Tomaszewski", u"Pietrzak", u"Marciniak", u"Wróblewski",
        u"Zalewski", u"Jakubowski", u"Jasiński", u"Zawadzki", u"Sadowski", u"Bąk",
        u"Chmielewski", u"Włodarczyk", u"Borkowski", u"Czarnecki", u"Sawicki", u"Sokołowski",
        u"Urbański", u"Kubiak", u"Maciejewski", u"Szczepański", u"Kucharski", u"Wilk",
        u"Kalinowski", u"Lis", u"Mazurek", u"Wysocki", u"Adamski", u"Kaźmierczak",
        u"Wasilewski", u"Sobczak", u"Czerwiński", u"Andrzejewski", u"Cieślak", u"Głowacki",
        u"Zakrzewski", u"Kołodziej", u"Sikorski", u"Krajewski", u"Gajewski", u"Szymczak",
        u"Szulc", u"Baranowski", u"Laskowski", u"Brzeziński", u"Makowski", u"Ziółkowski",
        u"Przybylski", u"Żurek", u"Łukasik", u"Ślusarczyk", u"Gąsior", u"Żak", u"Pająk",
    });
    return tabela;
}

const QStringList& imionaMeskie()
{
    static const QStringList tabela = lista({
        u"Jan", u"Andrzej", u"Piotr", u"Krzysztof", u"Stanisław", u"Tomasz", u"Paweł",
        u"Józef", u"Marcin", u"Marek", u"Michał", u"Grzegorz", u"Jerzy", u"Tadeusz", u"Adam",
        u"Łukasz", u"Zbigniew", u"Ryszard", u"Dariusz", u"Henryk", u"Mariusz", u"Kazimierz",
        u"Wojciech", u"Robert", u"Mateusz", u"Zdzisław", u"Bogusław", u"Mirosław", u"Jacek",
        u"Sławomir",
    });
    return tabela;
}

const QStringList& imionaZenskie()
{
    static const QStringList tabela = lista({
        u"Anna", u"Maria", u"Katarzyna", u"Małgorzata", u"Agnieszka", u"Barbara", u"Ewa",
        u"Krystyna", u"Elżbieta", u"Zofia", u"Jadwiga", u"Teresa", u"Danuta", u"Halina",
        u"Irena", u"Joanna", u"Beata", u"Dorota", u"Grażyna", u"Bożena", u"Urszula",
        u"Jolanta", u"Magdalena", u"Monika", u"Renata", u"Żaneta", u"Łucja", u"Wiesława",
    });
    return tabela;
}

const QStringList& nazwyWlasne()
{
    static const QStringList tabela = lista({
        u"Smakosz", u"Złoty Kłos", u"Pod Lipą", u"Bławatek", u"Sokół", u"Jarzębina",
        u"Świt", u"Łączka", u"Źródełko", u"Orzeł", u"Wrzos", u"Kaczeniec", u"Pszczółka",
        u"Dąbek", u"Gościniec", u"Młynek", u"Ślimak", u"Kurpianka", u"Góral", u"Żagiel",
        u"Bursztyn", u"Kminek", u"Rzepak", u"Słonecznik", u"Jaśmin", u"Cis", u"Gryf",
        u"Babuleńka", u"Łasuch", u"Wiśnia", u"Jagoda", u"Malwa", u"Bociek", u"Żurawina",
        u"Kłosek", u"Promyk", u"Zorza", u"Perełka", u"Chaber", u"Ogrodnik", u"Śnieżynka",
        u"Podhale", u"Kmieć", u"Mazur", u"Żubr", u"Gęś", u"Wiklina", u"Leszczyna", u"Sądecki",
        u"Bieszczady",
    });
    return tabela;
}

const QStringList& rodzajeDzialalnosci()
{
    static const QStringList tabela = lista({
        u"Hurtownia Spożywcza", u"Hurtownia Warzyw i Owoców", u"Piekarnia", u"Cukiernia",
        u"Zakłady Mięsne", u"Spółdzielnia Mleczarska", u"Przetwórstwo Rybne",
        u"Hurtownia Napojów", u"Hurtownia Chemii Gospodarczej",
        u"Przedsiębiorstwo Handlowo-Usługowe", u"Firma Handlowa",
        u"Zakład Przetwórstwa Owocowo-Warzywnego", u"Hurtownia Papiernicza", u"Drukarnia",
        u"Transport Drogowy", u"Biuro Rachunkowe", u"Usługi Informatyczne",
        u"Przedsiębiorstwo Produkcyjne", u"Wytwórnia Makaronu", u"Palarnia Kawy",
        u"Tłocznia Soków", u"Browar Rzemieślniczy", u"Pasieka", u"Ubojnia Drobiu",
        u"Młyn Zbożowy", u"Wędliniarnia", u"Serwis Kas Fiskalnych", u"Agencja Ochrony",
    });
    return tabela;
}

const QStringList& formyPrawne()
{
    static const QStringList tabela = lista({
        u"Sp. z o.o.", u"Sp. z o.o. Sp. k.", u"Sp. j.", u"S.A.", u"s.c.", u"Spółdzielnia",
    });
    return tabela;
}

const QStringList& towary()
{
    static const QStringList tabela = lista({
        u"Mąka pszenna typ 500 1 kg", u"Cukier biały 1 kg", u"Masło extra 200 g",
        u"Mleko UHT 3,2% 1 l", u"Chleb żytni razowy", u"Kiełbasa śląska",
        u"Szynka wędzona", u"Ser żółty gouda", u"Jaja kurze L 10 szt.",
        u"Olej rzepakowy 1 l", u"Kawa mielona 250 g", u"Herbata czarna 100 szt.",
        u"Sól kamienna 1 kg", u"Ogórki kiszone 900 ml", u"Kapusta kiszona",
        u"Śmietana 18% 400 g", u"Twaróg półtłusty", u"Jogurt naturalny 400 g",
        u"Woda mineralna 1,5 l", u"Sok jabłkowy 1 l", u"Piwo jasne 0,5 l",
        u"Czekolada gorzka 100 g", u"Wafle ryżowe", u"Płatki owsiane 500 g",
        u"Kasza gryczana 1 kg", u"Ryż długoziarnisty 1 kg", u"Makaron świderki 500 g",
        u"Ziemniaki 15 kg", u"Jabłka Ligol", u"Pomidory malinowe", u"Cebula żółta",
        u"Marchew myta", u"Proszek do prania 3 kg", u"Płyn do naczyń 1 l",
        u"Papier toaletowy 8 rolek", u"Ręczniki papierowe", u"Worki na śmieci 60 l",
        u"Zapałki", u"Znicze szklane", u"Torby foliowe", u"Pączki z różą",
        u"Drożdże 100 g", u"Miód wielokwiatowy 1 kg", u"Śledzie w oleju",
        u"Pierogi ruskie 1 kg", u"Żurek w butelce 0,5 l", u"Dżem truskawkowy",
    });
    return tabela;
}

const QStringList& jednostki()
{
    static const QStringList tabela = lista({u"szt.", u"kg", u"opak.", u"l", u"kpl."});
    return tabela;
}

const QStringList& tytulyUslug()
{
    static const QStringList tabela = lista({
        u"Czynsz za lokal użytkowy", u"Opłata za energię elektryczną",
        u"Abonament telefoniczny", u"Wywóz nieczystości", u"Usługi księgowe",
        u"Ochrona obiektu", u"Dzierżawa terminala płatniczego", u"Serwis kas fiskalnych",
        u"Ubezpieczenie sklepu", u"Zaliczka na dostawę", u"Zwrot kaucji za skrzynki",
        u"Opłata za gaz ziemny", u"Dostawa wody i odprowadzenie ścieków",
    });
    return tabela;
}

int losujOd(QRandomGenerator& rng, int od, int do_)
{
    return od + static_cast<int>(rng.bounded(static_cast<quint32>(do_ - od + 1)));
}

bool szansa(QRandomGenerator& rng, int procent)
{
    return static_cast<int>(rng.bounded(100u)) < procent;
}

QString nazwiskoZenskie(const QString& nazwisko)
{
    for (const QString& koncowka : {QStringLiteral("ski"), QStringLiteral("cki"), QStringLiteral("dzki")})
        if (nazwisko.endsWith(koncowka))
            return nazwisko.left(nazwisko.size() - 1) + QLatin1Char('a');
    return nazwisko;
}

QString bezOgonkow(const QString& tekst)
{
    static const QString z = s(u"ąćęłńóśźżĄĆĘŁŃÓŚŹŻ");
    static const QString na = QStringLiteral("acelnoszzACELNOSZZ");
    QString out = tekst;
    for (QChar& c : out) {
        const qsizetype i = z.indexOf(c);
        if (i >= 0)
            c = na[i];
    }
    return out;
}

namespace {

QString cyfry(QRandomGenerator& rng, int ile)
{
    QString out;
    out.reserve(ile);
    for (int i = 0; i < ile; ++i)
        out += QChar(u'0' + static_cast<char16_t>(rng.bounded(10u)));
    return out;
}

} // namespace

QString losujNip(QRandomGenerator& rng)
{
    static constexpr std::array<int, 9> wagi = {6, 5, 7, 2, 3, 4, 5, 6, 7};
    for (;;) {
        const QString poczatek = QString::number(losujOd(rng, 101, 999)) + cyfry(rng, 6);
        int suma = 0;
        for (int i = 0; i < 9; ++i)
            suma += wagi[static_cast<size_t>(i)] * poczatek[i].digitValue();
        if (suma % 11 != 10)
            return poczatek + QString::number(suma % 11);
    }
}

QString losujRegon(QRandomGenerator& rng)
{
    static constexpr std::array<int, 8> wagi = {8, 9, 2, 3, 4, 5, 6, 7};
    const QString poczatek = QString::number(losujOd(rng, 1, 9)) + cyfry(rng, 7);
    int suma = 0;
    for (int i = 0; i < 8; ++i)
        suma += wagi[static_cast<size_t>(i)] * poczatek[i].digitValue();
    return poczatek + QString::number(suma % 11 % 10);
}

QString numerRozliczeniowy(QRandomGenerator& rng, const QString& bank4)
{
    static constexpr std::array<int, 7> wagi = {3, 9, 7, 1, 3, 9, 7};
    const QString siedem = bank4 + cyfry(rng, 3);
    int suma = 0;
    for (int i = 0; i < 7; ++i)
        suma += wagi[static_cast<size_t>(i)] * siedem[i].digitValue();
    return siedem + QString::number((10 - suma % 10) % 10);
}

QString kontoNrb(const QString& numerRozliczeniowy8, const QString& numerRachunku16)
{
    const QString bban = numerRozliczeniowy8 + numerRachunku16;
    // PL = 25 21, followed by the check digits 00.
    const int kontrolna = 98 - modulo97(bban + QStringLiteral("252100"));
    return QStringLiteral("%1").arg(kontrolna, 2, 10, QLatin1Char('0')) + bban;
}

QString losujKonto(QRandomGenerator& rng, const QString& bank4)
{
    return kontoNrb(numerRozliczeniowy(rng, bank4), cyfry(rng, 16));
}

QString mikrorachunek(const QString& nip)
{
    return kontoNrb(QStringLiteral("10100071"), QStringLiteral("222") + nip + QStringLiteral("000"));
}

QString kontoWGrupach(const QString& konto26)
{
    QString out = konto26.left(2);
    for (int i = 2; i < konto26.size(); i += 4)
        out += QLatin1Char(' ') + konto26.mid(i, 4);
    return out;
}

QString losujKod(QRandomGenerator& rng, const Miejscowosc& m)
{
    QString bezKreski = m.kodOd;
    bezKreski.remove(QLatin1Char('-'));
    const int numer = bezKreski.toInt() + losujOd(rng, 0, m.kodowWiecej);
    const QString piec = QStringLiteral("%1").arg(numer, 5, 10, QLatin1Char('0'));
    return piec.left(2) + QLatin1Char('-') + piec.mid(2);
}

QString losujTelefon(QRandomGenerator& rng, const Miejscowosc& m)
{
    if (szansa(rng, 50)) {
        const QString n = cyfry(rng, 7);
        return m.kierunkowy + QLatin1Char(' ') + QString::number(losujOd(rng, 2, 8)) + n.mid(1, 2)
             + QLatin1Char(' ') + n.mid(3, 2) + QLatin1Char(' ') + n.mid(5, 2);
    }
    static const std::array<int, 6> prefiksy = {501, 507, 600, 602, 691, 784};
    return QString::number(prefiksy[rng.bounded(6u)]) + QLatin1Char(' ') + cyfry(rng, 3)
         + QLatin1Char(' ') + cyfry(rng, 3);
}

} // namespace remitto::demo
