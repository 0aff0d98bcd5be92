#include "history/HistoryFile.h"

#include "core/AtomicFile.h"
#include "history/TextWords.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <vector>

namespace torvana {

namespace {

constexpr std::string_view Magic = "TORVANA_HISTORY";
constexpr int FormatVersion = 1;
constexpr char EscapeMark = '%';
constexpr char WordLead = '=';  // keeps an empty text a word of its own
constexpr int HexBase = 16;
constexpr int ByteLimit = 256;
constexpr unsigned char LastControlCharacter = 0x20;
constexpr unsigned char DeleteCharacter = 0x7f;

// Appends " idx:val" for every byte of to that differs from from, idx
// counted from base. Equal stretches are passed eight bytes at a time: a
// step changes a few of the image's 2 000 bytes.
template <std::size_t Size>
void AppendDifferences(std::string& text, const std::array<std::uint8_t, Size>& from,
                       const std::array<std::uint8_t, Size>& to, std::size_t base)
{
    constexpr std::size_t Stride = sizeof(std::uint64_t);
    constexpr std::size_t NumberLength = 32;
    for (std::size_t start = 0; start < Size; start += Stride) {
        if (start + Stride <= Size) {
            std::uint64_t fromWord = 0;
            std::uint64_t toWord = 0;
            std::memcpy(&fromWord, from.data() + start, Stride);
            std::memcpy(&toWord, to.data() + start, Stride);
            if (fromWord == toWord)
                continue;
        }
        for (std::size_t i = start; i < std::min(start + Stride, Size); ++i) {
            if (to[i] == from[i])
                continue;
            std::array<char, NumberLength> number{};
            char* end = number.data();
            *end++ = ' ';
            end = std::to_chars(end, number.data() + number.size(), base + i).ptr;
            *end++ = ':';
            end = std::to_chars(end, number.data() + number.size(), unsigned{to[i]}).ptr;
            text.append(number.data(), end);
        }
    }
}

// Appends "idx:val" for every byte where to differs from from, in the
// numbering of StateByte.
void AppendChanges(std::string& text, char tag, const EditorState& from, const EditorState& to)
{
    text += tag;
    AppendDifferences(text, from.image, to.image, 0);
    AppendDifferences(text, from.flags, to.flags, ImageSize);
    text += '\n';
}

class Parser {
public:
    Parser(std::string_view text, std::size_t capacity) : rest(text), history(capacity) {}

    HistoryParse Run()
    {
        const auto head = Words(NextLine());
        if (head.size() != 2 || head[0] != Magic || NumberOf<int>(head[1]) != FormatVersion)
            return Fail("not a history file of this program");
        const auto cursorLine = Words(NextLine());
        const auto cursor = cursorLine.size() == 2 && cursorLine[0] == "CURSOR"
                                ? NumberOf<std::size_t>(cursorLine[1])
                                : std::nullopt;
        if (!cursor)
            return Fail("no cursor line");
        std::deque<HistoryStep> steps;
        EditorState previous;
        while (!rest.empty()) {
            HistoryStep step;
            if (!ReadHead(step) || !ReadChanges('B', previous, step.before) ||
                !ReadChanges('A', step.before, step.after))
                return Fail(problem);
            previous = step.after;
            steps.push_back(std::move(step));
        }
        if (*cursor > steps.size())
            return Fail("cursor beyond the last step");
        history.Assign(std::move(steps), *cursor);
        return HistoryParse{std::move(history), {}};
    }

private:
    std::string_view NextLine()
    {
        ++line;
        const std::size_t end = std::min(rest.find('\n'), rest.size());
        const std::string_view result = rest.substr(0, end);
        rest.remove_prefix(std::min(end + 1, rest.size()));
        return result;
    }

    HistoryParse Fail(const std::string& what)
    {
        return HistoryParse{std::nullopt, "line " + std::to_string(line) + ": " + what};
    }

    bool Bad(const char* what)
    {
        problem = what;
        return false;
    }

    bool ReadHead(HistoryStep& step)
    {
        const auto words = Words(NextLine());
        if (words.size() != 5 || words[0] != "STEP")
            return Bad("a step line was expected");
        const auto time = NumberOf<std::int64_t>(words[1]);
        const auto cause = CauseNamed(words[2]);
        auto control = UnescapeWord(words[3]);
        auto detail = UnescapeWord(words[4]);
        if (!time || !cause || !control || !detail)
            return Bad("a damaged step line");
        step.timeMs = *time;
        step.cause = *cause;
        step.control = std::move(*control);
        step.detail = std::move(*detail);
        return true;
    }

