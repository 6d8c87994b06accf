// The key generator tab: one group per key with an entry, a button and a result box.
#include "app/KeyGeneratorTab.h"

#include "barcode/CheckKeys.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tessaly::app {

namespace bc = tessaly::barcode;

namespace {

using KeyFunction = std::function<std::string(std::string_view)>;

struct KeyGroup {
    const char* caption;      // group caption
    const char* suffix;       // object name suffix
    const char* valueLabel;   // object name of the entry's label
    const char* resultLabel;  // object name of the result's label
    int entryLength;          // digits without the key
    const char* valueCount;   // the piece between "(" and the "Chiffres" text
    const char* resultCount;
    KeyFunction key;
};

QLineEdit* addEntry(QGridLayout* grid, int row, QLabel* label, const QString& name, int maxLength,
                    bool readOnly)
{
    auto* edit = new QLineEdit;
    edit->setObjectName(name);
    edit->setMaxLength(maxLength);
    edit->setReadOnly(readOnly);
    label->setBuddy(edit);
    grid->addWidget(label, row, 0);
    grid->addWidget(edit, row, 1);
    return edit;
}

QLabel* namedLabel(const char* name, const QString& caption)
{
    auto* label = new QLabel(caption);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

} // namespace

QString completeTypedKey(const QString& typed, const KeyFunction& key)
{
    // The key functions work on bytes; characters beyond Latin-1 count as non-digits.
    std::string bytes;
    for (QChar c : typed)
        bytes.push_back(c.unicode() < 128 ? static_cast<char>(c.unicode()) : '?');
    const std::string complete = key(bytes);
    if (complete.empty())
        return {};
    return typed + QChar::fromLatin1(complete.back());
}

KeyGeneratorTab::KeyGeneratorTab(std::function<QString(int)> text, QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("KeyGeneratorTab"));
    setWindowTitle(QStringLiteral("Generateur clé"));
    const QString value = text(187), result = text(188), digits = text(189);
    auto caption = [&](const QString& prefix, const QString& word, const char* count) {
        return prefix + word + QStringLiteral(" (") + QString::fromLatin1(count) + digits +
               QStringLiteral(")");
    };

    const KeyGroup groups[] = {
        {"EAN13", "ean13", "labvalean13", "labresan13", 12, "12", "13", bc::Ean13Key},
        {"EAN8", "ean8", "labvalean8", "labresan8", 7, "7", "8", bc::Ean8Key},
        {"UPC-A", "upca", "labvalupca", "labresupca", 11, "11", "12", bc::UpcAKey},
        {"EAN14", "ean14", "labvalean14", "labresan14", 13, "13", "14", bc::Ean14Key},
        {"SSCC", "sscc", "labvalsscc", "labressscc", 17, "17", "18", bc::SsccKey},
        {"ISBN", "isbn", "labvalisbn", "labresisbn", 9, "9 ", "10", bc::IsbnKey},
    };

    auto* layout = new QGridLayout(this);
    int index = 0;
    for (const KeyGroup& g : groups) {
        const QString suffix = QString::fromLatin1(g.suffix);
        const bool isbn = suffix == QLatin1String("isbn");
        auto* box = new QGroupBox(QString::fromLatin1(g.caption));
        box->setObjectName(QStringLiteral("g") + suffix);
        auto* grid = new QGridLayout(box);
        QLineEdit* entry = addEntry(grid, 0, namedLabel(g.valueLabel, caption({}, value, g.valueCount)),
                                    QStringLiteral("eval") + suffix, g.entryLength, false);
        auto* button = new QPushButton(QStringLiteral("="));
        button->setObjectName(QStringLiteral("bcalcul") + suffix);
        grid->addWidget(button, 0, 2);
        QLineEdit* output = addEntry(
            grid, 1, namedLabel(g.resultLabel, caption(isbn ? QStringLiteral("ISBN ") : QString(), result, g.resultCount)),
            QStringLiteral("eres") + suffix, 20, true);
        QLineEdit* eanOutput = nullptr;
        if (isbn)
            eanOutput = addEntry(grid, 2, namedLabel("labreseanisbn", caption(QStringLiteral("EAN "), result, "13")),
                                 QStringLiteral("ereseanisbn"), 20, true);
        const KeyFunction key = g.key;
        connect(button, &QPushButton::clicked, this, [entry, output, eanOutput, key] {
            output->setText(completeTypedKey(entry->text(), key));
            if (eanOutput) // any length: the modulo-10 key of "978" and the digits
                eanOutput->setText(completeTypedKey(QStringLiteral("978") + entry->text(), bc::Modulo10Key));
        });
        layout->addWidget(box, index / 2, index % 2);
        ++index;
    }
    layout->setRowStretch(3, 1);
}

} // namespace tessaly::app
