// The Save As dialog's rules: file types and their extensions, the save-code list of each type,
// what a choice in it means, the suggested name and the title after a text save.
#pragma once

#include <string>
#include <vector>

// Filter indexes of the dialog; they are the document kinds.
enum SaveFileType {
    kSaveBilingual = 1,
    kSaveJapaneseText = 2,
    kSaveChineseText = 3,
    kSaveBilingualUnicode = 4,
};

// The process-wide values a save code stands for.
struct SaveCode {
    int unicodeForm = 0;     // 0 multibyte, 1 UTF-16, 2 UTF-8
    int chineseSaveCode = 0; // 0 GB2312 or Big5, 1 Hanvell
};

// The combo box items of a type, Shift-JIS; empty for the bilingual file (the combo is disabled).
std::vector<std::string> SaveCodeItems(int fileType, int chineseScript);
// The item selected when the list of a type is shown.
int InitialSaveCodeItem(int fileType, const SaveCode& code);
// What choosing an item on OK sets; values the type does not concern stay as they were.
SaveCode SaveCodeOfItem(int fileType, int item, const SaveCode& current);

// ".WXB" for the bilingual file, ".TXT" for every other type.
const wchar_t* ExtensionOfType(int fileType);
// A type change: a name's ".WXB" or ".TXT" becomes the type's extension; other names stay.
std::wstring WithExtensionOfNewType(const std::wstring& name, int fileType);
// On OK: the type's extension is appended when the name does not end with it.
std::wstring WithTypeExtension(const std::wstring& name, int fileType);
// The dialog's initial name: a trailing ".JC", ".CJ", ".JPN", ".CHN", ".TXT" or ".WXB" goes.
std::wstring SuggestedSaveName(const std::wstring& name);

// The window title's suffix after a plain-text save (Shift-JIS); the language written decides
// between the Japanese and the Chinese suffixes.
std::string TitleSuffixAfterSave(int fileType, const SaveCode& code, int chineseScript);
