// Test entry point: a GUI application object (fonts, images, painting need
// one), and every store the library writes to moved into a private temporary
// folder so tests never touch the user's settings or logs.
#include <gtest/gtest.h>

#include "errors/MessageBox.h"
#include "util/Translations.h"
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdlib>

#ifdef KYT_TEST_WIDGETS
#include <QApplication>
using TestApp = QApplication;
#else
#include <QGuiApplication>
using TestApp = QGuiApplication;
#endif

int main(int argc, char** argv)
{
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QTemporaryDir sandbox;
    const QByteArray root = sandbox.path().toLocal8Bit();
    ::setenv("KYT_REGISTRY", (root + "/registry.db").constData(), 1);
    ::setenv("KYT_LOG_DIR", (root + "/log").constData(), 1);
    ::setenv("XDG_CONFIG_HOME", (root + "/config").constData(), 1);
    ::setenv("XDG_STATE_HOME", (root + "/state").constData(), 1);
    QStandardPaths::setTestModeEnabled(true);

    TestApp app(argc, argv);
    // The tests compare the English texts, whatever language the machine speaks.
    kyt::installTranslations(QLocale::c());
    // No test may block on a dialog: answers come from a script.
    kyt::setMessageBox(std::make_shared<kyt::ScriptedMessageBox>());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
