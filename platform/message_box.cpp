#include "platform/message_box.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QScopeGuard>

namespace platform {
namespace {
MsgBoxHandler& handler()
{
    static MsgBoxHandler h;
    return h;
}

// The box lives on the heap and is watched: it is placed over the active window, and a
// window can go while the box runs its loop (then the box goes with it, and the answer is
// the one a close box gives).
QMessageBox* makeBox(const QString& prompt, int style)
{
    QString text = prompt;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    auto* box = new QMessageBox(QApplication::activeWindow());
    box->setWindowTitle(QApplication::applicationDisplayName());
    box->setTextFormat(Qt::PlainText);
    box->setText(text);
    switch (style & 0x70) {
    case vbCritical: box->setIcon(QMessageBox::Critical); break;
    case vbExclamation: box->setIcon(QMessageBox::Warning); break;
    case vbInformation: box->setIcon(QMessageBox::Information); break;
    default: box->setIcon(QMessageBox::NoIcon); break;
    }
    if ((style & 0x7) == vbYesNo) {
        box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box->setDefaultButton(QMessageBox::Yes);
        box->setEscapeButton(QMessageBox::No);
    } else {
        box->setStandardButtons(QMessageBox::Ok);
        box->setDefaultButton(QMessageBox::Ok);
    }
    return box;
}
} // namespace

int ShowMessageBox(const QString& prompt, int style)
{
    QPointer<QMessageBox> box = makeBox(prompt, style);
    const auto release = qScopeGuard([&box] { delete box.data(); });
    const int pressed = box->exec();
    if ((style & 0x7) == vbYesNo)
        return box && pressed == QMessageBox::Yes ? vbYes : vbNo;
    return vbOK;
}

int MsgBox(const QString& prompt, int style)
{
    if (handler())
        return handler()(prompt, style);
    return ShowMessageBox(prompt, style);
}

void setMsgBoxHandler(MsgBoxHandler h) { handler() = std::move(h); }

} // namespace platform
