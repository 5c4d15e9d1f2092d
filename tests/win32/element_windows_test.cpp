// The element data windows driven as a teacher would: the dialogs made from the program's
// templates, the list and the editor over elements.dat in the test's working folder.
#include "chemistry/element_windows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "app/start_up.h"
#include "chemistry/element_editing.h"
#include "chemistry/elements.h"
#include "chemistry/formula.h"
#include "shell/main_window_win.h"
#include "shell/program.h"
#include "app/interaction_win.h"
#include "tests/chemistry/chemistry_support.h"
#include "tests/win32/ui_driver.h"
#include "ui/controls_win.h"

namespace {

namespace fs = std::filesystem;

constexpr char kDialogClass[] = "#32770";
constexpr char kEditorCaption[] = "Elementos químicos";
constexpr char kMassesCaption[] = "M.A.";

std::string RecordsOf(const std::vector<Element>& elements) {
    std::string bytes;
    for (const Element& element : elements) {
        const ElementRecordBytes record = EncodeElement(element);
        bytes.append(record.begin(), record.end());
    }
    return bytes;
}

const std::vector<Element> kFour = {MakeElement("H", "Hidrógeno", 1, 1.008), MakeElement("Na", "Sodio", 11, 22.98976928),
                                    MakeElement("Cl", "Cloro", 17, 35.453), MakeElement("O", "Oxígeno", 8, 16)};

// A place and size in dialog units, in the dialog's client pixels: the dialog manager
// converts the position and the size each on its own.
RECT DialogUnits(HWND dialog, int x, int y, int width, int height) {
    RECT r{x, y, width, height};
    MapDialogRect(dialog, &r);
    return {r.left, r.top, r.left + r.right, r.top + r.bottom};
}

// A dialog template of the program's resources, read as the dialog manager reads it.
struct TemplateItem {
    DWORD style;
    RECT units;  // x, y, width, height
    WORD id;
    std::string className;
    std::string text;
};

struct DialogTemplate {
    DWORD style = 0;
    RECT units{};
    std::string caption;
    WORD points = 0;
    std::string face;
    std::vector<TemplateItem> items;
};

class TemplateReader {
public:
    explicit TemplateReader(const WORD* at) : at_(at) {}
    WORD Word() { return *at_++; }
    DWORD Dword() {
        const DWORD low = Word();
        return low | (DWORD(Word()) << 16);
    }
    short Short() { return static_cast<short>(Word()); }
    std::string Text() {
        std::wstring wide;
        while (*at_ != 0) wide += wchar_t(*at_++);
        ++at_;
        char narrow[256] = {};
        WideCharToMultiByte(1252, 0, wide.c_str(), -1, narrow, sizeof narrow, nullptr, nullptr);
        return narrow;
    }
    // A name or an ordinal: the ordinals of the system classes become their names.
    std::string NameOrOrdinal() {
        if (*at_ != 0xFFFF) return Text();
        ++at_;
        switch (Word()) {
            case 0x80: return "BUTTON";
            case 0x81: return "EDIT";
            case 0x82: return "STATIC";
            case 0x83: return "LISTBOX";
            default: return "?";
        }
    }
    void AlignToDword() {
        if (reinterpret_cast<uintptr_t>(at_) % 4 != 0) ++at_;
    }

private:
    const WORD* at_;
};

DialogTemplate ReadTemplate(const char* name) {
    DialogTemplate dialog;
    HRSRC found = FindResourceA(nullptr, name, MAKEINTRESOURCEA(5));  // RT_DIALOG
    if (found == nullptr) return dialog;
    TemplateReader in(static_cast<const WORD*>(LockResource(LoadResource(nullptr, found))));
    dialog.style = in.Dword();
    in.Dword();  // extended style
    const int count = in.Word();
    const short x = in.Short(), y = in.Short(), cx = in.Short(), cy = in.Short();
    dialog.units = {x, y, cx, cy};
    in.NameOrOrdinal();  // menu
    in.NameOrOrdinal();  // class
    dialog.caption = in.Text();
    if (dialog.style & DS_SETFONT) {
        dialog.points = in.Word();
        dialog.face = in.Text();
    }
    for (int i = 0; i < count; ++i) {
        in.AlignToDword();
        TemplateItem item;
        item.style = in.Dword();
        in.Dword();
        const short ix = in.Short(), iy = in.Short(), icx = in.Short(), icy = in.Short();
        item.units = {ix, iy, icx, icy};
        item.id = in.Word();
        item.className = in.NameOrOrdinal();
        item.text = in.NameOrOrdinal();
        const WORD extra = in.Word();
        for (WORD skip = 0; skip < extra; skip += 2) in.Word();
        dialog.items.push_back(item);
    }
    return dialog;
}

void ExpectUnits(const RECT& units, int x, int y, int width, int height, const std::string& what) {
    EXPECT_EQ(units.left, x) << what;
    EXPECT_EQ(units.top, y) << what;
    EXPECT_EQ(units.right, width) << what;
    EXPECT_EQ(units.bottom, height) << what;
}

void ExpectFont(HWND dialog, const char* face, int points) {
    LOGFONTA font{};
    ASSERT_NE(GetObjectA(reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0)), sizeof font, &font), 0);
    EXPECT_STREQ(font.lfFaceName, face);
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(font.lfHeight, -MulDiv(points, GetDeviceCaps(screen, LOGPIXELSY), 72));
    ReleaseDC(nullptr, screen);
}

