#include "app/shell/main_menus.h"

#include "widgets/name_items.h"
#include "params/ellipsoid_menu.h"
#include "widgets/text_conversion.h"

#include <QAction>
#include <QFontMetrics>
#include <QMenu>
#include <QMenuBar>

namespace tessara {
namespace {

struct Item {
    int menu;             // index into kMenus
    const char* caption;  // "&" marks the access key
    const char* prompt;   // the status-bar prompt, none when empty
    bool checkable;
    bool separatorBefore;
};

constexpr const char* kMenus[] = {"&File",           "&ITRF Options", "&GDA94 Options",
                                  "ITRF &Parameters", "&Ellipsoid",    "&View",
                                  "&Help"};
constexpr int kEllipsoidMenu = 4;

// In MenuCommand order.
constexpr Item kItems[kMenuCommandCount] = {
    {0, "&Transform file...", "Transform file of points", false, false},
    {0, "&Log file...", "Set options for the log file", false, false},
    {0, "&View log file", "View the current log file", false, false},
    {0, "View &message file", "", false, false},
    {0, "E&xit", "Quit the application; prompts to save documents", false, true},
    {1, "Cartesian (XYZ)", "Set input format to XYZ", true, false},
    {1, "Latitude/Longitude/Ht", "Set input format to Geographicals", true, false},
    {1, "Epoch - day/month/year", "Set date format to d/m/y", true, true},
    {1, "Epoch - decimal year", "Set date format to decimal year", true, false},
    {1, "Coordinate &Format...", "Select options for input and output format", false, true},
    {1, "Coordinate &Precision...", "Set options for display of output precision", false, false},
    {2, "Cartesian (XYZ)", "Set input format to XYZ", true, false},
    {2, "Latitude/Longitude/Ht", "Set input format to Geographicals", true, false},
    {2, "Coordinate F&ormat...", "Select options for input and output format", false, true},
    {2, "Coordinate P&recision...", "Select options for display of output precision", false,
     false},
    {3, "&View ...", "View current ITRF parameters", false, false},
    {3, "&Import ...", "Import new parameters from file", false, false},
    {3, "&Export ...", "Create text file of parameters", false, false},
    {3, "&Modify list ...", "Remove or restore sets of parameters to the list", false, false},
    {4, "&View ..", "View ellipsoid parameters", false, true},
    {4, "&Import ..", "Import ellipsoid parameters from file", false, false},
    {4, "&New ..", "Enter new ellipsoid parameters", false, false},
    {5, "Font Size ...", "", false, false},
    {6, "&Help Topics", "List Help topics", false, false},
    {6, "&About Tessara...", "Display program information, version number and copyright",
     false, false},
};

// A name shown as a menu caption, cut in the middle when long: "&" is a
// character, not an access key.
QString menuCaption(const std::string& name, const QFontMetrics& metrics)
{
    return shownName(name, metrics).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

}  // namespace

MainMenus::MainMenus(QMenuBar& bar, QObject* parent) : QObject(parent)
{
    QMenu* menus[std::size(kMenus)] = {};
    for (std::size_t m = 0; m < std::size(kMenus); ++m)
        menus[m] = bar.addMenu(QString::fromLatin1(kMenus[m]));
    ellipsoidMenu_ = menus[kEllipsoidMenu];
    // A cut ellipsoid name shows whole in its tooltip.
    ellipsoidMenu_->setToolTipsVisible(true);

    for (int c = 0; c < kMenuCommandCount; ++c) {
        const Item& item = kItems[c];
        QMenu* menu = menus[item.menu];
        if (item.separatorBefore) {
            QAction* separator = menu->addSeparator();
            if (item.menu == kEllipsoidMenu)
                ellipsoidSeparator_ = separator;
        }
        QAction* added = menu->addAction(QString::fromLatin1(item.caption));
        added->setStatusTip(QString::fromLatin1(item.prompt));
        added->setCheckable(item.checkable);
        const auto command = static_cast<MenuCommand>(c);
        connect(added, &QAction::triggered, this, [this, command] { emit triggered(command); });
        actions_[static_cast<std::size_t>(c)] = added;
    }
}

QAction* MainMenus::action(MenuCommand command) const
{
    return actions_[static_cast<std::size_t>(command)];
}

void MainMenus::showEllipsoids(const EllipsoidMenu& items, int current)
{
    // Items added since the last look are inserted above the separator.
    QList<QAction*> shown;
    for (QAction* item : ellipsoidMenu_->actions()) {
        if (item == ellipsoidSeparator_)
            break;
        shown << item;
    }
    for (int position = static_cast<int>(shown.size()); position < items.size(); ++position) {
        const std::string& name = items.names()[static_cast<std::size_t>(position)];
        auto* added = new QAction(menuCaption(name, ellipsoidMenu_->fontMetrics()), ellipsoidMenu_);
        if (shownName(name, ellipsoidMenu_->fontMetrics()) != toQString(name))
            added->setToolTip(toQString(name));
        added->setCheckable(true);
        added->setData(EllipsoidMenu::commandId(position));
        ellipsoidMenu_->insertAction(ellipsoidSeparator_, added);
        connect(added, &QAction::triggered, this, [this, position] {
            emit ellipsoidChosen(position);
        });
        shown << added;
    }
    for (int position = 0; position < static_cast<int>(shown.size()); ++position)
        shown[position]->setChecked(EllipsoidMenu::isChecked(position, current));
}

}  // namespace tessara
