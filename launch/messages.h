// The numbered message catalogue and the launcher's one error output.
#pragma once

#include <string>
#include <type_traits>

enum MessageId : unsigned {
#define TARN_MESSAGE(id, name, text) msg##name = id,
#include "resources/messages.def"
#undef TARN_MESSAGE
};

// The catalogue text of `id` in the calling thread's ANSI code page; empty
// when the executable has no text for it.
std::string loadMessage(unsigned id);

namespace detail {

inline const char* formatArgument(const std::string& text) { return text.c_str(); }
inline const char* formatArgument(const char* text) { return text; }
template <typename Number, std::enable_if_t<std::is_integral_v<Number>, int> = 0>
inline int formatArgument(Number number)
{
    // "%d" takes a signed 32-bit number; error codes wrap as the system prints them.
    return static_cast<int>(number);
}

std::string formatLoadedMessage(unsigned id, ...);

}  // namespace detail

// The catalogue text of `id` used as a printf format with `arguments`
// (strings for "%s", numbers for "%d"). The result has no length limit.
template <typename... Arguments>
std::string formatMessage(unsigned id, const Arguments&... arguments)
{
    return detail::formatLoadedMessage(id, detail::formatArgument(arguments)...);
}

// Writes "Error: <text> \n" to standard output in one formatted write.
void printError(const std::string& text);
