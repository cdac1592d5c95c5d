// A window with distinctly coloured pieces at known twips positions, for the
// screenshot check (host_screenshot_test.sh). Borderless at Left/Top 1500
// twips, so its client area starts at a known point of the screen.
// Usage: hostdemo.exe [SECONDS]   ends by itself after SECONDS (default 60);
// pressing its button ends it at once; the red label drags the window.
#include "win32/host.h"
#include "win32/window_shell_win32.h"

#include "forms/controls.h"
#include "forms/lists.h"
#include "forms/ranges.h"
#include "forms/timer.h"

#include <windows.h>

#include <cstdlib>
#include <memory>

namespace {

class DemoForm : public forms::Form {
public:
    explicit DemoForm(int seconds) : Form("HostDemo") {
        setCaption("Lumetra host demo");
        setBorder(Border::None);
        setClientSize(6000, 5400);
        setBackColor(forms::kWhite);
        setIconId(1);
        setLeft(1500);
        setTop(1500);

        red.move(300, 300, 1500, 750);
        red.setBackColor(0x0000FF);  // colours are 0xBBGGRR
        red.MouseDown = [this](const forms::MouseArgs&) { shell_.dragWindow(*this); };
        green.move(2100, 300, 1500, 750);
        green.setBackColor(0x00FF00);
        overGreen.move(2100, 300, 1500, 750);
        overGreen.setTransparent(true);
        overGreen.setCaption("see-through");
        picture.move(4200, 300, 1200, 750);
        // Pixels are 0x00RRGGBB: cyan, orange / black, white.
        picture.setPicture(std::make_shared<forms::Bitmap>(forms::Bitmap{2, 2, {0x00FFFF, 0xFF8000, 0x000000, 0xFFFFFF}, {}}));
        picture.setStretch(true);
        box.move(300, 1500, 3000, 1500);
        box.setBackColor(0xFF0000);
        yellow.move(600, 300, 900, 600);
        yellow.setBackColor(0x00FFFF);
        outline.move(3900, 1500, 1500, 1500);
        outline.setBorderColor(0xFF00FF);
        rule.setEnds(300, 3300, 5700, 3300);
        rule.setBorderColor(forms::kBlack);
        button.move(300, 3600, 1500, 450);
        button.setCaption("End");
        button.setBackColor(0x808000);  // teal: a face colour of its own
        button.Click = [this] { endProgram(); };
        slider.move(3900, 3600, 1800, 450);
        slider.setRange(0, 30);
        // Real input on a scroll bar and a combo box shows as the signal's colour.
        combo.move(300, 4200, 1800, 315);
        combo.AddItem("white");
        combo.AddItem("red");
        combo.setText("white");
        combo.Click = [this] { signal.setBackColor(combo.listIndex() == 1 ? 0x0000FF : forms::kWhite); };
        bar.move(2400, 4200, 1500, 255);
        bar.setRange(0, 2);
        bar.Change = [this] { signal.setBackColor(bar.value() == 1 ? 0x00FF00 : 0xFF0000); };
        signal.move(4200, 4200, 1200, 450);
        signal.setBackColor(forms::kWhite);
        ending.setInterval(1000);
        ending.Tick = [this, seconds] {
            if (++elapsed_ >= seconds) endProgram();
        };
    }

private:
    host::Win32WindowShell shell_;
    forms::Label red{*this, "Label1"};
    forms::Label green{*this, "Label2"};
    forms::Label overGreen{*this, "Label3"};
    forms::Image picture{*this, "Image1"};
    forms::Frame box{*this, "Frame1"};
    forms::Label yellow{*this, "Label4", &box};
    forms::Shape outline{*this, "Shape1"};
    forms::Line rule{*this, "Line1"};
    forms::CommandButton button{*this, "Command1"};
    forms::Slider slider{*this, "Slider1"};
    forms::ComboBox combo{*this, "Combo1"};
    forms::ScrollBar bar{*this, "HScroll1"};
    forms::Label signal{*this, "Label5"};
    forms::Timer ending{*this, "Timer1"};
    int elapsed_ = 0;
};

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    const int seconds = commandLine && *commandLine ? std::atoi(commandLine) : 60;
    host::Application app;
    DemoForm form(seconds > 0 ? seconds : 60);
    app.attach(form);
    app.endWith([] { return 0; });  // "End" and the timer end the program at once
    form.load();
    form.show();
    return app.run();
}
