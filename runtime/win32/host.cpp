#include "win32/host.h"

#include "core/conversions.h"
#include "core/errors.h"
#include "platform/paths.h"
#include "win32/dispatch_guard.h"
#include "win32/form_window.h"
#include "win32/gdi_resources.h"
#include "win32/handles.h"
#include "win32/newer_functions.h"
#include "win32/wide_text.h"

#include <commctrl.h>

#include <algorithm>
#include <exception>
#include <new>
#include <vector>

namespace host {

struct Application::Impl {
    ComApartment com;
    FontCache fonts;  // outlives the windows that use its fonts
    std::vector<std::unique_ptr<FormWindow>> windows;
    std::vector<std::function<bool(const MSG&)>> filters;
    std::function<int()> ending;

    int end() { return ending ? ending() : 0; }
    // A form ended the program: at once, with the ending's status.
    void endNow() {
        if (ending) ::ExitProcess(static_cast<UINT>(ending()));
    }

    bool anyFormLoaded() const {
        return std::any_of(windows.begin(), windows.end(),
                           [](const auto& w) { return w->form() && w->form()->loaded(); });
    }

    void dispatch(MSG& msg) {
        for (const auto& filter : filters)
            if (filter(msg)) return;
        // Tab, Enter and Esc move between and press controls as in a dialog.
        HWND root = msg.hwnd ? ::GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
        const bool ours = root && std::any_of(windows.begin(), windows.end(),
                                               [root](const auto& w) { return w->hwnd() == root; });
        if (ours && ::IsDialogMessageW(root, &msg)) return;
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
};

namespace {

void readDecimalSeparator() {
    wchar_t buffer[8] = {};
    if (::GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, buffer, 8) <= 0) return;
    const std::string separator = narrow(buffer);
    if (separator.size() == 1) rt::setUserDecimalSeparator(separator[0]);
}

void readScreenMetrics() {
    const UniqueWindowDc screen = windowDc(nullptr);
    if (!screen) return;
    const int dpiX = ::GetDeviceCaps(screen.get().dc, LOGPIXELSX), dpiY = ::GetDeviceCaps(screen.get().dc, LOGPIXELSY);
    if (dpiX > 0) forms::screen().twipsPerPixelX = forms::twipsPerPixelAt(static_cast<unsigned>(dpiX));
    if (dpiY > 0) forms::screen().twipsPerPixelY = forms::twipsPerPixelAt(static_cast<unsigned>(dpiY));
}

// The title of the program's message boxes: its file name without ".exe".
std::wstring programTitle() {
    wchar_t path[MAX_PATH] = {};
    const DWORD length = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::string title = platform::fileNameOf(narrow(std::wstring(path, length)));
    if (const auto dot = title.find_last_of('.'); dot != std::string::npos && dot > 0) title.erase(dot);
    return widen(title);
}

// An error no handler dealt with: tell the user as this kind of program always
// has, then end at once with a failing status.
[[noreturn]] void endWithError(std::exception_ptr failure) noexcept {
    std::string text;
    try {
        std::rethrow_exception(failure);
    } catch (const rt::Error& e) {
        text = rt::unhandledErrorMessage(e);
    } catch (const std::bad_alloc&) {
        text = rt::unhandledErrorMessage(rt::Error(7));
    } catch (...) {
        text = rt::unhandledErrorMessage(rt::Error(51));
    }
    ::MessageBoxW(nullptr, widen(text).c_str(), programTitle().c_str(), MB_OK | MB_ICONERROR | MB_TASKMODAL);
    ::ExitProcess(1);
}

// The last stop for an error that escapes everything else (Form_Load run from
// main, a destructor): the same message, not a silent abort.
[[noreturn]] void onTerminate() noexcept {
    if (std::exception_ptr failure = std::current_exception()) endWithError(failure);
    ::ExitProcess(3);
}

} // namespace

Application::Application() {
    // DLLs loaded by name come from the system folder only, never from the
    // folder of a downloaded program (where anyone may have put one).
    restrictDllSearch();
    std::set_terminate(&onTerminate);
    // Per-monitor awareness first: every size read after this is in real pixels.
    becomeDpiAware();
    impl_ = std::make_unique<Impl>();
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES | ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&icc);
    readDecimalSeparator();
    readScreenMetrics();
}

Application::~Application() { impl_->windows.clear(); }

void Application::endWith(std::function<int()> ending) { impl_->ending = std::move(ending); }

void Application::attach(forms::Form& form) {
    for (const auto& w : impl_->windows)
        if (w->form() == &form && w->alive()) return;  // one window per form
    auto window = std::make_unique<FormWindow>(form, impl_->fonts, [impl = impl_.get()] { impl->endNow(); });
    form.addObserver(window.get());
    window->create();
    impl_->windows.push_back(std::move(window));
}

void Application::addMessageFilter(std::function<bool(const tagMSG&)> filter) {
    impl_->filters.push_back(std::move(filter));
}

int Application::run() {
    try {
        MSG msg;
        while (impl_->anyFormLoaded()) {
            const BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
            if (got <= 0) {
                impl_->end();
                return got == 0 ? static_cast<int>(msg.wParam) : 1;
            }
            dispatch(msg);
        }
        return impl_->end();
    } catch (...) {
        endWithError(std::current_exception());
    }
}

void Application::dispatch(tagMSG& msg) {
    impl_->dispatch(msg);
    rethrowPendingException();
}

} // namespace host
