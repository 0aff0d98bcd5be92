// Any bytes as monitor frames, through the decoder alone. The first byte
// holds the options: bit 0 the extended monitor, bit 1 the servo group
// shown, bit 2 seals each frame's check byte, bit 3 puts each command into
// the monitor family (so that the decoding itself is reached). The rest is
// cut into frames, the last one padded with zeros, and decoded one after
// another into the same live values and view, as the window does.
//
// Checked for every frame: acceptance is exactly "monitor family and sound
// check byte"; a refused frame changes nothing; an accepted one leaves the
// same values and view as on a fresh start (the decoder keeps no state of
// its own), gauges 0..100, each label's colour from its own set, a text for
// every label but the power outputs, texts short and clean UTF-8, the kept
// values as the frame says; the extended monitor only lengthens its four
// labels and the servo option only changes the servo labels' visibility.

#include "FuzzSupport.h"
#include "link/LiveValues.h"
#include "link/MonitorDecoder.h"
#include "link/MonitorFrame.h"
#include "link/MonitorView.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <span>
#include <string>
#include <utility>

namespace torvana {
namespace {

constexpr std::uint8_t ExtendedBit = 0x01;
constexpr std::uint8_t ServoBit = 0x02;
constexpr std::uint8_t SealBit = 0x04;
constexpr std::uint8_t FamilyBit = 0x08;
constexpr std::uint8_t CommandLowBits = 0x0F;

// The decoder formats into 64 bytes; a text this long was cut short.
constexpr std::size_t LongestText = 62;
constexpr int TextLabelCount = MonitorLabelCount - MonitorPowerOutputCount;
constexpr int RpmPerGaugeStep = 100;
constexpr int TpsErrorAbove = 100;
constexpr int TemperatureBias = 100;
constexpr std::uint8_t WaterErrorSubstitute = 180;
constexpr int AsciiControlEnd = 0x20;
constexpr int AsciiDelete = 0x7F;

using Colours = std::span<const Colour>;

constexpr std::array<Colour, 3> RpmColours = {Colour::Normal, Colour::Red, Colour::Fuchsia};
constexpr std::array<Colour, 3> SupplyColours = {Colour::Normal, Colour::Yellow, Colour::Red};
constexpr std::array<Colour, 2> LimiterColours = {Colour::Normal, Colour::White};
constexpr std::array<Colour, 2> TachoColours = {Colour::Normal, Colour::Fuchsia};
constexpr std::array<Colour, 2> OutputColours = {Colour::Yellow, Colour::Lime};
constexpr std::array<Colour, 2> AlarmColours = {Colour::Normal, Colour::Red};

// Colours a label may take; empty: the decoder never colours it.
Colours AllowedColours(MonitorLabel label)
{
    switch (label) {
    case MonitorLabel::LabelRpm: return RpmColours;
    case MonitorLabel::LabelNapeti: return SupplyColours;
    case MonitorLabel::LabelLimiter1: return LimiterColours;
    case MonitorLabel::LabelTacho_Lambda: return TachoColours;
    case MonitorLabel::LabelPowerOut1:
    case MonitorLabel::LabelPowerOut2:
    case MonitorLabel::LabelPowerOut3: return OutputColours;
    case MonitorLabel::LabelTpsMon:
    case MonitorLabel::LabelTlak:
    case MonitorLabel::LabelVoda:
    case MonitorLabel::LabelVzduch:
    case MonitorLabel::LabelServoPoz:
    case MonitorLabel::LabelServoMer:
    case MonitorLabel::LabelTlakOleje:
    case MonitorLabel::LabelKnockMon1:
    case MonitorLabel::LabelKnockMon2:
    case MonitorLabel::LabelKnockMon3: return AlarmColours;
    default: return {};
    }
}

bool IsPowerOutput(MonitorLabel label)
{
    return label == MonitorLabel::LabelPowerOut1 || label == MonitorLabel::LabelPowerOut2
           || label == MonitorLabel::LabelPowerOut3;
}

bool IsServo(MonitorLabel label)
{
    return label == MonitorLabel::LabelServoPoz || label == MonitorLabel::LabelServoMer;
}

// The labels that show the sensor voltage in the extended monitor.
bool HasExtendedText(MonitorLabel label)
{
    return label == MonitorLabel::LabelTpsMon || label == MonitorLabel::LabelTlak || label == MonitorLabel::LabelVoda
           || label == MonitorLabel::LabelVzduch;
}

bool Contains(Colours colours, Colour colour)
{
    return std::find(colours.begin(), colours.end(), colour) != colours.end();
}

// Well-formed UTF-8 without control characters.
bool IsCleanText(const std::string& text)
{
    constexpr unsigned char continuationMask = 0xC0;
    constexpr unsigned char continuation = 0x80;
    constexpr unsigned char twoByteMask = 0xE0;
    constexpr unsigned char twoByteLead = 0xC0;
    constexpr unsigned char threeByteMask = 0xF0;
    constexpr unsigned char threeByteLead = 0xE0;
    constexpr unsigned char overlongTwoByte = 0xC2;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 1;
        if (lead < AsciiControlEnd || lead == AsciiDelete)
            return false;
        if (lead >= continuation) {
            if ((lead & twoByteMask) == twoByteLead && lead >= overlongTwoByte)
                length = 2;
            else if ((lead & threeByteMask) == threeByteLead)
                length = 3;
            else
                return false;
        }
        if (i + length > text.size())
            return false;
        for (std::size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & continuationMask) != continuation)
                return false;
        i += length;
    }
    return true;
}

