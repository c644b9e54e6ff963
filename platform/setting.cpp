#include "platform/setting.h"

namespace platform {

Setting<int> WholeNumberSetting(const QString& name, int defaultValue, int lowest, int highest)
{
    return Setting<int>(
        name, QString::number(defaultValue),
        [lowest, highest](const QString& text) -> std::optional<int> {
            bool whole = false;
            const int number = text.toInt(&whole, 10);
            if (!whole || number < lowest || number > highest)
                return std::nullopt;
            return number;
        },
        [](const int& value) { return QString::number(value); });
}

Setting<bool> TrueFalseSetting(const QString& name, bool defaultValue)
{
    auto write = [](const bool& value) { return value ? QStringLiteral("True") : QStringLiteral("False"); };
    return Setting<bool>(
        name, write(defaultValue), [](const QString& text) { return std::optional<bool>(text == QLatin1String("True")); },
        write);
}

Setting<bool> TickSetting(const QString& name, const QString& defaultText)
{
    return Setting<bool>(
        name, defaultText,
        [](const QString& text) {
            bool isNumber = false;
            const double number = text.toDouble(&isNumber);
            return std::optional<bool>(isNumber && number == 1.0);
        },
        [](const bool& ticked) { return ticked ? QStringLiteral("1") : QStringLiteral("0"); });
}

Setting<QString> TextSetting(const QString& name, const QString& defaultText)
{
    return Setting<QString>(
        name, defaultText, [](const QString& text) { return std::optional<QString>(text); },
        [](const QString& value) { return value; });
}

} // namespace platform
