// The Windows backends' own pieces, built into this program from the same
// sources as the DLL: the drag container's items, the resource stream and
// the panel images among the module's resources.
#include "Check.h"
#include "TestDataObject.h"
#include "generated/ImageFiles.h"
#include "tests/support/PngSize.h"

#include "toolkit/CBitmap.h"
#include "toolkit/COffscreenContext.h"
#include "toolkit/GraphicsGlobals.h"
#include "toolkit/ResourceTable.h"
#include "toolkit/platform/gdiplus/ResourceStream.h"
#include "toolkit/platform/win32/Win32Buttons.h"
#include "toolkit/platform/win32/WinDragContainer.h"

#include <ole2.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <iterator>
#include <string>

using VSTGUI::platform::ResourceStream;
using VSTGUI::platform::WinDragContainer;

namespace {

std::string nextItem(WinDragContainer& drag, int32_t& type) {
    int32_t size = -1;
    const auto* item = static_cast<const char*>(drag.next(size, type));
    if (item == nullptr) return "(null)";
    check(size == int32_t(std::string(item).size()), "size is the UTF-8 length");
    return item;
}

void textItems() {
    TestDataObject* data = TestDataObject::withText(L"Gr\u00fc\u00dfe");
    auto* drag = new WinDragContainer(data);
    int32_t type = 99;
    check(drag->getCount() == 1 && drag->getType(0) == VSTGUI::CDragContainer::kText,
          "one text item");
    check(nextItem(*drag, type) == "Gr\xc3\xbc\xc3\x9f"
                                   "e" &&
              type == VSTGUI::CDragContainer::kUnicodeText,
          "the text in UTF-8, type 2");
    check(nextItem(*drag, type) == "(null)" && type == VSTGUI::CDragContainer::kUnknown,
          "then nothing");
    drag->forget();
    check(data->referenceCount() == 1, "the container let the data go");
    data->Release();
}

void fileItems() {
    TestDataObject* data =
        TestDataObject::withFiles({L"C:\\riffs\\one.wav", L"C:\\riffs\\take.lnk.txt"});
    auto* drag = new WinDragContainer(data);
    int32_t type = 99;
    check(drag->getCount() == 2 && drag->getType(0) == VSTGUI::CDragContainer::kFile,
          "two file items");
    check(nextItem(*drag, type) == "C:\\riffs\\one.wav" && type == 0, "first file");
    check(nextItem(*drag, type) == "C:\\riffs\\take.lnk.txt" && type == 0,
          "a name with .lnk inside is no shortcut");
    check(nextItem(*drag, type) == "(null)" && type == -1, "then null with type -1");
    check(std::string(static_cast<const char*>(drag->rewind())) == "C:\\riffs\\one.wav",
          "rewind starts again");
    drag->forget();
    data->Release();
}

// A real shortcut, written through the shell's link object.
bool makeShortcut(const std::wstring& link, const std::wstring& target) {
    IShellLinkW* shell = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(&shell))))
        return false;
    IPersistFile* file = nullptr;
    bool saved =
        SUCCEEDED(shell->SetPath(target.c_str())) &&
        SUCCEEDED(shell->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
        SUCCEEDED(file->Save(link.c_str(), TRUE));
    if (file != nullptr) file->Release();
    shell->Release();
    return saved;
}

