#pragma once

#include <QString>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The text files of the sky's data (the star catalogue, the constellations'
// figures): how one is read whole within a bound, and the strict reading of
// its lines. Nothing here is a word a user reads: a refusal is a kind and a
// line number.

enum class SkyDataFault : std::uint8_t {
    Missing,      // no such file
    Unreadable,   // not a regular file, or reading failed
    TooLarge,     // more bytes than the bound
    TooManyLines, // more data lines than the bound
    BadLine,      // a line that is not what the format says
    Empty,        // no data at all
};

struct SkyDataRefusal {
    SkyDataFault fault = SkyDataFault::Unreadable;
    int line = 0; // the line of a BadLine or TooManyLines, from 1
};

// The whole file at `path` if it is a regular file of at most `maxBytes`.
struct SkyDataText {
    std::string bytes;
    std::optional<SkyDataRefusal> refusal;
};
SkyDataText ReadSkyDataFile(const QString& path, std::int64_t maxBytes);

// The lines of a text one by one, without their line ends; a line holds at
// most kMaxLineBytes.
class SkyDataLines {
public:
    static constexpr std::size_t kMaxLineBytes = 256;

    explicit SkyDataLines(std::string_view text) : Rest(text) {}

    // The next line that is neither blank nor a comment (first non-blank
    // byte '#'); false at the end. A line too long is handed out as it is,
    // for its reader to refuse.
    bool Next(std::string_view& line);
    int Number() const { return LineNumber; }

private:
    std::string_view Rest;
    int LineNumber = 0;
};

// Takes one number, after blanks, from the front of `rest`: a decimal
// without exponent ("-16.7161", "9"), finite. False when there is none.
bool TakeNumber(std::string_view& rest, double& value);

// Takes one whole number from 0 to 999999999, after blanks.
bool TakeCount(std::string_view& rest, int& value);

// Whether `rest` holds only blanks (spaces, tabs, a carriage return).
bool OnlyBlanks(std::string_view rest);
