// Test entry point: one headless application object for the whole program,
// and message boxes that fail the test instead of blocking it.

#include "framework/Application.h"
#include "framework/Dialogs.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TApplication app(argc, argv);
    Dialogs::SetSink([](Dialogs::MessageKind, const QString&, const QString& text) {
        ADD_FAILURE() << "unexpected message box: " << text.toStdString();
    });
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
