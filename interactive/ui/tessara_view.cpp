#include "interactive/ui/tessara_view.h"

#include "interactive/ui/half_panel.h"
#include "interactive/ui/message_panel.h"
#include "widgets/dialog_font.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTimer>
#include <QVBoxLayout>

namespace tessara {

CTessaraView::CTessaraView(const StartupPaths& paths, const FormServices& services,
                           QWidget* parent)
    : QWidget(parent), form_(std::make_unique<InteractiveForm>(paths, services))
{
    setObjectName(QStringLiteral("tessaraView"));
    setFont(dialogFont(form_->fontSize()));

    itrf_ = new HalfPanel(Half::Itrf);
    gda_ = new HalfPanel(Half::Gda);
    messages_ = new MessagePanel;
    connectHalf(itrf_, Half::Itrf);
    connectHalf(gda_, Half::Gda);
    connect(messages_, &MessagePanel::clearClicked, this,
            [this] { run([](InteractiveForm& f) { f.ClearMessages(); }); });
    connect(messages_, &MessagePanel::saveClicked, this,
            [this] { run([](InteractiveForm& f) { f.SaveMessages(); }); });
    connect(messages_, &MessagePanel::lineChosen, this, [this](int line) {
        run([line](InteractiveForm& f) { f.OpenFileFromMessage(line); });
    });

    // The form keeps its own size, centred; a larger window gives its extra
    // width to the margins and the message list, and its extra height to the
    // message list alone, so the fields stay as wide as their numbers.
    auto* grid = new QGridLayout(this);
    grid->addWidget(itrf_, 0, 1);
    grid->addWidget(middleColumn(), 0, 2);
    grid->addWidget(gda_, 0, 3);
    grid->addWidget(messages_, 1, 0, 1, 5);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(4, 1);
    grid->setRowStretch(1, 1);

    form_->StartUp();
    showForm();
    QLineEdit* focus = form_->itrfToGda() ? itrf_->epochField() : gda_->identifierField();
    setFocusProxy(focus);
    focus->setFocus();
}

CTessaraView::~CTessaraView() { form_->Finish(); }

QWidget* CTessaraView::middleColumn()
{
    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    compute_ = new QPushButton(QStringLiteral("Compute"));
    compute_->setObjectName(QStringLiteral("compute"));
    compute_->setDefault(true);
    auto* clearItrf = new QPushButton(QStringLiteral("Clear ITRF"));
    clearItrf->setObjectName(QStringLiteral("clearItrf"));
    auto* clearGda = new QPushButton(QStringLiteral("Clear GDA"));
    clearGda->setObjectName(QStringLiteral("clearGda"));
    auto* exit = new QPushButton(QStringLiteral("Exit"));
    exit->setObjectName(QStringLiteral("exit"));

    connect(compute_, &QPushButton::clicked, this,
            [this] { run([](InteractiveForm& f) { f.Compute(); }); });
    connect(clearItrf, &QPushButton::clicked, this,
            [this] { run([](InteractiveForm& f) { f.Clear(Half::Itrf); }); });
    connect(clearGda, &QPushButton::clicked, this,
            [this] { run([](InteractiveForm& f) { f.Clear(Half::Gda); }); });
    connect(exit, &QPushButton::clicked, this, [this] { window()->close(); });

    layout->addStretch(2);
    for (QPushButton* button : {compute_, clearItrf, clearGda, exit})
        layout->addWidget(button);
    layout->addStretch(3);
    return column;
}

void CTessaraView::connectHalf(HalfPanel* panel, Half half)
{
    connect(panel, &HalfPanel::textChanged, this, &CTessaraView::onTextChanged);
    connect(panel, &HalfPanel::directionClicked, this, [this, half] {
        runWithLayout([half](InteractiveForm& f) { f.SetDirection(half == Half::Itrf); });
    });
    connect(panel, &HalfPanel::inputTypeChosen, this, [this, half](InputType type) {
        runWithLayout([half, type](InteractiveForm& f) { f.SetInputType(half, type); });
    });
    connect(panel, &HalfPanel::epochNotationChosen, this, [this](EpochMode mode) {
        run([mode](InteractiveForm& f) { f.SetEpochNotation(mode); });
    });
    connect(panel, &HalfPanel::parameterSetChosen, this, [this](int index) {
        run([index](InteractiveForm& f) { f.SelectParameterSet(index); });
    });
    connect(panel, &HalfPanel::latitudeSideChosen, this, [this, half](int side) {
        run([half, side](InteractiveForm& f) {
            f.SetLatitudeSelector(half, static_cast<LatitudeSelector>(side));
        });
    });
    connect(panel, &HalfPanel::longitudeSideChosen, this, [this, half](int side) {
        run([half, side](InteractiveForm& f) {
            f.SetLongitudeSelector(half, static_cast<LongitudeSelector>(side));
        });
    });
    connect(panel, &HalfPanel::sameHalfClicked, this, [this, half](SameHalfTarget target) {
        run([half, target](InteractiveForm& f) { f.SameHalfConversion(half, target); });
    });
}

HalfPanel* CTessaraView::half(Half half) const { return half == Half::Itrf ? itrf_ : gda_; }

void CTessaraView::run(const std::function<void(InteractiveForm&)>& command)
{
    readControls();
    command(*form_);
    showForm();
    emit stateChanged();
}

void CTessaraView::runWithLayout(const std::function<void(InteractiveForm&)>& command)
{
    run(command);
    const Half input = inputHalf(form_->itrfToGda());
    if (inputGroupOf(form_->settings(), input).inputType == InputType::Cartesian)
        half(input)->focusX();
}

void CTessaraView::readControls()
{
    itrf_->readTexts(form_->texts());
    gda_->readTexts(form_->texts());
}

void CTessaraView::showForm()
{
    const QScopedValueRollback<bool> suspended(writing_, true);
    for (HalfPanel* panel : {itrf_, gda_}) {
        panel->writeTexts(form_->texts());
        panel->showState(*form_);
    }
    compute_->setEnabled(form_->computeEnabled());
    messages_->showMessages(form_->messages(), form_->messagesShown());
}

void CTessaraView::onTextChanged()
{
    // Live validation does not run while the form writes its own fields.
    if (writing_)
        return;
    run([](InteractiveForm& f) { f.LiveValidation(); });
}

void CTessaraView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (shownOnce_)
        return;
    shownOnce_ = true;
    // The log starts once the form has been drawn, so a question about its
    // name appears over the visible window.
    QTimer::singleShot(0, this, [this] {
        run([](InteractiveForm& f) { f.StartLogFile(); });
        window()->repaint();
    });
}

}  // namespace tessara
