#include "completion.h"

#include "command_line.h"
#include "model/pose_catalogue.h"
#include "options.h"

namespace kelvara::cli {

namespace {

// Words for compgen -W, quoted for the shell; no declared word holds a quote or a blank.
QString word_list(const QStringList& words) {
    return QLatin1Char('\'') + words.join(QLatin1Char(' ')) + QLatin1Char('\'');
}

QString offered(const QStringList& words) {
    return QStringLiteral("COMPREPLY=($(compgen -W %1 -- \"$cur\"))").arg(word_list(words));
}

QStringList animation_names() {
    QStringList names;
    for (const catalogue::Animation& a : catalogue::animations) names << text(a.name);
    return names;
}

// What completes the value after the option, or nothing for a flag.
QString value_completion(const Option& o) {
    switch (o.offer) {
        case Offer::files:
            return QStringLiteral("_filedir");
        case Offer::folders:
            return QStringLiteral("_filedir -d");
        case Offer::animations:
            return offered(animation_names());
        case Offer::choices: {
            QStringList choices;
            for (const std::string_view c : o.choices) choices << text(c);
            return offered(choices);
        }
        case Offer::nothing:
            break;
    }
    return {};  // a number or a list: nothing to offer
}

QString command_case(const CommandDeclaration& c) {
    QString lines = QStringLiteral("        %1)\n            case $prev in\n").arg(text(c.name));
    QStringList options;
    for (const Option* o : c.options) {
        options << spelled(*o);
        if (o->value_en.empty()) continue;
        const QString value = value_completion(*o);
        lines += QStringLiteral("                %1) %2return ;;\n")
                     .arg(spelled(*o), value.isEmpty() ? QString() : value + QStringLiteral("; "));
    }
    options << QLatin1Char('-') + text(help_option.short_name) << spelled(help_option);
    lines += QStringLiteral("            esac\n            options=%1\n").arg(word_list(options));
    if (c.arguments != Offer::files) lines += QStringLiteral("            files=\n");
    return lines + QStringLiteral("            ;;\n");
}

}  // namespace

QString bash_completion() {
    QStringList commands;
    QString cases;
    for (const CommandDeclaration& c : command_declarations()) {
        commands << text(c.name);
        cases += command_case(c);
    }
    const QStringList general = {QLatin1Char('-') + text(help_option.short_name),
                                 spelled(help_option), spelled(version_option)};
    return QStringLiteral(
               "# bash completion for kelvara-render                                      -*- "
               "shell-script -*-\n"
               "# Made by the build from the program's declarations of its commands and "
               "options; do not edit.\n"
               "# Copyright (c) 2026 The Kelvara developers; MIT licence.\n"
               "\n"
               "_kelvara_render()\n"
               "{\n"
               "    local cur prev words cword\n"
               "    _init_completion || return\n"
               "\n"
               "    if ((cword == 1)); then\n"
               "        if [[ $cur == -* ]]; then\n"
               "            %1\n"
               "        else\n"
               "            %2\n"
               "        fi\n"
               "        return\n"
               "    fi\n"
               "\n"
               "    # The value of the option before the word, else the command's options, else "
               "its files.\n"
               "    local options files=yes\n"
               "    case ${words[1]} in\n"
               "%3"
               "        *) return ;;\n"
               "    esac\n"
               "    if [[ $cur == -* ]]; then\n"
               "        %4\n"
               "    elif [[ $files ]]; then\n"
               "        _filedir\n"
               "    fi\n"
               "} &&\n"
               "    complete -F _kelvara_render kelvara-render\n"
               "\n"
               "# ex: filetype=sh\n")
        .arg(offered(general), offered(commands), cases,
             QStringLiteral("COMPREPLY=($(compgen -W \"$options\" -- \"$cur\"))"));
}

}  // namespace kelvara::cli
