#include "milky_way_map.h"

#include <algorithm>
#include <bit>
#include <vector>

namespace {

constexpr int kMaxWidth = 2048;

// Each column's brightness, summed over `rows`.
std::vector<double> ColumnSums(const QImage& grey, int firstRow, int lastRow)
{
    std::vector<double> sums(static_cast<std::size_t>(grey.width()), 0.0);
    for (int y = firstRow; y < lastRow; ++y) {
        const uchar* row = grey.constScanLine(y);
        for (int x = 0; x < grey.width(); ++x) {
            sums[static_cast<std::size_t>(x)] += row[x];
        }
    }
    return sums;
}

// The brightness of the bulge's columns above and below the middle row.
double HalfBrightness(const QImage& grey, int column, bool upper)
{
    const int half = grey.height() / 2;
    const std::vector<double> sums = upper ? ColumnSums(grey, 0, half) : ColumnSums(grey, grey.height() - half, grey.height());
    const int reach = grey.width() / 32;
    double total = 0;
    for (int dx = -reach; dx <= reach; ++dx) {
        total += sums[static_cast<std::size_t>((column + dx + grey.width()) % grey.width())];
    }
    return total;
}

} // namespace

int BulgeColumn(const QImage& grey)
{
    const std::vector<double> sums = ColumnSums(grey, 0, grey.height());
    const int width = grey.width();
    const int reach = width / 32;
    // A running sum over the window, round the wrap of the panorama.
    double window = 0;
    for (int dx = -reach; dx <= reach; ++dx) {
        window += sums[static_cast<std::size_t>((dx + width) % width)];
    }
    double best = window;
    int bestColumn = 0;
    for (int x = 1; x < width; ++x) {
        window += sums[static_cast<std::size_t>((x + reach) % width)] -
                  sums[static_cast<std::size_t>((x - reach - 1 + width) % width)];
        if (window > best) {
            best = window;
            bestColumn = x;
        }
    }
    return bestColumn;
}

bool IsMilkyWayBand(QSize size)
{
    return size.height() >= 8 && size.width() >= 4 * size.height();
}

QSize MilkyWayMapSize(QSize size)
{
    const int width = std::min(kMaxWidth, static_cast<int>(std::bit_floor(static_cast<unsigned>(size.width()))));
    return {width, static_cast<int>(std::bit_floor(static_cast<unsigned>(size.height() * width / size.width())))};
}

QImage MilkyWayMap(const QImage& panorama)
{
    if (panorama.isNull() || !IsMilkyWayBand(panorama.size())) {
        return {};
    }
    QImage grey = panorama.convertToFormat(QImage::Format_Grayscale8)
                      .scaled(MilkyWayMapSize(panorama.size()), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    int centre = BulgeColumn(grey);
    if (HalfBrightness(grey, centre, true) > HalfBrightness(grey, centre, false)) {
        // South is up: half a turn brings north up and keeps the sky's handedness.
        grey = grey.mirrored(true, true);
        centre = grey.width() - 1 - centre;
    }
    QImage rolled(grey.size(), QImage::Format_Grayscale8);
    const int shift = grey.width() / 2 - centre;
    for (int y = 0; y < grey.height(); ++y) {
        const uchar* from = grey.constScanLine(y);
        uchar* to = rolled.scanLine(y);
        for (int x = 0; x < grey.width(); ++x) {
            to[(x + shift + grey.width()) % grey.width()] = from[x];
        }
    }
    return rolled;
}
