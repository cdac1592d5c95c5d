#include "fake_sound.h"

#include "core/errors.h"

namespace fakes {

namespace {

constexpr int kDeviceError = 5;

class FakeBuffer : public platform::SoundBuffer {
public:
    FakeBuffer(FakeSoundSystem& sys, int id) : sys_(sys), id_(id), name_("buffer" + std::to_string(id)) {}
    ~FakeBuffer() override {
        state().released = true;
        sys_.log.push_back(name_ + " release");
    }
    void play(bool looping) override {
        sys_.log.push_back(name_ + (looping ? " play looping" : " play once"));
        state().playing = true;
        state().looping = looping;
    }
    void writeEntire(std::span<const std::uint8_t> data) override {
        auto& s = state();
        if (data.size() < s.desc.bufferBytes) rt::raise(kDeviceError, "short write");
        s.data.assign(data.begin(), data.begin() + s.desc.bufferBytes);
        sys_.log.push_back(name_ + " write " + std::to_string(s.data.size()));
    }
    void setFrequency(std::int32_t rate) override {
        sys_.log.push_back(name_ + " setFrequency " + std::to_string(rate));
        if (rate < sys_.minRate || rate > sys_.maxRate) rt::raise(kDeviceError, "rate refused");
        state().frequency = rate;
    }
    void setVolume(std::int32_t volume) override {
        sys_.log.push_back(name_ + " setVolume " + std::to_string(volume));
        if (volume < -10000 || volume > 0) rt::raise(kDeviceError, "volume refused");
        state().volume = volume;
    }
    std::int32_t volume() override { return state().volume; }
    void setPan(std::int32_t pan) override {
        sys_.log.push_back(name_ + " setPan " + std::to_string(pan));
        if (pan < -10000 || pan > 10000) rt::raise(kDeviceError, "pan refused");
        state().pan = pan;
    }
    void stop() override {
        sys_.log.push_back(name_ + " stop");
        state().playing = false;
    }

private:
    FakeBufferState& state() { return sys_.buffers.at(id_); }
    FakeSoundSystem& sys_;
    int id_;
    std::string name_;
};

class FakeDevice : public platform::SoundDevice {
public:
    FakeDevice(FakeSoundSystem& sys, int id) : sys_(sys), name_("device" + std::to_string(id)) { ++sys_.devicesLive; }
    ~FakeDevice() override {
        --sys_.devicesLive;
        sys_.log.push_back(name_ + " release");
    }
    void setCooperativeLevel(std::uintptr_t window, int level) override {
        sys_.log.push_back(name_ + " setCooperativeLevel " + std::to_string(window) + " " + std::to_string(level));
    }
    std::unique_ptr<platform::SoundBuffer> createBuffer(const platform::SoundBufferDesc& desc,
                                                        const platform::WaveFormat& format) override {
        const int id = sys_.lastBuffer() + 1;
        FakeBufferState s;
        s.desc = desc;
        s.format = format;
        s.frequency = static_cast<std::int32_t>(format.samplesPerSec);
        sys_.buffers[id] = s;
        sys_.log.push_back(name_ + " createBuffer " + std::to_string(id) + " flags " + std::to_string(desc.flags) +
                           " bytes " + std::to_string(desc.bufferBytes));
        return std::make_unique<FakeBuffer>(sys_, id);
    }
    void letPlay(int milliseconds) override { sys_.log.push_back(name_ + " letPlay " + std::to_string(milliseconds)); }

private:
    FakeSoundSystem& sys_;
    std::string name_;
};

class FakeLibrary : public platform::SoundLibrary {
public:
    explicit FakeLibrary(FakeSoundSystem& sys) : sys_(sys) { ++sys_.librariesLive; }
    ~FakeLibrary() override {
        --sys_.librariesLive;
        sys_.log.push_back("library release");
    }
    std::unique_ptr<platform::SoundDevice> createDevice() override {
        if (sys_.noDevice) {
            sys_.log.push_back("createDevice failed");
            rt::raise(kDeviceError, "no sound device");
        }
        const int id = ++sys_.devicesMade;
        sys_.log.push_back("createDevice " + std::to_string(id));
        return std::make_unique<FakeDevice>(sys_, id);
    }

private:
    FakeSoundSystem& sys_;
};

} // namespace

std::unique_ptr<platform::SoundLibrary> FakeSoundSystem::loadLibrary() {
    ++librariesLoaded;
    log.push_back("library load");
    return std::make_unique<FakeLibrary>(*this);
}

std::vector<std::string> FakeSoundSystem::callsOf(const std::string& prefix) const {
    std::vector<std::string> out;
    for (const auto& line : log)
        if (line.rfind(prefix, 0) == 0) out.push_back(line);
    return out;
}

} // namespace fakes
