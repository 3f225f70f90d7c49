#pragma once
// Environment variables set for one test (DRAVO_STARTUP_DISK, DRAVO_VOLUMES,
// HOME ...) and given back their old values, or unset, when it ends.

#include <map>
#include <optional>
#include <string>

class ScopedEnvironment {
public:
    ScopedEnvironment() = default;
    ~ScopedEnvironment();
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

    ScopedEnvironment& Set(const std::string& name, const std::string& value);
    ScopedEnvironment& Unset(const std::string& name);

private:
    void Remember(const std::string& name);

    std::map<std::string, std::optional<std::string>> saved_;
};
