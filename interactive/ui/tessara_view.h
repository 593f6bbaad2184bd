#pragma once

#include "interactive/interactive_form.h"

#include <QWidget>

#include <functional>
#include <memory>

QT_BEGIN_NAMESPACE
class QPushButton;
QT_END_NAMESPACE

namespace tessara {

class HalfPanel;
class MessagePanel;

// The main form: the ITRF half and the GDA94 half side by side, the column
// of buttons between them and the message list below. It owns the form's
// state for the whole run; every command reads the controls into it, runs,
// and shows the state again. The font is the program's size at creation.
class CTessaraView : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CTessaraView)

public:
    CTessaraView(const StartupPaths& paths, const FormServices& services,
                 QWidget* parent = nullptr);
    // Saves every setting and the display list, as the end of the run.
    ~CTessaraView() override;

    InteractiveForm& form() { return *form_; }
    const InteractiveForm& form() const { return *form_; }

    // Runs a command of the form between reading and showing the controls.
    void run(const std::function<void(InteractiveForm&)>& command);
    // The same for a command that changes the layout: the keyboard focus
    // then goes to X of a cartesian input half.
    void runWithLayout(const std::function<void(InteractiveForm&)>& command);

    HalfPanel* half(Half half) const;
    MessagePanel* messages() const { return messages_; }
    QPushButton* computeButton() const { return compute_; }

signals:
    // After every command: the menus follow the form's state.
    void stateChanged();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* middleColumn();
    void connectHalf(HalfPanel* panel, Half half);
    void readControls();
    void showForm();
    void onTextChanged();

    std::unique_ptr<InteractiveForm> form_;
    HalfPanel* itrf_ = nullptr;
    HalfPanel* gda_ = nullptr;
    MessagePanel* messages_ = nullptr;
    QPushButton* compute_ = nullptr;
    // Set while the form writes its own fields: their changes are not typing.
    bool writing_ = false;
    bool shownOnce_ = false;
};

}  // namespace tessara
