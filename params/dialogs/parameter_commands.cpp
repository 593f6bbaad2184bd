#include "params/dialogs/parameter_commands.h"

#include "params/dialogs/ellipsoid_dialog.h"
#include "params/dialogs/export_dialog.h"
#include "params/dialogs/modify_list_dialog.h"
#include "params/dialogs/parameter_dialog.h"
#include "params/dialogs/path_chooser.h"
#include "params/display_list_edit.h"
#include "params/ellipsoid_entry.h"
#include "params/notifier.h"
#include "params/parameter_export.h"
#include "params/parameter_file.h"
#include "params/parameter_import.h"
#include "widgets/dialog_font.h"

#include <filesystem>

namespace tessara {
namespace {

constexpr const char* kParameterFilter = "Parameter files (*.params)|*.params||";
constexpr const char* kEllipsoidFilter = "Ellipsoid files (*.ellipsoid)|*.ellipsoid||";

std::optional<std::string> chooseFile(const DialogServices& services, const char* title,
                                      const char* filter, const std::string& startFolder = {})
{
    const std::optional<ChosenPath> chosen =
        services.paths.chooseOpenFile({title, filter, startFolder, 1});
    if (!chosen)
        return std::nullopt;
    return chosen->path;
}

}  // namespace

void viewParameters(QWidget* parent, const ParameterStore& store, const std::string& selectedName,
                    const DialogServices& services)
{
    CParameterDialog dialog(parent);
    useDialogFont(dialog, services.fontSize);
    dialog.setViewMode(store, selectedName);
    dialog.exec();
}

bool importParameters(QWidget* parent, ParameterStore& store, NameList& visibleList,
                      const std::string& parameterListPath, std::string& importFolder,
                      const DialogServices& services)
{
    const std::optional<std::string> path =
        chooseFile(services, "Select parameter file to import", kParameterFilter, importFolder);
    if (!path)
        return false;
    importFolder = std::filesystem::path(*path).parent_path().string();
    ParameterSet set;
    if (!readParameterFileInProgram(*path, set, services.notifier).goOn)
        return false;

    CParameterDialog dialog(parent);
    useDialogFont(dialog, services.fontSize);
    dialog.setCheckMode(set);
    // Save is enabled only for a valid set; Cancel keeps nothing.
    if (dialog.exec() != QDialog::Accepted || !set.valid)
        return false;
    storeImportedSet(set, store, visibleList, parameterListPath, services.notifier);
    return true;
}

void exportParameters(QWidget* parent, const ParameterStore& store,
                      const std::string& programFolder, const DialogServices& services)
{
    CExportDialog dialog(programFolder, services.paths, parent);
    useDialogFont(dialog, services.fontSize);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const std::string folder = dialog.folder();
    const ExportCount count = exportParameterSets(store, folder, services.notifier);
    const std::string result = exportResultMessage(count, folder);
    // Every set written is a success; anything else is shown as a fault.
    if (count.total > 0 && count.exported == count.total)
        services.notifier.showInformation(result, std::string(kExportCaption));
    else
        services.notifier.showMessage(result, std::string(kExportCaption));
}

bool modifyParameterList(QWidget* parent, ParameterStore& store, const DialogServices& services)
{
    CModifyListDialog dialog(store, parent);
    useDialogFont(dialog, services.fontSize);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    dialog.edit().apply(store);
    return true;
}

void viewEllipsoids(QWidget* parent, const EllipsoidList& list, int currentItrfToGda,
                    const DialogServices& services)
{
    CEllipsoidDialog dialog(CEllipsoidDialog::Mode::View, list, currentItrfToGda, parent);
    useDialogFont(dialog, services.fontSize);
    dialog.exec();
}

bool newEllipsoid(QWidget* parent, EllipsoidList& list, EllipsoidMenu& menu, int currentItrfToGda,
                  const std::string& ellipsoidListPath, const DialogServices& services)
{
    CEllipsoidDialog dialog(CEllipsoidDialog::Mode::New, list, currentItrfToGda, parent);
    useDialogFont(dialog, services.fontSize);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    const Ellipsoid entered = dialog.entered();
    return addUserEllipsoid(entered, list, menu, ellipsoidListPath, services.notifier);
}

bool importEllipsoid(QWidget* /*parent*/, EllipsoidList& list, EllipsoidMenu& menu,
                     const std::string& ellipsoidListPath, const DialogServices& services)
{
    const std::optional<std::string> path =
        chooseFile(services, "Select ellipsoid file to import", kEllipsoidFilter);
    if (!path)
        return false;
    return wasAdded(importEllipsoidFile(*path, list, menu, ellipsoidListPath, services.notifier));
}

}  // namespace tessara
