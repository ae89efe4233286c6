#include "app/language.h"

#include <QCoreApplication>
#include <QSettings>
#include <QTranslator>

namespace rfid {

namespace {
const char kSettingsKey[] = "ui/language";

QSettings settings()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("RFID"), QStringLiteral("RFID"));
}
} // namespace

std::optional<UiLanguage> languageFromCode(const QString &code)
{
    if (code == QLatin1String("zh"))
        return UiLanguage::Chinese;
    if (code == QLatin1String("en"))
        return UiLanguage::English;
    return std::nullopt;
}

QString languageCode(UiLanguage language)
{
    return language == UiLanguage::English ? QStringLiteral("en") : QStringLiteral("zh");
}

std::optional<UiLanguage> languageOption(const QStringList &arguments)
{
    for (int i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--lang"))
            return languageFromCode(arguments.value(i + 1));
        if (arguments[i].startsWith(QLatin1String("--lang=")))
            return languageFromCode(arguments[i].mid(7));
    }
    return std::nullopt;
}

UiLanguage rememberedLanguage()
{
    return languageFromCode(settings().value(QLatin1String(kSettingsKey)).toString()).value_or(UiLanguage::Chinese);
}

void rememberLanguage(UiLanguage language)
{
    settings().setValue(QLatin1String(kSettingsKey), languageCode(language));
}

LanguageSwitch::LanguageSwitch(QObject *parent)
    : QObject(parent)
{
}

LanguageSwitch::~LanguageSwitch()
{
    if (m_translator)
        QCoreApplication::removeTranslator(m_translator);
}

bool LanguageSwitch::apply(UiLanguage language)
{
    if (language == m_current)
        return true;
    if (language == UiLanguage::Chinese) {
        QCoreApplication::removeTranslator(m_translator);
        delete m_translator;
        m_translator = nullptr;
        m_current = language;
        return true;
    }
    auto *translator = new QTranslator(this);
    if (!translator->load(QStringLiteral(":/i18n/rfid_%1.qm").arg(languageCode(language)))) {
        delete translator;
        return false;
    }
    if (m_translator) {
        QCoreApplication::removeTranslator(m_translator);
        delete m_translator;
    }
    m_translator = translator;
    QCoreApplication::installTranslator(m_translator);
    m_current = language;
    return true;
}

} // namespace rfid
