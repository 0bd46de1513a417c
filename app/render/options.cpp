#include "options.h"

namespace kelvara::cli {

Options::Options(const QStringList& arguments, const std::set<QString>& with_value,
                 const std::set<QString>& flags) {
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a == QLatin1String("--")) {
            positional_ += arguments.mid(i + 1);
            return;
        }
        if (!a.startsWith(QLatin1Char('-')) || a == QLatin1String("-")) {
            positional_ += a;
            continue;
        }
        QString name = a;
        QString inline_value;
        const int eq = a.indexOf(QLatin1Char('='));
        const bool has_inline = a.startsWith(QLatin1String("--")) && eq > 0;
        if (has_inline) {
            name = a.left(eq);
            inline_value = a.mid(eq + 1);
        }
        if (flags.count(name) != 0 && !has_inline) {
            values_[name] = QString();
        } else if (with_value.count(name) != 0) {
            if (has_inline) {
                values_[name] = inline_value;
            } else if (i + 1 < arguments.size()) {
                values_[name] = arguments[++i];
            } else {
                error_ = QStringLiteral("option %1 needs a value").arg(name);
                return;
            }
        } else {
            error_ = QStringLiteral("unknown option %1").arg(name);
            return;
        }
    }
}

QString Options::value(const QString& name) const {
    const auto it = values_.find(name);
    return it == values_.end() ? QString() : it->second;
}

std::optional<int> whole_number(const QString& text, int low, int high) {
    bool ok = false;
    const int v = text.toInt(&ok);
    if (!ok || text.startsWith(QLatin1Char('+')) || v < low || v > high) return std::nullopt;
    return v;
}

}  // namespace kelvara::cli
