// Fonts shipped in the program folder: which files are registered, and damaged ones skipped.
#include "document/shapes/TextFonts.h"

#include <QDir>
#include <QFontDatabase>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tessaly::document {
namespace {

const QString kInstalledFont = QStringLiteral("/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf");

TEST(FolderFonts, FontFilesOfTheFolderAndItsFontsSubfolderAreRegistered)
{
    if (!QFile::exists(kInstalledFont))
        GTEST_SKIP() << "no Liberation font installed";
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("fonts")));
    ASSERT_TRUE(QFile::copy(kInstalledFont, folder.filePath(QStringLiteral("Label.TTF"))));
    ASSERT_TRUE(QFile::copy(kInstalledFont, folder.filePath(QStringLiteral("fonts/second.otf"))));
    ASSERT_TRUE(QFile::copy(kInstalledFont, folder.filePath(QStringLiteral("notes.txt"))));   // not a font name
    QFile broken(folder.filePath(QStringLiteral("fonts/broken.ttf")));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a font at all");
    broken.close();

    const std::vector<int> fonts = RegisterFolderFonts(folder.path());
    EXPECT_EQ(fonts.size(), 2u);
    EXPECT_TRUE(RegisterFolderFonts(folder.filePath(QStringLiteral("missing"))).empty());
    for (const int font : fonts)   // the other tests measure text with the installed fonts alone
        QFontDatabase::removeApplicationFont(font);
}

}  // namespace
}  // namespace tessaly::document
