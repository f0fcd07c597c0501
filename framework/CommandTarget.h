// Command maps: handlers and update handlers for command identifiers, routed along a chain.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// One user-interface item of a command (menu item, toolbar button) offered to update handlers.
class CCommandUI {
public:
    explicit CCommandUI(UINT id) : m_id(id) {}
    virtual ~CCommandUI() = default;

    UINT Id() const { return m_id; }
    virtual void Enable(bool on = true) = 0;
    virtual void SetCheck(int state = 1) = 0;  // 0 unchecked, 1 checked
    virtual void SetText(const std::wstring& text) = 0;

private:
    UINT m_id;
};

// Menu item form; update handlers that rebuild part of the menu (recent files) use the menu and index.
class CMenuCommandUI : public CCommandUI {
public:
    CMenuCommandUI(HMENU menu, UINT index, UINT id) : CCommandUI(id), m_menu(menu), m_index(index) {}

    void Enable(bool on = true) override;
    void SetCheck(int state = 1) override;
    void SetText(const std::wstring& text) override;

    HMENU Menu() const { return m_menu; }
    UINT Index() const { return m_index; }

private:
    HMENU m_menu;
    UINT m_index;
};

class CCommandTarget {
public:
    using Handler = std::function<void(UINT id)>;
    using UpdateHandler = std::function<void(CCommandUI& ui)>;

    virtual ~CCommandTarget() = default;

    // Command (notification code 0 for menus, accelerators and buttons): true when a handler ran
    // here or further along the chain.
    virtual bool OnCmdMsg(UINT id, UINT code);
    // True when an update handler ran here or further along the chain.
    virtual bool OnUpdateCmdUI(CCommandUI& ui);
    // True when some target along the chain has a handler for the command.
    virtual bool HasCommandHandler(UINT id, UINT code);

    // Offers the item along the chain; an item nobody updates is enabled exactly when a handler exists.
    void UpdateCommandUI(CCommandUI& ui);
    // What UpdateCommandUI would show for the command now.
    bool IsCommandEnabled(UINT id);

protected:
    void OnCommand(UINT id, std::function<void()> handler);
    void OnCommandRange(UINT first, UINT last, Handler handler);
    void OnNotify(UINT id, UINT code, std::function<void()> handler);
    void OnUpdate(UINT id, UpdateHandler handler);
    void OnUpdateRange(UINT first, UINT last, UpdateHandler handler);

    bool HandleOwnCommand(UINT id, UINT code);
    bool HandleOwnUpdate(CCommandUI& ui);
    bool HasOwnHandler(UINT id, UINT code) const;

private:
    struct CommandEntry {
        UINT first, last, code;
        Handler handler;
    };
    struct UpdateEntry {
        UINT first, last;
        UpdateHandler handler;
    };
    std::vector<CommandEntry> m_commands;
    std::vector<UpdateEntry> m_updates;
};
