// From a chosen input method to the keyboard layout that carries it.
#include "InputLayoutFinder.h"

#include "AsciiCase.h"

#include <string>
#include <vector>

namespace {

struct TokenLayout {
    const char* token;
    KeyboardLayout layout;
};

const TokenLayout kTokenLayouts[] = {
    {kJapaneseTsfToken, kJapaneseTsfLayout},
    {kGbTsfToken, kGbTsfLayout},
    {kBig5TsfToken, kBig5TsfLayout},
};

// Pinyin input methods whose names share their start with others but must never stand in.
bool NeverAFallback(const std::string& fileName) {
    return EqualsIgnoringCase(fileName, "PYINPUT95.IME") ||
           EqualsIgnoringCase(fileName, "PYINPUT2.IME");
}

} // namespace

KeyboardLayout FindInputLayout(IInputSystem& system, std::string_view name) {
    if (name.empty())
        return kNoLayout;
    for (const TokenLayout& t : kTokenLayouts)
        if (name == t.token)
            return t.layout;

    std::vector<KeyboardLayout> layouts = system.InstalledLayouts();
    if (layouts.size() > kMaxInputLayouts)
        layouts.resize(kMaxInputLayouts);
    std::vector<std::string> fileNames;
    fileNames.reserve(layouts.size());
    for (KeyboardLayout layout : layouts)
        fileNames.push_back(system.ImeFileName(layout));

    for (size_t i = 0; i < layouts.size(); ++i)
        if (EqualsIgnoringCase(fileNames[i], name))
            return layouts[i];
    for (size_t i = 0; i < layouts.size(); ++i)
        if (!NeverAFallback(fileNames[i]) && StartsAlikeIgnoringCase(fileNames[i], name, 5))
            return layouts[i];
    return kNoLayout;
}

InputLayouts ResolveInputLayouts(IInputSystem& system, const InputSettings& settings) {
    InputLayouts layouts{};
    for (int index = 0; index < kInputLanguageCount; ++index)
        layouts[size_t(index)] = FindInputLayout(system, InputMethodOf(settings, index));
    return layouts;
}
