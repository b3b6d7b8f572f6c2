#pragma once
// The programs' command line, read before the application object exists so that
// --help and --version need no display. Qt's own options (-platform, -style...)
// pass through to the application object.

#include <optional>

#include "framework/language.h"

namespace framework {

// How the program starts, or the status it leaves with at once.
struct StartChoice {
  std::optional<int> exit_status;  // 0 after --help or --version, 2 for a bad argument
  Language language;
};

// `description` is the help's first line, marked for translation in the context
// "framework::CommandLine". The application's name and version must be set.
StartChoice ReadCommandLine(int argc, char** argv, const char* description);

}  // namespace framework
