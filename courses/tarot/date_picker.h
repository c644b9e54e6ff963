#pragma once
// A date picker of three drop-down lists (day, month, year) for the years 1980 to 2099.
// The picked date is held only as the three list positions. Every change of the picked
// date, by the user or by the program, raises DateChanged.
#include <QColor>
#include <QDate>
#include <QWidget>

class QComboBox;

class UserControl1 : public QWidget {
    Q_OBJECT
public:
    explicit UserControl1(QWidget* parent = nullptr);

    QColor ForeColor() const;
    void setForeColor(const QColor& color);

    // The value last written with setEnabledValue; false until it is written, whatever
    // state the lists are in.
    bool Enabled() const { return m_enabled; }
    // Stores the value and enables or disables the three lists.
    void setEnabledValue(bool enabled);

    QDate value() const;
    // Picks the date as given, even when the month or year shown before is shorter. Dates
    // the year list cannot show are moved to 1 January 1980 or 31 December 2099; an invalid
    // date is ignored.
    void setValue(const QDate& date);

    // Names the three lists for screen readers after the picker's caption.
    void setAccessibleCaption(const QString& caption);

signals:
    void DateChanged();

private slots:
    void cboDate_Click();
    void cboMonth_Click();
    void cboYear_Click();

private:
    void UserControl_Initialize();
    void UserControl_Resize();
    // Moves the day back to the month's last day when the picked month is shorter.
    void AdjustDays();

    QComboBox* cboDate = nullptr;
    QComboBox* cboMonth = nullptr;
    QComboBox* cboYear = nullptr;
    bool m_enabled = false;
};
