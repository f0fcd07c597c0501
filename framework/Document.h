// Base of the document: title, path, modified flag, its view, and the hooks of new/open/save/close.
#pragma once

#include "CommandTarget.h"

#include <string>

class CView;

class CDocument : public CCommandTarget {
public:
    CDocument();

    // Hooks the application's document overrides.
    virtual bool OnNewDocument();
    virtual bool OnOpenDocument(const std::wstring& path);
    // After a failed open; a document whose contents the open did not touch may keep them.
    virtual void OnOpenFailed() { OnNewDocument(); }
    virtual bool OnSaveDocument(const std::wstring& path);
    virtual void OnCloseDocument();
    virtual void DeleteContents() {}
    // Asks whether to save a modified document; false when the user cancels or saving fails.
    virtual bool SaveModified();
    // Saves under path, or asks for a name when the path is empty; false when not saved.
    virtual bool DoSave(const std::wstring& path);
    // Called at idle time with the application's idle count.
    virtual void OnIdle() {}

    bool IsModified() const { return m_modified; }
    void SetModified(bool modified = true) { m_modified = modified; }
    const std::wstring& Title() const { return m_title; }
    void SetTitle(const std::wstring& title);
    const std::wstring& PathName() const { return m_pathName; }
    virtual void SetPathName(const std::wstring& path, bool addToRecentFiles = true);

    void AttachView(CView* view) { m_view = view; }
    CView* View() const { return m_view; }
    void UpdateAllViews(CView* sender, LPARAM hint = 0);

protected:
    // Handlers a document that can save wires to ID_FILE_SAVE and ID_FILE_SAVE_AS.
    void OnFileSave();
    void OnFileSaveAs();

private:
    std::wstring m_title;
    std::wstring m_pathName;
    bool m_modified = false;
    CView* m_view = nullptr;
};
