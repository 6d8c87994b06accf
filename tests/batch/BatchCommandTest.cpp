// tessaly-batch driven as a user would: a program folder and a project made here, the
// executable run on them, its PNG output read back with ZXing-C++ and its exit status checked.
#define ZX_USE_UTF8 1
#include "data/csv/ImportSettings.h"
#include "document/core/Document.h"
#include "document/core/Page.h"
#include "labelshapes/BarcodeShape.h"
#include "labelshapes/LabelShapes.h"
#include "project/ProjectFile.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <ZXing/ReadBarcode.h>
#include <gtest/gtest.h>

namespace tessaly::batch {
namespace {

struct Outcome {
    int status = -1;
    QString out;
    QString errors;
};

std::string Decode(const QImage& image)
{
    const QImage gray = image.convertToFormat(QImage::Format_Grayscale8);
    const ZXing::ImageView view(gray.constBits(), gray.width(), gray.height(), ZXing::ImageFormat::Lum,
                                int(gray.bytesPerLine()));
    ZXing::DecodeHints hints;
    hints.setFormats(ZXing::BarcodeFormat::Code39);
    const ZXing::Result result = ZXing::ReadBarcode(view, hints);
    return result.isValid() ? result.text() : std::string("<not decoded>");
}

// A program folder with a 60 x 60 mm sheet of two 60 x 30 mm labels, one under the other; the
// label holds a Code 39 barcode of article field 1 (or a fixed value).
class BatchCommand : public ::testing::Test {
protected:
    void SetUp() override
    {
        labelshapes::RegisterLabelShapes();
        ASSERT_TRUE(root.isValid());
        ASSERT_TRUE(QDir(root.path()).mkpath("prog"));
        data::ImportSettings settings;   // f1 from column 1, quantity from column 2
        settings.valid = true;
        settings.fieldColumn.fill(data::kNoColumn);
        settings.fieldColumn[0] = 0;
        settings.quantitySource = 1;
        ASSERT_TRUE(data::WriteImportSettings(Prog().toStdString(), settings));
    }

    QString Prog() const { return root.filePath("prog") + "/"; }
    QString Path(const QString& name) const { return root.filePath(name); }

    QString MakeProject(bool fromField, const QString& name = "label.tly")
    {
        document::TdtpDocument label;
        label.SetUndoEnabled(false);
        label.SetPageWidth(60);
        label.SetPageHeight(30);
        auto shape = std::make_unique<labelshapes::TdtpBarCodeShape>();
        shape->SetInsertionDefaults();
        shape->SetText("FIX1");
        shape->SetTextAff("FIX1");
        if (fromField) {
            values::ValueSource source;
            source.valueType = 2;
            source.fieldNumber = 1;
            shape->SetSource(source);
            shape->SetTextAff("[*1*]");   // the designer shows the field's placeholder
        }
        shape->SetBounds(2, 2, 56, 26);
        label.Pages(0)->AddChild(std::move(shape));

        sheet::SheetLayout layout;
        layout.pageWidth = 60;
        layout.pageHeight = 60;
        layout.labelWidth = 60;
        layout.labelHeight = 30;
        project::TBackupFile archive;
        const QString target = Path(name);
        const bool saved = project::SaveProject(
            root.filePath("maker").toStdString(), target.toStdString(),
            [&label](const std::filesystem::path& file) { label.SaveToFile(QString::fromStdString(file.string())); },
            project::MakeLayoutRecord(layout, 0, false), archive);
        EXPECT_TRUE(saved);
        return target;
    }

