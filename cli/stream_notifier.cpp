#include "cli/stream_notifier.h"

namespace tessara::cli {

void StreamNotifier::showMessage(const std::string& text, const std::string& caption)
{
    if (!caption.empty())
        stream_ << caption << ": ";
    stream_ << text << '\n';
}

bool StreamNotifier::askYesNo(const std::string& caption, const std::string& text)
{
    showMessage(text, caption);
    return false;
}

}  // namespace tessara::cli
