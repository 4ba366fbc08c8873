#include "platform/string_resources.h"

#include <algorithm>
#include <iterator>

namespace platform {

namespace {

struct StringEntry {
    std::uint16_t id;
    const char16_t* text;
};

// The same list that the windows build compiles into its string table.
#define TARN_MESSAGE(id, name, text) {id, u"" text},
constexpr StringEntry kStringTable[] = {
#include "resources/messages.def"
};
#undef TARN_MESSAGE

}  // namespace

std::u16string loadStringResource(std::uint16_t id)
{
    auto found = std::find_if(std::begin(kStringTable), std::end(kStringTable),
                              [id](const StringEntry& entry) { return entry.id == id; });
    if (found == std::end(kStringTable)) {
        return std::u16string();
    }
    return std::u16string(found->text);
}

}  // namespace platform
