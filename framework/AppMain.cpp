// Program entry: hands control to the one application object the program defines.
#include "Application.h"

#include <commctrl.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int showCommand) {
    CApplication* app = CApplication::Current();
    if (!app)
        return -1;
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES | ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&controls);
    return app->Main(instance, commandLine, showCommand);
}
