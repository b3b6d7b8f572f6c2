// The programs' command lines with no display at all: help and version on standard
// output with status 0, a bad argument in one line on standard error with status 2,
// Qt's own options let through, and the help in the language chosen for the start.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

enum class Settings { None, English, Damaged, Unreadable };

struct Case {
  const char* program;
  QStringList args;
  Settings settings;
  int status;
  QString out;  // --version's whole output, or a word of the help's language
};

struct Result {
  int status;
  QString out, err;
};

Result RunProgram(const QString& path, const QStringList& args, Settings settings) {
  QTemporaryDir config;
  const QString name = QFileInfo(path).fileName();
  const QString file = config.filePath("RigidBodyRotation/" + name + ".ini");
  QDir().mkpath(QFileInfo(file).path());
  if (settings == Settings::Unreadable)
    QDir().mkpath(file);  // a folder where the file should be
  QFile ini(file);
  if (settings == Settings::English || settings == Settings::Damaged) {
    EXPECT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write(settings == Settings::English ? "[General]\nlanguage=en\n"
                                            : "\x01\xff[General\nlanguage=en\n[");
    ini.close();
  }
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
    env.remove(variable);
  env.insert("XDG_CONFIG_HOME", config.path());
  QProcess process;
  process.setProcessEnvironment(env);
  process.start(path, args);
  EXPECT_TRUE(process.waitForFinished(30000));
  return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
          QString::fromLocal8Bit(process.readAllStandardOutput()),
          QString::fromLocal8Bit(process.readAllStandardError())};
}

TEST(CommandLineTest, HelpVersionAndErrorsWithoutADisplay) {
  const QString version = PROJECT_VERSION_TEXT;
  const QString vorlat_version = "Vorlat " + version + "\n";
  const QString tamsel_version = "Tamsel " + version + "\n";
  const QString simtrace_version = "simtrace " + version + "\n";
  // Spanish help speaks of a "trompo" or a "bloque"; English of a "top" or a "block".
  const Case cases[] = {
      {VORLAT_PATH, {"--version"}, Settings::None, 0, vorlat_version},
      {TAMSEL_PATH, {"-v"}, Settings::None, 0, tamsel_version},
      {SIMTRACE_PATH, {"--version"}, Settings::None, 0, simtrace_version},
      {VORLAT_PATH,
       {"-platform", "offscreen", "-style", "Fusion", "--version"},
       Settings::None,
       0,
       vorlat_version},
      {VORLAT_PATH, {"--help"}, Settings::None, 0, "trompo"},
      {TAMSEL_PATH, {"--lang", "en", "-h"}, Settings::None, 0, "block"},
      {VORLAT_PATH, {"--help"}, Settings::English, 0, "top"},
      {TAMSEL_PATH, {"--lang", "es", "--help"}, Settings::English, 0, "bloque"},
      {VORLAT_PATH, {"--help"}, Settings::Damaged, 0, "trompo"},
      {TAMSEL_PATH, {"--help"}, Settings::Unreadable, 0, "bloque"},
      {VORLAT_PATH, {"--bogus"}, Settings::None, 2, ""},
      {TAMSEL_PATH, {"--lang", "fr"}, Settings::None, 2, ""},
      {VORLAT_PATH, {"--lang"}, Settings::None, 2, ""},
      {TAMSEL_PATH, {"-platform", "offscreen", "stray"}, Settings::None, 2, ""},
  };
  for (const Case& c : cases) {
    const QString name = QFileInfo(c.program).fileName();
    SCOPED_TRACE((name + ' ' + c.args.join(' ')).toStdString());
    const Result result = RunProgram(c.program, c.args, c.settings);
    EXPECT_EQ(result.status, c.status);
    if (c.status == 2) {  // one line that names the program, and nothing else
      EXPECT_TRUE(result.out.isEmpty());
      EXPECT_TRUE(result.err.startsWith(name + ": ")) << result.err.toStdString();
      EXPECT_EQ(result.err.count('\n'), 1) << result.err.toStdString();
    } else if (c.args.contains("--version") || c.args.contains("-v")) {
      EXPECT_EQ(result.out, c.out);
      EXPECT_TRUE(result.err.isEmpty()) << result.err.toStdString();
    } else {
      EXPECT_TRUE(result.out.contains(QRegularExpression(QString("\\b%1\\b").arg(c.out))))
          << result.out.toStdString();
      EXPECT_TRUE(result.out.contains("--lang <es|en>"));
      EXPECT_TRUE(result.err.isEmpty()) << result.err.toStdString();
    }
  }
}

}  // namespace
