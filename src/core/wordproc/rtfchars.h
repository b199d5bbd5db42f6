#pragma once

// The byte classes both RTF readers (the editor's and the HTML export's) use.
namespace WordProc::RtfChars {

inline bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

inline bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The value of a hexadecimal digit, 0 for any other byte.
inline int hexDigit(char c) {
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return 0;
}

} // namespace WordProc::RtfChars
