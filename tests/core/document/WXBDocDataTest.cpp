// The document data: sentence list operations, attachment ownership, save decisions.
#include "WXBDocData.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>

namespace {

// Attachment that records its own destruction by id.
struct FreedLog {
    std::map<int, int> count; // id -> times freed
};

class CCountedAttachment : public CAttachment {
public:
    CCountedAttachment(int id, FreedLog& log) : m_id(id), m_log(log) {}
    ~CCountedAttachment() override { ++m_log.count[m_id]; }
    int Id() const { return m_id; }

private:
    int m_id;
    FreedLog& m_log;
};

class CClearWatcher : public CDocDataWatcher {
public:
    void OnStoreCleared() override { ++cleared; }
    int cleared = 0;
};

// Attachment ids by sentence, 0 for none.
std::vector<int> AttachmentIds(const CWXBDocData& data) {
    std::vector<int> ids;
    for (int i = 0; i < data.SentenceCount(); ++i) {
        auto* block = static_cast<CCountedAttachment*>(data.Attachment(i));
        ids.push_back(block ? block->Id() : 0);
    }
    return ids;
}

std::vector<std::string> JapaneseTexts(const CWXBDocData& data) {
    std::vector<std::string> texts;
    for (int i = 0; i < data.SentenceCount(); ++i)
        texts.push_back(data.Japanese(i));
    return texts;
}

bool IsOneEmptySentence(const CWXBDocData& data) {
    return data.SentenceCount() == 1 && data.Japanese(0).empty() && data.Chinese(0).empty() &&
           data.Separator(0).empty() && data.ThirdPane(0).empty() && data.Mark(0).empty() &&
           !data.Attachment(0);
}

// Sentences "a", "b", "c", with attachments 1, 2, 3 when a log is given.
void FillThree(CWXBDocData& data, FreedLog* log) {
    for (int i = 0; i < 3; ++i) {
        data.InsertSentence(i);
        data.SetJapanese(i, std::string(1, char('a' + i)));
        if (log)
            data.SetAttachment(i, std::make_unique<CCountedAttachment>(i + 1, *log));
    }
    data.DeleteSentence(3); // the empty one a new store starts with
}

class ThreeSentences : public testing::Test {
protected:
    void SetUp() override {
        data.SetWatcher(&watcher);
        FillThree(data, &freed);
        ASSERT_EQ(JapaneseTexts(data), (std::vector<std::string>{"a", "b", "c"}));
    }

