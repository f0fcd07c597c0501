// The one table of the editor's settings keys: section, value name, type and default of each.
#pragma once

#include <cstddef>

enum class SettingType { Int, String };

enum class SettingKey {
    DirectJtoC,
    LinkSanmenRendou,
    LinkSentakuRendou,
    GbBig5,
    Unicode,
    OutputChineseCode,
    InputChineseCode,
    ImeAutoChange,
    ImeAutoOpen,
    AutoFileCheck,
    Yakugogakusyu,
    ChnCodeForVMHook,
    SanmenHyoji,
    IsDockingStateValid,
    SelectIMEJPN,
    SelectIMECHNGB,
    SelectIMECHNBIG5,
    PrintForm,
    LineSpace,
    LeftMargin,
    RightMargin,
    TopMargin,
    BottomMargin,
    Header,
    Footer,
    JcPeriodOnly,
    JcQuestionMark,
    JcExclamationMark,
    JcSemicolonMark,
    JcColonMark,
    JcLineFlag,
    JcLineLength,
    JcSpaceCutFlag,
    JcSpaceCutLength,
    CjPeriodOnly,
    CjDashMark,
    CjOmitMark,
    CjQuestionMark,
    CjExclamationMark,
    CjSemicolonMark,
    CjColonMark,
    CjCommaMark,
    CjTransHomo,
    CjLineFlag,
    CjLineLength,
    CjSpaceCutFlag,
    CjSpaceCutLength,
    JcMainDic,
    CjMainDic,
    LogFile,
    WriteLog,
    LogFileName,
    Inhouse,
    CjUserDicFolder,
    CjUserDic1,
    CjUserDic2,
    CjUserDic3,
    CjMergingDicType,
    JcUserDicFolder,
    JcUserDic1,
    JcUserDic2,
    JcUserDic3,
    JcMergingDicType,
    DocFolder,
    WindowRect,
    WindowShowCmd,
    WindowToolBar,
    WindowStatusBar,
    JapaneseFontHeight,
    JapaneseFontWeight,
    JapaneseFontFaceName,
    JapaneseFontColor,
    JapaneseFontPitchAndFamily,
    JapaneseFontType,
    GbFontHeight,
    GbFontWeight,
    GbFontFaceName,
    GbFontColor,
    GbFontPitchAndFamily,
    GbFontType,
    Big5FontHeight,
    Big5FontWeight,
    Big5FontFaceName,
    Big5FontColor,
    Big5FontPitchAndFamily,
    Big5FontType,
    Count
};

struct SettingKeyInfo {
    SettingKey key;
    const char* section;
    const char* name;
    SettingType type;
    int intDefault;
    const char* stringDefault;  // Shift-JIS
};

const SettingKeyInfo& KeyInfo(SettingKey key);

// The company-level flag shared with the add-ins (section and value of the company store).
extern const char kClipTransInvokeSection[];
extern const char kClipTransInvokeName[];