bool SameLabel(const LabelState& a, const LabelState& b)
{
    return a.text == b.text && a.colour == b.colour && a.visible == b.visible;
}

bool SameView(const MonitorView& a, const MonitorView& b)
{
    for (int i = 0; i < MonitorLabelCount; ++i)
        if (!SameLabel(a.labels[i], b.labels[i]))
            return false;
    for (int i = 0; i < MonitorGaugeCount; ++i)
        if (a.gauges[i].progress != b.gauges[i].progress || a.gauges[i].barColour != b.gauges[i].barColour)
            return false;
    return true;
}

bool SameLive(const LiveValues& a, const LiveValues& b)
{
    return a.LiveRpm == b.LiveRpm && a.LiveTpsPercent == b.LiveTpsPercent && a.LiveTpsMillivolts == b.LiveTpsMillivolts
           && a.LiveLambdaMillivolts == b.LiveLambdaMillivolts && a.LivePressure == b.LivePressure
           && a.LiveWaterTemp == b.LiveWaterTemp && a.LiveAirTemp == b.LiveAirTemp
           && a.LiveStartTime == b.LiveStartTime && a.UnitStoreRemaining == b.UnitStoreRemaining;
}

// Everything a frame may change, as one fingerprint.
std::uint64_t Outcome(const LiveValues& live, const MonitorView& view)
{
    Fingerprint print;
    print.AddValue(live.LiveRpm).AddValue(live.LiveTpsPercent).AddValue(live.LiveTpsMillivolts);
    print.AddValue(live.LiveLambdaMillivolts).AddValue(live.LivePressure).AddValue(live.LiveWaterTemp);
    print.AddValue(live.WaterSensorError).AddValue(live.LiveAirTemp).AddValue(live.LiveStartTime);
    print.AddValue(live.UnitStoreRemaining);
    for (const LabelState& label : view.labels) {
        print.AddValue(label.text.has_value()).Add(label.text ? std::string_view(*label.text) : std::string_view());
        print.AddValue(label.colour.has_value()).AddValue(label.colour.value_or(Colour{}));
        print.AddValue(label.visible.has_value()).AddValue(label.visible.value_or(false));
    }
    for (const GaugeState& gauge : view.gauges)
        print.AddValue(gauge.progress).AddValue(gauge.barColour.has_value()).AddValue(gauge.barColour.value_or(Colour{}));
    return print.Value();
}

bool ShouldAccept(const std::uint8_t* frame)
{
    std::uint8_t total = 0;
    for (int i = 0; i < FrameSize; ++i)
        total ^= frame[i];
    return (frame[MonitorField::Command] & MonitorCommandMask) == MonitorCommandFamily && total == FrameXorTotal;
}

