#include "launch/messages.h"

#include <cstdarg>
#include <cstdio>

#include "platform/string_resources.h"
#include "platform/text_conversion.h"

std::string loadMessage(unsigned id)
{
    if (id > 0xFFFF) {
        return std::string();
    }
    return platform::narrowFromUtf16(platform::loadStringResource(static_cast<std::uint16_t>(id)));
}

namespace detail {

std::string formatLoadedMessage(unsigned id, ...)
{
    std::string format = loadMessage(id);
    if (format.empty()) {
        return std::string();
    }
    std::va_list arguments;
    va_start(arguments, id);
    std::va_list measuring;
    va_copy(measuring, arguments);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
    int length = std::vsnprintf(nullptr, 0, format.c_str(), measuring);
    va_end(measuring);
    std::string text;
    if (length > 0) {
        text.resize(static_cast<std::size_t>(length) + 1);
        std::vsnprintf(text.data(), text.size(), format.c_str(), arguments);
        text.resize(static_cast<std::size_t>(length));
    }
#pragma GCC diagnostic pop
    va_end(arguments);
    return text;
}

}  // namespace detail

void printError(const std::string& text)
{
    std::printf("Error: %s \n", text.c_str());
}
