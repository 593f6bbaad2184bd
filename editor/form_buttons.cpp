#include "editor/form_buttons.h"

#include "params/notifier.h"

#include <string>

namespace tessara::editor {

SaveButtons updateButtons(bool formValid, std::string_view currentPath)
{
    return {formValid && !currentPath.empty(), formValid};
}

bool confirmExit(SaveButtons buttons, Notifier& notifier)
{
    if (!buttons.save && !buttons.saveAs)
        return true;
    return notifier.askYesNo(std::string(kExitCaption), std::string(kExitQuestion));
}

}  // namespace tessara::editor
