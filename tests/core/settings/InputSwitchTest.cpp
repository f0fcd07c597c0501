// The switching rules over a scripted layout list: what each switch activates, opens and closes.
#include "InputLayoutFinder.h"
#include "InputSwitch.h"
#include "InputSystemPageData.h"
#include "ScriptedInputSystem.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>

namespace {

constexpr KeyboardLayout kJapaneseIme = 0xE0010411;
constexpr KeyboardLayout kGbIme = 0xE00E0804;
constexpr KeyboardLayout kBig5Ime = 0xE0080404;
constexpr KeyboardLayout kEnglish = 0x04090409;
InputWindow const kWindow = reinterpret_cast<InputWindow>(0x1234);

CScriptedInputSystem BaseSystem() {
    CScriptedInputSystem system;
    system.layouts = {{kEnglish, "", L"US"},
                      {kJapaneseIme, "IMJP10.IME", L"Japanese"},
                      {kGbIme, "PINTLGNT.IME", L"QuanPin"},
                      {kBig5Ime, "PHON.IME", L"Phonetic"}};
    system.current = kEnglish;
    return system;
}

InputSettings Chosen(int autoChange = 1, int autoOpen = 0) {
    InputSettings settings;
    settings.imeAutoChange = autoChange;
    settings.imeAutoOpen = autoOpen;
    settings.selectIMEJPN = "IMJP10.IME";
    settings.selectIMECHNGB = "PINTLGNT.IME";
    settings.selectIMECHNBIG5 = "PHON.IME";
    return settings;
}

InputSettings With(InputSettings settings, std::function<void(InputSettings&)> change) {
    change(settings);
    return settings;
}

std::string Hex(KeyboardLayout layout) {
    if (layout == kNoLayout)
        return "none";
    char text[24];
    std::snprintf(text, sizeof text, "%08llX", static_cast<unsigned long long>(layout));
    return text;
}

using Action = std::function<std::string(IInputSystem&, const InputSettings&)>;

Action Dialog(bool japanese) {
    return [=](IInputSystem& s, const InputSettings& settings) {
        SwitchDialogInput(s, settings, kWindow, japanese);
        return std::string();
    };
}
Action Field(KeyboardLayout layout) {
    return [=](IInputSystem& s, const InputSettings& settings) {
        SwitchFieldInput(s, settings, kWindow, layout);
        return std::string();
    };
}
Action Pane(int index) {
    return [=](IInputSystem& s, const InputSettings& settings) {
        return std::string(SwitchPaneInput(s, settings, kWindow, index) ? "true" : "false");
    };
}
Action Find(std::string name) {
    return [=](IInputSystem& s, const InputSettings&) { return Hex(FindInputLayout(s, name)); };
}
Action GbList() {
    return [](IInputSystem& s, const InputSettings& settings) {
        CTableCodePages codePages;
        InputSystemPageData page = LoadInputSystemPage(s, codePages, settings);
        std::string shown;
        for (const InputMethodEntry& e : page.List(ImeListLanguage::ChineseGb).entries)
            shown += (shown.empty() ? "" : "|") + e.description;
        return shown;
    };
}

using Arrange = std::function<void(CScriptedInputSystem&)>;
void AsIs(CScriptedInputSystem&) {}

void OpenInput(CScriptedInputSystem& s) {
    s.open = true;
}
void NoInputContext(CScriptedInputSystem& s) {
    s.hasContext = false;
}
// Layouts of the pinyin input methods that never stand in for another name.
Arrange PinyinFamily(std::vector<std::string> files) {
    return [=](CScriptedInputSystem& s) {
        KeyboardLayout layout = 0xE0200804;
        for (const std::string& f : files)
            s.layouts.insert(s.layouts.begin(), {layout++, f, L""});
    };
}
// Plain keyboards in front, so that the Japanese input method is the layout at the position.
Arrange JapaneseImeAt(size_t position) {
    return [=](CScriptedInputSystem& s) {
        s.layouts.clear();
        for (size_t i = 1; i < position; ++i)
            s.layouts.push_back({0x04090000 + i, "", L""});
        s.layouts.push_back({kJapaneseIme, "IMJP10.IME", L"Japanese"});
    };
}
Arrange CurrentIs(KeyboardLayout layout) {
    return [=](CScriptedInputSystem& s) { s.current = layout; };
}
Arrange TextServiceLayouts() {
    return [](CScriptedInputSystem& s) {
        s.layouts.push_back({kJapaneseTsfLayout, "", L""});
        s.layouts.push_back({kGbTsfLayout, "", L""});
        s.current = kJapaneseTsfLayout;
    };
}
Arrange GbPreload(std::vector<std::string> values, int textServices) {
    return [=](CScriptedInputSystem& s) {
        s.preload = values;
        if (textServices > 0)
            s.textServices[0x0804] = {textServices, L"Pinyin"};
    };
}

struct SwitchCase {
    const char* name;
    InputSettings settings;
    Action action;
    std::string expected; // the effects in order, then the action's result
    Arrange arrange = AsIs;
};

std::ostream& operator<<(std::ostream& out, const SwitchCase& c) {
    return out << c.name;
}

class InputSwitchTest : public testing::TestWithParam<SwitchCase> {};

TEST_P(InputSwitchTest, EffectsAndResult) {
    const SwitchCase& c = GetParam();
    CScriptedInputSystem system = BaseSystem();
    c.arrange(system);
    std::string result = c.action(system, c.settings);
    std::string trace;
    for (const std::string& effect : system.effects)
        trace += (trace.empty() ? "" : " ") + effect;
    if (!result.empty())
        trace += (trace.empty() ? "" : " ") + result;
    EXPECT_EQ(trace, c.expected);
}

const SwitchCase kCases[] = {
    // Ime_AutoChange 0: nothing changes the layout or opens, whatever Ime_AutoOpen says.
    {"AutoChangeOffDialog", Chosen(0, 0), Dialog(true), ""},
    {"AutoChangeOffDialogOpenLeftAlone", Chosen(0, 1), Dialog(false), ""},
    {"AutoChangeOffField", Chosen(0, 0), Field(kJapaneseIme), ""},
    {"AutoChangeOffPane", Chosen(0, 0), Pane(kInputJapanese), "false"},

    {"DialogActivatesAndOpens", Chosen(), Dialog(true), "activate E0010411 open"},
    {"NameDiffersOnlyInCase",
     With(Chosen(), [](InputSettings& s) { s.selectIMEJPN = "imjp10.ime"; }), Dialog(true),
     "activate E0010411 open"},
    {"ClosedStaysClosedWhenAutoOpenIs1", Chosen(1, 1), Dialog(true), "activate E0010411"},
    {"OpenStateKeptAcrossAnExchange", Chosen(1, 1), Dialog(true), "close activate E0010411 open",
     OpenInput},
    {"OpenStateKeptAcrossAPaneExchange", Chosen(1, 1), Pane(kInputJapanese),
     "close activate E0010411 open true", OpenInput},
    {"NoInputContextIsNeverOpened", Chosen(), Dialog(true), "activate E0010411", NoInputContext},
    {"SameLayoutOnlyOpens", Chosen(), Dialog(true), "open", CurrentIs(kJapaneseIme)},
    {"DialogChineseIsGbEvenWhenTraditional", With(Chosen(), [](InputSettings& s) { s.gbBig5 = 1; }),
     Dialog(false), "activate E00E0804 open"},

    // The five-character fallback and its two exclusions.
    {"FallbackSharesFirstFiveCharacters", Chosen(), Find("imjp12.ime"), "E0010411"},
    {"FallbackNeverPicksPyinput95OrPyinput2", Chosen(), Find("PYINPUT98.IME"), "E0200804",
     PinyinFamily({"PYINPUT3.IME", "pyinput2.ime", "PYINPUT95.IME"})},
    {"WithOnlyTheExcludedNothingSwitches",
     With(Chosen(), [](InputSettings& s) { s.selectIMECHNGB = "PYINPUT98.IME"; }), Dialog(false),
     "", PinyinFamily({"PYINPUT2.IME", "PYINPUT95.IME"})},
    {"ExcludedNamesStillMatchExactly", Chosen(), Find("PYINPUT95.IME"), "E0200805",
     PinyinFamily({"PYINPUT2.IME", "PYINPUT95.IME"})},
    {"NoSharedStartMeansNone", Chosen(), Find("CHAJEI.IME"), "none"},

    // Text-service tokens stand for fixed layouts, loaded or not, and match only exactly.
    {"GbTokenActivates08040804",
     With(Chosen(), [](InputSettings& s) { s.selectIMECHNGB = kGbTsfToken; }), Dialog(false),
     "activate 08040804 open"},
    {"JapaneseTokenIsFixed", Chosen(), Find(kJapaneseTsfToken), "04110411"},
    {"TokenIsCaseSensitive", Chosen(), Find("gb:text services framework"), "none"},
    {"FieldKeepsBetweenTwoTextServiceLayouts", Chosen(), Field(kGbTsfLayout), "open",
     TextServiceLayouts()},
    {"PaneExchangesBetweenTwoTextServiceLayouts",
     With(Chosen(), [](InputSettings& s) { s.selectIMECHNGB = kGbTsfToken; }),
     Pane(kInputActiveChinese), "activate 08040804 true", TextServiceLayouts()},

    // Field and pane switches.
    {"FieldExchangesWhenFileNamesDiffer", Chosen(), Field(kGbIme), "activate E00E0804 open"},
    {"FieldWithoutLayoutDoesNothing", Chosen(), Field(kNoLayout), ""},
    {"PaneOnTheSameLayoutStays", Chosen(), Pane(kInputJapanese), "false", CurrentIs(kJapaneseIme)},
    {"PaneWithoutCurrentLayoutStays", Chosen(), Pane(kInputJapanese), "false",
     CurrentIs(kNoLayout)},
    {"PaneNeverOpens", Chosen(), Pane(kInputJapanese), "activate E0010411 true"},
    {"PaneActiveChineseFollowsTheScript", With(Chosen(), [](InputSettings& s) { s.gbBig5 = 1; }),
     Pane(kInputActiveChinese), "activate E0080404 true"},
    {"PaneOtherChineseFollowsTheScript", With(Chosen(), [](InputSettings& s) { s.gbBig5 = 1; }),
     Pane(kInputOtherChinese), "activate E00E0804 true"},

    // At most 100 layouts are looked at.
    {"HundredthLayoutIsFound", Chosen(), Find("IMJP10.IME"), "E0010411", JapaneseImeAt(100)},
    {"HundredAndFirstLayoutIsNot", Chosen(), Find("IMJP10.IME"), "none", JapaneseImeAt(101)},

    // An empty name never matches the empty file names of plain keyboards.
    {"EmptyNameFindsNothing", Chosen(), Find(""), "none"},
    {"EmptySettingSwitchesNothing", With(Chosen(), [](InputSettings& s) { s.selectIMEJPN = ""; }),
     Dialog(true), ""},

    // Text-service entries of the page, one per Preload value.
    {"TwoGbPreloadValuesGiveTwoEntries", Chosen(), GbList(), "QuanPin|TSF:Pinyin|TSF:Pinyin",
     GbPreload({"00000804", "00000804"}, 1)},
    {"NoTextServiceNoEntry", Chosen(), GbList(), "QuanPin", GbPreload({"00000804"}, 0)},
};

INSTANTIATE_TEST_SUITE_P(Rules, InputSwitchTest, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<SwitchCase>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
