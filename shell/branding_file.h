#pragma once

// rechOpt.dat: the branding file. 3-byte records, each a decimal number; record 153 holds the shift K, and
// each text is a block of records holding its character codes plus K.

namespace tervalo {

inline constexpr const char* kBrandingFileName = "rechOpt.dat";
inline constexpr const char* kDefaultProductName = "Quelmo";
// Without words, so that the info box reads the same in every language (0xA9 is the copyright sign in each
// code page of the languages).
inline constexpr const char* kDefaultNoticeLine = "\xA9 Quelmo";
inline constexpr const char* kDefaultWebAddress = "www.quelmo-software.example";

// Fills ProductName, NoticeLine, WebAddress, the owner lines and UserName; an empty or missing file gives the
// defaults above and leaves the owner lines and UserName as they are. So does a file whose texts decode to
// control characters, which no branding holds: false then, for the caller to report.
bool ReadBranding();

}  // namespace tervalo
