// The language menu and the loading of language files over the window's texts.
#include "TForm1.h"

#include "ControlTexts.h"
#include "DataFile.h"
#include "DataFolders.h"
#include "DialogService.h"
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

void TForm1::CheckLanguageFiles()
{
    const QDir folder(dataFilePath(QStringLiteral("lang")));
    const auto any = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
    if (folder.entryList({QStringLiteral("*.lng")}, any).isEmpty())
        showPlainMessage(texts_.text(TextKey::NoLanguageFiles));
}

void TForm1::SetLanguageCharset(const QString &name)
{
    if (const LanguageFileChoice *choice = findLanguageFile(name))
        languageEncoding_ = choice->encoding;
}

void TForm1::SelectHelpFile(const QString &name)
{
    if (const LanguageFileChoice *choice = findLanguageFile(name))
        helpFile_ = QLatin1String(choice->helpFile);
}

bool TForm1::LoadLanguageFile(const QString &name)
{
    // Read first, so a file that cannot be read leaves code page and help alone.
    const DataFileRead file = readDataFile(languageFilePath(name));
    if (!file.ok) {
        showError(file.error);
        return false;
    }
    SetLanguageCharset(name);
    SelectHelpFile(name);

    const QList<LanguageLine> lines = readLanguageLines(file.bytes, languageEncoding_);
    const QMultiHash<QString, QObject *> controls = namedControls(*this);
    int badLines = 0;
    bool applied = false;
    setUpdatesEnabled(false);
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
    QAction *const items[] = {menu_.JPolski, menu_.JAngielski, menu_.JCzeski, menu_.JRosyjski, menu_.JWloski};
    const TextKey names[] = {TextKey::LanguagePolish, TextKey::LanguageEnglish, TextKey::LanguageCzech,
                             TextKey::LanguageRussian, TextKey::LanguageItalian};
    for (int i = 0; i < 5; ++i)
        items[i]->setText(texts_.text(names[i]));
    setUpdatesEnabled(true);

    // The boxes come once the texts are in, in the language just loaded.
    for (int i = 0; i < badLines; ++i)
        showPlainMessage(texts_.text(TextKey::LanguageFileError));
    return true;
}

void TForm1::ApplyLanguageLine(const LanguageLine &line, const QMultiHash<QString, QObject *> &controls)
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

void TForm1::refreshFuelIndicator()
{
    auto *panel = ParametryTab->findChild<QLabel *>(QStringLiteral("ZmiennaGazBenzyna"));
    auto *led = WizualizacjaTab->findChild<TAbLED *>(QStringLiteral("AbLED1"));
    const auto *open = WizualizacjaTab->findChild<QLabel *>(QStringLiteral("Label47"));
    const bool petrol = livePolls_->onPetrol();
    const QString text = texts_.text(petrol ? TextKey::Petrol : TextKey::Gas);
    panel->setTextFormat(Qt::PlainText);
    panel->setText(text);
    led->setCaption(text);
    pagestyle::setTextColour(*panel, pagestyle::fuelColour(petrol));
    pagestyle::setTextColour(*led, petrol ? pagestyle::petrolRed : open->palette().color(QPalette::WindowText));
}

void TForm1::connectLanguageMenu()
{
    connect(menu_.JPolski, &QAction::triggered, this, &TForm1::JPolskiClick);
    connect(menu_.JAngielski, &QAction::triggered, this, &TForm1::JAngielskiClick);
    connect(menu_.JRosyjski, &QAction::triggered, this, &TForm1::JRosyjskiClick);
    connect(menu_.JCzeski, &QAction::triggered, this, &TForm1::JCzeskiClick);
    connect(menu_.JWloski, &QAction::triggered, this, &TForm1::JWloskiClick);
}

void TForm1::JPolskiClick()
{
    languageItemClick(menu_.JPolski, QStringLiteral("polish.lng"));
}

void TForm1::JAngielskiClick()
{
    languageItemClick(menu_.JAngielski, QStringLiteral("english.lng"));
}

void TForm1::JRosyjskiClick()
{
    languageItemClick(menu_.JRosyjski, QStringLiteral("russian.lng"));
}

void TForm1::JCzeskiClick()
{
    languageItemClick(menu_.JCzeski, QStringLiteral("czech.lng"));
}

void TForm1::JWloskiClick()
{
    languageItemClick(menu_.JWloski, QStringLiteral("italiano.lng"));
}

void TForm1::languageItemClick(QAction *item, const QString &file)
{
    // A failed load gives the tick back to the language still shown.
    SaveListSelections();
    if (!LoadLanguageFile(file)) {
        languageTick_.restore(item);
        return;
    }
    languageTick_.stand(item);
    RefreshPrintoutTexts();
    RestoreListSelections();
}

void TForm1::SaveListSelections()
{
    for (std::size_t i = 0; i < savedListSelections_.size(); ++i)
        savedListSelections_[i] = ParametryTab->findChild<QComboBox *>(QLatin1String(KeptLists[i]))->currentIndex();
}

void TForm1::RestoreListSelections()
{
    for (std::size_t i = 0; i < savedListSelections_.size(); ++i)
        ParametryTab->findChild<QComboBox *>(QLatin1String(KeptLists[i]))->setCurrentIndex(savedListSelections_[i]);
}

} // namespace qx
