#include "editor/ui/parameter_form.h"

#include "widgets/numeric_edit.h"
#include "editor/form_files.h"
#include "editor/ui/number_field_text.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tessara::editor {
namespace {

constexpr std::array<const char*, 7> kRowTitles{"dx (m)", "dy (m)", "dz (m)",     "rx (as)",
                                                "ry (as)", "rz (as)", "scale (ppm)"};

// Epoch: a year with at most 3 decimals; values: signed, at most 7 decimals.
CNumericEdit* numberField(const QString& name, bool allowNegative, int decimals)
{
    auto* field = new CNumericEdit;
    field->setObjectName(name);
    field->setAllowNegative(allowNegative);
    field->setDecimalPlaces(decimals);
    field->setAlignment(Qt::AlignRight);
    // Room for a signed value with all its decimals.
    field->setMinimumWidth(field->fontMetrics().horizontalAdvance(QString(14, '0')));
    return field;
}

// A hidden change field keeps its place, so the form does not shift.
void keepPlaceWhenHidden(QWidget* widget)
{
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

}  // namespace

CParameterForm::CParameterForm(FileChooser& chooser, Notifier& notifier, QWidget* parent)
    : CEditorForm(kParameterFileKind, chooser, notifier, parent)
{
    setObjectName("parameterForm");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(createTitle(tr("Create or edit ITRF parameter files")));
    layout->addLayout(createHeader());
    layout->addLayout(createValueGrid());
    layout->addSpacing(6);
    layout->addLayout(createButtonRow());
    layout->addWidget(statusLine());

    watch(name_);
    watch(epoch_);
    for (std::size_t row = 0; row < base_.size(); ++row) {
        watch(base_[row]);
        watch(rate_[row]);
    }
    connect(seven_, &QRadioButton::toggled, this, [this](bool checked) {
        setMode(checked ? ParameterMode::Seven : ParameterMode::Fourteen);
    });
    // The base values down their column, then the changes down theirs, as a
    // published set lists them: values first, rates after.
    QList<QWidget*> order{name_, epoch_, seven_, fourteen_};
    for (CNumericEdit* field : base_)
        order << field;
    for (CNumericEdit* field : rate_)
        order << field;
    setFieldOrder(order);
}

QLayout* CParameterForm::createHeader()
{
    name_ = createNameField();
    epoch_ = numberField("epoch", false, 3);
    seven_ = new QRadioButton(tr("7 Parameters\n(no change)"));
    seven_->setObjectName("sevenParameters");
    fourteen_ = new QRadioButton(tr("14 Parameters\n(with change)"));
    fourteen_->setObjectName("fourteenParameters");
    fourteen_->setChecked(true);
    auto* modes = new QButtonGroup(this);
    modes->addButton(seven_);
    modes->addButton(fourteen_);

    auto* fields = new QGridLayout;
    fields->addWidget(new QLabel(tr("Name")), 0, 0);
    fields->addWidget(name_, 0, 1);
    fields->addWidget(new QLabel(tr("Epoch")), 1, 0);
    fields->addWidget(epoch_, 1, 1);
    auto* modeColumn = new QVBoxLayout;
    modeColumn->addWidget(seven_);
    modeColumn->addWidget(fourteen_);
    auto* header = new QHBoxLayout;
    header->addLayout(fields, 1);
    header->addSpacing(16);
    header->addLayout(modeColumn);
    return header;
}

QLayout* CParameterForm::createValueGrid()
{
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(tr("Base value")), 0, 1, Qt::AlignHCenter);
    changeTitle_ = new QLabel(tr("Change per year"));
    changeTitle_->setObjectName("changeTitle");
    keepPlaceWhenHidden(changeTitle_);
    grid->addWidget(changeTitle_, 0, 2, Qt::AlignHCenter);
    for (std::size_t row = 0; row < kRowTitles.size(); ++row) {
        const int gridRow = static_cast<int>(row) + 1;
        const QString number = QString::number(row);
        base_[row] = numberField("base" + number, true, 7);
        rate_[row] = numberField("rate" + number, true, 7);
        keepPlaceWhenHidden(rate_[row]);
        grid->addWidget(new QLabel(tr(kRowTitles[row])), gridRow, 0);
        grid->addWidget(base_[row], gridRow, 1);
        grid->addWidget(rate_[row], gridRow, 2);
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);
    return grid;
}

ParameterForm CParameterForm::form() const
{
    ParameterForm form;
    form.name = nameBytes();
    form.epoch = coreNumberText(epoch_->text());
    for (std::size_t row = 0; row < base_.size(); ++row) {
        form.base[row] = coreNumberText(base_[row]->text());
        form.rate[row] = coreNumberText(rate_[row]->text());
    }
    form.mode = mode_;
    return form;
}

void CParameterForm::showForm(const ParameterForm& form)
{
    showName(form.name);
    epoch_->setText(fieldNumberText(form.epoch));
    for (std::size_t row = 0; row < base_.size(); ++row) {
        base_[row]->setText(fieldNumberText(form.base[row]));
        rate_[row]->setText(fieldNumberText(form.rate[row]));
    }
    setMode(form.mode);
}

void CParameterForm::setMode(ParameterMode mode)
{
    mode_ = mode;
    const bool withChange = mode == ParameterMode::Fourteen;
    // Keeps the radio buttons in step when the mode is set by the program.
    (withChange ? fourteen_ : seven_)->setChecked(true);
    changeTitle_->setVisible(withChange);
    for (CNumericEdit* field : rate_)
        field->setVisible(withChange);
    updateButtons();
}

bool CParameterForm::formIsValid() const
{
    return checkParameterForm(form()).ok();
}

bool CParameterForm::loadFile(const std::string& path)
{
    const std::optional<ParameterForm> shown = openParameterForm(path, mode_, notifier());
    if (shown)
        showForm(*shown);
    return shown.has_value();
}

bool CParameterForm::writeFile(const std::string& path)
{
    return saveParameterForm(path, form(), notifier());
}

}  // namespace tessara::editor
