#pragma once
// Writes a session into a WAV file in fixed blocks, as many at a time as the
// caller likes, through a new file beside the target: the target appears only
// once every byte is written, and a cancelled or failed write leaves nothing.
#include "Lumetra/SessionWave.h"

#include "platform/files.h"

#include <cstdint>
#include <string>
#include <vector>

namespace lumetra {

class WavFileWriter {
public:
    // 64 KiB a block: the whole of the memory a write takes, with the wave's
    // one-cycle table, whatever its length.
    static constexpr std::size_t kBlockFrames = 16384;

    // `flushEvery` bytes written go on to the disk before the next block (0:
    // only when the file closes), so that no single step waits long.
    WavFileWriter(platform::FileSystem& files, std::string path, const ToneSession& session, std::uint32_t frames,
                  std::int64_t flushEvery = 0);

    // False once anything failed; failure() then holds the system's reason.
    bool ok() const noexcept { return failure_.empty(); }
    const std::string& failure() const noexcept { return failure_; }
    const std::string& path() const noexcept { return pending_.path(); }

    // Writes up to `blocks` more blocks; false on failure.
    bool writeBlocks(int blocks);
    bool complete() const noexcept { return wave_.framesDone() == wave_.frames(); }
    // The share written so far, 0 to 1.
    double fraction() const noexcept;

    // Once complete: renames the new file over the target. False on failure.
    bool commit();
    // Deletes the new file; the target stays as it was.
    void abandon() noexcept { pending_.abandon(); }

private:
    platform::PendingReplacement pending_;
    SessionWave wave_;
    std::vector<std::uint8_t> block_;
    std::int64_t offset_ = 0;
    std::int64_t flushEvery_;
    std::int64_t flushedTo_ = 0;
    std::string failure_;
};

std::uint32_t framesOfMinutes(int minutes);

// The whole file in one call (the command line): an empty result when it was
// written, else the reason.
std::string writeWavFile(platform::FileSystem& files, const std::string& path, const ToneSession& session,
                         int minutes);

} // namespace lumetra
