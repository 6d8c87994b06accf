// The box filter of bitmap reduction.
#include "document/raster/BoxReduce.h"

#include <cstdint>

namespace tessaly::document {

std::vector<int> BoxBlocks(int source, int dest)
{
    std::vector<int> blocks;
    if (dest <= 0 || source < dest)
        return blocks;
    blocks.reserve(size_t(dest));
    const int base = source / dest, remainder = source - dest * base;
    int accumulator = 0;
    for (int i = 0; i < dest; ++i) {
        accumulator += remainder;
        int length = base;
        if (accumulator >= dest) {
            ++length;
            accumulator -= dest;
        }
        blocks.push_back(length);
    }
    return blocks;
}

bool BoxReduce(QImage& dest, const QRect& destRect, const QImage& source, const QRect& sourceRect)
{
    if (dest.depth() != 32 || source.depth() != 32)
        return false;
    const QRect to = destRect.intersected(dest.rect());
    const QRect from = sourceRect.intersected(source.rect());
    if (to.isEmpty() || from.isEmpty() || to.width() > from.width() || to.height() > from.height())
        return false;
    const std::vector<int> columns = BoxBlocks(from.width(), to.width());
    const std::vector<int> rows = BoxBlocks(from.height(), to.height());
    std::vector<std::uint64_t> sums(size_t(to.width()) * 4);
    int sy = from.top();
    for (int dy = 0; dy < to.height(); ++dy) {
        std::fill(sums.begin(), sums.end(), 0);
        for (int r = 0; r < rows[size_t(dy)]; ++r, ++sy) {
            const auto* line = reinterpret_cast<const std::uint32_t*>(source.constScanLine(sy)) + from.left();
            int sx = 0;
            for (int dx = 0; dx < to.width(); ++dx) {
                std::uint64_t* sum = &sums[size_t(dx) * 4];
                for (int c = 0; c < columns[size_t(dx)]; ++c, ++sx) {
                    const std::uint32_t p = line[sx];
                    sum[0] += p & 0xFF;
                    sum[1] += (p >> 8) & 0xFF;
                    sum[2] += (p >> 16) & 0xFF;
                    sum[3] += p >> 24;
                }
            }
        }
        auto* out = reinterpret_cast<std::uint32_t*>(dest.scanLine(to.top() + dy)) + to.left();
        for (int dx = 0; dx < to.width(); ++dx) {
            const std::uint64_t count = std::uint64_t(columns[size_t(dx)]) * std::uint64_t(rows[size_t(dy)]);
            const std::uint64_t* sum = &sums[size_t(dx) * 4];
            out[dx] = std::uint32_t(sum[0] / count) | std::uint32_t(sum[1] / count) << 8
                      | std::uint32_t(sum[2] / count) << 16 | std::uint32_t(sum[3] / count) << 24;
        }
    }
    return true;
}

}  // namespace tessaly::document
