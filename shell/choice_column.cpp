#include "shell/choice_column.h"

#include <QGridLayout>
#include <QRadioButton>

#include "shell/choice_text_box.h"
#include "shell/course_widgets.h"

ChoiceColumn::ChoiceColumn(const QString& name, QSize spacing, QWidget* parent)
    : QScrollArea(parent)
    , m_column(new QWidget(this))
    , m_rows(new QGridLayout(m_column))
{
    setObjectName(name);
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Keyboard focus goes to the buttons and boxes; the column scrolls to the focused one.
    setFocusPolicy(Qt::NoFocus);
    viewport()->setAutoFillBackground(false);
    m_column->setAutoFillBackground(false);
    m_rows->setContentsMargins(0, 0, 0, 0);
    m_rows->setHorizontalSpacing(spacing.width());
    m_rows->setVerticalSpacing(spacing.height());
    m_rows->setColumnStretch(1, 1);
    setWidget(m_column);
}

std::pair<QRadioButton*, ChoiceTextBox*> ChoiceColumn::addRow(const char* optionArray, const char* boxArray,
                                                             int minimumLines)
{
    using course_widgets::elementName;
    using course_widgets::named;
    const int k = m_count++;
    auto* option = named(new QRadioButton(m_column), elementName(optionArray, k));
    auto* box = named(new ChoiceTextBox(minimumLines, m_column), elementName(boxArray, k));
    box->nameButtonByText(option);
    m_rows->addWidget(option, k, 0, Qt::AlignVCenter);
    m_rows->addWidget(box, k, 1);
    // Spare height gathers below the last row.
    m_rows->setRowStretch(k, 0);
    m_rows->setRowStretch(k + 1, 1);
    return {option, box};
}
