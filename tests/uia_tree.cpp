// SPDX-FileCopyrightText: 2026 Sumgrove developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What a Windows screen reader reads of a window, through UI Automation's
// client side, as the system's own library gives it:
//   uia_tree TITLE
// prints, for the top-level window titled TITLE and everything under it, a
// line a node, in tree order: its depth, its control type (by the names
// below, else its number), whether it has the keyboard focus (1 or 0), its
// name, its full description, its help text and its value, separated by
// tabs, in UTF-8. The value is "-" where the node has no value to give.
// Exits with 3 where the library lacks a call this needs, and with 1 where
// the window cannot be found or walked.
#include <windows.h>

#include <uiautomationclient.h>
#include <uiautomationcore.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <string>
#include <type_traits>

namespace {
// The flat client calls, which MinGW-w64's headers do not declare (and its
// uiautomationcoreapi.h is not C++), found by trying the library.
DECLARE_HANDLE(HUIANODE);
enum ConditionType { ConditionType_True = 0 };
struct UiaCondition
{
    ConditionType type;
};
struct UiaCacheRequest
{
    UiaCondition *viewCondition;
    int scope; // TreeScope_Element
    PROPERTYID *properties;
    int propertyCount;
    PATTERNID *patterns;
    int patternCount;
    int mode; // AutomationElementMode_Full
};
using NodeFromHandle = HRESULT(WINAPI *)(HWND, HUIANODE *);
using Navigate = HRESULT(WINAPI *)(HUIANODE, NavigateDirection, UiaCondition *, UiaCacheRequest *, SAFEARRAY **, BSTR *);
using GetPropertyValue = HRESULT(WINAPI *)(HUIANODE, PROPERTYID, VARIANT *);
using NodeFromVariant = HRESULT(WINAPI *)(VARIANT *, HUIANODE *);
using NodeRelease = BOOL(WINAPI *)(HUIANODE);

NodeFromHandle nodeFromHandle;
Navigate navigate;
GetPropertyValue propertyValue;
NodeFromVariant nodeFromVariant;
NodeRelease nodeRelease;

const PROPERTYID FullDescription = 30159;
const struct
{
    int id;
    const char *name;
} controlTypes[] = {{50000, "button"}, {50003, "combobox"}, {50004, "edit"}, {50011, "menuitem"},
                    {50020, "text"},   {50021, "toolbar"},  {50032, "window"}};

std::string utf8(const wchar_t *text)
{
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string bytes(size > 0 ? size - 1 : 0, '\0');
    if (size > 1)
        WideCharToMultiByte(CP_UTF8, 0, text, -1, bytes.data(), size, nullptr, nullptr);
    return bytes;
}

// A text property, a value's absence as "-"; tabs and line ends as spaces.
std::string text(HUIANODE node, PROPERTYID property, const char *none = "")
{
    VARIANT value;
    VariantInit(&value);
    std::string result = none;
    if (SUCCEEDED(propertyValue(node, property, &value)) && value.vt == VT_BSTR && value.bstrVal)
        result = utf8(value.bstrVal);
    VariantClear(&value);
    for (char &c : result) {
        if (c == '\t' || c == '\n' || c == '\r')
            c = ' ';
    }
    return result;
}

int number(HUIANODE node, PROPERTYID property)
{
    VARIANT value;
    VariantInit(&value);
    int result = 0;
    if (SUCCEEDED(propertyValue(node, property, &value)))
        result = value.vt == VT_I4 ? value.lVal : value.vt == VT_BOOL ? value.boolVal != VARIANT_FALSE : 0;
    VariantClear(&value);
    return result;
}

// The node in that direction from NODE, or null where there is none.
HUIANODE step(HUIANODE node, NavigateDirection direction)
{
    UiaCondition all = {ConditionType_True};
    UiaCacheRequest request = {&all, 1, nullptr, 0, nullptr, 0, 1};
    SAFEARRAY *data = nullptr;
    BSTR structure = nullptr;
    HUIANODE next = nullptr;
    if (SUCCEEDED(navigate(node, direction, &all, &request, &data, &structure)) && data) {
        LONG at[2] = {0, 0};
        VARIANT element;
        VariantInit(&element);
        if (SUCCEEDED(SafeArrayGetElement(data, at, &element)))
            nodeFromVariant(&element, &next);
        VariantClear(&element);
        SafeArrayDestroy(data);
    }
    SysFreeString(structure);
    return next;
}

void print(HUIANODE node, int depth)
{
    const int type = number(node, UIA_ControlTypePropertyId);
    std::string typeName = std::to_string(type);
    for (const auto &known : controlTypes) {
        if (known.id == type)
            typeName = known.name;
    }
    std::printf("%d\t%s\t%d\t%s\t%s\t%s\t%s\n", depth, typeName.c_str(), number(node, UIA_HasKeyboardFocusPropertyId),
                text(node, UIA_NamePropertyId).c_str(), text(node, FullDescription).c_str(),
                text(node, UIA_HelpTextPropertyId).c_str(), text(node, UIA_ValueValuePropertyId, "-").c_str());
    for (HUIANODE child = step(node, NavigateDirection_FirstChild); child;) {
        print(child, depth + 1);
        HUIANODE next = step(child, NavigateDirection_NextSibling);
        nodeRelease(child);
        child = next;
    }
}
} // namespace

int wmain(int argc, wchar_t **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: uia_tree TITLE\n");
        return 2;
    }
    HMODULE core = LoadLibraryW(L"uiautomationcore.dll");
    auto bind = [core](auto &call, const char *name) {
        FARPROC found = core ? GetProcAddress(core, name) : nullptr;
        call = reinterpret_cast<std::remove_reference_t<decltype(call)>>(reinterpret_cast<void (*)()>(found));
        return found != nullptr;
    };
    if (!bind(nodeFromHandle, "UiaNodeFromHandle") || !bind(navigate, "UiaNavigate")
        || !bind(propertyValue, "UiaGetPropertyValue") || !bind(nodeFromVariant, "UiaHUiaNodeFromVariant")
        || !bind(nodeRelease, "UiaNodeRelease")) {
        std::fprintf(stderr, "uiautomationcore.dll lacks one of UiaNodeFromHandle, UiaNavigate, "
                             "UiaGetPropertyValue, UiaHUiaNodeFromVariant and UiaNodeRelease\n");
        return 3;
    }
    _setmode(_fileno(stdout), _O_BINARY); // lines end as on the Unix side that reads them
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    HWND window = FindWindowW(nullptr, argv[1]);
    HUIANODE root = nullptr;
    if (!window || FAILED(nodeFromHandle(window, &root)) || !root) {
        std::fprintf(stderr, "no window of that title, or none UI Automation knows\n");
        return 1;
    }
    print(root, 0);
    nodeRelease(root);
    std::fflush(stdout);
    return 0;
}
