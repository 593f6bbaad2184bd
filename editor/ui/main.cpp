// tessparams: creates and edits the parameter and ellipsoid files that the
// transformation program imports.
//
// Two options serve documentation and testing, not users:
//   --open FILE        opens FILE at start (an .ellipsoid file in the
//                      ellipsoid form, any other in the parameter form)
//   --screenshot PNG   saves a picture of the window to PNG and ends; it
//                      needs no display (QT_QPA_PLATFORM=offscreen)
#include "widgets/program_style.h"
#include "editor/ui/editor_frame.h"
#include "editor/ui/ellipsoid_form.h"
#include "editor/ui/file_chooser.h"
#include "editor/ui/message_notifier.h"
#include "editor/ui/parameter_form.h"

#include <QApplication>
#include <QPixmap>
#include <QStringList>

#include <cstdio>
#include <utility>

namespace {

using namespace tessara::editor;

// Answers the first open dialog with a preset file, and leaves every later
// question to the real dialogs.
class PresetFileChooser final : public FileChooser {
public:
    explicit PresetFileChooser(FileChooser& dialogs) : dialogs_(dialogs) {}
    void preset(const QString& path) { preset_ = path; }

    QString chooseFileToOpen(QWidget* parent, const FileKind& kind) override
    {
        if (preset_.isEmpty())
            return dialogs_.chooseFileToOpen(parent, kind);
        return std::exchange(preset_, QString());
    }
    QString chooseFileToSave(QWidget* parent, const FileKind& kind) override
    {
        return dialogs_.chooseFileToSave(parent, kind);
    }

private:
    FileChooser& dialogs_;
    QString preset_;
};

// The value after an option, or empty; false when the option lacks it.
bool optionValue(const QStringList& arguments, const QString& option, QString& value)
{
    const qsizetype at = arguments.indexOf(option);
    if (at < 0)
        return true;
    if (at + 1 >= arguments.size())
        return false;
    value = arguments.at(at + 1);
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    tessara::useProgramStyle();
    // The editor shares the settings key word of the transformation program
    // but keeps no settings of its own.
    QCoreApplication::setOrganizationName("Kalmora");
    QCoreApplication::setApplicationName("tessparams");

    QString openPath;
    QString screenshotPath;
    const QStringList arguments = QCoreApplication::arguments();
    if (!optionValue(arguments, "--open", openPath) ||
        !optionValue(arguments, "--screenshot", screenshotPath)) {
        std::fputs("usage: tessparams [--open FILE] [--screenshot PNG]\n", stderr);
        return 2;
    }

    MessageNotifier notifier(QString::fromLatin1(kEditorTitle));
    DialogFileChooser dialogs;
    PresetFileChooser chooser(dialogs);
    CEditorFrame frame(chooser, notifier);
    notifier.setParentWidget(&frame);
    frame.show();

    if (!openPath.isEmpty()) {
        chooser.preset(openPath);
        if (openPath.endsWith(".ellipsoid", Qt::CaseInsensitive))
            frame.showEllipsoidForm();
        frame.currentForm()->openFile();
    }
    if (!screenshotPath.isEmpty()) {
        QApplication::processEvents();
        return frame.grab().save(screenshotPath) ? 0 : 1;
    }
    return QApplication::exec();
}
