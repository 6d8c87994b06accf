// The key generator ("Generateur clé") of the utilities tab: six groups in which the user types
// a number without its check key and gets the complete number.
#pragma once

#include <QString>
#include <QWidget>

#include <functional>
#include <string>
#include <string_view>

class QLineEdit;

namespace tessaly::app {

class KeyGeneratorTab : public QWidget {
public:
    // `text` returns interface text n (the labels use texts 187 "Valeur", 188 "Résultat" and
    // 189 "Chiffres"). Controls carry the object names the rest of the program looks up:
    // labels labvalean13 ... labreseanisbn; per group g<key>, the entry evalXXX, the button
    // bcalculXXX and the read-only result eresXXX (XXX = ean13, ean8, upca, ean14, sscc, isbn;
    // the ISBN group also has ereseanisbn).
    explicit KeyGeneratorTab(std::function<QString(int)> text, QWidget* parent = nullptr);
};

// The key function applied to the typed text: each character that is not a digit counts as 0
// and is kept as typed; a wrong length gives an empty result.
QString completeTypedKey(const QString& typed, const std::function<std::string(std::string_view)>& key);

} // namespace tessaly::app
