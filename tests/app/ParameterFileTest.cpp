#include "app/ParameterFile.h"
#include "app/TempFolder.h"

#include <gtest/gtest.h>

using tessaly::app::ParameterRecord;

TEST(ParameterFile, RoundTripKeepsFieldsAndReservedBytes)
{
    TempFolder folder;
    const std::string path = folder.file("TESSALY.PAR").toStdString();
    ParameterRecord record;
    record.setLanguage(2);
    record.setPrinterName("Etiquettes-Atelier");
    record.setColumnShown(1, true);
    record.setColumnShown(15, true);
    record.setColumnWidth(1, 120);
    record.setColumnWidth(17, -5);
    record.bytes()[120] = 0xAB; // reserved
    record.bytes()[230] = 0xCD; // reserved
    ASSERT_TRUE(tessaly::app::WriteParameterFile(path, record));

    const QByteArray bytes = folder.read("TESSALY.PAR");
    ASSERT_EQ(bytes.size(), 236);
    EXPECT_EQ(bytes.left(4), QByteArray("\x03TLY"));

    ParameterRecord back;
    ASSERT_TRUE(tessaly::app::ReadParameterFile(path, back));
    EXPECT_EQ(back.language(), 2);
    EXPECT_EQ(back.printerName(), "Etiquettes-Atelier");
    EXPECT_TRUE(back.columnShown(1));
    EXPECT_FALSE(back.columnShown(2));
    EXPECT_TRUE(back.columnShown(15));
    EXPECT_EQ(back.columnWidth(1), 120);
    EXPECT_EQ(back.columnWidth(17), -5);
    EXPECT_EQ(back.bytes()[120], 0xAB);
    EXPECT_EQ(back.bytes()[230], 0xCD);
}

TEST(ParameterFile, PrinterNameLengthIsBoundedBothWays)
{
    ParameterRecord record;
    record.setPrinterName(std::string(150, 'p'));
    EXPECT_EQ(record.printerName().size(), 100u);
    record.bytes()[8] = 255; // a damaged length byte never reads past the field
    EXPECT_EQ(record.printerName().size(), 100u);
}

TEST(ParameterFile, MissingFileMeansFrenchAndFalse)
{
    TempFolder folder;
    ParameterRecord record;
    record.setLanguage(7);
    EXPECT_FALSE(tessaly::app::ReadParameterFile(folder.file("TESSALY.PAR").toStdString(), record));
    EXPECT_EQ(record.language(), 1);
}

TEST(ParameterFile, ShortFileIsAppliedAsFarAsReadThenDeleted)
{
    TempFolder folder;
    folder.write("TESSALY.PAR", QByteArray("\x03TLY\x02\x00\x00\x00\x03" "abc", 12));
    ParameterRecord record;
    EXPECT_TRUE(tessaly::app::ReadParameterFile(folder.file("TESSALY.PAR").toStdString(), record));
    EXPECT_EQ(record.language(), 2);
    EXPECT_EQ(record.printerName(), "abc");
    EXPECT_FALSE(QFile::exists(folder.file("TESSALY.PAR")));
}

TEST(ParameterFile, FailedWriteLeavesPreviousFileIntact)
{
    ParameterRecord record;
    EXPECT_FALSE(tessaly::app::WriteParameterFile("/nonexistent-folder/TESSALY.PAR", record));

    TempFolder folder;
    folder.write("TESSALY.PAR", QByteArray(236, 'x'));
    QDir(folder.path()).mkdir("TESSALY.PAR.dir");
    // Writing onto a path whose rename target is a folder fails; the old file stays.
    EXPECT_FALSE(tessaly::app::WriteParameterFile(folder.file("TESSALY.PAR.dir").toStdString(), record));
    EXPECT_EQ(folder.read("TESSALY.PAR"), QByteArray(236, 'x'));
}
