#include "app/dialogs/font_size_dialog.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tessara {
namespace {

struct SizeOption {
    const char* caption;
    int points;
    int captionPixels;  // the character cell height the caption is drawn at
};

constexpr SizeOption kOptions[] = {{"Small ", 8, 12}, {"Medium", 10, 16}, {"Large", 12, 20}};

QLabel* paragraph(const QString& text)
{
    auto* label = new QLabel(text);
    label->setWordWrap(true);
    return label;
}

}  // namespace

CFontSizeDialog::CFontSizeDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Set font size"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(paragraph(QStringLiteral(
        "You may set the font size used in the program.\n\nThe new size will be used for menu "
        "windows immediately, but you will need to restart the program to see the new font "
        "size in the main window.")));

    sizes_ = new QButtonGroup(this);
    for (const SizeOption& option : kOptions) {
        auto* button = new QRadioButton(QString::fromLatin1(option.caption));
        button->setObjectName(QStringLiteral("fontSize%1").arg(option.points));
        // Only the size is set here, so the dialog's own font family still applies.
        QFont font;
        font.setPixelSize(option.captionPixels);
        font.setResolveMask(QFont::SizeResolved);
        button->setFont(font);
        sizes_->addButton(button, option.points);
        layout->addWidget(button);
    }
    connect(sizes_, &QButtonGroup::idClicked, this, [this](int points) { points_ = points; });
    layout->addWidget(paragraph(QStringLiteral(
        "You may need to resize the window after changing the font size \n- the new font and "
        "window size will be saved.")));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void CFontSizeDialog::setValue(int points)
{
    points_ = points;
    // An exclusive group cannot be emptied by unchecking its checked button.
    sizes_->setExclusive(false);
    for (QAbstractButton* button : sizes_->buttons())
        button->setChecked(sizes_->id(button) == points);
    sizes_->setExclusive(true);
}

}  // namespace tessara
