// The command line of a Windows process (CreateProcessW) from its
// arguments, quoted so that CommandLineToArgvW and the C runtime's wmain
// take it apart into the same arguments again.
#pragma once

#include <string>
#include <vector>

// One argument: bare when nothing in it needs quoting, else in quotes with
// the quotes inside escaped; backslashes count only before a quote, so they
// are doubled there and nowhere else.
inline std::wstring QuotedArgument(const std::wstring& arg) {
    if (!arg.empty() && arg.find_first_of(L" \t\n\v\"") == std::wstring::npos) {
        return arg;
    }
    std::wstring out = L"\"";
    std::size_t backslashes = 0;
    for (const wchar_t c : arg) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        out.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
        backslashes = 0;
        out += c;
    }
    out.append(2 * backslashes, L'\\');
    return out + L'"';
}

inline std::wstring WindowsCommandLine(const std::vector<std::wstring>& args) {
    std::wstring line;
    for (const std::wstring& arg : args) {
        line += (line.empty() ? L"" : L" ") + QuotedArgument(arg);
    }
    return line;
}
