#pragma once

#include <cstdint>
#include <string>
#include <utility>

namespace toolkit {

// The numbered errors the program raises. The numbers are fixed: users quote them.
enum class ErrorNumber : std::int32_t {
    InvalidArgument = 5,      // a text the system could not convert
    OutOfMemory = 7,          // memory, a window, a font or a brush could not be had
    FileNotFound = 53,        // a system library that cannot be loaded
    EntryPointNotFound = 453, // a library that lacks the function asked of it
    Internal = 51,            // anything else that escaped a handler
};

// A numbered error: a signed number and a description a user can read.
class Error {
public:
    Error(std::int32_t number, std::wstring description)
        : number_(number), description_(std::move(description)) {}

    std::int32_t Number() const { return number_; }
    const std::wstring& Description() const { return description_; }

private:
    std::int32_t number_;
    std::wstring description_;
};

// Raises the error with its standard description, followed by the detail when one is given.
[[noreturn]] void Raise(ErrorNumber number, const std::wstring& detail = {});

// Runs body with an error trap armed: a numbered error raised inside it goes to onError,
// which may show it and must not raise again.
template <typename Body, typename OnError>
void WithErrorTrap(Body&& body, OnError&& onError) {
    try {
        body();
    } catch (const Error& error) {
        onError(error);
    }
}

// The exception being handled, which no trap caught, told with its number and description:
// "Error 7: Out of memory" (anything else unnumbered is 51). May itself run out of memory.
std::wstring DescribeUntrapped();

// The toolkit's default handling of that exception: a stop box that describes it. What it
// builds is built inside its own try: out of memory, it shows nothing.
void ReportUntrapped() noexcept;

// Runs one event handler to completion. Whatever it raises and no trap caught ends here, in the
// default handling, so no exception ever crosses a window procedure. Returns false when the
// handler did not finish.
template <typename Handler>
bool RunHandler(Handler&& handler) noexcept {
    try {
        handler();
        return true;
    } catch (...) {
        ReportUntrapped();
        return false;
    }
}

}  // namespace toolkit
