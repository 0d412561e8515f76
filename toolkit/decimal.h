#pragma once

#include <string>

namespace toolkit {

// A whole number as plain decimal digits, with a minus sign when it is negative. (Written here
// rather than taken from the C library's formatted printing, which would add its whole
// floating-point machinery to the program file.)
inline std::wstring Decimal(long long value) {
    const bool negative = value < 0;
    // Unsigned, so that the most negative number has a magnitude too.
    const auto bits = static_cast<unsigned long long>(value);
    unsigned long long magnitude = negative ? 0ull - bits : bits;
    std::wstring digits;
    do {
        digits.insert(digits.begin(), static_cast<wchar_t>(L'0' + magnitude % 10));
        magnitude /= 10;
    } while (magnitude != 0);
    return negative ? L"-" + digits : digits;
}

}  // namespace toolkit
