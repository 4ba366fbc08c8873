// Section and key names of the configuration. They are kept as UTF-16 and
// converted to the ANSI code page where they are used, as every other text
// of the launcher is.
#pragma once

#include <string>

#include "platform/text_conversion.h"

namespace names {

constexpr char16_t kApplication[] = u"Application";
constexpr char16_t kJavaRuntimeEnvironment[] = u"Java Runtime Environment";
constexpr char16_t kClassPathSection[] = u"Class Path";
constexpr char16_t kProductInformation[] = u"Product Information";

constexpr char16_t kApplicationType[] = u"Application Type";
constexpr char16_t kSingleInstance[] = u"Single Instance";
constexpr char16_t kFailureCheck[] = u"Failure Check";
constexpr char16_t kOverrideWorkingDir[] = u"Override WorkingDir";
constexpr char16_t kOutputFile[] = u"Output File";
constexpr char16_t kErrorFile[] = u"Error File";
constexpr char16_t kCmd[] = u"Cmd";
constexpr char16_t kMinimumVersion[] = u"Minimum Version";
constexpr char16_t kMaximumVersion[] = u"Maximum Version";
constexpr char16_t kPreferredVersions[] = u"Preferred versions";
constexpr char16_t kJrePath[] = u"JRE Path";
constexpr char16_t kJvmType[] = u"JVM Type";
constexpr char16_t kJvmSource[] = u"JVM Source";
constexpr char16_t kVmProvider[] = u"VM Provider";
constexpr char16_t kMainClass[] = u"Main Class";
constexpr char16_t kSystemPath[] = u"System Path";
constexpr char16_t kLibraryPath[] = u"Library Path";
constexpr char16_t kVirtualMachineParameters[] = u"Virtual Machine Parameters";
constexpr char16_t kClassPath[] = u"Class Path";
constexpr char16_t kProductCode[] = u"Product Code";
constexpr char16_t kUpgradeCode[] = u"Upgrade Code";
constexpr char16_t kProductName[] = u"Product Name";

}  // namespace names

// A name in the ANSI code page.
inline std::string ansi(const char16_t* name)
{
    return platform::narrowFromUtf16(name);
}
