// Painting whole pages of a document onto any QPainter (screen bitmap, printer, export image) and
// printing pages onto a QPrinter. No widgets: the view, the print service and the export call these.
#pragma once

#include "document/core/Document.h"

#include <QImage>
#include <QRect>

#include <functional>
#include <vector>

class QPainter;
class QPrinter;

namespace tessaly::document {

// Screen aid drawn on the page under the shapes.
enum class TdtpHelperMethodType { hmNone, hmDots, hmGrid, hmPattern };

// What the screen paint draws on and around the paper (ignored for other devices).
struct TdtpScreenHelpers {
    TdtpHelperMethodType HelperMethod = TdtpHelperMethodType::hmNone;
    bool ShowMargins = false;
    bool FrameAndShadow = false;  // print layout: black frame and a 1 mm shadow right and below
};

// Renders `page` into `bitmap`, which shows `areaMm` in the page's own millimetres: the paper (or
// the pattern), OnPaintBackground, the screen helpers when `helpers` is given and the device is the
// screen, then the shapes and OnPaintForeground. Pixels outside the paper are left as they are.
void RenderPageArea(TdtpPage& page, QImage& bitmap, const QRectF& areaMm, const TDeviceContext& dc,
                    const TdtpScreenHelpers* helpers = nullptr);

struct TdtpPaintOptions {
    bool FlipVertical = false;
    bool FlipHorizontal = false;
    int QuarterTurns = 0;      // 1: a quarter turn counter-clockwise, 2: half turn, 3: clockwise
    float Dpm = 0;             // render resolution; 0 fits the page into the destination
    bool OptimizedPrinting = false;  // tiles holding only the page colour are not transferred
    std::function<void()> OnTile;    // after each tile (print progress)
};

// Largest tile rendered at once, in pixels.
constexpr long long kMaxTilePixels = 1920000;

// The page image of `width` × `height` pixels cut into tiles of at most kMaxTilePixels: a larger
// tile is halved across its longer side, the left or top half first.
std::vector<QRect> PageTiles(int width, int height);

// Where the page lands inside `destRect` (device pixels) for the given options: the page fitted,
// centred, turned. Empty when the page or the rectangle has no area.
QRect PagePlacement(const TdtpPage& page, const QRect& destRect, int quarterTurns);

// Draws the whole page `pageIndex` into `destRect` of `canvas`, fitted and centred (PaintToCanvas).
// The printing counter stays raised meanwhile. Returns false when there is no such page or nothing fits.
bool PaintToCanvas(TdtpDocument& document, int pageIndex, QPainter& canvas, const QRect& destRect,
                   const TdtpPaintOptions& options = {});
// Draws page `pageIndex` at `dpm` device units per millimetre with its top left corner at
// `origin`, every shape that has a vector form as lines, fills and glyphs and the others as images
// of their own (print devices: PDF files and printers get sharp, small output). Returns false,
// drawing nothing, when there is no such page or it has no vector form.
bool PaintPageVector(TdtpDocument& document, int pageIndex, QPainter& canvas, QPointF origin, float dpm);

// The same at 150 DPI (5.905512 pixels per mm) whatever options.Dpm says.
bool PaintToCanvas150(TdtpDocument& document, int pageIndex, QPainter& canvas, const QRect& destRect,
                      TdtpPaintOptions options = {});

// The quarter turn that lets a page of `pageSize` mm fill `target` better (0 or 1).
int AutomaticQuarterTurns(QSizeF pageSize, QSizeF target);

// Prints the listed pages (missing indexes are skipped) as one job, a printer page each, at
// document.PrinterDpm() (0: the printer's own resolution). Throws "Threading error (working already)"
// while the document is busy, and DocumentError when the printer cannot start.
void PrintPages(TdtpDocument& document, QPrinter& printer, const std::vector<int>& indexes,
                bool optimizedPrinting = false);
void PrintAll(TdtpDocument& document, QPrinter& printer, bool optimizedPrinting = false);

}  // namespace tessaly::document
