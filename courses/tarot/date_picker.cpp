#include "courses/tarot/date_picker.h"

#include <QComboBox>
#include <QHash>
#include <QLocale>
#include <QSignalBlocker>
#include <QStyle>
#include <algorithm>

#include "courses/tarot/logic/goals_format.h"
#include "platform/clock.h"
#include "platform/twips.h"
#include "shell/course_widgets.h"

namespace {

QComboBox* makeList(QWidget* parent, const char* name)
{
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setFocusPolicy(Qt::StrongFocus);
    return list;
}

// The lists' natural sizes (day, month, year), which depend only on the font, the style and
// the month names. A list measures every item for them, so they are measured once per font
// and locale and shared by every picker.
struct ListSizes {
    QSize day, month, year;
};

const ListSizes& listSizes(const QComboBox* day, const QComboBox* month, const QComboBox* year)
{
    static QHash<QString, ListSizes> known;
    const QString key = day->font().key() + QLatin1Char('|') + QLocale::system().name() + QLatin1Char('|') +
                        day->style()->name();
    auto found = known.constFind(key);
    if (found == known.constEnd())
        found = known.insert(key, {day->sizeHint(), month->sizeHint(), year->sizeHint()});
    return *found;
}

} // namespace

UserControl1::UserControl1(QWidget* parent) : QWidget(parent)
{
    cboDate = makeList(this, "cboDate");
    cboMonth = makeList(this, "cboMonth");
    cboYear = makeList(this, "cboYear");
    cboDate->addItems(course_widgets::numberTexts(1, 31));
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
    QStringList months;
    for (int month = 1; month <= 12; ++month)
        months << locale.monthName(month, QLocale::LongFormat);
    cboMonth->addItems(months);
    cboYear->addItems(course_widgets::numberTexts(modGoals::FirstPickerYear, modGoals::LastPickerYear));
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
    const ListSizes& sizes = listSizes(cboDate, cboMonth, cboYear);
    const int dayWidth = sizes.day.width();
    const int yearWidth = sizes.year.width();
    const int listsWidth = dayWidth + sizes.month.width() + yearWidth;
    setFixedSize(std::max(twipsToPixels(3200), 2 * margin + 2 * gap + listsWidth),
                 std::max(twipsToPixels(400), sizes.month.height() + 2 * margin));
    const int height = std::min(sizes.month.height(), this->height() - 2 * margin);
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
