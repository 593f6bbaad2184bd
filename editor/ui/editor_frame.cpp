#include "editor/ui/editor_frame.h"

#include "widgets/program_style.h"

#include "editor/ui/ellipsoid_form.h"
#include "editor/ui/parameter_form.h"

#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QStackedWidget>
#include <QStatusBar>

namespace tessara::editor {

CEditorFrame::CEditorFrame(FileChooser& chooser, Notifier& notifier, QWidget* parent)
    : QMainWindow(parent), chooser_(chooser), notifier_(notifier)
{
    setObjectName("editorFrame");
    setWindowTitle(tr(kEditorTitle));
    // A caption with its menu and a minimize box; no sizing, no maximizing.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    forms_ = new QStackedWidget(this);
    setCentralWidget(forms_);
    statusBar()->addWidget(new QLabel(tr("Ready")), 1);
    statusBar()->setSizeGripEnabled(false);
    createMenus();

    parameterForm_ = new CParameterForm(chooser_, notifier_);
    connect(parameterForm_, &CEditorForm::closeRequested, this, &QWidget::close);
    forms_->addWidget(parameterForm_);
    // The window always takes the size its contents ask for, and no other.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    showForm(parameterForm_);
}

void CEditorFrame::createMenus()
{
    QMenu* file = menuBar()->addMenu(tr("&File"));
    QAction* exit = file->addAction(tr("E&xit"), this, &CEditorFrame::exitFromMenu);
    exit->setObjectName("exitAction");

    QMenu* parameters = menuBar()->addMenu(tr("&Parameters"));
    showParameters_ = parameters->addAction(tr("&ITRF"), this, &CEditorFrame::showParameterForm);
    showParameters_->setObjectName("itrfAction");
    showEllipsoid_ = parameters->addAction(tr("&Ellipsoid"), this,
                                           &CEditorFrame::showEllipsoidForm);
    showEllipsoid_->setObjectName("ellipsoidAction");

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    QAction* about = help->addAction(tr("&About tessparams..."), this, &CEditorFrame::showAbout);
    about->setObjectName("aboutAction");
}

CEditorForm* CEditorFrame::currentForm() const
{
    return static_cast<CEditorForm*>(forms_->currentWidget());
}

void CEditorFrame::showParameterForm()
{
    showForm(parameterForm_);
}

void CEditorFrame::showEllipsoidForm()
{
    if (ellipsoidForm_ == nullptr) {
        ellipsoidForm_ = new CEllipsoidForm(chooser_, notifier_);
        connect(ellipsoidForm_, &CEditorForm::closeRequested, this, &QWidget::close);
        forms_->addWidget(ellipsoidForm_);
    }
    showForm(ellipsoidForm_);
}

void CEditorFrame::showForm(CEditorForm* form)
{
    // The window fits the form it shows: a hidden form asks for no room.
    for (int i = 0; i < forms_->count(); ++i) {
        QWidget* page = forms_->widget(i);
        page->setSizePolicy(page == form ? QSizePolicy::Preferred : QSizePolicy::Ignored,
                            page == form ? QSizePolicy::Preferred : QSizePolicy::Ignored);
    }
    forms_->setCurrentWidget(form);
    form->focusFirstField();
    layout()->activate();
    showParameters_->setEnabled(form != parameterForm_);
    showEllipsoid_->setEnabled(form == parameterForm_);
}

void CEditorFrame::exitFromMenu()
{
    if (currentForm() == parameterForm_)
        parameterForm_->exitEditor();
    else
        close();
}

void CEditorFrame::showAbout()
{
    QMessageBox about(QMessageBox::Information, tr("About tessparams"),
                      tr("tessparams Version 1.0"), QMessageBox::Ok, this);
    about.setObjectName("aboutBox");
    prepareMessageBox(about);
    about.exec();
}

}  // namespace tessara::editor
