#include "framework/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace framework {
namespace {

// Qt's own options, which the application object takes out of the arguments later;
// without them here they would be unknown options.
constexpr const char* kQtOptionsWithValue[] = {
    "platform",        "platformpluginpath", "platformtheme", "plugin",
    "qwindowgeometry", "qwindowicon",        "qwindowtitle",  "session",
    "display",         "geometry",           "style",         "stylesheet",
    "qmljsdebugger",   "fontengine",         "name",          "title",
    "visual"};
constexpr const char* kQtFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

void AddOptions(QCommandLineParser& parser, const char* description) {
  // "-platform" is one option, as Qt spells its own, not eight single letters.
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  parser.setApplicationDescription(
      QCoreApplication::translate("framework::CommandLine", description));
  // Our own help and version: Qt's would offer --help-all and speak Spanish only in part.
  parser.addOption(
      {{"h", "help"},
       QCoreApplication::translate("framework::CommandLine", "Muestra esta ayuda y termina.")});
  parser.addOption(
      {{"v", "version"},
       QCoreApplication::translate("framework::CommandLine", "Muestra la versión y termina.")});
  parser.addOption({"lang",
                    QCoreApplication::translate("framework::CommandLine",
                                                "Idioma de esta vez, que no se recuerda: es "
                                                "(español, el de siempre) o en (inglés)."),
                    "es|en"});
  for (const char* name : kQtOptionsWithValue) {
    QCommandLineOption option(name, QString(), "value");
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
  }
  for (const char* name : kQtFlags) {
    QCommandLineOption option(name);
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
  }
}

void Print(std::FILE* stream, const QString& text) {
  std::fputs(text.toLocal8Bit().constData(), stream);
}

}  // namespace

StartChoice ReadCommandLine(int argc, char** argv, const char* description) {
  const QCoreApplication probe(argc, argv);  // needs no display
  const QStringList arguments = QCoreApplication::arguments();
  QCommandLineParser parser;
  AddOptions(parser, description);
  const bool parsed = parser.parse(arguments);
  const QString code = parser.value("lang");
  const std::optional<Language> asked = LanguageCoded(code);
  const Language language = asked.value_or(SavedLanguage());
  UseLanguage(language);

  // Again with the help's and the errors' texts in that language.
  QCommandLineParser texts;
  AddOptions(texts, description);
  texts.parse(arguments);
  QString error;
  if (!parsed)
    error = texts.errorText();
  else if (parser.isSet("lang") && !asked)
    error = QCoreApplication::translate("framework::CommandLine", "--lang admite es o en, no «%1».")
                .arg(code);
  else if (!parser.positionalArguments().isEmpty())
    error = QCoreApplication::translate("framework::CommandLine", "argumento inesperado «%1».")
                .arg(parser.positionalArguments().first());
  if (!error.isEmpty()) {
    Print(stderr, QCoreApplication::applicationName() + ": " + error + '\n');
    return {2, language};
  }
  if (parser.isSet("help")) {
    Print(stdout, texts.helpText());
    return {0, language};
  }
  if (parser.isSet("version")) {
    Print(stdout, QCoreApplication::applicationName() + ' ' +
                      QCoreApplication::applicationVersion() + '\n');
    return {0, language};
  }
  return {std::nullopt, language};
}

}  // namespace framework
