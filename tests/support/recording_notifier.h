#pragma once

#include "params/notifier.h"

#include <string>
#include <vector>

namespace tessara::testing {

// Records every message instead of showing it; answers questions from a
// preset reply.
class RecordingNotifier : public Notifier {
public:
    using Notifier::showMessage;

    struct Shown {
        std::string text;
        std::string caption;
    };

    void showMessage(const std::string& text, const std::string& caption) override
    {
        shown.push_back({text, caption});
        messages.push_back(text);
    }

    bool askYesNo(const std::string& caption, const std::string& text) override
    {
        asked.push_back({text, caption});
        messages.push_back(text);
        return reply;
    }

    std::vector<Shown> shown;
    std::vector<Shown> asked;
    // The texts of every message and question, in the order they came.
    std::vector<std::string> messages;
    bool reply = true;
};

}  // namespace tessara::testing
