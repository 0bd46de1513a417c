#include "export/parameter_reader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QStringList>
#include <array>
#include <cerrno>

#include "export/cp932.h"
#include "export/file_names.h"
#include "export/parameter_file.h"
#include "export/parameter_sources.h"

namespace kelvara {

namespace {

constexpr int line_count = 15;

// What a value line holds and where it goes. Lines 3..15 in order.
struct Field {
    enum class Kind { number, on_off };
    Kind kind;
    Int16 EditorState::*member;
    int last;  // largest number allowed; for the pose, the last face-sheet pose
};

constexpr std::array<Field, 13> fields = {{
    {Field::Kind::number, &EditorState::face_num, last_face},
    {Field::Kind::number, &EditorState::hair_num, last_face},
    {Field::Kind::number, &EditorState::hair_color_num, last_hair_color},
    {Field::Kind::number, &EditorState::eye_color_num, last_eye_color},
    {Field::Kind::on_off, &EditorState::eye_grey_flg, 0},
    {Field::Kind::number, &EditorState::accessory_color_num, last_eye_color},
    {Field::Kind::number, &EditorState::body_color_num, last_body_color},
    {Field::Kind::on_off, &EditorState::body_matte_flg, 0},
    {Field::Kind::number, &EditorState::cloth_num, last_pose},
    {Field::Kind::number, &EditorState::cloth_color_num, last_cloth_color},
    {Field::Kind::on_off, &EditorState::cloth_matte_flg, 0},
    {Field::Kind::number, &EditorState::cloth2_color_num, last_cloth23_color},
    {Field::Kind::number, &EditorState::cloth3_color_num, last_cloth23_color},
}};

const QString type_label = QStringLiteral(" : タイプ");

FileError error(int line, const QString& message) {
    return {QString(), message, line};
}

// A value as the messages quote it: in quotes, and short.
QString found(const QString& value) {
    return QLatin1Char('"') + shortened(value) + QLatin1Char('"');
}

// Splits the text into lines, accepting CR LF or LF, and insisting on the final line end.
FileResult<QStringList> split_lines(const QString& text) {
    if (text.isEmpty()) return error(0, QStringLiteral("the file is empty"));
    if (!text.endsWith(QLatin1Char('\n'))) {
        return error(0, QStringLiteral("expected the last line to end in CR LF"));
    }
    QStringList lines = text.split(QLatin1Char('\n'));
    lines.removeLast();  // after the final line end
    for (QString& line : lines) {
        if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
    }
    if (lines.size() < line_count) {
        return error(lines.size() + 1, QStringLiteral("expected %1 lines, but the file ends after "
                                                      "line %2")
                                           .arg(line_count)
                                           .arg(lines.size()));
    }
    if (lines.size() > line_count) {
        return error(line_count + 1,
                     QStringLiteral("expected %1 lines, but the file goes on").arg(line_count));
    }
    return lines;
}

}  // namespace

FileResult<ParameterRecord> read_parameter_file(const QByteArray& bytes) {
    const std::optional<QString> text = from_cp932(bytes);
    if (!text) return error(0, QStringLiteral("the file is not Shift-JIS (code page 932) text"));
    const auto split = split_lines(*text);
    if (!split) return split.error();
    const QStringList& lines = split.value();

    ParameterRecord record;
    const QString& first = lines[0];
    if (first.size() < 2 || !first.startsWith(QLatin1Char('[')) ||
        !first.endsWith(QLatin1Char(']'))) {
        return error(1, QStringLiteral("expected the name in brackets, such as [temp]"));
    }
    record.base_name = first.mid(1, first.size() - 2);

    if (lines[1] == QStringLiteral("かおづら") + type_label) {
        record.selection.type_flg = 0;
    } else if (lines[1] == QStringLiteral("だめーじ") + type_label) {
        record.selection.type_flg = 1;
    } else {
        return error(2, QStringLiteral("expected \"かおづら : タイプ\" or \"だめーじ : タイプ\""));
    }

    // The labels are those the writer puts on each line.
    const QStringList written = parameter_lines(QString(), EditorState{});
    for (int i = 0; i < static_cast<int>(fields.size()); ++i) {
        const int line_no = i + 3;
        const QString& line = lines[line_no - 1];
        const QString label = written[line_no - 1].section(QLatin1Char('\t'), 1);
        const int tab = line.indexOf(QLatin1Char('\t'));
        if (tab < 0 || line.mid(tab + 1) != label) {
            return error(line_no, QStringLiteral("expected a value, a TAB and \"%1\"").arg(label));
        }
        const QString value = line.left(tab);
        const Field& f = fields[i];
        if (f.kind == Field::Kind::on_off) {
            if (value != QLatin1String("On") && value != QLatin1String("Off")) {
                return error(line_no,
                             QStringLiteral("expected On or Off, found %1").arg(found(value)));
            }
            record.selection.*f.member = value == QLatin1String("On") ? vb_true : vb_false;
            continue;
        }
        const int last = (f.member == &EditorState::cloth_num && record.selection.type_flg != 0)
                             ? last_damage_pose
                             : f.last;
        bool digits = !value.isEmpty() && value.size() <= 5;
        for (QChar c : value) digits = digits && c >= QLatin1Char('0') && c <= QLatin1Char('9');
        const int number = digits ? value.toInt() : -1;
        if (!digits || number > last) {
            return error(line_no, QStringLiteral("expected a whole number from 0 to %1, found %2")
                                      .arg(last)
                                      .arg(found(value)));
        }
        record.selection.*f.member = static_cast<Int16>(number);
    }
    return record;
}

FileResult<ParameterRecord> read_parameter_file_at(const QString& path) {
    const QByteArray name = name_bytes(path);
    if (name.isEmpty()) return FileError{path, system_reason(ENOENT)};
    // Looked at before opening, and opened without waiting, so that a pipe cannot block and a
    // device is never opened; checked again on what was opened, in case the name moved.
    struct stat st {};
    auto refusal = [&]() -> std::optional<FileError> {
        if (S_ISDIR(st.st_mode)) return FileError{path, system_reason(EISDIR)};
        if (!S_ISREG(st.st_mode)) {
            return FileError{path, QStringLiteral("not a regular file (a device, pipe or socket)")};
        }
        return std::nullopt;
    };
    if (::stat(name.constData(), &st) != 0) return FileError{path, system_reason(errno)};
    if (auto e = refusal()) return *e;
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return FileError{path, system_reason(errno)};
    // Its first bytes tell a parameter file from a picture or JSON with the parameters inside, and
    // which size limit applies.
    const auto contents = [&]() -> FileResult<QByteArray> {
        if (::fstat(fd, &st) != 0) return FileError{path, system_reason(errno)};
        if (auto e = refusal()) return *e;
        return parameter_bytes(fd, st.st_size);
    };
    FileResult<QByteArray> bytes = contents();
    ::close(fd);
    if (!bytes) {
        bytes.error().path = path;
        return bytes.error();
    }
    auto parsed = read_parameter_file(bytes.value());
    if (!parsed) parsed.error().path = path;
    return parsed;
}

}  // namespace kelvara
