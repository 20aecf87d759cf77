#include "deadlines.h"
#include "message_recorder.h"
#include "ogl_module.h"
#include "window_parts.h"
#include "xp_main.h"
#include "xp_module.h"

#include <QFile>
#include <QtTest>

#include <cstdlib>

// Runs from a folder of its own, with no texture files beside it: loading
// stops at the first texture, with its message, and no window remains.
class MissingTextureTest : public QObject {
    Q_OBJECT

private slots:
    void loadingStopsAndTheProgramFails()
    {
        const QString flare = QCoreApplication::applicationDirPath() + QStringLiteral("/Flare.bmp");
        QVERIFY2(!QFile::exists(flare), qPrintable(flare));
        const QStringList expected{QStringLiteral("Loading Texture File: '") + flare + QStringLiteral("' Failed!")};
        MessageRecorder recorder;
        QStringList& messages = recorder.messages;

        XPModule::ResetViewSettings();
        {
            OGLWin window;
            bool loaded = true;
            QVERIFY(RunWithDeadline([&] { loaded = window.Form_Load(); }));
            QVERIFY(!loaded);
            QCOMPARE(messages, expected);
            QVERIFY(!window.isVisible());
            QVERIFY(window.Scene.Done);
            QVERIFY(OGLModule::GLContext == nullptr);
        }

        messages.clear();
        int status = EXIT_SUCCESS;
        QVERIFY(RunWithDeadline([&] { status = XPModule::Main(CommandLineOptions{}); }));
        QCOMPARE(status, EXIT_FAILURE);
        QCOMPARE(messages, expected);
    }
};

QTEST_MAIN(MissingTextureTest)
#include "test_missing_texture.moc"
