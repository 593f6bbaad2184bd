#include "filetransform/dialogs/convert_dialog.h"

#include "widgets/name_items.h"
#include "filetransform/file_io.h"
#include "params/dialogs/path_chooser.h"
#include "params/name_list.h"
#include "params/notifier.h"
#include "widgets/labels.h"
#include "widgets/text_conversion.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace tessara {
namespace {

template <std::size_t N>
QComboBox* listOf(const QString& objectName, const std::array<std::string_view, N>& entries)
{
    auto* list = new QComboBox;
    list->setObjectName(objectName);
    for (const std::string_view entry : entries)
        list->addItem(toQString(entry));
    list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return list;
}

QComboBox* fieldList(const QString& objectName)
{
    auto* list = new QComboBox;
    list->setObjectName(objectName);
    list->setMinimumContentsLength(4);
    return list;
}

// Fills a list with new entries only when they differ, so that a list the
// user is looking at is not rebuilt for nothing; then shows the entry.
void showEntries(QComboBox& list, const std::vector<std::string>& entries, int current)
{
    bool same = list.count() == static_cast<int>(entries.size());
    for (int i = 0; same && i < list.count(); ++i)
        same = list.itemText(i) == toQString(entries[static_cast<std::size_t>(i)]);
    if (!same) {
        list.clear();
        for (const std::string& entry : entries)
            list.addItem(toQString(entry));
    }
    list.setCurrentIndex(current < list.count() ? current : -1);
}

}  // namespace

CConvertFileDialog::CConvertFileDialog(const ConvertDialogStart& start, PathChooser& paths,
                                       Notifier& notifier, std::function<void()> editOutputFormat,
                                       QWidget* parent)
    : QDialog(parent), lastInputFile_(start.lastInputFile), lastOutputFile_(start.lastOutputFile),
      paths_(paths), notifier_(notifier), editOutputFormat_(std::move(editOutputFormat))
{
    setWindowTitle(toQString(kConvertDialogCaption));
    form_.direction = start.direction;

    message_ = new QLabel;
    message_->setObjectName(QStringLiteral("messageLine"));
    makeRedNote(*message_);
    convert_ = new QPushButton(QStringLiteral("Convert"));
    convert_->setObjectName(QStringLiteral("convertButton"));
    convert_->setAutoDefault(false);
    auto* help = new QPushButton(QStringLiteral("Help"));
    help->setObjectName(QStringLiteral("helpButton"));
    help->setAutoDefault(false);
    auto* close = new QPushButton(QStringLiteral("Close"));
    close->setObjectName(QStringLiteral("closeButton"));
    close->setAutoDefault(false);
    auto* box = new QDialogButtonBox;
    // Convert is an action, not the default: Enter in a field starts no run.
    box->addButton(convert_, QDialogButtonBox::ActionRole);
    box->addButton(help, QDialogButtonBox::HelpRole);
    box->addButton(close, QDialogButtonBox::RejectRole);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(message_, 1);
    buttons->addWidget(box);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(inputRow());
    layout->addWidget(previewArea_, 1);
    layout->addWidget(choiceRows());
    layout->addWidget(outputRow());
    layout->addLayout(buttons);

    // The set list holds the displayed sets, sorted, on the file's set: the
    // first entry while no set was kept, none when the kept one is hidden.
    NameList names;
    for (const std::string& name : start.setNames)
        names.add(name);
    for (const std::string& name : names.names())
        addNameItem(*sets_, name);
    const int kept = start.setName.empty() ? 0 : names.findIgnoringCase(start.setName);
    if (kept >= 0 && kept < names.size())
        form_.setName = names.at(kept);

    connectChoices();
    fitPreview();  // the preview area has its height before a file is read
    connect(convert_, &QPushButton::clicked, this, &QDialog::accept);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this,
            [this] { notifier_.showMessage("Help not yet available"); });
    showForm();
}

QWidget* CConvertFileDialog::inputRow()
{
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    inputName_ = new QLineEdit;
    inputName_->setObjectName(QStringLiteral("inputName"));
    inputName_->setReadOnly(true);
    inputName_->setMinimumWidth(inputName_->fontMetrics().averageCharWidth() * 60);
    auto* browse = new QPushButton(QStringLiteral("Browse"));
    browse->setObjectName(QStringLiteral("inputBrowseButton"));
    browse->setAutoDefault(false);
    connect(browse, &QPushButton::clicked, this, &CConvertFileDialog::browseInput);
    layout->addWidget(boldLabel(QStringLiteral("Input file")));
    layout->addWidget(inputName_, 1);
    layout->addWidget(browse);

    instructions_ = new QListWidget;
    instructions_->setObjectName(QStringLiteral("instructions"));
    instructions_->addItem(toQString(kSelectFileInstruction));
    instructions_->addItem(toQString(kDetectInstruction));
    instructions_->setSelectionMode(QAbstractItemView::NoSelection);
    grid_ = new QTableWidget;
    grid_->setObjectName(QStringLiteral("preview"));
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionMode(QAbstractItemView::NoSelection);
    grid_->setTextElideMode(Qt::ElideRight);
    grid_->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    grid_->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    previewArea_ = new QStackedWidget;
    previewArea_->addWidget(instructions_);
    previewArea_->addWidget(grid_);
    return row;
}

