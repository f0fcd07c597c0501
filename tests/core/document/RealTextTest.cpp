// Real Japanese, simplified and traditional prose in every form a file can have: the detector
// names the code, and the reader gives the same sentences as the multibyte original.
#include "EncodingDetector.h"
#include "HanvellText.h"
#include "TableFiles.h"
#include "TextCodes.h"
#include "TextFileReader.h"
#include "TextFileWriter.h"

#include "../text/TextTestSupport.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace {

std::string Fixture(const char* name) {
    std::ifstream file(std::string(TWIN_FIXTURE_DIR) + "/" + name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

struct RealText {
    const char* file;
    unsigned codePage;
    int32_t multibyteAnswer;
    int32_t utf8Answer;
    int32_t utf16Answer;
    TransDirection direction;
    int chineseScript;
};

const RealText kTexts[] = {
    {"shift_jis.txt", 932, 932, 365001, 81200, kJapaneseToChinese, 0},
    {"gb2312.txt", 936, 936, 465001, 61200, kChineseToJapanese, 0},
    {"big5.txt", 950, 950, 565001, 71200, kChineseToJapanese, 1},
};

// The first bytes of a text, without a double-byte character cut in half.
std::string CutAtCharacter(const std::string& text, size_t length, unsigned codePage) {
    size_t end = 0;
    while (end < text.size()) {
        size_t next = end + (IsLeadByte(codePage, static_cast<unsigned char>(text[end])) ? 2 : 1);
        if (next > length)
            break;
        end = next;
    }
    return text.substr(0, end);
}

enum Form { kMultibyte, kUtf8, kUtf8Signed, kUtf16Signed };

std::string InForm(const std::string& multibyte, unsigned codePage, Form form) {
    std::u16string text = Decode(multibyte, codePage);
    switch (form) {
    case kUtf8:
        return EncodeUtf8(text);
    case kUtf8Signed:
        return "\xEF\xBB\xBF" + EncodeUtf8(text);
    case kUtf16Signed:
        return "\xFF\xFE" + Utf16Bytes(text);
    default:
        return multibyte;
    }
}

std::vector<std::string> Sentences(const std::string& bytes, const RealText& text, int inputIndex = 0) {
    TextReadRequest request;
    request.inputIndex = inputIndex;
    request.unicodeForm = UnicodeFormOfIndex(inputIndex);
    request.direction = text.direction;
    request.chineseScript = text.chineseScript;
    CWXBDocData document;
    ReadTextFile(FileBytes(bytes.begin(), bytes.end()), request, SystemCodePages(), GeneratedTables(), document);
    int language = text.direction == kJapaneseToChinese ? kLangJapanese : kLangChinese;
    std::vector<std::string> sentences;
    for (int i = 0; i < document.SentenceCount(); ++i)
        sentences.push_back(document.Text(i, language));
    return sentences;
}

class RealTextTest : public testing::TestWithParam<RealText> {};

TEST_P(RealTextTest, DetectorNamesTheCodeOfEveryForm) {
    const RealText& text = GetParam();
    std::string original = Fixture(text.file);
    ASSERT_FALSE(original.empty()) << text.file;
    // Cut to a short sample and to the whole text, as short files and the detection buffer are.
    for (size_t length : {size_t(60), size_t(200), original.size()}) {
        std::string cut = CutAtCharacter(original, length, text.codePage);
        auto answer = [&](Form form) {
            std::string bytes = InForm(cut, text.codePage, form);
            return DetectEncoding(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(),
                                  SystemCodePages());
        };
        EXPECT_EQ(answer(kMultibyte), text.multibyteAnswer) << text.file << " " << length;
        EXPECT_EQ(answer(kUtf8), text.utf8Answer) << text.file << " " << length;
        EXPECT_EQ(answer(kUtf8Signed), text.utf8Answer) << text.file << " " << length;
        EXPECT_EQ(answer(kUtf16Signed), text.utf16Answer) << text.file << " " << length;
    }
}

TEST_P(RealTextTest, EveryFormReadsAsTheMultibyteText) {
    const RealText& text = GetParam();
    std::string original = Fixture(text.file);
    std::vector<std::string> expected = Sentences(original, text);
    ASSERT_GT(expected.size(), 2u);
    for (Form form : {kUtf8, kUtf8Signed, kUtf16Signed})
        EXPECT_EQ(Sentences(InForm(original, text.codePage, form), text), expected) << text.file << " " << form;
}

INSTANTIATE_TEST_SUITE_P(PythonCodecTexts, RealTextTest, testing::ValuesIn(kTexts),
                         [](const testing::TestParamInfo<RealText>& info) {
                             return std::string(info.param.file).substr(0, std::string(info.param.file).find('.'));
                         });

TEST(RealHanvellTextTest, SimplifiedHanvellReadsAsGb2312) {
    const RealText& gb = kTexts[1];
    std::string original = Fixture(gb.file);
    std::string hanvell = GbTextToSimplifiedHanvell(original.c_str());
    std::vector<std::string> expected = Sentences(original, gb);
    EXPECT_EQ(Sentences(hanvell, gb, 4), expected);
}

} // namespace
