#include "win32/directsound.h"

#include "core/errors.h"
#include "win32/handles.h"

#include <windows.h>
#include <mmsystem.h>
#include <dsound.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <utility>

namespace host {

namespace {

[[noreturn]] void fail(const char* what, HRESULT hr) {
    char detail[96];
    std::snprintf(detail, sizeof detail, "%s failed (0x%08lX)", what, static_cast<unsigned long>(hr));
    // Like an automation error, the number is the result code itself.
    rt::raise(static_cast<int>(hr), detail);
}

void check(const char* what, HRESULT hr) {
    if (FAILED(hr)) fail(what, hr);
}

// dsound.dll, freed when the last object that needs it is gone.
using Dll = UniqueModule;

std::shared_ptr<Dll> loadDirectSound() {
    // From the system folder only, whatever the process-wide search path.
    Dll dll(::LoadLibraryExW(L"dsound.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32));
    if (!dll) fail("LoadLibrary(dsound.dll)", HRESULT_FROM_WIN32(::GetLastError()));
    return std::make_shared<Dll>(std::move(dll));
}

using CreateFn = HRESULT(WINAPI*)(LPCGUID, LPDIRECTSOUND8*, LPUNKNOWN);

class DsBuffer : public platform::SoundBuffer {
public:
    // Holds the device and the library so that they outlive the buffer.
    DsBuffer(std::shared_ptr<Dll> dll, ComPtr<IDirectSound8> device, ComPtr<IDirectSoundBuffer> buffer)
        : buffer_(std::move(buffer)), device_(std::move(device)), dll_(std::move(dll)) {}

    void play(bool looping) override {
        check("Play", buffer_->Play(0, 0, looping ? DSBPLAY_LOOPING : 0));
    }

    void writeEntire(std::span<const std::uint8_t> data) override {
        void* first = nullptr;
        void* second = nullptr;
        DWORD firstBytes = 0, secondBytes = 0;
        HRESULT hr = buffer_->Lock(0, 0, &first, &firstBytes, &second, &secondBytes, DSBLOCK_ENTIREBUFFER);
        if (hr == DSERR_BUFFERLOST) {
            check("Restore", buffer_->Restore());
            hr = buffer_->Lock(0, 0, &first, &firstBytes, &second, &secondBytes, DSBLOCK_ENTIREBUFFER);
        }
        check("Lock", hr);
        if (data.size() < std::size_t{firstBytes} + secondBytes) {
            buffer_->Unlock(first, firstBytes, second, secondBytes);
            rt::raise(rt::SubscriptOutOfRange, "table shorter than the sound buffer");
        }
        std::memcpy(first, data.data(), firstBytes);
        if (second) std::memcpy(second, data.data() + firstBytes, secondBytes);
        check("Unlock", buffer_->Unlock(first, firstBytes, second, secondBytes));
    }

    void setFrequency(std::int32_t rate) override {
        if (rate < 0) fail("SetFrequency", DSERR_INVALIDPARAM);
        check("SetFrequency", buffer_->SetFrequency(static_cast<DWORD>(rate)));
    }
    void setVolume(std::int32_t volume) override { check("SetVolume", buffer_->SetVolume(volume)); }
    std::int32_t volume() override {
        LONG volume = 0;
        check("GetVolume", buffer_->GetVolume(&volume));
        return volume;
    }
    void setPan(std::int32_t pan) override { check("SetPan", buffer_->SetPan(pan)); }
    void stop() override { check("Stop", buffer_->Stop()); }

private:
    // Members go in reverse: the buffer first, then the device, then the dll.
    ComPtr<IDirectSoundBuffer> buffer_;
    ComPtr<IDirectSound8> device_;
    std::shared_ptr<Dll> dll_;
};

class DsDevice : public platform::SoundDevice {
public:
    DsDevice(std::shared_ptr<Dll> dll, ComPtr<IDirectSound8> device, BufferWatch watch)
        : device_(std::move(device)), dll_(std::move(dll)), watch_(std::move(watch)) {}

    void setCooperativeLevel(std::uintptr_t window, int level) override {
        check("SetCooperativeLevel",
              device_->SetCooperativeLevel(reinterpret_cast<HWND>(window), static_cast<DWORD>(level)));
    }

    std::unique_ptr<platform::SoundBuffer> createBuffer(const platform::SoundBufferDesc& desc,
                                                        const platform::WaveFormat& format) override {
        WAVEFORMATEX wfx{};
        wfx.wFormatTag = format.formatTag;
        wfx.nChannels = format.channels;
        wfx.nSamplesPerSec = format.samplesPerSec;
        wfx.nAvgBytesPerSec = format.avgBytesPerSec;
        wfx.nBlockAlign = format.blockAlign;
        wfx.wBitsPerSample = format.bitsPerSample;
        wfx.cbSize = format.extraSize;
        DSBUFFERDESC d{};
        d.dwSize = sizeof d;
        d.dwFlags = desc.flags;
        d.dwBufferBytes = desc.bufferBytes;
        d.lpwfxFormat = &wfx;
        ComPtr<IDirectSoundBuffer> buffer;
        check("CreateSoundBuffer", device_->CreateSoundBuffer(&d, buffer.put(), nullptr));
        if (watch_) watch_(*buffer.get());
        return std::make_unique<DsBuffer>(dll_, device_, std::move(buffer));
    }

    // The system's timer runs at 1 ms meanwhile, so that a few-millisecond
    // step is not stretched to the default 15.6 ms tick.
    void letPlay(int milliseconds) override {
        if (milliseconds <= 0) return;
        ::timeBeginPeriod(1);
        ::Sleep(static_cast<DWORD>(milliseconds));
        ::timeEndPeriod(1);
    }

private:
    ComPtr<IDirectSound8> device_;
    std::shared_ptr<Dll> dll_;
    BufferWatch watch_;
};

class DsLibrary : public platform::SoundLibrary {
public:
    explicit DsLibrary(BufferWatch watch) : dll_(loadDirectSound()), watch_(std::move(watch)) {
        create_ = reinterpret_cast<CreateFn>(reinterpret_cast<void*>(::GetProcAddress(dll_->get(), "DirectSoundCreate8")));
        if (!create_) fail("GetProcAddress(DirectSoundCreate8)", HRESULT_FROM_WIN32(::GetLastError()));
    }

    std::unique_ptr<platform::SoundDevice> createDevice() override {
        ComPtr<IDirectSound8> device;
        check("DirectSoundCreate8", create_(nullptr, device.put(), nullptr));
        return std::make_unique<DsDevice>(dll_, std::move(device), watch_);
    }

private:
    std::shared_ptr<Dll> dll_;
    CreateFn create_ = nullptr;
    BufferWatch watch_;
};

class DsSystem : public platform::SoundSystem {
public:
    explicit DsSystem(BufferWatch watch) : watch_(std::move(watch)) {}
    std::unique_ptr<platform::SoundLibrary> loadLibrary() override { return std::make_unique<DsLibrary>(watch_); }

private:
    BufferWatch watch_;
};

} // namespace

std::unique_ptr<platform::SoundSystem> makeDirectSoundSystem(BufferWatch watch) {
    return std::make_unique<DsSystem>(std::move(watch));
}

} // namespace host
