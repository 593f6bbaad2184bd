#include "editor/ui/ellipsoid_form.h"

#include "widgets/numeric_edit.h"
#include "editor/form_files.h"
#include "editor/ui/number_field_text.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace tessara::editor {
namespace {

// Neither value takes a sign; a has at most 3 decimals, 1/f at most 9.
CNumericEdit* numberField(const QString& name, int decimals)
{
    auto* field = new CNumericEdit;
    field->setObjectName(name);
    field->setAllowNegative(false);
    field->setDecimalPlaces(decimals);
    field->setAlignment(Qt::AlignRight);
    // Room for a signed value with all its decimals.
    field->setMinimumWidth(field->fontMetrics().horizontalAdvance(QString(16, '0')));
    return field;
}

}  // namespace

CEllipsoidForm::CEllipsoidForm(FileChooser& chooser, Notifier& notifier, QWidget* parent)
    : CEditorForm(kEllipsoidFileKind, chooser, notifier, parent)
{
    setObjectName("ellipsoidForm");
    name_ = createNameField();
    semiMajorAxis_ = numberField("semiMajorAxis", 3);
    inverseFlattening_ = numberField("inverseFlattening", 9);

    auto* fields = new QGridLayout;
    fields->addWidget(new QLabel(tr("Name")), 0, 0);
    fields->addWidget(name_, 0, 1);
    fields->addWidget(new QLabel(tr("Semi-major axis (a) (metres)")), 1, 0);
    fields->addWidget(semiMajorAxis_, 1, 1);
    fields->addWidget(new QLabel(tr("Flattening (f) (eg.298.25)")), 2, 0);
    fields->addWidget(inverseFlattening_, 2, 1);
    fields->setColumnStretch(1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(createTitle(tr("Create or edit ellipsoid parameter files")));
    layout->addLayout(fields);
    layout->addSpacing(6);
    layout->addLayout(createButtonRow());
    layout->addWidget(statusLine());

    watch(name_);
    watch(semiMajorAxis_);
    watch(inverseFlattening_);
    setFieldOrder({name_, semiMajorAxis_, inverseFlattening_});
}

EllipsoidForm CEllipsoidForm::form() const
{
    return {nameBytes(), coreNumberText(semiMajorAxis_->text()),
            coreNumberText(inverseFlattening_->text())};
}

void CEllipsoidForm::showForm(const EllipsoidForm& form)
{
    showName(form.name);
    semiMajorAxis_->setText(fieldNumberText(form.semiMajorAxis));
    inverseFlattening_->setText(fieldNumberText(form.inverseFlattening));
}

bool CEllipsoidForm::formIsValid() const
{
    return checkEllipsoidForm(form()).ok();
}

bool CEllipsoidForm::loadFile(const std::string& path)
{
    const std::optional<EllipsoidForm> shown = openEllipsoidForm(path, notifier());
    if (shown)
        showForm(*shown);
    return shown.has_value();
}

bool CEllipsoidForm::writeFile(const std::string& path)
{
    return saveEllipsoidForm(path, form(), notifier());
}

}  // namespace tessara::editor
