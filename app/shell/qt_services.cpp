#include "app/shell/qt_services.h"

#include "app/dialogs/file_dialog_ex.h"
#include "interactive/dialogs/log_options_dialog.h"
#include "widgets/dialog_font.h"
#include "widgets/program_style.h"
#include "values/dialogs/format_dialog.h"
#include "values/dialogs/precision_dialog.h"
#include "widgets/text_conversion.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>

namespace tessara {

namespace {

void showBox(QMessageBox::Icon icon, const std::string& text, const std::string& caption)
{
    const QString title = caption.empty() ? QStringLiteral("Tessara") : toQString(caption);
    QMessageBox box(icon, title, toQString(text), QMessageBox::Ok, QApplication::activeWindow());
    prepareMessageBox(box);
    box.exec();
}

}  // namespace

void QtNotifier::showMessage(const std::string& text, const std::string& caption)
{
    showBox(QMessageBox::Warning, text, caption);
}

void QtNotifier::showInformation(const std::string& text, const std::string& caption)
{
    showBox(QMessageBox::Information, text, caption);
}

bool QtNotifier::askYesNo(const std::string& caption, const std::string& text)
{
    QMessageBox box(QMessageBox::Question, toQString(caption), toQString(text),
                    QMessageBox::Yes | QMessageBox::No, QApplication::activeWindow());
    prepareMessageBox(box);
    return box.exec() == QMessageBox::Yes;
}

std::optional<ChosenFile> QtFileChooser::chooseSaveFile(const SaveFileRequest& request)
{
    CFileDialogEx dialog(CFileDialogEx::Mode::Save, toQString(request.defaultExtension),
                         toQString(request.initialPath), request.filter,
                         QApplication::activeWindow());
    dialog.setWindowTitle(toQString(request.title));
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
    if (request.append)
        dialog.showAppendOption(*request.append);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return ChosenFile{toStdString(dialog.selectedFiles().constFirst()), dialog.append()};
}

std::optional<std::string> QtFileChooser::chooseOpenFile(const OpenFileRequest& request)
{
    CFileDialogEx dialog(CFileDialogEx::Mode::Open, {}, toQString(request.initialPath),
                         request.filter, QApplication::activeWindow());
    if (!request.title.empty())
        dialog.setWindowTitle(toQString(request.title));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return toStdString(dialog.selectedFiles().constFirst());
}

StartResult QtDesktopOpener::openInTextViewer(const std::string& path)
{
    // The desktop opener tells only whether it started.
    const bool started = QDesktopServices::openUrl(QUrl::fromLocalFile(toQString(path)));
    return started ? StartResult::Started : StartResult::OtherFailure;
}

void QtDesktopOpener::openWithAssociatedProgram(const std::string& path)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(toQString(path)));
}

QtOptionDialogs::QtOptionDialogs(Notifier& notifier, FileChooser& files,
                                 std::function<int()> fontSize)
    : notifier_(notifier), files_(files), fontSize_(std::move(fontSize))
{
}

std::optional<FormatChoice> QtOptionDialogs::editFormat(const FormatRequest& request)
{
    CFormatDialog dialog(notifier_, parent_);
    useDialogFont(dialog, fontSize_());
    dialog.setValue({request.itrfToGda, request.current.input, request.current.output,
                     request.canCompute});
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const FormatDialogValues chosen = dialog.value();
    return FormatChoice{chosen.input, chosen.output};
}

std::optional<OutputPrecision> QtOptionDialogs::editPrecision(const PrecisionRequest& request)
{
    CPrecisionDialog dialog(parent_);
    useDialogFont(dialog, fontSize_());
    dialog.setValue({request.itrfToGda, request.current});
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.value().precision;
}

std::optional<LogOptions> QtOptionDialogs::editLogOptions(const LogOptions& current)
{
    CLogFileOptionsDialog dialog(files_, parent_);
    useDialogFont(dialog, fontSize_());
    dialog.setValue(current);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.value();
}

}  // namespace tessara
