// The tessparams window: its forms reach the files and the button rules,
// keep their place and contents, and give names back byte for byte.
#include "editor/ui/editor_frame.h"
#include "editor/ui/ellipsoid_form.h"
#include "editor/ui/parameter_form.h"
#include "params/parameter_file.h"
#include "tests/support/recording_notifier.h"
#include "tests/ui/dialogs/dialog_test_support.h"

#include <QAction>
#include <QRadioButton>

namespace tessara::testing {
namespace {

const std::string kFixtures = TESSARA_SOURCE_DIR "/tests/params/fixtures/";

// One editor window with its scripted files and recorded messages.
struct Editor {
    ScriptedPaths files;
    RecordingNotifier notifier;
    editor::CEditorFrame frame{files, notifier};

    Editor() { frame.show(); }
    editor::CParameterForm& parameters() { return *frame.parameterForm(); }
    QAction* action(const char* name) { return frame.findChild<QAction*>(name); }
    void open(QWidget& form, const std::string& path)
    {
        if (!path.empty())
            files.files.push_back({path, 1});
        click(form, "open");
    }
};

// Save and Save As, "11" for both enabled.
QString buttons(QWidget& form)
{
    return QString::number(enabled(form, "save")) + QString::number(enabled(form, "saveAs"));
}

}  // namespace

class EditorWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(folder_.isValid()); }

    // Under a decimal-comma locale the fields show and take ",", while the
    // files keep ".".
    void parameterForm()
    {
        const FieldLocaleGuard germanFields;
        Editor editor;
        editor::CParameterForm& form = editor.parameters();
        // A file that shows nothing leaves the form, yet becomes current.
        editor.open(form, kFixtures + "wrong_marker.params");
        QCOMPARE(editor.notifier.shown.size(), std::size_t{1});
        QCOMPARE(text(form, "statusLine"), QString::fromStdString(kFixtures + "wrong_marker.params"));

        // A name written under an 8-bit code page is shown and saved back.
        ParameterSet set = ParameterSet::editorFromValues(
            "Z\xFCrich-\xE9", 2000.0, {-0.0761, -0.0101, 0.0444, 0.008765, 0.009361, 0.009325, 0.007935},
            {0.011, -0.0045, -0.0174, 0.001034, 0.000671, 0.001039, -0.000538});
        const QString original = folder_.filePath(QStringLiteral("latin1.params"));
        QVERIFY(writeParameterFile(original.toStdString(), set, editor.notifier));
        const QByteArray written = fileBytes(original);
        editor.open(form, original.toStdString());
        QCOMPARE(text(form, "name") + text(form, "base0"), QString::fromUtf8("Z\u00FCrich-\u00E9-0,076100"));
        click(form, "save");
        QCOMPARE(buttons(form), QStringLiteral("01"));
        QCOMPARE(fileBytes(original), written);

        // The buttons follow the fields; the change fields count only in
        // fourteen-parameter mode; the epoch takes three decimals.
        type(form, "epoch", QStringLiteral("2020,0001"));
        QCOMPARE(text(form, "epoch"), QStringLiteral("2020,000"));
        QCOMPARE(buttons(form), QStringLiteral("11"));
        child<QLineEdit>(form, "rate3")->clear();
        QCOMPARE(buttons(form), QStringLiteral("00"));
        QTest::mouseClick(child<QRadioButton>(form, "sevenParameters"), Qt::LeftButton);
        QVERIFY(!shown(form, "rate3") && !shown(form, "changeTitle"));
        QCOMPARE(buttons(form), QStringLiteral("11"));

        // A cancelled choice clears the current file; Save needs one.
        editor.open(form, "");
        QCOMPARE(text(form, "statusLine"), QString());
        child<QLineEdit>(form, "name")->setText(QString(40000, QLatin1Char('n')));  // beyond a line edit's usual limit
        QCOMPARE(text(form, "name").size(), qsizetype{40000});
        QCOMPARE(buttons(form), QStringLiteral("01"));
    }

    // Each form keeps its file and contents when switched, the window fits
    // the form it shows, and leaving asks only while something is unsaved.
    void formsAndExit()
    {
        Editor editor;
        editor.frame.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&editor.frame));
        editor.open(editor.parameters(), kFixtures + "itrf2000.params");
        const QSize parameterSize = editor.frame.size();
        QVERIFY(!editor.action("itrfAction")->isEnabled());
        editor.action("ellipsoidAction")->trigger();
        editor::CEllipsoidForm& ellipsoid = *editor.frame.ellipsoidForm();
        QVERIFY(!editor.parameters().isVisible());
        QCOMPARE(QApplication::focusWidget(), child(ellipsoid, "name"));
        QVERIFY(editor.frame.height() < parameterSize.height());
        QVERIFY(editor.action("itrfAction")->isEnabled() && !editor.action("ellipsoidAction")->isEnabled());
        editor.open(ellipsoid, kFixtures + "grs80.ellipsoid");
        QCOMPARE(text(ellipsoid, "inverseFlattening"), QStringLiteral("298.257222101"));
        child<QLineEdit>(ellipsoid, "inverseFlattening")->clear();
        QCOMPARE(buttons(ellipsoid), QStringLiteral("00"));
        type(ellipsoid, "inverseFlattening", QStringLiteral("298.257222101"));
        QCOMPARE(buttons(ellipsoid), QStringLiteral("11"));

        editor.action("itrfAction")->trigger();
        QCOMPARE(text(editor.parameters(), "name"), QStringLiteral("ITRF2000"));
        QCOMPARE(editor.frame.size(), parameterSize);

        editor.notifier.reply = false;
        click(editor.parameters(), "exit");
        QVERIFY(editor.frame.isVisible());
        editor.action("ellipsoidAction")->trigger();
        QCOMPARE(editor.frame.ellipsoidForm(), &ellipsoid);  // made once, then kept
        click(ellipsoid, "exit");
        QVERIFY(editor.frame.isVisible());
        editor.action("exitAction")->trigger();  // the menu closes this form at once
        QVERIFY(!editor.frame.isVisible());
        QCOMPARE(editor.notifier.asked.size(), std::size_t{2});

        Editor unchanged;
        click(unchanged.parameters(), "exit");
        QVERIFY(!unchanged.frame.isVisible() && unchanged.notifier.asked.empty());
    }

private:
    QTemporaryDir folder_;
};

QObject* makeEditorWindowTest() { return new EditorWindowTest; }

}  // namespace tessara::testing

#include "editor_window_test.moc"
