#include "settings/IniFile.h"

#include "core/AtomicFile.h"
#include "core/CharClass.h"

#include <algorithm>
#include <charconv>
#include <string_view>
#include <utility>

namespace torvana {

namespace {

constexpr char SectionOpen = '[';
constexpr char SectionClose = ']';
constexpr char KeySeparator = '=';
constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view CrLf = "\r\n";

constexpr bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::string_view Trim(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool EqualNoCase(std::string_view a, std::string_view b)
{
    return std::ranges::equal(a, b, [](char x, char y) { return AsciiLower(x) == AsciiLower(y); });
}

// The file's text split into its byte-order mark, if it starts with one, and
// the lines after it. Lines are walked in the text, never copied: every read
// parses the whole file.
struct IniText {
    std::string_view byteOrderMark;
    std::string_view body;
    // CR LF files stay CR LF.
    std::string_view LineEnd() const
    {
        return body.find(CrLf) != std::string_view::npos || body.ends_with('\r') ? CrLf : "\n";
    }
};

IniText SplitText(std::string_view text)
{
    if (text.starts_with(ByteOrderMark))
        return {ByteOrderMark, text.substr(ByteOrderMark.size())};
    return {{}, text};
}

// The next line of rest without its line end; rest moves past it.
std::string_view TakeLine(std::string_view& rest)
{
    const auto end = rest.find('\n');
    std::string_view line = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
    if (line.ends_with('\r'))
        line.remove_suffix(1);
    return line;
}

// A missing file reads as empty; the reason when the file exists but cannot
// be read, so that a write never replaces a file it could not see.
struct LoadResult {
    std::optional<std::string> contents;
    std::string reason;
};

LoadResult Load(const std::string& path)
{
    FileReadResult read = ReadFileUpTo(path, IniFileSizeLimit);
    if (read.status == FileReadStatus::Missing)
        return {std::string{}, {}};
    if (read.status != FileReadStatus::Read)
        return {std::nullopt, read.reason};
    return {std::move(read.contents), {}};
}

// Section name of a "[name]" line, or nullopt for any other line.
std::optional<std::string_view> SectionName(std::string_view line)
{
    const std::string_view trimmed = Trim(line);
    if (trimmed.empty() || trimmed.front() != SectionOpen)
        return std::nullopt;
    const auto close = trimmed.find(SectionClose);
    if (close == std::string_view::npos)
        return std::nullopt;
    return Trim(trimmed.substr(1, close - 1));
}

// Key and value of a "key=value" line, both trimmed.
std::optional<std::pair<std::string_view, std::string_view>> KeyValue(std::string_view line)
{
    const auto separator = line.find(KeySeparator);
    if (separator == std::string_view::npos)
        return std::nullopt;
    return std::pair{Trim(line.substr(0, separator)), Trim(line.substr(separator + 1))};
}

// Where a key lives: the line of the key and its value, and the line after
// the section's last non-blank line (where a new key goes). All absent when
// the section is.
struct KeyPlace {
    std::optional<std::size_t> keyLine;
    std::string_view value;
    std::optional<std::size_t> insertLine;
};

enum class FindUntil { Key, SectionEnd };

KeyPlace Find(std::string_view body, std::string_view section, std::string_view key, FindUntil until)
{
    KeyPlace place;
    bool inSection = false;
    for (std::size_t i = 0; !body.empty(); ++i) {
        const std::string_view line = TakeLine(body);
        if (const auto name = SectionName(line)) {
            // The first section of a name is the one read and written.
            if (inSection)
                break;
            inSection = EqualNoCase(*name, section);
            if (inSection)
                place.insertLine = i + 1;
            continue;
        }
        if (!inSection)
            continue;
        if (!Trim(line).empty())
            place.insertLine = i + 1;
        const auto entry = KeyValue(line);
        if (entry && !place.keyLine && EqualNoCase(entry->first, key)) {
            place.keyLine = i;
            place.value = entry->second;
            if (until == FindUntil::Key)
                break;
        }
    }
    return place;
}

// An integer is an optional sign followed by decimal digits only, within the
// range of int; anything else counts as a missing value.
std::optional<int> ParseInteger(std::string_view text)
{
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    if (text.empty())
        return std::nullopt;
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc{} || stop != end)
        return std::nullopt;
    return value;
}

std::optional<std::string_view> FindTextValue(std::string_view text, std::string_view section, std::string_view key)
{
    const KeyPlace place = Find(SplitText(text).body, section, key, FindUntil::Key);
    if (!place.keyLine)
        return std::nullopt;
    return place.value;
}

std::optional<std::string> FindValue(const std::string& path, std::string_view section,
                                     std::string_view key)
{
    const auto contents = Load(path).contents;
    if (!contents)
        return std::nullopt;
    const auto value = FindTextValue(*contents, section, key);
    if (!value)
        return std::nullopt;
    return std::string(*value);
}

// A line break in a name or value would split the entry into other lines.
bool HasLineBreak(std::string_view text)
{
    return text.find_first_of("\r\n") != std::string_view::npos;
}

// The file's text with the key set to value.
std::string WithEntry(std::string_view text, const std::string& section, const std::string& key,
                      const std::string& value)
{
    const IniText file = SplitText(text);
    const std::string_view lineEnd = file.LineEnd();
    const KeyPlace place = Find(file.body, section, key, FindUntil::SectionEnd);
    const std::string entry = key + KeySeparator + value;
    std::string contents(file.byteOrderMark);
    // Room for the text, the entry and a new section: the string grows once at most.
    contents.reserve(text.size() + entry.size() + section.size() + 2 * (CrLf.size() + 1));
    const auto append = [&](std::string_view line) {
        contents += line;
        contents += lineEnd;
    };
    // A new key goes before the line at its insert place, or at the end.
    const bool insert = !place.keyLine && place.insertLine;
    std::size_t i = 0;
    for (std::string_view rest = file.body; !rest.empty(); ++i) {
        const std::string_view line = TakeLine(rest);
        if (insert && *place.insertLine == i)
            append(entry);
        append(place.keyLine == i ? std::string_view(entry) : line);
    }
    if (insert && *place.insertLine == i)
        append(entry);
    if (!place.keyLine && !place.insertLine) {
        append(SectionOpen + section + SectionClose);
        append(entry);
    }
    return contents;
}

}  // namespace

std::optional<std::string_view> IniTextValue(std::string_view text, std::string_view section,
                                             std::string_view key)
{
    return FindTextValue(text, section, key);
}

std::string IniTextWith(std::string_view text, const std::string& section, const std::string& key,
                        const std::string& value)
{
    return WithEntry(text, section, key, value);
}

IniFile::IniFile(std::string path) : path(std::move(path)) {}

std::optional<int> IniFile::ReadInteger(const std::string& section, const std::string& key) const
{
    const auto value = FindValue(path, section, key);
    if (!value)
        return std::nullopt;
    return ParseInteger(*value);
}

int IniFile::ReadInteger(const std::string& section, const std::string& key, int defaultValue) const
{
    return ReadInteger(section, key).value_or(defaultValue);
}

std::string IniFile::ReadString(const std::string& section, const std::string& key,
                                const std::string& defaultValue) const
{
    return FindValue(path, section, key).value_or(defaultValue);
}

bool IniFile::WriteString(const std::string& section, const std::string& key, const std::string& value,
                          std::string* reason)
{
    std::string failure;
    if (HasLineBreak(section) || HasLineBreak(key) || HasLineBreak(value)) {
        failure = key + " in [" + section + "]: a line break cannot be stored";
    } else if (LoadResult loaded = Load(path); !loaded.contents) {
        failure = loaded.reason;
    } else {
        failure = ReplaceFile(path, WithEntry(*loaded.contents, section, key, value));
    }
    if (reason != nullptr)
        *reason = failure;
    return failure.empty();
}

bool IniFile::WriteInteger(const std::string& section, const std::string& key, int value,
                           std::string* reason)
{
    return WriteString(section, key, std::to_string(value), reason);
}

}  // namespace torvana
