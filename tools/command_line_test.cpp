// The programs' command lines with no display at all: help and version, errors, Qt's own
// options let through, and the help in the language chosen for the start.
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <tuple>

namespace {

TEST(CommandLineTest, HelpVersionAndErrorsWithoutADisplay) {
  const QString version = ' ' + QRegularExpression::escape(PROJECT_VERSION_TEXT) + "\n\\z";
  const char english[] = "[General]\nlanguage=en\n", damaged[] = "\x01\xff[General\nlanguage=en\n[";
  // Run, saved settings if any, status and what it says (an error on standard error alone, the
  // rest on standard output alone): Spanish help has "trompo"/"bloque", English "top"/"block".
  const std::tuple<const char*, QStringList, const char*, int, QString> cases[] = {
      {VORLAT_PATH, {"-platform", "offscreen", "--version"}, nullptr, 0, "^Vorlat" + version},
      {TAMSEL_PATH, {"--version"}, nullptr, 0, "^Tamsel" + version},
      {SIMTRACE_PATH, {"--version"}, nullptr, 0, "^simtrace" + version},
      {VORLAT_PATH, {"--help"}, damaged, 0, "\\btrompo\\b"},
      {TAMSEL_PATH, {"--lang", "en", "--help"}, nullptr, 0, "\\bblock\\b"},
      {VORLAT_PATH, {"--help"}, english, 0, "\\btop\\b"},
      {TAMSEL_PATH, {"--lang", "es", "--help"}, english, 0, "\\bbloque\\b"},
      {VORLAT_PATH, {"--bogus"}, nullptr, 2, "^Vorlat: .*\n\\z"},
      {TAMSEL_PATH, {"--lang", "fr"}, nullptr, 2, "^Tamsel: .*\n\\z"},
  };
  for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
    qunsetenv(variable);  // the runs inherit no display
  for (const auto& [program, args, settings, status, said] : cases) {
    SCOPED_TRACE((program + (' ' + args.join(' '))).toStdString());
    const QTemporaryDir config;
    QDir(config.path()).mkdir("RigidBodyRotation");
    QFile ini(config.filePath("RigidBodyRotation/" + QFileInfo(program).fileName() + ".ini"));
    ASSERT_TRUE(settings == nullptr || (ini.open(QIODevice::WriteOnly) && ini.write(settings) > 0));
    ini.close();
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QProcess process;
    process.start(program, args);
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, status);
    const QString out = QString::fromLocal8Bit(process.readAllStandardOutput());
    const QString err = QString::fromLocal8Bit(process.readAllStandardError());
    const auto& [stream, other] = status == 2 ? std::tie(err, out) : std::tie(out, err);
    EXPECT_TRUE(stream.contains(QRegularExpression(said))) << stream.toStdString();
    EXPECT_TRUE(other.isEmpty()) << other.toStdString();
  }
}

}  // namespace