    void WriteFile(const QString& name, const QByteArray& bytes)
    {
        QFile file(Path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    Outcome Run(QStringList arguments)
    {
        arguments.prepend(Prog());
        arguments.prepend("--folder");
        QProcess process;
        process.start(QStringLiteral(TESSALY_BIN_DIR "/tessaly-batch"), arguments);
        EXPECT_TRUE(process.waitForFinished(120000));
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }

    QTemporaryDir root;
};

TEST_F(BatchCommand, DatabaseRunFromImportedCsvToPng)
{
    const QString project = MakeProject(true);
    WriteFile("articles.csv", "A100,2\nB200,1\n");
    // The window's scratch folder must survive the run.
    ASSERT_TRUE(QDir(Prog()).mkpath("tempsv"));
    WriteFile("prog/tempsv/sv1.tp", "in use");

    const Outcome r = Run({project, "--import", Path("articles.csv"), "--png", Path("png")});
    ASSERT_EQ(r.status, 0) << r.errors.toStdString();

    const QImage first(Path("png/sheet-0001.png"));
    const QImage second(Path("png/sheet-0002.png"));
    ASSERT_FALSE(first.isNull());
    ASSERT_FALSE(second.isNull());
    EXPECT_FALSE(QFile::exists(Path("png/sheet-0003.png")));
    EXPECT_EQ(first.width(), 709);   // 60 mm at 11.811024 pixels per mm
    const int half = first.height() / 2;
    EXPECT_EQ(Decode(first.copy(0, 0, first.width(), half)), "A100");
    EXPECT_EQ(Decode(first.copy(0, half, first.width(), half)), "A100");
    EXPECT_EQ(Decode(second.copy(0, 0, second.width(), half)), "B200");
    EXPECT_EQ(Decode(second.copy(0, half, second.width(), half)), "<not decoded>");

    QFile scratch(Prog() + "tempsv/sv1.tp");
    ASSERT_TRUE(scratch.open(QIODevice::ReadOnly));
    EXPECT_EQ(scratch.readAll(), "in use");
}

TEST_F(BatchCommand, LabelsModeStartsAtTheGivenCell)
{
    const Outcome r = Run({MakeProject(false), "--mode", "labels", "--count", "2", "--start", "2", "--png",
                           Path("png"), "--dpm", "8", "--fine"});
    ASSERT_EQ(r.status, 0) << r.errors.toStdString();
    const QImage first(Path("png/sheet-0001.png"));
    const QImage second(Path("png/sheet-0002.png"));
    ASSERT_FALSE(second.isNull());
    EXPECT_EQ(first.width(), 480);
    const int half = first.height() / 2;
    EXPECT_EQ(Decode(first.copy(0, 0, first.width(), half)), "<not decoded>");
    EXPECT_EQ(Decode(first.copy(0, half, first.width(), half)), "FIX1");
    EXPECT_EQ(Decode(second.copy(0, 0, second.width(), half)), "FIX1");
}

TEST_F(BatchCommand, PagesModeWritesOnePdfPagePerSheet)
{
    const Outcome r = Run({MakeProject(false), "--sheets", "3", "--pdf", Path("out.pdf")});
    ASSERT_EQ(r.status, 0) << r.errors.toStdString();
    QFile pdf(Path("out.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_EQ(QString::fromLatin1(bytes).count(QRegularExpression("/Type\\s*/Page[^s]")), 3);
    EXPECT_FALSE(QFile::exists(Path("out.pdf.part")));
}

TEST_F(BatchCommand, FailuresGiveTheirStatusAndNoOutput)
{
    const QString fixed = MakeProject(false);
    const QString fromField = MakeProject(true, "field.tly");
    WriteFile("damaged.tly", QByteArray(300, 'x'));
    WriteFile("empty.csv", "");
    struct Case {
        QStringList args;
        int status;
        const char* message;
    };
    const Case cases[] = {
        {{"--pdf", Path("o.pdf")}, 2, "no project"},
        {{Path("missing.tly"), "--pdf", Path("o.pdf")}, 3, "not found"},
        {{Path("damaged.tly"), "--pdf", Path("o.pdf")}, 3, "cannot open project"},
        {{fromField, "--pdf", Path("o.pdf")}, 4, "holds no record"},
        {{fixed, "--import", Path("nothing.csv"), "--pdf", Path("o.pdf")}, 4, "cannot import"},
        {{fixed, "--import", Path("empty.csv"), "--mode", "database", "--pdf", Path("o.pdf")}, 4, "holds no record"},
        {{fixed, "--mode", "labels", "--start", "3", "--pdf", Path("o.pdf")}, 5, "start label"},
        {{fromField, "--start", "0", "--pdf", Path("o.pdf")}, 5, "start label"},
        {{fixed, "--printer", "No Such Printer 42"}, 6, "No Such Printer 42"},
    };
    for (const Case& c : cases) {
        const Outcome r = Run(c.args);
        EXPECT_EQ(r.status, c.status) << c.args.join(' ').toStdString() << "\n" << r.errors.toStdString();
        EXPECT_TRUE(r.errors.contains(c.message)) << r.errors.toStdString();
        EXPECT_FALSE(QFile::exists(Path("o.pdf")));
    }
}

TEST_F(BatchCommand, DamagedFilesAreRefused)
{
    QFile whole(MakeProject(false));
    ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
    WriteFile("truncated.tly", whole.readAll().left(int(whole.size() / 2)));
    Outcome r = Run({Path("truncated.tly"), "--pdf", Path("o.pdf")});
    EXPECT_EQ(r.status, 3) << r.errors.toStdString();

    WriteFile("prog/article.dbf", QByteArray(64, '\x03'));
    r = Run({MakeProject(true), "--png", Path("png")});
    EXPECT_EQ(r.status, 4) << r.errors.toStdString();
    EXPECT_TRUE(r.errors.contains("cannot read the article table")) << r.errors.toStdString();
    EXPECT_FALSE(QFile::exists(Path("png/sheet-0001.png")));
    QFile table(Prog() + "article.dbf");   // a damaged table is never rewritten
    ASSERT_TRUE(table.open(QIODevice::ReadOnly));
    EXPECT_EQ(table.readAll(), QByteArray(64, '\x03'));
}

TEST_F(BatchCommand, HelpDocumentsTheCommand)
{
    const Outcome r = Run({"--help"});
    EXPECT_EQ(r.status, 0);
    for (const char* option : {"--folder", "--mode", "--count", "--start", "--sheets", "--import", "--pdf", "--png",
                               "--dpm", "--printer", "--fine", "Exit status"})
        EXPECT_TRUE(r.out.contains(option)) << option;
}

} // namespace
} // namespace tessaly::batch
