#include "export/character_export.h"

#include "export/atomic_write.h"
#include "export/encoded_bytes.h"
#include "export/export_paths.h"
#include "export/parameter_file.h"
#include "formats/bmp_writer.h"

namespace kelvara {

ExportOutcome export_character(const QString& folder, const QString& base_name,
                               const Surface& picture, const EditorState* parameters) {
    using Failure = ExportOutcome::Failure;
    if (const QString problem = base_name_problem(base_name); !problem.isEmpty()) {
        return {Failure::refused_name, FileError{base_name, problem}};
    }
    const QString image_path = export_path(folder, base_name, QStringLiteral(".bmp"));
    const formats::Encoded image = formats::encode_bmp(picture.view());
    if (!image) {
        return {Failure::image_file,
                FileError{image_path, QString::fromStdString(image.error().describe())}};
    }
    if (const FileStatus written = write_file_atomically(image_path, byte_array(image.value()));
        !written) {
        return {Failure::image_file, written.error()};
    }
    if (parameters == nullptr) return {};

    const QString text_path = export_path(folder, base_name, QStringLiteral(".txt"));
    const std::optional<QByteArray> text = parameter_file(base_name, *parameters);
    if (!text) {
        return {
            Failure::parameter_file,
            FileError{text_path,
                      QStringLiteral("Shift-JIS (CP932) への変換がこのシステムではできません。")}};
    }
    if (const FileStatus written = write_file_atomically(text_path, *text); !written) {
        return {Failure::parameter_file, written.error()};
    }
    return {};
}

QString failure_message(const ExportOutcome& outcome) {
    using Failure = ExportOutcome::Failure;
    switch (outcome.failure) {
        case Failure::none:
            return {};
        case Failure::refused_name:
            return QStringLiteral("保存できませんでした。何も保存していません。\n\n") +
                   QStringLiteral("保存ファイル名: ") + describe(outcome.error);
        case Failure::image_file:
            return QStringLiteral(
                       "画像ファイルを保存できませんでした。何も保存していません。\n\n") +
                   describe(outcome.error);
        case Failure::parameter_file:
            return QStringLiteral("画像ファイルは保存しました。\n") +
                   QStringLiteral("パラメーターファイルを保存できませんでした。\n\n") +
                   describe(outcome.error);
    }
    return {};
}

}  // namespace kelvara
