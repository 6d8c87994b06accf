// Font helpers of the text shapes.
#include "document/shapes/TextFonts.h"

#include "document/core/Shape.h"

#include <QDir>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QHash>

#include <cmath>

namespace tessaly::document {

QFont StyledFont(const QString& family, unsigned style, bool kerning)
{
    QFont font(family);
    font.setBold(style & fsBold);
    font.setItalic(style & fsItalic);
    font.setUnderline(style & fsUnderline);
    font.setStrikeOut(style & fsStrikeOut);
    font.setKerning(kerning);
    font.setHintingPreference(QFont::PreferNoHinting);  // extents scale with the size, as on paper
    return font;
}

QFont WithEmPixels(QFont font, int pixels)
{
    font.setPixelSize(std::max(1, pixels));
    return font;
}

QFont WithCellPixels(QFont font, int pixels)
{
    // The ratio of em to cell height of a face, taken once at a large size.
    static QHash<QString, double> ratios;
    const QString key = font.family() + QLatin1Char('|') + QString::number(font.weight()) +
                        (font.italic() ? QLatin1String("i") : QLatin1String(""));
    auto it = ratios.find(key);
    if (it == ratios.end()) {
        QFont probe = font;
        probe.setPixelSize(1000);
        const QFontMetricsF metrics(probe);
        const double cell = metrics.ascent() + metrics.descent();
        it = ratios.insert(key, cell > 0 ? 1000.0 / cell : 1.0);
    }
    font.setPixelSize(std::max(1, int(std::lround(pixels * it.value()))));
    return font;
}

QSize PixelExtent(const QFont& font, const QString& text)
{
    const QFontMetrics metrics(font);
    return {metrics.horizontalAdvance(text), metrics.ascent() + metrics.descent()};
}

std::vector<int> RegisterFolderFonts(const QString& folder)
{
    const QStringList patterns{QStringLiteral("*.ttf"), QStringLiteral("*.otf"), QStringLiteral("*.ttc"),
                               QStringLiteral("*.otc")};
    std::vector<int> registered;
    for (const QString& path : {folder, QDir(folder).filePath(QStringLiteral("fonts"))}) {
        const QDir dir(path);
        for (const QFileInfo& file : dir.entryInfoList(patterns, QDir::Files | QDir::Readable, QDir::Name))
            if (const int id = QFontDatabase::addApplicationFont(file.absoluteFilePath()); id >= 0)
                registered.push_back(id);
    }
    return registered;
}

}  // namespace tessaly::document
