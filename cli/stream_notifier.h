#pragma once

#include "params/notifier.h"

#include <ostream>

namespace tessara::cli {

// Shows the core's messages as lines on a stream (standard error). A
// question cannot be answered on the command line: it is shown and answered
// No.
class StreamNotifier final : public Notifier {
public:
    explicit StreamNotifier(std::ostream& stream) : stream_(stream) {}

    using Notifier::showMessage;
    void showMessage(const std::string& text, const std::string& caption) override;
    bool askYesNo(const std::string& caption, const std::string& text) override;

private:
    std::ostream& stream_;
};

}  // namespace tessara::cli
