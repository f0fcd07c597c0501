// The document's data: the parallel sentence lists, their attachments, and how it is saved.
#include "WXBDocData.h"

#include <algorithm>
#include <new>

namespace {

const std::string kNoText;

// Grows ahead of an insert, so that the insert itself cannot fail half-way through the lists.
template <class T> void ReserveOneMore(std::vector<T>& list) {
    if (list.size() == list.capacity())
        list.reserve(std::max<size_t>(16, list.size() * 2));
}

bool FitsSentence(const SentenceTexts& s) {
    for (const std::string* text : {&s.japanese, &s.chinese, &s.separator, &s.thirdPane, &s.mark})
        if (text->size() > kMaxSentenceBytes)
            return false;
    return true;
}

} // namespace

CWXBDocData::CWXBDocData() {
    Clear();
}

const std::string& CWXBDocData::Entry(const std::vector<std::string>& list, int i) {
    return i >= 0 && size_t(i) < list.size() ? list[size_t(i)] : kNoText;
}

bool CWXBDocData::Replace(std::vector<std::string>& list, int i, std::string text) {
    if (!IsSentence(i) || text.size() > kMaxSentenceBytes)
        return false;
    list[size_t(i)] = std::move(text);
    return true;
}

const std::string& CWXBDocData::Text(int i, int language) const {
    if (language == kLangChinese)
        return Chinese(i);
    return language == kLangJapanese ? Japanese(i) : kNoText;
}

bool CWXBDocData::SetText(int i, int language, std::string text) {
    if (language == kLangJapanese)
        return SetJapanese(i, std::move(text));
    if (language == kLangChinese)
        return SetChinese(i, std::move(text));
    return false;
}

bool CWXBDocData::CommitEdit(int i, int language, std::string text) {
    if (!SetText(i, language, std::move(text)))
        return false;
    m_aAttach[size_t(i)].reset();
    return true;
}

CAttachment* CWXBDocData::Attachment(int i) const {
    return IsSentence(i) ? m_aAttach[size_t(i)].get() : nullptr;
}

int CWXBDocData::SetAttachment(int i, std::unique_ptr<CAttachment> block) {
    if (!IsSentence(i))
        return -1;
    m_aAttach[size_t(i)] = std::move(block);
    return 0;
}

void CWXBDocData::Clear() {
    for (auto* list : {&m_aJapanese, &m_aChinese, &m_aSeparator, &m_aThirdPane, &m_aMark}) {
        list->clear();
        list->emplace_back();
    }
    m_aAttach.clear();
    m_aAttach.emplace_back();
    m_nSentences = 1;
    if (m_pWatcher)
        m_pWatcher->OnStoreCleared();
}

bool CWXBDocData::InsertSentence(int i) {
    if (m_nSentences >= kMaxSentences || i < 0 || i > m_nSentences)
        return false;
    try {
        for (auto* list : {&m_aJapanese, &m_aChinese, &m_aSeparator, &m_aThirdPane, &m_aMark})
            ReserveOneMore(*list);
        ReserveOneMore(m_aAttach);
    } catch (const std::bad_alloc&) {
        return false;
    }
    // With room reserved, these inserts only move elements, which cannot throw.
    size_t at = size_t(i);
    for (auto* list : {&m_aJapanese, &m_aChinese, &m_aThirdPane, &m_aMark})
        list->emplace(list->begin() + at);
    m_aSeparator.emplace(m_aSeparator.begin() + at, "\r\n");
    m_aAttach.emplace(m_aAttach.begin() + at);
    ++m_nSentences;
    return true;
}

bool CWXBDocData::DeleteSentence(int i) {
    if (!IsSentence(i))
        return false;
    if (m_nSentences == 1) {
        Clear();
        return true;
    }
    size_t at = size_t(i);
    for (auto* list : {&m_aJapanese, &m_aChinese, &m_aSeparator, &m_aThirdPane, &m_aMark})
        list->erase(list->begin() + at);
    m_aAttach.erase(m_aAttach.begin() + at);
    --m_nSentences;
    return true;
}

