#pragma once

#include "interactive/form_layout.h"
#include "interactive/form_texts.h"

#include <QWidget>

QT_BEGIN_NAMESPACE
class QButtonGroup;
class QLabel;
class QLineEdit;
class QRadioButton;
class QStackedLayout;
QT_END_NAMESPACE

namespace tessara {

class CNumericEdit;

// One angle of a half (latitude or longitude): its caption, the fields of
// the three layouts (three fields, two fields, one field) of which the
// notation's are shown, and the hemisphere side as a label or a pair of
// selector buttons. The layouts, and the two forms of the side, take the
// same room, so that a change of notation or direction moves nothing.
class AngleRow : public QWidget {
    Q_OBJECT

public:
    // The object names of the fields start with `prefix` ("itrfLatitude").
    AngleRow(Axis axis, const QString& prefix, QWidget* parent = nullptr);

    void readTexts(AngleFields& fields) const;
    void writeTexts(const AngleFields& fields);

    void setCaption(const std::string& caption);
    void setFieldSet(AngleFieldSet set);
    void setSide(const SideControl& side, int selected);
    void setFieldsEnabled(bool enabled);
    void setReadOnly(bool readOnly);

signals:
    void textChanged();
    // The user picked a side: 0 South / East, 1 North / West.
    void sideChosen(int side);

protected:
    void changeEvent(QEvent* event) override;

private:
    CNumericEdit* addField(const QString& name, bool negative, int decimals);
    // Widths that follow the font: the form takes its font after it is built.
    void fitWidths();

    QLabel* caption_ = nullptr;
    CNumericEdit* degrees_ = nullptr;
    CNumericEdit* minutes_ = nullptr;
    CNumericEdit* seconds_ = nullptr;
    CNumericEdit* dmDegrees_ = nullptr;
    CNumericEdit* dmMinutes_ = nullptr;
    CNumericEdit* single_ = nullptr;
    QLabel* sideLabel_ = nullptr;
    QRadioButton* sideButtons_[2] = {nullptr, nullptr};
    QButtonGroup* sideGroup_ = nullptr;
    QStackedLayout* fieldSets_ = nullptr;  // pages in AngleFieldSet order
    QStackedLayout* sides_ = nullptr;      // the label, then the buttons
    QString prefix_;
};

// Sets a field's text only when it differs, so that typing is not disturbed.
void setTextKeepingCaret(QLineEdit& edit, const QString& text);

// At least wide enough for the widest text it usually holds.
void fitWidthTo(QLineEdit& edit, const QString& widest);

// A field the form fills itself is read-only and drawn on the window's
// colour, so that results stand apart from what is typed.
void setFilledByForm(QLineEdit& edit, bool filledByForm);

}  // namespace tessara