QWidget* CConvertFileDialog::choiceRows()
{
    direction_ = listOf(QStringLiteral("directionList"), kDirectionEntries);
    sets_ = new QComboBox;
    sets_->setObjectName(QStringLiteral("setList"));
    sets_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    showCurrentNameTip(*sets_);
    type_ = listOf(QStringLiteral("typeList"), kCoordinateTypeEntries);
    epochForm_ = listOf(QStringLiteral("epochFormList"), kEpochFormEntries);
    epochSource_ = listOf(QStringLiteral("epochSourceList"), kEpochSourceEntries);
    dateCaption_ = new QLabel(QStringLiteral("Value"));
    setDate_ = new QLineEdit;
    setDate_->setObjectName(QStringLiteral("setDate"));
    setDate_->setMinimumWidth(
        setDate_->fontMetrics().horizontalAdvance(QStringLiteral("00/00/00000")));
    epochFieldCaption_ = new QLabel(QStringLiteral("Field"));
    epochField_ = fieldList(QStringLiteral("epochFieldList"));
    identifier_ = fieldList(QStringLiteral("identifierList"));
    layoutCaption_ = new QLabel;
    layoutCaption_->setObjectName(QStringLiteral("layoutCaption"));
    layout_ = listOf(QStringLiteral("layoutList"), kAngleLayoutEntries);
    confirm_ = new QLabel(toQString(kConfirmFormatNote));
    confirm_->setObjectName(QStringLiteral("confirmNote"));
    makeRedNote(*confirm_);
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        fieldLabels_[i] = new QLabel;
        fieldLabels_[i]->setObjectName(QStringLiteral("fieldLabel%1").arg(i + 1));
        fieldLabels_[i]->setMinimumWidth(
            fieldLabels_[i]->fontMetrics().horizontalAdvance(QStringLiteral("Lat.  ")));
        fieldLabels_[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        fields_[i] = fieldList(QStringLiteral("fieldList%1").arg(i + 1));
    }

    auto* rows = new QWidget;
    auto* grid = new QGridLayout(rows);
    grid->setContentsMargins(0, 0, 0, 0);
    const auto addRow = [grid](int row, const QString& caption,
                               std::initializer_list<QWidget*> ws) {
        grid->addWidget(boldLabel(caption), row, 0);
        auto* line = new QHBoxLayout;
        for (QWidget* w : ws)
            line->addWidget(w);
        line->addStretch();
        grid->addLayout(line, row, 1);
    };
    addRow(0, QStringLiteral("Convert"),
           {direction_, new QLabel(QStringLiteral("ITRF")), sets_,
            new QLabel(QStringLiteral("Coordinate Type")), type_});
    addRow(1, QStringLiteral("Epoch"),
           {new QLabel(QStringLiteral("Format")), epochForm_, new QLabel(QStringLiteral("From")),
            epochSource_, dateCaption_, setDate_, epochFieldCaption_, epochField_});
    addRow(2, QStringLiteral("ID"), {identifier_});
    addRow(3, QStringLiteral("Format"),
           {layoutCaption_, layout_, confirm_, fieldLabels_[0], fields_[0], fieldLabels_[1],
            fields_[1], fieldLabels_[2], fields_[2]});
    grid->setColumnStretch(1, 1);
    return rows;
}

QWidget* CConvertFileDialog::outputRow()
{
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    outputName_ = new QLineEdit;
    outputName_->setObjectName(QStringLiteral("outputName"));
    outputName_->setReadOnly(true);
    auto* browse = new QPushButton(QStringLiteral("Browse"));
    browse->setObjectName(QStringLiteral("outputBrowseButton"));
    browse->setAutoDefault(false);
    outputFormat_ = new QPushButton(QStringLiteral("Format"));
    outputFormat_->setObjectName(QStringLiteral("outputFormatButton"));
    outputFormat_->setAutoDefault(false);
    connect(browse, &QPushButton::clicked, this, &CConvertFileDialog::browseOutput);
    connect(outputFormat_, &QPushButton::clicked, this, [this] {
        if (editOutputFormat_)
            editOutputFormat_();
    });
    layout->addWidget(boldLabel(QStringLiteral("Output file")));
    layout->addWidget(outputName_, 1);
    layout->addWidget(browse);
    layout->addWidget(outputFormat_);
    return row;
}

