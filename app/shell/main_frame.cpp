#include "app/shell/main_frame.h"

#include "widgets/window_fit.h"
#include "app/dialogs/about_dialog.h"
#include "app/dialogs/font_size_dialog.h"
#include "interactive/help_routine.h"
#include "widgets/program_icon.h"
#include "app/shell/qt_services.h"
#include "interactive/ui/tessara_view.h"
#include "widgets/dialog_font.h"
#include "widgets/text_conversion.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QStyle>

#include <utility>

namespace tessara {

CMainFrame::CMainFrame(const StartupPaths& paths, QString versionText, ShellServices services,
                       QWidget* parent)
    : QMainWindow(parent), services_(services), versionText_(std::move(versionText))
{
    setObjectName(QStringLiteral("mainFrame"));
    setWindowTitle(QStringLiteral("Tessara"));
    setWindowIcon(programIcon());

    status_ = new QLabel(QString::fromLatin1(kIdlePrompt));
    status_->setObjectName(QStringLiteral("statusPane"));
    statusBar()->addWidget(status_, 1);

    menus_ = new MainMenus(*menuBar(), this);
    connect(menus_, &MainMenus::triggered, this, &CMainFrame::carryOut);

    dialogs_ = std::make_unique<QtOptionDialogs>(services.notifier, services.files,
                                                 [this] { return view_->form().fontSize(); });
    dialogs_->setParent(this);
    view_ = new CTessaraView(paths,
                             FormServices{services.store, services.notifier, services.files,
                                          services.opener, *dialogs_, *this});
    setCentralWidget(view_);
    connect(view_, &CTessaraView::stateChanged, this, &CMainFrame::followForm);
    const WindowSettings& window = view_->form().settings().window;
    storedSize_ = QSize(window.width, window.height);
    connect(menus_, &MainMenus::ellipsoidChosen, this, [this](int position) {
        view_->run([position](InteractiveForm& f) { f.ChooseEllipsoid(position); });
    });

    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    auto* contextHelp = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F1), this);
    auto* sample = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this, &CMainFrame::OnHelp);
    connect(contextHelp, &QShortcut::activated, this, &CMainFrame::OnHelp);
    connect(sample, &QShortcut::activated, this,
            [this] { view_->run([](InteractiveForm& f) { f.SamplePoint(); }); });
    followForm();
}

CMainFrame::~CMainFrame()
{
    // The form saves the settings as it goes, through services this window
    // holds: it ends first.
    delete view_;
}

void CMainFrame::provideCommand(MenuCommand command, std::function<void()> handler)
{
    provided_[static_cast<std::size_t>(command)] = std::move(handler);
}

void CMainFrame::setHelp(HelpRoutine& routine, HelpViewer& viewer, SettingsStore& ini)
{
    help_ = &routine;
    helpViewer_ = &viewer;
    helpIni_ = &ini;
}

void CMainFrame::setStatusText(const std::string& text)
{
    statusBar()->clearMessage();
    status_->setText(text.empty() ? QString::fromLatin1(kIdlePrompt) : toQString(text));
}

QString CMainFrame::statusText() const { return status_->text(); }

