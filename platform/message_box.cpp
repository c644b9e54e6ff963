#include "platform/message_box.h"

#include <QApplication>
#include <QMessageBox>

namespace platform {
namespace {
MsgBoxHandler& handler()
{
    static MsgBoxHandler h;
    return h;
}

int showReal(const QString& prompt, int style)
{
    QString text = prompt;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(QApplication::applicationDisplayName());
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    switch (style & 0x70) {
    case vbCritical: box.setIcon(QMessageBox::Critical); break;
    case vbExclamation: box.setIcon(QMessageBox::Warning); break;
    case vbInformation: box.setIcon(QMessageBox::Information); break;
    default: box.setIcon(QMessageBox::NoIcon); break;
    }
    if ((style & 0x7) == vbYesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        return box.exec() == QMessageBox::Yes ? vbYes : vbNo;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return vbOK;
}
} // namespace

int MsgBox(const QString& prompt, int style)
{
    if (handler())
        return handler()(prompt, style);
    return showReal(prompt, style);
}

void setMsgBoxHandler(MsgBoxHandler h) { handler() = std::move(h); }

} // namespace platform
