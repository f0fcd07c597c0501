// A scripted input system for the switching tests: a list of layouts with their input-method
// files, one window's input context, the Preload values and text services; it records what the
// code under test did to it.
#pragma once

#include "CodePages.h"
#include "InputSystem.h"

#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

struct ScriptedLayout {
    KeyboardLayout layout;
    std::string imeFile;
    std::wstring description;
};

class CScriptedInputSystem final : public IInputSystem {
public:
    std::vector<ScriptedLayout> layouts;
    KeyboardLayout current = kNoLayout;
    bool hasContext = true;
    bool open = false;
    std::vector<std::string> preload; // the values "1", "2", ...
    std::map<uint16_t, std::pair<int, std::wstring>> textServices;
    std::vector<std::string> effects; // "activate 08040804", "close", "open"

    std::vector<KeyboardLayout> InstalledLayouts() override {
        std::vector<KeyboardLayout> handles;
        for (const ScriptedLayout& l : layouts)
            handles.push_back(l.layout);
        return handles;
    }
    KeyboardLayout CurrentLayout() override { return current; }
    std::string ImeFileName(KeyboardLayout layout) override {
        const ScriptedLayout* l = Find(layout);
        return l ? l->imeFile : "";
    }
    std::wstring ImeDescription(KeyboardLayout layout) override {
        const ScriptedLayout* l = Find(layout);
        return l ? l->description : L"";
    }
    bool ActivateLayout(KeyboardLayout layout) override {
        char text[32];
        std::snprintf(text, sizeof text, "activate %08llX",
                      static_cast<unsigned long long>(layout));
        effects.push_back(text);
        // Like the system, only a loaded layout can be activated.
        if (!Find(layout))
            return false;
        current = layout;
        return true;
    }
    std::optional<bool> OpenStatus(InputWindow) override {
        if (!hasContext)
            return std::nullopt;
        return open;
    }
    void SetOpenStatus(InputWindow, bool value) override {
        if (!hasContext)
            return;
        effects.push_back(value ? "open" : "close");
        open = value;
    }
    std::string PreloadValue(int number) override {
        return number >= 1 && size_t(number) <= preload.size() ? preload[size_t(number) - 1] : "";
    }
    int GetTsfName(uint16_t language, std::wstring& name) override {
        auto found = textServices.find(language);
        if (found == textServices.end()) {
            name.clear();
            return 0;
        }
        name = found->second.second;
        return found->second.first;
    }

private:
    const ScriptedLayout* Find(KeyboardLayout layout) const {
        for (const ScriptedLayout& l : layouts)
            if (l.layout == layout)
                return &l;
        return nullptr;
    }
};

// ASCII as it is, a handful of CJK characters in 932, 936 and 950, "?" for the rest.
class CTableCodePages final : public CCodePages {
public:
    std::u16string ToUtf16(std::string_view, unsigned) const override { return std::u16string(); }
    std::string FromUtf16(std::u16string_view text, unsigned codePage, size_t* = nullptr) const override {
        static const std::map<std::pair<unsigned, char16_t>, std::string> table = {
            {{932, u'\u65E5'}, "\x93\xFA"}, {{932, u'\u672C'}, "\x96\x7B"},
            {{932, u'\u56FD'}, "\x8D\x91"}, {{936, u'\u56FD'}, "\xB9\xFA"},
            {{936, u'\u62FC'}, "\xC6\xB4"}, {{936, u'\u97F3'}, "\xD2\xF4"},
            {{950, u'\u570B'}, "\xB0\xEA"}, {{950, u'\u62FC'}, "\xAB\xF7"},
            {{950, u'\u97F3'}, "\xAD\xB5"},
        };
        std::string result;
        for (char16_t c : text) {
            if (c < 0x80) {
                result += char(c);
                continue;
            }
            auto found = table.find({codePage, c});
            result += found != table.end() ? found->second : "?";
        }
        return result;
    }
};
