// TDatamatrix: the ECC 200 DataMatrix encoder with the settings and painting geometry the
// DataMatrix shape stores; drawing itself is done by datamatrix/qt/DatamatrixPainter.h.
#pragma once

#include <cstdint>
#include <string>

#include "datamatrix/Symbol.h"
#include "datamatrix/SymbolTable.h"

namespace tessaly::datamatrix {

// Where the last paint put things, in device units.
struct PaintGeometry {
    int backgroundLeft, backgroundTop, backgroundWidth, backgroundHeight;
    int firstModuleX, firstModuleY;  // top-left of module (0, 0)
    int moduleSize;                  // PixelsDot
};

// A wide value limited to the range of int.
int ClampToInt(long long value);

class TDatamatrix {
public:
    // Data, one byte per character (Latin-1).
    const std::string& Code() const { return code_; }
    void setCode(std::string code) { code_ = std::move(code); }
    TEncoding Encoding() const { return encoding_; }
    void setEncoding(TEncoding encoding) { encoding_ = encoding; }
    TFormat PreferredFormat() const { return preferred_; }
    void setPreferredFormat(TFormat format) { preferred_ = format; }
    TFormat CalculatedFormat() const { return symbol_.format; }
    bool ProcessTilde() const { return processTilde_; }
    void setProcessTilde(bool on) { processTilde_ = on; }

    int PixelsDot() const { return pixelsDot_; }
    void setPixelsDot(int pixels) { pixelsDot_ = pixels; }
    int Margin() const { return margin_; }
    void setMargin(int margin) { margin_ = margin; }
    int offsetX() const { return offsetX_; }
    void setOffsetX(int x) { offsetX_ = x; }
    int offsetY() const { return offsetY_; }
    void setOffsetY(int y) { offsetY_ = y; }
    bool AutoFit() const { return autoFit_; }
    void setAutoFit(bool on) { autoFit_ = on; }
    // Colours as the platform value $00BBGGRR.
    std::uint32_t BarColor() const { return barColor_; }
    void setBarColor(std::uint32_t colour) { barColor_ = colour; }
    std::uint32_t BackColor() const { return backColor_; }
    void setBackColor(std::uint32_t colour) { backColor_ = colour; }
    bool rebuild() const { return rebuild_; }
    void setRebuild(bool on) { rebuild_ = on; }
    int CurrentX() const { return currentX_; }
    int CurrentY() const { return currentY_; }

    // Control geometry; the background rectangle is Width x Height at (offsetX, offsetY).
    int Left() const { return left_; }
    void setLeft(int v) { left_ = v; }
    int Top() const { return top_; }
    void setTop(int v) { top_ = v; }
    int Width() const { return width_; }
    void setWidth(int v) { width_ = v; }
    int Height() const { return height_; }
    void setHeight(int v) { height_ = v; }

    // Encodes `Code` when `rebuild` is set and clears it. Data that is empty after tilde
    // processing or too long for every size keeps the previous symbol; returns whether a new
    // symbol was made.
    bool Rebuild();

    // Rebuilds if needed, records CurrentX and CurrentY for the symbol and returns where to
    // draw. Called by the painter at the start of each paint.
    PaintGeometry BeginPaint();

    // The last symbol (empty modules before the first successful encoding).
    const ModuleMatrix& Matrix() const { return symbol_.matrix; }
    const std::vector<std::uint8_t>& Codewords() const { return symbol_.codewords; }

private:
    std::string code_ = "This is a test of the barcode DataMatrix";
    TEncoding encoding_ = TEncoding::E_ASCII;
    TFormat preferred_ = TFormat::AUTO;
    bool processTilde_ = false;
    int pixelsDot_ = 4;
    int margin_ = 30;
    int offsetX_ = 0, offsetY_ = 0;
    bool autoFit_ = true;
    std::uint32_t barColor_ = 0x000000;
    std::uint32_t backColor_ = 0xFFFFFF;
    bool rebuild_ = true;
    int currentX_ = 0, currentY_ = 0;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;

    SymbolEncoder encoder_;
    EncodedSymbol symbol_;
};

}  // namespace tessaly::datamatrix