std::vector<std::string> ListLines(HWND window, int list) {
    std::vector<std::string> lines;
    for (int i = 1; i <= ListCount(window, list); ++i) lines.push_back(ListGetItem(window, list, i));
    return lines;
}

ElementFields ShownFields(HWND editor) {
    return {ItemTextOf(editor, kIdElementName), ItemTextOf(editor, kIdElementSymbol), ItemTextOf(editor, kIdElementMass),
            ItemTextOf(editor, kIdElementZ)};
}

void ExpectFields(HWND editor, const ElementFields& expected) {
    const ElementFields shown = ShownFields(editor);
    EXPECT_EQ(shown.name, expected.name);
    EXPECT_EQ(shown.symbol, expected.symbol);
    EXPECT_EQ(shown.mass, expected.mass);
    EXPECT_EQ(shown.z, expected.z);
}

void Type(HWND editor, const ElementFields& fields) {
    SetDlgItemTextA(editor, kIdElementName, fields.name.c_str());
    SetDlgItemTextA(editor, kIdElementSymbol, fields.symbol.c_str());
    SetDlgItemTextA(editor, kIdElementMass, fields.mass.c_str());
    SetDlgItemTextA(editor, kIdElementZ, fields.z.c_str());
}

// A click on a line of the list, as the list reports it.
void ClickLine(HWND editor, int line) {
    ListSelect(editor, kIdElementList, line);
    PostMessageA(editor, WM_COMMAND, MAKEWPARAM(kIdElementList, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(GetDlgItem(editor, kIdElementList)));
}

// A button pressed with the mouse: the button takes the focus before it reports the click.
void Press(HWND editor, int id) {
    SetFocus(GetDlgItem(editor, id));
    Click(editor, id);
}

// The Enter key in a field, through the dialog's own keyboard handling.
void EnterIn(HWND editor, int id) {
    SetFocus(GetDlgItem(editor, id));
    PostMessageA(GetDlgItem(editor, id), WM_KEYDOWN, VK_RETURN, 0x001C0001);
    PostMessageA(GetDlgItem(editor, id), WM_KEYUP, VK_RETURN, 0xC01C0001);
}

// elements.dat is the one of the test's own folder.
class ElementWindows : public InScratchFolder {
protected:
    void SetUp() override { SetUserInteraction(&ui_); }

    // The step runs on the open editor, never on a message box of the same caption.
    UiDriver& OnEditor(std::function<void(HWND)> action) {
        return driver.WhenTitled(kDialogClass, kEditorCaption, [action](HWND w) {
            ASSERT_NE(GetDlgItem(w, kIdElementList), nullptr) << "a message box stood where the editor was expected";
            action(w);
        });
    }

    UiDriver driver;

private:
    WindowsInteraction ui_;
};

TEST(ElementTemplates, TheMassesListHasItsCaptionFontStylesAndRectangles) {
    const DialogTemplate dialog = ReadTemplate("ELEMENTS");
    EXPECT_EQ(dialog.caption, "M.A.");
    EXPECT_EQ(dialog.face, "Tahoma");
    EXPECT_EQ(dialog.points, 8);
    EXPECT_EQ(dialog.style, DWORD(DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU));
    ExpectUnits(dialog.units, 600, 28, 70, 345, "ELEMENTS");
    ASSERT_EQ(dialog.items.size(), 1u);
    const TemplateItem& list = dialog.items[0];
    EXPECT_EQ(list.id, kIdMassList);
    EXPECT_EQ(list.className, "LISTBOX");
    EXPECT_EQ(list.style, DWORD(WS_CHILD | WS_VISIBLE | LBS_SORT | LBS_NOTIFY | WS_VSCROLL | WS_BORDER | WS_TABSTOP));
    ExpectUnits(list.units, 4, 6, 60, 338, "list");
}

TEST_F(ElementWindows, TheMassesWindowIsMadeFromItsTemplate) {
    WriteAll("elements.dat", RecordsOf(kFour));
    driver.WhenTitled(kDialogClass, kMassesCaption, [](HWND w) {
        EXPECT_EQ(GetWindow(w, GW_OWNER), nullptr);
        ExpectFont(w, "Tahoma", 8);
        RECT client;
        GetClientRect(w, &client);
        const RECT size = DialogUnits(w, 0, 0, 70, 345);
        EXPECT_EQ(client.right, size.right);
        EXPECT_EQ(client.bottom, size.bottom);

        HWND list = GetDlgItem(w, kIdMassList);
        ASSERT_NE(list, nullptr);
        // The keys go to the list, to move through it.
        EXPECT_EQ(GetFocus(), list);
        Click(w, IDCANCEL);
    });
    ShowElementsWindow();
    EXPECT_TRUE(driver.Finished());
}

TEST_F(ElementWindows, TheMassesWindowListsTheFileSortedBySymbolAndClosesByKey) {
    WriteAll("elements.dat", RecordsOf(kFour));
    Elements = ElementTable{};  // what the window shows comes from the file
    for (UINT key : {VK_RETURN, VK_ESCAPE}) {
        driver.WhenTitled(kDialogClass, kMassesCaption, [key](HWND w) {
            EXPECT_EQ(ListLines(w, kIdMassList), (std::vector<std::string>{"Cl        35.45", "H          1.01",
                                                                           "Na        22.99", "O         16"}));
            // Other commands do nothing.
            Click(w, 3);
            PostMessageA(w, WM_KEYDOWN, key, 0);
        });
        DataDispatch(kCmdAtomicMasses);
        EXPECT_TRUE(driver.Finished());
        EXPECT_EQ(Elements.count, 4);
    }
}

struct EditorControl {
    WORD id;
    const char* className;
    const char* text;
    DWORD style;  // besides WS_CHILD and WS_VISIBLE
    RECT units;   // x, y, width, height
};

const EditorControl kEditorControls[] = {
    {0xFFFF, "STATIC", "Z   Elemento", SS_LEFT, {6, 1, 40, 8}},
    {100, "LISTBOX", "", LBS_NOTIFY | WS_VSCROLL | WS_BORDER | WS_TABSTOP, {4, 10, 64, 82}},
    {0xFFFF, "STATIC", "Nombre elemento", SS_LEFT, {80, 11, 48, 8}},
    {120, "EDIT", "", ES_LEFT | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, {74, 19, 62, 10}},
    {0xFFFF, "STATIC", "Smb", SS_LEFT, {72, 32, 14, 8}},
    {121, "EDIT", "", ES_LEFT | WS_BORDER | WS_TABSTOP, {88, 31, 14, 10}},
    {0xFFFF, "STATIC", "Z", SS_LEFT, {110, 32, 6, 8}},
    {123, "EDIT", "", ES_LEFT | WS_BORDER | WS_TABSTOP, {120, 31, 14, 10}},
    {0xFFFF, "STATIC", "MA", SS_LEFT, {77, 45, 10, 8}},
    {122, "EDIT", "", ES_LEFT | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, {90, 44, 36, 10}},
    {4, "BUTTON", "Nuevo", BS_PUSHBUTTON | WS_TABSTOP, {76, 58, 22, 10}},
    {3, "BUTTON", "Acepta", BS_DEFPUSHBUTTON | WS_TABSTOP, {106, 58, 30, 10}},
    {2, "BUTTON", "Salir", BS_PUSHBUTTON | WS_TABSTOP, {72, 80, 32, 14}},
    {1, "BUTTON", "Ok", BS_PUSHBUTTON | WS_TABSTOP, {108, 80, 32, 14}},
};

TEST(ElementTemplates, TheEditorHasItsCaptionFontStylesAndRectangles) {
    const DialogTemplate dialog = ReadTemplate("EDELEMENTS");
    EXPECT_EQ(dialog.caption, kEditorCaption);
    EXPECT_EQ(dialog.face, "Trebuchet MS");
    EXPECT_EQ(dialog.points, 9);
    EXPECT_EQ(dialog.style, DWORD(DS_SETFONT | DS_MODALFRAME | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU));
    EXPECT_EQ(dialog.units.right, 144);
    EXPECT_EQ(dialog.units.bottom, 97);
    ASSERT_EQ(dialog.items.size(), std::size(kEditorControls));
    for (std::size_t i = 0; i < dialog.items.size(); ++i) {
        const TemplateItem& item = dialog.items[i];
        const EditorControl& c = kEditorControls[i];
        const std::string what = std::to_string(c.id) + " " + c.text;
        EXPECT_EQ(item.id, c.id) << what;
        EXPECT_EQ(item.className, c.className) << what;
        EXPECT_EQ(item.text, c.text) << what;
        EXPECT_EQ(item.style, WS_CHILD | WS_VISIBLE | c.style) << what;
        ExpectUnits(item.units, c.units.left, c.units.top, c.units.right, c.units.bottom, what);
    }
}

TEST_F(ElementWindows, TheEditorIsMadeFromItsTemplateCentredOnTheScreen) {
    WriteAll("elements.dat", RecordsOf(kFour));
    OnEditor([&](HWND w) {
        EXPECT_EQ(GetWindow(w, GW_OWNER), nullptr);
        ExpectFont(w, "Trebuchet MS", 9);
        RECT client;
        GetClientRect(w, &client);
        const RECT size = DialogUnits(w, 0, 0, 144, 97);
        EXPECT_EQ(client.right, size.right);
        EXPECT_EQ(client.bottom, size.bottom);
        RECT frame, work;
        GetWindowRect(w, &frame);
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
        EXPECT_LE(std::abs((frame.left + frame.right) - (work.left + work.right)), 2);
        EXPECT_LE(std::abs((frame.top + frame.bottom) - (work.top + work.bottom)), 2);

        // Every control of the template, in its order, on the dialog.
        HWND child = GetWindow(w, GW_CHILD);
        for (const EditorControl& c : kEditorControls) {
            ASSERT_NE(child, nullptr) << c.text;
            EXPECT_EQ(GetDlgCtrlID(child), c.id) << c.text;
            child = GetWindow(child, GW_HWNDNEXT);
        }
        EXPECT_EQ(child, nullptr);
        // Enter means "Acepta".
        EXPECT_EQ(LOWORD(SendMessageA(w, DM_GETDEFID, 0, 0)), kIdElementAccept);
        Click(w, IDCANCEL);
    });
    ShowElementEditor();
    EXPECT_TRUE(driver.Finished());
}

TEST_F(ElementWindows, OnAnEmptyTableAcceptCreatesTheFirstElementAndOkSavesIt) {
    OnEditor([](HWND w) {
        EXPECT_EQ(ListCount(w, kIdElementList), 0);
        ExpectFields(w, {});
        EXPECT_EQ(GetFocus(), GetDlgItem(w, kIdElementName));
        Type(w, {"Sodio", "Na", "22.99", "11"});
        Click(w, kIdElementAccept);
    });
    OnEditor([](HWND w) {
        EXPECT_EQ(ListLines(w, kIdElementList), (std::vector<std::string>{"Na  Sodio   11"}));
        ExpectFields(w, {});  // ready for the next new element
        EXPECT_EQ(GetFocus(), GetDlgItem(w, kIdElementName));
        Press(w, IDOK);
    });
    DataDispatch(kCmdElements);
    EXPECT_TRUE(driver.Finished());
    EXPECT_EQ(ReadAll("elements.dat"), RecordsOf({MakeElement("Na", "Sodio", 11, 22.99)}));
}

TEST_F(ElementWindows, AcceptingAnElementUnchangedStillMakesSalirAsk) {
    const std::string file = RecordsOf(kFour);
    WriteAll("elements.dat", file);
    OnEditor([](HWND w) {
        ClickLine(w, 2);
    });
    OnEditor([](HWND w) {
        ExpectFields(w, {"Sodio", "Na", "22.990", " 11"});
        Click(w, kIdElementAccept);
    });
    OnEditor([](HWND w) {
        EXPECT_EQ(ListGetItem(w, kIdElementList, 2), "Na  Sodio   11");
        EXPECT_EQ(ListCount(w, kIdElementList), 4);
        ExpectFields(w, {});
        Click(w, IDCANCEL);
    });
    driver.AnswerBoxTitled("Datos modificados", IDCANCEL);
    OnEditor([](HWND w) {
        // Still open; the close box asks again.
        PostMessageA(w, WM_CLOSE, 0, 0);
    });
    driver.AnswerBoxTitled("Datos modificados", IDNO);
    ShowElementEditor();
    EXPECT_TRUE(driver.Finished());
    ASSERT_EQ(driver.boxes.size(), 2u);
    EXPECT_EQ(driver.boxes[0].text, "Grabar los cambios?   ");
    EXPECT_EQ(ReadAll("elements.dat"), file);
    // The rewritten record is exactly the old one.
    EXPECT_EQ(RecordsOf({Elements.Slot(2)}), RecordsOf({kFour[1]}));
}

TEST_F(ElementWindows, CommandOneSearchesOnlyFromTheSymbolField) {
    WriteAll("elements.dat", RecordsOf(kFour));
    OnEditor([](HWND w) {
        SetDlgItemTextA(w, kIdElementSymbol, "Na");
        SetFocus(GetDlgItem(w, kIdElementSymbol));
        Click(w, IDOK);
    });
    OnEditor([](HWND w) {
        EXPECT_EQ(ListSelected(w, kIdElementList), 2);
        ExpectFields(w, {"Sodio", "Na", "22.990", " 11"});
        SetDlgItemTextA(w, kIdElementSymbol, "na");
        SetFocus(GetDlgItem(w, kIdElementSymbol));
        Click(w, IDOK);
    });
    driver.AnswerBoxTitled("Elemento no hallado", IDOK);
    OnEditor([](HWND w) {
        EXPECT_EQ(ListSelected(w, kIdElementList), 2);
        ExpectFields(w, {"Sodio", "na", "22.990", " 11"});
        // From any other field, command 1 does nothing.
        SetDlgItemTextA(w, kIdElementSymbol, "Cl");
        SetFocus(GetDlgItem(w, kIdElementName));
        Click(w, IDOK);
    });
    OnEditor([](HWND w) {
        EXPECT_EQ(ListSelected(w, kIdElementList), 2);
        // Enter in the symbol field searches.
        EnterIn(w, kIdElementSymbol);
    });
    OnEditor([](HWND w) {
        EXPECT_EQ(ListSelected(w, kIdElementList), 3);
        ExpectFields(w, {"Cloro", "Cl", "35.453", " 17"});
        // Enter in any other field is "Acepta".
        SetDlgItemTextA(w, kIdElementName, "Cloro nuevo");
        EnterIn(w, kIdElementMass);
    });
    OnEditor([](HWND w) {
        EXPECT_EQ(ListGetItem(w, kIdElementList, 3), "Cl  Cloro nuevo   17");
        ExpectFields(w, {});
        Click(w, IDCANCEL);
    });
    driver.AnswerBoxTitled("Datos modificados", IDNO);
    ShowElementEditor();
    EXPECT_TRUE(driver.Finished());
    ASSERT_EQ(driver.boxes.size(), 2u);
    EXPECT_EQ(driver.boxes[0].text, "na");
    // Left without saving: the table keeps the change until the next opening.
    EXPECT_EQ(Elements.Slot(3).name, "Cloro nuevo");
}

TEST_F(ElementWindows, OkWithoutChangesLeavesTheFileAlone) {
    WriteAll("elements.dat", RecordsOf(kFour));
    OnEditor([](HWND w) {
        EXPECT_EQ(ListCount(w, kIdElementList), 4);
        fs::remove("elements.dat");
        Press(w, IDOK);
    });
    ShowElementEditor();
    EXPECT_TRUE(driver.Finished());
    EXPECT_FALSE(fs::exists("elements.dat"));
}

TEST_F(ElementWindows, RefusedElementsLeaveTheTableTheListAndTheFileAlone) {
    std::vector<Element> full;
    for (int i = 1; i <= kElementRoom; ++i) full.push_back(MakeElement("Ab", "lleno", uint16_t(i), i));
    WriteAll("elements.dat", RecordsOf(full));
    OnEditor([](HWND w) {
        EXPECT_EQ(ListCount(w, kIdElementList), kElementRoom);
        ClickLine(w, 5);
    });
    OnEditor([](HWND w) {
        Click(w, kIdElementNew);
    });
    OnEditor([](HWND w) {
        ExpectFields(w, {});
        Type(w, {"Nuevo", "Nw", "1", "1"});
        Click(w, kIdElementAccept);
    });
    driver.AnswerBoxTitled(kEditorCaption, IDOK);
    OnEditor([](HWND w) {
        EXPECT_EQ(ListCount(w, kIdElementList), kElementRoom);
        ExpectFields(w, {"Nuevo", "Nw", "1", "1"});  // kept for the user to see
        ClickLine(w, 1);
    });
    OnEditor([](HWND w) {
        SetDlgItemTextA(w, kIdElementMass, "1,5");
        Click(w, kIdElementAccept);
    });
    driver.AnswerBoxTitled(kEditorCaption, IDOK);
    OnEditor([](HWND w) {
        EXPECT_EQ(ListGetItem(w, kIdElementList, 1), "Ab  lleno    1");
        // Nothing changed: leaving asks nothing.
        Click(w, IDCANCEL);
    });
    ShowElementEditor();
    EXPECT_TRUE(driver.Finished());
    ASSERT_EQ(driver.boxes.size(), 2u);
    EXPECT_EQ(driver.boxes[0].caption, kEditorCaption);
    EXPECT_EQ(driver.boxes[0].text,
              "La tabla de elementos está llena: caben 200 elementos.\rEl elemento no se ha añadido.");
    EXPECT_EQ(driver.boxes[1].text,
              "MA (masa atómica) no es un número: \"1,5\".\rEl separador decimal es el punto: 35.45.\r"
              "El elemento no se ha aceptado.");
    EXPECT_EQ(Elements.count, kElementRoom);
    EXPECT_EQ(Elements.Slot(1).mass, 1);
    EXPECT_EQ(ReadAll("elements.dat"), RecordsOf(full));
}

TEST_F(ElementWindows, AFailedSaveIsToldTheEditorStaysOpenAndTheOldFileIsKept) {
    const std::string file = RecordsOf(kFour);
    WriteAll("elements.dat", file);
    // The save cannot write its temporary file: a folder holds its name. (A read-only
    // attribute stops nothing here: Wine runs the tests as root.)
    fs::create_directories(fs::path("elements.dat.tmp~") / "x");
    OnEditor([](HWND w) {
        Type(w, {"Helio", "He", "4.0026", "2"});
        Click(w, kIdElementAccept);
    });
    OnEditor([](HWND w) { Press(w, IDOK); });
    driver.AnswerBoxTitled(kEditorCaption, IDOK);
    OnEditor([](HWND w) { Click(w, IDCANCEL); });
    driver.AnswerBoxTitled("Datos modificados", IDYES);
    driver.AnswerBoxTitled(kEditorCaption, IDOK);
    OnEditor([&file](HWND w) {
        EXPECT_EQ(ReadAll("elements.dat"), file);
        fs::remove_all("elements.dat.tmp~");
        Press(w, IDOK);
    });
    ShowElementEditor();
    EXPECT_TRUE(driver.Finished());
    ASSERT_EQ(driver.boxes.size(), 3u);
    for (int i : {0, 2}) {
        EXPECT_EQ(driver.boxes[i].text.rfind("No se han podido grabar los elementos en elements.dat (", 0), 0u)
            << driver.boxes[i].text;
    }
    EXPECT_EQ(ReadAll("elements.dat"), file + RecordsOf({MakeElement("He", "Helio", 2, 4.0026)}));
}

// A file that could not be read is not replaced by "Ok": the question's default is No,
// so Enter keeps the file, and the editor stays open with the new element.
TEST_F(ElementWindows, OkOverAFileThatCouldNotBeReadAsksAndEnterKeepsIt) {
    fs::create_directories(fs::path("elements.dat") / "inside");
    driver.AnswerBoxTitled(kEditorCaption, IDOK);  // the load's message
    OnEditor([](HWND w) {
        Type(w, {"Helio", "He", "4", "2"});
        Click(w, kIdElementAccept);
    });
    OnEditor([](HWND w) { Press(w, IDOK); });
    driver.WhenTitled(kDialogClass, kEditorCaption, [this](HWND box) {
        ASSERT_EQ(GetDlgItem(box, kIdElementList), nullptr) << "the editor closed without asking";
        driver.boxes.push_back({TextOf(box), ItemTextOf(box, 0xFFFF)});
        const LONG noStyle = GetWindowLongA(GetDlgItem(box, IDNO), GWL_STYLE);
        EXPECT_EQ(noStyle & BS_TYPEMASK, BS_DEFPUSHBUTTON);
        EXPECT_EQ(GetFocus(), GetDlgItem(box, IDNO));
        PostMessageA(GetFocus(), WM_KEYDOWN, VK_RETURN, 0x001C0001);
        PostMessageA(GetFocus(), WM_KEYUP, VK_RETURN, 0xC01C0001);
    });
    OnEditor([](HWND w) {
        EXPECT_EQ(ListLines(w, kIdElementList), (std::vector<std::string>{"He  Helio    2"}));
        Click(w, IDCANCEL);
    });
    driver.AnswerBoxTitled("Datos modificados", IDNO);
    ShowElementEditor();
    EXPECT_TRUE(driver.Finished());
    ASSERT_EQ(driver.boxes.size(), 3u);
    EXPECT_EQ(driver.boxes[0].text.rfind("No se puede leer el fichero elements.dat", 0), 0u) << driver.boxes[0].text;
    EXPECT_EQ(driver.boxes[1].text, "No se pudo leer elements.dat. ¿Reemplazarlo por la tabla actual?");
    EXPECT_TRUE(fs::is_directory(fs::path("elements.dat") / "inside"));
    EXPECT_EQ(FindElement("He"), 1);  // the edit stays in memory
}

TEST_F(ElementWindows, AddSearchChangeSaveAndReloadKeepTheFileExact) {
    // The program's own table, with every byte of its records.
    fs::copy_file(fs::path(ZORVI_BINARY_DIR) / "elements.dat", "elements.dat");
    const std::string original = ReadAll("elements.dat");
    ASSERT_EQ(original.size(), 118 * kElementRecordSize);
    LoadElements();
    Element iron = Elements.Slot(26);
    ASSERT_EQ(iron.symbol, "Fe");
    Elements = ElementTable{};

    OnEditor([](HWND w) {
        EXPECT_EQ(ListCount(w, kIdElementList), 118);
        EXPECT_EQ(ListGetItem(w, kIdElementList, 26), "Fe  Hierro   26");
        Type(w, {"Deuterio", "D", "2.014", "1"});
        Click(w, kIdElementAccept);
    });
    OnEditor([](HWND w) {
        EXPECT_EQ(ListGetItem(w, kIdElementList, 119), "D   Deuterio    1");
        SetDlgItemTextA(w, kIdElementSymbol, "Fe");
        SetFocus(GetDlgItem(w, kIdElementSymbol));
        Click(w, IDOK);
    });
    OnEditor([](HWND w) {
        EXPECT_EQ(ListSelected(w, kIdElementList), 26);
        ExpectFields(w, {"Hierro", "Fe", "55.845", " 26"});
        SetDlgItemTextA(w, kIdElementName, "Hierro (Ferrum)");  // cut to 14
        Click(w, kIdElementAccept);
    });
    OnEditor([](HWND w) {
        EXPECT_EQ(ListGetItem(w, kIdElementList, 26), "Fe  Hierro (Ferrum   26");
        Press(w, IDOK);
    });
    DataDispatch(kCmdElements);
    EXPECT_TRUE(driver.Finished());

    iron.name = "Hierro (Ferrum";
    std::string expected = original;
    expected.replace(25 * kElementRecordSize, kElementRecordSize, RecordsOf({iron}));
    expected += RecordsOf({MakeElement("D", "Deuterio", 1, 2.014)});
    const std::string saved = ReadAll("elements.dat");
    EXPECT_EQ(saved, expected);

    // Opened again, the editor shows the file; leaving it unchanged asks nothing.
    Elements = ElementTable{};
    OnEditor([](HWND w) {
        EXPECT_EQ(ListCount(w, kIdElementList), 119);
        EXPECT_EQ(ListGetItem(w, kIdElementList, 26), "Fe  Hierro (Ferrum   26");
        Click(w, IDCANCEL);
    });
    driver.WhenTitled(kDialogClass, kMassesCaption, [](HWND w) {
        // Sorted, the new element comes first among the symbols starting with D.
        const std::vector<std::string> lines = ListLines(w, kIdMassList);
        EXPECT_EQ(lines.size(), 119u);
        EXPECT_NE(std::find(lines.begin(), lines.end(), "D          2.01"), lines.end());
        Click(w, IDOK);
    });
    DataDispatch(kCmdElements);
    DataDispatch(kCmdAtomicMasses);
    EXPECT_TRUE(driver.Finished());
    EXPECT_EQ(ReadAll("elements.dat"), saved);
    EXPECT_TRUE(driver.boxes.empty());
}

TEST_F(ElementWindows, TheMissingElementQuestionOpensTheEditorAndTheSameFormulaIsThenAccepted) {
    const std::vector<Element> withoutSodium = {kFour[0], kFour[2], kFour[3]};
    WriteAll("elements.dat", RecordsOf(withoutSodium));
    LoadElements();
    Compound compound;
    driver.When("Edtira", [](HWND w) {
        SetDlgItemTextA(w, 101, "NaCl");
        Click(w, IDOK);
    });
    driver.AnswerBoxTitled("* Error *", IDYES);
    OnEditor([](HWND w) {
        EXPECT_EQ(ListCount(w, kIdElementList), 3);
        Type(w, {"Sodio", "Na", "22.99", "11"});
        Click(w, kIdElementAccept);
    });
    OnEditor([](HWND w) { Press(w, IDOK); });
    EXPECT_FALSE(AskFormula(compound));
    EXPECT_TRUE(driver.Finished());
    ASSERT_EQ(driver.boxes.size(), 1u);
    EXPECT_EQ(driver.boxes[0].text.rfind("Na no está en la base de datos", 0), 0u) << driver.boxes[0].text;

    std::string offered;
    driver.When("Edtira", [&offered](HWND w) {
        offered = ItemTextOf(w, 101);
        Click(w, IDOK);
    });
    EXPECT_TRUE(AskFormula(compound));
    EXPECT_TRUE(driver.Finished());
    EXPECT_EQ(offered, "NaCl");
    EXPECT_DOUBLE_EQ(compound.molarMass, 22.99 + 35.453);
    EXPECT_EQ(ReadAll("elements.dat"), RecordsOf(withoutSodium) + RecordsOf({MakeElement("Na", "Sodio", 11, 22.99)}));
}

}  // namespace
