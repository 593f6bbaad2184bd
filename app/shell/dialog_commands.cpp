#include "app/shell/dialog_commands.h"

#include "program/program_paths.h"
#include "app/shell/main_frame.h"
#include "filetransform/dialogs/convert_command.h"
#include "interactive/ui/tessara_view.h"
#include "params/dialogs/parameter_commands.h"
#include "params/dialogs/path_chooser.h"

#include <memory>
#include <optional>
#include <string>
#include <utility>

namespace tessara {

void provideDialogCommands(CMainFrame& frame, Notifier& notifier, PathChooser& paths)
{
    CMainFrame* window = &frame;
    CTessaraView* view = frame.view();
    // The dialogs open at the program's font size of the moment.
    const auto services = [&notifier, &paths, view] {
        return DialogServices{notifier, paths, view->form().fontSize()};
    };
    const auto provide = [&frame](MenuCommand command, std::function<void(InteractiveForm&)> run,
                                  CTessaraView* v) {
        frame.provideCommand(command, [v, run = std::move(run)] { v->run(run); });
    };

    provide(MenuCommand::ViewParameters, [window, services](InteractiveForm& f) {
        viewParameters(window, f.parameterStore(), f.parameterList().selectedName(), services());
    }, view);
    // The import starts in the folder of the sets shipped with the program,
    // until the user has chosen a file elsewhere.
    auto importFolder = std::make_shared<std::optional<std::string>>();
    provide(MenuCommand::ImportParameters, [window, services, importFolder](InteractiveForm& f) {
        if (!*importFolder)
            *importFolder = shippedSetsFolder(programFolderOf(f.paths().programPath));
        // The selection is kept; choosing it again shows the marker of a
        // replaced set and revalidates.
        if (importParameters(window, f.parameterStore(), f.parameterList(),
                             f.paths().parameterListPath, **importFolder, services()))
            f.SelectParameterSet(f.parameterList().selectedIndex());
    }, view);
    provide(MenuCommand::ExportParameters, [window, services](InteractiveForm& f) {
        exportParameters(window, f.parameterStore(), f.paths().programFolder, services());
    }, view);
    provide(MenuCommand::ModifyList, [window, services](InteractiveForm& f) {
        if (modifyParameterList(window, f.parameterStore(), services()))
            f.RefillParameterList();
    }, view);
    provide(MenuCommand::ViewEllipsoid, [window, services](InteractiveForm& f) {
        viewEllipsoids(window, f.ellipsoids(), f.currentEllipsoid(true), services());
    }, view);
    provide(MenuCommand::ImportEllipsoid, [window, services](InteractiveForm& f) {
        importEllipsoid(window, f.ellipsoids(), f.ellipsoidMenu(), f.paths().ellipsoidListPath,
                        services());
    }, view);
    provide(MenuCommand::NewEllipsoid, [window, services](InteractiveForm& f) {
        newEllipsoid(window, f.ellipsoids(), f.ellipsoidMenu(), f.currentEllipsoid(true),
                     f.paths().ellipsoidListPath, services());
    }, view);
    provide(MenuCommand::TransformFile, [window, services](InteractiveForm& f) {
        ConvertContext context{f.fileSettings(), f.parameterStore(), f.ellipsoidOf(true),
                               [&f] { f.SaveSettings(); }};
        const ConvertCommandResult result = transformFile(window, context, services());
        if (!result.converted)
            return;
        for (const std::string& line : result.messages)
            f.AppendMessage(line);
        f.ShowMessages();
        window->setStatusText(std::string(kStatusAfterRun));
    }, view);
}

}  // namespace tessara