void CheckView(const MonitorView& view, bool servoVisible)
{
    for (const GaugeState& gauge : view.gauges)
        Require(gauge.progress >= GaugeMinimum && gauge.progress <= GaugeMaximum, "gauge within 0..100");
    for (int i = 0; i < MonitorGaugeCount; ++i) {
        const auto gauge = static_cast<MonitorGauge>(i);
        const std::optional<Colour>& bar = view[gauge].barColour;
        if (gauge == MonitorGauge::CGaugeDuty)
            Require(bar == Colour::Aqua || bar == Colour::Yellow, "duty bar aqua or yellow");
        else if (gauge == MonitorGauge::CGaugeVoda)
            Require(bar == Colour::Aqua || bar == Colour::Red, "coolant bar aqua or red");
        else
            Require(!bar, "no bar colour on the other gauges");
    }

    int texts = 0;
    for (int i = 0; i < MonitorLabelCount; ++i) {
        const auto label = static_cast<MonitorLabel>(i);
        const LabelState& state = view[label];
        const Colours allowed = AllowedColours(label);
        if (allowed.empty())
            Require(!state.colour, "uncoloured label stays uncoloured");
        else
            Require(state.colour && Contains(allowed, *state.colour), "label colour from its own set");
        Require(state.text.has_value() != IsPowerOutput(label), "a text for every label but the power outputs");
        if (state.text) {
            ++texts;
            Require(!state.text->empty() && state.text->size() <= LongestText, "text present and not cut short");
            Require(IsCleanText(*state.text), "text is clean UTF-8");
        }
        if (IsServo(label))
            Require(state.visible == servoVisible, "servo labels follow the servo group");
        else
            Require(!state.visible, "only the servo labels change visibility");
    }

    const std::vector<MonitorTextLine> lines = MonitorTextLines(view);
    Require(static_cast<int>(lines.size()) == texts && texts == TextLabelCount, "one text line per text label");
    for (const MonitorTextLine& line : lines)
        Require(!line.name.empty() && line.name.starts_with("Label"), "text lines carry the label names");
}

void CheckLive(const std::uint8_t* frame, const LiveValues& live, const MonitorView& view)
{
    namespace F = MonitorField;
    Require(live.LiveRpm == MonitorWord(frame, F::Rpm), "engine speed kept");
    Require(live.LiveTpsPercent == frame[F::TpsPercent], "throttle kept");
    Require(live.LiveAirTemp == frame[F::AirTemp], "air temperature kept, 0 included");
    const std::uint8_t water = frame[F::WaterTemp];
    Require(live.LiveWaterTemp == (water == 0 ? WaterErrorSubstitute : water), "coolant kept or substituted");
    Require(live.LivePressure == MonitorWord(frame, F::AirPressure), "pressure kept");
    Require(live.LiveStartTime == MonitorWord(frame, F::StartTime), "start time kept");
    Require(live.UnitStoreRemaining == MonitorWord(frame, F::StoreRemaining), "store count kept");
    Require(live.LiveTpsMillivolts == AdcMillivolts(MonitorWord(frame, F::TpsSensor)), "throttle voltage kept");
    Require(live.LiveLambdaMillivolts == AdcMillivolts(MonitorWord(frame, F::LambdaSensor)), "lambda voltage kept");

    const int rpmGauge = std::min<int>(live.LiveRpm / RpmPerGaugeStep, GaugeMaximum);
    Require(view[MonitorGauge::CGaugeRpm].progress == rpmGauge, "speed gauge follows the engine speed");
    const int tpsGauge = live.LiveTpsPercent > TpsErrorAbove ? GaugeMinimum : live.LiveTpsPercent;
    Require(view[MonitorGauge::CGaugeTps].progress == tpsGauge, "throttle gauge empty on a sensor error");
    const int waterGauge = std::clamp(live.LiveWaterTemp - TemperatureBias, GaugeMinimum, GaugeMaximum);
    Require(view[MonitorGauge::CGaugeVoda].progress == waterGauge, "coolant gauge follows the kept temperature");
}

