#pragma once

#include "params/form_check.h"
#include "editor/ui/editor_form.h"

#include <array>

QT_BEGIN_NAMESPACE
class QLabel;
class QLineEdit;
class QRadioButton;
QT_END_NAMESPACE

namespace tessara {
class CNumericEdit;
}

namespace tessara::editor {

// The parameter form: a set's name, base epoch and its seven base values
// with their changes per year; in 7-parameter mode the changes are hidden.
class CParameterForm final : public CEditorForm {
    Q_OBJECT

public:
    CParameterForm(FileChooser& chooser, Notifier& notifier, QWidget* parent = nullptr);

    // The texts on screen, numbers in "." and "-".
    ParameterForm form() const;
    void showForm(const ParameterForm& form);
    ParameterMode mode() const { return mode_; }

public slots:
    void setMode(ParameterMode mode);

protected:
    bool formIsValid() const override;
    bool loadFile(const std::string& path) override;
    bool writeFile(const std::string& path) override;

private:
    QLayout* createHeader();
    QLayout* createValueGrid();

    ParameterMode mode_ = ParameterMode::Fourteen;
    QLineEdit* name_ = nullptr;
    CNumericEdit* epoch_ = nullptr;
    QRadioButton* seven_ = nullptr;
    QRadioButton* fourteen_ = nullptr;
    QLabel* changeTitle_ = nullptr;
    std::array<CNumericEdit*, 7> base_{};
    std::array<CNumericEdit*, 7> rate_{};
};

}  // namespace tessara::editor
