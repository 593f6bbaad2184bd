// Saves a picture of every dialog of the parameter sets, the ellipsoids and
// the file run, in each of its modes, at the smallest and the largest font
// size, and of the parameter editor's two forms, for a person to look at:
//   tessara_dialogs_screenshots [OUTPUT_FOLDER [dark]]   (default docs/screenshots)
// Offscreen by default; run it under a display server (QT_QPA_PLATFORM=xcb)
// to see the desktop's own rendering.
#include "editor/ui/editor_frame.h"
#include "editor/ui/file_chooser.h"
#include "editor/ui/parameter_form.h"
#include "records/builtin_records.h"
#include "filetransform/dialogs/convert_command.h"
#include "filetransform/dialogs/convert_dialog.h"
#include "filetransform/dialogs/output_format_dialog.h"
#include "params/dialogs/ellipsoid_dialog.h"
#include "params/dialogs/export_dialog.h"
#include "params/dialogs/modify_list_dialog.h"
#include "params/dialogs/parameter_dialog.h"
#include "params/ellipsoid_list.h"
#include "params/parameter_file.h"
#include "params/parameter_store.h"
#include "tests/support/recording_notifier.h"
#include "tests/ui/dialogs/dialog_test_support.h"
#include "tools/screenshots/screenshot_look.h"
#include "widgets/dialog_font.h"

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QFileDialog>
#include <QProgressDialog>
#include <QRadioButton>
#include <QTemporaryDir>

#include <cstdio>
#include <fstream>

using namespace tessara;
using namespace tessara::testing;

