#pragma once
// A check box whose caption wraps over several lines, for long answer options. text() is
// the caption exactly as set; the whole box area ticks and unticks it.
#include <QCheckBox>

class QLabel;

class OptionCheckBox : public QCheckBox {
    Q_OBJECT
public:
    explicit OptionCheckBox(QWidget* parent = nullptr);

    void setCaption(const QString& caption);

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool hitButton(const QPoint& pos) const override;

private:
    int textIndent() const;
    int indicatorHeight() const;

    QLabel* m_label;
};
