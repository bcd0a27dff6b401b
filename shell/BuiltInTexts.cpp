#include "BuiltInTexts.h"

#include "LanguageTable.h"

namespace qx {

void SetBuiltInTexts(LanguageTable &texts)
{
    static const std::pair<int, const char *> builtIn[] = {
        {10388, "Sterownik znaleziono na"},
        {10389, "Sterownika nie znaleziono na"},
        {10408, "Benzyna"},
        {10409, "Gaz"},
        {30002, "Błąd w pliku"},
        {30003, "Błąd w pliku z językami"},
        {30004, "Brak plików z językami, proszę przeinstalować program"},
        {30005, "Czy zakończyć program ?"},
        {30006, "Zapisano parametry"},
        {30007, "Odczytano parametry"},
        {30008, "Zresetowano parametry"},
    };
    for (const auto &[key, text] : builtIn)
        texts.setText(key, QString::fromUtf8(text));
}

void AssignBuiltInHelpTexts(LanguageTable &texts)
{
    static const char *const help[] = {
        "Rodzaj sondy lambda",
        "Próg sondy Lambda [0;5 V]",
        "Próg obrotów przejścia benzyna/gaz [1000;9000 obr/min]",
        "Typ czujnika TPS",
        "Próg czujnika TPS [0; 9.9 V]",
        "Prędkość silnika krokowego (1;24) razy wolniej powyżej progu TPS",
        "Prędkość silnika krokowego (1;24) razy wolniej poniżej progu TPS",
        "Maksymalne obroty na gazie [1000;9000 obr/min]",
        "Rodzaj obrotów",
        "Delta przy obrotach malejacych [0;5000 obr/min]",
        "Minimalna pozycja silnika krokowego",
        "Maksymalna pozycja silnika krokowego",
        "Startowa pozycja silnika krokowego [1;255]",
        "Czas stanu niskiego lambda [0;4000 ms]",
        "Czas stanu wysokiego lambda [0;4000 ms]",
        "Opóźnienie startowe [1;50 s]",
        "Poziom silnika krokowego dla cutoff [1;255]",
        "Obroty silnika dla cutoff [500;5000 obr/min]",
        "Otwarcie silnika krokowego [2;50]",
        "Opoźnienie przełączenia benzyna/gaz [100;10000 ms]",
        "tryb pracy sterownika",
        "Typ szkiełka rezerwy.    1: 90R lub rezerwa;    2: 20K",
        "Temperatura przełączania B/G zakres (0..100) stopni Celsjusza",
    };
    int key = 10350;
    for (const char *text : help)
        texts.setText(key++, QString::fromUtf8(text));

    static const char *const languages[] = {"polski", "angielski", "czeski", "rosyjski", "wloski"};
    key = 20001;
    for (const char *name : languages)
        texts.setText(key++, QString::fromUtf8(name));
}

} // namespace qx
