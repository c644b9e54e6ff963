// Entry point shared by every test executable: runs each registered test class in turn.
#include "test_registry.h"

#include <QApplication>
#include <QStandardPaths>
#include <QTest>

#include "platform/printing.h"

int main(int argc, char** argv)
{
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    // Tests print through the printing linked in; one test loads the module itself.
    platform::setSystemPrinter(&platform::PrintOnDefaultPrinter);
    int failures = 0;
    for (const auto& make : orvanel_test::registry()) {
        auto test = make();
        failures += QTest::qExec(test.get(), argc, argv);
    }
    return failures == 0 ? 0 : 1;
}
