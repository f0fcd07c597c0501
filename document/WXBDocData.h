// The document's data: the parallel sentence lists, their attachments, and how it is saved.
#pragma once

#include <memory>
#include <string>
#include <vector>

// Sentence languages, as the view numbers its source language.
enum SentenceLanguage { kLangJapanese = 0, kLangChinese = 1 };

// File types: the document kinds, the Save As filter indexes and the values of LastLoadForm.
enum FileType {
    kFileUndecided = 0, // a new document; it is saved as a bilingual file
    kFileBilingual = 1,
    kFileJapaneseText = 2,
    kFileChineseText = 3,
    kFileBilingualUnicode = 4,
};

// Character form of the text being read.
enum ReadForm { kReadMultibyte = 0, kReadUtf16 = 1, kReadUtf8 = 2 };

constexpr int kMaxSentences = 99999;
// The view's edit buffer and the bilingual writer's copy buffer hold no more.
constexpr size_t kMaxSentenceBytes = 32767;

using FileBytes = std::vector<unsigned char>;

// One heap block the translation run attaches to a sentence (its word records). The document
// owns it and never looks inside; the translation run may attach a block of its own kind.
class CAttachment {
public:
    CAttachment() = default;
    explicit CAttachment(std::vector<unsigned char> bytes) : m_abBytes(std::move(bytes)) {}
    virtual ~CAttachment() = default;
    CAttachment(const CAttachment&) = delete;
    CAttachment& operator=(const CAttachment&) = delete;

    const std::vector<unsigned char>& Bytes() const { return m_abBytes; }

private:
    std::vector<unsigned char> m_abBytes;
};

// The texts of one sentence, as a loader hands them over.
struct SentenceTexts {
    std::string japanese;
    std::string chinese;
    std::string separator;
    std::string thirdPane;
    std::string mark;
};

// Told when the store has been cleared, so that the path and the view's own state go too.
class CDocDataWatcher {
public:
    virtual ~CDocDataWatcher() = default;
    virtual void OnStoreCleared() = 0;
};

class CWXBDocData;

// The readers and writers of the file forms; the document only picks which one runs.
class CDocumentFormats {
public:
    virtual ~CDocumentFormats() = default;
    // Detects the text or bilingual form of the file and fills the document.
    virtual bool Read(CWXBDocData& document, const FileBytes& file) = 0;
    virtual bool WriteBilingualFile(const CWXBDocData& document, FileBytes& file) = 0;
    virtual bool WriteJapaneseText(const CWXBDocData& document, FileBytes& file) = 0;
    virtual bool WriteChineseText(const CWXBDocData& document, FileBytes& file) = 0;
    virtual bool WriteBilingualUnicodeText(const CWXBDocData& document, FileBytes& file) = 0;
};

// What a save needs before the file is written.
struct SavePlan {
    bool showDialog = false;
    std::wstring suggestedName; // the Save As dialog's initial file name
};

// The sentence store: parallel lists that always hold m_nSentences entries, 1 to kMaxSentences.
// Texts are multibyte: Japanese in Shift-JIS, Chinese in GB2312 or Big5 by the script mode.
class CWXBDocData {
public:
    CWXBDocData();
    CWXBDocData(const CWXBDocData&) = delete;
    CWXBDocData& operator=(const CWXBDocData&) = delete;

    void SetWatcher(CDocDataWatcher* watcher) { m_pWatcher = watcher; }

    int SentenceCount() const { return m_nSentences; }
    bool IsSentence(int i) const { return i >= 0 && i < m_nSentences; }

    // Texts of sentence i; an empty string for an index outside the store.
    const std::string& Japanese(int i) const { return Entry(m_aJapanese, i); }
    const std::string& Chinese(int i) const { return Entry(m_aChinese, i); }
    const std::string& Text(int i, int language) const;
    const std::string& Separator(int i) const { return Entry(m_aSeparator, i); }
    const std::string& ThirdPane(int i) const { return Entry(m_aThirdPane, i); }
    const std::string& Mark(int i) const { return Entry(m_aMark, i); }

