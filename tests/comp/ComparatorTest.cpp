// The element comparators and their shared instances.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "comp/CompP.h"
#include "comp/CompS08.h"
#include "comp/CompS32.h"
#include "comp/CompU08.h"
#include "comp/CompU32.h"

namespace {

template <class Comp, class T>
int order(T a, T b) {
    return Comp::instance()->compare(&a, &b);
}

TEST(Comparators, OrderElements) {
    EXPECT_EQ((order<s::comp::CompU08, std::uint8_t>(0xFF, 1)), 1);
    EXPECT_EQ((order<s::comp::CompS08, std::int8_t>(-1, 1)), -1);
    EXPECT_EQ((order<s::comp::CompU32, std::uint32_t>(0x80000000u, 1)), 1);
    EXPECT_EQ((order<s::comp::CompS32, std::int32_t>(INT32_MIN, 1)), -1);
    EXPECT_EQ((order<s::comp::CompS32, std::int32_t>(5, 5)), 0);
    int x[2];
    EXPECT_EQ((order<s::comp::CompP, void*>(&x[0], &x[1])), -1);
    EXPECT_EQ((order<s::comp::CompP, void*>(&x[1], &x[0])), 1);
    EXPECT_EQ((order<s::comp::CompP, void*>(&x[1], &x[1])), 0);
    EXPECT_EQ(s::comp::CompU08::instance()->compareIgnoreCase("a", "b"), -1);
}

TEST(Comparators, OneSharedInstanceWithItsTypeName) {
    EXPECT_EQ(s::comp::CompU32::instance(), s::comp::CompU32::instance());
    EXPECT_EQ(std::u16string(s::comp::CompS08::instance()->typeName()), u"s_comp_CompS08");
    EXPECT_EQ(std::u16string(s::comp::CompP::instance()->typeName()), u"s_comp_CompP");
    s::base::IObject* fresh = s::comp::CompU08::instance()->newInstance();
    EXPECT_NE(fresh, s::comp::CompU08::instance());
    delete fresh;
}

}  // namespace
