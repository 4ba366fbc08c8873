#include "tools/packer_command.h"

#include "platform/text_conversion.h"
#include "tools/packer.h"

namespace packer {

namespace {

constexpr char kPackUsage[] = "tarn-pack pack LAUNCHER INI UPGRADE_CODE PASS_PHRASE OUTPUT";
constexpr char kShowUsage[] = "tarn-pack show LAUNCHER UPGRADE_CODE";

int failure(std::ostream& err, const std::string& reason)
{
    err << "tarn-pack: " << reason << '\n';
    return 1;
}

// The text as the launcher sees it, with this system's line ends.
std::string printable(const std::u16string& iniText)
{
    std::string narrow = platform::narrowFromUtf16(iniText);
    std::string lines;
    for (std::size_t n = 0; n < narrow.size(); ++n) {
        if (narrow[n] == '\r' && n + 1 < narrow.size() && narrow[n + 1] == '\n') {
            continue;
        }
        lines += narrow[n];
    }
    if (!lines.empty() && lines.back() != '\n') {
        lines += '\n';
    }
    return lines;
}

}  // namespace

int runPackerCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    std::string command = arguments.empty() ? std::string() : arguments[0];
    if (command == "pack") {
        if (arguments.size() != 6) {
            return failure(err, std::string("usage: ") + kPackUsage);
        }
        PackRequest request{arguments[1], arguments[2], arguments[3], arguments[4], arguments[5]};
        std::string error;
        return packLauncher(request, error) ? 0 : failure(err, error);
    }
    if (command == "show") {
        if (arguments.size() != 3) {
            return failure(err, std::string("usage: ") + kShowUsage);
        }
        std::u16string iniText;
        std::string error;
        if (!showConfiguration(arguments[1], arguments[2], iniText, error)) {
            return failure(err, error);
        }
        out << printable(iniText);
        return out.flush() ? 0 : failure(err, "cannot write to standard output");
    }
    if (command == "help" || command == "--help") {
        out << "usage: " << kPackUsage << "\n       " << kShowUsage << '\n';
        return 0;
    }
    return failure(err, std::string("usage: ") + kPackUsage + ", or " + kShowUsage);
}

}  // namespace packer
