// The editor's main frame window.
#pragma once

#include "FrameWindow.h"

class CMainFrame : public CFrameWindow {};