template <typename Change> void CConvertFileDialog::take(Change&& change)
{
    // Changes the dialog makes itself are not the user's.
    if (showing_)
        return;
    change();
    showForm();
}

void CConvertFileDialog::connectChoices()
{
    connect(direction_, &QComboBox::currentIndexChanged, this,
            [this](int i) { take([&] { form_.direction = static_cast<FileDirection>(i); }); });
    connect(sets_, &QComboBox::currentIndexChanged, this, [this](int i) {
        take([&] { form_.setName = i < 0 ? std::string() : nameAt(*sets_, i); });
    });
    connect(type_, &QComboBox::currentIndexChanged, this, [this](int i) {
        take([&] {
            if (i >= 0)
                form_.type = static_cast<CoordinateType>(i);
        });
    });
    connect(epochForm_, &QComboBox::currentIndexChanged, this, [this](int i) {
        take([&] {
            if (i >= 0)
                form_.epochForm = static_cast<EpochMode>(i);
        });
    });
    connect(epochSource_, &QComboBox::currentIndexChanged, this,
            [this](int i) { take([&] { form_.epochSource = static_cast<EpochSource>(i); }); });
    connect(setDate_, &QLineEdit::textChanged, this,
            [this](const QString& text) { take([&] { form_.setDate = toStdString(text); }); });
    connect(epochField_, &QComboBox::currentIndexChanged, this,
            [this](int i) { take([&] { form_.epochField = fieldOfEntry(i, false); }); });
    connect(identifier_, &QComboBox::currentIndexChanged, this,
            [this](int i) { take([&] { form_.identifierField = fieldOfEntry(i, false); }); });
    connect(layout_, &QComboBox::currentIndexChanged, this, [this](int i) {
        take([&] {
            if (i >= 0)
                form_.layout = static_cast<AngleLayout>(i);
        });
    });
    for (std::size_t n = 0; n < fields_.size(); ++n) {
        connect(fields_[n], &QComboBox::currentIndexChanged, this, [this, n](int i) {
            take([&] {
                form_.fields()[n] = fieldOfEntry(i, offersNoField(form_.type, static_cast<int>(n)));
            });
        });
    }
}

void CConvertFileDialog::browseInput()
{
    PathQuery query;
    query.title = std::string(kInputFileTitle);
    query.filter = std::string(kPointFileFilter);
    query.initialPath = form_.inputPath.empty() ? lastInputFile_ : form_.inputPath;
    query.filterEntry = fileFilterEntry(query.initialPath);
    const std::optional<ChosenPath> chosen = paths_.chooseOpenFile(query);
    if (!chosen)
        return;
    form_.inputPath = chosen->path;
    const FilePreview preview = previewFile(form_.inputPath);
    applyPreview(form_, preview);
    showPreview(preview);
    showForm();
}

void CConvertFileDialog::browseOutput()
{
    PathQuery query;
    query.title = std::string(kOutputFileTitle);
    query.filter = std::string(kPointFileFilter);
    query.initialPath = form_.outputPath.empty() ? lastOutputFile_ : form_.outputPath;
    query.filterEntry = fileFilterEntry(query.initialPath);
    const std::optional<ChosenPath> chosen = paths_.chooseSaveFile(query);
    if (!chosen)
        return;
    form_.outputPath = withDefaultExtension(chosen->path, chosen->filterEntry);
    showForm();
}