void shortcutItems() {
    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    const std::wstring target = std::wstring(folder) + L"gravelo long target name.wav";
    const std::wstring link = std::wstring(folder) + L"gravelo riff.LNK";
    HANDLE file = CreateFileW(target.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    check(file != INVALID_HANDLE_VALUE, "target file made");
    CloseHandle(file);
    check(makeShortcut(link, target), "shortcut made");
    wchar_t shortPath[2048] = {};
    GetShortPathNameW(target.c_str(), shortPath, 2048);
    char expected[4096] = {}, longForm[4096] = {};
    WideCharToMultiByte(CP_UTF8, 0, shortPath, -1, expected, sizeof expected, nullptr, nullptr);
    WideCharToMultiByte(CP_UTF8, 0, target.c_str(), -1, longForm, sizeof longForm, nullptr,
                        nullptr);
    TestDataObject* data = TestDataObject::withFiles({link});
    auto* drag = new WinDragContainer(data);
    int32_t type = 99;
    const std::string item = nextItem(*drag, type);
    drag->forget();
    data->Release();
    DeleteFileW(link.c_str());
    DeleteFileW(target.c_str());
    // Windows answers the short form asked for; Wine's shell link always
    // answers the long one. Either is the target, not the shortcut.
    check(item == expected || item == longForm,
          "the upper-case .LNK resolved to '" + std::string(expected) + "', got '" + item + "'");
    note(item == expected ? "short path" : "long path (this shell ignores the short-path request)");
}

void streamReads() {
    const char bytes[] = "0123456789";
    auto* stream = new ResourceStream(bytes, 10);
    char buffer[16] = {};
    ULONG read = 0;
    check(stream->Read(buffer, 4, &read) == S_OK && read == 4 && std::string(buffer, 4) == "0123",
          "a plain read");
    check(stream->Read(buffer, 10, &read) == S_FALSE && read == 6 &&
              std::string(buffer, 6) == "456789",
          "a read past the end hands over the rest and answers S_FALSE");
    check(stream->Read(buffer, 1, &read) == S_FALSE && read == 0, "at the end nothing more");
    check(stream->Revert() == S_OK && stream->position() == 0, "revert goes back to the start");
    LARGE_INTEGER move{};
    ULARGE_INTEGER where{};
    move.QuadPart = 10;
    check(stream->Seek(move, STREAM_SEEK_SET, &where) == S_FALSE,
          "a seek to exactly the size fails");
    move.QuadPart = 9;
    check(stream->Seek(move, STREAM_SEEK_SET, &where) == S_OK && where.QuadPart == 9,
          "seek from the start");
    move.QuadPart = -10;
    check(stream->Seek(move, STREAM_SEEK_CUR, &where) == S_FALSE, "no seek before the start");
    move.QuadPart = -4;
    check(stream->Seek(move, STREAM_SEEK_CUR, &where) == S_OK && where.QuadPart == 5,
          "seek from the position");
    check(stream->Seek(move, STREAM_SEEK_END, &where) == S_FALSE, "no seek from the end");
    check(stream->Seek(move, 7, &where) == STG_E_INVALIDFUNCTION,
          "an unknown origin is an invalid function");
    STATSTG stat{};
    check(stream->Stat(&stat, STATFLAG_NONAME) == S_OK && stat.cbSize.QuadPart == 10 &&
              stat.type == 0,
          "stat");
    void* other = nullptr;
    check(stream->QueryInterface(IID_ISequentialStream, &other) == S_OK && other == stream,
          "sequential stream");
    stream->Release();
    check(stream->QueryInterface(IID_IDropTarget, &other) == E_NOINTERFACE && other == nullptr,
          "no other interface");
    check(stream->Write(bytes, 1, nullptr) == E_NOTIMPL, "read-only");
    stream->Release();
}

// A wheel message's delta (the high word, signed) in notches of 120: whole
// ones, toward zero, as the X11 backend's one per button press.
void wheelDeltas() {
    const auto notches = [](int delta) {
        return VSTGUI::platform::wheelNotches(MAKEWPARAM(0, static_cast<WORD>(delta)));
    };
    check(notches(120) == 1.0f && notches(-120) == -1.0f, "one notch either way");
    check(notches(360) == 3.0f && notches(-240) == -2.0f, "several notches");
    check(notches(119) == 0.0f && notches(-119) == 0.0f, "less than a notch is none");
    check(notches(359) == 2.0f && notches(-359) == -2.0f, "toward zero");
    check(notches(32767) == 273.0f && notches(-32768) == -273.0f, "the whole range of a short");
}

void resourceImages() {
    check(VSTGUI::GraphicsGlobals::referenceCount() == 0, "no graphics user yet");
    auto* led = new VSTGUI::CBitmap(VSTGUI::CResourceDescription(2));
    check(VSTGUI::GraphicsGlobals::referenceCount() == 1, "a bitmap started the library");
    check(led->getWidth() > 0 && led->getHeight() > 0, "resource 2 decoded through the stream");
    auto* missing = new VSTGUI::CBitmap(VSTGUI::CResourceDescription(7));
    check(missing->getWidth() == 0 && missing->getHeight() == 0, "no resource 7: size 0");
    note("resource 2 is " + std::to_string(int(led->getWidth())) + " x " +
         std::to_string(int(led->getHeight())));
    missing->forget();
    led->forget();
    check(VSTGUI::GraphicsGlobals::referenceCount() == 0, "the last bitmap shut the library down");
}

// Each image again at 2 and 3 times its size under its own number; any
// other scale, or a scale without its image, is the image at scale 1.
void scaledResourceImages() {
    using VSTGUI::findResource;
    // The module holds each image the effect names (the list in
    // resources/Images.cmake, written into Gravelo.rc) and no other.
    const auto count = static_cast<int32_t>(std::size(gravelo::generated::kImageFiles));
    for (int32_t id = 0; id < count; ++id) {
        const VSTGUI::ResourceData one = findResource(id);
        const gravelo::test::support::PngSize base =
            gravelo::test::support::pngSize(one.data, one.size);
        const std::string image = "image " + std::to_string(id);
        check(base.width > 0 && findResource(id, 1).data == one.data, image + " at scale 1");
        for (int k = 2; k <= 3; ++k) {
            const VSTGUI::ResourceData scaled = findResource(id, k);
            const gravelo::test::support::PngSize size =
                gravelo::test::support::pngSize(scaled.data, scaled.size);
            check(scaled.data != one.data && size.width == k * base.width &&
                      size.height == k * base.height,
                  image + " at " + std::to_string(k) + "x is k times as large");
        }
        check(findResource(id, 4).data == one.data && findResource(id, 0).data == one.data,
              image + ": other scales fall back to scale 1");
    }
    check(!findResource(count, 1).found() && !findResource(count, 2).found(),
          "no image past the list at any scale");
}

// How many pixels of row y (or column x) in first .. last hold colour c.
int countRow(VSTGUI::CBitmap* b, int y, int first, int last, VSTGUI::Colour c) {
    int n = 0;
    for (int x = first; x <= last; ++x)
        n += b->getPixel(x, y) == c;
    return n;
}

int countColumn(VSTGUI::CBitmap* b, int x, int first, int last, VSTGUI::Colour c) {
    int n = 0;
    for (int y = first; y <= last; ++y)
        n += b->getPixel(x, y) == c;
    return n;
}

// At scale 2 every unit is the 2 x 2 pixels it covers, as at scale 1 it is
// its one pixel: a fill, a line (one pixel short of its end), and a clip.
void scaledShapes() {
    constexpr VSTGUI::Colour red{255, 0, 0, 255}, green{0, 255, 0, 255}, blue{0, 0, 255, 255};
    VSTGUI::COffscreenContext context(nullptr, 10, 10, VSTGUI::kBlackColour, 2.0);
    VSTGUI::CBitmap* b = context.getBitmap();
    context.setFillColor(red);
    context.drawRect(VSTGUI::ViewRect(2, 3, 5, 6), VSTGUI::kDrawFilled); // units 2..4 x 3..5
    check(countRow(b, 6, 0, 19, red) == 6 && countRow(b, 11, 0, 19, red) == 6 &&
              countRow(b, 8, 4, 9, red) == 6,
          "the fill covers pixels 4 .. 9 of its rows");
    check(countColumn(b, 4, 0, 19, red) == 6 && countColumn(b, 9, 0, 19, red) == 6,
          "and rows 6 .. 11 of its columns");
    context.setFrameColor(green);
    context.moveTo(VSTGUI::ViewPoint(1, 8));
    context.lineTo(VSTGUI::ViewPoint(6, 8)); // unit pixels 1 .. 5 of row 8
    check(countRow(b, 16, 0, 19, green) == 10 && countRow(b, 17, 2, 11, green) == 10,
          "the line covers pixels 2 .. 11 of rows 16 and 17");
    check(countRow(b, 15, 0, 19, green) == 0 && countRow(b, 18, 0, 19, green) == 0,
          "and no row beside them");
    context.setClipRect(VSTGUI::ViewRect(7, 0, 9, 10)); // units 7 and 8
    context.setFillColor(blue);
    context.drawRect(VSTGUI::ViewRect(0, 0, 10, 10), VSTGUI::kDrawFilled);
    check(countRow(b, 1, 0, 19, blue) == 4 && countRow(b, 1, 14, 17, blue) == 4,
          "a clip of units 7 and 8 lets pixels 14 .. 17 be drawn");
}

} // namespace

void addToolkitCases(std::vector<Case>& cases) {
    cases.push_back({"resource stream reads and seeks", streamReads});
    cases.push_back({"wheel delta in whole notches", wheelDeltas});
    cases.push_back({"panel images from the DATA resources", resourceImages});
    cases.push_back({"panel images at 2x and 3x from DATA2X and DATA3X", scaledResourceImages});
    cases.push_back({"GDI+ at scale 2: fills, lines and clips cover whole units", scaledShapes});
    cases.push_back({"drag container: one Unicode text", textItems});
    cases.push_back({"drag container: two files, then nothing", fileItems});
    cases.push_back({"drag container: upper-case shortcut resolved to its target", shortcutItems});
}
