#include "Lumetra/WavFileWriter.h"

#include "Lumetra/WavFormat.h"

namespace lumetra {

WavFileWriter::WavFileWriter(platform::FileSystem& files, std::string path, const ToneSession& session,
                             std::uint32_t frames, std::int64_t flushEvery)
    : pending_(files, std::move(path)), wave_(session, frames), flushEvery_(flushEvery) {
    if (!pending_) {
        failure_ = pending_.failure();
        return;
    }
    const auto header = wavHeader(frames);
    if (!pending_.file().writeAt(0, header.data(), header.size())) {
        failure_ = pending_.file().writeFailure();
        pending_.abandon();
        return;
    }
    offset_ = kWavHeaderBytes;
    block_.resize(kBlockFrames * kWavBytesPerFrame);
}

bool WavFileWriter::writeBlocks(int blocks) {
    for (int i = 0; i < blocks && ok() && !complete(); ++i) {
        const std::size_t frames = wave_.render(block_.data(), kBlockFrames);
        const std::size_t bytes = frames * kWavBytesPerFrame;
        platform::File& file = pending_.file();
        const bool flushDue = flushEvery_ > 0 && offset_ + static_cast<std::int64_t>(bytes) - flushedTo_ >= flushEvery_;
        if (!file.writeAt(offset_, block_.data(), bytes) || (flushDue && !file.flush())) {
            failure_ = file.writeFailure();
            pending_.abandon();
            return false;
        }
        offset_ += static_cast<std::int64_t>(bytes);
        if (flushDue) flushedTo_ = offset_;
    }
    return ok();
}

double WavFileWriter::fraction() const noexcept {
    return wave_.frames() == 0 ? 1.0 : static_cast<double>(wave_.framesDone()) / wave_.frames();
}

bool WavFileWriter::commit() {
    if (!ok()) return false;
    if (const platform::WriteResult result = pending_.commit(); !result) failure_ = result.failure;
    return ok();
}

std::uint32_t framesOfMinutes(int minutes) {
    return static_cast<std::uint32_t>(minutes) * 60 * kWavSampleRate;
}

std::string writeWavFile(platform::FileSystem& files, const std::string& path, const ToneSession& session,
                         int minutes) {
    WavFileWriter writer(files, path, session, framesOfMinutes(minutes));
    while (writer.ok() && !writer.complete()) writer.writeBlocks(64);
    writer.commit();
    return writer.failure();
}

} // namespace lumetra