void CConvertFileDialog::showPreview(const FilePreview& preview)
{
    inputName_->setText(toQString(form_.inputPath));
    if (preview.rows.empty() || !preview.problemText.empty()) {
        // Nothing to show in the grid: the instructions say why.
        instructions_->clear();
        instructions_->addItem(toQString(kSelectFileInstruction));
        instructions_->addItem(toQString(kDetectInstruction));
        if (!preview.problemText.empty())
            instructions_->addItem(toQString(preview.problemText));
        else if (preview.error != 0)
            instructions_->addItem(toQString(form_.inputPath + ": " + errorText(preview.error)));
        else
            instructions_->addItem(toQString(kNoRecordsNote));
        grid_->clear();
        grid_->setRowCount(0);
        grid_->setColumnCount(0);
        previewArea_->setCurrentWidget(instructions_);
        return;
    }
    grid_->clear();
    grid_->setRowCount(static_cast<int>(preview.rows.size()));
    grid_->setColumnCount(static_cast<int>(preview.columnCount));
    QStringList titles;
    for (std::size_t c = 1; c <= preview.columnCount; ++c)
        titles << QString::number(c);
    grid_->setHorizontalHeaderLabels(titles);
    for (std::size_t r = 0; r < preview.rows.size(); ++r) {
        const std::vector<std::string>& row = preview.rows[r];
        for (std::size_t c = 0; c < row.size(); ++c) {
            auto* item = new QTableWidgetItem(toQString(row[c]));
            // A field cut short in the grid shows whole as a tip.
            item->setToolTip(item->text());
            grid_->setItem(static_cast<int>(r), static_cast<int>(c), item);
        }
    }
    fitPreview();
    previewArea_->setCurrentWidget(grid_);
}

void CConvertFileDialog::fitPreview()
{
    const QFontMetrics metrics = grid_->fontMetrics();
    const int rowHeight = metrics.height() + 4;
    grid_->verticalHeader()->setDefaultSectionSize(rowHeight);
    grid_->resizeColumnsToContents();
    // A long comment or name field is cut (and shown whole as a tip), so
    // that the coordinate fields beside it stay in view.
    const int widest = metrics.horizontalAdvance(QStringLiteral("-0000000.000000")) +
                       2 * metrics.averageCharWidth();
    for (int column = 0; column < grid_->columnCount(); ++column)
        grid_->setColumnWidth(column, std::min(grid_->columnWidth(column), widest));
    // Ten rows in view; the rest of the twenty scroll.
    constexpr int kRowsInView = 10;
    previewArea_->setMinimumHeight(grid_->horizontalHeader()->sizeHint().height() +
                                   kRowsInView * rowHeight + 2 * grid_->frameWidth() +
                                   grid_->horizontalScrollBar()->sizeHint().height());
}

void CConvertFileDialog::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::FontChange && grid_ != nullptr)
        fitPreview();
}

void CConvertFileDialog::showForm()
{
    showing_ = true;
    inputName_->setText(toQString(form_.inputPath));
    outputName_->setText(toQString(form_.outputPath));
    direction_->setCurrentIndex(static_cast<int>(form_.direction));
    sets_->setCurrentIndex(findName(*sets_, form_.setName));
    type_->setCurrentIndex(form_.type ? static_cast<int>(*form_.type) : -1);
    epochForm_->setCurrentIndex(form_.epochForm ? static_cast<int>(*form_.epochForm) : -1);
    epochSource_->setCurrentIndex(static_cast<int>(form_.epochSource));
    // With one date for the file its text is asked for; else the field of
    // each record that holds the epoch.
    const bool setDate = form_.epochSource == EpochSource::SetDate;
    dateCaption_->setVisible(setDate);
    setDate_->setVisible(setDate);
    epochFieldCaption_->setVisible(!setDate);
    epochField_->setVisible(!setDate);
    if (setDate_->text() != toQString(form_.setDate))
        setDate_->setText(toQString(form_.setDate));
    showFieldLists();
    showing_ = false;
    runChecks();
}

void CConvertFileDialog::showFieldLists()
{
    const std::vector<std::string> plain = fieldEntries(form_.columnCount, false);
    showEntries(*epochField_, plain, entryOfField(form_.epochField, false));
    showEntries(*identifier_, plain, entryOfField(form_.identifierField, false));

    const bool geographic = form_.type == CoordinateType::Geographic;
    layoutCaption_->setText(toQString(layoutCaption(form_.type)));
    layout_->setVisible(geographic);
    layout_->setCurrentIndex(form_.layout ? static_cast<int>(*form_.layout) : -1);
    confirm_->setVisible(geographic && form_.confirmLayout && form_.layout == AngleLayout::Dd);

    const std::array<std::string_view, 3> labels = fieldLabels(form_.type);
    for (std::size_t n = 0; n < fields_.size(); ++n) {
        const bool withNone = offersNoField(form_.type, static_cast<int>(n));
        fieldLabels_[n]->setText(toQString(labels[n]));
        showEntries(*fields_[n], fieldEntries(form_.columnCount, withNone),
                    entryOfField(form_.fields()[n], withNone));
    }
}

void CConvertFileDialog::runChecks()
{
    const ConvertCheck check = checkConvertForm(form_);
    message_->setText(toQString(check.message));
    convert_->setEnabled(check.convertEnabled);
    outputFormat_->setEnabled(outputFormatEnabled(form_.outputPath));
}

}  // namespace tessara
