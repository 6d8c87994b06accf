// The standard's placement walk (nominal eight-module shape, four corner shapes), computed
// once per size into a table of module positions per codeword bit.
#include "datamatrix/Placement.h"

#include <array>

namespace tessaly::datamatrix {

namespace {

class MappingWalk {
public:
    MappingWalk(int rows, int columns) : rows_(rows), columns_(columns), cells_(std::size_t(rows * columns), 0) {}

    std::vector<int> run() {
        int chr = 1, row = 4, col = 0;
        do {
            if (row == rows_ && col == 0) corner1(chr++);
            if (row == rows_ - 2 && col == 0 && columns_ % 4) corner2(chr++);
            if (row == rows_ - 2 && col == 0 && columns_ % 8 == 4) corner3(chr++);
            if (row == rows_ + 4 && col == 2 && !(columns_ % 8)) corner4(chr++);
            do {  // up and to the right
                if (row < rows_ && col >= 0 && !at(row, col)) utah(row, col, chr++);
                row -= 2;
                col += 2;
            } while (row >= 0 && col < columns_);
            row += 1;
            col += 3;
            do {  // down and to the left
                if (row >= 0 && col < columns_ && !at(row, col)) utah(row, col, chr++);
                row += 2;
                col -= 2;
            } while (row < rows_ && col >= 0);
            row += 3;
            col += 1;
        } while (row < rows_ || col < columns_);
        // The fixed pattern fills the bottom-right corner the walk leaves unused.
        if (!at(rows_ - 1, columns_ - 1)) at(rows_ - 1, columns_ - 1) = at(rows_ - 2, columns_ - 2) = 1;
        return std::move(cells_);
    }

private:
    int& at(int row, int col) { return cells_[std::size_t(row * columns_ + col)]; }

    void module(int row, int col, int chr, int bit) {
        if (row < 0) {
            row += rows_;
            col += 4 - ((rows_ + 4) % 8);
        }
        if (col < 0) {
            col += columns_;
            row += 4 - ((columns_ + 4) % 8);
        }
        at(row, col) = 10 * chr + bit;
    }

    void utah(int row, int col, int chr) {
        module(row - 2, col - 2, chr, 1);
        module(row - 2, col - 1, chr, 2);
        module(row - 1, col - 2, chr, 3);
        module(row - 1, col - 1, chr, 4);
        module(row - 1, col, chr, 5);
        module(row, col - 2, chr, 6);
        module(row, col - 1, chr, 7);
        module(row, col, chr, 8);
    }

    void corner1(int chr) {
        module(rows_ - 1, 0, chr, 1);
        module(rows_ - 1, 1, chr, 2);
        module(rows_ - 1, 2, chr, 3);
        module(0, columns_ - 2, chr, 4);
        module(0, columns_ - 1, chr, 5);
        module(1, columns_ - 1, chr, 6);
        module(2, columns_ - 1, chr, 7);
        module(3, columns_ - 1, chr, 8);
    }

    void corner2(int chr) {
        module(rows_ - 3, 0, chr, 1);
        module(rows_ - 2, 0, chr, 2);
        module(rows_ - 1, 0, chr, 3);
        module(0, columns_ - 4, chr, 4);
        module(0, columns_ - 3, chr, 5);
        module(0, columns_ - 2, chr, 6);
        module(0, columns_ - 1, chr, 7);
        module(1, columns_ - 1, chr, 8);
    }

    void corner3(int chr) {
        module(rows_ - 3, 0, chr, 1);
        module(rows_ - 2, 0, chr, 2);
        module(rows_ - 1, 0, chr, 3);
        module(0, columns_ - 2, chr, 4);
        module(0, columns_ - 1, chr, 5);
        module(1, columns_ - 1, chr, 6);
        module(2, columns_ - 1, chr, 7);
        module(3, columns_ - 1, chr, 8);
    }

