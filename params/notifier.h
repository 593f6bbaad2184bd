#pragma once

#include <string>

namespace tessara {

// How the core tells the user something that needs an answer or an
// acknowledgement. The desktop programs show message boxes; tests record.
class Notifier {
public:
    virtual ~Notifier() = default;

    // An OK-only message box; an empty caption means the program's own title.
    virtual void showMessage(const std::string& text, const std::string& caption) = 0;
    void showMessage(const std::string& text) { showMessage(text, std::string()); }

    // An OK-only message box that reports a success rather than a fault;
    // a notifier without a separate look shows it as any other message.
    virtual void showInformation(const std::string& text, const std::string& caption)
    {
        showMessage(text, caption);
    }

    // A Yes/No question; true for Yes.
    virtual bool askYesNo(const std::string& caption, const std::string& text) = 0;
};

}  // namespace tessara
