#include <gtest/gtest.h>

#include <vector>

#include "toolkit/owner.h"

namespace {

std::vector<int> closed;

void RecordClose(int* handle) { closed.push_back(*handle); }
using TestOwner = toolkit::Owner<int*, &RecordClose>;

int one = 1;
int two = 2;

class OwnerTest : public testing::Test {
protected:
    void SetUp() override { closed.clear(); }
};

TEST_F(OwnerTest, ClosesWhatItHoldsOnceWhenItGoes) {
    { TestOwner owner(&one); }
    { TestOwner empty; }
    EXPECT_EQ(closed, std::vector<int>{1});
}

TEST_F(OwnerTest, ReleaseAndMoveHandOverWithoutClosing) {
    TestOwner first(&one);
    TestOwner second(std::move(first));
    EXPECT_FALSE(first);
    EXPECT_EQ(second.get(), &one);
    int* released = second.release();
    EXPECT_EQ(released, &one);
    EXPECT_TRUE(closed.empty());
}

TEST_F(OwnerTest, ResetAssignmentAndPutCloseThePreviousHandle) {
    TestOwner owner(&one);
    owner.reset(&two);
    EXPECT_EQ(closed, std::vector<int>{1});
    owner = TestOwner(&one);
    EXPECT_EQ(closed, (std::vector<int>{1, 2}));
    int** slot = owner.put();
    EXPECT_EQ(closed, (std::vector<int>{1, 2, 1}));
    *slot = &two;
    EXPECT_EQ(owner.get(), &two);
}

}  // namespace
