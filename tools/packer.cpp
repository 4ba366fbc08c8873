#include "tools/packer.h"

#include <algorithm>

#include "tools/embedded_configuration.h"
#include "tools/file_io.h"
#include "tools/ini_text.h"
#include "tools/launcher_file.h"

namespace packer {

namespace {

bool fail(std::string& error, const std::string& path, const std::string& reason)
{
    error = path + ": " + reason;
    return false;
}

const RawResource* findResource(const std::vector<RawResource>& resources, std::uint16_t id)
{
    auto found = std::find_if(resources.begin(), resources.end(),
                              [id](const RawResource& resource) { return resource.id == id; });
    return found == resources.end() ? nullptr : &*found;
}

}  // namespace

bool packLauncher(const PackRequest& request, std::string& error)
{
    Bytes launcher;
    if (!readWholeFile(request.launcher, launcher)) {
        return fail(error, request.launcher, "cannot read the launcher");
    }
    Bytes iniBytes;
    if (!readWholeFile(request.iniFile, iniBytes)) {
        return fail(error, request.iniFile, "cannot read the configuration file");
    }
    std::u16string iniText;
    std::string reason;
    if (!iniTextFromFile(iniBytes, iniText, reason)) {
        return fail(error, request.iniFile, "not a configuration text: " + reason);
    }
    EncipheredConfiguration enciphered;
    if (!encipherConfiguration(iniText, request.upgradeCode, request.passPhrase, enciphered, error)) {
        return false;
    }
    Bytes packed;
    std::vector<RawResource> resources{{kConfigurationResource, enciphered.configuration},
                                       {kPassPhraseResource, enciphered.passPhrase}};
    if (!writeRawResources(launcher, resources, packed, reason)) {
        return fail(error, request.launcher, reason);
    }
    if (!writeFileInPlace(request.output, packed, request.launcher)) {
        return fail(error, request.output, "cannot write the packed launcher");
    }
    return true;
}

bool showConfiguration(const std::string& launcher, const std::string& upgradeCode, std::u16string& iniText,
                       std::string& error)
{
    Bytes file;
    if (!readWholeFile(launcher, file)) {
        return fail(error, launcher, "cannot read the launcher");
    }
    std::vector<RawResource> resources;
    std::string reason;
    if (!readRawResources(file, resources, reason)) {
        return fail(error, launcher, reason);
    }
    const RawResource* configuration = findResource(resources, kConfigurationResource);
    const RawResource* passPhrase = findResource(resources, kPassPhraseResource);
    if (configuration == nullptr || passPhrase == nullptr) {
        return fail(error, launcher, "carries no embedded configuration");
    }
    EncipheredConfiguration enciphered{configuration->bytes, passPhrase->bytes};
    if (!decipherConfiguration(enciphered, upgradeCode, iniText, reason)) {
        return fail(error, launcher, reason);
    }
    return true;
}

}  // namespace packer
