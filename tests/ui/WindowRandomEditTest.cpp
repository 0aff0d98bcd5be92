// Long seeded runs of what a user does in the window, checked after every
// step: a page change, a wheel over an unfocused box and a refill never
// change the image; a commit changes only the bytes of the boxes edited
// (their coupled followers included) and what the normalisation repairs;
// the boxes of the active page show the image.
//
// TORVANA_RANDOM_STEPS and TORVANA_RANDOM_SEED set the run; a failure names
// the seed and the step.
#include "WindowFixture.h"

#include "core/Defaults.h"
#include "core/Normalise.h"
#include "core/ParameterFile.h"
#include "ui/pages/UpDownSpinBox.h"
#include "ui/tools/Coupling.h"

#include <QAction>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QWheelEvent>
#include <algorithm>
#include <random>
#include <set>

namespace torvana {
namespace {

constexpr int DefaultSteps = 2000;
constexpr int IgnitionTables = 3;
constexpr unsigned DefaultSeed = 20261209;
// Actions are drawn per thousand; a printout, by far the dearest, gets two.
constexpr int RollRange = 1000;

int EnvNumber(const char* name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : fallback;
}

// A box's bytes and how it shows them: value = byte * scale + bias.
struct Binding {
    std::vector<std::size_t> offsets;  // its own byte first, then followers
    int scale = 1;
    int bias = 0;
};

struct NamedBinding {
    const char* name;
    std::size_t offset;
    int scale;
    int bias;
};

// The design-time rows and boxes, by Edit name ("[i]" adds i).
constexpr NamedBinding TableBindings[] = {
    {"EditPolohaARpm", Offset::PositionARpm, 50, 0}, {"EditPolohaA", Offset::PositionA, 5, 0},
    {"EditPolohaBRpm", Offset::PositionBRpm, 50, 0}, {"EditPolohaB", Offset::PositionB, 5, 0},
    {"EditServoRpm", Offset::RpmServo, 50, 0},       {"EditServoNap", Offset::VoltServo, 20, 0},
    {"EditServoHyster", Offset::ServoHyster, 5, 0},  {"EditPowerOut1a", 111, 50, 0},
    {"EditPowerOut2a", 112, 50, 0},                  {"EditPowerOut3a", 113, 50, 0},
    {"EditPowerOut1b", 114, 50, 0},                  {"EditPowerOut2b", 115, 50, 0},
    {"EditPowerOut3b", 116, 50, 0},                  {"EditKnockRpm", 1800, 50, 0},
    {"EditKnockStart", 1890, 1, -100},               {"EditKnockEnd", 1905, 1, -100},
    {"EditKnockAlarm", 1920, 20, 0},                 {"EditOmez1", 103, 50, 0},
    {"EditOmez2", 104, 50, 0},                       {"EditOmez3", 105, 50, 0},
    {"EditTps0", Offset::Tps0, 10, 0},               {"EditTps100", Offset::Tps100, 10, 2500},
    {"EditAkcelPrah", 124, 10, 0},                   {"EditAkcelJet", 125, 50, 0},
    {"EditStartJet", 128, 1, 0},                     {"EditTempWarning", 129, 1, 0},
    {"EditTlakTlak", 150, 1, 0},                     {"EditTlakKor", 160, 1, 0},
    {"EditVoda", 140, 1, 0},                         {"EditVzduch", 145, 1, 0},
    {"EditRetardTemp", 180, 1, -100},                {"EditRetardRetard", 190, 1, -100},
    {"EditSyticCas1", 170, 1, 0},                    {"EditSyticCas2", 171, 1, 0},
    {"EditSyticCas3", 172, 1, 0},                    {"EditSyticCas4", 173, 1, 0},
    {"EditSyticKorekce0", 174, 1, 100},              {"EditSyticKorekce1", 175, 1, 100},
    {"EditSyticKorekce2", 176, 1, 100},              {"EditSyticKorekce3", 177, 1, 100},
};

std::optional<Binding> BindingOf(const QString& name, int page, const ParameterImage& image)
{
    static const QRegularExpression indexed(QStringLiteral(R"(^(\w+?)(?:\[(\d+)\])?(?:\[(\d+)\])?$)"));
    const auto match = indexed.match(name);
    const QString base = match.captured(1);
    const int i = match.captured(2).toInt();
    const int j = match.captured(3).toInt();
    if (base == "CurveRpmEdit" || base == "CurveCellEdit") {
        const bool cell = base == "CurveCellEdit";
        const auto at = [&](int t) { return cell ? CurveCellOffset(t, i, j) : CurveAxisOffset(t) + i; };
        Binding b{{at(page)}, cell && page >= IgnitionTables ? 50 : cell ? 1 : 50, 0};
        if (IsFirstOfGroup(page) && GroupMode(image, page) != ModeSeparate) {
            b.offsets.push_back(at(page + 1));
            b.offsets.push_back(at(page + 2));
        }
        return b;
    }
    for (const NamedBinding& n : TableBindings) {
        if (base == QLatin1String(n.name)) {
            return Binding{{n.offset + static_cast<std::size_t>(i)}, n.scale, n.bias};
        }
    }
    return std::nullopt;
}

class RandomEditTest : public WindowTest {
protected:
    std::mt19937 random;
    std::set<UpDownSpinBox*> pending;  // typed or wheeled, maybe not committed

    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); }