    bool ReadChanges(char tag, const EditorState& from, EditorState& to)
    {
        const auto words = Words(NextLine());
        if (words.empty() || words[0].size() != 1 || words[0][0] != tag)
            return Bad("a line of changed bytes was expected");
        to = from;
        for (std::size_t w = 1; w < words.size(); ++w) {
            const std::size_t colon = words[w].find(':');
            if (colon == std::string_view::npos)
                return Bad("a changed byte without its value");
            const auto index = NumberOf<std::size_t>(words[w].substr(0, colon));
            const auto value = NumberOf<unsigned>(words[w].substr(colon + 1));
            if (!index || !value || *index >= StateByteCount || *value >= ByteLimit)
                return Bad("a changed byte out of range");
            SetStateByte(to, *index, static_cast<std::uint8_t>(*value));
        }
        return true;
    }

    std::string_view rest;
    EditHistory history;
    int line = 0;
    std::string problem;
};

}  // namespace

std::string EscapeWord(std::string_view text)
{
    std::string word(1, WordLead);
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte <= LastControlCharacter || byte == DeleteCharacter || c == EscapeMark) {
            char escaped[4];
            std::snprintf(escaped, sizeof escaped, "%%%02X", byte);
            word += escaped;
        } else {
            word += c;
        }
    }
    return word;
}

std::optional<std::string> UnescapeWord(std::string_view word)
{
    if (word.empty() || word.front() != WordLead)
        return std::nullopt;
    std::string text;
    for (std::size_t i = 1; i < word.size(); ++i) {
        if (word[i] != EscapeMark) {
            text += word[i];
            continue;
        }
        unsigned value = 0;
        if (i + 3 > word.size())
            return std::nullopt;
        const auto [end, error] = std::from_chars(word.data() + i + 1, word.data() + i + 3, value, HexBase);
        if (error != std::errc() || end != word.data() + i + 3)
            return std::nullopt;
        text += static_cast<char>(value);
        i += 2;
    }
    return text;
}

std::string FormatHistory(const EditHistory& history)
{
    std::string text = std::string(Magic) + ' ' + std::to_string(FormatVersion) + '\n';
    text += "CURSOR " + std::to_string(history.Cursor()) + '\n';
    EditorState previous;
    for (const HistoryStep& step : history.Steps()) {
        text += "STEP " + std::to_string(step.timeMs) + ' ' + std::string(CauseName(step.cause)) + ' ' +
                EscapeWord(step.control) + ' ' + EscapeWord(step.detail) + '\n';
        AppendChanges(text, 'B', previous, step.before);
        AppendChanges(text, 'A', step.before, step.after);
        previous = step.after;
    }
    return text;
}

HistoryParse ParseHistory(std::string_view text, std::size_t capacity)
{
    return Parser(text, capacity).Run();
}

std::string SaveHistoryFile(const std::string& path, const EditHistory& history, std::size_t budget)
{
    std::string text = FormatHistory(history);
    if (text.size() > budget) {
        EditHistory shorter = history;
        while (text.size() > budget && !shorter.Steps().empty()) {
            shorter.KeepNewest(shorter.Steps().size() * 3 / 4);
            text = FormatHistory(shorter);
        }
    }
    return ReplaceFile(path, text);
}

HistoryLoad LoadHistoryFile(const std::string& path, EditHistory& history)
{
    const FileReadResult file = ReadFileUpTo(path, HistoryFileSizeLimit);
    if (file.status == FileReadStatus::Missing)
        return {};
    std::string problem = file.reason;
    if (file.status == FileReadStatus::Read) {
        HistoryParse parsed = ParseHistory(file.contents, history.Capacity());
        if (parsed.history) {
            history = std::move(*parsed.history);
            return HistoryLoad{true, {}, {}};
        }
        problem = parsed.problem;
    }
    const std::string aside = path + DamagedHistorySuffix;
    std::error_code error;
    std::filesystem::rename(path, aside, error);
    return HistoryLoad{false, problem, error ? error.message() : std::string()};
}

}  // namespace torvana
