// A frame, environment and text-file host for driving the editor view on real windows.
#pragma once

#include "FrameWindow.h"
#include "TextFileHost.h"
#include "ViewEnvironment.h"
#include "ViewFrameLink.h"

#include <map>
#include <string>

// Records what the view shows in the status panes and the direction combo box.
class CViewTestFrame : public CFrameWindow, public CViewFrameLink {
public:
    void SetStatusPaneText(int pane, const std::wstring& text) override { panes[pane] = text; }
    std::wstring StatusPaneText(int pane) const override {
        auto found = panes.find(pane);
        return found == panes.end() ? std::wstring() : found->second;
    }
    void SetDirectionComboIndex(int index) override { directionIndex = index; }

    std::map<int, std::wstring> panes;
    int directionIndex = -1;
};

// Font settings kept in memory; writes are recorded.
class CTestViewEnvironment : public CViewEnvironment {
public:
    FontSettingValues fonts[3];
    int script = 0;
    int sourceLanguage = 0;
    bool threePanes = false;
    bool readOnly = false;
    mutable std::map<int, FontSettingValues> written;

    FontSettingValues FontSettings(int section) const override { return fonts[section]; }
    void WriteFontSettings(int section, const FontSettingValues& values) const override { written[section] = values; }
    int ChineseScript() const override { return script; }
    int SourceLanguage() const override { return sourceLanguage; }
    bool ThreePaneDisplay() const override { return threePanes; }
    bool ReadOnlyMark() const override { return readOnly; }
};

// Detects the code of every file; the environment takes the direction and script found.
class CTestTextHost : public CTextFileHost {
public:
    explicit CTestTextHost(CTestViewEnvironment& environment) : m_environment(environment) {}

    TextReadRequest TakeReadRequest() override {
        TextReadRequest request;
        request.chineseScript = m_environment.script;
        request.direction = TransDirection(m_environment.sourceLanguage);
        for (SegmentationValues* v : {&request.japaneseValues, &request.chineseValues})
            v->periodOnly = v->questionMark = v->exclamationMark = 1;
        return request;
    }
    void TextFileRead(const TextReadOutcome& outcome) override {
        m_environment.sourceLanguage = outcome.direction == kChineseToJapanese ? 1 : 0;
        if (outcome.scriptChangeNeeded)
            m_environment.script = 1 - m_environment.script;
    }
    void LinePerSentenceFileRead(const LineFileOutcome&) override {}
    TransDirection Direction() const override { return TransDirection(m_environment.sourceLanguage); }
    bool AutoFileCheck() const override { return true; }
    int LastLoadCode() const override { return 0; }
    // The view tests save nothing.
    bool ChooseSaveFile(const std::wstring&, bool, int, SaveFileChoice&) override { return false; }
    TextWriteRequest TextWriteSettings(int language) const override {
        TextWriteRequest request;
        request.language = language;
        return request;
    }
    std::string TitleSuffixAfterTextSave(int) const override { return std::string(); }

private:
    CTestViewEnvironment& m_environment;
};

// The view owns its environment; this one passes every question on to one the test keeps.
class CForwardingEnvironment : public CViewEnvironment {
public:
    explicit CForwardingEnvironment(const CViewEnvironment& target) : m_target(target) {}
    FontSettingValues FontSettings(int section) const override { return m_target.FontSettings(section); }
    void WriteFontSettings(int section, const FontSettingValues& values) const override {
        m_target.WriteFontSettings(section, values);
    }
    int ChineseScript() const override { return m_target.ChineseScript(); }
    int SourceLanguage() const override { return m_target.SourceLanguage(); }
    bool ThreePaneDisplay() const override { return m_target.ThreePaneDisplay(); }
    bool ReadOnlyMark() const override { return m_target.ReadOnlyMark(); }

private:
    const CViewEnvironment& m_target;
};
