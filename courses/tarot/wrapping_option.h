#pragma once
// An option button whose caption wraps onto as many lines as it needs, so that a long text is
// read in full: the layout gives it the height its width calls for. The caption is shown as it
// stands (an "&" is no access key) and is also the option's name for screen readers.
#include <QRadioButton>

class WrappingOption : public QRadioButton {
    Q_OBJECT
public:
    explicit WrappingOption(QWidget* parent = nullptr);

    void setCaption(const QString& caption);
    QString caption() const { return m_caption; }

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;

private:
    int indicatorRoom() const;
    QRect captionRect(int width) const;

    QString m_caption;
};