void CMainFrame::carryOut(MenuCommand command)
{
    const auto run = [this](const std::function<void(InteractiveForm&)>& c) { view_->run(c); };
    const auto layout = [this](const std::function<void(InteractiveForm&)>& c) {
        view_->runWithLayout(c);
    };
    const auto& handler = provided_[static_cast<std::size_t>(command)];
    if (handler) {
        handler();
        return;
    }
    switch (command) {
    case MenuCommand::LogFileOptions: run([](InteractiveForm& f) { f.LogFileOptions(); }); break;
    case MenuCommand::ViewLogFile: run([](InteractiveForm& f) { f.ViewLogFile(); }); break;
    case MenuCommand::ViewMessageFile: run([](InteractiveForm& f) { f.ViewMessageFile(); }); break;
    case MenuCommand::Exit: close(); break;
    case MenuCommand::ItrfCartesian:
        layout([](InteractiveForm& f) { f.SetInputType(Half::Itrf, InputType::Cartesian); });
        break;
    case MenuCommand::ItrfGeographic:
        layout([](InteractiveForm& f) { f.SetInputType(Half::Itrf, InputType::Geographic); });
        break;
    case MenuCommand::EpochDayMonthYear:
        run([](InteractiveForm& f) { f.SetEpochNotation(EpochMode::DayMonthYear); });
        break;
    case MenuCommand::EpochDecimalYear:
        run([](InteractiveForm& f) { f.SetEpochNotation(EpochMode::DecimalYear); });
        break;
    case MenuCommand::ItrfFormat: layout([](InteractiveForm& f) { f.FormatCommand(true); }); break;
    case MenuCommand::ItrfPrecision: run([](InteractiveForm& f) { f.PrecisionCommand(true); }); break;
    case MenuCommand::GdaCartesian:
        layout([](InteractiveForm& f) { f.SetInputType(Half::Gda, InputType::Cartesian); });
        break;
    case MenuCommand::GdaGeographic:
        layout([](InteractiveForm& f) { f.SetInputType(Half::Gda, InputType::Geographic); });
        break;
    case MenuCommand::GdaFormat: layout([](InteractiveForm& f) { f.FormatCommand(false); }); break;
    case MenuCommand::GdaPrecision: run([](InteractiveForm& f) { f.PrecisionCommand(false); }); break;
    case MenuCommand::FontSize: chooseFontSize(); break;
    case MenuCommand::HelpTopics: OnHelp(); break;
    case MenuCommand::About: showAbout(); break;
    default: break;  // disabled until provided
    }
}

void CMainFrame::followForm()
{
    const InteractiveForm& form = view_->form();
    const Settings& settings = form.settings();
    const bool itrfCartesian = settings.itrfToGda.inputType == InputType::Cartesian;
    const bool gdaCartesian = settings.gdaToItrf.inputType == InputType::Cartesian;
    action(MenuCommand::ItrfCartesian)->setChecked(itrfCartesian);
    action(MenuCommand::ItrfGeographic)->setChecked(!itrfCartesian);
    action(MenuCommand::GdaCartesian)->setChecked(gdaCartesian);
    action(MenuCommand::GdaGeographic)->setChecked(!gdaCartesian);
    const bool dayMonthYear = form.epochNotation() == EpochMode::DayMonthYear;
    action(MenuCommand::EpochDayMonthYear)->setChecked(dayMonthYear);
    action(MenuCommand::EpochDecimalYear)->setChecked(!dayMonthYear);
    menus_->showEllipsoids(form.ellipsoidMenu(), form.currentEllipsoid());
}

void CMainFrame::OnHelp()
{
    // Help exists from the end of start-up on.
    if (help_ == nullptr)
        return;
    help_->OnHelp(services_.notifier, services_.files, *helpViewer_, *helpIni_);
}

void CMainFrame::showAbout()
{
    CAboutDialog about(versionText_, this);
    about.exec();
}

void CMainFrame::chooseFontSize()
{
    CFontSizeDialog dialog(this);
    useDialogFont(dialog, view_->form().fontSize());
    dialog.setValue(view_->form().fontSize());
    if (dialog.exec() == QDialog::Accepted)
        view_->form().setFontSize(dialog.value());
}

void CMainFrame::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (sized_)
        return;
    sized_ = true;
    // A kept size is used when both its numbers are; else the size the form
    // asks for, the whole form and several message lines, within the
    // screen's free area and leaving room for a title bar.
    if (storedSize_.width() > 0 && storedSize_.height() > 0) {
        resize(storedSize_);
    } else {
        QSize size = sizeHint();
        if (const QScreen* shown = screen()) {
            const QSize decoration(16, style()->pixelMetric(QStyle::PM_TitleBarHeight) + 16);
            size = size.boundedTo(shown->availableGeometry().size() - decoration);
        }
        resize(size);
    }
    // A kept size from a larger screen, or a hand-edited one, is fitted to
    // this screen, and so is what is kept for the next start.
    fitOnScreen(*this);
    view_->form().setWindowSize(width(), height());
}

void CMainFrame::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    // Sizes given before the window is first shown are the frame's own
    // arrangement, not the user's.
    if (sized_)
        view_->form().setWindowSize(width(), height());
}

}  // namespace tessara
