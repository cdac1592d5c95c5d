#include "Lumetra/WavFileWriter.h"

#include "Lumetra/WavFormat.h"

namespace lumetra {

WavFileWriter::WavFileWriter(platform::FileSystem& files, std::string path, const ToneSession& session,
                             std::uint32_t frames, std::int64_t flushEvery)
    : pending_(files, std::move(path)), wave_(session, frames), flushEvery_(flushEvery) {
    if (!pending_.made()) {
        failure_ = pending_.made().reason();
        return;
    }
    const auto header = wavHeader(frames);
    if (const rt::Outcome<> written = pending_.file().writeAt(0, header.data(), header.size()); !written) {
        failure_ = written.reason();
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
        rt::Outcome<> written = file.writeAt(offset_, block_.data(), bytes);
        if (written && flushDue) written = file.flush();
        if (!written) {
            failure_ = written.reason();
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
    if (const rt::Outcome<> result = pending_.commit(); !result) failure_ = result.reason();
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
