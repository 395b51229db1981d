#pragma once

#include <gtest/gtest.h>

#include <string>

// One setter of an object that notifies its changes: set gives a fresh object a value it does not hold yet.
template <typename T>
struct SetterRow {
    const char* name;
    void (*set)(T&);
};

// A fresh object, set twice: the new value notifies once, the same value again never.
template <typename T>
class SetterNotifiesTest : public ::testing::TestWithParam<SetterRow<T>> {
protected:
    void SetTwice() {
        T object;
        int calls = 0;
        object.SetOnChange([&] { ++calls; });
        this->GetParam().set(object);
        EXPECT_EQ(calls, 1);
        this->GetParam().set(object);
        EXPECT_EQ(calls, 1);
    }
};

// Declares Suite over the rows (SetterRow<Type>{...}, ...): one test per setter, named after its row.
#define SETTER_NOTIFIES_ONCE_SUITE(Suite, Type, ...)          \
    class Suite : public SetterNotifiesTest<Type> {};         \
    TEST_P(Suite, NotifiesOnceForANewValueAndNotForTheSame) { \
        SetTwice();                                           \
    }                                                         \
    INSTANTIATE_TEST_SUITE_P(                                 \
        Setters, Suite, ::testing::Values(__VA_ARGS__),       \
        [](const ::testing::TestParamInfo<SetterRow<Type>>& info) { return std::string(info.param.name); })
