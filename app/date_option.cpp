#include "date_option.h"

#include "sky_moment.h"
#include "texts_app.h"

std::variant<QDateTime, QString> ParseDateOption(const QString& value, const QString& option)
{
    auto moment = ReadSkyMoment(value);
    if (const auto* why = std::get_if<MomentRefusal>(&moment)) {
        return CommandLineText::MomentRefused(*why, option, value);
    }
    return std::get<QDateTime>(moment);
}
