// Random sessions: the document's operations and the handlers of both
// windows, driven the way the window layer drives them (the dialog's
// handlers only while it is shown, its activation once per showing, a close
// request taking effect after the handler), with random bytes and indices.
// After every step the invariants that users rely on must hold: 648 lines,
// none holding CR, LF or NUL; failures only of the documented kinds with
// their exact messages; and a written file that reads back as the lines.

#include "document/config_lines.h"
#include "document/errors.h"
#include "document/output_file.h"
#include "editing/view.h"
#include "editing/workflow.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

namespace {

using namespace brimvale;

void check(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

class FakeView : public editing::View {
public:
    std::string editText() const override { return edit; }
    void setEditText(const std::string& text) override { edit = text; }
    void setConfirmCaption(const std::string& text) override { caption = text; }
    void showDialogModal() override { showRequested = true; }
    void requestDialogClose() override { closeRequested = true; }
    void closeMainWindow() override { mainClosed = true; }
    int selectedLineIndex() const override { return selected; }
    void showMessage(const std::string&) override { ++messages; }

    std::string edit;
    std::string caption;
    int selected = -1;
    bool showRequested = false;
    bool closeRequested = false;
    bool mainClosed = false;
    int messages = 0;
};

bool isIndexMessage(const std::string& message)
{
    const std::string prefix = "List index out of bounds (";
    if (message.rfind(prefix, 0) != 0 || message.back() != ')')
        return false;
    const std::string number = message.substr(prefix.size(), message.size() - prefix.size() - 1);
    try {
        return std::to_string(std::stoi(number)) == number;
    } catch (...) {
        return false;
    }
}

void checkError(const Error& error)
{
    const std::string message = error.what();
    if (dynamic_cast<const EStringListError*>(&error))
        check(isIndexMessage(message), "index error message");
    else if (dynamic_cast<const EFCreateError*>(&error))
        check(message == "Cannot create file eggdrop.conf", "create error message");
    else if (dynamic_cast<const EWriteError*>(&error))
        check(message == "Stream write error", "write error message");
    else if (dynamic_cast<const EInvalidLineText*>(&error))
        check(message == "A line may not contain a line break or a NUL character", "line text message");
    else
        check(false, "an undocumented kind of error");
}

void checkLines(const ConfigLines& lines)
{
    check(lines.count() == 648, "648 lines");
    for (int i = 0; i < lines.count(); ++i)
        check(lines.at(i).find_first_of(std::string_view("\r\n\0", 3)) == std::string::npos, "no CR, LF or NUL");
}

void checkWrittenFile(const ConfigLines& lines)
{
    std::ifstream in("eggdrop.conf", std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::size_t expectedSize = 1296;
    for (int i = 0; i < lines.count(); ++i)
        expectedSize += lines.at(i).size();
    check(text.size() == expectedSize, "file size is the line lengths plus 1,296");
    std::size_t pos = 0;
    for (int i = 0; i < lines.count(); ++i) {
        const std::size_t end = text.find("\r\n", pos);
        check(end != std::string::npos && text.compare(pos, end - pos, lines.at(i)) == 0, "file reads back");
        pos = end + 2;
    }
    check(pos == text.size(), "nothing after the last line");
}

int initialise()
{
    // One scratch directory for the whole run: the output file is always
    // written relative to the working directory.
    // Kept in memory where possible: the flush to disk would otherwise
    // dominate every write and starve the search.
    char inMemory[] = "/dev/shm/brimvale-fuzz-XXXXXX";
    char onDisk[] = "/tmp/brimvale-fuzz-XXXXXX";
    const char* dir = ::mkdtemp(inMemory);
    if (!dir)
        dir = ::mkdtemp(onDisk);
    if (!dir || ::chdir(dir) != 0)
        std::abort();
    return 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const int initialised = initialise();
    (void)initialised;

    static const ConfigLines filled = [] {
        ConfigLines prototype;
        prototype.fill();
        return prototype;
    }();

    FuzzedDataProvider input(data, size);
    ConfigLines lines = filled;
    FakeView view;
    editing::Workflow workflow(lines, view);
    bool dialogShown = false;
    ::unlink("eggdrop.conf");

    for (int step = 0; step < 64 && input.remaining_bytes() > 0 && !view.mainClosed; ++step) {
        const int messagesBefore = view.messages;
        bool wrote = false;
        try {
            if (dialogShown) {
                switch (input.ConsumeIntegralInRange(0, 3)) {
                case 0: view.edit = input.ConsumeRandomLengthString(256); break;
                case 1: workflow.change.Button1Click(); break;
                case 2: workflow.change.Button2Click(); break;
                case 3: view.closeRequested = true; break; // the close box
                }
                wrote = view.messages != messagesBefore;
            } else {
                switch (input.ConsumeIntegralInRange(0, 8)) {
                case 0:
                    view.selected = input.ConsumeBool() ? input.ConsumeIntegralInRange(-1, 647)
                                                        : input.ConsumeIntegral<int>();
                    break;
                case 1: workflow.main.ListBox1DblClick(); break;
                case 2: workflow.main.Button1Click(); break;
                case 3: workflow.main.RadioButton1Click(); break;
                case 4: workflow.main.RadioButton2Click(); break;
                case 5: workflow.main.Button3Click(); break;
                case 6:
                    lines.replace(input.ConsumeBool() ? input.ConsumeIntegralInRange(0, 647)
                                                      : input.ConsumeIntegral<int>(),
                                  input.ConsumeRandomLengthString(256));
                    break;
                case 7: (void)lines.read(input.ConsumeIntegral<int>()); break;
                case 8:
                    writeOutputFile(lines);
                    wrote = true;
                    break;
                }
            }
        } catch (const Error& error) {
            checkError(error);
            check(view.messages == messagesBefore, "no completion message after a failure");
        }

        checkLines(lines);
        if (wrote)
            checkWrittenFile(lines);

        // What the window layer does once a handler has returned.
        if (view.showRequested) {
            view.showRequested = false;
            dialogShown = true;
            workflow.change.FormActivate();
        }
        if (dialogShown && view.closeRequested) {
            dialogShown = false;
            workflow.main.FormActivate();
        }
        view.closeRequested = false;
        check(workflow.main.dialogMode() == 0 || dialogShown, "guided mode only while the dialog is shown");
    }
    return 0;
}
