// libFuzzer target: the readers of stored values. The first byte picks the BMP thumbnail reader
// or the XML path: parse, read every child as each value type, and print compact twice, which
// must give the same bytes.
#include "document/storage/BmpThumbnail.h"
#include "document/storage/XmlValues.h"
#include "document/storage/XmlWriter.h"

#include <cstdlib>

using namespace tessaly::document;

namespace {

void ReadEveryValue(const pugi::xml_node& node)
{
    for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling()) {
        const std::string_view key = child.name();
        ReadBool(node, key, false);
        ReadInteger(node, key, 0);
        ReadFloat(node, key, 0);
        ReadString(node, key);
        ReadPoint(child);
        BinaryText(child, BinaryEncoding::BinHex);
        try {
            ReadBinaryData(node, key);
        } catch (const StorageError&) {
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const QByteArrayView input(reinterpret_cast<const char*>(data) + 1,
                               static_cast<qsizetype>(size - 1));
    if (data[0] & 1) {
        BmpToThumbnail(input);
        return 0;
    }
    pugi::xml_document document;
    if (!ParseXml(document, input))
        return 0;
    ReadEveryValue(document.document_element());
    const QByteArray once = WriteXml(document, XmlForm::Compact);
    pugi::xml_document again;
    if (!ParseXml(again, once))
        std::abort();
    if (WriteXml(again, XmlForm::Compact) != once)
        std::abort();
    WriteXml(again, XmlForm::Readable);
    return 0;
}
