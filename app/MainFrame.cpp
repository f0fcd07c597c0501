// The editor's main frame window.
#include "MainFrame.h"
