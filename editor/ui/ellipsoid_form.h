#pragma once

#include "params/form_check.h"
#include "editor/ui/editor_form.h"

QT_BEGIN_NAMESPACE
class QLineEdit;
QT_END_NAMESPACE

namespace tessara {
class CNumericEdit;
}

namespace tessara::editor {

// The ellipsoid form: a name, the semi-major axis a and the inverse
// flattening 1/f, each number kept with the decimals it was typed with.
class CEllipsoidForm final : public CEditorForm {
    Q_OBJECT

public:
    CEllipsoidForm(FileChooser& chooser, Notifier& notifier, QWidget* parent = nullptr);

    // The texts on screen, numbers in "." and "-".
    EllipsoidForm form() const;
    void showForm(const EllipsoidForm& form);

protected:
    bool formIsValid() const override;
    bool loadFile(const std::string& path) override;
    bool writeFile(const std::string& path) override;

private:
    QLineEdit* name_ = nullptr;
    CNumericEdit* semiMajorAxis_ = nullptr;
    CNumericEdit* inverseFlattening_ = nullptr;
};

}  // namespace tessara::editor
