#pragma once

#include <QMainWindow>

QT_BEGIN_NAMESPACE
class QAction;
class QStackedWidget;
QT_END_NAMESPACE

namespace tessara {
class Notifier;
}

namespace tessara::editor {

class CEditorForm;
class CEllipsoidForm;
class CParameterForm;
class FileChooser;

inline constexpr const char* kEditorTitle = "ITRF Parameters";

// The editor's fixed-size main window: the menu, a one-pane status bar and
// one of the two forms. The parameter form is shown first; the ellipsoid
// form is made the first time it is asked for and then kept, so each form
// keeps its fields and file while the other is shown.
class CEditorFrame final : public QMainWindow {
    Q_OBJECT

public:
    CEditorFrame(FileChooser& chooser, Notifier& notifier, QWidget* parent = nullptr);

    CParameterForm* parameterForm() const { return parameterForm_; }
    // Null until the ellipsoid form was first shown.
    CEllipsoidForm* ellipsoidForm() const { return ellipsoidForm_; }
    CEditorForm* currentForm() const;

public slots:
    void showParameterForm();
    void showEllipsoidForm();
    // "Exit" of the menu: the parameter form's exit (with its question); the
    // ellipsoid form closes at once.
    void exitFromMenu();
    void showAbout();

private:
    void createMenus();
    void showForm(CEditorForm* form);

    FileChooser& chooser_;
    Notifier& notifier_;
    QStackedWidget* forms_ = nullptr;
    CParameterForm* parameterForm_ = nullptr;
    CEllipsoidForm* ellipsoidForm_ = nullptr;
    QAction* showParameters_ = nullptr;
    QAction* showEllipsoid_ = nullptr;
};

}  // namespace tessara::editor