namespace {

QString outFolder;
int fontSize = 8;

void save(QWidget& dialog, const QString& name)
{
    useDialogFont(dialog, fontSize);
    dialog.show();
    dialog.adjustSize();
    QTest::qWait(100);
    const QString suffix = fontSize == 8 ? QString() : QStringLiteral("-%1").arg(fontSize);
    const QString path =
        outFolder + QStringLiteral("/dialog-") + name + suffix + QStringLiteral(".png");
    if (!dialog.grab().save(path))
        std::fprintf(stderr, "cannot save %s\n", qPrintable(path));
    dialog.hide();
}

ParameterStore builtInStore()
{
    ParameterStore store;
    for (const ParameterSet& set : builtInParameterSets())
        store.store(set);
    return store;
}

void parameterDialogs()
{
    ParameterStore store = builtInStore();
    ParameterSet damaged = *store.find("ITRF96");
    damaged.rate[2] = kUnsetValue;
    damaged.valid = false;
    store.store(damaged);
    {
        CParameterDialog view;
        view.setViewMode(store, "ITRF2000");
        save(view, QStringLiteral("parameters-view"));
    }
    {
        CParameterDialog view;
        view.setViewMode(store, "ITRF96");
        save(view, QStringLiteral("parameters-view-not-valid"));
    }
    {
        ParameterSet imported = *store.find("ITRF97");
        imported.name = "ITRF2005";
        imported.valid = true;
        CParameterDialog check;
        check.setCheckMode(imported);
        save(check, QStringLiteral("parameters-check"));
    }
    {
        RecordingNotifier notifier;
        ParameterSet wrongMarker;
        readParameterFileInProgram(TESSARA_SOURCE_DIR "/tests/params/fixtures/wrong_marker.params",
                                   wrongMarker, notifier);
        CParameterDialog check;
        check.setCheckMode(wrongMarker);
        save(check, QStringLiteral("parameters-check-not-valid"));
    }
    {
        ParameterStore listed = builtInStore();
        listed.setDisplayed("ITRF96", false);
        CModifyListDialog modify(listed);
        save(modify, QStringLiteral("modify-list"));
        click(modify, "removeAllButton");
        save(modify, QStringLiteral("modify-list-empty"));
    }
    {
        ScriptedPaths paths;
        CExportDialog exportDialog("/home/surveyor/tessara", paths);
        save(exportDialog, QStringLiteral("export"));
    }
}

void ellipsoidDialogs()
{
    EllipsoidList list;
    list.addOrReplaceEllipsoid(builtInEllipsoid());
    list.addOrReplaceEllipsoid(
        Ellipsoid::fromValues("Bessel 1841", 6377397.155, 3, 299.1528128, 7));
    {
        CEllipsoidDialog view(CEllipsoidDialog::Mode::View, list, 0);
        save(view, QStringLiteral("ellipsoid-view"));
    }
    {
        CEllipsoidDialog adding(CEllipsoidDialog::Mode::New, list, 0);
        save(adding, QStringLiteral("ellipsoid-new"));
        child<QLineEdit>(adding, "name")->setText(QStringLiteral("Clarke 1866"));
        child<QLineEdit>(adding, "semiMajorAxis")->setText(QStringLiteral("6378206.4"));
        child<QLineEdit>(adding, "inverseFlattening")->setText(QStringLiteral("294.9786982"));
        save(adding, QStringLiteral("ellipsoid-new-typed"));
    }
}

void convertDialogs(const QString& folder)
{
    RecordingNotifier notifier;
    ConvertDialogStart start;
    for (const ParameterSet& set : builtInParameterSets())
        start.setNames.push_back(set.name);
    {
        ScriptedPaths paths;
        CConvertFileDialog dialog(start, paths, notifier, {});
        save(dialog, QStringLiteral("convert-start"));
    }
    const auto withInput = [&](const std::string& input, const char* output, const char* name,
                               const std::function<void(CConvertFileDialog&)>& more) {
        ScriptedPaths paths;
        paths.files.push_back({input, 1});
        paths.files.push_back(
            {(folder + QLatin1Char('/') + QLatin1String(output)).toStdString(), 1});
        CConvertFileDialog dialog(start, paths, notifier, {});
        useDialogFont(dialog, fontSize);
        dialog.browseInput();
        dialog.browseOutput();
        if (more)
            more(dialog);
        save(dialog, QString::fromLatin1(name));
    };
    const std::string examples = TESSARA_SOURCE_DIR "/examples/";
    withInput(examples + "geographic_dd.csv", "points_gda94.txt", "convert-geographic-confirm",
              [](CConvertFileDialog& d) {
                  child<QComboBox>(d, "epochFormList")->setCurrentIndex(0);
                  child<QLineEdit>(d, "setDate")->setText(QStringLiteral("01/01/2005"));
              });
    withInput(examples + "cartesian_epochs.txt", "cartesian_gda94.csv", "convert-cartesian-epochs",
              {});
    withInput(examples + "geographic_dms_tab.txt", "missing/out.txt", "convert-message-line", {});

    const std::string words = (folder + QStringLiteral("/words.txt")).toStdString();
    const std::string empty = (folder + QStringLiteral("/empty.txt")).toStdString();
    std::ofstream(words) << "Station name, remarks\nALIC, pillar on the hill\nSYDN, roof\n";
    std::ofstream{empty};
    withInput(words, "words_out.txt", "convert-nothing-detected", {});
    withInput(empty, "empty_out.txt", "convert-no-records", {});
    {
        COutputFormatDialog format(notifier);
        save(format, QStringLiteral("output-format"));
        OutputFileFormat cartesianOnly;
        cartesianOnly.geographic = false;
        cartesianOnly.includeHeader = false;
        format.setValue(cartesianOnly);
        save(format, QStringLiteral("output-format-cartesian-only"));
    }
}

// The transform dialog's file chooser on the examples folder.
void fileChooser()
{
    QFileDialog dialog(nullptr, QStringLiteral("Select coordinate input file to transform"),
                       QStringLiteral(TESSARA_SOURCE_DIR "/examples"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    useDialogFont(dialog, fontSize);
    fitFileDialog(dialog);
    dialog.show();
    QTest::qWait(300);
    const QString suffix = fontSize == 8 ? QString() : QStringLiteral("-%1").arg(fontSize);
    dialog.grab().save(outFolder + QStringLiteral("/dialog-file-chooser") + suffix +
                       QStringLiteral(".png"));
}

// The parameter editor's forms: a set of fourteen and of seven parameters,
// and an ellipsoid, each opened from a file.
class OneFile final : public editor::FileChooser {
public:
    QString chooseFileToOpen(QWidget*, const editor::FileKind&) override { return next; }
    QString chooseFileToSave(QWidget*, const editor::FileKind&) override { return {}; }
    QString next;
};

void editorWindows()
{
    RecordingNotifier notifier;
    OneFile files;
    editor::CEditorFrame frame(files, notifier);
    useDialogFont(frame, fontSize);
    frame.show();
    const QString suffix = fontSize == 8 ? QString() : QStringLiteral("-%1").arg(fontSize);
    const auto shoot = [&](const char* name) {
        QTest::qWait(100);
        frame.grab().save(outFolder + QStringLiteral("/tessparams-") + QLatin1String(name) +
                          suffix + QStringLiteral(".png"));
    };
    files.next = QStringLiteral(TESSARA_SOURCE_DIR "/tests/params/fixtures/itrf2000.params");
    frame.currentForm()->openFile();
    shoot("parameters");
    frame.parameterForm()->findChild<QRadioButton*>(QStringLiteral("sevenParameters"))->click();
    shoot("seven-parameters");
    frame.showEllipsoidForm();
    files.next = QStringLiteral(TESSARA_SOURCE_DIR "/tests/params/fixtures/grs80.ellipsoid");
    frame.currentForm()->openFile();
    shoot("ellipsoid");
}

// The progress dialog of a long run, caught while it is shown.
void progressDialog(const QString& folder)
{
    const QString input = folder + QStringLiteral("/big.txt");
    {
        std::ofstream out(input.toStdString());
        for (int i = 0; i < 600000; ++i)
            out << "P" << i << " -4052051.765 4212836.205 -2545106.026\n";
    }
    FileRunSettings run;
    run.inputPath = input.toStdString();
    run.outputPath = (folder + QStringLiteral("/big.out")).toStdString();
    run.format.parameterSetName = "ITRF2000";
    run.format.setDate = "01/01/2005";
    run.format.field1 = 1;
    run.format.field2 = 2;
    run.format.field3 = 3;
    run.parameters = *builtInStore().find("ITRF2000");
    run.ellipsoid = builtInEllipsoid();
    QWidget window;
    window.resize(600, 400);
    window.show();
    bool saved = false;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, &timer, [&] {
        auto* progress = window.findChild<QProgressDialog*>();
        if (saved || progress == nullptr || !progress->isVisible())
            return;
        saved = true;
        const QString suffix = fontSize == 8 ? QString() : QStringLiteral("-%1").arg(fontSize);
        progress->grab().save(outFolder + QStringLiteral("/dialog-progress") + suffix +
                              QStringLiteral(".png"));
    });
    timer.start(50);
    useDialogFont(window, fontSize);
    std::vector<std::string> messages;
    runWithProgress(&window, run, messages);
    if (!saved)
        std::fprintf(stderr, "the progress dialog was not shown\n");
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const QTemporaryDir home;
    if (!home.isValid())
        return 1;
    for (const char* name :
         {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR"})
        qputenv(name, QFile::encodeName(home.path()));
    QFile::setPermissions(home.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QApplication app(argc, argv);
    screenshots::useLook(argc > 2 && QByteArray(argv[2]) == "dark");
    QLocale::setDefault(QLocale::c());
    outFolder = argc > 1 ? QString::fromLocal8Bit(argv[1])
                         : QStringLiteral(TESSARA_SOURCE_DIR "/docs/screenshots");
    QDir().mkpath(outFolder);
    for (const int size : {8, 12}) {
        fontSize = size;
        parameterDialogs();
        ellipsoidDialogs();
        convertDialogs(home.path());
        fileChooser();
        editorWindows();
        progressDialog(home.path());
    }
    return 0;
}
