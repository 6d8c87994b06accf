// libFuzzer target: TdtpDocument::LoadFromStream. Input starting with "STOR" is taken as a whole
// archive; anything else becomes the XML of page 1 next to a minimal "Index.xml", so that the
// shape reader sees arbitrary XML. Every page is read and written again from its shapes, loaded,
// and written once more: both saves must give the same bytes.
#include "document/core/Document.h"
#include "document/storage/TdtpStorage.h"

#include <QBuffer>

#include <cstdlib>
#include <stdexcept>

using namespace tessaly::document;

namespace {

QByteArray Save(TdtpDocument& doc)
{
    doc.SetStoreThumbnails(false);  // rendering is not what this target looks at
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    doc.SaveToStream(buffer);
    return buffer.data();
}

bool Load(TdtpDocument& doc, const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    try {
        doc.LoadFromStream(buffer);
    } catch (const std::runtime_error&) {
        return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    QByteArray archive = input;
    if (!input.startsWith("STOR")) {
        TdtpStorage storage;
        storage.WriteStream("Index.xml", "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Document/>\n");
        storage.WriteStream("Page0001.xml", input);
        archive = storage.SaveToBytes();
    }
    TdtpDocument doc;
    if (!Load(doc, archive))
        return 0;
    if (doc.PageCount() > 30)
        return 0;  // page numbers up to 9999 are valid; reading them all says nothing new
    const auto rewriteAll = [](TdtpDocument& d) {
        for (int i = 0; i < d.PageCount(); ++i) {
            d.Pages(i)->EnsureLoaded();
            d.Pages(i)->SetModified(true);  // written again from the shapes, not copied
        }
    };
    rewriteAll(doc);
    const QByteArray first = Save(doc);
    TdtpDocument copy;
    if (!Load(copy, first))
        std::abort();  // what we wrote must read back
    rewriteAll(copy);
    if (Save(copy) != first)
        std::abort();
    return 0;
}
