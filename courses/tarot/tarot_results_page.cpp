#include "courses/tarot/tarot_results_page.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "courses/tarot/logic/test_report.h"
#include "courses/tarot/tarot_widgets.h"
#include "platform/message_box.h"
#include "platform/save_file_dialog.h"
#include "platform/text_file.h"
#include "shell/course_commands.h"
#include "shell/value_label.h"
#include "shell/course_widgets.h"
#include "shell/fixed_columns_font.h"

using course_widgets::makeButton;
using course_widgets::named;

TarotResultsPage::TarotResultsPage(qreal reportPointSize, QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("picResults"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    txtResult = tarot_widgets::makeReadOnlyBox(QStringLiteral("txtResult"), this);
    txtResult->setAccessibleName(QStringLiteral("Test report"));
    txtResult->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtResult->setFont(fixed_columns::fixedColumnsFont(reportPointSize));
    // The report cannot be carried out of the program with the mouse.
    course_commands::guardCopy(txtResult);

    lblResultInfo = named(new QLabel(this), QStringLiteral("lblResultInfo"));
    QFont bold = lblResultInfo->font();
    bold.setBold(true);
    lblResultInfo->setFont(bold);
    lblResultInfo->setTextFormat(Qt::PlainText);
    value_label::announce(lblResultInfo, QStringLiteral("Score"));
    Command5 = makeButton(QStringLiteral("Command5"), QStringLiteral("Save Current Result"), this, this,
                          &TarotResultsPage::Command5_Click);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(lblResultInfo, 1);
    bottom->addWidget(Command5);
    layout->addWidget(txtResult, 1);
    layout->addLayout(bottom);
}

void TarotResultsPage::ShowReport(const tarot::TestReport& report)
{
    reportText = report.text;
    txtResult->clear();
    txtResult->setPlainText(QString(report.text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    lblResultInfo->setText(report.summary);
    txtResult->moveCursor(QTextCursor::End);
}

void TarotResultsPage::Command5_Click()
{
    const QString path = platform::AskSaveFileName(this);
    if (path.isEmpty())
        return;
    if (!platform::WriteTextFile(path, reportText + QLatin1String(platform::CrLf)))
        platform::MsgBox(QStringLiteral("The result could not be saved to") + QLatin1String(platform::CrLf) +
                             QDir::toNativeSeparators(path) + QLatin1String(platform::CrLf) +
                             QStringLiteral("Check that the folder exists and that you may write to it."),
                         platform::vbCritical);
}
