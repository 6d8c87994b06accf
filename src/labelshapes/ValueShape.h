// The mix-ins through which ResolvePage, PageUsesSource and the print run reach the program's
// shapes: a value source resolved per label, and the output mode of barcode-like shapes.
#pragma once

#include "values/PageSources.h"
#include "values/ValueResolution.h"

namespace tessaly::labelshapes {

// A shape whose content comes from a value source (barcode, DataMatrix, and the extended texts
// and pictures). ResolvePage finds it among a page's shapes and decides by its kind whether
// the scope of the call includes it.
class TValueShape {
public:
    virtual ~TValueShape() = default;
    virtual values::ShapeKind ValueShapeKind() const = 0;
    // What the page check reads: value type and the text that may hold placeholders.
    virtual values::ShapeValueInfo ValueInfo() const = 0;
    // Puts the value of the label being resolved into the shape. May throw (a damaged field
    // number); ResolvePage then abandons the rest of the page.
    virtual void ResolveValue(const values::ResolveContext& context) = 0;
};

// Barcode quality of a print run: "Normale" paints through the bitmap cache, "Fin" straight
// onto the output at its own resolution.
enum class TBarcodeQuality { Normale, Fin };

// A shape painted differently while editing and while producing output.
class TOutputModeShape {
public:
    virtual ~TOutputModeShape() = default;
    // The switch the print and preview runs apply before rendering a label page.
    virtual void SetOutputMode(TBarcodeQuality quality) = 0;
    virtual bool OutputMode() const = 0;
};

} // namespace tessaly::labelshapes
