#include "packer/synthetic_pe.h"

namespace synthetic {

using packer::write16;
using packer::write32;

std::size_t sectionTable(bool pe32Plus)
{
    return kOptionalHeader + (pe32Plus ? 0xF0 : 0xE0);
}

std::size_t dataDirectory(bool pe32Plus, std::size_t index)
{
    return kOptionalHeader + (pe32Plus ? 112 : 96) + 8 * index;
}

packer::Bytes syntheticPe(bool pe32Plus)
{
    packer::Bytes file(0x400, 0);
    file[0] = 'M';
    file[1] = 'Z';
    write32(file, 0x3C, 0x40);
    file[0x40] = 'P';
    file[0x41] = 'E';
    write16(file, kFileHeader, pe32Plus ? 0x8664 : 0x14C);
    write16(file, kFileHeader + 2, 1);
    write16(file, kFileHeader + 16, pe32Plus ? 0xF0 : 0xE0);
    write16(file, kFileHeader + 18, pe32Plus ? 0x22 : 0x102);

    write16(file, kOptionalHeader, pe32Plus ? 0x20B : 0x10B);
    write32(file, kOptionalHeader + 4, 0x200);    // size of code
    write32(file, kOptionalHeader + 16, 0x1000);  // entry point
    write32(file, kOptionalHeader + 32, kSectionAlignment);
    write32(file, kOptionalHeader + 36, kFileAlignment);
    write16(file, kOptionalHeader + 48, 4);       // subsystem version
    write32(file, kOptionalHeader + 56, 0x2000);  // size of image
    write32(file, kOptionalHeader + 60, 0x200);   // size of headers
    write16(file, kOptionalHeader + 68, 3);       // console
    write32(file, kOptionalHeader + (pe32Plus ? 108 : 92), 16);

    std::size_t section = sectionTable(pe32Plus);
    const char name[] = ".text";
    for (std::size_t n = 0; n < sizeof name - 1; ++n) {
        file[section + n] = static_cast<std::uint8_t>(name[n]);
    }
    write32(file, section + 8, 0x10);
    write32(file, section + 12, 0x1000);
    write32(file, section + 16, 0x200);
    write32(file, section + 20, 0x200);
    write32(file, section + 36, 0x60000020);
    file[0x200] = 0xC3;  // ret
    return file;
}

}  // namespace synthetic
