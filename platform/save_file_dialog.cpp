#include "platform/save_file_dialog.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPointer>
#include <QRegularExpression>
#include <QScopeGuard>

#include "platform/message_box.h"
#include "platform/text_file.h"

namespace platform {
namespace {
SaveFileHandler& handler()
{
    static SaveFileHandler h;
    return h;
}

// The extension a filter's first pattern names ("txt" for "Text file (*.txt)"), or none.
QString filterExtension(const QString& filter)
{
    static const QRegularExpression firstPattern(QStringLiteral(R"(\(\s*\*\.(\w+)[\s)])"));
    return firstPattern.match(filter).captured(1);
}

// A dialog of its own on the heap, watched: its owner may go while it runs its loop.
QString runDialog(QWidget* parent, const QString& filter)
{
    QPointer<QFileDialog> dialog = new QFileDialog(parent ? parent : QApplication::activeWindow());
    const auto release = qScopeGuard([&dialog] { delete dialog.data(); });
    dialog->setWindowTitle(QApplication::applicationDisplayName());
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setNameFilter(filter);
    // A name typed without an extension gets the filter's; the replace question below then asks
    // about that name.
    dialog->setDefaultSuffix(filterExtension(filter));
    // Replacing an existing file is asked first (the dialog's default).
    dialog->setOption(QFileDialog::DontConfirmOverwrite, false);
    dialog->selectFile(QString());
    for (;;) {
        if (dialog->exec() != QDialog::Accepted || !dialog || dialog->selectedFiles().isEmpty())
            return QString();
        const QString chosen = dialog->selectedFiles().constFirst();
        const QFileInfo info(chosen);
        if (!info.fileName().isEmpty() && info.absoluteDir().exists())
            return chosen;
        MsgBox(QDir::toNativeSeparators(chosen) + QLatin1String(CrLf)
                   + QStringLiteral("Path does not exist.") + QLatin1String(CrLf)
                   + QStringLiteral("Check the path and try again."),
               vbExclamation);
        if (!dialog)
            return QString();
    }
}
} // namespace

QString AskSaveFileName(QWidget* parent, const QString& filter)
{
    if (handler())
        return handler()(filter);
    return runDialog(parent, filter);
}

void setSaveFileHandler(SaveFileHandler h) { handler() = std::move(h); }

} // namespace platform
