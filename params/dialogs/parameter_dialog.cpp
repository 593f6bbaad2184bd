#include "params/dialogs/parameter_dialog.h"

#include "widgets/name_items.h"
#include "params/name_list.h"
#include "params/parameter_store.h"
#include "params/parameter_view.h"
#include "widgets/labels.h"
#include "widgets/text_conversion.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tessara {
namespace {

constexpr std::array<const char*, 7> kRowTitles{"dx (m)",  "dy (m)",  "dz (m)",  "rx (as)",
                                                "ry (as)", "rz (as)", "sc (ppm)"};

QLineEdit* valueField(const QString& name)
{
    auto* field = new QLineEdit;
    field->setObjectName(name);
    field->setReadOnly(true);
    field->setAlignment(Qt::AlignRight);
    field->setMinimumWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("-0000.0000000")));
    return field;
}

}  // namespace

CParameterDialog::CParameterDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(toQString(kParameterDialogCaption));

    topText_ = new QLabel(toQString(kViewTopText));
    topText_->setObjectName(QStringLiteral("topText"));
    topText_->setWordWrap(true);
    setList_ = new QComboBox;
    setList_->setObjectName(QStringLiteral("setList"));
    setList_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    showCurrentNameTip(*setList_);
    heading_ = boldLabel(toQString(kHeadingBeforeSet));
    heading_->setObjectName(QStringLiteral("heading"));

    auto* grid = new QGridLayout;
    grid->addWidget(boldLabel(QStringLiteral("Parameter")), 0, 0);
    grid->addWidget(boldLabel(QStringLiteral("Base Value")), 0, 1, Qt::AlignCenter);
    grid->addWidget(boldLabel(QStringLiteral("Change per year")), 0, 2, Qt::AlignCenter);
    for (std::size_t row = 0; row < kRowTitles.size(); ++row) {
        const int r = static_cast<int>(row) + 1;
        base_[row] = valueField(QStringLiteral("base%1").arg(row));
        rate_[row] = valueField(QStringLiteral("rate%1").arg(row));
        grid->addWidget(new QLabel(QString::fromLatin1(kRowTitles[row])), r, 0);
        grid->addWidget(base_[row], r, 1);
        grid->addWidget(rate_[row], r, 2);
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);

    note_ = new QLabel;
    note_->setObjectName(QStringLiteral("note"));
    makeRedNote(*note_);
    note_->hide();
    saveHint_ = new QLabel(toQString(kSaveHint));
    saveHint_->setObjectName(QStringLiteral("saveHint"));
    saveHint_->hide();

    ok_ = new QPushButton(QStringLiteral("OK"));
    ok_->setObjectName(QStringLiteral("okButton"));
    ok_->setDefault(true);
    cancel_ = new QPushButton(QStringLiteral("Cancel"));
    cancel_->setObjectName(QStringLiteral("cancelButton"));
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    // The buttons stand side by side in the middle: OK alone in view mode,
    // Save and Cancel in check mode.
    auto* buttons = new QDialogButtonBox;
    buttons->setCenterButtons(true);
    buttons->addButton(ok_, QDialogButtonBox::AcceptRole);
    buttons->addButton(cancel_, QDialogButtonBox::RejectRole);
    cancel_->hide();  // the box shows what it takes

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(topText_);
    layout->addWidget(setList_, 0, Qt::AlignLeft);
    layout->addSpacing(6);
    layout->addWidget(heading_);
    layout->addLayout(grid);
    layout->addWidget(note_);
    layout->addWidget(saveHint_);
    layout->addWidget(buttons);

    connect(setList_, &QComboBox::activated, this, &CParameterDialog::setChosen);
}

void CParameterDialog::setViewMode(const ParameterStore& store, const std::string& selectedName)
{
    store_ = &store;
    NameList names;
    for (const auto& [name, set] : store)
        names.add(name);
    setList_->clear();
    for (const std::string& name : names.names())
        addNameItem(*setList_, name);
    // The entry of exactly that name; the first when there is none.
    int index = 0;
    for (int i = 0; i < names.size(); ++i) {
        if (names.at(i) == selectedName)
            index = i;
    }
    setList_->setCurrentIndex(names.empty() ? -1 : index);
    if (!names.empty())
        setChosen(index);
}

void CParameterDialog::setCheckMode(const ParameterSet& set)
{
    store_ = nullptr;
    const CheckModeTexts texts = checkModeTexts(set);
    setWindowTitle(toQString(kCheckDialogCaption));
    topText_->setText(toQString(texts.topText));
    setList_->hide();
    showSet(set);
    showNote(toQString(texts.note));
    saveHint_->show();
    ok_->setText(QStringLiteral("Save"));
    ok_->setEnabled(texts.saveEnabled);
    ok_->setDefault(false);
    ok_->setAutoDefault(false);
    cancel_->show();
    cancel_->setDefault(true);
    cancel_->setFocus();
}

void CParameterDialog::showSet(const ParameterSet& set)
{
    const ParameterTexts texts = parameterTexts(set);
    // The heading starts with the name: a long name is cut in the middle,
    // and the base year after it stays whole.
    const std::string_view heading = texts.heading;
    const std::size_t nameEnd = heading.starts_with(set.name) ? set.name.size() : 0;
    const QString whole = toQString(heading);
    const QString shown = tessara::shownName(heading.substr(0, nameEnd), heading_->fontMetrics()) +
                          toQString(heading.substr(nameEnd));
    heading_->setText(shown);
    heading_->setToolTip(shown == whole ? QString() : whole);
    for (std::size_t row = 0; row < base_.size(); ++row) {
        base_[row]->setText(toQString(texts.base[row]));
        rate_[row]->setText(toQString(texts.rate[row]));
        base_[row]->setCursorPosition(0);
        rate_[row]->setCursorPosition(0);
    }
}

void CParameterDialog::setChosen(int index)
{
    // Only the view mode has a store to look names up in.
    if (store_ == nullptr || index < 0)
        return;
    const ParameterSet* set = store_->find(nameAt(*setList_, index));
    if (set == nullptr)
        return;
    showSet(*set);
    note_->hide();
    if (!set->valid)
        showNote(toQString(kNotValidNote));
}

void CParameterDialog::showNote(const QString& text)
{
    note_->setText(text);
    note_->show();
}

}  // namespace tessara
