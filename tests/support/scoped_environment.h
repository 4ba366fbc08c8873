// Sets or removes an environment variable for the life of the object and
// puts the earlier value back afterwards (an empty one counts as unset).
#pragma once

#include <optional>
#include <string>

class ScopedEnvironmentVariable {
public:
    ScopedEnvironmentVariable(std::string name, std::optional<std::string> value);
    ~ScopedEnvironmentVariable();
    ScopedEnvironmentVariable(const ScopedEnvironmentVariable&) = delete;
    ScopedEnvironmentVariable& operator=(const ScopedEnvironmentVariable&) = delete;

private:
    std::string name_;
    std::string oldValue_;
};
