#include "tools/simtrace/options.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace simtrace {

double ParseNumber(const std::string& option, const std::string& text) {
  double value = 0.0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc() || stop != end || !std::isfinite(value))
    throw UsageError("bad value '" + text + "' for " + option);
  return value;
}

namespace {

// A limit as written in the message: whole numbers without an exponent.
std::string LimitText(double limit) {
  char buffer[32];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, limit, std::chars_format::fixed);
  return std::string(buffer, result.ptr);
}

void CheckLimits(const std::string& option, double value, const Limits& limits) {
  if (value >= limits.low && value <= limits.high && (!limits.whole || value == std::floor(value)))
    return;
  const std::string range = LimitText(limits.low) + " and " + LimitText(limits.high);
  throw UsageError(option + (limits.whole ? " takes whole numbers between " : " must be between ") +
                   range);
}

}  // namespace

void OptionParser::AddNumbers(const std::string& name, const std::string& metavars,
                              const std::string& help, double* values, int count, Limits limits,
                              bool* given) {
  options_.push_back({name, metavars, help, values, count, limits, given});
}

void OptionParser::AddFlag(const std::string& name, const std::string& help, bool* set) {
  options_.push_back({name, "", help, nullptr, 0, {}, set});
}

void OptionParser::AddChoice(const std::string& name, std::vector<std::string> choices,
                             const std::string& help, std::function<void(std::size_t)> choose) {
  std::string metavars;
  for (const std::string& choice : choices) metavars += (metavars.empty() ? "" : "|") + choice;
  options_.push_back(
      {name, metavars, help, nullptr, 0, {}, nullptr, std::move(choices), std::move(choose)});
}

bool OptionParser::Parse(const std::vector<std::string>& args) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--help")
      return false;
    const Option* option = nullptr;
    for (const Option& candidate : options_)
      if (candidate.name == args[i])
        option = &candidate;
    if (!option)
      throw UsageError("unknown option '" + args[i] + "' for " + subcommand_);
    if (!option->choices.empty()) {
      const auto& choices = option->choices;
      const auto chosen = i + 1 < args.size() ? std::find(choices.begin(), choices.end(), args[++i])
                                              : choices.end();
      if (chosen == choices.end())
        throw UsageError(option->name + " takes " + option->metavars);
      option->choose(std::size_t(chosen - choices.begin()));
      continue;
    }
    if (args.size() - i - 1 < std::size_t(option->count))
      throw UsageError(option->name + " needs " + std::to_string(option->count) + " number(s)");
    for (int k = 0; k < option->count; ++k) {
      option->values[k] = ParseNumber(option->name, args[++i]);
      CheckLimits(option->name, option->values[k], option->limits);
    }
    if (option->given)
      *option->given = true;
  }
  return true;
}

std::string OptionParser::Help() const {
  std::string text = "usage: simtrace " + subcommand_ + " [options]\n";
  const auto line = [&text](const std::string& head, const std::string& help) {
    text += "  " + head + std::string(head.size() < 27 ? 27 - head.size() : 1, ' ') + help + "\n";
  };
  for (const Option& option : options_)
    line(option.name + (option.metavars.empty() ? "" : " ") + option.metavars, option.help);
  line("--help", "this text");
  return text;
}

}  // namespace simtrace
