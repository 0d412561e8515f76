// Answers the end-to-end tests' questions from inside the tests' Wine desktop, one process for a
// whole test: where a window and its controls are, so that the tests can click them as a person
// would, and what the registry holds. No standard output reaches the shell from the desktop, so
// questions and answers go through files in a folder:
//   locate DIR
// Each question is DIR\question, a command and its arguments a line each (UTF-8); the answer
// goes to DIR\answer, written whole and renamed into place, after the question is removed; the
// helper ends when the folder is removed:
//   locate CAPTION MS  ->  window <left> <top> <right> <bottom> <unicode|ansi>
//                          control <centre-x> <centre-y> <class> <text>   (one per child)
//                          focus <centre-x> <centre-y> <class> <text>     (if it has one)
//                          end
//                          (waits up to MS milliseconds for the window; "end" alone without it)
//   query KEY NAME     ->  "value", then the string value's data; or "none"
//   set KEY NAME DATA  ->  "done" (a string value), or "failed <status>"
//   delete KEY NAME    ->  "done", or "failed <status>"
//   access KEY SDDL    ->  "done", or "failed <status>" (the key's access list, as SDDL)
// KEY is a full path under HKCU or HKLM, always in the registry's 64-bit view where it has two.
#include <windows.h>
#include <sddl.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::string Utf8(const std::wstring& text) {
    std::string utf8(text.size() * 4 + 1, '\0');
    utf8.resize(WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()),
                                    utf8.data(), static_cast<int>(utf8.size()), nullptr, nullptr));
    return utf8;
}

std::wstring Wide(const std::string& utf8) {
    std::wstring text(utf8.size() + 1, L'\0');
    text.resize(MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), static_cast<int>(utf8.size()),
                                    text.data(), static_cast<int>(text.size())));
    return text;
}

void PrintWindow(std::string& out, const char* kind, HWND control) {
    RECT rect{};
    GetWindowRect(control, &rect);
    // What the control shows now, as a screen reader asks for it: from another process,
    // GetWindowText gives a text box's text from when it was made.
    wchar_t text[256] = {};
    DWORD_PTR length = 0;
    SendMessageTimeoutW(control, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                        1000, &length);
    char className[64] = {};
    GetClassNameA(control, className, sizeof(className));
    out += std::string(kind) + " " + std::to_string((rect.left + rect.right) / 2) + " " +
           std::to_string((rect.top + rect.bottom) / 2) + " " + className + " " + Utf8(text) +
           "\n";
}

BOOL CALLBACK PrintControl(HWND control, LPARAM out) {
    PrintWindow(*reinterpret_cast<std::string*>(out), "control", control);
    return TRUE;
}

// The control that has the keyboard focus in the window's own thread.
void PrintFocus(std::string& out, HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    if (GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) && info.hwndFocus &&
        IsChild(window, info.hwndFocus))
        PrintWindow(out, "focus", info.hwndFocus);
}

std::string Locate(const std::wstring& caption, DWORD wait) {
    HWND window = nullptr;
    for (const DWORD start = GetTickCount();; Sleep(50)) {
        window = FindWindowW(nullptr, caption.c_str());
        if (window && IsWindowVisible(window)) break;
        window = nullptr;
        if (GetTickCount() - start >= wait) break;
    }
    std::string out;
    if (window) {
        RECT rect{};
        GetWindowRect(window, &rect);
        out += "window " + std::to_string(rect.left) + " " + std::to_string(rect.top) + " " +
               std::to_string(rect.right) + " " + std::to_string(rect.bottom) +
               (IsWindowUnicode(window) ? " unicode\n" : " ansi\n");
        EnumChildWindows(window, &PrintControl, reinterpret_cast<LPARAM>(&out));
        PrintFocus(out, window);
    }
    return out + "end\n";
}

