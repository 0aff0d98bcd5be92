#pragma once
// The settings file: window placement, port, language, last parameter file,
// active page and four check boxes, kept between runs.

#include "settings/IniFile.h"

#include <cstdint>
#include <optional>
#include <string>

namespace torvana {

// What the settings file restores, as the main window holds it. The values
// here are those of a first start apart from the window's left and top edges,
// which the window sets by centring itself before loading.
struct StoredSettings {
    static constexpr int DesignedHeight = 788;
    static constexpr int DesignedWidth = 1010;
    static constexpr std::uint8_t FirstComPort = 1;
    static constexpr std::uint8_t LastComPort = 10;
    static constexpr std::uint8_t LanguageCount = 4;
    static constexpr std::uint8_t PageCount = 14;

    int left = 0;
    int top = 0;
    int height = DesignedHeight;
    int width = DesignedWidth;
    std::uint8_t comPortNumber = FirstComPort;
    std::uint8_t languageIndex = 0;
    std::string file;          // caption of the file label
    std::string lastFileName;  // key IniDir: name given to the file dialogs
    std::uint8_t activePageIndex = 0;
    bool extMonitor = false;
    bool allServo = false;
    bool allPolohaA = false;
    bool allPolohaB = false;
};

// Every key that is missing or not an integer leaves its member as it is;
// File and IniDir become empty when missing or longer than a path may be. Port, language and page keep
// their low byte; a low byte outside the port numbers, the languages or the
// pages also leaves the member as it is, so no table is ever indexed past
// its end.
void LoadSettings(const IniFile& ini, StoredSettings& inOut);

// Writes every key in the file's order. Stops at the first key that cannot be
// written and returns the message to show ("Unable to write to" the file,
// then the reason on a line of its own); nullopt when all were written.
std::optional<std::string> SaveSettings(IniFile& ini, const StoredSettings& settings);

}  // namespace torvana
