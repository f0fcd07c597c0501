// The editor view: one custom-drawn window showing the document's sentences.
#include "WXBView.h"
