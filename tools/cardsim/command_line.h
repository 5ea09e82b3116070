#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

// "--name value" options; every option takes a value.
class CommandLine {
  public:
    // `arguments` without the program's name. Returns an error text, or nothing when every
    // option is known and has a value.
    std::optional<std::string> Parse(const std::vector<std::string>& arguments,
                                     const std::vector<std::string>& knownOptions);

    std::string Get(const std::string& name, const std::string& fallback) const;
    bool Has(const std::string& name) const { return values_.count(name) != 0; }
    // Puts the option, a whole number of milliseconds, into `value` when it is given; an
    // error text when it is given and is not one. `value` keeps its default otherwise.
    std::optional<std::string> GetMilliseconds(const std::string& name, int& value) const;

  private:
    std::map<std::string, std::string> values_;
};
