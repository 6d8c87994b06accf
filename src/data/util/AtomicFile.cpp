#include "data/util/AtomicFile.h"

#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tessaly::data {

bool WriteFileAtomically(const std::string& path, std::string_view data)
{
    std::string temp = path + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        return false;
    bool ok = true;
    for (std::size_t done = 0; ok && done < data.size();) {
        const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        ok = n > 0;
        if (ok)
            done += static_cast<std::size_t>(n);
    }
    ok = ok && ::fchmod(fd, 0644) == 0;
    ok = ok && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    ok = ok && std::rename(temp.c_str(), path.c_str()) == 0;
    if (!ok)
        std::remove(temp.c_str());
    return ok;
}

} // namespace tessaly::data
