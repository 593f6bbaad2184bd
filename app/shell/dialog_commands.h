#pragma once

namespace tessara {

class CMainFrame;
class Notifier;
class PathChooser;

// Gives the main window the commands whose dialogs the parameter, ellipsoid
// and file-run parts provide: "&Transform file...", the four commands of
// "ITRF &Parameters" and "&View ..", "&Import .." and "&New .." of
// "&Ellipsoid". The notifier and the chooser must outlive the window.
void provideDialogCommands(CMainFrame& frame, Notifier& notifier, PathChooser& paths);

}  // namespace tessara
