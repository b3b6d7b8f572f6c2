#pragma once
// Command-line options of the simtrace subcommands: named options followed by a
// fixed count of numbers or by one of a few words, and flags. Numbers are read the
// same in every locale.

#include <cstddef>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace simtrace {

// A bad option or value; main prints it on one line and exits with status 2.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A finite number written the C way, or UsageError naming `option`.
double ParseNumber(const std::string& option, const std::string& text);

// The values an option's numbers may take, ends included: what the simulation
// holds, so that none overflows once narrowed to single precision.
struct Limits {
  double low, high;
  bool whole = false;
};

class OptionParser {
 public:
  explicit OptionParser(std::string subcommand) : subcommand_(std::move(subcommand)) {}

  // `name` followed by `count` numbers within `limits` stored into values[0..count);
  // the values keep their defaults unless the option is given. `given`, if any,
  // says whether it was.
  void AddNumbers(const std::string& name, const std::string& metavars, const std::string& help,
                  double* values, int count, Limits limits, bool* given = nullptr);
  void AddFlag(const std::string& name, const std::string& help, bool* set);
  // `name` followed by one of `choices`, whose index goes to `choose`.
  void AddChoice(const std::string& name, std::vector<std::string> choices, const std::string& help,
                 std::function<void(std::size_t)> choose);

  // Reads the arguments after the subcommand. False when --help was asked for.
  bool Parse(const std::vector<std::string>& args);
  std::string Help() const;

 private:
  struct Option {
    std::string name, metavars, help;
    double* values;
    int count;
    Limits limits;
    bool* given;
    std::vector<std::string> choices = {};
    std::function<void(std::size_t)> choose = {};
  };
  std::string subcommand_;
  std::vector<Option> options_;
};

}  // namespace simtrace