    FreedLog freed;
    CWXBDocData data;
    CClearWatcher watcher;
};

TEST(InsertSentence, AddsAnEmptySentenceWithALineBreakSeparator) {
    const struct {
        int at;
        std::vector<std::string> texts;
    } cases[] = {
        {0, {"", "a", "b", "c"}},
        {2, {"a", "b", "", "c"}},
        {3, {"a", "b", "c", ""}}, // at the count it appends
    };
    for (const auto& c : cases) {
        CWXBDocData data;
        FillThree(data, nullptr);
        ASSERT_TRUE(data.InsertSentence(c.at)) << c.at;
        EXPECT_EQ(JapaneseTexts(data), c.texts) << c.at;
        EXPECT_EQ(data.Separator(c.at), "\r\n");
        EXPECT_EQ(data.Chinese(c.at), "");
        EXPECT_EQ(data.ThirdPane(c.at), "");
        EXPECT_EQ(data.Mark(c.at), "");
        EXPECT_EQ(data.Attachment(c.at), nullptr);
    }
}

TEST_F(ThreeSentences, BadIndexesChangeNothing) {
    EXPECT_FALSE(data.InsertSentence(-1));
    EXPECT_FALSE(data.InsertSentence(4));
    EXPECT_FALSE(data.DeleteSentence(-1));
    EXPECT_FALSE(data.DeleteSentence(3));
    EXPECT_FALSE(data.SetChinese(3, "x"));
    EXPECT_FALSE(data.CommitEdit(-1, kLangJapanese, "x"));
    EXPECT_FALSE(data.SetText(0, 2, "x")); // no such language
    EXPECT_EQ(data.Japanese(5), "");
    EXPECT_EQ(JapaneseTexts(data), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(AttachmentIds(data), (std::vector<int>{1, 2, 3}));
    EXPECT_TRUE(freed.count.empty());
}

// Each operation frees exactly the blocks it lets go of, once, and keeps the others in place.
struct OwnershipCase {
    const char* name;
    std::function<void(CWXBDocData&, FreedLog&)> operation;
    std::vector<int> freedIds;
    std::vector<int> remaining; // attachment ids by sentence afterwards
};

const OwnershipCase kOwnershipCases[] = {
    {"replace the block",
     [](CWXBDocData& d, FreedLog& log) {
         d.SetAttachment(1, std::make_unique<CCountedAttachment>(9, log));
     },
     {2},
     {1, 9, 3}},
    {"attach none", [](CWXBDocData& d, FreedLog&) { d.SetAttachment(1, nullptr); }, {2}, {1, 0, 3}},
    {"attach beyond the store",
     [](CWXBDocData& d, FreedLog& log) {
         EXPECT_EQ(d.SetAttachment(3, std::make_unique<CCountedAttachment>(9, log)), -1);
     },
     {9},
     {1, 2, 3}},
    {"delete the middle sentence",
     [](CWXBDocData& d, FreedLog&) { d.DeleteSentence(1); },
     {2},
     {1, 3}},
    {"insert a sentence", [](CWXBDocData& d, FreedLog&) { d.InsertSentence(1); }, {}, {1, 0, 2, 3}},
    {"commit a Japanese edit",
     [](CWXBDocData& d, FreedLog&) { d.CommitEdit(2, kLangJapanese, "z"); },
     {3},
     {1, 2, 0}},
    {"commit a Chinese edit",
     [](CWXBDocData& d, FreedLog&) { d.CommitEdit(0, kLangChinese, "z"); },
     {1},
     {0, 2, 3}},
    {"store a translation text",
     [](CWXBDocData& d, FreedLog&) { d.SetChinese(0, "z"); },
     {},
     {1, 2, 3}},
    {"change the third pane",
     [](CWXBDocData& d, FreedLog&) { d.SetThirdPane(0, "z"); },
     {},
     {1, 2, 3}},
    {"clear", [](CWXBDocData& d, FreedLog&) { d.Clear(); }, {1, 2, 3}, {0}},
    {"replace everything",
     [](CWXBDocData& d, FreedLog&) {
         d.ReplaceAll({{"x"}, {"y"}});
     },
     {1, 2, 3},
     {0, 0}},
};

class AttachmentOwnership : public testing::TestWithParam<OwnershipCase> {};

TEST_P(AttachmentOwnership, FreesEachBlockOnce) {
    const OwnershipCase& c = GetParam();
    FreedLog freed;
    {
        CWXBDocData data;
        FillThree(data, &freed);
        c.operation(data, freed);
        std::map<int, int> expected;
        for (int id : c.freedIds)
            expected[id] = 1;
        EXPECT_EQ(freed.count, expected);
        EXPECT_EQ(AttachmentIds(data), c.remaining);
    }
    // The document frees what it still holds when it goes.
    for (const auto& [id, times] : freed.count)
        EXPECT_EQ(times, 1) << "block " << id;
}

INSTANTIATE_TEST_SUITE_P(Operations, AttachmentOwnership, testing::ValuesIn(kOwnershipCases),
                         [](const testing::TestParamInfo<OwnershipCase>& info) {
                             std::string name = info.param.name;
                             for (char& ch : name)
                                 if (ch == ' ')
                                     ch = '_';
                             return name;
                         });

TEST_F(ThreeSentences, DeletingTheOnlySentenceClearsTheStore) {
    data.DeleteSentence(0);
    data.DeleteSentence(0);
    ASSERT_EQ(data.SentenceCount(), 1);
    data.SetChinese(0, "\xc4\xe3\xba\xc3");
    data.SetSeparator(0, "\r\n");
    data.SetThirdPane(0, "x");
    data.SetMark(0, "*");
    int clearedBefore = watcher.cleared;

    EXPECT_TRUE(data.DeleteSentence(0));
    EXPECT_TRUE(IsOneEmptySentence(data));
    EXPECT_EQ(freed.count[3], 1);
    EXPECT_EQ(watcher.cleared, clearedBefore + 1); // the path and the view's state go too
    EXPECT_FALSE(data.DeleteSentence(1));
}

TEST(SentenceLimit, InsertFailsAtTheLimitAndChangesNothing) {
    CWXBDocData data;
    while (data.SentenceCount() < kMaxSentences - 1)
        ASSERT_TRUE(data.InsertSentence(data.SentenceCount()));
    data.SetJapanese(0, "first");
    ASSERT_TRUE(data.InsertSentence(data.SentenceCount())); // the last one that fits
    ASSERT_EQ(data.SentenceCount(), kMaxSentences);
    data.SetJapanese(kMaxSentences - 1, "last");

    EXPECT_FALSE(data.InsertSentence(0));
    EXPECT_FALSE(data.InsertSentence(kMaxSentences));
    EXPECT_EQ(data.SentenceCount(), kMaxSentences);
    EXPECT_EQ(data.Japanese(0), "first");
    EXPECT_EQ(data.Japanese(kMaxSentences - 1), "last");
    EXPECT_EQ(data.Japanese(kMaxSentences), "");

    ASSERT_TRUE(data.DeleteSentence(0));
    EXPECT_TRUE(data.InsertSentence(0));
}

TEST(SentenceLimit, ReplaceAllRefusesWhatTheStoreCannotHold) {
    CWXBDocData data;
    data.SetJapanese(0, "kept");
    EXPECT_FALSE(data.ReplaceAll(std::vector<SentenceTexts>(kMaxSentences + 1)));
    EXPECT_FALSE(data.ReplaceAll({{std::string(kMaxSentenceBytes + 1, 'x')}}));
    EXPECT_EQ(JapaneseTexts(data), std::vector<std::string>{"kept"});

    EXPECT_TRUE(data.ReplaceAll({}));
    EXPECT_TRUE(IsOneEmptySentence(data));
    EXPECT_TRUE(data.ReplaceAll(std::vector<SentenceTexts>(kMaxSentences)));
    EXPECT_EQ(data.SentenceCount(), kMaxSentences);
}

TEST(SentenceLimit, NoTextLongerThanTheEditBuffer) {
    CWXBDocData data;
    EXPECT_TRUE(data.SetChinese(0, std::string(kMaxSentenceBytes, 'x')));
    EXPECT_FALSE(data.SetJapanese(0, std::string(kMaxSentenceBytes + 1, 'x')));
    EXPECT_FALSE(data.CommitEdit(0, kLangChinese, std::string(kMaxSentenceBytes + 1, 'x')));
    EXPECT_EQ(data.Japanese(0), "");
    EXPECT_EQ(data.Chinese(0).size(), kMaxSentenceBytes);
}

// Readers and writers that only note what was asked of them.
class CFakeFormats : public CDocumentFormats {
public:
    bool Read(CWXBDocData& document, const FileBytes&) override {
        called += "read ";
        document.ReplaceAll({{"partial"}, {"read"}});
        return result;
    }
    bool WriteBilingualFile(const CWXBDocData&, FileBytes&) override { return Note("bilingual"); }
    bool WriteJapaneseText(const CWXBDocData&, FileBytes&) override { return Note("japanese"); }
    bool WriteChineseText(const CWXBDocData&, FileBytes&) override { return Note("chinese"); }
    bool WriteBilingualUnicodeText(const CWXBDocData&, FileBytes&) override {
        return Note("unicode");
    }

    std::string called;
    bool result = true;

private:
    bool Note(const char* what) {
        called += what;
        return result;
    }
};

TEST(Serialisation, WritesTheFormOfTheDocumentKind) {
    const struct {
        int saveAsChoice; // 0: none made
        const char* writer;
    } cases[] = {
        {0, "bilingual"},
        {kFileBilingual, "bilingual"},
        {kFileJapaneseText, "japanese"},
        {kFileChineseText, "chinese"},
        {kFileBilingualUnicode, "unicode"},
    };
    for (const auto& c : cases) {
        for (bool succeeds : {true, false}) {
            CWXBDocData data;
            data.NoteSaveAsChoice(c.saveAsChoice);
            CFakeFormats formats;
            formats.result = succeeds;
            FileBytes file;
            EXPECT_EQ(data.WriteTo(formats, file), succeeds);
            EXPECT_EQ(formats.called, c.writer) << c.saveAsChoice;
        }
    }
}

TEST(Serialisation, AFailedReadLeavesOneEmptySentence) {
    for (bool succeeds : {true, false}) {
        CWXBDocData data;
        CClearWatcher watcher;
        data.SetWatcher(&watcher);
        CFakeFormats formats;
        formats.result = succeeds;
        EXPECT_EQ(data.ReadFrom(formats, FileBytes{'x'}), succeeds);
        if (succeeds) {
            EXPECT_EQ(JapaneseTexts(data), (std::vector<std::string>{"partial", "read"}));
        } else {
            EXPECT_TRUE(IsOneEmptySentence(data));
        }
        EXPECT_EQ(watcher.cleared, succeeds ? 0 : 1);
    }
}

// The document's save state after a sequence of loads and saves.
using Event = void (*)(CWXBDocData&);
void ReadBilingual(CWXBDocData& d) {
    d.NoteBilingualFileRead();
}
void ReadJapaneseText(CWXBDocData& d) {
    d.NoteTextFileRead(kLangJapanese, false);
}
void ReadChineseText(CWXBDocData& d) {
    d.NoteTextFileRead(kLangChinese, false);
}
void ReadLineFile(CWXBDocData& d) {
    d.NoteTextFileRead(kLangJapanese, true);
}
void New(CWXBDocData& d) {
    d.NewDocument();
}
void Choose1(CWXBDocData& d) {
    d.NoteSaveAsChoice(1);
}
void Choose2(CWXBDocData& d) {
    d.NoteSaveAsChoice(2);
}
void Choose4(CWXBDocData& d) {
    d.NoteSaveAsChoice(4);
}
void Write(CWXBDocData& d) {
    CFakeFormats formats;
    FileBytes file;
    d.WriteTo(formats, file);
}

struct SaveStateCase {
    std::vector<Event> events;
    int lastLoadForm;
    int docKind;
    bool fromText;
    bool saveAsks; // Save with the document's path shows the dialog
};

const SaveStateCase kSaveStateCases[] = {
    {{}, 1, 0, false, false},
    {{ReadBilingual}, 1, 1, false, false},
    {{ReadJapaneseText}, 2, 0, true, true},
    {{ReadChineseText}, 3, 0, true, true},
    {{ReadLineFile}, 2, 0, false, true},
    {{ReadBilingual, ReadChineseText}, 3, 0, true, true}, // the earlier file's kind goes
    {{ReadJapaneseText, ReadBilingual}, 1, 1, false, false},
    {{ReadJapaneseText, Choose1, Write}, 1, 1, false, false},
    {{ReadJapaneseText, Choose2, Write}, 2, 2, true, true}, // a text save keeps the mark
    {{ReadJapaneseText, Choose4, Write}, 4, 4, true, false},
    {{ReadChineseText, Write}, 3, 0, false, true}, // written as a bilingual file
    {{ReadJapaneseText, New}, 2, 0, false, true},  // the form outlives a new document
};

class SaveState : public testing::TestWithParam<SaveStateCase> {};

TEST_P(SaveState, FollowsLoadsAndSaves) {
    const SaveStateCase& c = GetParam();
    CWXBDocData data;
    for (Event e : c.events)
        e(data);
    EXPECT_EQ(data.LastLoadForm(), c.lastLoadForm);
    EXPECT_EQ(data.DocKind(), c.docKind);
    EXPECT_EQ(data.FromText(), c.fromText);
    const std::wstring path = L"C:\\docs\\memo.txt";
    EXPECT_EQ(data.PlanSave(path, true, path, L"memo.txt").showDialog, c.saveAsks);
}

INSTANTIATE_TEST_SUITE_P(Sequences, SaveState, testing::ValuesIn(kSaveStateCases));

struct PlanCase {
    int saveAsChoice; // sets the document kind and the last load form; 0: none made
    const wchar_t* givenPath;
    bool replace;
    const wchar_t* documentPath;
    const wchar_t* title;
    bool showDialog;
    const wchar_t* suggestedName;
};

const PlanCase kPlanCases[] = {
    // Saved without asking only to a given path, with a bilingual last form.
    {1, L"C:\\a.wxb", true, L"C:\\a.wxb", L"a.wxb", false, L""},
    {4, L"C:\\a.txt", true, L"C:\\a.txt", L"a.txt", false, L""},
    // Save As of a bilingual kind suggests the document's path.
    {1, L"", true, L"C:\\a.wxb", L"a.wxb", true, L"C:\\a.wxb"},
    {4, L"", false, L"C:\\a.txt", L"a.txt", true, L"C:\\a.txt"},
    {1, L"", false, L"", L"a.wxb", true, L""}, // a copy of a document without a path
    // Otherwise the title, cut at the first blank, '#', '%', ';', '/' or '\\'.
    {1, L"", true, L"", L"my letter", true, L"my"},
    {0, L"", true, L"", L"無題", true, L"無題"},
    {0, L"", false, L"C:\\d\\memo.wxb", L"memo.wxb", true, L"memo.wxb"},
    {2, L"C:\\a.txt", true, L"C:\\a.txt", L"a.txt", true, L"a.txt"},
    {3, L"", true, L"C:\\c.txt", L"c#1.txt", true, L"c"},
    {2, L"", true, L"", L"50%.txt", true, L"50"},
    {2, L"", true, L"", L"a;b", true, L"a"},
    {2, L"", true, L"", L"a/b", true, L"a"},
    {2, L"", true, L"", L"a\\b", true, L"a"},
    {2, L"", true, L"", L" lead", true, L""},
};

class SavePlanRules : public testing::TestWithParam<PlanCase> {};

TEST_P(SavePlanRules, DecidesDialogAndName) {
    const PlanCase& c = GetParam();
    CWXBDocData data;
    data.NoteSaveAsChoice(c.saveAsChoice);
    SavePlan plan = data.PlanSave(c.givenPath, c.replace, c.documentPath, c.title);
    EXPECT_EQ(plan.showDialog, c.showDialog);
    if (plan.showDialog) {
        EXPECT_EQ(plan.suggestedName, c.suggestedName);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, SavePlanRules, testing::ValuesIn(kPlanCases));

} // namespace
