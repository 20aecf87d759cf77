#include "message_recorder.h"
#include "ogl_module.h"
#include "window_parts.h"
#include "xp_module.h"

#include <QtTest>

// Runs on a display whose OpenGL binding is switched off, so that no
// rendering context can be created.
class OpenGLUnavailableTest : public QObject {
    Q_OBJECT

private slots:
    void loadingStopsWithTheMessageAndNoWindow()
    {
        const MessageRecorder recorder;
        XPModule::ResetViewSettings();
        OGLWin window;
        QVERIFY(!window.Form_Load());
        QCOMPARE(recorder.messages, QStringList{"OpenGL Initialization Failed!"});
        QVERIFY(!window.isVisible());
        QVERIFY(window.Scene.Done);
        QVERIFY(OGLModule::GLContext == nullptr);
    }
};

int main(int argc, char* argv[])
{
    qputenv("QT_XCB_GL_INTEGRATION", "none");
    QApplication application(argc, argv);
    OpenGLUnavailableTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_opengl_unavailable.moc"
