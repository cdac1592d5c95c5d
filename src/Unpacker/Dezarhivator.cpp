#include "Unpacker/Dezarhivator.h"

#include "Unpacker/ModDezarhivator.h"
#include "core/errors.h"
#include "Package/entry_name.h"
#include "platform/paths.h"

namespace setup {

Dezarhivator::Dezarhivator(platform::Folders& folders, platform::FileSystem& files)
    : Form("Dezarhivator"), folders_(folders), files_(files) {
    setCaption("Dezarhivator");
    setBorder(Border::Sizable);
    setClientSize(6360, 4560);

    Label2.setCaption("Archive:");
    Label2.move(120, 120, 1200, 255);
    Text2.setText("c:\\windows\\desktop\\");
    Text2.move(1320, 120, 4920, 285);
    Label1.setCaption("File to add:");
    Label1.move(120, 480, 1200, 255);
    Text1.setText("c:\\windows\\desktop\\");
    Text1.move(1320, 480, 4920, 285);
    Command1.setCaption("Add");
    Command1.move(120, 900, 1935, 375);
    Command2.setCaption("List files");
    Command2.move(2212, 900, 1935, 375);
    Command3.setCaption("Extract");
    Command3.move(4305, 900, 1935, 375);
    List1.move(120, 1440, 3000, 2400);
    List2.move(3240, 1440, 3000, 2400);
    Text4.move(120, 4020, 6120, 285);
    Extractor.setEnabled(false);

    Load = [this] { Form_Load(); };
    Command1.Click = [this] { Command1_Click(); };
    Command3.Click = [this] { Command3_Click(); };
    List1.Click = [this] { List1_Click(); };
    Extractor.Tick = [this] { Extractor_Timer(); };
}

bool Dezarhivator::VekAdd(const std::string& VekFile, const std::string& FileName, const std::string& AddName) {
    return static_cast<bool>(package::appendEntry(files_, VekFile, FileName, AddName));
}

bool Dezarhivator::VekExtract(const std::string& VekFile, const std::string& FileName, const std::string& Destination) {
    return static_cast<bool>(package::extractEntry(files_, VekFile, FileName, Destination));
}

void Dezarhivator::ExtrageFisierele() { Extractor.setEnabled(true); }

void Dezarhivator::Form_Load() {
    ExtractIndex = 0;
    rt::ResumeNext steps;
    steps([&] { Text2.setText(platform::joinPath(folders_.programFolder(), "data.set")); });
    steps([&] { VekList(Text2.text(), List1); });
    steps([&] { VekList(Text2.text(), List2); });
}

void Dezarhivator::Command1_Click() { VekAdd(Text2.text(), Text1.text(), FileNameOf(Text1.text())); }

void Dezarhivator::Command3_Click() { ExtrageFisierele(); }

void Dezarhivator::List1_Click() { Text4.setText(FolderOf(Text2.text()) + List1.text()); }

// One entry per tick. Every statement runs even when one before it failed;
// nothing is reported. An entry whose name could write outside the install
// folder (or onto a device), or an empty install folder, is skipped like any
// other failed extraction.
void Dezarhivator::Extractor_Timer() {
    if (ExtractIndex >= List2.ListCount()) {
        Extractor.setEnabled(false);
        return;
    }
    rt::ResumeNext steps;
    std::string name;
    steps([&] { List2.setListIndex(ExtractIndex); });
    steps([&] { name = List2.List(ExtractIndex); });
    steps([&] { Text1.setText(name); });
    steps([&] { Text4.setText(platform::joinPath(folders_.programFolder(), name)); });
    rt::Outcome<> written = rt::fail("it was not extracted");
    steps([&] { written = extractIntoInstallFolder(name); });
    steps([&] { EntryExtracted(name, written); });
    ++ExtractIndex;
    if (ExtractIndex == List2.ListCount()) Extractor.setEnabled(false);
}

rt::Outcome<> Dezarhivator::extractIntoInstallFolder(const std::string& name) {
    if (!cale_) return rt::fail("there is no install folder");
    if (auto checked = package::checkEntryName(name); !checked) return checked;
    const std::string folder = cale_->text();
    if (folder.empty()) return rt::fail("the install folder is empty");  // would mean the root of the current drive
    const std::string destination = package::entryPathIn(folder, name);
    if (!package::liesDirectlyIn(destination, folder)) return rt::fail("it would lie outside the install folder");
    if (auto written = package::extractEntry(files_, Text2.text(), name, destination); !written)
        return rt::fail(written.reason());
    return {};
}

} // namespace setup
