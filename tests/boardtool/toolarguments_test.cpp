#include <gtest/gtest.h>

#include "boardtool/toolarguments.h"

namespace {

struct ArgumentsRow {
    QStringList arguments;
    QStringList positionals;
    QString comment;  // the value of --comment, if given
    bool trim = false;
    bool help = false;
    QString error;  // empty: none
};

TEST(ToolArguments, OptionsValuesAndArgumentsAreToldApart) {
    const std::vector<ToolOption> options{{"--trim"}, {"--comment", true}};
    const ArgumentsRow rows[] = {
        {{"a.qvx"}, {"a.qvx"}, "", false, false, ""},
        {{"--trim", "a.qvx", "b"}, {"a.qvx", "b"}, "", true, false, ""},
        {{"a.qvx", "--comment", "--"}, {"a.qvx"}, "--", false, false, ""},
        {{"--comment=#", "a.qvx"}, {"a.qvx"}, "#", false, false, ""},
        {{"-", "--", "--trim"}, {"-", "--trim"}, "", false, false, ""},
        {{"-h"}, {}, "", false, true, ""},
        {{"x", "--help"}, {"x"}, "", false, true, ""},
        {{"--bogus", "a.qvx"}, {}, "", false, false, "unknown option '--bogus'"},
        {{"-x"}, {}, "", false, false, "unknown option '-x'"},
        {{"--trim=yes"}, {}, "", false, false, "option '--trim' takes no value"},
        {{"a.qvx", "--comment"}, {"a.qvx"}, "", false, false, "option '--comment' needs a value"},
    };
    for (const ArgumentsRow& row : rows) {
        SCOPED_TRACE(row.arguments.join(' ').toStdString());
        const ToolArgumentsResult result = ParseToolArguments(row.arguments, options);
        EXPECT_EQ(result.error.value_or(QString()), row.error);
        if (result.error) continue;
        EXPECT_EQ(result.arguments.positionals, row.positionals);
        EXPECT_EQ(result.arguments.value("--comment"), row.comment);
        EXPECT_EQ(result.arguments.has("--trim"), row.trim);
        EXPECT_EQ(result.arguments.help, row.help);
    }
}

}  // namespace
