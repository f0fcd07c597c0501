// One translation engine and the exchanges of its functions with their callers' buffers.
#include "TransferEngine.h"

#include "ChineseAnalyzer.h"
#include "ChineseToJapanese.h"
#include "JapaneseAnalyzer.h"
#include "JapaneseToChinese.h"
#include "Punctuation.h"
#include "SentenceSplit.h"
#include "SourceText.h"

#include <cstring>
#include <iterator>
#include <limits>

namespace transfer {

namespace {

bool EndsInside(const char* field, size_t size) { return std::memchr(field, 0, size) != nullptr; }

// The code pages of a call as the engine works with them, 0 where the call gave one it
// cannot use. An unspecified Chinese source is GB2312.
struct CodePages {
    int32_t source = 0;
    int32_t target = 0;
};

CodePages Resolve(TransDirection direction, const TransMode& mode) {
    CodePages cp;
    if (direction == kJapaneseToChinese) {
        cp.source = mode.m_nSourceCodePage == 0 || mode.m_nSourceCodePage == kShiftJis ? kShiftJis : 0;
        const int32_t t = mode.m_nTargetCodePage;
        cp.target = t == 0 ? kGb2312 : (t == kGb2312 || t == kBig5 || t == kHanvellSimplified) ? t : 0;
    } else {
        const int32_t s = mode.m_nSourceCodePage;
        cp.source = s == 0 ? kGb2312 : (s == kGb2312 || s == kBig5) ? s : 0;
        cp.target = mode.m_nTargetCodePage == 0 || mode.m_nTargetCodePage == kShiftJis ? kShiftJis : 0;
    }
    return cp;
}

bool SameMode(const TransMode& a, const TransMode& b) {
    return a.m_nMode == b.m_nMode && a.m_nSourceCodePage == b.m_nSourceCodePage &&
           a.m_nTargetCodePage == b.m_nTargetCodePage;
}

// Writes the bytes and the terminator, or asks for the size needed.
int32_t Deliver(const std::string& bytes, char* output, int32_t* outputSize) {
    if (bytes.size() >= size_t(std::numeric_limits<int32_t>::max()))
        return kEngineBadArguments;
    const int32_t needed = int32_t(bytes.size()) + 1;
    if (*outputSize < needed) {
        *outputSize = needed;
        return kEngineOutputTooSmall;
    }
    if (!output)
        return kEngineBadArguments;
    std::memcpy(output, bytes.data(), bytes.size());
    output[bytes.size()] = '\0';
    *outputSize = int32_t(bytes.size());
    return 0;
}

} // namespace

struct CTransferEngine::Buffers {
    std::vector<JapaneseToken> japaneseTokens;
    JapaneseAnalysisBuffers japanese;
    JapaneseToChineseBuffers japaneseToChinese;
    std::vector<ChineseToken> chineseTokens;
    ChineseAnalysisBuffers chinese;
    std::u16string source;
    SplitText split;
    std::u16string sentence;
    Pieces pieces;
};

CTransferEngine::CTransferEngine(TransDirection direction, std::filesystem::path systemFolder)
    : m_direction(direction), m_systemFolder(std::move(systemFolder)),
      m_segmentation(DefaultSegmentation(direction)), m_buffers(std::make_unique<Buffers>()) {
    for (auto& dic : m_userDics)
        dic = std::make_unique<CUserDictionary>(direction);
}

CTransferEngine::~CTransferEngine() = default;

bool CTransferEngine::EnsureLoaded() {
    if (m_tables.IsLoaded() && m_system.IsLoaded())
        return true;
    if (m_bLoadTried)
        return false;
    m_bLoadTried = true;
    if (!m_tables.Load(m_systemFolder / "KANJI.TBL"))
        return false;
    if (m_direction == kJapaneseToChinese)
        return m_system.Load(m_systemFolder / "JCMAIN", "JSYI", "JSYD");
    return m_system.Load(m_systemFolder / "CJMAIN", "CSYI", "CSYD");
}

bool CTransferEngine::Configure(const TransConfig& config,
                                const std::array<std::filesystem::path, 3>& userDics) {
    if (!EndsInside(config.m_szUserDic1, sizeof config.m_szUserDic1) ||
        !EndsInside(config.m_szUserDic2, sizeof config.m_szUserDic2) ||
        !EndsInside(config.m_szUserDic3, sizeof config.m_szUserDic3) ||
        !EndsInside(config.m_szLogFileName, sizeof config.m_szLogFileName))
        return false;
    if (!EnsureLoaded())
        return false;
    m_nTransHomo = m_direction == kChineseToJapanese ? config.m_nTransHomo : 1;
    if (m_nTransHomo <= 0)
        m_nTransHomo = 1;
    m_segmentation = SegmentationOf(config);
    OpenUserDics(userDics);
    return true;
}

bool CTransferEngine::CheckUserDic(const std::filesystem::path& base) {
    return CUserDictionary::Check(base, m_direction);
}

UserDicResult CTransferEngine::CreateUserDic(const std::filesystem::path& base) {
    return CUserDictionary::Create(base, m_direction);
}

int32_t CTransferEngine::OpenUserDics(const std::array<std::filesystem::path, 3>& bases) {
    ++m_nGeneration;
    int32_t opened = 0;
    if (!EnsureLoaded()) {
        CloseUserDics();
        return 0;
    }
    for (size_t i = 0; i < 3; ++i) {
        m_userDics[i]->Close();
        if (!bases[i].empty() && m_userDics[i]->Open(bases[i], m_tables))
            ++opened;
    }
    return opened;
}

void CTransferEngine::CloseUserDics() {
    ++m_nGeneration;
    for (auto& dic : m_userDics)
        dic->Close();
}

int32_t CTransferEngine::AddUserEntry(size_t slot, const uint8_t* record) {
    if (slot >= m_userDics.size() || !record || !EnsureLoaded())
        return int32_t(UserDicResult::NotADictionary);
    ++m_nGeneration;
    return m_userDics[slot]->Add(record, m_tables);
}

Pieces CTransferEngine::KanziPieces(const std::u16string& text, bool toJapanese, bool traditional) const {
    const CharMap map = toJapanese ? (traditional ? CharMap::TraditionalToJapanese
                                                  : CharMap::SimplifiedToJapanese)
                                   : (traditional ? CharMap::JapaneseToTraditional
                                                  : CharMap::JapaneseToSimplified);
    Piece piece;
    piece.word = false;
    piece.text.reserve(text.size());
    for (char16_t ch : text) {
        if (IsKanji(ch))
            piece.text.push_back(m_tables.Map(map, ch));
        else
            piece.text.push_back(toJapanese ? JapanesePunctuation(ch) : ChinesePunctuation(ch));
    }
    return {piece};
}

DictionaryStack CTransferEngine::Stack() const {
    DictionaryStack dics;
    for (size_t i = 0; i < 3; ++i)
        if (m_userDics[i]->IsOpen())
            dics.userDics[i] = &m_userDics[i]->Words();
    dics.system = &m_system.Words();
    return dics;
}

Coverage CTransferEngine::Measure(const TransMode& mode, const std::string& source) {
    Coverage coverage;
    const CodePages cp = Resolve(m_direction, mode);
    if (!cp.source || !EnsureLoaded())
        return coverage;
    std::u16string text = m_tables.Page(cp.source)->Decode(source.data(), source.size()).text;
    if (m_direction == kChineseToJapanese && cp.source == kBig5)
        text = m_tables.Map(CharMap::TraditionalToSimplified, text);
    const DictionaryStack dics = Stack();
    auto count = [&](const std::u16string& sentence, TokenType type, size_t start, size_t length) {
        size_t n = 0;
        for (size_t i = start; i < start + length; ++i) {
            const CharClass c = ClassOf(sentence[i]);
            n += c != CharClass::Punctuation && c != CharClass::Space && c != CharClass::LineBreak;
        }
        switch (type) {
        case TokenType::Word: coverage.dictionary += n; break;
        case TokenType::Function: coverage.grammar += n; break;
        case TokenType::UnknownKanji: coverage.converted += n; break;
        default: coverage.carried += n; break;
        }
    };
    const SplitText split = SplitSentences(text, m_direction, m_segmentation);
    for (const TextSpan& span : split.spans) {
        if (!span.sentence)
            continue;
        const std::u16string sentence = split.text.substr(span.start, span.length);
        for (const SourceRun& run : CutIntoRuns(sentence)) {
            if (run.kind != RunKind::Text)
                continue;
            const std::u16string_view part = std::u16string_view(sentence).substr(run.start, run.length);
            if (m_direction == kJapaneseToChinese) {
                for (const JapaneseToken& t : AnalyzeJapanese(part, run.start, dics))
                    count(sentence, t.type, t.start, t.length);
            } else {
                for (const ChineseToken& t : AnalyzeChinese(part, run.start, dics))
                    count(sentence, t.type, t.start, t.length);
            }
        }
    }
    return coverage;
}

std::u16string CTransferEngine::CarriedOver(const std::u16string& text, int32_t targetCodePage,
                                            int32_t sourceCodePage) const {
    const CCodePage* page = m_tables.Page(targetCodePage == kHanvellSimplified ? kGb2312 : targetCodePage);
    const CharMap map = m_direction == kJapaneseToChinese
                            ? (targetCodePage == kBig5 ? CharMap::JapaneseToTraditional
                                                       : CharMap::JapaneseToSimplified)
                            : (sourceCodePage == kBig5 ? CharMap::TraditionalToJapanese
                                                       : CharMap::SimplifiedToJapanese);
    std::u16string out(text);
    for (char16_t& ch : out)
        if (!page->CanEncode(ch))
            ch = m_tables.Map(map, ch);
    return out;
}

bool CTransferEngine::TranslateDecoded(const TransMode& mode, const std::u16string& text,
                                       int32_t targetCodePage, Pieces& pieces) {
    if (mode.m_nMode == 2) {
        const bool traditional = m_direction == kJapaneseToChinese ? targetCodePage == kBig5
                                                                   : mode.m_nSourceCodePage == kBig5;
        pieces = KanziPieces(text, m_direction == kChineseToJapanese, traditional);
        return true;
    }
    // Each sentence on its own, as the editor would hand them over one by one; the pieces
    // point back into the text as it was given.
    SplitText& split = m_buffers->split;
    SplitSentences(text, m_direction, m_segmentation, split);
    pieces.reserve(pieces.size() + split.text.size() + split.spans.size());
    std::u16string& part = m_buffers->sentence;
    for (const TextSpan& span : split.spans) {
        part.assign(split.text, span.start, span.length);
        const size_t first = pieces.size();
        if (span.sentence) {
            TranslateSentence(mode, part, targetCodePage, pieces);
        } else {
            Piece p;
            p.text = CarriedOver(part, targetCodePage, mode.m_nSourceCodePage);
            p.sourceLength = span.length;
            p.word = false;
            pieces.push_back(std::move(p));
        }
        // The span's pieces point into the text as it was given.
        for (size_t k = first; k < pieces.size(); ++k) {
            Piece& p = pieces[k];
            if (p.sourceLength > 0) {
                const size_t local = span.start + p.sourceStart;
                p.sourceStart = split.SourceStart(local);
                p.sourceLength = split.SourceLength(local, p.sourceLength);
            }
        }
    }
    return true;
}

void CTransferEngine::TranslateSentence(const TransMode& mode, const std::u16string& text,
                                        int32_t targetCodePage, Pieces& pieces) const {
    const DictionaryStack dics = Stack();
    const bool traditional = m_direction == kChineseToJapanese && mode.m_nSourceCodePage == kBig5;
    const std::u16string mapped = traditional ? m_tables.Map(CharMap::TraditionalToSimplified, text)
                                              : std::u16string();
    const std::u16string& lookup = traditional ? mapped : text;
    for (const SourceRun& run : CutIntoRuns(text)) {
        if (run.kind != RunKind::Text) {
            // Line breaks and marked spans are carried over character for character, in the
            // target's script where the target code page lacks the character itself.
            Piece p;
            p.text = CarriedOver(text.substr(run.start, run.length), targetCodePage, mode.m_nSourceCodePage);
            p.sourceStart = run.start;
            p.sourceLength = run.length;
            p.word = run.kind == RunKind::Protected && run.length > 0;
            pieces.push_back(std::move(p));
            continue;
        }
        const std::u16string_view part = std::u16string_view(lookup).substr(run.start, run.length);
        Buffers& b = *m_buffers;
        if (m_direction == kJapaneseToChinese) {
            AnalyzeJapanese(part, run.start, dics, b.japaneseTokens, b.japanese);
            TranslateJapaneseTokens(b.japaneseTokens, text, m_tables, pieces, b.japaneseToChinese);
        } else {
            ChineseOptions options;
            options.alternatives = m_nTransHomo;
            AnalyzeChinese(part, run.start, dics, b.chineseTokens, b.chinese);
            TranslateChineseTokens(b.chineseTokens, lookup, m_tables, options, pieces);
        }
    }
}

bool CTransferEngine::Translate(const TransMode& mode, const std::string& source, TargetText& target) {
    const CodePages cp = Resolve(m_direction, mode);
    if (!cp.source || !cp.target || !EnsureLoaded())
        return false;
    std::u16string& text = m_buffers->source;
    m_tables.Page(cp.source)->Decode(source.data(), source.size(), text);
    TransMode resolved = mode;
    resolved.m_nSourceCodePage = cp.source;
    Pieces& pieces = m_buffers->pieces;
    pieces.clear();
    if (!TranslateDecoded(resolved, text, cp.target, pieces))
        return false;
    EncodeTarget(pieces, cp.target, m_tables, target);
    return true;
}

int32_t CTransferEngine::Transfer(const TransMode& mode, const char* source, char* output,
                                  int32_t* outputSize, WordRecord* records, int32_t* recordCount) {
    if (!outputSize)
        return kEngineBadArguments;
    const std::string text = source ? std::string(source) : std::string();
    const CodePages cp = Resolve(m_direction, mode);
    if (!cp.source || !cp.target) {
        Deliver(std::string(), output, outputSize);
        return kEngineBadCodePage;
    }
    if (!m_cache.valid || !SameMode(m_cache.mode, mode) || m_cache.source != text ||
        m_cache.generation != m_nGeneration) {
        TargetText target;
        if (!Translate(mode, text, target)) {
            m_cache.valid = false;
            Deliver(std::string(), output, outputSize);
            return kEngineNoDictionary;
        }
        m_cache = {mode, text, m_nGeneration, std::move(target), true};
    }
    const TargetText& target = m_cache.target;
    const bool giveRecords = mode.m_bWantWordRecords && records && recordCount && mode.m_nMode != 2;
    // A shortage of output is reported before one of records; each is reported once, as the
    // caller's next call brings what was asked for.
    const int32_t needed = int32_t(std::min<size_t>(target.bytes.size(), INT32_MAX - 1)) + 1;
    if (*outputSize < needed) {
        *outputSize = needed;
        return kEngineOutputTooSmall;
    }
    if (giveRecords && *recordCount < int32_t(target.records.size())) {
        *recordCount = int32_t(target.records.size());
        return kEngineTooFewRecords;
    }
    const int32_t delivered = Deliver(target.bytes, output, outputSize);
    if (delivered != 0)
        return delivered;
    if (giveRecords) {
        for (size_t i = 0; i < target.records.size(); ++i)
            records[i] = target.records[i];
        *recordCount = int32_t(target.records.size());
    } else if (recordCount) {
        *recordCount = 0;
    }
    return 0;
}

int32_t CTransferEngine::ConvertKanzi(const char* text, int32_t chineseCodePage, char* output,
                                      int32_t* outputSize) {
    if (!outputSize)
        return kEngineBadArguments;
    if (chineseCodePage != kGb2312 && chineseCodePage != kBig5) {
        Deliver(std::string(), output, outputSize);
        return kEngineBadCodePage;
    }
    EnsureLoaded();
    if (!m_tables.IsLoaded())
        return kEngineNoDictionary;
    const bool toJapanese = m_direction == kChineseToJapanese;
    const int32_t from = toJapanese ? chineseCodePage : int32_t(kShiftJis);
    const int32_t to = toJapanese ? int32_t(kShiftJis) : chineseCodePage;
    const std::u16string decoded = m_tables.Page(from)->Decode(text).text;
    const TargetText target =
        EncodeTarget(KanziPieces(decoded, toJapanese, chineseCodePage == kBig5), to, m_tables);
    return Deliver(target.bytes, output, outputSize);
}

} // namespace transfer
