#include "params/dialogs/ellipsoid_dialog.h"

#include "widgets/name_items.h"
#include "widgets/numeric_edit.h"
#include "params/ellipsoid_list.h"
#include "widgets/text_conversion.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

namespace tessara {
namespace {

// The fields show numbers with the locale's decimal symbol; the checks read
// them with ".".
QChar localeDecimal()
{
    const QString point = QLocale().decimalPoint();
    return point.isEmpty() ? QLatin1Char('.') : point.front();
}

QString shownNumber(const std::string& text)
{
    QString shown = toQString(text);
    shown.replace(QLatin1Char('.'), localeDecimal());
    return shown;
}

std::string readNumber(const QString& text)
{
    QString plain = text;
    plain.replace(localeDecimal(), QLatin1Char('.'));
    return toStdString(plain);
}

CNumericEdit* numberField(const QString& objectName, int decimals)
{
    auto* field = new CNumericEdit;
    field->setObjectName(objectName);
    field->setAllowNegative(false);
    field->setDecimalPlaces(decimals);
    field->setAlignment(Qt::AlignRight);
    return field;
}

}  // namespace

CEllipsoidDialog::CEllipsoidDialog(Mode mode, const EllipsoidList& list, int current,
                                   QWidget* parent)
    : QDialog(parent), mode_(mode), list_(list)
{
    const bool adding = mode == Mode::New;
    setWindowTitle(toQString(adding ? kNewEllipsoidCaption : kEllipsoidDialogCaption));

    auto* text = new QLabel(toQString(kNewEllipsoidText));
    text->setObjectName(QStringLiteral("topText"));
    text->setVisible(adding);

    entries_ = new QComboBox;
    entries_->setObjectName(QStringLiteral("ellipsoidList"));
    entries_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    for (std::size_t i = 0; i < list.size(); ++i)
    {
        addNameItem(*entries_, list[i].name);
        entries_->setItemData(entries_->count() - 1, ellipsoidEntryValue(list, i));
    }

    name_ = new QLineEdit;
    name_->setObjectName(QStringLiteral("name"));
    // No sign; a to the millimetre, 1/f to nine decimals.
    semiMajorAxis_ = numberField(QStringLiteral("semiMajorAxis"), 3);
    inverseFlattening_ = numberField(QStringLiteral("inverseFlattening"), 9);

    auto* fields = new QGridLayout;
    fields->addWidget(new QLabel(QStringLiteral("Select ellipsoid")), 0, 0);
    fields->addWidget(entries_, 0, 1, Qt::AlignLeft);
    fields->addWidget(new QLabel(QStringLiteral("Name")), 1, 0);
    fields->addWidget(name_, 1, 1);
    fields->addWidget(new QLabel(QStringLiteral("Semi-major axis (a)\n(metres)")), 2, 0);
    fields->addWidget(semiMajorAxis_, 2, 1);
    fields->addWidget(new QLabel(QStringLiteral("Flattening (f) \n(eg. 298.25)")), 3, 0);
    fields->addWidget(inverseFlattening_, 3, 1);
    fields->setColumnStretch(1, 1);

    auto* hint = new QLabel(toQString(kNewEllipsoidHint));
    hint->setObjectName(QStringLiteral("saveHint"));
    hint->setVisible(adding);
    status_ = new QLabel;
    status_->setObjectName(QStringLiteral("statusLine"));
    status_->setFrameShape(QFrame::StyledPanel);
    status_->setFrameShadow(QFrame::Sunken);
    status_->setVisible(adding);

    ok_ = new QPushButton(adding ? QStringLiteral("Save") : QStringLiteral("OK"));
    ok_->setObjectName(QStringLiteral("okButton"));
    auto* cancel = new QPushButton(QStringLiteral("Cancel"));
    cancel->setObjectName(QStringLiteral("cancelButton"));
    // New mode: Cancel is the default button, beside Save in the middle.
    ok_->setDefault(!adding);
    ok_->setAutoDefault(!adding);
    cancel->setDefault(adding);
    auto* buttons = new QDialogButtonBox;
    buttons->setCenterButtons(true);
    buttons->addButton(ok_, QDialogButtonBox::AcceptRole);
    buttons->addButton(cancel, QDialogButtonBox::RejectRole);
    cancel->setVisible(adding);  // the box shows what it takes

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addLayout(fields);
    layout->addWidget(hint);
    layout->addWidget(status_);
    layout->addWidget(buttons);

    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(entries_, &QComboBox::activated, this, &CEllipsoidDialog::entryChosen);
    if (adding) {
        for (QLineEdit* field : {name_, static_cast<QLineEdit*>(semiMajorAxis_),
                                 static_cast<QLineEdit*>(inverseFlattening_)})
            connect(field, &QLineEdit::textChanged, this, &CEllipsoidDialog::runCheck);
    } else {
        name_->setEnabled(false);
        semiMajorAxis_->setEnabled(false);
        inverseFlattening_->setEnabled(false);
    }

    const bool inList = current >= 0 && static_cast<std::size_t>(current) < list.size();
    const int start = inList ? current : 0;
    if (!list.empty()) {
        entries_->setCurrentIndex(start);
        entryChosen(start);
    }
    if (adding)
        cancel->setFocus();
}

void CEllipsoidDialog::entryChosen(int index)
{
    if (index < 0)
        return;
    // The entry's value names the ellipsoid: its index, marked when built in.
    const int value = entries_->itemData(index).toInt() % kBuiltInEntryMark;
    if (value < 0 || static_cast<std::size_t>(value) >= list_.size())
        return;
    const EllipsoidFieldTexts texts = ellipsoidFieldTexts(list_[static_cast<std::size_t>(value)]);
    filledName_ = texts.name;
    name_->setText(toQString(texts.name));
    semiMajorAxis_->setText(shownNumber(texts.semiMajorAxis));
    inverseFlattening_->setText(shownNumber(texts.inverseFlattening));
    runCheck();
}

EllipsoidFieldTexts CEllipsoidDialog::fieldTexts() const
{
    return {nameBytes(name_->text(), filledName_), readNumber(semiMajorAxis_->text()),
            readNumber(inverseFlattening_->text())};
}

void CEllipsoidDialog::runCheck()
{
    check_ = checkEllipsoidEntry(fieldTexts(), list_);
    // Viewing changes nothing: the fields stay read-only and OK closes.
    if (mode_ == Mode::View)
        return;
    status_->setText(toQString(check_.status));
    semiMajorAxis_->setEnabled(check_.acceptable);
    inverseFlattening_->setEnabled(check_.acceptable);
    ok_->setEnabled(check_.saveEnabled);
}

}  // namespace tessara
