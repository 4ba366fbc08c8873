#include "platform/cipher.h"

#include "platform/scoped_handle.h"
#include "platform/win32/windows_api.h"

#include <wincrypt.h>

namespace platform {

namespace {

struct CryptContextTraits {
    using Handle = HCRYPTPROV;
    static Handle invalid() noexcept { return 0; }
    static void close(Handle handle) noexcept { CryptReleaseContext(handle, 0); }
};

struct CryptHashTraits {
    using Handle = HCRYPTHASH;
    static Handle invalid() noexcept { return 0; }
    static void close(Handle handle) noexcept { CryptDestroyHash(handle); }
};

struct CryptKeyTraits {
    using Handle = HCRYPTKEY;
    static Handle invalid() noexcept { return 0; }
    static void close(Handle handle) noexcept { CryptDestroyKey(handle); }
};

constexpr char kProvider[] = "Microsoft Base Cryptographic Provider v1.0";
// Win32s and the first Windows 95 cannot open a verify-only context; they
// use a key container of this name.
constexpr char kContainer[] = "TarnConfigs";

bool isOldPlatform()
{
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof(OSVERSIONINFOA);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    if (!GetVersionExA(&version)) {
        return false;
    }
#pragma GCC diagnostic pop
    return version.dwPlatformId == VER_PLATFORM_WIN32s ||
           (version.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS && version.dwMajorVersion == 4 &&
            version.dwMinorVersion == 0);
}

ScopedHandle<CryptContextTraits> acquireContext()
{
    HCRYPTPROV context = 0;
    if (isOldPlatform()) {
        if (CryptAcquireContextA(&context, kContainer, kProvider, PROV_RSA_FULL, 0) ||
            CryptAcquireContextA(&context, kContainer, kProvider, PROV_RSA_FULL, CRYPT_NEWKEYSET)) {
            return ScopedHandle<CryptContextTraits>(context);
        }
    }
    if (CryptAcquireContextA(&context, nullptr, kProvider, PROV_RSA_FULL, CRYPT_VERIFYCONTEXT)) {
        return ScopedHandle<CryptContextTraits>(context);
    }
    return ScopedHandle<CryptContextTraits>();
}

}  // namespace

bool rc4WithDerivedKey(std::string_view keyMaterial, std::vector<std::uint8_t>& buffer)
{
    ScopedHandle<CryptContextTraits> context = acquireContext();
    if (!context) {
        return false;
    }
    ScopedHandle<CryptKeyTraits> key;
    {
        HCRYPTHASH rawHash = 0;
        if (!CryptCreateHash(context.get(), CALG_MD5, 0, 0, &rawHash)) {
            return false;
        }
        ScopedHandle<CryptHashTraits> hash(rawHash);
        if (!CryptHashData(hash.get(), reinterpret_cast<const BYTE*>(keyMaterial.data()),
                           static_cast<DWORD>(keyMaterial.size()), 0)) {
            return false;
        }
        HCRYPTKEY rawKey = 0;
        if (!CryptDeriveKey(context.get(), CALG_RC4, hash.get(), 0, &rawKey)) {
            return false;
        }
        key.reset(rawKey);
    }
    if (buffer.empty()) {
        return true;
    }
    // A stream cipher: the output is as long as the input, in place.
    std::vector<std::uint8_t> work = buffer;
    DWORD length = static_cast<DWORD>(work.size());
    if (!CryptDecrypt(key.get(), 0, TRUE, 0, work.data(), &length)) {
        return false;
    }
    work.resize(length);
    buffer = std::move(work);
    return true;
}

}  // namespace platform
