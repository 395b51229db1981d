#include "boardtool/toolarguments.h"

#include <algorithm>

QString ToolArguments::value(const QString& name) const {
    const auto it = options.find(name);
    return it == options.end() ? QString() : it->second;
}

ToolArgumentsResult ParseToolArguments(const QStringList& arguments, const std::vector<ToolOption>& options) {
    ToolArgumentsResult result;
    ToolArguments& parsed = result.arguments;
    const auto fail = [&](const QString& message) {
        result.error = message;
        return result;
    };
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (optionsEnded || argument == u"-" || !argument.startsWith(u'-')) {
            parsed.positionals.append(argument);
            continue;
        }
        if (argument == u"--") {
            optionsEnded = true;
            continue;
        }
        if (argument == u"-h" || argument == u"--help") {
            parsed.help = true;
            continue;
        }
        const qsizetype equals = argument.indexOf(u'=');
        const QString name = equals < 0 ? argument : argument.left(equals);
        const auto option =
            std::find_if(options.begin(), options.end(), [&](const ToolOption& o) { return o.name == name; });
        if (option == options.end()) return fail(QStringLiteral("unknown option '%1'").arg(name));
        if (!option->takesValue) {
            if (equals >= 0) return fail(QStringLiteral("option '%1' takes no value").arg(name));
            parsed.options[name] = QString();
        } else if (equals >= 0) {
            parsed.options[name] = argument.mid(equals + 1);
        } else if (i + 1 < arguments.size()) {
            parsed.options[name] = arguments[++i];
        } else {
            return fail(QStringLiteral("option '%1' needs a value").arg(name));
        }
    }
    return result;
}
