// Reading XML streams with pugixml and writing them with our own printer, which produces the
// exact bytes of the storage format in its readable or compact form.
#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <pugixml.hpp>

namespace tessaly::document {

// Readable: one element per line, two spaces per level, CR LF ("Index.xml", clipboard text).
// Compact: no whitespace between elements, LF after the declaration and after the root (pages,
// packed shapes).
enum class XmlForm { Readable, Compact };

// Writes `<?xml version="1.0" encoding="UTF-8"?>` and the element `root` (for a document node its
// first element). Texts and attributes escape & < > (and the quote in use); CR and other control
// characters become character references so they survive a load. Attributes are double-quoted,
// single-quoted when the value contains a double quote. A CDATA child marks binary text (see
// XmlValues.h): it is printed as plain text, in readable form broken before every 76 characters.
QByteArray WriteXml(const pugi::xml_node& root, XmlForm form);

// Parses UTF-8 XML as stored: whitespace-only texts are kept when they are an element's only
// content, character references (CR included) are decoded. Returns pugixml's result.
pugi::xml_parse_result ParseXml(pugi::xml_document& document, QByteArrayView bytes);

} // namespace tessaly::document
