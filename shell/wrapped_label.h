#pragma once
// A label whose text wraps to the width it is given. Layouts ask a wrapped label for its
// sizes and for its height at a width many times while a window is built and shown; each
// answer lays the whole text out again, so the label keeps its answers until its text, font,
// text format, margins or size policy change.
#include <QHash>
#include <QLabel>
#include <optional>

class WrappedLabel : public QLabel {
    Q_OBJECT
public:
    explicit WrappedLabel(const QString& text = QString(), QWidget* parent = nullptr);

    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

private:
    // What the kept answers were measured with.
    struct Measure {
        QString text;
        QFont font;
        QMargins margins;
        int margin = 0;
        int indent = 0;
        bool wordWrap = false;
        Qt::TextFormat format = Qt::AutoText;
        QSizePolicy policy;
        bool operator==(const Measure&) const = default;
    };
    // Drops the kept answers when what they were measured with has changed.
    void refresh() const;

    mutable Measure m_measure;
    mutable QHash<int, int> m_heights;
    mutable std::optional<QSize> m_sizeHint;
    mutable std::optional<QSize> m_minimumSizeHint;
};
