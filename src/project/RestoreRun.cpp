// Restoring an archive. Failures while a target file is written stop the run with an error
// code; failures of the archive itself outside such a file are raised to the caller.
#include "project/RestoreRun.h"

#include "project/BlockCodec.h"
#include "project/DosDateTime.h"
#include "project/EntryName.h"

#include <algorithm>

namespace tessaly::project {
namespace {

constexpr std::uint8_t DataMarker[4] = {0x45, 0x43, 0x32, 0x00};   // "EC2" and a zero byte
constexpr std::int32_t MaxNameLength = 1 << 20;   // a name longer than this is damage, not a path
constexpr std::size_t CopyPiece = 65536;

bool ReadMarker(ArchiveInput& in)
{
    std::uint8_t marker[4];
    return in.Read(marker, sizeof marker) && std::equal(marker, marker + 4, DataMarker);
}

// The block length as a byte count; a negative length announces stored bytes.
std::uint64_t Magnitude(std::int32_t length)
{
    return length < 0 ? static_cast<std::uint64_t>(-static_cast<std::int64_t>(length))
                      : static_cast<std::uint64_t>(length);
}

} // namespace

RestoreRun::RestoreRun(TBackupFile& owner, std::unique_ptr<ArchiveInput> input, std::filesystem::path archive,
                       std::filesystem::path destination)
    : owner_(owner), in_(std::move(input)), archive_(std::move(archive)), destination_(std::move(destination))
{
}

bool RestoreRun::Run()
{
    try {
        ReadHeader();
        const bool completed = ReadEntries();
        CloseTarget();
        if (error_ != NoBackupError)
            owner_.ReportError(error_);
        return completed && error_ == NoBackupError;
    } catch (...) {
        CloseTarget();
        throw;
    }
}

void RestoreRun::ReadHeader()
{
    const auto titleLength = in_->ReadInt32();
    if (!titleLength || *titleLength < 0 || !in_->Skip(static_cast<std::uint64_t>(*titleLength)))
        throw BackupError(CannotReadArchive);
    const auto total = in_->ReadInt32();
    if (!total || !in_->ReadInt32())   // the reserved value is not interpreted
        throw BackupError(CannotReadArchive);
    total_ = *total;
}

// False when the run stopped early (an entry error or a cancelled disk prompt).
bool RestoreRun::ReadEntries()
{
    for (;;) {
        const auto nameLength = in_->ReadInt32();
        if (!nameLength)
            throw BackupError(CannotReadArchive);
        if (*nameLength == 0)
            return true;
        if (*nameLength < 0)
            continue;   // skipped: the next 4 bytes are a name length again
        if (*nameLength > MaxNameLength)
            throw BackupError(CannotReadArchive);
        std::string name(static_cast<std::size_t>(*nameLength), '\0');
        if (!in_->Read(name.data(), name.size()))
            throw BackupError(CannotReadArchive);
        if (IsNextDisk(name)) {
            if (!ChangeVolume(name) || !ReadData())
                return false;
            continue;
        }
        CloseTarget();
        const auto date = in_->ReadInt32();
        if (!date)
            throw BackupError(CannotReadArchive);
        if (!StartEntry(name, static_cast<std::uint32_t>(*date)) || !ReadData())
            return false;
    }
}

bool RestoreRun::StartEntry(const std::string& name, std::uint32_t date)
{
    target_ = Target{};
    target_.date = date;
    if (IsFileList(name))
        return true;   // its data is skipped, nothing is written
    const auto path = RestoreTarget(destination_, name, owner_.RestoreFullPath);
    if (!path)
        return Fail(CannotReadFile);
    if (!ShouldWrite(*path, date))
        return true;
    std::error_code ignored;
    std::filesystem::create_directories(path->parent_path(), ignored);
    target_.file.open(*path, std::ios::binary | std::ios::trunc);
    if (!target_.file)
        return Fail(CannotReadFile);
    target_.path = *path;
    target_.writing = true;
    return true;
}

bool RestoreRun::ShouldWrite(const std::filesystem::path& target, std::uint32_t date) const
{
    const auto existing = FileDosDateTime(target);   // no value: the target does not exist
    const bool older = existing && *existing < date;
    switch (owner_.RestoreMode) {
    case TRestoreMode::rmAll:
        return true;
    case TRestoreMode::rmNoOverwrite:
        return !existing;
    case TRestoreMode::rmNewer:
        return !existing || older;
    case TRestoreMode::rmExisting:
        return existing.has_value();
    case TRestoreMode::rmExistingNewer:
        return older;
    }
    return false;
}

// The archive goes on in the file of the same name with the extension ".NNN".
bool RestoreRun::ChangeVolume(const std::string& name)
{
    const auto disk = NextDiskNumber(name);
    if (!disk)
        throw BackupError(CannotReadArchive);
    if (archive_.empty())
        return false;   // an in-memory archive has no further volumes: as if cancelled
    const std::string digits = name.substr(NextDiskName.size(), 3);
    std::filesystem::path next = archive_;
    next.replace_extension("." + digits);
    std::error_code error;
    do {
        if (!owner_.OnNeedDisk || !owner_.OnNeedDisk(*disk))
            return false;
    } while (!std::filesystem::exists(next, error));
    in_ = ArchiveInput::OpenFile(next);
    if (!in_)
        throw BackupError(CannotReadArchive);
    archive_ = next;
    return true;
}

bool RestoreRun::ReadData()
{
    if (target_.writing)
        return WriteBlocks();
    SkipBlocks();
    return true;
}

bool RestoreRun::WriteBlocks()
{
    if (!ReadMarker(*in_))
        return Fail(CannotReadFile);
    std::vector<std::uint8_t> block;
    for (;;) {
        const auto length = in_->ReadInt32();
        if (!length)
            return Fail(CannotReadFile);
        if (*length == 0)
            return true;
        if (*length > 0) {
            const auto status = InflateBlock(*in_, Magnitude(*length), block);
            if (status == BlockStatus::Truncated)
                return Fail(CannotReadFile);
            if (status == BlockStatus::ZlibError)
                return Fail(CompressionError);
            if (!AppendToTarget(block.data(), block.size()))
                return Fail(CannotReadFile);
        } else if (!CopyStoredBlock(Magnitude(*length))) {
            return Fail(CannotReadFile);
        }
        ReportProgress();
    }
}

void RestoreRun::SkipBlocks()
{
    std::uint8_t marker[4];
    if (!in_->Read(marker, sizeof marker))
        throw BackupError(CannotReadArchive);
    if (!std::equal(marker, marker + 4, DataMarker))
        throw BackupError(InvalidArchiveType);
    for (;;) {
        const auto length = in_->ReadInt32();
        if (!length || !in_->Skip(Magnitude(*length)))
            throw BackupError(CannotReadArchive);
        if (*length == 0)
            return;
    }
}

bool RestoreRun::AppendToTarget(const std::uint8_t* bytes, std::size_t n)
{
    target_.file.write(reinterpret_cast<const char*>(bytes), static_cast<std::streamsize>(n));
    written_ += static_cast<std::int64_t>(n);
    return static_cast<bool>(target_.file);
}

bool RestoreRun::CopyStoredBlock(std::uint64_t length)
{
    if (length > in_->Remaining())
        return false;
    std::vector<std::uint8_t> piece(static_cast<std::size_t>(std::min<std::uint64_t>(length, CopyPiece)));
    while (length > 0) {
        const auto n = static_cast<std::size_t>(std::min<std::uint64_t>(length, piece.size()));
        if (!in_->Read(piece.data(), n) || !AppendToTarget(piece.data(), n))
            return false;
        length -= n;
    }
    return true;
}

void RestoreRun::CloseTarget()
{
    if (!target_.writing)
        return;
    target_.file.close();
    SetFileDosDateTime(target_.path, target_.date);
    target_.writing = false;
}

void RestoreRun::ReportProgress()
{
    if (!owner_.OnProgress)
        return;
    // A header total of 0 (or a damaged one) must not divide by zero.
    const std::int64_t percent = total_ > 0 ? std::clamp<std::int64_t>(written_ * 100 / total_, 0, 100) : 100;
    owner_.OnProgress(static_cast<int>(percent));
}

bool RestoreRun::Fail(int code)
{
    error_ = code;
    return false;
}

} // namespace tessaly::project
