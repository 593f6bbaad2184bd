#include "widgets/numeric_edit.h"
#include "editor/ui/editor_frame.h"
#include "editor/ui/ellipsoid_form.h"
#include "editor/ui/file_chooser.h"
#include "editor/ui/parameter_form.h"
#include "params/parameter_file.h"
#include "params/parameter_list_file.h"
#include "tests/params/test_support.h"
#include "tests/support/recording_notifier.h"
#include "tests/ui/test_environment.h"

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <memory>

using namespace tessara::editor;
using tessara::testing::RecordingNotifier;

namespace {

const QString kFixtures = QStringLiteral(TESSARA_SOURCE_DIR "/tests/params/fixtures/");

// Answers the form's file questions from a script; an exhausted script cancels.
class ScriptedChooser final : public FileChooser {
public:
    QString chooseFileToOpen(QWidget*, const FileKind&) override { return next(opens); }
    QString chooseFileToSave(QWidget*, const FileKind&) override { return next(saves); }
    QStringList opens;
    QStringList saves;

private:
    static QString next(QStringList& script)
    {
        return script.isEmpty() ? QString() : script.takeFirst();
    }
};

// One editor window with its scripted files and recorded messages.
struct Editor {
    ScriptedChooser chooser;
    RecordingNotifier notifier;
    CEditorFrame frame{chooser, notifier};

    Editor() { frame.show(); }
    CParameterForm& parameters() { return *frame.parameterForm(); }
    CEllipsoidForm& ellipsoid()
    {
        action("ellipsoidAction")->trigger();
        return *frame.ellipsoidForm();
    }
    QAction* action(const char* name) { return frame.findChild<QAction*>(name); }
};

QLineEdit* field(QWidget& form, const QString& name)
{
    return form.findChild<QLineEdit*>(name);
}

bool enabled(QWidget& form, const char* button)
{
    return form.findChild<QPushButton*>(button)->isEnabled();
}

void click(QWidget& form, const char* button)
{
    QTest::mouseClick(form.findChild<QPushButton*>(button), Qt::LeftButton);
}

// Types a text into an empty field, key by key, through the numeric filter.
void type(QWidget& form, const QString& name, const QString& text)
{
    QLineEdit* edit = field(form, name);
    edit->clear();
    QTest::keyClicks(edit, text);
}

void typeItrf2000(CParameterForm& form)
{
    const QStringList base{"-0.0761", "-0.0101", "0.0444", "0.008765", "0.009361", "0.009325",
                           "0.007935"};
    const QStringList rates{"0.011",    "-0.0045",  "-0.0174", "0.001034",
                            "0.000671", "0.001039", "-0.000538"};
    type(form, "name", "ITRF2000");
    type(form, "epoch", "2000");
    for (int row = 0; row < 7; ++row) {
        type(form, "base" + QString::number(row), base[row]);
        type(form, "rate" + QString::number(row), rates[row]);
    }
}

QString statusLine(QWidget& form) { return form.findChild<QLabel*>("statusLine")->text(); }

void useLocale(const QLocale& locale)
{
    QLocale::setDefault(locale);
    tessara::CNumericEdit::reloadLocaleSymbols();
}

}  // namespace

class EditorWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { useLocale(QLocale::c()); }
    void init() { QVERIFY(folder_.isValid()); }

    void epochTakesThreeDecimals();
    void emptyChangeFieldsCountOnlyInFourteenParameterMode();
    void damagedChecksumIsShownThenSavedWithARightOne();
    void listFileOfTheProgramShowsItsFirstSet();
    void wrongMarkerKeepsTheFormButTheFileBecomesCurrent();
    void cancellingOpenClearsTheCurrentFile();
    void saveAsMakesTheFileCurrentAndDisablesBothButtons();
    void formsKeepTheirContentsWhenSwitched();
    void exitAsksOnlyWhenASaveButtonIsEnabled();
    void decimalCommaLocaleShowsAndSavesTheSameNumbers();
    void latin1NameIsShownAndSavedBackByteForByte();
    void aboutBox();
    void realOpenDialog();
    void focusStartsOnNameAndTabGoesDownTheForm();

private:
    QString temp(const QString& name) const { return folder_.filePath(name); }
    QTemporaryDir folder_;
};

// The bounds themselves are checked in the core form checks; here the field
// stops a fourth decimal, so 2020.0001 stays a saveable 2020.000.
void EditorWindowTest::epochTakesThreeDecimals()
{
    Editor editor;
    typeItrf2000(editor.parameters());
    type(editor.parameters(), "epoch", "2020.0001");
    QCOMPARE(field(editor.parameters(), "epoch")->text(), QString("2020.000"));
    QVERIFY(enabled(editor.parameters(), "saveAs"));
    QVERIFY(!enabled(editor.parameters(), "save"));  // there is no current file yet
}

