#pragma once

#include "filetransform/file_output.h"
#include "filetransform/file_transformer.h"

#include <QtGlobal>

#include <functional>
#include <string>
#include <vector>

QT_BEGIN_NAMESPACE
class QWidget;
QT_END_NAMESPACE

// The command "&Transform file...": the dialog "Convert coordinates in
// file", then the run of the chosen file on the user-interface thread with
// a progress dialog.
namespace tessara {

class ParameterStore;
struct DialogServices;
struct FileSettings;

// What the command reads and changes of the main form.
struct ConvertContext {
    // The file settings: the last files, the file direction and set name,
    // the output format and the hemisphere style of input files. The
    // command changes them, and then calls saveSettings, after OK in the
    // output format dialog and on Convert.
    FileSettings& settings;
    const ParameterStore& store;
    // The current ellipsoid of the ITRF to GDA94 direction (used whatever
    // the file's direction).
    const Ellipsoid& ellipsoid;
    std::function<void()> saveSettings;
};

struct ConvertCommandResult {
    bool converted = false;  // false: the dialog was closed; nothing changed
    // The lines for the main form's message list, in order: "Input - ...",
    // the failing lines with their messages, the summary, "Output - ...",
    // "************" (or a file error with the counts so far).
    std::vector<std::string> messages;
    FileRunResult run;
};

// After a run (converted), the caller appends the messages to the message
// list, shows the list with its buttons, and sets the status line to
// kStatusAfterRun. A file error has already been shown in a message box.
ConvertCommandResult transformFile(QWidget* parent, ConvertContext& context,
                                   const DialogServices& services);

// The output format as the file settings keep it, and back.
OutputFileFormat outputFileFormatOf(const FileSettings& settings);
void storeOutputFileFormat(const OutputFileFormat& format, FileSettings& settings);

// Runs a file with a progress dialog over `parent` that repaints as the run
// goes (the run itself stays on this thread and cannot be stopped part-way);
// every message-list line goes to `messages`.
FileRunResult runWithProgress(QWidget* parent, FileRunSettings settings,
                              std::vector<std::string>& messages);

}  // namespace tessara
