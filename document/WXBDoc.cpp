// The editor's bilingual document.
#include "WXBDoc.h"
