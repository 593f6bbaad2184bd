#include "interactive/ui/angle_row.h"

#include "widgets/numeric_edit.h"
#include "interactive/ui/display_numbers.h"
#include "widgets/text_conversion.h"

#include <QApplication>
#include <QButtonGroup>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QStackedLayout>

namespace tessara {
namespace {

// Digits after the decimal symbol that a typed angle field takes: enough
// for the finest text the form writes itself (packed seconds at 9).
constexpr int kSecondsDecimals = 8;
constexpr int kMinutesDecimals = 9;
constexpr int kSingleDecimals = 10;

}  // namespace

void setTextKeepingCaret(QLineEdit& edit, const QString& text)
{
    if (edit.text() != text)
        edit.setText(text);
}

void fitWidthTo(QLineEdit& edit, const QString& widest)
{
    // The frame and text margins of a line edit take about two characters.
    const QFontMetrics metrics(edit.font());
    edit.setMinimumWidth(metrics.horizontalAdvance(widest + QStringLiteral("00")));
}

void setFilledByForm(QLineEdit& edit, bool filledByForm)
{
    // A field the form fills stays enabled, so its text can be selected and
    // copied, but reads as not for typing: the window's colour behind the
    // text instead of the field colour. Disabled fields keep the style's look.
    edit.setReadOnly(filledByForm);
    QPalette palette = edit.palette();
    const QPalette standard = QApplication::palette(&edit);
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Base,
                         standard.color(group, filledByForm ? QPalette::Window : QPalette::Base));
    }
    edit.setPalette(palette);
}

AngleRow::AngleRow(Axis axis, const QString& prefix, QWidget* parent)
    : QWidget(parent), prefix_(prefix)
{
    caption_ = new QLabel;
    caption_->setObjectName(prefix + QStringLiteral("Caption"));

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(caption_);

    degrees_ = addField(QStringLiteral("Degrees"), true, 0);
    minutes_ = addField(QStringLiteral("Minutes"), false, 0);
    seconds_ = addField(QStringLiteral("Seconds"), false, kSecondsDecimals);
    dmDegrees_ = addField(QStringLiteral("DmDegrees"), true, 0);
    dmMinutes_ = addField(QStringLiteral("DmMinutes"), false, kMinutesDecimals);
    single_ = addField(QStringLiteral("Single"), true, kSingleDecimals);
    // One page per field set; the stack is as wide as the widest page.
    auto* fieldArea = new QWidget;
    fieldSets_ = new QStackedLayout(fieldArea);
    const QList<QList<CNumericEdit*>> pages{
        {degrees_, minutes_, seconds_}, {dmDegrees_, dmMinutes_}, {single_}};
    for (const QList<CNumericEdit*>& fields : pages) {
        auto* page = new QWidget;
        auto* row = new QHBoxLayout(page);
        row->setContentsMargins(0, 0, 0, 0);
        for (CNumericEdit* edit : fields)
            row->addWidget(edit, edit == fields.last() ? 3 : 1);
        fieldSets_->addWidget(page);
    }
    layout->addWidget(fieldArea, 1);

    sideLabel_ = new QLabel;
    sideLabel_->setObjectName(prefix + QStringLiteral("Side"));
    auto* sideArea = new QWidget;
    sides_ = new QStackedLayout(sideArea);
    sides_->addWidget(sideLabel_);
    auto* buttonPage = new QWidget;
    auto* buttonRow = new QHBoxLayout(buttonPage);
    buttonRow->setContentsMargins(0, 0, 0, 0);
    sides_->addWidget(buttonPage);
    layout->addWidget(sideArea);
    sideGroup_ = new QButtonGroup(this);
    const bool latitude = axis == Axis::Latitude;
    const QString captions[2] = {latitude ? QStringLiteral("S") : QStringLiteral("E"),
                                 latitude ? QStringLiteral("N") : QStringLiteral("W")};
    for (int side = 0; side < 2; ++side) {
        sideButtons_[side] = new QRadioButton(captions[side]);
        sideButtons_[side]->setObjectName(prefix + QStringLiteral("Side") + captions[side]);
        sideGroup_->addButton(sideButtons_[side], side);
        buttonRow->addWidget(sideButtons_[side]);
    }
    connect(sideGroup_, &QButtonGroup::idClicked, this, &AngleRow::sideChosen);
    setFieldSet(AngleFieldSet::Three);
    fitWidths();
}

