// The one table of the editor's settings keys: section, value name, type and default of each.
#include "SettingsKeys.h"

const char kClipTransInvokeSection[] = "DUZ";
const char kClipTransInvokeName[] = "ClipTransInvoke";

namespace {

constexpr SettingKeyInfo Int(SettingKey key, const char* section, const char* name, int value) {
    return {key, section, name, SettingType::Int, value, nullptr};
}
constexpr SettingKeyInfo Str(SettingKey key, const char* section, const char* name, const char* value) {
    return {key, section, name, SettingType::String, 0, value};
}

using K = SettingKey;
const char kJc[] = "JcHonyakuKankyo";
const char kCj[] = "CjHonyakuKankyo";
const char kJapaneseFont[] = "JapaneseFontNew";
const char kGbFont[] = "ChineseFontGB";
const char kBig5Font[] = "ChineseFontBIG5";
const char kAutoColor[] = "自動";

const SettingKeyInfo kKeys[] = {
    Int(K::DirectJtoC, "Direct", "JtoC", 0),
    Int(K::LinkSanmenRendou, "setting", "SanmenRendou", 1),
    Int(K::LinkSentakuRendou, "setting", "SentakuRendou", 1),
    Int(K::GbBig5, "Setting", "GBBIG5", 0),
    Int(K::Unicode, "Setting", "UNICODE", 0),
    Int(K::OutputChineseCode, "Setting", "Output_Chinese_Code", 0),
    Int(K::InputChineseCode, "Setting", "Input_Chinese_Code", 0),
    Int(K::ImeAutoChange, "Setting", "Ime_AutoChange", 1),
    Int(K::ImeAutoOpen, "Setting", "Ime_AutoOpen", 0),
    Int(K::AutoFileCheck, "Setting", "AutoFileCheck", 1),
    Int(K::Yakugogakusyu, "Setting", "Yakugogakusyu", 0),
    Int(K::ChnCodeForVMHook, "Setting", "ChnCodeForVMHook", 0),
    Int(K::SanmenHyoji, "Setting", "SanmenHyoji", 0),
    Int(K::IsDockingStateValid, "Setting", "IsDockingStateValid", 0),
    Str(K::SelectIMEJPN, "IMESET", "SelectIMEJPN", ""),
    Str(K::SelectIMECHNGB, "IMESET", "SelectIMECHNGB", ""),
    Str(K::SelectIMECHNBIG5, "IMESET", "SelectIMECHNBIG5", ""),
    Int(K::PrintForm, "PageSet", "PrintForm", 2),
    Int(K::LineSpace, "PageSet", "LineSpace", 2),
    Int(K::LeftMargin, "PageSet", "LeftMargin", 15),
    Int(K::RightMargin, "PageSet", "RightMargin", 15),
    Int(K::TopMargin, "PageSet", "TopMargin", 15),
    Int(K::BottomMargin, "PageSet", "BottomMargin", 15),
    Str(K::Header, "PageSet", "Header", "&[ﾌｧｲﾙ名]"),
    Str(K::Footer, "PageSet", "Footer", "&[ﾍﾟｰｼﾞ番号]&[中央]"),
    Int(K::JcPeriodOnly, kJc, "PeriodOnly", 1),
    Int(K::JcQuestionMark, kJc, "QuestionMark", 1),
    Int(K::JcExclamationMark, kJc, "ExclamationMark", 1),
    Int(K::JcSemicolonMark, kJc, "SemicolonMark", 0),
    Int(K::JcColonMark, kJc, "ColonMark", 0),
    Int(K::JcLineFlag, kJc, "LineFlag", 2),
    Int(K::JcLineLength, kJc, "LineLength", 36),
    Int(K::JcSpaceCutFlag, kJc, "SpaceCutFlag", 0),
    Int(K::JcSpaceCutLength, kJc, "SpaceCutLength", 1),
    Int(K::CjPeriodOnly, kCj, "PeriodOnly", 1),
    Int(K::CjDashMark, kCj, "DashMark", 0),
    Int(K::CjOmitMark, kCj, "OmitMark", 0),
    Int(K::CjQuestionMark, kCj, "QuestionMark", 1),
    Int(K::CjExclamationMark, kCj, "ExclamationMark", 1),
    Int(K::CjSemicolonMark, kCj, "SemicolonMark", 0),
    Int(K::CjColonMark, kCj, "ColonMark", 0),
    Int(K::CjCommaMark, kCj, "CommaMark", 0),
    Int(K::CjTransHomo, kCj, "TransHomo", 1),
    Int(K::CjLineFlag, kCj, "LineFlag", 2),
    Int(K::CjLineLength, kCj, "LineLength", 36),
    Int(K::CjSpaceCutFlag, kCj, "SpaceCutFlag", 2),
    Int(K::CjSpaceCutLength, kCj, "SpaceCutLength", 1),
    Str(K::JcMainDic, "DirEnv", "JcMainDic", ""),
    Str(K::CjMainDic, "DirEnv", "CjMainDic", ""),
    Str(K::LogFile, "DirEnv", "LogFile", ""),
    Int(K::WriteLog, "LogFile", "WriteLog", 0),
    Str(K::LogFileName, "LogFile", "LogFileName", ""),
    Int(K::Inhouse, "Tool", "Inhouse", 0),
    Str(K::CjUserDicFolder, "CjUserDic", "FOLDER", ""),
    Str(K::CjUserDic1, "CjUserDic", "User Dic1", ""),
    Str(K::CjUserDic2, "CjUserDic", "User Dic2", ""),
    Str(K::CjUserDic3, "CjUserDic", "User Dic3", ""),
    Int(K::CjMergingDicType, "CjUserDic", "MergingDicType", 0),
    Str(K::JcUserDicFolder, "JcUserDic", "FOLDER", ""),
    Str(K::JcUserDic1, "JcUserDic", "User Dic1", ""),
    Str(K::JcUserDic2, "JcUserDic", "User Dic2", ""),
    Str(K::JcUserDic3, "JcUserDic", "User Dic3", ""),
    Int(K::JcMergingDicType, "JcUserDic", "MergingDicType", 0),
    Str(K::DocFolder, "Folder", "DOCFOLDER", ""),
    Str(K::WindowRect, "Window size", "Rect", ""),
    Int(K::WindowShowCmd, "Window size", "showCmd", 1),
    Int(K::WindowToolBar, "Window size", "tool", 1),
    Int(K::WindowStatusBar, "Window size", "status", 1),
    Int(K::JapaneseFontHeight, kJapaneseFont, "Height", 0),
    Int(K::JapaneseFontWeight, kJapaneseFont, "Weight", 400),
    Str(K::JapaneseFontFaceName, kJapaneseFont, "FaceName", "ＭＳ 明朝"),
    Str(K::JapaneseFontColor, kJapaneseFont, "FontColor", kAutoColor),
    Int(K::JapaneseFontPitchAndFamily, kJapaneseFont, "PitchAndFamily", 1),
    Int(K::JapaneseFontType, kJapaneseFont, "FontType", 0),
    Int(K::GbFontHeight, kGbFont, "Height", 0),
    Int(K::GbFontWeight, kGbFont, "Weight", 400),
    Str(K::GbFontFaceName, kGbFont, "FaceName", "RZ-GB P Mincho"),
    Str(K::GbFontColor, kGbFont, "FontColor", kAutoColor),
    Int(K::GbFontPitchAndFamily, kGbFont, "PitchAndFamily", 1),
    Int(K::GbFontType, kGbFont, "FontType", 0),
    Int(K::Big5FontHeight, kBig5Font, "Height", 0),
    Int(K::Big5FontWeight, kBig5Font, "Weight", 400),
    Str(K::Big5FontFaceName, kBig5Font, "FaceName", "RZ-B5 P Mincho"),
    Str(K::Big5FontColor, kBig5Font, "FontColor", kAutoColor),
    Int(K::Big5FontPitchAndFamily, kBig5Font, "PitchAndFamily", 1),
    Int(K::Big5FontType, kBig5Font, "FontType", 0),
};

static_assert(sizeof kKeys / sizeof kKeys[0] == size_t(SettingKey::Count), "every key has its row");

} // namespace

const SettingKeyInfo& KeyInfo(SettingKey key) { return kKeys[size_t(key)]; }
