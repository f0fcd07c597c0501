// Plain-text files read into the document and written from it.
#include "HanvellText.h"
#include "TableFiles.h"
#include "TextCodes.h"
#include "TextFileReader.h"
#include "TextFileWriter.h"

#include "../text/TextTestSupport.h"

#include <gtest/gtest.h>

namespace {

SegmentationValues Values(int spaceCutFlag) {
    SegmentationValues v;
    v.periodOnly = v.questionMark = v.exclamationMark = 1;
    v.lineFlag = 2;
    v.lineLength = 36;
    v.spaceCutFlag = spaceCutFlag;
    v.spaceCutLength = 1;
    return v;
}

TextReadRequest Request(TransDirection direction, int inputIndex = 0) {
    TextReadRequest r;
    r.direction = direction;
    r.inputIndex = inputIndex;
    r.japaneseValues = Values(0);
    r.chineseValues = Values(2);
    return r;
}

FileBytes Bytes(const std::string& s) { return FileBytes(s.begin(), s.end()); }

const std::u16string kJapanese = u"吾輩は猫である。名前はまだ無い。";
const std::u16string kSimplified = u"我们今天去公园散步。天气很好。";
const std::u16string kTraditional = u"我們今天去公園散步。天氣很好。";
// First sentences; outside the test macros, whose own text must be Shift-JIS.
const std::u16string kFirstSimplified = u"我们今天去公园散步。";
const std::u16string kFirstTraditional = u"我們今天去公園散步。";

class TextFileTest : public testing::Test {
protected:
    TextReadOutcome Read(const std::string& bytes, const TextReadRequest& request) {
        return ReadTextFile(Bytes(bytes), request, SystemCodePages(), GeneratedTables(), document);
    }
    std::u16string Sentence(int i, int language, unsigned codePage) {
        return Decode(document.Text(i, language), codePage);
    }
    CWXBDocData document;
};

TEST_F(TextFileTest, JapaneseTextStaysInTheJapaneseDirection) {
    TextReadOutcome r = Read(Encode(kJapanese, 932), Request(kJapaneseToChinese));
    EXPECT_EQ(r.textCode, kTextJapanese);
    EXPECT_FALSE(r.directionSwitched);
    ASSERT_EQ(document.SentenceCount(), 2);
    EXPECT_EQ(Sentence(1, kLangJapanese, 932), u"名前はまだ無い。");
    EXPECT_EQ(document.LastLoadForm(), kFileJapaneseText);
    EXPECT_TRUE(document.FromText());
}

TEST_F(TextFileTest, ChineseTextSwitchesTheDirection) {
    TextReadOutcome r = Read(Encode(kSimplified, 936), Request(kJapaneseToChinese));
    EXPECT_EQ(r.textCode, kTextSimplified);
    EXPECT_TRUE(r.directionSwitched);
    EXPECT_EQ(r.direction, kChineseToJapanese);
    EXPECT_FALSE(r.scriptChangeNeeded);
    ASSERT_EQ(document.SentenceCount(), 2);
    EXPECT_EQ(Sentence(0, kLangChinese, 936), kFirstSimplified);
    EXPECT_EQ(document.Japanese(0), "");
}

TEST_F(TextFileTest, WithoutAutoFileCheckTheDirectionStays) {
    TextReadRequest request = Request(kChineseToJapanese);
    request.autoFileCheck = false;
    TextReadOutcome r = Read(Encode(kSimplified, 936), request);
    EXPECT_FALSE(r.directionSwitched);
    EXPECT_EQ(Sentence(0, kLangChinese, 936), kFirstSimplified);
}

TEST_F(TextFileTest, Big5TextInSimplifiedModeAsksForTheScriptChange) {
    TextReadOutcome r = Read(Encode(kTraditional, 950), Request(kChineseToJapanese));
    EXPECT_EQ(r.textCode, kTextTraditional);
    EXPECT_TRUE(r.scriptChangeNeeded);
    EXPECT_EQ(Sentence(0, kLangChinese, 950), kFirstTraditional);
}

TEST_F(TextFileTest, SignatureDecidesTheUnicodeForm) {
    TextReadOutcome r = Read("\xEF\xBB\xBF" + EncodeUtf8(kJapanese), Request(kJapaneseToChinese));
    EXPECT_EQ(r.unicodeForm, 2);
    EXPECT_EQ(r.textCode, kTextJapanese | kTextUtf8);
    EXPECT_EQ(Sentence(0, kLangJapanese, 932), u"吾輩は猫である。");
}

TEST_F(TextFileTest, ForcedCodeIsReadWithoutDetection) {
    // Shift-JIS bytes forced as GB2312 are read as Chinese, whatever they look like.
    TextReadOutcome r = Read(Encode(kJapanese, 932), Request(kJapaneseToChinese, 2));
    EXPECT_EQ(r.textCode, kTextSimplified);
    EXPECT_EQ(r.direction, kChineseToJapanese);
}

TEST_F(TextFileTest, HanvellIsReadAsGb2312) {
    std::string gb = Encode(kSimplified, 936);
    std::string hanvell = GbTextToSimplifiedHanvell(gb.c_str());
    TextReadOutcome r = Read(hanvell, Request(kChineseToJapanese, 4));
    EXPECT_EQ(r.textCode, kTextSimplified | kTextHanvell);
    EXPECT_EQ(document.Chinese(0) + document.Chinese(1), gb);
}

TEST_F(TextFileTest, BilingualFileLeavesTheDocumentAlone) {
    document.SetJapanese(0, "kept");
    TextReadOutcome r = Read(std::string("\0Velmarind/JC #", 15), Request(kJapaneseToChinese));
    EXPECT_EQ(r.end, SegmentationEnd::BilingualFile);
    EXPECT_EQ(document.Japanese(0), "kept");
}

struct WriteCase {
    const char* name;
    int language;
    int unicodeForm;
    int saveCode;
    int readIndex;  // the forced code that reads the file back, 0 for detection
};

class TextWriteTest : public TextFileTest, public testing::WithParamInterface<WriteCase> {};

TEST_P(TextWriteTest, WrittenFileReadsBackTheSameSentences) {
    const WriteCase& c = GetParam();
    bool chinese = c.language == kLangChinese;
    TransDirection direction = chinese ? kChineseToJapanese : kJapaneseToChinese;
    std::string text = chinese ? Encode(kSimplified, 936) : Encode(kJapanese, 932);
    Read(text + "\r\n\r\n" + text, Request(direction));
    ASSERT_EQ(document.SentenceCount(), 4);

    TextWriteRequest w;
    w.language = c.language;
    w.unicodeForm = c.unicodeForm;
    w.chineseSaveCode = c.saveCode;
    w.separatorCodePage = chinese ? 936 : 932;
    FileBytes file = WriteTextFile(document, w, SystemCodePages(), GeneratedTables());

    CWXBDocData reread;
    TextReadRequest request = Request(direction, c.readIndex);
    request.unicodeForm = c.unicodeForm;
    ReadTextFile(file, request, SystemCodePages(), GeneratedTables(), reread);
    ASSERT_EQ(reread.SentenceCount(), 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(reread.Text(i, c.language), document.Text(i, c.language)) << i;
        EXPECT_EQ(reread.Separator(i), document.Separator(i)) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Forms, TextWriteTest,
                         testing::Values(WriteCase{"ShiftJis", kLangJapanese, 0, 0, 0},
                                         WriteCase{"JapaneseUtf16", kLangJapanese, 1, 0, 0},
                                         WriteCase{"JapaneseUtf8", kLangJapanese, 2, 0, 0},
                                         WriteCase{"Gb2312", kLangChinese, 0, 0, 0},
                                         WriteCase{"SimplifiedHanvell", kLangChinese, 0, 1, 4},
                                         WriteCase{"ChineseUtf8", kLangChinese, 2, 0, 0}),
                         [](const testing::TestParamInfo<WriteCase>& info) { return info.param.name; });

TEST_F(TextFileTest, WriterSkipsEmptyStringsAndSignsUnicode) {
    document.SetJapanese(0, "a");
    document.InsertSentence(1);
    document.SetSeparator(1, "");
    document.SetJapanese(1, "b");
    TextWriteRequest w;
    w.unicodeForm = 1;
    FileBytes file = WriteTextFile(document, w, SystemCodePages(), GeneratedTables());
    EXPECT_EQ(file, FileBytes({0xFF, 0xFE, 'a', 0, 'b', 0}));
}

TEST(LinePerSentenceTest, ThreeLinesEndingInLineFeedGiveFourSentencesOnTheTranslationSide) {
    CWXBDocData document;
    std::string text = "one\r\ntwo\nthree\n";
    LineFileOutcome r = ReadLinePerSentenceFile(Bytes(text), kJapaneseToChinese, true, document);
    ASSERT_EQ(document.SentenceCount(), 4);
    EXPECT_EQ(document.Chinese(0), "one");
    EXPECT_EQ(document.Chinese(2), "three");
    EXPECT_EQ(document.Chinese(3), "");
    EXPECT_EQ(document.Japanese(0), "");
    EXPECT_EQ(document.Separator(0), "\r\n");
    EXPECT_EQ(document.Separator(3), "");
    EXPECT_FALSE(r.switchToJapaneseSource);
    EXPECT_FALSE(document.FromText());
}

TEST(LinePerSentenceTest, LongLinesGoOnWithoutSplittingACharacter) {
    CWXBDocData document;
    std::string line = std::string(511, 'a') + "\x82\xA0" + "z";
    LineFileOutcome r = ReadLinePerSentenceFile(Bytes(line), kChineseToJapanese, true, document);
    ASSERT_EQ(document.SentenceCount(), 2);
    EXPECT_EQ(document.Japanese(0), std::string(511, 'a'));
    EXPECT_EQ(document.Japanese(1), "\x82\xA0z");
    EXPECT_TRUE(r.switchToJapaneseSource);
}

TEST(LinePerSentenceTest, NamesEndingInJpnInAnyCase) {
    EXPECT_TRUE(IsLinePerSentenceName(L"C:\\work\\lines.jPn"));
    EXPECT_FALSE(IsLinePerSentenceName(L"C:\\work\\lines.jpn.txt"));
    EXPECT_FALSE(IsLinePerSentenceName(L"JPN"));
}

} // namespace
