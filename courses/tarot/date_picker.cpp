#include "courses/tarot/date_picker.h"

#include <QComboBox>
#include <QLocale>
#include <QSignalBlocker>
#include <algorithm>

#include "courses/tarot/logic/goals_format.h"
#include "platform/clock.h"
#include "platform/twips.h"

namespace {

QComboBox* makeList(QWidget* parent, const char* name)
{
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setFocusPolicy(Qt::StrongFocus);
    return list;
}

} // namespace

UserControl1::UserControl1(QWidget* parent) : QWidget(parent)
{
    cboDate = makeList(this, "cboDate");
    cboMonth = makeList(this, "cboMonth");
    cboYear = makeList(this, "cboYear");
    for (int day = 1; day <= 31; ++day)
        cboDate->addItem(QString::number(day));
    setFocusProxy(cboDate);
    setAccessibleCaption(QStringLiteral("Date"));
    UserControl_Initialize();
    UserControl_Resize();
    connect(cboDate, &QComboBox::currentIndexChanged, this, &UserControl1::cboDate_Click);
    connect(cboMonth, &QComboBox::currentIndexChanged, this, &UserControl1::cboMonth_Click);
    connect(cboYear, &QComboBox::currentIndexChanged, this, &UserControl1::cboYear_Click);
}

void UserControl1::UserControl_Initialize()
{
    const QLocale locale = QLocale::system();
    for (int month = 1; month <= 12; ++month)
        cboMonth->addItem(locale.monthName(month, QLocale::LongFormat));
    for (int year = modGoals::FirstPickerYear; year <= modGoals::LastPickerYear; ++year)
        cboYear->addItem(QString::number(year));
    setValue(platform::Now().date());
}

void UserControl1::UserControl_Resize()
{
    using platform::twipsToPixels;
    // The lists stand 30 twips in and 45 apart. The day and year lists get the width their
    // texts need in the system font and the month list the rest, so no month name is cut.
    // The control keeps its 3200 x 400 twips unless a larger desktop font needs more room.
    const int margin = twipsToPixels(30);
    const int gap = twipsToPixels(45);
    const int dayWidth = cboDate->sizeHint().width();
    const int yearWidth = cboYear->sizeHint().width();
    const int listsWidth = dayWidth + cboMonth->sizeHint().width() + yearWidth;
    setFixedSize(std::max(twipsToPixels(3200), 2 * margin + 2 * gap + listsWidth),
                 std::max(twipsToPixels(400), cboMonth->sizeHint().height() + 2 * margin));
    const int height = std::min(cboMonth->sizeHint().height(), this->height() - 2 * margin);
    const int monthWidth = width() - 2 * margin - 2 * gap - dayWidth - yearWidth;
    cboDate->setGeometry(margin, margin, dayWidth, height);
    cboMonth->setGeometry(cboDate->geometry().right() + 1 + gap, margin, monthWidth, height);
    cboYear->setGeometry(cboMonth->geometry().right() + 1 + gap, margin, yearWidth, height);
}

QColor UserControl1::ForeColor() const { return cboDate->palette().color(QPalette::Text); }

void UserControl1::setForeColor(const QColor& color)
{
    for (QComboBox* list : {cboDate, cboMonth, cboYear}) {
        QPalette p = list->palette();
        p.setColor(QPalette::Text, color);
        p.setColor(QPalette::ButtonText, color);
        list->setPalette(p);
    }
}

void UserControl1::setEnabledValue(bool enabled)
{
    m_enabled = enabled;
    for (QComboBox* list : {cboDate, cboMonth, cboYear})
        list->setEnabled(enabled);
}

QDate UserControl1::value() const
{
    return QDate(modGoals::FirstPickerYear + cboYear->currentIndex(), cboMonth->currentIndex() + 1,
                 cboDate->currentIndex() + 1);
}

void UserControl1::setValue(const QDate& date)
{
    if (!date.isValid())
        return;
    const QDate shown = std::clamp(date, modGoals::firstPickerDate(), modGoals::lastPickerDate());
    const QDate before = value();
    {
        // All three parts first, so no day fit runs against the month or year shown before.
        const QSignalBlocker blockDay(cboDate);
        const QSignalBlocker blockMonth(cboMonth);
        const QSignalBlocker blockYear(cboYear);
        cboYear->setCurrentIndex(shown.year() - modGoals::FirstPickerYear);
        cboMonth->setCurrentIndex(shown.month() - 1);
        cboDate->setCurrentIndex(shown.day() - 1);
    }
    if (value() != before)
        emit DateChanged();
}

void UserControl1::setAccessibleCaption(const QString& caption)
{
    QString name = caption.trimmed();
    if (name.endsWith(QLatin1Char(':')))
        name.chop(1);
    setAccessibleName(name);
    cboDate->setAccessibleName(name + QStringLiteral(", day"));
    cboMonth->setAccessibleName(name + QStringLiteral(", month"));
    cboYear->setAccessibleName(name + QStringLiteral(", year"));
}

void UserControl1::AdjustDays()
{
    if (cboMonth->currentIndex() < 0)
        return;
    const int days = QDate(modGoals::FirstPickerYear + cboYear->currentIndex(), cboMonth->currentIndex() + 1, 1).daysInMonth();
    if (cboDate->currentIndex() + 1 > days) {
        const QSignalBlocker block(cboDate);
        cboDate->setCurrentIndex(days - 1);
    }
}

void UserControl1::cboDate_Click()
{
    AdjustDays();
    emit DateChanged();
}

void UserControl1::cboMonth_Click()
{
    AdjustDays();
    emit DateChanged();
}

void UserControl1::cboYear_Click()
{
    AdjustDays();
    emit DateChanged();
}
