#include "settings/SettingsStore.h"

#include "texts/MessageTable.h"

#include <climits>

namespace torvana {

namespace {

constexpr const char* FormSection = "FORM_HLAV";
constexpr const char* IgnitionSection = "IGNITION";
constexpr const char* LeftKey = "Left";
constexpr const char* TopKey = "Top";
constexpr const char* HeightKey = "Height";
constexpr const char* WidthKey = "Width";
constexpr const char* ComPortKey = "ComPort";
constexpr const char* LanguageKey = "Language";
constexpr const char* FileKey = "File";
constexpr const char* IniDirKey = "IniDir";
constexpr const char* PageKey = "PageControl1->ActivePageIndex";
constexpr const char* ExtMonitorKey = "CheckBoxExtMonitor->Checked";
constexpr const char* AllServoKey = "CheckBoxAll_Servo->Checked";
constexpr const char* AllPolohaAKey = "CheckBoxAll_PolohaA->Checked";
constexpr const char* AllPolohaBKey = "CheckBoxAll_PolohaB->Checked";
constexpr std::size_t FileNameLimit = PATH_MAX;

// Low byte of the stored value when it lies in [first, last]; else current.
std::uint8_t ReadLowByte(const IniFile& ini, const char* section, const char* key,
                         std::uint8_t current, std::uint8_t first, std::uint8_t last)
{
    const auto lowByte = static_cast<std::uint8_t>(ini.ReadInteger(section, key, current));
    return lowByte >= first && lowByte <= last ? lowByte : current;
}

bool ReadCheck(const IniFile& ini, const char* key, bool current)
{
    return ini.ReadInteger(IgnitionSection, key, current ? 1 : 0) != 0;
}

// Writes keys one after the other until one fails.
class KeyWriter {
public:
    explicit KeyWriter(IniFile& ini) : ini(ini) {}

    void Integer(const char* section, const char* key, int value)
    {
        ok = ok && ini.WriteInteger(section, key, value, &reason);
    }
    void String(const char* section, const char* key, const std::string& value)
    {
        ok = ok && ini.WriteString(section, key, value, &reason);
    }
    void Check(const char* key, bool ticked) { Integer(IgnitionSection, key, ticked ? 1 : 0); }

    bool Ok() const { return ok; }
    // Why the first failed key failed.
    const std::string& Reason() const { return reason; }

private:
    IniFile& ini;
    bool ok = true;
    std::string reason;
};

// A file name longer than the system allows is no file name: garbage in the
// file must not reach the label or the file dialogs.
std::string ReadFileName(const IniFile& ini, const char* key)
{
    std::string name = ini.ReadString(FormSection, key, "");
    return name.size() < FileNameLimit ? name : std::string{};
}

}  // namespace

void LoadSettings(const IniFile& ini, StoredSettings& inOut)
{
    inOut.left = ini.ReadInteger(FormSection, LeftKey, inOut.left);
    inOut.top = ini.ReadInteger(FormSection, TopKey, inOut.top);
    inOut.height = ini.ReadInteger(FormSection, HeightKey, inOut.height);
    inOut.width = ini.ReadInteger(FormSection, WidthKey, inOut.width);
    inOut.comPortNumber = ReadLowByte(ini, FormSection, ComPortKey, inOut.comPortNumber,
                                      StoredSettings::FirstComPort, StoredSettings::LastComPort);
    inOut.languageIndex = ReadLowByte(ini, FormSection, LanguageKey, inOut.languageIndex, 0,
                                      StoredSettings::LanguageCount - 1);
    inOut.file = ReadFileName(ini, FileKey);
    inOut.lastFileName = ReadFileName(ini, IniDirKey);
    inOut.activePageIndex = ReadLowByte(ini, IgnitionSection, PageKey, inOut.activePageIndex, 0,
                                        StoredSettings::PageCount - 1);
    inOut.extMonitor = ReadCheck(ini, ExtMonitorKey, inOut.extMonitor);
    inOut.allServo = ReadCheck(ini, AllServoKey, inOut.allServo);
    inOut.allPolohaA = ReadCheck(ini, AllPolohaAKey, inOut.allPolohaA);
    inOut.allPolohaB = ReadCheck(ini, AllPolohaBKey, inOut.allPolohaB);
}

std::optional<std::string> SaveSettings(IniFile& ini, const StoredSettings& settings)
{
    KeyWriter write(ini);
    write.Integer(FormSection, LeftKey, settings.left);
    write.Integer(FormSection, TopKey, settings.top);
    write.Integer(FormSection, HeightKey, settings.height);
    write.Integer(FormSection, WidthKey, settings.width);
    write.Integer(FormSection, ComPortKey, settings.comPortNumber);
    write.Integer(FormSection, LanguageKey, settings.languageIndex);
    write.String(FormSection, FileKey, settings.file);
    write.String(FormSection, IniDirKey, settings.lastFileName);
    write.Integer(IgnitionSection, PageKey, settings.activePageIndex);
    write.Check(ExtMonitorKey, settings.extMonitor);
    write.Check(AllServoKey, settings.allServo);
    write.Check(AllPolohaAKey, settings.allPolohaA);
    write.Check(AllPolohaBKey, settings.allPolohaB);
    if (write.Ok())
        return std::nullopt;
    MessageTable texts;
    SetMessageTexts(texts, settings.languageIndex);
    return FillIn(texts.TextUnableToWrite, {ini.Path()}) + "\n" + write.Reason();
}

}  // namespace torvana
