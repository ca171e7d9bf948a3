#include "help/HelpLauncher.h"

namespace lv {

void startHelp(TopLevelWindows& windows, Shell& shell, const std::string& programDirectory)
{
    if (const WindowHandle open = windows.find(HelpClassName, HelpTitle))
        windows.close(open);
    shell.shellExecute("", programDirectory + HelpProgram, "", "", ShowNormal);
}

} // namespace lv
