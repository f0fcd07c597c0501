// The editor view: one custom-drawn window showing the document's sentences.
#pragma once

#include "View.h"

class CWXBView : public CView {
protected:
    const wchar_t* WindowClassName() const override { return L"TwinWXBView"; }
};
