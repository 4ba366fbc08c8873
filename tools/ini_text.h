// The configuration file's text in the form the launcher expects embedded:
// UTF-16, every line ending in CR LF (the launcher splits the embedded text
// at CR LF only).
#pragma once

#include <string>

#include "tools/little_endian.h"

namespace packer {

// Decodes the bytes of a configuration file: UTF-16LE after its byte-order
// mark, UTF-8 after its mark or when the bytes are valid UTF-8, otherwise
// text in the ANSI code page. Line ends LF, CR and CR LF all become CR LF.
// False, with the reason in `error`, when the bytes cannot be such a text;
// `text` is then untouched.
bool iniTextFromFile(const Bytes& bytes, std::u16string& text, std::string& error);

// The text's code units as little-endian bytes, and back; an odd last byte
// forms no code unit and is dropped, as the launcher drops it.
Bytes utf16LittleEndian(const std::u16string& text);
std::u16string textFromUtf16LittleEndian(const Bytes& bytes);

}  // namespace packer
