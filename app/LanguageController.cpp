#include "LanguageController.h"

#include "ControlTexts.h"
#include "DataFile.h"
#include "DataFolders.h"
#include "DialogService.h"
#include "LanguageTable.h"
#include "MainPages.h"
#include "PageStyle.h"
#include "ParametersPage.h"
#include "VisualisationPage.h"
#include "tabled.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>

namespace qx {

namespace {

// The parameter lists whose choice a language change keeps.
constexpr const char *KeptLists[] = {"ComboBox1", "ComboBox4", "ComboBox9", "ComboBox20", "ComboBox21"};

void showPlainMessage(const QString &text)
{
    showMessage(QApplication::applicationDisplayName(), text);
}

} // namespace

LanguageController::LanguageController(QWidget &window, LanguageTable &texts, const MainPages &pages,
                                       const std::array<QAction *, 5> &items, LanguageHost &host)
    : window_(window), texts_(texts), pages_(pages), items_(items), host_(host),
      encoding_(defaultLanguage().encoding), helpFile_(QLatin1String(defaultLanguage().helpFile))
{
    for (const LanguageChoice &language : languageChoices())
        connect(itemOf(language), &QAction::triggered, this, [this, &language] { chooseLanguage(language); });
}

QAction *LanguageController::itemOf(const LanguageChoice &language) const
{
    return items_[std::size_t(&language - languageChoices().data())];
}

void LanguageController::CheckLanguageFiles()
{
    const QDir folder(dataFilePath(QStringLiteral("lang")));
    const auto any = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
    if (folder.entryList({QStringLiteral("*.lng")}, any).isEmpty())
        showPlainMessage(texts_.text(TextKey::NoLanguageFiles));
}

bool LanguageController::LoadLanguageFile(const QString &name)
{
    // Read first, so a file that cannot be read leaves code page and help alone.
    const DataFileRead file = readDataFile(languageFilePath(name));
    if (!file.ok) {
        showError(file.error);
        return false;
    }
    if (const LanguageChoice *language = findLanguageFile(name)) {
        encoding_ = language->encoding;
        helpFile_ = QLatin1String(language->helpFile);
    }

    const QList<LanguageLine> lines = readLanguageLines(file.bytes, encoding_);
    const QMultiHash<QString, QObject *> controls = namedControls(window_);
    int badLines = 0;
    bool applied = false;
    window_.setUpdatesEnabled(false);
    for (const LanguageLine &line : lines) {
        if (line.kind == LanguageLine::Bad) {
            ++badLines;
            continue;
        }
        ApplyLanguageLine(line, controls);
        applied = true;
    }
    // The indicator shows the new word for the current fuel once any line,
    // a comment too, has been taken.
    if (applied)
        refreshFuelIndicator();
    for (std::size_t i = 0; i < items_.size(); ++i)
        items_[i]->setText(texts_.text(languageChoices()[i].caption));
    window_.setUpdatesEnabled(true);

    // The boxes come once the texts are in, in the language just loaded.
    for (int i = 0; i < badLines; ++i)
        showPlainMessage(texts_.text(TextKey::LanguageFileError));
    return true;
}

void LanguageController::ApplyLanguageLine(const LanguageLine &line, const QMultiHash<QString, QObject *> &controls)
{
    if (line.kind != LanguageLine::Text)
        return;
    if (const ControlEntry *entry = findControlEntry(line.key)) {
        for (const LanguageControl &how : entry->controls) {
            for (QObject *control : controls.values(QLatin1String(how.name)))
                setControlText(*control, how, line.text);
        }
    } else if (isTextKey(line.key)) {
        texts_.setText(TextKey(line.key), line.text);
    }
}

void LanguageController::refreshFuelIndicator()
{
    auto *panel = pages_.ParametryTab->findChild<QLabel *>(QStringLiteral("ZmiennaGazBenzyna"));
    auto *led = pages_.WizualizacjaTab->findChild<TAbLED *>(QStringLiteral("AbLED1"));
    const auto *open = pages_.WizualizacjaTab->findChild<QLabel *>(QStringLiteral("Label47"));
    const bool petrol = host_.onPetrol();
    const QString text = texts_.text(petrol ? TextKey::Petrol : TextKey::Gas);
    panel->setTextFormat(Qt::PlainText);
    panel->setText(text);
    led->setCaption(text);
    pagestyle::setTextColour(*panel, pagestyle::fuelColour(petrol));
    pagestyle::setTextColour(*led, petrol ? pagestyle::petrolRed : open->palette().color(QPalette::WindowText));
}

void LanguageController::chooseLanguage(const LanguageChoice &language)
{
    QAction *item = itemOf(language);
    // A failed load gives the tick back to the language still shown.
    SaveListSelections();
    if (!LoadLanguageFile(QLatin1String(language.file))) {
        tick_.restore(item);
        return;
    }
    tick_.stand(item);
    host_.RefreshPrintoutTexts();
    RestoreListSelections();
}

void LanguageController::tick(const LanguageChoice &language)
{
    tick_.stand(itemOf(language));
}

void LanguageController::loadDefault()
{
    if (LoadLanguageFile(QLatin1String(defaultLanguage().file)))
        tick(defaultLanguage());
}

const LanguageChoice *LanguageController::tickedLanguage() const
{
    const int ticked = tickedIndex(items_);
    return ticked < 0 ? nullptr : &languageChoices()[std::size_t(ticked)];
}

QComboBox *LanguageController::keptList(std::size_t i) const
{
    return pages_.ParametryTab->findChild<QComboBox *>(QLatin1String(KeptLists[i]));
}

void LanguageController::SaveListSelections()
{
    for (std::size_t i = 0; i < savedListSelections_.size(); ++i)
        savedListSelections_[i] = keptList(i)->currentIndex();
}

void LanguageController::RestoreListSelections()
{
    for (std::size_t i = 0; i < savedListSelections_.size(); ++i)
        keptList(i)->setCurrentIndex(savedListSelections_[i]);
}

} // namespace qx
