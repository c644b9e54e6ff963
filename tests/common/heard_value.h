#pragma once
// What a screen reader gets of a label that shows a value: a name that holds the caption and
// the value, and the value itself through the text interface and as the accessible value.
#include <QAccessible>
#include <QLabel>
#include <QString>

// Empty when the label is heard as "caption ... value"; otherwise what is wrong, for QVERIFY2.
inline QString heardValueProblem(QLabel* label, const QString& caption)
{
    const QString value = label->text();
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(label);
    if (!accessible)
        return label->objectName() + QStringLiteral(": no accessible interface");
    const QString name = accessible->text(QAccessible::Name);
    if (!name.contains(caption) || !name.contains(value.simplified()))
        return QStringLiteral("%1: name \"%2\" lacks caption \"%3\" or value \"%4\"")
            .arg(label->objectName(), name, caption, value);
    QAccessibleTextInterface* text = accessible->textInterface();
    if (!text)
        return label->objectName() + QStringLiteral(": no text interface");
    const QString read = text->text(0, text->characterCount());
    if (read != value)
        return QStringLiteral("%1: text interface reads \"%2\", shown \"%3\"").arg(label->objectName(), read, value);
    if (accessible->text(QAccessible::Value) != value)
        return label->objectName() + QStringLiteral(": accessible value differs from the shown value");
    return {};
}

// Fails the test with what is wrong when the label is not heard as "caption ... value".
#define QVERIFY_HEARD(label, caption)                                                 \
    do {                                                                              \
        const QString heardProblem = heardValueProblem((label), (caption));          \
        QVERIFY2(heardProblem.isEmpty(), qPrintable(heardProblem));                   \
    } while (false)
