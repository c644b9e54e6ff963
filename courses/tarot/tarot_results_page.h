#pragma once
// The results page of the tarot window: the report of the last test run in a fixed-width
// font, its summary line, and the command that saves it as a text file.
#include <QWidget>

class QLabel;
class QPlainTextEdit;
class QPushButton;
namespace tarot {
struct TestReport;
}

class TarotResultsPage : public QWidget {
    Q_OBJECT
public:
    // reportPointSize: the size of the report's fixed-width font.
    explicit TarotResultsPage(qreal reportPointSize, QWidget* parent = nullptr);

    void ShowReport(const tarot::TestReport& report);

private slots:
    void Command5_Click();

private:
    // The report shown, with its CR LF line ends, as it is saved.
    QString reportText;

    QPlainTextEdit* txtResult = nullptr;
    QLabel* lblResultInfo = nullptr;
    QPushButton* Command5 = nullptr;
};
