#pragma once

#include <array>
#include <string>

namespace brimvale {
class ConfigLines;
}

namespace brimvale::editing {

class View;

// The ten lines that guided setup walks through, in order.
inline constexpr std::array<int, 10> GuideLines{8, 9, 10, 102, 140, 292, 293, 294, 310, 389};
// The line that the bot-version choice rewrites.
inline constexpr int TempPathLine = 94;

// The fixed texts of the workflow, in Windows-1251.
struct Texts {
    static const std::string& changeCaption();      // "Изменить"
    static const std::string& nextCaption();        // "Далее"
    static const std::string& completionMessage();  // "генерация eggdrop.conf завершена."
    static const std::string& eggdropTempPath();    // set temp-path "/tmp"
    static const std::string& windropTempPath();    // set temp-path "tmp/"
};

// Handlers of the main window's events. Holds DialogMode: 0 while the
// dialog edits the selected line, 1 while it runs guided setup.
class MainWindowHandlers {
public:
    MainWindowHandlers(ConfigLines& lines, View& view) : lines_(lines), view_(view) {}

    void ListBox1DblClick();
    void Button1Click();
    void Button3Click();
    void FormActivate();
    void RadioButton1Click();
    void RadioButton2Click();

    int dialogMode() const noexcept { return DialogMode; }

private:
    ConfigLines& lines_;
    View& view_;
    int DialogMode = 0;
};

// Handlers of the field value dialog's events. Holds GuideStep, the
// position in GuideLines (1 to 10) of the line the dialog shows.
class DialogHandlers {
public:
    DialogHandlers(ConfigLines& lines, View& view, const MainWindowHandlers& main)
        : lines_(lines), view_(view), main_(main) {}

    void FormActivate();
    void Button1Click();
    void Button2Click();

    int guideStep() const noexcept { return GuideStep; }

private:
    ConfigLines& lines_;
    View& view_;
    const MainWindowHandlers& main_;
    int GuideStep = 0;
};

// Both windows' handlers over one document and one view.
struct Workflow {
    Workflow(ConfigLines& lines, View& view) : main(lines, view), change(lines, view, main) {}
    MainWindowHandlers main;
    DialogHandlers change;
};

} // namespace brimvale::editing
