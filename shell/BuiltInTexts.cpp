#include "BuiltInTexts.h"

#include "LanguageChoices.h"
#include "LanguageTable.h"

#include <utility>

namespace qx {

namespace {

using BuiltInText = std::pair<TextKey, const char *>;

template <std::size_t N>
void setAll(LanguageTable &texts, const BuiltInText (&table)[N])
{
    for (const auto &[key, text] : table)
        texts.setText(key, QString::fromUtf8(text));
}

} // namespace

void SetBuiltInTexts(LanguageTable &texts)
{
    static const BuiltInText builtIn[] = {
        {TextKey::ControllerFound, "Sterownik znaleziono na"},
        {TextKey::ControllerNotFound, "Sterownika nie znaleziono na"},
        {TextKey::Petrol, "Benzyna"},
        {TextKey::Gas, "Gaz"},
        {TextKey::FileError, "Błąd w pliku"},
        {TextKey::LanguageFileError, "Błąd w pliku z językami"},
        {TextKey::NoLanguageFiles, "Brak plików z językami, proszę przeinstalować program"},
        {TextKey::ExitQuestion, "Czy zakończyć program ?"},
        {TextKey::ParametersWritten, "Zapisano parametry"},
        {TextKey::ParametersRead, "Odczytano parametry"},
        {TextKey::ParametersReset, "Zresetowano parametry"},
        {TextKey::NoInstanceGuard, "Folder ustawień niedostępny: druga kopia programu nie zostanie wykryta"},
        {TextKey::PrintError, "Błąd drukowania: "},
        {TextKey::AsFoundSaveFailed, "Nie zapisano kopii ustawień zastanych: "},
        {TextKey::CompareTitle, "Porównanie parametrów"},
        {TextKey::CompareParameter, "Parametr"},
        {TextKey::ComparePage, "Na stronie"},
        {TextKey::CompareFile, "W pliku"},
        {TextKey::CompareOnlyDifferences, "Tylko różnice"},
        {TextKey::CompareLoad, "Wczytaj plik"},
        {TextKey::CompareClose, "Zamknij"},
        {TextKey::CompareSummary, "Różnice: %1 z %2"},
        {TextKey::AsFoundUnfilled, "Sterownik nie był skonfigurowany: kopia nie zawiera parametrów"},
        {TextKey::RecordingStarted, "Nagrywanie do pliku %1"},
        {TextKey::RecordingFailed, "Nagrywanie przerwane: %1"},
        {TextKey::CheckTitle, "Diagnoza połączenia"},
        {TextKey::CheckPort, "Port"},
        {TextKey::CheckDevice, "Urządzenie"},
        {TextKey::CheckExists, "Istnieje"},
        {TextKey::CheckOpens, "Otwarcie"},
        {TextKey::CheckController, "Sterownik"},
        {TextKey::CheckCure, "Co zrobić"},
        {TextKey::CheckYes, "tak"},
        {TextKey::CheckNo, "nie"},
        {TextKey::CheckViaLink, "%1 (łącze %2)"},
        {TextKey::CheckNthDevice, "%1 (%2. urządzenie szeregowe)"},
        {TextKey::CheckNoDevice, "brak"},
        {TextKey::CheckOpened, "otwiera się"},
        {TextKey::CheckBusy, "zajęty"},
        {TextKey::CheckDenied, "brak uprawnień"},
        {TextKey::CheckOpenFailed, "błąd: %1"},
        {TextKey::CheckVersion, "wersja %1"},
        {TextKey::CheckNoAnswer, "brak odpowiedzi"},
        {TextKey::CureOk, "Połączenie działa"},
        {TextKey::CureNoPort, "Brak urządzenia: podłącz adapter portu szeregowego"},
        {TextKey::CureDangling, "Łącze %1 wskazuje na %2, którego nie ma: podłącz adapter lub popraw łącze"},
        {TextKey::CureDenied, "Dodaj użytkownika do grupy dialout: sudo usermod -aG dialout $USER, potem zaloguj się ponownie"},
        {TextKey::CureBusy, "Port zajmuje inny program (%1): zamknij go"},
        {TextKey::CureBusyUnknown, "Port zajmuje inny program: zamknij go"},
        {TextKey::CureFailed, "To urządzenie nie działa jako port szeregowy: sprawdź adapter"},
        {TextKey::CureNoController, "Sterownik nie odpowiada: sprawdź kabel, zapłon i zasilanie sterownika"},
        {TextKey::NotWrittenPageUnknown, "Nie zapisano: najpierw odczytaj parametry z tego sterownika albo wczytaj plik"},
        {TextKey::NotWrittenFlagsUnknown, "Nie zapisano: najpierw odczytaj parametry z tego sterownika (jego flagi są nieznane)"},
        {TextKey::NotWrittenIgnitionUnknown, "Nie zapisano: wybierz typ zapłonu na stronie Obroty albo odczytaj parametry"},
        {TextKey::IgnitionNotSent, "Nie wysłano typu zapłonu: ten sterownik go nie podał, a nie został wybrany"},
        {TextKey::ThresholdNotSent, "Nie wysłano progu analogowego: ten sterownik go nie podał, a nie został wpisany"},
        {TextKey::NotWrittenBadData, "Nie zapisano parametrów: popraw błędne dane i zapisz ponownie"},
        {TextKey::WriteErrorCaption, "Błąd"},
        {TextKey::WrongData, "Błędna dana"},
        {TextKey::NoNumbers, "Niepoprawne dane"},
        {TextKey::StepSpeedRange, "Prędkość w granicach 1...24"},
        {TextKey::LambdaTimesCaption, "Errore"},
        {TextKey::LambdaTimesLimits, "Dati fuori limiti   HIGH, LOW - 0...4000ms"},
        {TextKey::LambdaTimesSum, "HIGH+LOW max 4000ms"},
        {TextKey::InformationCaption, "Informacja"},
        {TextKey::AlreadyRunning, "Program jest już uruchomiony."},
        {TextKey::BadSkinLine, "Blad w Pliku Ze skorkami"},
        {TextKey::HelpContents, "Spis treści"},
        {TextKey::HelpBack, "Wstecz"},
        {TextKey::HelpForward, "Dalej"},
        {TextKey::HelpUnreadable, "Nie można otworzyć pliku pomocy %1 (%2)."},
        {TextKey::ViewerTitle, "Przeglądarka nagrań"},
        {TextKey::ViewerSpeed, "Obroty [obr/min]"},
        {TextKey::ViewerLambda, "Lambda [V]"},
        {TextKey::ViewerTps, "TPS [V]"},
        {TextKey::ViewerStepper, "Silnik krokowy"},
        {TextKey::ViewerTemperature, "Temperatura [°C]"},
        {TextKey::ViewerGasLevel, "Poziom gazu [%]"},
        {TextKey::ViewerFuel, "Zasilanie"},
        {TextKey::ViewerDuration, "Czas nagrania"},
        {TextKey::ViewerOnGas, "Czas na gazie"},
        {TextKey::ViewerLambdaOnGas, "Przełączenia sondy na gazie [1/s]"},
        {TextKey::ViewerLambdaOnPetrol, "Przełączenia sondy na benzynie [1/s]"},
        {TextKey::ViewerStepperRange, "Silnik krokowy na gazie"},
        {TextKey::ViewerHighestRpm, "Najwyższe obroty"},
        {TextKey::ViewerNoReply, "Odpytania bez odpowiedzi"},
        {TextKey::ViewerNone, "brak"},
        {TextKey::ViewerOpen, "Otwórz nagranie..."},
        {TextKey::ViewerExport, "Zapisz widok..."},
        {TextKey::ViewerFit, "Cały przejazd (F)"},
        {TextKey::ViewerFilter, "Nagrania jazdy (*.csv)"},
        {TextKey::ViewerExportFilter, "Obraz PNG (*.png);;Dokument PDF (*.pdf)"},
        {TextKey::ViewerBadRecording, "Nie można otworzyć nagrania %1"},
        {TextKey::ViewerExportFailed, "Nie można zapisać %1"},
        {TextKey::ViewerKeys, "Kółko: powiększenie czasu. Przeciąganie: przesunięcie. Shift+przeciąganie: powiększenie obszaru. Strzałki: kursor o jedno odpytanie. F: cały przejazd."},
        // Polish wording of our own for the texts that would otherwise stay
        // blank until a language file loads; polish.lng words them the same.
        {TextKey::NoReply, "Brak łączności"},
        {TextKey::ControllerLabel, "Sterownik"},
        {TextKey::NoController, "Brak sterownika"},
        {TextKey::StartDelayTooShort, "Opóźnienie startowe musi wynosić co najmniej 1 s"},
        {TextKey::LambdaThresholdTooLow, "Próg sondy lambda musi wynosić co najmniej 0,1 V"},
        {TextKey::StepOpeningTooSmall, "Otwarcie silnika krokowego musi wynosić co najmniej 2"},
        {TextKey::PortOpenError,
         "Nie można otworzyć portu. Wybierz inny port w menu lub zamknij program, który go używa."},
        {TextKey::StartPositionOutOfRange, "Pozycja startowa silnika krokowego musi mieścić się w zakresie"},
        {TextKey::StartPositionAtLimit,
         "Pozycja startowa silnika krokowego jest równa pozycji minimalnej lub maksymalnej"},
    };
    setAll(texts, builtIn);
}

void AssignBuiltInHelpTexts(LanguageTable &texts)
{
    static const BuiltInText help[] = {
        {TextKey::HelpProbeType, "Rodzaj sondy lambda"},
        {TextKey::HelpLambdaThreshold, "Próg sondy Lambda [0;5 V]"},
        {TextKey::HelpSwitchRpm, "Próg obrotów przejścia benzyna/gaz [1000;9000 obr/min]"},
        {TextKey::HelpTpsType, "Typ czujnika TPS"},
        {TextKey::HelpTpsThreshold, "Próg czujnika TPS [0; 9.9 V]"},
        {TextKey::HelpStepSpeedAboveTps, "Prędkość silnika krokowego (1;24) razy wolniej powyżej progu TPS"},
        {TextKey::HelpStepSpeedBelowTps, "Prędkość silnika krokowego (1;24) razy wolniej poniżej progu TPS"},
        {TextKey::HelpMaxGasRpm, "Maksymalne obroty na gazie [1000;9000 obr/min]"},
        {TextKey::HelpRpmKind, "Rodzaj obrotów"},
        {TextKey::HelpRpmDelta, "Delta przy obrotach malejacych [0;5000 obr/min]"},
        {TextKey::HelpStepMin, "Minimalna pozycja silnika krokowego"},
        {TextKey::HelpStepMax, "Maksymalna pozycja silnika krokowego"},
        {TextKey::HelpStepStart, "Startowa pozycja silnika krokowego [1;255]"},
        {TextKey::HelpLambdaLowTime, "Czas stanu niskiego lambda [0;4000 ms]"},
        {TextKey::HelpLambdaHighTime, "Czas stanu wysokiego lambda [0;4000 ms]"},
        {TextKey::HelpStartDelay, "Opóźnienie startowe [1;50 s]"},
        {TextKey::HelpCutoffStepLevel, "Poziom silnika krokowego dla cutoff [1;255]"},
        {TextKey::HelpCutoffRpm, "Obroty silnika dla cutoff [500;5000 obr/min]"},
        {TextKey::HelpStepOpening, "Otwarcie silnika krokowego [2;50]"},
        {TextKey::HelpSwitchDelay, "Opoźnienie przełączenia benzyna/gaz [100;10000 ms]"},
        {TextKey::HelpOperatingMode, "tryb pracy sterownika"},
        {TextKey::HelpReserveSensorType, "Typ szkiełka rezerwy.    1: 90R lub rezerwa;    2: 20K"},
        {TextKey::HelpSwitchTemperature, "Temperatura przełączania B/G zakres (0..100) stopni Celsjusza"},
    };
    setAll(texts, help);
    for (const LanguageChoice &language : languageChoices())
        texts.setText(language.caption, QString::fromUtf8(language.builtInCaption));
}

QString builtInText(TextKey key)
{
    static const LanguageTable table = [] {
        LanguageTable texts;
        SetBuiltInTexts(texts);
        AssignBuiltInHelpTexts(texts);
        return texts;
    }();
    return table.text(key);
}

} // namespace qx
