#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

// "--name value" options; every option takes a value.
class CommandLine {
  public:
    // Returns an error text, or nothing when every option is known and has a value.
    std::optional<std::string> Parse(int argc, char** argv,
                                     const std::vector<std::string>& knownOptions);

    std::string Get(const std::string& name, const std::string& fallback) const;
    bool Has(const std::string& name) const { return values_.count(name) != 0; }
    // The option as a non-negative integer; the fallback when it is missing or unreadable.
    int GetInt(const std::string& name, int fallback) const;

  private:
    std::map<std::string, std::string> values_;
};
