#pragma once
// The settings store's text rules: how section and setting names become
// registry names, and when a read value counts as missing. No Win32 here,
// so the rules also build natively (for fuzzing).

#include <string>

// With Escape: every "#" doubled, then every backslash replaced by "#0", so
// that the name holds no backslash and the escaping can be undone.
std::string EscapeSettingName(const std::string& Name, bool Escape);

// Default when Value is blank (nothing but characters of code 32 or below),
// else Value as it is, untrimmed.
std::string BlankToDefault(std::string Value, const std::string& Default);
