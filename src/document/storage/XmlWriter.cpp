// Our own XML printer: the exact readable and compact forms of the storage format.
#include "document/storage/XmlWriter.h"

#include <cstring>
#include <string>
#include <string_view>

namespace tessaly::document {

namespace {

constexpr std::string_view kDeclaration = R"(<?xml version="1.0" encoding="UTF-8"?>)";
constexpr size_t kBinaryLineLength = 76;

class Printer {
public:
    Printer(XmlForm form, std::string& out) : readable_(form == XmlForm::Readable), out_(out)
    {
        out_.clear();
    }

    void Print(const pugi::xml_node& root)
    {
        out_ += kDeclaration;
        LineEnd();
        pugi::xml_node element = root;
        if (root.type() == pugi::node_document)
            element = root.find_child([](const pugi::xml_node& n) { return n.type() == pugi::node_element; });
        if (element) {
            Element(element, 0);
            LineEnd();
        }
    }

private:
    void LineEnd() { out_ += readable_ ? "\r\n" : "\n"; }

    void NewLine(int depth)
    {
        if (!readable_)
            return;
        out_ += "\r\n";
        out_.append(static_cast<size_t>(depth) * 2, ' ');
    }

    void CharacterReference(unsigned char c)
    {
        out_ += "&#";
        out_ += std::to_string(c);
        out_ += ';';
    }

    // & < > become entities, control characters (CR above all) character references.
    void Text(std::string_view text)
    {
        size_t plain = 0;
        for (size_t i = 0; i < text.size(); ++i) {
            const auto c = static_cast<unsigned char>(text[i]);
            if (c != '&' && c != '<' && c != '>' && (c >= 0x20 || c == '\t' || c == '\n'))
                continue;
            out_.append(text.data() + plain, i - plain);
            plain = i + 1;
            if (c == '&') out_ += "&amp;";
            else if (c == '<') out_ += "&lt;";
            else if (c == '>') out_ += "&gt;";
            else CharacterReference(c);
        }
        out_.append(text.data() + plain, text.size() - plain);
    }

    void AttributeValue(std::string_view value)
    {
        const char quote = value.find('"') == std::string_view::npos ? '"' : '\'';
        out_ += quote;
        for (char ch : value) {
            const auto c = static_cast<unsigned char>(ch);
            if (c == '&') out_ += "&amp;";
            else if (c == '<') out_ += "&lt;";
            else if (c == '>') out_ += "&gt;";
            else if (c == '\'' && quote == '\'') out_ += "&apos;";
            else if (c < 0x20) CharacterReference(c);
            else out_ += ch;
        }
        out_ += quote;
    }

    void Binary(std::string_view text, int depth)
    {
        if (!readable_) {
            Text(text);
            return;
        }
        for (size_t at = 0; at < text.size(); at += kBinaryLineLength) {
            NewLine(depth);
            Text(text.substr(at, kBinaryLineLength));
        }
    }

    static bool OnlyText(const pugi::xml_node& node)
    {
        for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling())
            if (child.type() != pugi::node_pcdata)
                return false;
        return true;
    }

    void Element(const pugi::xml_node& node, int depth)
    {
        const std::string_view name = node.name();
        out_ += '<';
        out_ += name;
        for (pugi::xml_attribute attribute : node.attributes()) {
            out_ += ' ';
            out_ += attribute.name();
            out_ += '=';
            AttributeValue(attribute.value());
        }
        if (!node.first_child()) {
            out_ += "/>";
            return;
        }
        out_ += '>';
        if (OnlyText(node)) {
            for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling())
                Text(child.value());
        } else {
            Children(node, depth + 1);
            NewLine(depth);
        }
        out_ += "</";
        out_ += name;
        out_ += '>';
    }

    void Children(const pugi::xml_node& node, int depth)
    {
        for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling()) {
            switch (child.type()) {
            case pugi::node_element:
                NewLine(depth);
                Element(child, depth);
                break;
            case pugi::node_cdata:
                Binary(child.value(), depth);
                break;
            case pugi::node_pcdata:
                NewLine(depth);
                Text(child.value());
                break;
            default:   // comments, processing instructions: not part of the format
                break;
            }
        }
    }

    bool readable_;
    std::string& out_;
};

} // namespace

QByteArray WriteXml(const pugi::xml_node& root, XmlForm form)
{
    // The text is built in a buffer kept per thread, so a large page does not regrow (and
    // page-fault) a fresh string on every save; the result is one exact-size copy.
    thread_local std::string buffer;
    Printer(form, buffer).Print(root);
    QByteArray bytes(buffer.data(), static_cast<qsizetype>(buffer.size()));
    if (buffer.capacity() > 16 * 1024 * 1024)
        std::string().swap(buffer);   // do not keep a huge buffer alive
    return bytes;
}

pugi::xml_parse_result ParseXml(pugi::xml_document& document, QByteArrayView bytes)
{
    return document.load_buffer(bytes.data(), static_cast<size_t>(bytes.size()),
                                pugi::parse_default | pugi::parse_ws_pcdata_single,
                                pugi::encoding_utf8);
}

} // namespace tessaly::document
