#pragma once

#include <QtGlobal>

#include <string>

QT_BEGIN_NAMESPACE
class QWidget;
QT_END_NAMESPACE

// The commands of the menus "ITRF &Parameters" and "&Ellipsoid" that open
// dialogs: each takes the main form's data it reads or changes, and the
// services it shows messages and file dialogs through. Dialogs open at the
// program's font size, over `parent`.
namespace tessara {

class EllipsoidList;
class EllipsoidMenu;
class NameList;
class Notifier;
class ParameterStore;
class PathChooser;

struct DialogServices {
    Notifier& notifier;
    PathChooser& paths;
    int fontSize = 8;  // points
};

// "&View ...": the parameter dialog in view mode, on the set selected in
// the main form's visible list (empty: the first set). Changes nothing.
void viewParameters(QWidget* parent, const ParameterStore& store, const std::string& selectedName,
                    const DialogServices& services);

// "&Import ...": a .params file, read with the program's reader (which
// shows its own messages), shown in the check dialog. On Save the set goes
// into the store, its name into the visible list (the selection kept) and
// the set into the list file. The file chooser starts in `importFolder`
// (the folder of the shipped sets, at first); the folder of a chosen file
// becomes the next start. Returns true when a set was saved: the form then
// shows its lists again and revalidates.
bool importParameters(QWidget* parent, ParameterStore& store, NameList& visibleList,
                      const std::string& parameterListPath, std::string& importFolder,
                      const DialogServices& services);

// "&Export ...": every set of the store as a text file into a folder the
// user chooses (starting at the program folder), then the result message.
void exportParameters(QWidget* parent, const ParameterStore& store,
                      const std::string& programFolder, const DialogServices& services);

// "&Modify list ...": on "Save changes" the displayed flags of the store
// change; returns true then, and the caller refills the visible list from
// the store (its first entry selected). The flags reach the settings at
// program end.
bool modifyParameterList(QWidget* parent, ParameterStore& store, const DialogServices& services);

// "&View ..": the ellipsoid dialog in view mode on the ITRF to GDA94
// direction's current ellipsoid. Changes nothing.
void viewEllipsoids(QWidget* parent, const EllipsoidList& list, int currentItrfToGda,
                    const DialogServices& services);

// "&New ..": the ellipsoid dialog in new mode. On Save the ellipsoid joins
// the list (or replaces the user ellipsoid of its name in place), the menu
// and the list file. Returns true when one was saved: the menu is shown
// again.
bool newEllipsoid(QWidget* parent, EllipsoidList& list, EllipsoidMenu& menu, int currentItrfToGda,
                  const std::string& ellipsoidListPath, const DialogServices& services);

// "&Import ..": an .ellipsoid file, added as "&New .." adds one; refusals
// are shown. Returns true when one was added.
bool importEllipsoid(QWidget* parent, EllipsoidList& list, EllipsoidMenu& menu,
                     const std::string& ellipsoidListPath, const DialogServices& services);

}  // namespace tessara
