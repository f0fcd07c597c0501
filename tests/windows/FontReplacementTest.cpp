// The face names the editor asks for resolve to installed fonts of the right script.
#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct FaceCase {
    const wchar_t* requested;
    BYTE charset;
    const wchar_t* family;  // the installed font that the outline metrics must name
};

const FaceCase kFaces[] = {
    {L"ＭＳ 明朝", SHIFTJIS_CHARSET, L"IPAMincho"},
    {L"ＭＳ ゴシック", SHIFTJIS_CHARSET, L"IPAGothic"},
    {L"ＭＳ Ｐゴシック", SHIFTJIS_CHARSET, L"IPAPGothic"},
    {L"RZ-GB P Mincho", GB2312_CHARSET, L"AR PL UMing CN"},
    {L"RZ-B5 P Mincho", CHINESEBIG5_CHARSET, L"AR PL UMing TW"},
    {L"RZ-GB Mincho", GB2312_CHARSET, L"AR PL UMing CN"},
    {L"RZ-B5 Mincho", CHINESEBIG5_CHARSET, L"AR PL UMing TW"},
    {L"RZ-GB18030 Gothic", GB2312_CHARSET, L"WenQuanYi Zen Hei"},
    {L"ＧＢ 中国ゴシック", GB2312_CHARSET, L"WenQuanYi Zen Hei"},
};

// The font's own identification string, which names the installed family (the family name
// itself is reported as the requested alias).
std::wstring RealFontName(const FaceCase& face) {
    LOGFONTW lf = {};
    lf.lfHeight = -16;
    lf.lfCharSet = face.charset;
    lstrcpynW(lf.lfFaceName, face.requested, LF_FACESIZE);
    HFONT font = ::CreateFontIndirectW(&lf);
    HDC dc = ::CreateCompatibleDC(nullptr);
    HGDIOBJ old = ::SelectObject(dc, font);
    std::wstring name;
    UINT size = ::GetOutlineTextMetricsW(dc, 0, nullptr);
    if (size) {
        std::vector<BYTE> buffer(size);
        auto* metrics = reinterpret_cast<OUTLINETEXTMETRICW*>(buffer.data());
        if (::GetOutlineTextMetricsW(dc, size, metrics))
            name = reinterpret_cast<const wchar_t*>(buffer.data() + reinterpret_cast<UINT_PTR>(metrics->otmpFullName));
    }
    ::SelectObject(dc, old);
    ::DeleteDC(dc);
    ::DeleteObject(font);
    return name;
}

class FontReplacementTest : public testing::TestWithParam<FaceCase> {};

TEST_P(FontReplacementTest, FaceResolvesToInstalledFontOfItsScript) {
    EXPECT_THAT(RealFontName(GetParam()), testing::HasSubstr(GetParam().family));
}

INSTANTIATE_TEST_SUITE_P(EditorFaces, FontReplacementTest, testing::ValuesIn(kFaces));

} // namespace