    QTabWidget* Tabs() { return window->Controls().pageControl1; }

    std::vector<UpDownSpinBox*> Boxes()
    {
        std::vector<UpDownSpinBox*> boxes;
        for (auto* box : Tabs()->currentWidget()->findChildren<UpDownSpinBox*>()) {
            if (box->isVisible()) {
                boxes.push_back(box);
            }
        }
        return boxes;
    }

    UpDownSpinBox* Focused() { return qobject_cast<UpDownSpinBox*>(QApplication::focusWidget()); }

    // The offsets the boxes being edited may change.
    std::set<std::size_t> Allowed()
    {
        std::set<UpDownSpinBox*> editing = pending;
        if (UpDownSpinBox* focused = Focused()) {
            editing.insert(focused);
        }
        std::set<std::size_t> allowed;
        const int page = window->Pages().ActivePageIndex();
        if (!editing.empty() && IsCurvePage(page) && IsFirstOfGroup(page) &&
            GroupMode(window->Image(), page) == ModeCommon) {
            // "1 = 2 = 3": a write of the first page makes the followers copies.
            for (int f = page + 1; f <= page + 2; ++f) {
                for (std::size_t o = CurveAxisOffset(f); o < CurveAxisOffset(f + 1); ++o) {
                    allowed.insert(o);
                }
                for (std::size_t o = CurveTableOffset(f); o < CurveTableOffset(f + 1); ++o) {
                    allowed.insert(o);
                }
            }
        }
        for (UpDownSpinBox* box : editing) {
            if (const auto b = BindingOf(box->objectName(), window->Pages().ActivePageIndex(), window->Image())) {
                allowed.insert(b->offsets.begin(), b->offsets.end());
            }
        }
        return allowed;
    }

    void Wheel(QWidget* target)
    {
        const QPoint at = target->rect().center();
        QWheelEvent wheel(at, target->mapToGlobal(at), {}, {0, Below(2) ? 120 : -120}, Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(target, &wheel);
    }

    ParameterImage RandomSet()
    {
        ParameterImage set{};
        set[Offset::Bike] = static_cast<std::uint8_t>(Below(3));
        FillDefaultParameters(set);
        for (int k = 0; k < 20; ++k) {
            const int t = Below(CurveCount);
            set[CurveCellOffset(t, Below(CurveRows), Below(CurveColumns))] =
                static_cast<std::uint8_t>(Below(t < IgnitionTables ? 61 : 251));
        }
        set[Offset::IgnMode] = static_cast<std::uint8_t>(Below(ModeMenuItems));
        set[Offset::JetMode] = static_cast<std::uint8_t>(Below(ModeMenuItems));
        NormaliseImage(set);
        return set;
    }

    enum class Scope { Unchanged, Commit, Any };

    // One user action; says what it may do to the image.
    Scope Act(std::string& what)
    {
        TFormHlav& w = *window;
        const auto boxes = Boxes();
        const int roll = Below(RollRange);
        if (roll < 200 && !boxes.empty()) {
            UpDownSpinBox* box = boxes[Below(static_cast<int>(boxes.size()))];
            what = "click into " + box->objectName().toStdString();
            QTest::mouseClick(box->findChild<QLineEdit*>(), Qt::LeftButton);
            return Scope::Commit;
        }
        if (roll < 450 && Focused()) {
            QString digits;
            for (int n = 1 + Below(5); n > 0; --n) {
                digits += QChar('0' + Below(10));
            }
            what = "type " + digits.toStdString() + " in " + Focused()->objectName().toStdString();
            Focused()->findChild<QLineEdit*>()->selectAll();
            pending.insert(Focused());
            QTest::keyClicks(Focused(), digits);
            return Scope::Commit;
        }
        if (roll < 550 && Focused()) {
            const bool enter = Below(2);
            what = enter ? "Enter" : "Tab";
            QTest::keyClick(Focused(), enter ? Qt::Key_Return : Qt::Key_Tab);
            return Scope::Commit;
        }
        if (roll < 670) {
            QTabBar* bar = Tabs()->tabBar();
            std::vector<int> visible;
            for (int t = 0; t < bar->count(); ++t) {
                if (bar->isTabVisible(t)) {
                    visible.push_back(t);
                }
            }
            const int tab = visible[Below(static_cast<int>(visible.size()))];
            what = "click tab " + std::to_string(tab);
            QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(tab).center());
            return Scope::Commit;  // leaving a box that commits on exit
        }
        if (roll < 770 && !boxes.empty()) {
            UpDownSpinBox* box = boxes[Below(static_cast<int>(boxes.size()))];
            const bool focused = box == Focused();
            what = std::string("wheel over ") + (focused ? "focused " : "") + box->objectName().toStdString();
            if (focused) {
                pending.insert(box);
            }
            Wheel(box);
            return focused ? Scope::Commit : Scope::Unchanged;
        }
        if (roll < 848) {
            const int ticks = 1 + Below(12);
            what = "tick " + std::to_string(ticks);
            const bool reading = w.Link().Mode() == TransferRead;
            Tick(ticks);
            return reading ? Scope::Any : Scope::Unchanged;
        }
        if (roll < 908) {
            what = "tool " + std::to_string(roll);
            switch (Below(4)) {
            case 0: w.MenuToolsClick(Below(2) ? StepDirection::Up : StepDirection::Down); break;
            case 1: emit w.Pages().CurveColumnStepped(Below(CurveColumns), Below(2)); break;
            case 2: emit w.Pages().PositionStepClicked(Below(2) ? PositionTable::A : PositionTable::B, Below(2)); break;
            default: emit w.Pages().ServoStepClicked(Below(2)); break;
            }
            return Scope::Any;
        }
        if (roll < 958) {
            const auto menu = Below(2) ? CouplingMenu::Ign123 : CouplingMenu::Jet123;
            const auto mode = static_cast<CouplingMode>(Below(ModeMenuItems));
            what = "mode " + std::to_string(static_cast<int>(mode));
            w.ModeMenuClick(menu, mode);
            return Scope::Any;
        }
        if (roll < 978) {
            what = "open";
            dialogs.openAnswer = Dir() + "/random.ign";
            EXPECT_EQ(SaveParameterFile(dialogs.openAnswer.toStdString(), RandomSet(), {}), "");
            w.MenuOpenClick();
            return Scope::Any;
        }
        if (roll < 998) {
            what = "read";
            unit.Preload(RandomSet());
            w.MenuReadClick();
            return Scope::Any;
        }
        what = "print";
        dialogs.pdfAnswer = Dir() + "/random.pdf";
        w.MenuPrintPdfClick();
        return Scope::Unchanged;
    }

