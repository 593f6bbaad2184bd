#include "filetransform/dialogs/convert_command.h"

#include "program/settings.h"
#include "filetransform/dialogs/convert_dialog.h"
#include "filetransform/dialogs/output_format_dialog.h"
#include "params/dialogs/parameter_commands.h"
#include "params/notifier.h"
#include "params/parameter_store.h"
#include "widgets/dialog_font.h"
#include "widgets/text_conversion.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProgressDialog>

namespace tessara {
namespace {

// The progress dialog appears only for a run that takes longer than this.
constexpr int kProgressDelayMs = 400;
// Between two repaints at least this much time passes: painting costs
// more than transforming a few thousand lines.
constexpr qint64 kRepaintIntervalMs = 100;
constexpr int kProgressSteps = 1000;

QString fileNameOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return toQString(slash == std::string::npos ? path : path.substr(slash + 1));
}

// The set of the chosen name; the list only offers sets of the store.
ParameterSet chosenSet(const ParameterStore& store, const std::string& name)
{
    const ParameterSet* set = store.find(name);
    return set != nullptr ? *set : ParameterSet{};
}

}  // namespace

OutputFileFormat outputFileFormatOf(const FileSettings& settings)
{
    OutputFileFormat format;
    format.geographic = settings.outputGeographic;
    format.cartesian = settings.outputCartesian;
    format.includeHeader = settings.outputHeader;
    format.notation = settings.outputNotation;
    format.hemisphere = settings.outputHemisphere;
    format.precision = settings.precision;
    return format;
}

void storeOutputFileFormat(const OutputFileFormat& format, FileSettings& settings)
{
    settings.outputGeographic = format.geographic;
    settings.outputCartesian = format.cartesian;
    settings.outputHeader = format.includeHeader;
    settings.outputNotation = format.notation;
    settings.outputHemisphere = format.hemisphere;
    settings.precision = format.precision;
}

FileRunResult runWithProgress(QWidget* parent, FileRunSettings settings,
                              std::vector<std::string>& messages)
{
    QProgressDialog progress(parent);
    progress.setObjectName(QStringLiteral("runProgress"));
    progress.setWindowTitle(toQString(kConvertDialogCaption));
    progress.setLabelText(QStringLiteral("Transforming ") + fileNameOf(settings.inputPath));
    progress.setMinimumWidth(progress.fontMetrics().averageCharWidth() * 50);
    // Cancel stops the run; the old output file stays as it was.
    progress.setCancelButtonText(QStringLiteral("Cancel"));
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setMinimumDuration(kProgressDelayMs);
    progress.setRange(0, kProgressSteps);
    progress.setValue(0);

    // The first report repaints at once: the dialog that started the run
    // has just closed over the main window.
    QElapsedTimer sinceRepaint;
    bool repainted = false;
    FileRunCallbacks callbacks;
    callbacks.message = [&messages](std::string_view line) { messages.emplace_back(line); };
    callbacks.progress = [&](const FileRunProgress& p) {
        if (repainted && sinceRepaint.elapsed() < kRepaintIntervalMs)
            return;
        repainted = true;
        sinceRepaint.start();
        // Input of unknown size (none here, but a pipe has none) shows a
        // busy bar instead of a share.
        if (p.bytesTotal == 0)
            progress.setRange(0, 0);
        else
            progress.setValue(static_cast<int>(p.bytesDone * kProgressSteps / p.bytesTotal));
        // Once the modal progress dialog is up it takes the clicks (Cancel)
        // and the main window gets none; before that, repaints and timers
        // only, so that a click meant for the main window waits until the
        // run is over instead of starting a command inside it.
        QCoreApplication::processEvents(progress.isVisible()
                                            ? QEventLoop::AllEvents
                                            : QEventLoop::ExcludeUserInputEvents);
    };
    callbacks.cancelled = [&progress] { return progress.wasCanceled(); };

    QApplication::setOverrideCursor(Qt::WaitCursor);
    FileTransformer transformer(std::move(settings), std::move(callbacks));
    FileRunResult result = transformer.Run();
    QApplication::restoreOverrideCursor();
    progress.reset();
    return result;
}

ConvertCommandResult transformFile(QWidget* parent, ConvertContext& context,
                                   const DialogServices& services)
{
    FileSettings& settings = context.settings;
    ConvertDialogStart start;
    start.lastInputFile = settings.inputMru;
    start.lastOutputFile = settings.outputMru;
    start.direction = settings.itrfToGda ? FileDirection::ItrfToGda94 : FileDirection::Gda94ToItrf;
    start.setName = settings.setName;
    start.setNames = context.store.displayedNames();

    CConvertFileDialog* shown = nullptr;
    const auto editOutputFormat = [&] {
        COutputFormatDialog formatDialog(services.notifier, shown);
        useDialogFont(formatDialog, services.fontSize);
        formatDialog.setValue(outputFileFormatOf(settings));
        if (formatDialog.exec() != QDialog::Accepted)
            return;
        storeOutputFileFormat(formatDialog.value(), settings);
        if (context.saveSettings)
            context.saveSettings();
    };
    CConvertFileDialog dialog(start, services.paths, services.notifier, editOutputFormat, parent);
    shown = &dialog;
    useDialogFont(dialog, services.fontSize);

    ConvertCommandResult result;
    if (dialog.exec() != QDialog::Accepted)
        return result;

    const ConvertForm& form = dialog.form();
    settings.inputMru = form.inputPath;
    settings.outputMru = form.outputPath;
    settings.setName = form.setName;
    settings.itrfToGda = form.direction == FileDirection::ItrfToGda94;
    if (context.saveSettings)
        context.saveSettings();

    FileRunSettings run;
    run.inputPath = form.inputPath;
    run.outputPath = form.outputPath;
    run.format = formatChoice(form);
    run.output = outputFileFormatOf(settings);
    run.inputHemisphere = settings.inputHemisphere;
    run.parameters = chosenSet(context.store, form.setName);
    run.ellipsoid = context.ellipsoid;

    result.converted = true;
    result.run = runWithProgress(parent, std::move(run), result.messages);
    // The run has put the same text into the message list; a cancelled
    // run says so there and needs no box.
    if (result.run.status != FileRunStatus::Completed &&
        result.run.status != FileRunStatus::Cancelled)
        services.notifier.showMessage(result.run.errorText);
    return result;
}

}  // namespace tessara
