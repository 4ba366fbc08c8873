#include "config/configuration_keys.h"

#include <cstring>

#include "config/config_file_location.h"
#include "config/config_names.h"
#include "config/config_source.h"
#include "discovery/version_number.h"
#include "launch/launcher_context.h"
#include "launch/messages.h"
#include "platform/files.h"
#include "platform/file_names.h"
#include "platform/text_conversion.h"

namespace {

bool equalsIgnoringCase(const std::string& text, const char* expected)
{
    std::size_t length = std::strlen(expected);
    if (text.size() != length) {
        return false;
    }
    for (std::size_t i = 0; i < length; ++i) {
        char a = text[i];
        char b = expected[i];
        if (a >= 'A' && a <= 'Z') a = static_cast<char>(a - 'A' + 'a');
        if (b >= 'A' && b <= 'Z') b = static_cast<char>(b - 'A' + 'a');
        if (a != b) {
            return false;
        }
    }
    return true;
}

std::int32_t jvmTypeOf(const std::string& value)
{
    if (value == "server") {
        return 1;
    }
    if (value == "favor_server") {
        return 2;
    }
    return 0;
}

}  // namespace

void applyJvmSource(LauncherContext& context, const std::string& value)
{
    struct Row {
        const char* value;
        bool allowJdk, allowJre, favorSource;
    };
    static const Row rows[] = {{"favor_JRE", false, true, true},
                               {"favor_JDK", true, false, true},
                               {"only_JRE", false, true, false},
                               {"only_JDK", true, false, false}};
    if (value.empty()) {
        context.allowJdk = true;
        context.allowJre = true;
        return;
    }
    Row chosen{nullptr, false, false, false};
    for (const Row& row : rows) {
        if (value == row.value) {
            chosen = row;
            break;
        }
    }
    context.allowJdk = chosen.allowJdk;
    context.allowJre = chosen.allowJre;
    context.favorSource = chosen.favorSource;
}

void applyVmProvider(LauncherContext& context, const std::string& value)
{
    struct Row {
        const char* value;
        bool allowJRockit, allowSun, favorJRockit, favorSun;
    };
    // Searched in order; the first match sets all four flags. The empty
    // value never gets here, so its row only documents the defaults.
    static const Row rows[] = {{"", false, true, false, true},
                               {"jrockit", true, false, true, false},
                               {"favor_sun", true, true, false, true},
                               {"favor_jrockit", true, true, true, false},
                               {"any", true, true, false, false}};
    if (value.empty()) {
        return;
    }
    for (const Row& row : rows) {
        if (equalsIgnoringCase(value, row.value)) {
            context.allowJRockit = row.allowJRockit;
            context.allowSun = row.allowSun;
            context.favorJRockit = row.favorJRockit;
            context.favorSun = row.favorSun;
            return;
        }
    }
}

std::string slashSeparatedClassName(const std::string& className)
{
    // Dots become slashes; a trail byte of the code page is never taken for one.
    std::string result = className;
    for (std::size_t i = 0; i < result.size(); ++i) {
        if (platform::isLeadByte(static_cast<unsigned char>(result[i])) && i + 1 < result.size()) {
            ++i;
        } else if (result[i] == '.') {
            result[i] = '/';
        }
    }
    return result;
}

bool readConfiguration(LauncherContext& context)
{
    std::string configPath;
    if (!getConfigFilePath(context, configPath)) {
        return false;
    }
    const std::string product = ansi(names::kProductInformation);
    context.productCode = readProfileValue(configPath, product, ansi(names::kProductCode));
    context.upgradeCode = readProfileValue(configPath, product, ansi(names::kUpgradeCode));
    context.productName = readProfileValue(configPath, product, ansi(names::kProductName));

    ConfigSource source = makeConfigSource(configPath, context);
    const std::string jre = ansi(names::kJavaRuntimeEnvironment);
    const std::string application = ansi(names::kApplication);
    auto value = [&](const std::string& section, const char16_t* key) {
        return lookupValue(source, section, ansi(key));
    };

    context.minVersion = versionLimit(value(jre, names::kMinimumVersion), false);
    context.maxVersion = versionLimit(value(jre, names::kMaximumVersion), true);
    if (value(application, names::kApplicationType) == "service") {
        context.isService = true;
    }
    context.preferredVersions = splitText(value(jre, names::kPreferredVersions), ";");

    // "JRE Path" lives in the per-user file once that exists, and only there.
    std::string userFile;
    if (userFileInForce(context)) {
        userFile = getUserConfigFilePath(context, false);
    }
    if (!userFile.empty() && userConfigFileExists(userFile)) {
        context.configuredJrePath = readProfileValue(userFile, jre, ansi(names::kJrePath));
    } else {
        context.configuredJrePath = value(jre, names::kJrePath);
    }

    context.jvmType = jvmTypeOf(value(jre, names::kJvmType));
    applyJvmSource(context, value(jre, names::kJvmSource));
    applyVmProvider(context, value(jre, names::kVmProvider));

    context.mainClass = value(jre, names::kMainClass);
    if (context.mainClass.empty()) {
        printError(loadMessage(msgMainClassMissing));
        return false;
    }
    context.mainClass = slashSeparatedClassName(context.mainClass);

    context.failureCheck = equalsIgnoringCase(value(application, names::kFailureCheck), "Yes");
    context.overrideWorkingDir = equalsIgnoringCase(value(application, names::kOverrideWorkingDir), "Yes");
    context.systemPath = value(jre, names::kSystemPath);
    context.libraryPath = value(jre, names::kLibraryPath);
    return true;
}

void applyWorkingDirOverride(LauncherContext&)
{
    std::string launcherPath;
    if (!getModulePath(launcherPath)) {
        return;
    }
    std::string::size_type separator = launcherPath.rfind(platform::pathSeparator());
    if (separator == std::string::npos || separator == 0) {
        return;
    }
    // A failed change leaves the search in the folder the launcher started in.
    platform::setCurrentDirectory(launcherPath.substr(0, separator));
}
