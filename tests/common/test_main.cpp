// Entry point shared by every test executable: runs each registered test class in turn.
#include "test_registry.h"

#include <QApplication>
#include <QStandardPaths>
#include <QTest>

#include "platform/modules.h"

int main(int argc, char** argv)
{
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    // The program's modules (printing, the card database) as this build made them.
    platform::setModuleFolder(QStringLiteral(ORVANEL_BINARY_DIR));
    int failures = 0;
    for (const auto& make : orvanel_test::registry()) {
        auto test = make();
        failures += QTest::qExec(test.get(), argc, argv);
    }
    return failures == 0 ? 0 : 1;
}
