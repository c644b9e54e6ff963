#pragma once
// A label whose text wraps to the width it is given. Layouts ask a wrapped label for its
// sizes and for its height at a width many times while a window is built and shown; each
// answer lays the whole text out again. The answers are kept, shared by every wrapped label
// of the program: the same text in the same font wraps the same way, so a window that opens
// again, or a text that stands in several labels, is laid out once.
#include <QLabel>
#include <memory>

class WrappedLabel : public QLabel {
    Q_OBJECT
public:
    explicit WrappedLabel(const QString& text = QString(), QWidget* parent = nullptr);

    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // How many measured texts are kept (tests).
    static int keptMeasures();

    // A label's answers: its size hints and its heights at the widths asked about.
    struct Answers;

private:
    // What the answers were measured with.
    struct Measure {
        QString text;
        QFont font;
        QMargins margins;
        int margin = 0;
        int indent = 0;
        bool wordWrap = false;
        Qt::TextFormat format = Qt::AutoText;
        QSizePolicy policy;
        int dpi = 0;
        bool operator==(const Measure&) const = default;
    };

    // Takes up the answers kept for what the label holds now, when that has changed.
    void refresh() const;
    // Gives the label's answers to the shared ones.
    void share() const;

    mutable Measure m_measure;
    mutable QString m_key;
    mutable std::shared_ptr<Answers> m_answers;
};
