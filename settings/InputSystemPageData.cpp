// What the settings page "入力システム" offers and what its OK stores.
#include "InputSystemPageData.h"

#include "AsciiCase.h"
#include "InputLayoutFinder.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace {

constexpr int kMaxPreloadValues = 100;
// Room of an entry's text: "TSF:", the name, " etc." and the terminator in 256 bytes.
constexpr size_t kMaxTsfNameBytes = 245;

const ImeListLanguageInfo kListInfo[kImeListCount] = {
    {0x0411, 932, 128, kJapaneseTsfToken, "00000411"},
    {0x0804, 936, 134, kGbTsfToken, "00000804"},
    {0x0404, 950, 136, kBig5TsfToken, "00000404"},
};

const ImeListLanguage kLists[kImeListCount] = {
    ImeListLanguage::Japanese, ImeListLanguage::ChineseGb, ImeListLanguage::ChineseBig5};

bool ListOfLanguage(uint16_t language, ImeListLanguage& list) {
    for (ImeListLanguage candidate : kLists)
        if (InfoOf(candidate).language == language) {
            list = candidate;
            return true;
        }
    return false;
}

// Japanese layouts of Chinese and Korean input methods are not offered for Japanese.
bool ForeignOnJapanese(const std::string& fileName) {
    return StartsAlikeIgnoringCase(fileName, "PYINP", 5) ||
           StartsAlikeIgnoringCase(fileName, "KOINP", 5);
}

// Converted character by character, so that the cut never splits a two-byte character.
std::string ConvertWithin(const CCodePages& converter, std::wstring_view text,
                          unsigned codePage, size_t maxBytes) {
    std::string result;
    for (size_t i = 0; i < text.size();) {
        size_t length = 1;
        bool highSurrogate = text[i] >= 0xD800 && text[i] <= 0xDBFF;
        if (highSurrogate && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF)
            length = 2;
        std::string piece = FromWide(converter, text.substr(i, length), codePage);
        if (result.size() + piece.size() > maxBytes)
            break;
        result += piece;
        i += length;
    }
    return result;
}

void AddInstalledInputMethods(IInputSystem& system, const CCodePages& converter,
                              InputSystemPageData& page) {
    std::vector<KeyboardLayout> layouts = system.InstalledLayouts();
    if (layouts.size() > kMaxInputLayouts)
        layouts.resize(kMaxInputLayouts);
    for (KeyboardLayout layout : layouts) {
        ImeListLanguage list;
        if (!ListOfLanguage(LayoutLanguage(layout), list))
            continue;
        std::string fileName = system.ImeFileName(layout);
        if (fileName.empty() || (list == ImeListLanguage::Japanese && ForeignOnJapanese(fileName)))
            continue;
        std::string description =
            FromWide(converter, system.ImeDescription(layout), InfoOf(list).codePage);
        page.List(list).entries.push_back({description, fileName, false});
    }
}

std::string TextServiceEntryText(const CCodePages& converter, ImeListLanguage list,
                                 std::wstring name, int count) {
    // Big5 has only the traditional form of the character for "country".
    if (list == ImeListLanguage::ChineseBig5)
        std::replace(name.begin(), name.end(), wchar_t(0x56FD), wchar_t(0x570B));
    std::string text =
        "TSF:" + ConvertWithin(converter, name, InfoOf(list).codePage, kMaxTsfNameBytes);
    if (count > 1)
        text += " etc.";
    return text;
}

void AddTextServices(IInputSystem& system, const CCodePages& converter,
                     InputSystemPageData& page) {
    for (int number = 1; number <= kMaxPreloadValues; ++number) {
        std::string value = system.PreloadValue(number);
        if (value.empty())
            break;
        const ImeListLanguage* list =
            std::find_if(std::begin(kLists), std::end(kLists),
                         [&](ImeListLanguage l) { return value == InfoOf(l).preloadValue; });
        if (list == std::end(kLists))
            continue;
        std::wstring name;
        int count = system.GetTsfName(InfoOf(*list).language, name);
        if (count < 1)
            continue;
        std::string text = TextServiceEntryText(converter, *list, name, count);
        page.List(*list).entries.push_back({text, text, true});
    }
}

void SelectCurrent(InputMethodList& list, const std::string& current, const char* token) {
    for (size_t i = 0; i < list.entries.size(); ++i) {
        const InputMethodEntry& entry = list.entries[i];
        bool chosen =
            entry.textService ? current == token : EqualsIgnoringCase(entry.value, current);
        if (chosen) {
            list.selected = int(i);
            return;
        }
    }
}

} // namespace

const ImeListLanguageInfo& InfoOf(ImeListLanguage list) {
    return kListInfo[int(list)];
}

const std::string& SettingOf(const InputSettings& settings, ImeListLanguage list) {
    switch (list) {
    case ImeListLanguage::ChineseGb:
        return settings.selectIMECHNGB;
    case ImeListLanguage::ChineseBig5:
        return settings.selectIMECHNBIG5;
    default:
        return settings.selectIMEJPN;
    }
}

std::string& SettingOf(InputSettings& settings, ImeListLanguage list) {
    return const_cast<std::string&>(SettingOf(std::as_const(settings), list));
}

InputSystemPageData LoadInputSystemPage(IInputSystem& system, const CCodePages& converter,
                                        const InputSettings& settings) {
    InputSystemPageData page;
    page.autoChangeRadio = settings.imeAutoChange != 0 ? 0 : 1;
    page.autoOpenRadio = settings.imeAutoOpen == 0 ? 0 : 1;
    AddInstalledInputMethods(system, converter, page);
    AddTextServices(system, converter, page);
    for (ImeListLanguage list : kLists)
        SelectCurrent(page.List(list), SettingOf(settings, list), InfoOf(list).token);
    return page;
}

void ApplyInputSystemPage(const InputSystemPageData& page, InputSettings& settings) {
    if (page.autoChangeRadio == 0 || page.autoChangeRadio == 1)
        settings.imeAutoChange = page.autoChangeRadio == 0 ? 1 : 0;
    if (page.autoOpenRadio == 0 || page.autoOpenRadio == 1)
        settings.imeAutoOpen = page.autoOpenRadio;
    for (ImeListLanguage list : kLists) {
        const InputMethodList& shown = page.List(list);
        if (shown.selected < 0 || size_t(shown.selected) >= shown.entries.size())
            continue;
        const InputMethodEntry& entry = shown.entries[size_t(shown.selected)];
        SettingOf(settings, list) = entry.textService ? InfoOf(list).token : entry.value;
    }
}
