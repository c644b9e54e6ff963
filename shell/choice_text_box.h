#pragma once
// The read-only box beside an answer's option button. It shows its answer in full: its height
// follows the text at the width it is given (never less than a few lines), so no line is cut
// and the box never scrolls. Mouse presses and clicks on it are reported, so the window can
// select the option button beside it.
#include <QAbstractButton>
#include <QPointer>
#include <QTextDocument>
#include <QTextEdit>
#include <array>
#include <utility>

class ChoiceTextBox : public QTextEdit {
    Q_OBJECT
public:
    explicit ChoiceTextBox(int minimumLines, QWidget* parent = nullptr);

    // Shows an answer text; CR LF is one line break. The option button named by
    // nameButtonByText takes the text as its accessible name, so a screen reader announces
    // the answer itself.
    void setChoiceText(const QString& text);
    void nameButtonByText(QAbstractButton* button) { m_button = button; }

    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // A mouse button went down on the text.
    void pressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, const QPoint& at);
    // The left button went down and up again on the text.
    void clicked();

protected:
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int frameHeight() const;
    // The height of the fewest lines the box shows.
    int minimumHeight() const;

    // Forgets the measured heights after a change of text or font.
    void updateMeasure();
    // Copies the box's text, font and text options into the measuring document, once per change.
    void copyIntoMeasure() const;

    int m_minimumLines;
    QPointer<QAbstractButton> m_button;
    // The text laid out apart from the box, at widths other than the box's own.
    mutable QTextDocument m_measure;
    mutable bool m_measureCopied = false;
    // The widths last asked about and their heights, newest first: a column that scrolls asks
    // about its width with and without the scroll bar in turn.
    mutable std::array<std::pair<int, int>, 2> m_measured{{{-1, 0}, {-1, 0}}};
};
