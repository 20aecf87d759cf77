#include "sky_data_text.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <charconv>
#include <cmath>

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r';
}

void SkipBlanks(std::string_view& rest)
{
    while (!rest.empty() && IsBlank(rest.front())) {
        rest.remove_prefix(1);
    }
}

// The token up to the next blank.
std::string_view TakeToken(std::string_view& rest)
{
    SkipBlanks(rest);
    std::size_t end = 0;
    while (end < rest.size() && !IsBlank(rest[end])) {
        ++end;
    }
    const std::string_view token = rest.substr(0, end);
    rest.remove_prefix(end);
    return token;
}

} // namespace

SkyDataText ReadSkyDataFile(const QString& path, std::int64_t maxBytes)
{
    const QFileInfo info(path);
    if (!info.exists()) {
        return {{}, SkyDataRefusal{SkyDataFault::Missing}};
    }
    if (!info.isFile()) {
        return {{}, SkyDataRefusal{SkyDataFault::Unreadable}};
    }
    if (info.size() > maxBytes) {
        return {{}, SkyDataRefusal{SkyDataFault::TooLarge}};
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {{}, SkyDataRefusal{SkyDataFault::Unreadable}};
    }
    // The size may change under the reader: one byte more than the bound tells.
    const QByteArray bytes = file.read(maxBytes + 1);
    if (bytes.size() > maxBytes) {
        return {{}, SkyDataRefusal{SkyDataFault::TooLarge}};
    }
    if (file.error() != QFileDevice::NoError) {
        return {{}, SkyDataRefusal{SkyDataFault::Unreadable}};
    }
    return {bytes.toStdString(), std::nullopt};
}

bool SkyDataLines::Next(std::string_view& line)
{
    while (!Rest.empty()) {
        const std::size_t end = std::min(Rest.find('\n'), Rest.size());
        line = Rest.substr(0, end);
        Rest.remove_prefix(std::min(end + 1, Rest.size()));
        ++LineNumber;
        std::string_view content = line;
        SkipBlanks(content);
        if (!content.empty() && content.front() != '#') {
            return true;
        }
    }
    return false;
}

bool TakeNumber(std::string_view& rest, double& value)
{
    const std::string_view token = TakeToken(rest);
    // Digits, at most one point, a sign in front: nothing else.
    const std::size_t start = !token.empty() && (token.front() == '-' || token.front() == '+') ? 1 : 0;
    const std::string_view digits = token.substr(start);
    if (digits.empty() || digits.size() > 16 || std::count(digits.begin(), digits.end(), '.') > 1 ||
        std::count_if(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }) == 0 ||
        !std::all_of(digits.begin(), digits.end(), [](char c) { return (c >= '0' && c <= '9') || c == '.'; })) {
        return false;
    }
    const std::string_view unsigned_ = token.front() == '+' ? digits : token;
    const auto [end, error] =
        std::from_chars(unsigned_.data(), unsigned_.data() + unsigned_.size(), value, std::chars_format::fixed);
    return error == std::errc{} && end == unsigned_.data() + unsigned_.size() && std::isfinite(value);
}

bool TakeCount(std::string_view& rest, int& value)
{
    const std::string_view token = TakeToken(rest);
    if (token.empty() || token.size() > 9 ||
        !std::all_of(token.begin(), token.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return false;
    }
    const auto [end, error] = std::from_chars(token.data(), token.data() + token.size(), value);
    return error == std::errc{} && end == token.data() + token.size();
}

bool OnlyBlanks(std::string_view rest)
{
    return std::all_of(rest.begin(), rest.end(), IsBlank);
}
