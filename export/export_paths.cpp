#include "export/export_paths.h"

namespace kelvara {

QString export_base_name(const QString& typed) {
    return typed.trimmed().isEmpty() ? QStringLiteral("temp") : typed;
}

QString base_name_problem(const QString& base_name) {
    if (base_name.contains(QLatin1Char('/'))) {
        return QStringLiteral("ファイル名に \"/\" は使えません。");
    }
    if (base_name.contains(QChar(u'\0'))) {
        return QStringLiteral("ファイル名に使えない文字 (NUL) が含まれています。");
    }
    return {};
}

QString export_path(const QString& folder, const QString& base_name, const QString& extension) {
    const QString separator = folder.endsWith(QLatin1Char('/')) ? QString() : QStringLiteral("/");
    return folder + separator + base_name + extension;
}

}  // namespace kelvara
