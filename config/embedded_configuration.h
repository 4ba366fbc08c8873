// The configuration text compiled into the executable, enciphered in two
// stages: the pass phrase (resource 9000) under the product's Upgrade Code,
// and the INI text (resource 8000) under the pass phrase.
#pragma once

#include <cstdint>
#include <string>

struct LauncherContext;

constexpr std::uint16_t kEmbeddedTextResource = 8000;
constexpr std::uint16_t kPassPhraseResource = 9000;

// The deciphered UTF-16LE text of raw-data resource `id`, with a key derived
// from `keyMaterial`. Empty when the resource is missing or cannot be
// deciphered, so enciphered bytes never pass for text.
std::u16string DecipherResource(std::uint16_t id, const std::string& keyMaterial);

// The embedded INI text in the ANSI code page, or empty.
std::string LoadEmbeddedConfiguration(const LauncherContext& context);
