#pragma once

#include <string>

// The maker's three mirror web sites, as the help window shows them. They lie under domains
// reserved for examples, so a press of Connect can never open a stranger's site.
namespace mirror {

inline constexpr int SiteCount = 3;

// Site 1, 2 or 3 as shown: without the closing "/".
inline const wchar_t* Shown(int site) {
    static const wchar_t* const sites[SiteCount] = {
        L"http://selbrook.example.com",
        L"http://selbrook.example.net",
        L"http://selbrook.example.org",
    };
    return sites[site - 1];
}

// The address a Connect button opens: the shown one and its closing "/".
inline std::wstring Address(int site) { return std::wstring(Shown(site)) + L"/"; }

inline constexpr const wchar_t* ContactEmail = L"selbrook@example.com";

}  // namespace mirror