// The window starts empty in fourteen-parameter mode; in seven-parameter
// mode the change fields are hidden and no longer needed.
void EditorWindowTest::emptyChangeFieldsCountOnlyInFourteenParameterMode()
{
    Editor editor;
    CParameterForm& form = editor.parameters();
    QCOMPARE(editor.frame.windowTitle(), QString("ITRF Parameters"));
    QVERIFY(form.findChild<QRadioButton*>("fourteenParameters")->isChecked());
    for (QLineEdit* edit : form.findChildren<QLineEdit*>())
        QVERIFY(edit->text().isEmpty());
    QVERIFY(!enabled(form, "save") && !enabled(form, "saveAs"));
    QVERIFY(statusLine(form).isEmpty());
    QVERIFY(!editor.action("itrfAction")->isEnabled());
    typeItrf2000(form);
    field(form, "rate3")->clear();
    QVERIFY(!enabled(form, "saveAs"));

    QTest::mouseClick(form.findChild<QRadioButton*>("sevenParameters"), Qt::LeftButton);
    QVERIFY(!field(form, "rate3")->isVisible());
    QVERIFY(!form.findChild<QLabel*>("changeTitle")->isVisible());
    QVERIFY(enabled(form, "saveAs"));  // what is saved then is checked in the core tests

    QTest::mouseClick(form.findChild<QRadioButton*>("fourteenParameters"), Qt::LeftButton);
    QVERIFY(field(form, "rate3")->isVisible());
    QVERIFY(!enabled(form, "saveAs"));
}

void EditorWindowTest::damagedChecksumIsShownThenSavedWithARightOne()
{
    const QString path = temp("damaged.params");
    QVERIFY(QFile::copy(kFixtures + "bad_crc.params", path));
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    Editor editor;
    CParameterForm& form = editor.parameters();
    editor.chooser.opens = {path};
    click(form, "open");
    QCOMPARE(editor.notifier.shown.size(), size_t(1));
    QVERIFY(enabled(form, "save"));

    click(form, "save");
    QVERIFY(!enabled(form, "save"));
    QVERIFY(enabled(form, "saveAs"));
    tessara::ParameterSet saved;
    QVERIFY(tessara::readParameterFileInEditor(path.toStdString(), saved, editor.notifier)
                .checksumMatches);
    QCOMPARE(editor.notifier.shown.size(), size_t(1));
}

void EditorWindowTest::listFileOfTheProgramShowsItsFirstSet()
{
    const std::string list = temp("params.tessara").toStdString();
    RecordingNotifier setup;
    for (const char* name : {"First", "Second"}) {
        const tessara::ParameterSet set = tessara::ParameterSet::fromValues(
            name, 1997, {1, 2, 3, 4, 5, 6, 7}, {0, 0, 0, 0, 0, 0, 0});
        QVERIFY(tessara::appendStoredSet(list, set, setup));
    }
    Editor editor;
    editor.chooser.opens = {QString::fromStdString(list)};
    click(editor.parameters(), "open");
    QCOMPARE(field(editor.parameters(), "name")->text(), QString("First"));
    QCOMPARE(field(editor.parameters(), "base6")->text(), QString("7.000000"));
    QVERIFY(editor.notifier.shown.empty());
}

void EditorWindowTest::wrongMarkerKeepsTheFormButTheFileBecomesCurrent()
{
    Editor editor;
    CParameterForm& form = editor.parameters();
    type(form, "name", "Kept");
    editor.chooser.opens = {kFixtures + "wrong_marker.params"};
    click(form, "open");
    QCOMPARE(editor.notifier.shown.at(0).text, std::string("Parameters file is incorrect"));
    QCOMPARE(field(form, "name")->text(), QString("Kept"));
    QCOMPARE(statusLine(form), kFixtures + "wrong_marker.params");
    // Both buttons are offered with the file; writing still checks the form first.
    QVERIFY(enabled(form, "save") && enabled(form, "saveAs"));
    click(form, "save");
    QCOMPARE(editor.notifier.shown.at(1).text,
             std::string("Error parameters are not valid for saving"));
}

void EditorWindowTest::cancellingOpenClearsTheCurrentFile()
{
    Editor editor;
    CParameterForm& form = editor.parameters();
    editor.chooser.opens = {kFixtures + "itrf2000.params"};
    click(form, "open");
    QCOMPARE(statusLine(form), kFixtures + "itrf2000.params");
    QVERIFY(enabled(form, "save"));

    click(form, "open");  // the script is empty: the dialog is cancelled
    QVERIFY(statusLine(form).isEmpty());
    QVERIFY(form.currentPath().empty());
    QCOMPARE(field(form, "epoch")->text(), QString("2000.000"));
    QVERIFY(!enabled(form, "save"));
    QVERIFY(enabled(form, "saveAs"));
    type(form, "name", "Changed");
    QVERIFY(!enabled(form, "save"));  // still no file to save to
}

