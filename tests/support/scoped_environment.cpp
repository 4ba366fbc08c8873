#include "support/scoped_environment.h"

#include "platform/environment.h"

namespace {

void apply(const std::string& name, const std::optional<std::string>& value)
{
    if (value && !value->empty()) {
        platform::setEnvironmentVariable(name, *value);
    } else {
        platform::removeEnvironmentVariable(name);
    }
}

}  // namespace

ScopedEnvironmentVariable::ScopedEnvironmentVariable(std::string name, std::optional<std::string> value)
    : name_(std::move(name)), oldValue_(platform::environmentVariable(name_))
{
    apply(name_, value);
}

ScopedEnvironmentVariable::~ScopedEnvironmentVariable()
{
    apply(name_, oldValue_);
}
