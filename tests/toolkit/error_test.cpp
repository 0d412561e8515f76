#include <gtest/gtest.h>

#include <new>

#include "support/fake_platform.h"
#include "toolkit/error.h"

namespace {

using namespace toolkit;

TEST(ErrorTest, RaisedErrorsCarryTheirNumberAndDescription) {
    try {
        Raise(ErrorNumber::FileNotFound, L"C:\\windows\\system32\\wininet.dll");
        FAIL() << "Raise returned";
    } catch (const Error& error) {
        EXPECT_EQ(error.Number(), 53);
        EXPECT_EQ(error.Description(), L"File not found: C:\\windows\\system32\\wininet.dll");
    }
}

TEST(ErrorTest, ATrapCatchesTheErrorRaisedInItsBodyOnce) {
    std::vector<std::int32_t> caught;
    bool after = false;
    WithErrorTrap(
        [&] {
            Raise(ErrorNumber::EntryPointNotFound);
            after = true;
        },
        [&](const Error& error) { caught.push_back(error.Number()); });
    EXPECT_EQ(caught, std::vector<std::int32_t>{453});
    EXPECT_FALSE(after);  // control left the body at the error

    WithErrorTrap([] {}, [&](const Error&) { caught.push_back(0); });
    EXPECT_EQ(caught.size(), 1u);
}

TEST(ErrorTest, UntrappedErrorsEndInTheDefaultHandlingNotInTheCaller) {
    FakePlatform fake;
    fake.FakeMessageBox();
    EXPECT_FALSE(RunHandler([] { Raise(ErrorNumber::OutOfMemory); }));
    EXPECT_FALSE(RunHandler([] { throw std::bad_alloc(); }));
    EXPECT_FALSE(RunHandler([] { throw 42; }));
    // An error raised inside the trap's own error path is not caught again.
    EXPECT_FALSE(RunHandler([] {
        WithErrorTrap([] { Raise(ErrorNumber::FileNotFound); },
                      [](const Error&) { Raise(ErrorNumber::InvalidArgument); });
    }));
    // A fault the C++ library reports passes every trap.
    EXPECT_FALSE(RunHandler([] { WithErrorTrap([] { (void)std::wstring().at(1); }, [](auto&) {}); }));
    EXPECT_TRUE(RunHandler([] {}));

    ASSERT_EQ(fake.boxes.size(), 5u);
    EXPECT_EQ(fake.boxes[0].text, L"Error 7: Out of memory");
    EXPECT_EQ(fake.boxes[0].style, static_cast<UINT>(MB_ICONSTOP));
    EXPECT_EQ(fake.boxes[0].caption, L"Morvane");
    EXPECT_EQ(fake.boxes[1].text, L"Error 7: Out of memory");
    EXPECT_EQ(fake.boxes[2].text, L"Error 51: Internal error");
    EXPECT_EQ(fake.boxes[3].text, L"Error 5: Invalid procedure call or argument");
    EXPECT_EQ(fake.boxes[4].text, L"Error 51: Internal error");
}

}  // namespace
