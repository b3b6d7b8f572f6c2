#include "framework/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>

#include <memory>
#include <vector>

namespace framework {
namespace {

constexpr char kOrganization[] = "RigidBodyRotation";
constexpr char kKey[] = "language";

struct Translations {
  std::vector<std::unique_ptr<QTranslator>> english;  // the program's and the shared layers'
  QTranslator qt;                                     // Qt's dialogs and buttons in Spanish
  Language current = Language::Spanish;
};

Translations& Installed() {
  static Translations translations;
  return translations;
}

}  // namespace

std::optional<Language> LanguageCoded(const QString& code) {
  if (code == QLatin1String("es"))
    return Language::Spanish;
  if (code == QLatin1String("en"))
    return Language::English;
  return std::nullopt;
}

Language SavedLanguage() {
  // An INI file of the program's own, whatever the platform's native store is.
  const QSettings settings(QSettings::IniFormat, QSettings::UserScope, kOrganization,
                           QCoreApplication::applicationName());
  if (settings.status() != QSettings::NoError)
    return Language::Spanish;
  return LanguageCoded(settings.value(kKey).toString()).value_or(Language::Spanish);
}

void SaveLanguage(Language language) {
  // A file that cannot be written only loses the choice for the next start.
  QSettings(QSettings::IniFormat, QSettings::UserScope, kOrganization,
            QCoreApplication::applicationName())
      .setValue(kKey, language == Language::English ? "en" : "es");
}

void UseLanguage(Language language) {
  Translations& installed = Installed();
  for (const auto& translator : installed.english)
    QCoreApplication::removeTranslator(translator.get());
  installed.english.clear();
  QCoreApplication::removeTranslator(&installed.qt);
  if (language == Language::English) {
    // The program's own file and the shared layers' are embedded under this prefix.
    for (const QString& file : QDir(":/i18n", "*_en.qm").entryList()) {
      auto translator = std::make_unique<QTranslator>();
      if (translator->load(file, ":/i18n") && QCoreApplication::installTranslator(translator.get()))
        installed.english.push_back(std::move(translator));
    }
  } else if (!installed.qt.isEmpty() ||
             installed.qt.load("qtbase_es", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(&installed.qt);  // without the file, Qt's English
  }
  installed.current = language;
}

Language CurrentLanguage() {
  return Installed().current;
}

}  // namespace framework
