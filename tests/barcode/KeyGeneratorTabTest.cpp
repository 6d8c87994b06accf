// The key generator tab: labels from interface texts, and each button's computation.
#include "app/KeyGeneratorTab.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tessaly::app {
namespace {

QString uiText(int n)
{
    switch (n) {
    case 187: return QStringLiteral("Valeur");
    case 188: return QStringLiteral("Résultat");
    case 189: return QStringLiteral("Chiffres");
    default: return QStringLiteral("?");
    }
}

class KeyGenerator : public ::testing::Test {
protected:
    KeyGeneratorTab tab{uiText};

    template <typename T> T* child(const char* name)
    {
        T* w = tab.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }

    QString press(const char* key, const QString& typed, const char* result = nullptr)
    {
        const QByteArray k(key);
        child<QLineEdit>(("eval" + k).constData())->setText(typed);
        child<QPushButton>(("bcalcul" + k).constData())->click();
        return child<QLineEdit>(result ? result : ("eres" + k).constData())->text();
    }
};

TEST_F(KeyGenerator, LabelsAreBuiltFromInterfaceTexts)
{
    EXPECT_EQ(child<QLabel>("labvalean13")->text(), QStringLiteral("Valeur (12Chiffres)"));
    EXPECT_EQ(child<QLabel>("labresan13")->text(), QStringLiteral("Résultat (13Chiffres)"));
    EXPECT_EQ(child<QLabel>("labvalean8")->text(), QStringLiteral("Valeur (7Chiffres)"));
    EXPECT_EQ(child<QLabel>("labressscc")->text(), QStringLiteral("Résultat (18Chiffres)"));
    EXPECT_EQ(child<QLabel>("labvalisbn")->text(), QStringLiteral("Valeur (9 Chiffres)"));
    EXPECT_EQ(child<QLabel>("labresisbn")->text(), QStringLiteral("ISBN Résultat (10Chiffres)"));
    EXPECT_EQ(child<QLabel>("labreseanisbn")->text(), QStringLiteral("EAN Résultat (13Chiffres)"));
    EXPECT_EQ(child<QLineEdit>("evalsscc")->maxLength(), 17);
    EXPECT_TRUE(child<QLineEdit>("eresean14")->isReadOnly());
}

TEST_F(KeyGenerator, ButtonsComputeTheKeys)
{
    EXPECT_EQ(press("ean13", "590123412345"), QStringLiteral("5901234123457"));
    EXPECT_EQ(press("ean13", "59012341234A"), QStringLiteral("59012341234A2"));
    EXPECT_EQ(press("ean8", "9638507"), QStringLiteral("96385074"));
    EXPECT_EQ(press("upca", "03600029145"), QStringLiteral("036000291452"));
    EXPECT_EQ(press("ean14", "1001234567890"), QStringLiteral("10012345678902"));
    EXPECT_EQ(press("sscc", "00614141123456789"), QStringLiteral("006141411234567890"));
}

TEST_F(KeyGenerator, WrongLengthEmptiesTheResult)
{
    press("ean13", "590123412345");
    EXPECT_EQ(press("ean13", "59012341234"), QString());
}

TEST_F(KeyGenerator, IsbnFillsBothResults)
{
    EXPECT_EQ(press("isbn", "030640615"), QStringLiteral("0306406152"));
    EXPECT_EQ(child<QLineEdit>("ereseanisbn")->text(), QStringLiteral("9780306406157"));
    EXPECT_EQ(press("isbn", "080442957"), QStringLiteral("080442957X"));
    // The EAN result takes any length.
    EXPECT_EQ(press("isbn", "12", "ereseanisbn"), QStringLiteral("978125"));
    EXPECT_EQ(child<QLineEdit>("eresisbn")->text(), QString());
}

} // namespace
} // namespace tessaly::app
