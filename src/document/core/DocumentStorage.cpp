// Reading and writing the document archive: "Index.xml", one XML stream per page, thumbnails,
// lazy page loading, renumbering after a page deletion, the clipboard text.
#include "document/core/Document.h"

#include "document/core/ShapeRegistry.h"
#include "document/core/XmlKeys.h"
#include "document/storage/BmpThumbnail.h"
#include "document/storage/TdtpStorage.h"
#include "document/storage/XmlWriter.h"

#include <QFileInfo>

#include <utility>

namespace tessaly::document {
namespace {

QString PageStreamName(int number) { return QStringLiteral("Page%1.xml").arg(number, 4, 10, QLatin1Char('0')); }
QString ThumbStreamName(int number) { return QStringLiteral("Thumb%1.bmp").arg(number, 4, 10, QLatin1Char('0')); }

// Highest N over the stream names "PageN...": characters 5 to 8 read as a decimal number.
int CountPages(const QStringList& names)
{
    int count = 0;
    for (const QString& name : names) {
        if (!name.startsWith(QLatin1String("Page"), Qt::CaseSensitive))
            continue;
        bool ok = false;
        const int number = name.mid(4, 4).toInt(&ok);
        if (ok && number > count)
            count = number;
    }
    return count;
}

}  // namespace

// Raises the busy counter for the duration of a load, save or print.
class BusyScope {
public:
    explicit BusyScope(TdtpDocument& document) : FDocument(document) { ++FDocument.FBusyCount; }
    ~BusyScope() { --FDocument.FBusyCount; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    TdtpDocument& FDocument;
};

namespace {

// Keeps IsLoading true while a document or page is read, restoring the old state afterwards.
class LoadingScope {
public:
    explicit LoadingScope(bool& flag) : FFlag(flag), FOld(std::exchange(flag, true)) {}
    ~LoadingScope() { FFlag = FOld; }
    LoadingScope(const LoadingScope&) = delete;
    LoadingScope& operator=(const LoadingScope&) = delete;

private:
    bool& FFlag;
    bool FOld;
};

}  // namespace

// ---- document settings ("Index.xml") ----

void TdtpDocument::SaveSettingsToXml(pugi::xml_node& node) const
{
    WriteHex(node, "HandleColor", FHandleColor, 8, 0u);
    WriteHex(node, "HandleEdgeColor", FHandleEdgeColor, 8, 0u);
    WriteInteger(node, "HotzoneScrolling", int(FHotzoneScrolling), 0);
    WriteInteger(node, "StretchFilter", int(FQuality), 0);
    WriteBool(node, "ReadOnly", FReadOnly, false);
    WriteFloat(node, "RenderDpm", FRenderDpm, 0.0);
    WriteFloat(node, "ScreenDpm", FScreenDpm, 0.0);
    WriteBool(node, "StoreThumbnails", FStoreThumbnails, true);
    WriteBool(node, "ShowMargins", FShowMargins, false);
    WriteBool(node, "SnapToGrid", FSnapToGrid, false);
    WriteFloat(node, "StepAngle", FStepAngle, 0.0);
    WriteInteger(node, "ViewStyle", int(FViewStyle), 0);
    WriteFloat(node, "DefaultPageWidth", FDefaultPageWidth, 0.0);
    WriteFloat(node, "DefaultPageHeight", FDefaultPageHeight, 0.0);
    WriteFloat(node, "DefaultMarginLeft", FDefaultMargins[0], 0.0);
    WriteFloat(node, "DefaultMarginTop", FDefaultMargins[1], 0.0);
    WriteFloat(node, "DefaultMarginRight", FDefaultMargins[2], 0.0);
    WriteFloat(node, "DefaultMarginBottom", FDefaultMargins[3], 0.0);
    WriteFloat(node, "DefaultGridSize", FDefaultGridSize, 0.0);
    WriteColour(node, "DefaultGridColor", FDefaultGridColor, 0u);
    WriteColour(node, "DefaultPageColor", FDefaultPageColor, 0u);
    WriteBool(node, "DefaultBgrTiled", FDefaultBackgroundTiled, false);
    WriteInteger(node, "ThumbnailWidth", FThumbnailWidth, 0);
    WriteInteger(node, "ThumbnailHeight", FThumbnailHeight, 0);
    WriteBool(node, "FontEmbedding", FFontEmbedding, false);
}

void TdtpDocument::LoadSettingsFromXml(const pugi::xml_node& node)
{
    XmlValueReader r(node);
    FHandleColor = r.Hex("HandleColor", 0);
    FHandleEdgeColor = r.Hex("HandleEdgeColor", 0);
    FHotzoneScrolling = r.EnumValue("HotzoneScrolling", TdtpHZScrollingType::hzsNoScroll, 3);
    FQuality = r.EnumValue("StretchFilter", TdtpStretchFilter::sfNearest, kStretchFilterCount);
    FReadOnly = r.Bool("ReadOnly", false);
    FRenderDpm = r.Single("RenderDpm", kDpm150);
    FScreenDpm = r.Single("ScreenDpm", kDpm150);
    FStoreThumbnails = r.Bool("StoreThumbnails", true);
    FShowMargins = r.Bool("ShowMargins", false);
    FSnapToGrid = r.Bool("SnapToGrid", false);
    FStepAngle = r.Single("StepAngle", 0);
    FViewStyle = r.EnumValue("ViewStyle", TdtpViewStyleType::vsPrintLayout, 2);
    FDefaultPageWidth = r.Single("DefaultPageWidth", 210);
    FDefaultPageHeight = r.Single("DefaultPageHeight", 297);
    FDefaultMargins[0] = r.Single("DefaultMarginLeft", 10);
    FDefaultMargins[1] = r.Single("DefaultMarginTop", 10);
    FDefaultMargins[2] = r.Single("DefaultMarginRight", 10);
    FDefaultMargins[3] = r.Single("DefaultMarginBottom", 10);
    FDefaultGridSize = r.Single("DefaultGridSize", 5);
    FDefaultGridColor = r.Hex("DefaultGridColor", 0xFFFFC0u);
    FDefaultPageColor = r.Hex("DefaultPageColor", 0xFFFFFFu);
    FDefaultBackgroundTiled = r.Bool("DefaultBgrTiled", false);
    FThumbnailWidth = r.Int("ThumbnailWidth", 80);
    FThumbnailHeight = r.Int("ThumbnailHeight", 60);
    FFontEmbedding = r.Bool("FontEmbedding", false);
    if (!(FRenderDpm > 0)) FRenderDpm = kDpm150;  // a resolution of 0 or less cannot render
    if (!(FScreenDpm > 0)) FScreenDpm = kDpm150;
}

// ---- reading ----

void TdtpDocument::LoadFromFile(const QString& fileName)
{
    CheckNotBusy();
    if (!QFileInfo::exists(fileName))
        throw DocumentError(QStringLiteral("Cannot find file \"%1\"").arg(fileName).toStdString());
    BusyScope busy(*this);
    ResetDocument();
    if (FArchiveDirect)
        FArchive->OpenLive(fileName);
    else
        FArchive->OpenFile(fileName);
    ReadDocument();
}

void TdtpDocument::LoadFromStream(QIODevice& stream)
{
    CheckNotBusy();
    BusyScope busy(*this);
    ResetDocument();
    FArchive->LoadFromDevice(stream);
    ReadDocument();
}

void TdtpDocument::ReadDocument()
{
    LoadingScope loading(FLoading);
    const QString indexName = QStringLiteral("Index.xml");
    const QByteArray index = FArchive->Contains(indexName) ? FArchive->ReadStream(indexName) : QByteArray();
    if (index.isEmpty())
        throw DocumentError("No index found in archive");
    pugi::xml_document xml;
    const pugi::xml_parse_result parsed = ParseXml(xml, index);
    if (!parsed)
        throw DocumentError(std::string("Index.xml: ") + parsed.description());
    pugi::xml_node root = xml.document_element();
    LoadSettingsFromXml(root);
    if (OnLoadAdditionalInfo)
        OnLoadAdditionalInfo(this, root);

    const int count = CountPages(FArchive->StreamNames());
    for (int i = 1; i <= count; ++i) {
        if (OnProgress)
            OnProgress(this, TdtpProgressType::ptLoad, i, count, float(i - 1) / count);
        auto page = std::make_unique<TdtpPage>();
        page->SetLoaded(false);
        page->StoreGeometryUnrecorded(0, 0, FDefaultPageWidth, FDefaultPageHeight);
        if (FStoreThumbnails && FArchive->Contains(ThumbStreamName(i))) {
            const QByteArray bmp = FArchive->ReadStream(ThumbStreamName(i));
            const QImage thumbnail = bmp.isEmpty() ? QImage() : BmpToThumbnail(bmp);
            if (!thumbnail.isNull())
                page->SetThumbnail(thumbnail);
        }
        AddPage(std::move(page));
    }
    FCurrentPageIndex = count > 0 ? -1 : FCurrentPageIndex;
    SetCurrentPageIndex(0);
    SetModified(false);
    if (OnProgress)
        OnProgress(this, TdtpProgressType::ptLoad, count, count, 1.0f);
}

void TdtpDocument::LoadPage(int index)
{
    TdtpPage* page = Pages(index);
    if (!page)
        return;
    LoadingScope loading(FLoading);
    page->SetLoaded(true);
    const QString name = PageStreamName(index + 1);
    const QByteArray text = FArchive->Contains(name) ? FArchive->ReadStream(name) : QByteArray();
    if (text.isEmpty())
        return;  // a missing page stream leaves an empty page
    pugi::xml_document xml;
    const pugi::xml_parse_result parsed = ParseXml(xml, text);
    try {
        if (!parsed)
            throw DocumentError(std::string(name.toStdString()) + ": " + parsed.description());
        page->LoadFromXml(xml.document_element());
        page->AfterLoad();
    } catch (const std::exception& error) {
        ReportLoadError(page, QString::fromUtf8(error.what()));
    }
    page->Rebuild();
}

// ---- writing ----

void TdtpDocument::SaveToArchive()
{
    {
        pugi::xml_document xml;
        pugi::xml_node root = xml.append_child("Document");
        SaveSettingsToXml(root);
        if (OnSaveAdditionalInfo)
            OnSaveAdditionalInfo(this, root);
        FArchive->WriteStream(QStringLiteral("Index.xml"), WriteXml(root, XmlForm::Readable));
    }
    const int count = PageCount();
    for (int i = 0; i < count; ++i) {
        TdtpPage* page = Pages(i);
        const QString name = PageStreamName(i + 1);
        if (page->Modified() || !FArchive->Contains(name)) {
            page->EnsureLoaded();
            const auto progress = [&](double step) {
                if (OnProgress)
                    OnProgress(this, TdtpProgressType::ptSave, i, count, float((i + step) / count));
            };
            progress(0.2);
            pugi::xml_document xml;
            pugi::xml_node root = xml.append_child("Page");
            SetIndexAttribute(root, i + 1);
            page->SaveToXml(root);
            if (OnShapeSaveAdditionalInfo)
                OnShapeSaveAdditionalInfo(this, page, root);
            progress(0.6);
            FArchive->WriteStream(name, WriteXml(root, XmlForm::Compact));
            progress(0.7);
        }
        if (FStoreThumbnails) {
            if (page->Loaded() && page->ThumbnailStale())
                UpdateThumbnail(i);
            if (page->Thumbnail().isNull())
                FArchive->DeleteStream(ThumbStreamName(i + 1));
            else if (page->Loaded() || !FArchive->Contains(ThumbStreamName(i + 1)))
                FArchive->WriteStream(ThumbStreamName(i + 1), ThumbnailToBmp(page->Thumbnail()));
        }
    }
    if (OnProgress)
        OnProgress(this, TdtpProgressType::ptSave, count, count, 1.0f);
    SetModified(false);
    if (!FUndoPastSave)
        ClearUndo();
}

void TdtpDocument::SaveToFile(const QString& fileName)
{
    CheckNotBusy();
    BusyScope busy(*this);
    SaveToArchive();
    FArchive->SaveToFile(fileName);
}

void TdtpDocument::SaveToStream(QIODevice& stream)
{
    CheckNotBusy();
    BusyScope busy(*this);
    SaveToArchive();
    FArchive->SaveToDevice(stream);
}

void TdtpDocument::RenumberStreamsAfterDelete(int index)
{
    FArchive->DeleteStream(PageStreamName(index + 1));
    FArchive->DeleteStream(ThumbStreamName(index + 1));
    for (int k = index + 1; k < PageCount(); ++k) {
        FArchive->RenameStream(PageStreamName(k + 1), PageStreamName(k));
        FArchive->RenameStream(ThumbStreamName(k + 1), ThumbStreamName(k));
    }
}

// ---- clipboard text ----

QByteArray TdtpDocument::SaveSelectionToString() const
{
    pugi::xml_document xml;
    pugi::xml_node root = xml.append_child("Selection");
    for (int i = 0; i < SelectionCount(); ++i) {
        const TdtpShape* shape = Selection(i);
        pugi::xml_node element = AddElement(root, "shape");
        WriteString(element, "ClassName", shape->ClassName());
        SetBinaryText(element, shape->SaveShapeToString());
    }
    return WriteXml(root, XmlForm::Readable);
}

int TdtpDocument::LoadSelectionFromString(const QByteArray& text)
{
    pugi::xml_document xml;
    if (!ParseXml(xml, text) || std::string_view(xml.document_element().name()) != "Selection" || !CurrentPage())
        return 0;
    BeginUpdate();
    ClearSelection();
    int added = 0;
    ForEachElement(xml.document_element(), "shape", [&](const pugi::xml_node& element) {
        const int index = AddShape(CreateShape(ReadString(element, "ClassName")));
        TdtpShape* shape = Shapes(index);
        try {
            shape->LoadShapeFromString(BinaryText(element));
        } catch (const std::exception& error) {
            ReportLoadError(shape, QString::fromUtf8(error.what()));
            DeleteShape(index);
            return;
        }
        shape->AfterPaste();
        shape->Rebuild();
        shape->SetSelected(true);
        ++added;
    });
    EndUpdate();
    return added;
}

}  // namespace tessaly::document