void EditorWindowTest::saveAsMakesTheFileCurrentAndDisablesBothButtons()
{
    Editor editor;
    CParameterForm& form = editor.parameters();
    typeItrf2000(form);
    editor.chooser.saves = {QString(), temp("new.params")};
    click(form, "saveAs");  // cancelled: nothing changes
    QVERIFY(enabled(form, "saveAs"));
    QVERIFY(statusLine(form).isEmpty());

    click(form, "saveAs");
    QVERIFY(!enabled(form, "save") && !enabled(form, "saveAs"));
    QCOMPARE(statusLine(form), temp("new.params"));
    QCOMPARE(tessara::test::readAll(temp("new.params").toStdString()),
             tessara::test::readAll((kFixtures + "itrf2000.params").toStdString()));

    type(form, "rate6", "-0.0005");
    QVERIFY(enabled(form, "save") && enabled(form, "saveAs"));
    QVERIFY(editor.notifier.shown.empty());
}

void EditorWindowTest::formsKeepTheirContentsWhenSwitched()
{
    Editor editor;
    editor.chooser.opens = {kFixtures + "itrf2000.params"};
    click(editor.parameters(), "open");
    const QSize parameterSize = editor.frame.size();
    CEllipsoidForm& ellipsoid = editor.ellipsoid();
    QVERIFY(!editor.parameters().isVisible());
    QVERIFY(editor.frame.height() < parameterSize.height());  // the window fits its form
    QVERIFY(editor.action("itrfAction")->isEnabled());
    QVERIFY(!editor.action("ellipsoidAction")->isEnabled());
    QVERIFY(statusLine(ellipsoid).isEmpty());  // each form has its own file
    // What an ellipsoid file shows is checked in the core; here it reaches the form.
    editor.chooser.opens = {kFixtures + "grs80.ellipsoid"};
    click(ellipsoid, "open");
    QCOMPARE(field(ellipsoid, "inverseFlattening")->text(), QString("298.257222101"));
    QVERIFY(enabled(ellipsoid, "saveAs"));
    field(ellipsoid, "inverseFlattening")->clear();
    QVERIFY(!enabled(ellipsoid, "saveAs"));
    type(ellipsoid, "name", "Mine");

    editor.action("itrfAction")->trigger();
    QVERIFY(editor.parameters().isVisible());
    QCOMPARE(field(editor.parameters(), "name")->text(), QString("ITRF2000"));
    QCOMPARE(statusLine(editor.parameters()), kFixtures + "itrf2000.params");
    QCOMPARE(editor.frame.size(), parameterSize);
    QCOMPARE(&editor.ellipsoid(), &ellipsoid);  // made once, then kept
    QCOMPARE(field(ellipsoid, "name")->text(), QString("Mine"));
}

void EditorWindowTest::exitAsksOnlyWhenASaveButtonIsEnabled()
{
    {
        Editor editor;
        editor.action("exitAction")->trigger();
        QVERIFY(!editor.frame.isVisible());
        QVERIFY(editor.notifier.asked.empty());
    }
    {
        Editor editor;
        editor.chooser.opens = {kFixtures + "itrf2000.params"};
        click(editor.parameters(), "open");
        editor.notifier.reply = false;
        click(editor.parameters(), "exit");
        QVERIFY(editor.frame.isVisible());
        QCOMPARE(editor.notifier.asked.at(0).caption, std::string("Changed parameters"));
        QCOMPARE(editor.notifier.asked.at(0).text,
                 std::string("Are you sure you want to exit?\n\n"
                             "Changes to parameters will not be saved."));
        editor.notifier.reply = true;
        editor.action("exitAction")->trigger();
        QVERIFY(!editor.frame.isVisible());
    }
    {
        // The menu's Exit closes the ellipsoid form at once; its button asks.
        Editor editor;
        CEllipsoidForm& form = editor.ellipsoid();
        editor.chooser.opens = {kFixtures + "grs80.ellipsoid"};
        click(form, "open");
        editor.notifier.reply = false;
        click(form, "exit");
        QVERIFY(editor.frame.isVisible());
        editor.action("exitAction")->trigger();
        QVERIFY(!editor.frame.isVisible());
        QCOMPARE(editor.notifier.asked.size(), size_t(1));
    }
}

