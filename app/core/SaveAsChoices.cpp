// The Save As dialog's rules.
#include "SaveAsChoices.h"

#include <cwctype>

namespace {

bool EndsWithNoCase(const std::wstring& text, const wchar_t* tail) {
    size_t length = std::char_traits<wchar_t>::length(tail);
    if (text.size() < length)
        return false;
    for (size_t i = 0; i < length; ++i)
        if (std::towupper(text[text.size() - length + i]) != std::towupper(tail[i]))
            return false;
    return true;
}

} // namespace

std::vector<std::string> SaveCodeItems(int fileType, int chineseScript) {
    switch (fileType) {
    case kSaveJapaneseText:
        return {"日本語(シフトJIS)", "Unicode", "UTF-8"};
    case kSaveChineseText:
        if (chineseScript == 1)
            return {"繁体字(BIG5)", "Hanvell 繁体字", "Unicode", "UTF-8"};
        return {"簡体字(GB2312)", "Hanvell 簡体字", "Unicode", "UTF-8"};
    case kSaveBilingualUnicode:
        return {"Unicode", "UTF-8"};
    default:
        return {};
    }
}

int InitialSaveCodeItem(int fileType, const SaveCode& code) {
    int form = code.unicodeForm >= 0 && code.unicodeForm <= 2 ? code.unicodeForm : 0;
    switch (fileType) {
    case kSaveJapaneseText:
        return form;
    case kSaveChineseText:
        return form == 0 ? (code.chineseSaveCode == 1 ? 1 : 0) : form + 1;
    case kSaveBilingualUnicode:
        return form == 0 ? 0 : form - 1;
    default:
        return -1;
    }
}

SaveCode SaveCodeOfItem(int fileType, int item, const SaveCode& current) {
    SaveCode code = current;
    switch (fileType) {
    case kSaveJapaneseText:
        code.unicodeForm = item >= 0 && item <= 2 ? item : 0;
        break;
    case kSaveChineseText:
        if (item == 2 || item == 3) {
            code.unicodeForm = item - 1;
        } else {
            code.unicodeForm = 0;
            code.chineseSaveCode = item == 1 ? 1 : 0;
        }
        break;
    case kSaveBilingualUnicode:
        code.unicodeForm = item == 1 ? 2 : 1;
        break;
    default:
        code.unicodeForm = 0;
        break;
    }
    return code;
}

const wchar_t* ExtensionOfType(int fileType) { return fileType == kSaveBilingual ? L".WXB" : L".TXT"; }

std::wstring WithExtensionOfNewType(const std::wstring& name, int fileType) {
    if (EndsWithNoCase(name, L".WXB") || EndsWithNoCase(name, L".TXT"))
        return name.substr(0, name.size() - 4) + ExtensionOfType(fileType);
    return name;
}

std::wstring WithTypeExtension(const std::wstring& name, int fileType) {
    const wchar_t* extension = ExtensionOfType(fileType);
    return EndsWithNoCase(name, extension) ? name : name + extension;
}

std::wstring SuggestedSaveName(const std::wstring& name) {
    for (const wchar_t* tail : {L".JC", L".CJ", L".JPN", L".CHN", L".TXT", L".WXB"})
        if (EndsWithNoCase(name, tail))
            return name.substr(0, name.size() - std::char_traits<wchar_t>::length(tail));
    return name;
}

std::string TitleSuffixAfterSave(int fileType, const SaveCode& code, int chineseScript) {
    bool traditional = chineseScript == 1;
    if (fileType == kSaveJapaneseText) {
        switch (code.unicodeForm) {
        case 1:
            return " (UNICODE･日)";
        case 2:
            return " (UTF8･日)";
        default:
            return " (シフト・JIS)";
        }
    }
    switch (code.unicodeForm) {
    case 1:
        return traditional ? " (UNICODE・繁)" : " (UNICODE・簡)";
    case 2:
        return traditional ? " (UTF8･繁)" : " (UTF8･簡)";
    default:
        if (code.chineseSaveCode == 1)
            return traditional ? " (HV繁)" : " (HV簡)";
        return traditional ? " (BIG5)" : " (GB2312)";
    }
}
