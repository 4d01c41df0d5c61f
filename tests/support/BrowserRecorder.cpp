#include "support/BrowserRecorder.h"

#include "support/Paths.h"
#include "support/Pump.h"

namespace
{
const wchar_t kKey[] = L"Software\\Wine\\WineBrowser";
const wchar_t kValue[] = L"Browsers";

std::wstring Widen(const char* s)
{
    std::wstring w;
    for (; *s; ++s)
        w += (wchar_t)(unsigned char)*s;
    return w;
}
} // namespace

BrowserRecorder::BrowserRecorder()
    : m_active(false),
      m_hadValue(false),
      m_oldType(REG_SZ)
{
    DeleteFileW(WindowsPath(TINTLET_BROWSER_LOG).c_str());
    HKEY key;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kKey, 0, NULL, 0, KEY_READ | KEY_WRITE, NULL, &key, NULL))
        return;
    DWORD size = 0;
    if (!RegQueryValueExW(key, kValue, NULL, &m_oldType, NULL, &size))
    {
        m_oldValue.resize(size);
        m_hadValue = !RegQueryValueExW(key, kValue, NULL, &m_oldType, m_oldValue.data(), &size);
    }
    // winebrowser runs each Unix program of the list in turn until one starts.
    std::wstring script = Widen(TINTLET_BROWSER_SCRIPT);
    m_active = !RegSetValueExW(key, kValue, 0, REG_SZ, (const BYTE*)script.c_str(),
                               (DWORD)((script.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
}

BrowserRecorder::~BrowserRecorder()
{
    HKEY key;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kKey, 0, KEY_WRITE, &key))
        return;
    if (m_hadValue)
        RegSetValueExW(key, kValue, 0, m_oldType, m_oldValue.data(), (DWORD)m_oldValue.size());
    else
        RegDeleteValueW(key, kValue);
    RegCloseKey(key);
}

std::vector<std::wstring> BrowserRecorder::Requests() const
{
    std::vector<std::wstring> lines;
    HANDLE file = CreateFileW(WindowsPath(TINTLET_BROWSER_LOG).c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE, NULL, OPEN_EXISTING, 0, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return lines;
    std::string bytes;
    char buffer[512];
    DWORD n = 0;
    while (ReadFile(file, buffer, sizeof buffer, &n, NULL) && n > 0)
        bytes.append(buffer, n);
    CloseHandle(file);
    // The script writes UTF-8; the addresses under test are ASCII.
    std::wstring line;
    for (char c : bytes)
    {
        if (c == '\n')
        {
            lines.push_back(line);
            line.clear();
        }
        else
            line += (wchar_t)(unsigned char)c;
    }
    return lines;
}

std::vector<std::wstring> BrowserRecorder::WaitForRequests(size_t count, DWORD ms) const
{
    std::vector<std::wstring> lines;
    PumpUntil(
        [&] {
            lines = Requests();
            return lines.size() >= count;
        },
        ms);
    return lines;
}