// The root of a path such as HKLM\Software\..., and its subkey.
HKEY Split(const std::wstring& path, std::wstring& subkey) {
    const std::size_t backslash = path.find(L'\\');
    subkey = backslash == std::wstring::npos ? L"" : path.substr(backslash + 1);
    return path.substr(0, backslash) == L"HKLM" ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

LONG OpenKey(const std::wstring& path, REGSAM access, HKEY& key) {
    std::wstring subkey;
    const HKEY root = Split(path, subkey);
    return RegOpenKeyExW(root, subkey.c_str(), 0, access | KEY_WOW64_64KEY, &key);
}

std::string Done(LONG status) {
    return status == ERROR_SUCCESS ? "done\n" : "failed " + std::to_string(status) + "\n";
}

std::string Query(const std::wstring& path, const std::wstring& name) {
    HKEY key = nullptr;
    if (OpenKey(path, KEY_QUERY_VALUE, key) != ERROR_SUCCESS) return "none\n";
    DWORD type = 0, size = 0;
    std::wstring data;
    LONG status = RegQueryValueExW(key, name.c_str(), nullptr, &type, nullptr, &size);
    if (status == ERROR_SUCCESS && type == REG_SZ) {
        data.assign(size / sizeof(wchar_t) + 1, L'\0');
        status = RegQueryValueExW(key, name.c_str(), nullptr, &type,
                                  reinterpret_cast<BYTE*>(data.data()), &size);
    }
    RegCloseKey(key);
    if (status != ERROR_SUCCESS || type != REG_SZ) return "none\n";
    return "value\n" + Utf8(data.substr(0, data.find(L'\0'))) + "\n";
}

// Creates the key where it is missing, as reg.exe's add does.
std::string Set(const std::wstring& path, const std::wstring& name, const std::wstring& data) {
    std::wstring subkey;
    const HKEY root = Split(path, subkey);
    HKEY key = nullptr;
    LONG status = RegCreateKeyExW(root, subkey.c_str(), 0, nullptr, 0,
                                  KEY_SET_VALUE | KEY_WOW64_64KEY, nullptr, &key, nullptr);
    if (status != ERROR_SUCCESS) return Done(status);
    status = RegSetValueExW(key, name.c_str(), 0, REG_SZ,
                            reinterpret_cast<const BYTE*>(data.c_str()),
                            static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
    return Done(status);
}

std::string Delete(const std::wstring& path, const std::wstring& name) {
    HKEY key = nullptr;
    LONG status = OpenKey(path, KEY_SET_VALUE, key);
    if (status != ERROR_SUCCESS) return Done(status);
    status = RegDeleteValueW(key, name.c_str());
    RegCloseKey(key);
    return Done(status);
}

std::string Access(const std::wstring& path, const std::wstring& sddl) {
    PSECURITY_DESCRIPTOR access = nullptr;
    HKEY key = nullptr;
    LONG status = OpenKey(path, WRITE_DAC, key);
    if (status == ERROR_SUCCESS)
        status = ConvertStringSecurityDescriptorToSecurityDescriptorW(sddl.c_str(), 1, &access, 0)
                     ? RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, access)
                     : static_cast<LONG>(GetLastError());
    RegCloseKey(key);
    LocalFree(access);
    return Done(status);
}

// The question's lines, as wide strings; none while there is no question.
std::vector<std::wstring> ReadQuestion(const std::wstring& file) {
    FILE* in = _wfopen(file.c_str(), L"rb");
    if (!in) return {};
    std::string text;
    char buffer[4096];
    for (std::size_t read; (read = std::fread(buffer, 1, sizeof(buffer), in)) > 0;)
        text.append(buffer, read);
    std::fclose(in);
    DeleteFileW(file.c_str());
    std::vector<std::wstring> lines;
    for (std::size_t start = 0, end; start < text.size(); start = end + 1) {
        end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        lines.push_back(Wide(text.substr(start, end - start)));
    }
    return lines;
}

std::string Answer(const std::vector<std::wstring>& question) {
    const auto argument = [&](std::size_t index) {
        return index < question.size() ? question[index] : std::wstring();
    };
    const std::wstring& command = question[0];
    if (command == L"locate") return Locate(argument(1), wcstoul(argument(2).c_str(), nullptr, 10));
    if (command == L"query") return Query(argument(1), argument(2));
    if (command == L"set") return Set(argument(1), argument(2), argument(3));
    if (command == L"delete") return Delete(argument(1), argument(2));
    if (command == L"access") return Access(argument(1), argument(2));
    return "unknown question\n";
}

bool WriteAnswer(const std::wstring& folder, const std::string& answer) {
    const std::wstring partial = folder + L"\\answer.partial";
    FILE* out = _wfopen(partial.c_str(), L"wb");
    if (!out) return false;
    std::fwrite(answer.data(), 1, answer.size(), out);
    std::fclose(out);
    return MoveFileExW(partial.c_str(), (folder + L"\\answer").c_str(), MOVEFILE_REPLACE_EXISTING);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) return 2;
    const std::wstring folder = argv[1];
    // The test removes the folder as it ends, and the helper goes with it.
    for (; GetFileAttributesW(folder.c_str()) != INVALID_FILE_ATTRIBUTES; Sleep(10)) {
        const std::vector<std::wstring> question = ReadQuestion(folder + L"\\question");
        if (question.empty()) continue;
        if (!WriteAnswer(folder, Answer(question))) return 1;
    }
    return 0;
}
