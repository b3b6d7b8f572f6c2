#pragma once
// The programs' two languages: Spanish, the one their texts are written in, and
// English from the translation each program embeds. The last choice is kept in the
// user's settings for the next start.

#include <QString>

#include <optional>

namespace framework {

enum class Language { Spanish, English };

// "es" or "en"; nothing for any other code.
std::optional<Language> LanguageCoded(const QString& code);

// This program's remembered choice; Spanish when there is none or the settings file
// cannot be read or makes no sense.
Language SavedLanguage();
void SaveLanguage(Language language);

// Installs the language's texts into the application: this program's English, or
// Qt's own texts in Spanish. Open windows get a LanguageChange event.
void UseLanguage(Language language);
Language CurrentLanguage();

}  // namespace framework