    void corner4(int chr) {
        module(rows_ - 1, 0, chr, 1);
        module(rows_ - 1, columns_ - 1, chr, 2);
        module(0, columns_ - 3, chr, 3);
        module(0, columns_ - 2, chr, 4);
        module(0, columns_ - 1, chr, 5);
        module(1, columns_ - 3, chr, 6);
        module(1, columns_ - 2, chr, 7);
        module(1, columns_ - 1, chr, 8);
    }

    int rows_, columns_;
    std::vector<int> cells_;
};

// A size's fixed modules (finder and clock lines, fixed corner) and, for every codeword bit,
// the index of its module in the symbol.
struct Layout {
    ModuleMatrix fixed;
    std::vector<std::uint16_t> bitModules;  // codeword i, bit b (0 most significant) at i * 8 + b
};

// Region frames: left column and bottom row dark, top row dark on even columns, right column
// dark on odd rows.
void DrawFrames(const SymbolAttributes& s, ModuleMatrix& m) {
    const int height = s.regionRows + 2, width = s.regionColumns + 2;
    for (int top = 0; top < s.rows; top += height) {
        for (int left = 0; left < s.columns; left += width) {
            for (int x = 0; x < width; ++x) {
                m.cells[std::size_t((top + height - 1) * m.columns + left + x)] = 1;
                m.cells[std::size_t(top * m.columns + left + x)] = x % 2 == 0;
            }
            for (int y = 0; y < height; ++y) {
                m.cells[std::size_t((top + y) * m.columns + left)] = 1;
                m.cells[std::size_t((top + y) * m.columns + left + width - 1)] = y % 2 == 1;
            }
        }
    }
}

Layout MakeLayout(TFormat format) {
    const SymbolAttributes& s = Attributes(format);
    Layout layout;
    layout.fixed = {s.columns, s.rows, std::vector<std::uint8_t>(std::size_t(s.columns * s.rows), 0)};
    DrawFrames(s, layout.fixed);
    layout.bitModules.resize(std::size_t(s.totalCodewords() * 8));
    const std::vector<int> mapping = MappingMatrix(s.mappingRows, s.mappingColumns);
    for (int r = 0; r < s.mappingRows; ++r) {
        for (int c = 0; c < s.mappingColumns; ++c) {
            // Mapping row r lies in region row r / regionRows, one line below its top frame.
            const int y = r / s.regionRows * (s.regionRows + 2) + 1 + r % s.regionRows;
            const int x = c / s.regionColumns * (s.regionColumns + 2) + 1 + c % s.regionColumns;
            const int index = y * s.columns + x;
            const int value = mapping[std::size_t(r * s.mappingColumns + c)];
            if (value < 10)
                layout.fixed.cells[std::size_t(index)] = static_cast<std::uint8_t>(value);
            else
                layout.bitModules[std::size_t((value / 10 - 1) * 8 + value % 10 - 1)] = static_cast<std::uint16_t>(index);
        }
    }
    return layout;
}

const Layout& LayoutOf(TFormat format) {
    static const std::array<Layout, kFormatCount> layouts = [] {
        std::array<Layout, kFormatCount> all;
        for (int i = 0; i < kFormatCount; ++i) all[std::size_t(i)] = MakeLayout(FormatAt(i));
        return all;
    }();
    return layouts[std::size_t(TableIndex(format))];
}

}  // namespace

std::vector<int> MappingMatrix(int rows, int columns) { return MappingWalk(rows, columns).run(); }

void PlaceCodewords(std::span<const std::uint8_t> codewords, TFormat format, ModuleMatrix& out) {
    const Layout& layout = LayoutOf(format);
    out.columns = layout.fixed.columns;
    out.rows = layout.fixed.rows;
    out.cells.assign(layout.fixed.cells.begin(), layout.fixed.cells.end());
    const std::uint16_t* bit = layout.bitModules.data();
    if (codewords.size() * 8 > layout.bitModules.size()) codewords = codewords.first(layout.bitModules.size() / 8);
    for (const std::uint8_t value : codewords) {
        for (int b = 0; b < 8; ++b, ++bit)
            if (value & (0x80 >> b)) out.cells[*bit] = 1;
    }
}

}  // namespace tessaly::datamatrix