    // Replace a text; false, with nothing changed, outside the store or beyond kMaxSentenceBytes.
    bool SetJapanese(int i, std::string text) { return Replace(m_aJapanese, i, std::move(text)); }
    bool SetChinese(int i, std::string text) { return Replace(m_aChinese, i, std::move(text)); }
    bool SetText(int i, int language, std::string text);
    bool SetSeparator(int i, std::string text) { return Replace(m_aSeparator, i, std::move(text)); }
    bool SetThirdPane(int i, std::string text) { return Replace(m_aThirdPane, i, std::move(text)); }
    bool SetMark(int i, std::string text) { return Replace(m_aMark, i, std::move(text)); }
    // An edited language text replaces the old one, and the word records no longer fit it.
    bool CommitEdit(int i, int language, std::string text);

    // The block attached to sentence i, or null.
    CAttachment* Attachment(int i) const;
    // Frees the block already attached and keeps the new one (null allowed): 0, or -1 outside
    // the store, where the offered block is freed rather than kept.
    int SetAttachment(int i, std::unique_ptr<CAttachment> block);

    // Leaves one empty sentence, frees every attachment and tells the watcher.
    void Clear();
    // An empty sentence before i (0 <= i <= count) with the separator "\r\n"; false, with
    // nothing changed, at kMaxSentences, for a bad index or when memory runs out.
    bool InsertSentence(int i);
    // Removes sentence i; the only sentence is cleared instead.
    bool DeleteSentence(int i);
    // A load's whole new content; none leaves one empty sentence. False, with nothing changed,
    // for more than kMaxSentences, an over-long text or when memory runs out.
    bool ReplaceAll(std::vector<SentenceTexts> sentences);

    // How the document is saved: a FileType.
    int DocKind() const { return m_nDocKind; }
    // A plain-text file has been read (not a line-per-sentence file) and not saved bilingually.
    bool FromText() const { return m_bFromText; }
    // The form of the last load or Save As choice, a FileType from 1; 1 at start-up.
    int LastLoadForm() const { return m_nLastLoadForm; }

    // The framework's new document: one empty sentence, not yet decided how to save it.
    void NewDocument();
    void NoteBilingualFileRead();
    // A text file read with that source language; a line-per-sentence file is not "from text".
    void NoteTextFileRead(int sourceLanguage, bool linePerSentence);
    // The file type chosen in the Save As dialog (1 to 4).
    void NoteSaveAsChoice(int fileType);
    // A file type chosen in the Save As dialog before it was closed (1 to 4).
    void NoteSaveTypeShown(int fileType);

    // Whether Save As must be asked, and with which name. givenPath is the caller's, documentPath
    // the document's current one, title the document title.
    SavePlan PlanSave(const std::wstring& givenPath, bool replace, const std::wstring& documentPath,
                      const std::wstring& title) const;

    // A failed read leaves one empty sentence.
    bool ReadFrom(CDocumentFormats& formats, const FileBytes& file);
    // Writes the form of the document kind.
    bool WriteTo(CDocumentFormats& formats, FileBytes& file);

    int ReadForm() const { return m_nReadForm; }
    void SetReadForm(int form) { m_nReadForm = form; }

    // Line lengths while a text is read, for the segmentation's line-length rule.
    void StartLineCount() { m_nLineChars = m_nPrevLineChars = 0; }
    void CountLineBytes(int bytes) { m_nLineChars += bytes; }
    void CountLineFeed() {
        m_nPrevLineChars = m_nLineChars;
        m_nLineChars = 0;
    }
    int LineChars() const { return m_nLineChars; }
    int PrevLineChars() const { return m_nPrevLineChars; }

    // Set while a load has the view switch the direction, so that it keeps the third panes.
    bool IsSwitching() const { return m_bSwitching; }
    void SetSwitching(bool switching) { m_bSwitching = switching; }

private:
    static const std::string& Entry(const std::vector<std::string>& list, int i);
    bool Replace(std::vector<std::string>& list, int i, std::string text);

    std::vector<std::string> m_aJapanese;
    std::vector<std::string> m_aChinese;
    std::vector<std::string> m_aSeparator;
    std::vector<std::string> m_aThirdPane;
    std::vector<std::string> m_aMark;
    std::vector<std::unique_ptr<CAttachment>> m_aAttach;
    int m_nSentences = 0;

    int m_nDocKind = kFileUndecided;
    int m_nReadForm = kReadMultibyte;
    int m_nLineChars = 0;
    int m_nPrevLineChars = 0;
    bool m_bFromText = false;
    bool m_bSwitching = false;
    int m_nLastLoadForm = kFileBilingual;

    CDocDataWatcher* m_pWatcher = nullptr;
};
