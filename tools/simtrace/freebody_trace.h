#pragma once
// simtrace freebody: the torque-free block of Tamsel without a window.

#include <ostream>
#include <string>
#include <vector>

namespace simtrace {

// Parses the options after the subcommand (UsageError on a bad one) and writes
// the CSV trace, or the help text, to `out`.
void RunFreeBodyTrace(const std::vector<std::string>& args, std::ostream& out);

}  // namespace simtrace
