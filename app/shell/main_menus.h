#pragma once

#include <QObject>

#include <array>
#include <functional>

QT_BEGIN_NAMESPACE
class QAction;
class QMenu;
class QMenuBar;
QT_END_NAMESPACE

namespace tessara {

class EllipsoidMenu;

// Every command of the main window's menu bar, in menu order.
enum class MenuCommand {
    TransformFile,
    LogFileOptions,
    ViewLogFile,
    ViewMessageFile,
    Exit,
    ItrfCartesian,
    ItrfGeographic,
    EpochDayMonthYear,
    EpochDecimalYear,
    ItrfFormat,
    ItrfPrecision,
    GdaCartesian,
    GdaGeographic,
    GdaFormat,
    GdaPrecision,
    ViewParameters,
    ImportParameters,
    ExportParameters,
    ModifyList,
    ViewEllipsoid,
    ImportEllipsoid,
    NewEllipsoid,
    FontSize,
    HelpTopics,
    About,
};
inline constexpr int kMenuCommandCount = static_cast<int>(MenuCommand::About) + 1;

// The menu bar with the captions and status-bar prompts of every command.
// The ellipsoid items stand above the "&Ellipsoid" menu's first separator and
// carry their command identifiers (32789 + position) as data.
class MainMenus : public QObject {
    Q_OBJECT

public:
    explicit MainMenus(QMenuBar& bar, QObject* parent = nullptr);

    QAction* action(MenuCommand command) const;
    // Shows the ellipsoid items of the list and checks the current one.
    void showEllipsoids(const EllipsoidMenu& items, int current);
    QMenu* ellipsoidMenu() const { return ellipsoidMenu_; }

signals:
    void triggered(MenuCommand command);
    void ellipsoidChosen(int position);

private:
    std::array<QAction*, kMenuCommandCount> actions_{};
    QMenu* ellipsoidMenu_ = nullptr;
    QAction* ellipsoidSeparator_ = nullptr;
};

}  // namespace tessara
