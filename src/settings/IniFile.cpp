#include "settings/IniFile.h"

#include "core/AtomicFile.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <string_view>
#include <utility>
#include <vector>

namespace torvana {

namespace {

constexpr std::string_view Blanks = " \t\r";
constexpr char SectionOpen = '[';
constexpr char SectionClose = ']';
constexpr char KeySeparator = '=';
constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

std::string_view Trim(std::string_view text)
{
    const auto first = text.find_first_not_of(Blanks);
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(Blanks);
    return text.substr(first, last - first + 1);
}

bool EqualNoCase(std::string_view a, std::string_view b)
{
    return std::ranges::equal(a, b, [](unsigned char x, unsigned char y) {
        return std::tolower(x) == std::tolower(y);
    });
}

// The file as lines without their line ends, viewing the text they were
// parsed from (nothing is copied: every read parses the whole file); CR LF
// files stay CR LF, and a file that starts with a byte-order mark keeps it.
struct IniLines {
    std::vector<std::string_view> lines;
    std::string_view lineEnd = "\n";
    std::string_view byteOrderMark;
};

// A missing file reads as empty; the reason when the file exists but cannot
// be read, so that a write never replaces a file it could not see.
struct LoadResult {
    std::optional<std::string> contents;
    std::string reason;
};

IniLines ParseLines(std::string_view rest)
{
    IniLines result;
    if (rest.starts_with(ByteOrderMark)) {
        result.byteOrderMark = ByteOrderMark;
        rest.remove_prefix(ByteOrderMark.size());
    }
    while (!rest.empty()) {
        const auto end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
            result.lineEnd = "\r\n";
        }
        result.lines.push_back(line);
    }
    return result;
}

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

// Where a key lives: the line of the key, and the line after the section's
// last non-blank line (where a new key goes). Both absent when the section is.
struct KeyPlace {
    std::optional<std::size_t> keyLine;
    std::optional<std::size_t> insertLine;
};

KeyPlace Find(const std::vector<std::string_view>& lines, std::string_view section, std::string_view key)
{
    KeyPlace place;
    bool inSection = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (const auto name = SectionName(lines[i])) {
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
        if (!Trim(lines[i]).empty())
            place.insertLine = i + 1;
        const auto entry = KeyValue(lines[i]);
        if (entry && !place.keyLine && EqualNoCase(entry->first, key))
            place.keyLine = i;
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

std::optional<std::string> FindValue(const IniLines& file, std::string_view section, std::string_view key)
{
    const KeyPlace place = Find(file.lines, section, key);
    if (!place.keyLine)
        return std::nullopt;
    return std::string(KeyValue(file.lines[*place.keyLine])->second);
}

std::optional<std::string> FindValue(const std::string& path, std::string_view section,
                                     std::string_view key)
{
    const auto contents = Load(path).contents;
    if (!contents)
        return std::nullopt;
    return FindValue(ParseLines(*contents), section, key);
}

// A line break in a name or value would split the entry into other lines.
bool HasLineBreak(std::string_view text)
{
    return text.find_first_of("\r\n") != std::string_view::npos;
}

// The file's text with the key set to value.
std::string WithEntry(const IniLines& file, const std::string& section, const std::string& key,
                      const std::string& value)
{
    const KeyPlace place = Find(file.lines, section, key);
    const std::string entry = key + KeySeparator + value;
    std::string contents(file.byteOrderMark);
    const auto append = [&](std::string_view line) {
        contents += line;
        contents += file.lineEnd;
    };
    // A new key goes before the line at its insert place, or at the end.
    const bool insert = !place.keyLine && place.insertLine;
    for (std::size_t i = 0; i < file.lines.size(); ++i) {
        if (insert && *place.insertLine == i)
            append(entry);
        append(place.keyLine == i ? std::string_view(entry) : file.lines[i]);
    }
    if (insert && *place.insertLine == file.lines.size())
        append(entry);
    if (!place.keyLine && !place.insertLine) {
        append(SectionOpen + section + SectionClose);
        append(entry);
    }
    return contents;
}

}  // namespace

std::optional<std::string> IniTextValue(std::string_view text, std::string_view section, std::string_view key)
{
    return FindValue(ParseLines(text), section, key);
}

std::string IniTextWith(std::string_view text, const std::string& section, const std::string& key,
                        const std::string& value)
{
    return WithEntry(ParseLines(text), section, key, value);
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
        failure = ReplaceFile(path, WithEntry(ParseLines(*loaded.contents), section, key, value));
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
