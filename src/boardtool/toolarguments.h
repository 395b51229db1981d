#pragma once

#include <QString>
#include <QStringList>
#include <map>
#include <optional>
#include <vector>

// The tool's exit codes, as command-line programs use them.
enum ToolExitCode : int {
    kExitSuccess = 0,
    kExitFailure = 1,  // a file missing, unreadable or not written; text that cannot be placed
    kExitUsage = 2,    // the command line itself is wrong
};

struct ToolOption {
    QString name;  // with its dashes: "--trim"
    bool takesValue = false;
};

// A subcommand's arguments: its options (a flag maps to an empty value; the last of two equal options
// wins) and the rest in order. "--" ends the options; "-" alone is an argument (standard input).
struct ToolArguments {
    QStringList positionals;
    std::map<QString, QString> options;
    bool help = false;  // "-h" or "--help" was given

    bool has(const QString& name) const { return options.contains(name); }
    QString value(const QString& name) const;
};

struct ToolArgumentsResult {
    ToolArguments arguments;
    std::optional<QString> error;  // what is wrong with the command line, for the user
};

ToolArgumentsResult ParseToolArguments(const QStringList& arguments, const std::vector<ToolOption>& options);