// The same frame with one option flipped: only what that option governs differs.
void CheckOptions(const std::uint8_t* frame, bool extended, bool servoVisible, const LiveValues& live,
                  const MonitorView& view)
{
    // Decoded into views kept from earlier runs: their strings are reused,
    // and what they held cannot show (no state is carried, checked before).
    static LiveValues otherLive;
    static MonitorView otherView;
    Require(DecodeMonitorFrame(frame, !extended, servoVisible, otherLive, otherView), "options do not refuse");
    Require(SameLive(live, otherLive), "extended monitor leaves the kept values");
    const MonitorView& extendedView = extended ? view : otherView;
    const MonitorView& plainView = extended ? otherView : view;
    for (int i = 0; i < MonitorLabelCount; ++i) {
        const auto label = static_cast<MonitorLabel>(i);
        const LabelState& longer = extendedView[label];
        const LabelState& plain = plainView[label];
        if (HasExtendedText(label)) {
            Require(longer.colour == plain.colour, "extended monitor keeps the colour");
            Require(longer.text->starts_with(*plain.text), "extended text adds to the plain text");
        } else {
            Require(SameLabel(longer, plain), "extended monitor leaves the other labels");
        }
    }

    Require(DecodeMonitorFrame(frame, extended, !servoVisible, otherLive, otherView), "options do not refuse");
    for (int i = 0; i < MonitorLabelCount; ++i) {
        const auto label = static_cast<MonitorLabel>(i);
        LabelState flipped = otherView[label];
        if (IsServo(label))
            flipped.visible = !*flipped.visible;
        Require(SameLabel(flipped, view[label]), "servo option changes only the servo visibility");
    }
}

}  // namespace
}  // namespace torvana

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace torvana;
    if (size == 0)
        return 0;
    const std::uint8_t options = data[0];
    const bool extended = (options & ExtendedBit) != 0;
    const bool servoVisible = (options & ServoBit) != 0;
    ++data;
    --size;

    LiveValues live;
    MonitorView view;
    // Until a frame is taken, the view is as on a fresh start.
    bool fresh = true;
    std::size_t position = 0;
    do {
        UnitFrame frame{};
        const std::size_t take = std::min<std::size_t>(FrameSize, size - position);
        std::memcpy(frame.data(), data + position, take);
        position += take;
        if ((options & FamilyBit) != 0)
            frame[MonitorField::Command] = MonitorCommandFamily | (frame[MonitorField::Command] & CommandLowBits);
        if ((options & SealBit) != 0)
            SealFrame(frame);

        if (!ShouldAccept(frame.data())) {
            const std::uint64_t before = Outcome(live, view);
            Require(!DecodeMonitorFrame(frame.data(), extended, servoVisible, live, view),
                    "accepted exactly the sound monitor frames");
            Require(Outcome(live, view) == before, "a refused frame changes nothing");
            continue;
        }
        Require(DecodeMonitorFrame(frame.data(), extended, servoVisible, live, view),
                "accepted exactly the sound monitor frames");
        const bool decodedFresh = std::exchange(fresh, false);
        // What follows depends on the frame and the two options alone: checked
        // in full on the frame's first decoding, a later one gives the same.
        const std::uint8_t decodeOptions = options & (ExtendedBit | ServoBit);
        const std::uint64_t state = Fingerprint().Add(frame).AddValue(decodeOptions).Value();
        const std::uint64_t outcome = Outcome(live, view);
        if (const auto first = RememberedResult(state, outcome)) {
            Require(*first == outcome, "no state carried from earlier frames");
            continue;
        }
        if (!decodedFresh) {
            LiveValues freshLive;
            MonitorView freshView;
            DecodeMonitorFrame(frame.data(), extended, servoVisible, freshLive, freshView);
            Require(SameLive(live, freshLive) && SameView(view, freshView), "no state carried from earlier frames");
        }
        CheckView(view, servoVisible);
        CheckLive(frame.data(), live, view);
        CheckOptions(frame.data(), extended, servoVisible, live, view);
    } while (position < size);
    return 0;
}
