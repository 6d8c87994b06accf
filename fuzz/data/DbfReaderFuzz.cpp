// Fuzzes the dBase table reader: any bytes as "article.dbf" either open and read cleanly or
// give a DbfError.
#include "data/ArticleRecord.h"
#include "data/dbf/DbfError.h"
#include "data/dbf/DbfTable.h"

#include <cstdint>
#include <string>
#include <sys/mman.h>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const int fd = ::memfd_create("article.dbf", 0);
    if (fd < 0)
        return 0;
    if (size > 0 && ::write(fd, data, size) != static_cast<ssize_t>(size)) {
        ::close(fd);
        return 0;
    }
    try {
        tessaly::data::DbfTable table("/proc/self/fd/" + std::to_string(fd), true);
        std::size_t total = 0;
        for (std::uint32_t r = 0; r < table.recordCount(); ++r) {
            if (table.isDeleted(r))
                continue;
            for (std::size_t f = 0; f < table.fields().size(); ++f) {
                total += table.text(r, static_cast<int>(f)).size();
                total += table.integer(r, static_cast<int>(f)).has_value();
            }
        }
        try {
            const tessaly::data::ArticleLayout layout(table);
            for (std::uint32_t r = 0; r < table.recordCount(); ++r)
                total += layout.decode(r).f[0].size();
        } catch (const tessaly::data::DbfError&) {
        }
        table.refresh();
        (void)total;
    } catch (const tessaly::data::DbfError&) {
    }
    ::close(fd);
    return 0;
}
