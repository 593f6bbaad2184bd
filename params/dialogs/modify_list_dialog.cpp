#include "params/dialogs/modify_list_dialog.h"

#include "widgets/name_items.h"
#include "widgets/labels.h"
#include "widgets/text_conversion.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace tessara {
namespace {

constexpr std::string_view kIntroduction =
    "You may remove sets of parameters from the list.\n"
    "You may also restore sets you have previously removed.\n\n";
constexpr std::string_view kReasons =
    "You may have imported parameters which are no longer needed, or you may wish to remove one "
    "of the inbuilt sets of parameters. Alternatively, you may wish to restore a set you have "
    "previously removed.";
constexpr std::string_view kHowTo =
    "Move parameters between lists by clicking on the name, and then the appropriate button to "
    "move it.";

QListWidget* nameList(const QString& objectName)
{
    auto* list = new QListWidget;
    list->setObjectName(objectName);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setMinimumHeight(list->fontMetrics().height() * 8);
    return list;
}

QPushButton* button(const QString& text, const QString& objectName)
{
    auto* b = new QPushButton(text);
    b->setObjectName(objectName);
    b->setAutoDefault(false);
    return b;
}

void fill(QListWidget& widget, const NameList& names)
{
    widget.clear();
    for (const std::string& name : names.names())
        addNameItem(widget, name);
    // Without a selection no entry may look chosen, not even by its focus frame.
    widget.setCurrentRow(names.selectedIndex());
}

}  // namespace

CModifyListDialog::CModifyListDialog(const ParameterStore& store, QWidget* parent)
    : QDialog(parent), edit_(store)
{
    setWindowTitle(toQString(kModifyListCaption));

    auto* introduction = new QLabel(toQString(std::string(kIntroduction) + std::string(kReasons)));
    introduction->setWordWrap(true);
    auto* howTo = new QLabel(toQString(kHowTo));
    howTo->setWordWrap(true);

    available_ = nameList(QStringLiteral("availableList"));
    displayed_ = nameList(QStringLiteral("displayedList"));
    add_ = button(QStringLiteral("Add ->"), QStringLiteral("addButton"));
    addAll_ = button(QStringLiteral("Add All ->"), QStringLiteral("addAllButton"));
    remove_ = button(QStringLiteral("<- Remove"), QStringLiteral("removeButton"));
    removeAll_ = button(QStringLiteral("<- Remove All"), QStringLiteral("removeAllButton"));

    auto* moves = new QVBoxLayout;
    moves->addStretch();
    for (QPushButton* b : {add_, addAll_, remove_, removeAll_})
        moves->addWidget(b);
    moves->addStretch();

    auto* lists = new QGridLayout;
    lists->addWidget(new QLabel(QStringLiteral("Available")), 0, 0);
    lists->addWidget(new QLabel(QStringLiteral("Displayed")), 0, 2);
    lists->addWidget(available_, 1, 0);
    lists->addLayout(moves, 1, 1);
    lists->addWidget(displayed_, 1, 2);
    lists->setColumnStretch(0, 1);
    lists->setColumnStretch(2, 1);

    note_ = new QLabel(toQString(kDisplayedEmptyNote));
    note_->setObjectName(QStringLiteral("note"));
    makeRedNote(*note_);
    // The note keeps its room while hidden, so the dialog does not jump.
    QSizePolicy keepRoom = note_->sizePolicy();
    keepRoom.setRetainSizeWhenHidden(true);
    note_->setSizePolicy(keepRoom);

    save_ = button(QStringLiteral("Save changes"), QStringLiteral("saveButton"));
    save_->setDefault(true);
    auto* cancel = button(QStringLiteral("Cancel"), QStringLiteral("cancelButton"));
    auto* buttons = new QDialogButtonBox;
    buttons->addButton(save_, QDialogButtonBox::AcceptRole);
    buttons->addButton(cancel, QDialogButtonBox::RejectRole);

    // Half a line between the paragraphs and above the lists, and room above
    // the first line, so the texts read as paragraphs.
    auto* layout = new QVBoxLayout(this);
    const int halfLine = fontMetrics().height() / 2;
    QMargins margins = layout->contentsMargins();
    margins.setTop(margins.top() + halfLine);
    layout->setContentsMargins(margins);
    layout->addWidget(introduction);
    layout->addSpacing(halfLine);
    layout->addWidget(howTo);
    layout->addSpacing(halfLine);
    layout->addLayout(lists);
    layout->addWidget(note_);
    layout->addWidget(buttons);

    connect(available_, &QListWidget::itemSelectionChanged, this,
            &CModifyListDialog::availableChosen);
    connect(displayed_, &QListWidget::itemSelectionChanged, this,
            &CModifyListDialog::displayedChosen);
    connect(add_, &QPushButton::clicked, this, [this] { change([this] { edit_.add(); }); });
    connect(addAll_, &QPushButton::clicked, this, [this] { change([this] { edit_.addAll(); }); });
    connect(remove_, &QPushButton::clicked, this, [this] { change([this] { edit_.remove(); }); });
    connect(removeAll_, &QPushButton::clicked, this,
            [this] { change([this] { edit_.removeAll(); }); });
    connect(save_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    showLists();
    // The focus starts on the buttons: a list that has it shows a focus
    // frame on its first name, which looks as if that name were chosen.
    save_->setFocus();
}

void CModifyListDialog::availableChosen()
{
    const QList<QListWidgetItem*> chosen = available_->selectedItems();
    // A cleared selection is the other list's doing; nothing to follow.
    if (chosen.isEmpty())
        return;
    edit_.selectAvailable(available_->row(chosen.front()));
    const QSignalBlocker block(displayed_);
    displayed_->clearSelection();
    showButtons();
}

void CModifyListDialog::displayedChosen()
{
    const QList<QListWidgetItem*> chosen = displayed_->selectedItems();
    if (chosen.isEmpty())
        return;
    edit_.selectDisplayed(displayed_->row(chosen.front()));
    const QSignalBlocker block(available_);
    available_->clearSelection();
    showButtons();
}

template <typename Change> void CModifyListDialog::change(Change&& c)
{
    c();
    showLists();
}

void CModifyListDialog::showLists()
{
    {
        const QSignalBlocker blockAvailable(available_);
        const QSignalBlocker blockDisplayed(displayed_);
        fill(*available_, edit_.available());
        fill(*displayed_, edit_.displayed());
    }
    showButtons();
}

void CModifyListDialog::showButtons()
{
    const DisplayListButtons b = edit_.buttons();
    add_->setEnabled(b.add);
    addAll_->setEnabled(b.addAll);
    remove_->setEnabled(b.remove);
    removeAll_->setEnabled(b.removeAll);
    save_->setEnabled(b.save);
    note_->setVisible(b.noteShown);
}

}  // namespace tessara