void AngleRow::fitWidths()
{
    const QFontMetrics metrics(font());
    caption_->setMinimumWidth(metrics.horizontalAdvance(QStringLiteral("(d mm ss.sss)M")));
    for (CNumericEdit* whole : {degrees_, minutes_, dmDegrees_}) {
        fitWidthTo(*whole, QStringLiteral("-000"));
        whole->setMaximumWidth(metrics.horizontalAdvance(QStringLiteral("0000000")));
    }
    fitWidthTo(*seconds_, QStringLiteral("00.000000"));
    fitWidthTo(*dmMinutes_, QStringLiteral("00.00000000"));
    fitWidthTo(*single_, QStringLiteral("-000.000000000"));
    sideLabel_->setMinimumWidth(metrics.horizontalAdvance(QStringLiteral("SouthM")));
}

void AngleRow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        fitWidths();
}

CNumericEdit* AngleRow::addField(const QString& name, bool negative, int decimals)
{
    auto* edit = new CNumericEdit;
    edit->setObjectName(prefix_ + name);
    edit->setAllowNegative(negative);
    edit->setDecimalPlaces(decimals);
    connect(edit, &QLineEdit::textChanged, this, &AngleRow::textChanged);
    return edit;
}

void AngleRow::readTexts(AngleFields& fields) const
{
    fields.degrees = fromDisplayNumber(degrees_->text());
    fields.minutes = fromDisplayNumber(minutes_->text());
    fields.seconds = fromDisplayNumber(seconds_->text());
    fields.dmDegrees = fromDisplayNumber(dmDegrees_->text());
    fields.dmMinutes = fromDisplayNumber(dmMinutes_->text());
    fields.single = fromDisplayNumber(single_->text());
}

void AngleRow::writeTexts(const AngleFields& fields)
{
    setTextKeepingCaret(*degrees_, toDisplayNumber(fields.degrees));
    setTextKeepingCaret(*minutes_, toDisplayNumber(fields.minutes));
    setTextKeepingCaret(*seconds_, toDisplayNumber(fields.seconds));
    setTextKeepingCaret(*dmDegrees_, toDisplayNumber(fields.dmDegrees));
    setTextKeepingCaret(*dmMinutes_, toDisplayNumber(fields.dmMinutes));
    setTextKeepingCaret(*single_, toDisplayNumber(fields.single));
}

void AngleRow::setCaption(const std::string& caption) { caption_->setText(toQString(caption)); }

void AngleRow::setFieldSet(AngleFieldSet set) { fieldSets_->setCurrentIndex(static_cast<int>(set)); }

void AngleRow::setSide(const SideControl& side, int selected)
{
    sideLabel_->setText(toQString(side.label));
    sides_->setCurrentIndex(side.buttons ? 1 : 0);
    for (QRadioButton* button : sideButtons_)
        button->setEnabled(side.buttons);
    if (selected == 0 || selected == 1)
        sideButtons_[selected]->setChecked(true);
}

void AngleRow::setFieldsEnabled(bool enabled)
{
    for (CNumericEdit* edit : {degrees_, minutes_, seconds_, dmDegrees_, dmMinutes_, single_})
        edit->setEnabled(enabled);
}

void AngleRow::setReadOnly(bool readOnly)
{
    for (CNumericEdit* edit : {degrees_, minutes_, seconds_, dmDegrees_, dmMinutes_, single_})
        setFilledByForm(*edit, readOnly);
}

}  // namespace tessara