void EditorWindowTest::decimalCommaLocaleShowsAndSavesTheSameNumbers()
{
    useLocale(QLocale(QLocale::German, QLocale::Germany));
    const auto restore = qScopeGuard([] { useLocale(QLocale::c()); });
    Editor editor;
    CParameterForm& form = editor.parameters();
    editor.chooser.opens = {kFixtures + "itrf2000.params"};
    click(form, "open");
    QCOMPARE(field(form, "epoch")->text(), QString("2000,000"));
    QCOMPARE(field(form, "base0")->text(), QString("-0,076100"));

    type(form, "rate6", "-0,000538");  // typed with the locale's own symbols
    editor.chooser.saves = {temp("comma.params")};
    click(form, "saveAs");
    QCOMPARE(tessara::test::readAll(temp("comma.params").toStdString()),
             tessara::test::readAll((kFixtures + "itrf2000.params").toStdString()));
}

void EditorWindowTest::latin1NameIsShownAndSavedBackByteForByte()
{
    // "Zürich-é" written under an 8-bit code page.
    tessara::ParameterSet set = tessara::ParameterSet::editorFromValues(
        "Z\xFCrich-\xE9", 2000.0, {-0.0761, -0.0101, 0.0444, 0.008765, 0.009361, 0.009325, 0.007935},
        {0.011, -0.0045, -0.0174, 0.001034, 0.000671, 0.001039, -0.000538});
    const std::string original = temp("latin1.params").toStdString();
    RecordingNotifier notifier;
    QVERIFY(tessara::writeParameterFile(original, set, notifier));

    Editor editor;
    CParameterForm& form = editor.parameters();
    editor.chooser.opens = {QString::fromStdString(original)};
    click(form, "open");
    QCOMPARE(field(form, "name")->text(), QString::fromUtf8("Z\u00FCrich-\u00E9"));
    editor.chooser.saves = {temp("copy.params")};
    click(form, "saveAs");
    QCOMPARE(tessara::test::readAll(temp("copy.params").toStdString()),
             tessara::test::readAll(original));

    // A name as long as the files carry, beyond a line edit's usual limit.
    const QString longName(40000, QLatin1Char('n'));
    field(form, "name")->setText(longName);
    QCOMPARE(field(form, "name")->text(), longName);
}

void EditorWindowTest::aboutBox()
{
    Editor editor;
    QString title;
    QString text;
    QTimer::singleShot(0, this, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            title = box->windowTitle();
            text = box->text();
            box->accept();
        }
    });
    editor.action("aboutAction")->trigger();
    QCOMPARE(title, QString("About tessparams"));
    QCOMPARE(text, QString("tessparams Version 1.0"));
}

// The one test of the real dialog: its title, and that its choice reaches the form.
void EditorWindowTest::realOpenDialog()
{
    DialogFileChooser dialogs;
    RecordingNotifier notifier;
    CEditorFrame frame(dialogs, notifier);
    frame.show();
    QString title;
    QTimer::singleShot(0, this, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr)
            return;
        title = dialog->windowTitle();
        dialog->findChild<QLineEdit*>("fileNameEdit")->setText(kFixtures + "itrf2000.params");
        static_cast<QDialog*>(dialog)->accept();
    });
    // A dialog that was not found stays open: close it so the test fails, not hangs.
    QTimer::singleShot(5000, this, [] {
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
    });
    click(*frame.parameterForm(), "open");
    QCOMPARE(title, QString("Select parameter file to import"));
    QCOMPARE(field(*frame.parameterForm(), "name")->text(), QString("ITRF2000"));
}

// Tab goes through the fields top to bottom (the base values, then their
// changes), then the enabled buttons, and comes back to the name.
void EditorWindowTest::focusStartsOnNameAndTabGoesDownTheForm()
{
    Editor editor;
    editor.frame.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&editor.frame));
    QStringList visited;
    for (int step = 0; step < 30 && QApplication::focusWidget() != nullptr; ++step) {
        const QString name = QApplication::focusWidget()->objectName();
        if (visited.contains(name))
            break;
        visited << name;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    // The two mode buttons are one stop; the arrow keys choose between them.
    QStringList expected{"name", "epoch", "sevenParameters"};
    for (const char* column : {"base", "rate"})
        for (int row = 0; row < 7; ++row)
            expected << QString::fromLatin1(column) + QString::number(row);
    expected << "open" << "exit";  // Save and Save As start disabled
    QCOMPARE(visited, expected);

    editor.ellipsoid();
    QCOMPARE(QApplication::focusWidget(), field(*editor.frame.ellipsoidForm(), "name"));
}

int main(int argc, char** argv)
{
    const QTemporaryDir home;
    if (!tessara::testing::prepareTestEnvironment(home))
        return 1;
    QApplication app(argc, argv);
    EditorWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "editor_window_test.moc"