bool CWXBDocData::ReplaceAll(std::vector<SentenceTexts> sentences) {
    if (sentences.size() > size_t(kMaxSentences) ||
        !std::all_of(sentences.begin(), sentences.end(), FitsSentence))
        return false;
    std::vector<std::string> japanese, chinese, separator, thirdPane, mark;
    std::vector<std::unique_ptr<CAttachment>> attach;
    size_t count = std::max<size_t>(1, sentences.size());
    try {
        sentences.resize(count);
        for (auto* list : {&japanese, &chinese, &separator, &thirdPane, &mark})
            list->reserve(count);
        attach.resize(count);
    } catch (const std::bad_alloc&) {
        return false;
    }
    for (SentenceTexts& s : sentences) {
        japanese.push_back(std::move(s.japanese));
        chinese.push_back(std::move(s.chinese));
        separator.push_back(std::move(s.separator));
        thirdPane.push_back(std::move(s.thirdPane));
        mark.push_back(std::move(s.mark));
    }
    m_aJapanese.swap(japanese);
    m_aChinese.swap(chinese);
    m_aSeparator.swap(separator);
    m_aThirdPane.swap(thirdPane);
    m_aMark.swap(mark);
    m_aAttach.swap(attach); // the old blocks go with the local list
    m_nSentences = int(count);
    return true;
}

void CWXBDocData::NewDocument() {
    Clear();
    m_bFromText = false;
    m_nDocKind = kFileUndecided;
}

void CWXBDocData::NoteBilingualFileRead() {
    m_nDocKind = kFileBilingual;
    m_bFromText = false;
    m_nLastLoadForm = kFileBilingual;
}

void CWXBDocData::NoteTextFileRead(int sourceLanguage, bool linePerSentence) {
    // The text replaced whatever was loaded before, so the earlier file's kind goes with it.
    m_nDocKind = kFileUndecided;
    m_bFromText = !linePerSentence;
    m_nLastLoadForm = sourceLanguage == kLangChinese ? kFileChineseText : kFileJapaneseText;
}

void CWXBDocData::NoteSaveAsChoice(int fileType) {
    if (fileType < kFileBilingual || fileType > kFileBilingualUnicode)
        return;
    m_nDocKind = fileType;
    m_nLastLoadForm = fileType;
}

void CWXBDocData::NoteSaveTypeShown(int fileType) {
    if (fileType >= kFileBilingual && fileType <= kFileBilingualUnicode)
        m_nLastLoadForm = fileType;
}

SavePlan CWXBDocData::PlanSave(const std::wstring& givenPath, bool replace,
                               const std::wstring& documentPath, const std::wstring& title) const {
    SavePlan plan;
    // Only a file read or last chosen as bilingual may be overwritten without asking.
    bool bilingualForm =
        m_nLastLoadForm == kFileBilingual || m_nLastLoadForm == kFileBilingualUnicode;
    if (!givenPath.empty() && bilingualForm)
        return plan;
    plan.showDialog = true;
    bool bilingualKind = m_nDocKind == kFileBilingual || m_nDocKind == kFileBilingualUnicode;
    if ((replace && documentPath.empty()) || !bilingualKind)
        plan.suggestedName = title.substr(0, title.find_first_of(L" #%;/\\"));
    else
        plan.suggestedName = documentPath;
    return plan;
}

bool CWXBDocData::ReadFrom(CDocumentFormats& formats, const FileBytes& file) {
    if (formats.Read(*this, file))
        return true;
    Clear();
    return false;
}

bool CWXBDocData::WriteTo(CDocumentFormats& formats, FileBytes& file) {
    switch (m_nDocKind) {
    case kFileJapaneseText:
        return formats.WriteJapaneseText(*this, file);
    case kFileChineseText:
        return formats.WriteChineseText(*this, file);
    case kFileBilingualUnicode:
        return formats.WriteBilingualUnicodeText(*this, file);
    default:
        m_bFromText = false;
        return formats.WriteBilingualFile(*this, file);
    }
}
