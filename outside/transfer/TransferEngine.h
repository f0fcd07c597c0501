// One translation engine: its system dictionary, user dictionaries and configuration, and the
// exchanges of the translate and kanji functions with their callers' buffers.
#pragma once

#include "CharacterTables.h"
#include "Dictionaries.h"
#include "EngineRecords.h"
#include "SegmentationValues.h"
#include "SystemDictionary.h"
#include "TargetText.h"
#include "UserDictionary.h"

#include <array>
#include <filesystem>
#include <memory>
#include <string>

namespace transfer {

// Results other than 0 and the call-again replies.
constexpr int32_t kEngineBadArguments = -1;
constexpr int32_t kEngineBadCodePage = -2;
constexpr int32_t kEngineNoDictionary = -3;

// TransHomo's value for every translation.
constexpr int32_t kAllTranslations = 9999;

// Source characters, blanks and punctuation left out, by how the engine rendered them.
struct Coverage {
    size_t dictionary = 0;  // a word of a user or the system dictionary
    size_t grammar = 0;     // a word of the grammar table
    size_t converted = 0;   // unknown characters, converted one by one
    size_t carried = 0;     // kana, letters and digits carried over

    Coverage& operator+=(const Coverage& o) {
        dictionary += o.dictionary;
        grammar += o.grammar;
        converted += o.converted;
        carried += o.carried;
        return *this;
    }
};

class CTransferEngine {
public:
    // systemFolder holds KANJI.TBL and the direction's JCMAIN or CJMAIN files; they are read
    // when first needed.
    CTransferEngine(TransDirection direction, std::filesystem::path systemFolder);
    ~CTransferEngine();

    int32_t Transfer(const TransMode& mode, const char* source, char* output, int32_t* outputSize,
                     WordRecord* records, int32_t* recordCount);
    int32_t ConvertKanzi(const char* text, int32_t chineseCodePage, char* output,
                         int32_t* outputSize);
    // False for a record whose texts do not end inside their fields, or when the system
    // dictionary cannot be read. userDics are the record's three paths as the platform names
    // files; they are opened for translation.
    bool Configure(const TransConfig& config, const std::array<std::filesystem::path, 3>& userDics);

    bool CheckUserDic(const std::filesystem::path& base);
    UserDicResult CreateUserDic(const std::filesystem::path& base);
    // Opens the three slots in priority order; a slot that cannot be opened is left out.
    // Returns the number opened.
    int32_t OpenUserDics(const std::array<std::filesystem::path, 3>& bases);
    void CloseUserDics();
    // The engine's own way of adding an entry until the dictionary functions are built: the
    // record goes into the open user dictionary of the slot (0 to 2).
    int32_t AddUserEntry(size_t slot, const uint8_t* record);

    // The translation of a text as the caller would receive it; false when it cannot be made.
    bool Translate(const TransMode& mode, const std::string& source, TargetText& target);

    // How the words of a text were found, for the measurements.
    Coverage Measure(const TransMode& mode, const std::string& source);

    bool EnsureLoaded();
    const CCharacterTables& Tables() const { return m_tables; }
    const CSystemDictionary& System() const { return m_system; }

private:
    DictionaryStack Stack() const;
    bool TranslateDecoded(const TransMode& mode, const std::u16string& text, int32_t targetCodePage,
                          Pieces& pieces);
    void TranslateSentence(const TransMode& mode, const std::u16string& text, int32_t targetCodePage,
                           Pieces& pieces) const;
    std::u16string CarriedOver(const std::u16string& text, int32_t targetCodePage,
                               int32_t sourceCodePage) const;
    Pieces KanziPieces(const std::u16string& text, bool toJapanese, bool traditional) const;

    TransDirection m_direction;
    std::filesystem::path m_systemFolder;
    CCharacterTables m_tables;
    CSystemDictionary m_system;
    std::array<std::unique_ptr<CUserDictionary>, 3> m_userDics;
    int32_t m_nTransHomo = 1;
    SegmentationValues m_segmentation;  // where the sentences of a text end, its blanks
    bool m_bLoadTried = false;

    // The last translation, kept for the call that follows a call-again reply.
    struct Cached {
        TransMode mode{};
        std::string source;
        uint32_t generation = 0;
        TargetText target;
        bool valid = false;
    } m_cache;
    uint32_t m_nGeneration = 1;

    // The working buffers of a translation, kept for the next one so that it allocates little.
    struct Buffers;
    std::unique_ptr<Buffers> m_buffers;
};

} // namespace transfer
