// The interface language: Chinese, the texts the sources carry, or a
// translation embedded in the program (":/i18n/rfid_<code>.qm").
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <optional>

class QTranslator;

namespace rfid {

enum class UiLanguage { Chinese, English };

// "zh" / "en" as on the command line; nothing for any other text.
std::optional<UiLanguage> languageFromCode(const QString &code);
QString languageCode(UiLanguage language);
// The language "--lang X" or "--lang=X" names among the arguments; nothing
// when none does or its code is none of the above.
std::optional<UiLanguage> languageOption(const QStringList &arguments);

// The choice made in the Language menu, kept in the user's settings; Chinese
// when none was made, whatever the system locale.
UiLanguage rememberedLanguage();
void rememberLanguage(UiLanguage language);

// Installs the translator of a language into the application (none for
// Chinese); every widget then gets QEvent::LanguageChange. Removed again when
// this object goes, so a later window starts from the source texts.
class LanguageSwitch : public QObject
{
    Q_OBJECT
public:
    explicit LanguageSwitch(QObject *parent = nullptr);
    ~LanguageSwitch() override;

    UiLanguage current() const { return m_current; }
    // False (and the language unchanged) when its translation cannot be loaded.
    bool apply(UiLanguage language);

private:
    QTranslator *m_translator = nullptr;
    UiLanguage m_current = UiLanguage::Chinese;
};

} // namespace rfid
