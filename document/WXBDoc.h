// The editor's bilingual document.
#pragma once

#include "Document.h"

class CWXBDoc : public CDocument {};
