// viewshow [/3] FILE: opens a text file in the editor view inside a test frame titled
// "FILE - ViewShow", for looking at the painting. With /3 the third pane shows a copy of each
// source text; either way sentence 2 is marked, sentence 3 locked and part of sentence 1 selected.
#include "Application.h"
#include "CharacterTablesResource.h"
#include "DocTemplate.h"
#include "ViewTestSupport.h"
#include "WXBDoc.h"
#include "WXBView.h"

#include <cwchar>
#include <string>

namespace {

class CShowFrame : public CViewTestFrame {
protected:
    std::wstring FrameTitle() const override {
        CDocument* document = ActiveView() ? ActiveView()->GetDocument() : nullptr;
        return (document ? document->Title() : std::wstring()) + L" - ViewShow";
    }
};

class CViewShowApp : public CApplication {
public:
    bool InitInstance() override {
        std::wstring line = CommandLine();
        bool threePanes = line.rfind(L"/3 ", 0) == 0;
        std::wstring path = threePanes ? line.substr(3) : line;
        if (!path.empty() && path.front() == L'"')
            path = path.substr(1, path.size() - 2);
        if (!LoadCharacterTables(::GetModuleHandleW(nullptr)))
            return false;
        SetRegistryKey(L"TwinViewShow");
        AddDocTemplate(std::make_unique<CSingleDocTemplate>(
            1, [this] { return std::make_unique<CWXBDoc>(m_host); }, [] { return new CShowFrame; },
            [this] { return new CWXBView(std::make_unique<CForwardingEnvironment>(m_environment)); }));
        if (!OpenDocumentFile(path))
            return false;
        auto* view = static_cast<CWXBView*>(MainFrame()->ActiveView());
        CWXBDocData& data = static_cast<CWXBDoc*>(view->GetDocument())->Data();
        if (threePanes) {
            view->SetThreePaneDisplay(true);
            view->SetThirdPaneMode(ThirdPaneMode::BackTranslation);
            for (int i = 0; i < data.SentenceCount(); ++i)
                data.SetThirdPane(i, data.Text(i, view->SourceLanguage()));
        }
        view->SentenceMarks().Set(1, true);
        view->LockBits().Set(2, true);
        view->GoToSentence(0, 0);
        view->Selection() = {0, 0, 2, 8};
        ::SetWindowPos(MainFrame()->GetSafeHwnd(), HWND_TOP, 0, 0, 1100, 760, SWP_SHOWWINDOW);
        view->RelayoutAll();
        ::SetFocus(view->GetSafeHwnd());
        return true;
    }

private:
    CTestViewEnvironment m_environment;
    CTestTextHost m_host{m_environment};
};

CViewShowApp theApp;

} // namespace
