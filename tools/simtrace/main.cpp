// simtrace: the simulations of Vorlat and Tamsel without a window, as CSV on
// standard output. A bad option gets one line on standard error and status 2.

#include <algorithm>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "tools/simtrace/freebody_trace.h"
#include "tools/simtrace/gyroscope_trace.h"
#include "tools/simtrace/options.h"

namespace {

struct Subcommand {
  std::string_view name, summary;
  void (*run)(const std::vector<std::string>& args, std::ostream& out);
};

constexpr Subcommand kSubcommands[] = {
    {"gyroscope", "the heavy symmetric top (Vorlat)", simtrace::RunGyroscopeTrace},
    {"freebody", "the torque-free block (Tamsel)", simtrace::RunFreeBodyTrace},
};

void PrintUsage() {
  std::cout
      << "usage: simtrace SUBCOMMAND [options]   (simtrace SUBCOMMAND --help for its options)\n"
         "       simtrace --version\n";
  for (const Subcommand& subcommand : kSubcommands)
    std::cout << "  " << subcommand.name << "  " << subcommand.summary << "\n";
}

}  // namespace

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  const std::vector<std::string> args(argv + std::min(argc, 2), argv + argc);
  const std::string_view name = argc > 1 ? argv[1] : "";
  try {
    if (name == "--help") {
      PrintUsage();
      return 0;
    }
    if (name == "--version") {
      std::cout << "simtrace " PROJECT_VERSION_TEXT "\n";
      return 0;
    }
    for (const Subcommand& subcommand : kSubcommands) {
      if (subcommand.name == name) {
        subcommand.run(args, std::cout);
        return 0;
      }
    }
    throw simtrace::UsageError(name.empty() ? "missing subcommand (try --help)"
                                            : "unknown subcommand '" + std::string(name) + "'");
  } catch (const simtrace::UsageError& error) {
    std::cerr << "simtrace: " << error.what() << std::endl;
    return 2;
  }
}
