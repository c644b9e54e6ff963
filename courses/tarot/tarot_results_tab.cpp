// The results tab of the tarot window: the report of the last test run in a fixed-width
// font, its summary line, and the command that saves it as a text file.
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "courses/tarot/frmLearnTarotMain.h"
#include "courses/tarot/tarot_widgets.h"
#include "platform/message_box.h"
#include "platform/save_file_dialog.h"
#include "platform/text_file.h"
#include "shell/course_commands.h"
#include "shell/course_widgets.h"
#include "shell/fixed_columns_font.h"

using course_widgets::makeButton;
using course_widgets::named;

QWidget* frmLearnTarotMain::buildResultsTab()
{
    auto* page = named(new QWidget, QStringLiteral("picResults"));
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(8, 8, 8, 8);
    txtResult = tarot_widgets::makeReadOnlyBox(QStringLiteral("txtResult"), page);
    txtResult->setAccessibleName(QStringLiteral("Test report"));
    txtResult->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtResult->setFont(fixed_columns::fixedColumnsFont(font().pointSizeF() + 0.75));
    // The report cannot be carried out of the program with the mouse.
    course_commands::guardCopy(txtResult);

    lblResultInfo = named(new QLabel(page), QStringLiteral("lblResultInfo"));
    QFont bold = lblResultInfo->font();
    bold.setBold(true);
    lblResultInfo->setFont(bold);
    lblResultInfo->setTextFormat(Qt::PlainText);
    Command5 = makeButton(QStringLiteral("Command5"), QStringLiteral("Save Current Result"), page, this,
                          &frmLearnTarotMain::Command5_Click);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(lblResultInfo, 1);
    bottom->addWidget(Command5);
    layout->addWidget(txtResult, 1);
    layout->addLayout(bottom);
    return page;
}

void frmLearnTarotMain::WriteTestReport()
{
    tarot::TestReport report;
    if (!test.WriteTestReport(QCoreApplication::applicationName(), report)) {
        platform::MsgBox(test.problem(), platform::vbCritical);
        return;
    }
    txtResult->clear();
    txtResult->setPlainText(QString(report.text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    lblResultInfo->setText(report.summary);
    txtResult->moveCursor(QTextCursor::End);
}

void frmLearnTarotMain::Command5_Click()
{
    const QString path = platform::AskSaveFileName(this);
    if (path.isEmpty())
        return;
    QString text = txtResult->toPlainText();
    text.replace(QLatin1Char('\n'), QLatin1String(platform::CrLf));
    if (!platform::WriteTextFile(path, text + QLatin1String(platform::CrLf)))
        platform::MsgBox(QStringLiteral("The result could not be saved to") + QLatin1String(platform::CrLf) +
                             QDir::toNativeSeparators(path) + QLatin1String(platform::CrLf) +
                             QStringLiteral("Check that the folder exists and that you may write to it."),
                         platform::vbCritical);
}
