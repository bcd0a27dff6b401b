#include "AppSettings.h"

#include <QFile>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <QVariant>


namespace qx {

namespace {

#ifdef Q_OS_WIN
constexpr QSettings::Format StoreFormat = QSettings::NativeFormat;
#else
constexpr QSettings::Format StoreFormat = QSettings::IniFormat;
#endif

const QString Group = QStringLiteral("Param");
const QString LangValue = QStringLiteral("Lang");
const QString LangNazwValue = QStringLiteral("LangNazw");
const QString PortValue = QStringLiteral("Port");
const QString WielkCzcionkiValue = QStringLiteral("WielkCzcionki");
const QString SkinValue = QStringLiteral("skin");
const QString CommentsValue = QStringLiteral("comments");
const QString DimensionValue = QStringLiteral("dimension");

constexpr int Ports = 8;
constexpr int Profiles = 6;

// A number only where the store holds one; text is not a number.
std::optional<int> storedNumber(const QVariant &value)
{
    bool ok = false;
    const int number = value.toInt(&ok);
    return ok ? std::optional<int>(number) : std::nullopt;
}

std::optional<int> inRange(std::optional<int> number, int low, int high)
{
    return number && *number >= low && *number <= high ? number : std::nullopt;
}

std::optional<QString> oneOf(const QString &text, const QStringList &allowed)
{
    return allowed.contains(text) ? std::optional<QString>(text) : std::nullopt;
}

QStringList languageFiles()
{
    QStringList files;
    for (const LanguageChoice &choice : languageChoices())
        files << QLatin1String(choice.file);
    return files;
}

QStringList skinSettings()
{
    QStringList settings;
    for (const SkinChoice &choice : skinChoices())
        settings << QLatin1String(choice.setting);
    return settings;
}

std::optional<QString> fileOfLanguage(const QString &code)
{
    const LanguageChoice *language = languageOfCode(code);
    return language ? std::optional<QString>(QLatin1String(language->file)) : std::nullopt;
}

std::optional<int> portNumber(const QString &text)
{
    for (int n = 1; n <= Ports; ++n) {
        if (text == QStringLiteral("COM%1").arg(n))
            return n;
    }
    return std::nullopt;
}

// Qt reads past a line it cannot parse and leaves it out at its next write.
void keepMalformedFile(const QString &fileName)
{
    QFile original(fileName);
    QSaveFile copy(fileName + QStringLiteral(".bad"));
    if (original.open(QIODevice::ReadOnly) && copy.open(QIODevice::WriteOnly)) {
        copy.write(original.readAll());
        copy.commit();
    }
}

void write(QSettings &store, const AppSettings &values)
{
    if (values.language)
        store.setValue(LangValue, *values.language);
    if (values.languageFile)
        store.setValue(LangNazwValue, *values.languageFile);
    if (values.port)
        store.setValue(PortValue, QStringLiteral("COM%1").arg(*values.port));
    if (values.smallProfile)
        store.setValue(WielkCzcionkiValue, *values.smallProfile);
    if (values.skin)
        store.setValue(SkinValue, *values.skin);
    if (values.commentsOff)
        store.setValue(CommentsValue, int(*values.commentsOff));
    if (values.dimension)
        store.setValue(DimensionValue, *values.dimension);
}

// Settings that hold, and write, nothing.
AppSettings noValues()
{
    return {std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt};
}

// The values of a store that holds some. The missing ones that a first run
// would have written are written now, and read as written.
AppSettings readStored(QSettings &store)
{
    const AppSettings firstRun;
    AppSettings stored = noValues();
    AppSettings missing = noValues();

    stored.language = store.value(LangValue).toString();
    stored.port = portNumber(store.value(PortValue).toString());

    if (store.contains(CommentsValue)) {
        const auto number = storedNumber(store.value(CommentsValue));
        stored.commentsOff = number ? std::optional<bool>(*number != 0) : std::nullopt;
    } else {
        missing.commentsOff = stored.commentsOff = firstRun.commentsOff;
    }

    if (store.contains(LangNazwValue))
        stored.languageFile = oneOf(store.value(LangNazwValue).toString(), languageFiles());
    else
        missing.languageFile = stored.languageFile = fileOfLanguage(*stored.language);

    if (store.contains(DimensionValue))
        stored.dimension = inRange(storedNumber(store.value(DimensionValue)), 0, Profiles);
    else
        missing.dimension = stored.dimension = firstRun.dimension;

    if (store.contains(SkinValue))
        stored.skin = oneOf(store.value(SkinValue).toString(), skinSettings());
    else
        missing.skin = stored.skin = firstRun.skin;

    write(store, missing);
    return stored;
}

} // namespace

QString appSettingsLocation()
{
#ifdef Q_OS_WIN
    return QStringLiteral("HKEY_CURRENT_USER\\Quorvantix");
#else
    // Looked up at every use, so a test's own XDG_CONFIG_HOME gives it its own file.
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + QStringLiteral("/Quorvantix/Quorvantix.ini");
#endif
}

AppSettingsReading readAppSettings()
{
    QSettings store(appSettingsLocation(), StoreFormat);
    store.beginGroup(Group);
    const bool holdsValues = !store.childKeys().isEmpty();
    // Qt knows a file is malformed only once it has read it.
    if (store.status() == QSettings::FormatError)
        keepMalformedFile(appSettingsLocation());
    if (store.status() == QSettings::AccessError)
        return {AppSettings(), true};
    if (!holdsValues) {
        write(store, AppSettings());
        return {AppSettings(), true};
    }
    return {readStored(store), false};
}

QString storedLanguageFile()
{
    QSettings store(appSettingsLocation(), StoreFormat);
    store.beginGroup(Group);
    // A store that holds nothing, or cannot be read, is a first run.
    const QString code =
        store.childKeys().isEmpty() ? *AppSettings().language : store.value(LangValue).toString();
    return fileOfLanguage(code).value_or(QString());
}

bool writeAppSettings(const AppSettings &values)
{
    QSettings store(appSettingsLocation(), StoreFormat);
    store.beginGroup(Group);
    write(store, values);
    store.sync();
    // A malformed file read on the way is rewritten whole, which is a success.
    return store.status() != QSettings::AccessError;
}

} // namespace qx
