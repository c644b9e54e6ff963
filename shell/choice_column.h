#pragma once
// The answers of a question page: rows of an option button beside a ChoiceTextBox, in a
// column that scrolls as a whole when the texts need more room than the page has, so each
// box can show its whole text.
#include <QScrollArea>
#include <utility>

class ChoiceTextBox;
class QGridLayout;
class QRadioButton;

class ChoiceColumn : public QScrollArea {
    Q_OBJECT
public:
    // spacing: between a button and its box, and between the rows.
    ChoiceColumn(const QString& name, QSize spacing, QWidget* parent);

    // Adds row k (from 0): its option button "<optionArray>_k" and its box "<boxArray>_k",
    // which shows at least minimumLines lines.
    std::pair<QRadioButton*, ChoiceTextBox*> addRow(const char* optionArray, const char* boxArray, int minimumLines);

private:
    QWidget* m_column;
    QGridLayout* m_rows;
    int m_count = 0;
};