    // Every box of the active page not being edited shows its byte, limited
    // to the box's range.
    void ExpectBoxesShowTheImage(const std::string& where)
    {
        const ParameterImage& image = window->Image();
        const int page = window->Pages().ActivePageIndex();
        for (UpDownSpinBox* box : Boxes()) {
            const auto b = BindingOf(box->objectName(), page, image);
            ASSERT_TRUE(b) << box->objectName().toStdString();
            const int shown = std::clamp(image[b->offsets.front()] * b->scale + b->bias, box->minimum(), box->maximum());
            if (pending.count(box) != 0) {
                // Text that is no number yet leaves the value as it was. Typing
                // that happens to match the set stays typing: a refill keeps it.
                if (box->cleanText() == QString::number(shown) && !box->TypedText()) {
                    pending.erase(box);
                }
                continue;
            }
            ASSERT_EQ(box->value(), shown) << where << box->objectName().toStdString()
                                           << (box == Focused() ? " (focused)" : "") << " focus "
                                           << (Focused() ? Focused()->objectName().toStdString() : "-");
        }
    }
};

TEST_F(RandomEditTest, EditsChangeOnlyWhatWasEdited)
{
    const int steps = EnvNumber("TORVANA_RANDOM_STEPS", DefaultSteps);
    const auto seed = static_cast<unsigned>(EnvNumber("TORVANA_RANDOM_SEED", DefaultSeed));
    random.seed(seed);
    TFormHlav& w = Start();
    w.show();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));

    constexpr std::size_t RecentLength = 160;  // the last steps, for the failure message
    std::string recent;
    for (int step = 0; step < steps; ++step) {
        const ParameterImage before = w.Image();
        const int pageBefore = w.Pages().ActivePageIndex();
        const std::set<std::size_t> allowed = Allowed();
        std::string what;
        const Scope scope = Act(what);
        recent = (recent + " | " + what).substr(std::max<std::size_t>(recent.size(), RecentLength) - RecentLength);
        const std::string where = "seed " + std::to_string(seed) + " step " + std::to_string(step) + " (" + recent +
                                  ") on page " + std::to_string(pageBefore) + ": ";
        if (w.Pages().ActivePageIndex() != pageBefore) {
            pending.clear();  // a page change fills the page anew
        }
        const ParameterImage& after = w.Image();
        if (scope == Scope::Unchanged) {
            ASSERT_EQ(after, before) << where << "the image changed";
        } else if (scope == Scope::Commit) {
            ParameterImage expected = before;
            for (std::size_t o : allowed) {
                expected[o] = after[o];
            }
            NormaliseImage(expected);
            for (std::size_t o = BlockSize; o < ImageSize; ++o) {
                ASSERT_EQ(after[o], expected[o]) << where << "offset " << o << " changed, was " << int(before[o]);
            }
        }
        ExpectBoxesShowTheImage(where);
        if (HasFatalFailure()) {
            return;
        }
    }
}

}  // namespace
}  // namespace torvana
