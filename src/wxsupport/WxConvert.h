// Conversions between the core's values and wx's. Core strings are UTF-8;
// a std::string must never reach wxString through the locale's converter.
#pragma once

#include <wx/colour.h>
#include <wx/string.h>

#include <cstdint>
#include <filesystem>
#include <string>

// 0x00BBGGRR, the colour value of documents, "color.tbl" and the profile.
inline wxColour ToWxColour(std::uint32_t c) {
    return wxColour(static_cast<unsigned char>(c & 0xFF), static_cast<unsigned char>((c >> 8) & 0xFF),
                    static_cast<unsigned char>((c >> 16) & 0xFF));
}

inline std::uint32_t FromWxColour(const wxColour& c) {
    return static_cast<std::uint32_t>(c.Red()) | static_cast<std::uint32_t>(c.Green()) << 8 |
           static_cast<std::uint32_t>(c.Blue()) << 16;
}

inline wxString ToWx(const std::string& utf8) { return wxString::FromUTF8(utf8.data(), utf8.size()); }
inline wxString ToWx(const char* utf8) { return wxString::FromUTF8(utf8); }

inline std::string FromWx(const wxString& s) {
    const wxScopedCharBuffer buf = s.utf8_str();
    return std::string(buf.data(), buf.length());
}

// Paths and wx's file names, without the narrow code page between them
// (which on Windows is not UTF-8 and cannot hold every name).
inline std::filesystem::path ToPath(const wxString& s) {
#ifdef _WIN32
    return std::filesystem::path(s.ToStdWstring());
#else
    return std::filesystem::path(FromWx(s));
#endif
}

inline wxString PathToWx(const std::filesystem::path& p) {
#ifdef _WIN32
    return wxString(p.wstring());
#else
    return ToWx(p.string());
#endif
}
