#pragma once
// INI file with the semantics of the operating system's private-profile
// service: every call reads the file afresh and every write reaches the file
// at once. Sections and keys are found case-insensitively; other lines are
// kept as they are when a key is written.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace torvana {

// A settings file is a few hundred bytes; a larger one than this is not read
// (every key reads as missing) and never replaced.
constexpr std::size_t IniFileSizeLimit = std::size_t{1} << 20;

class IniFile {
public:
    explicit IniFile(std::string path);

    const std::string& Path() const { return path; }

    // Missing file, section or key, or a value that is not an integer: nullopt.
    // An integer is an optional sign and decimal digits only, within int;
    // "12abc", "0x10" and an empty value count as missing.
    std::optional<int> ReadInteger(const std::string& section, const std::string& key) const;
    int ReadInteger(const std::string& section, const std::string& key, int defaultValue) const;
    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& defaultValue) const;

    // False when the file could not be written; the previous file stays whole
    // and reason, when given, says why. A file that exists but cannot be read
    // is never replaced, and a line break in the section, key or value is
    // refused.
    bool WriteString(const std::string& section, const std::string& key, const std::string& value,
                     std::string* reason = nullptr);
    bool WriteInteger(const std::string& section, const std::string& key, int value,
                      std::string* reason = nullptr);

private:
    std::string path;
};

// The same lookup and write on a settings file's text, without the file; the
// value found views the text.
std::optional<std::string_view> IniTextValue(std::string_view text, std::string_view section,
                                             std::string_view key);
std::string IniTextWith(std::string_view text, const std::string& section, const std::string& key,
                        const std::string& value);

}  // namespace torvana
