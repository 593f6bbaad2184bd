#include "params/dialogs/path_chooser.h"

#include "widgets/program_style.h"
#include "widgets/text_conversion.h"

#include <QFileDialog>
#include <QStringList>

#include <string_view>
#include <vector>

namespace tessara {
namespace {

struct FilterEntry {
    QString name;     // "Parameter files (*.params)"
    QString pattern;  // "*.params"
};

// "description|pattern|...||" into its entries.
std::vector<FilterEntry> filterEntries(std::string_view filter)
{
    const QStringList parts = toQString(filter).split(QLatin1Char('|'));
    std::vector<FilterEntry> entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        // The list ends at the empty description before the closing "|".
        if (parts[i].isEmpty())
            break;
        entries.push_back({parts[i], parts[i + 1]});
    }
    return entries;
}

// The extension a pattern like "*.txt" gives a bare name; none for "*.*".
QString suffixOf(const QString& pattern)
{
    if (!pattern.startsWith(QStringLiteral("*.")))
        return {};
    const QString suffix = pattern.mid(2);
    return suffix.contains(QLatin1Char('*')) || suffix.contains(QLatin1Char('?')) ? QString()
                                                                                  : suffix;
}

int entryNumber(const std::vector<FilterEntry>& entries, const QString& name)
{
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].name == name)
            return static_cast<int>(i) + 1;
    }
    return 1;
}

// Sets up a dialog with the query's filter, its first entry and start path.
void prepare(QFileDialog& dialog, const PathQuery& query, const std::vector<FilterEntry>& entries)
{
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    QStringList names;
    for (const FilterEntry& e : entries)
        names << e.name;
    dialog.setNameFilters(names);
    const int first =
        query.filterEntry >= 1 && query.filterEntry <= static_cast<int>(entries.size())
            ? query.filterEntry
            : 1;
    if (!entries.empty())
        dialog.selectNameFilter(entries[static_cast<std::size_t>(first - 1)].name);
    if (!query.initialPath.empty()) {
        const QFileInfo start(toQString(query.initialPath));
        if (start.isDir()) {
            dialog.setDirectory(start.absoluteFilePath());
        } else {
            dialog.setDirectory(start.absolutePath());
            dialog.selectFile(start.fileName());
        }
    }
}

std::optional<ChosenPath> chosen(QFileDialog& dialog, const std::vector<FilterEntry>& entries)
{
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return ChosenPath{toStdString(dialog.selectedFiles().front()),
                      entryNumber(entries, dialog.selectedNameFilter())};
}

}  // namespace

std::optional<ChosenPath> QtPathChooser::chooseOpenFile(const PathQuery& query)
{
    const std::vector<FilterEntry> entries = filterEntries(query.filter);
    QFileDialog dialog(parent_, toQString(query.title));
    dialog.setObjectName(QStringLiteral("openFileDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    prepare(dialog, query, entries);
    fitFileDialog(dialog);
    return chosen(dialog, entries);
}

std::optional<ChosenPath> QtPathChooser::chooseSaveFile(const PathQuery& query)
{
    const std::vector<FilterEntry> entries = filterEntries(query.filter);
    QFileDialog dialog(parent_, toQString(query.title));
    dialog.setObjectName(QStringLiteral("saveFileDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    prepare(dialog, query, entries);
    fitFileDialog(dialog);
    // The extension of the entry in use is added by the dialog itself, so
    // that it asks before replacing the file the name will really be.
    const auto followFilter = [&dialog, &entries](const QString& name) {
        const int entry = entryNumber(entries, name);
        dialog.setDefaultSuffix(
            entries.empty() ? QString()
                            : suffixOf(entries[static_cast<std::size_t>(entry - 1)].pattern));
    };
    followFilter(dialog.selectedNameFilter());
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, followFilter);
    return chosen(dialog, entries);
}

std::optional<std::string> QtPathChooser::chooseFolder(const FolderQuery& query)
{
    QFileDialog dialog(parent_, toQString(query.title), toQString(query.initialFolder));
    dialog.setObjectName(QStringLiteral("folderDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    fitFileDialog(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return toStdString(dialog.selectedFiles().front());
}

}  // namespace tessara
