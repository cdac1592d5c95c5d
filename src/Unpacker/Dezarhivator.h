#pragma once
// The archive window. Setup loads it hidden and uses its lists and text boxes
// as state: at load it lists the package beside the program into List1 and
// List2, and the installer starts the extraction walk, which extracts one
// List2 entry per tick of Extractor into the install folder. Shown, the same
// window is the packaging tool: "Add" appends Text1's file to Text2's archive.
#include "Package/archive_ops.h"
#include "Package/archive_writer.h"
#include "core/errors.h"
#include "forms/controls.h"
#include "forms/form.h"
#include "forms/lists.h"
#include "forms/timer.h"
#include "platform/files.h"
#include "platform/folders.h"

#include <string>

namespace setup {

class Dezarhivator : public forms::Form {
public:
    Dezarhivator(platform::Folders& folders, platform::FileSystem& files);

    // The archive operations: true on success, false on any failure.
    bool VekAdd(const std::string& VekFile, const std::string& FileName, const std::string& AddName);
    template <class ListLike>
    bool VekList(const std::string& VekFile, ListLike& ListItem);
    bool VekExtract(const std::string& VekFile, const std::string& FileName, const std::string& Destination);
    // Starts (or resumes) the extraction walk and returns at once.
    void ExtrageFisierele();

    // The installer's text box that holds the install folder (its Cale). The
    // walk reads it at every step; without one, no entry can be written.
    void setInstallFolderBox(forms::TextBox* cale) { cale_ = cale; }

    forms::Label Label2{*this, "Label2"};
    forms::TextBox Text2{*this, "Text2"};
    forms::Label Label1{*this, "Label1"};
    forms::TextBox Text1{*this, "Text1"};
    forms::CommandButton Command1{*this, "Command1"};
    forms::CommandButton Command2{*this, "Command2"};
    forms::CommandButton Command3{*this, "Command3"};
    forms::ListBox List1{*this, "List1"};
    forms::ListBox List2{*this, "List2"};
    forms::TextBox Text4{*this, "Text4"};
    forms::Timer Extractor{*this, "Extractor", 10};

    // The 0-based List2 row the walk handles next; only the walk moves it.
    int ExtractIndex = 0;

    // Raised after each step of the walk with the entry's name and whether
    // it was written, or why not. The walk itself goes on either way; the
    // installer keeps count.
    forms::Event<const std::string&, const rt::Outcome<>&> EntryExtracted;

private:
    void Form_Load();
    void Command1_Click();
    void Command3_Click();
    void List1_Click();
    void Extractor_Timer();
    // Writes one entry into the install folder.
    rt::Outcome<> extractIntoInstallFolder(const std::string& name);

    platform::Folders& folders_;
    platform::FileSystem& files_;
    forms::TextBox* cale_ = nullptr;
};

template <class ListLike>
bool Dezarhivator::VekList(const std::string& VekFile, ListLike& ListItem) {
    try {
        return static_cast<bool>(
            package::listEntries(files_, VekFile, [&](const std::string& name) { ListItem.AddItem(name); }));
    } catch (const rt::Error&) {
        return false;
    }
}

} // namespace setup
