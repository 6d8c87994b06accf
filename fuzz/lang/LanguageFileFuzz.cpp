// Feeds arbitrary bytes to the language file reader and to TTextFile's column splitting.
#include "lang/LanguageFile.h"
#include "lang/TextFile.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("tessaly-fuzz-" + std::to_string(::getpid()) + ".lg");
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));

    tessaly::lang::Tgerelanguage language(path);
    language.Load();

    const char separator = size > 0 ? static_cast<char>(data[0] % 4 == 0 ? 0 : data[0]) : ';';
    tessaly::lang::TTextFile file(separator);
    try {
        file.SetMaxLineLength(1 << 16);
        for (file.Open(path); !file.AtEnd(); file.NextLine()) {
            for (int column = 0; column <= 20; ++column)
                (void)file.ColumnView(column);
        }
    } catch (const tessaly::lang::ETextFileError&) {
    }
    return 0;
}
