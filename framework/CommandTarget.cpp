// Command maps: handlers and update handlers for command identifiers, routed along a chain.
#include "CommandTarget.h"

void CMenuCommandUI::Enable(bool on) {
    ::EnableMenuItem(m_menu, m_index, MF_BYPOSITION | (on ? MF_ENABLED : MF_GRAYED));
}

void CMenuCommandUI::SetCheck(int state) {
    ::CheckMenuItem(m_menu, m_index, MF_BYPOSITION | (state ? MF_CHECKED : MF_UNCHECKED));
}

void CMenuCommandUI::SetText(const std::wstring& text) {
    MENUITEMINFOW info = {sizeof info};
    info.fMask = MIIM_STRING;
    info.dwTypeData = const_cast<wchar_t*>(text.c_str());
    ::SetMenuItemInfoW(m_menu, m_index, TRUE, &info);
}

bool CCommandTarget::OnCmdMsg(UINT id, UINT code) { return HandleOwnCommand(id, code); }

bool CCommandTarget::OnUpdateCmdUI(CCommandUI& ui) { return HandleOwnUpdate(ui); }

bool CCommandTarget::HasCommandHandler(UINT id, UINT code) { return HasOwnHandler(id, code); }

void CCommandTarget::UpdateCommandUI(CCommandUI& ui) {
    if (!OnUpdateCmdUI(ui))
        ui.Enable(HasCommandHandler(ui.Id(), 0));
}

namespace {

// Takes the enabled state an update handler gives and shows nothing.
class CEnabledProbe : public CCommandUI {
public:
    explicit CEnabledProbe(UINT id) : CCommandUI(id) {}
    void Enable(bool on) override { enabled = on; }
    void SetCheck(int) override {}
    void SetText(const std::wstring&) override {}
    bool enabled = true;
};

} // namespace

bool CCommandTarget::IsCommandEnabled(UINT id) {
    CEnabledProbe probe(id);
    UpdateCommandUI(probe);
    return probe.enabled;
}

void CCommandTarget::OnCommand(UINT id, std::function<void()> handler) {
    m_commands.push_back({id, id, 0, [handler](UINT) { handler(); }});
}

void CCommandTarget::OnCommandRange(UINT first, UINT last, Handler handler) {
    m_commands.push_back({first, last, 0, std::move(handler)});
}

void CCommandTarget::OnNotify(UINT id, UINT code, std::function<void()> handler) {
    m_commands.push_back({id, id, code, [handler](UINT) { handler(); }});
}

void CCommandTarget::OnUpdate(UINT id, UpdateHandler handler) { m_updates.push_back({id, id, std::move(handler)}); }

void CCommandTarget::OnUpdateRange(UINT first, UINT last, UpdateHandler handler) {
    m_updates.push_back({first, last, std::move(handler)});
}

bool CCommandTarget::HandleOwnCommand(UINT id, UINT code) {
    for (const CommandEntry& entry : m_commands) {
        if (id >= entry.first && id <= entry.last && code == entry.code) {
            // Copy first: a handler may add entries to this very map.
            Handler handler = entry.handler;
            handler(id);
            return true;
        }
    }
    return false;
}

bool CCommandTarget::HandleOwnUpdate(CCommandUI& ui) {
    for (const UpdateEntry& entry : m_updates) {
        if (ui.Id() >= entry.first && ui.Id() <= entry.last) {
            UpdateHandler handler = entry.handler;
            handler(ui);
            return true;
        }
    }
    return false;
}

bool CCommandTarget::HasOwnHandler(UINT id, UINT code) const {
    for (const CommandEntry& entry : m_commands)
        if (id >= entry.first && id <= entry.last && code == entry.code)
            return true;
    return false;
}
