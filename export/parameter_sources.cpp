#include "export/parameter_sources.h"

#include <unistd.h>

#include <QJsonDocument>
#include <QJsonObject>
#include <QStringDecoder>
#include <algorithm>
#include <array>
#include <cerrno>

#include "export/character_metadata.h"
#include "export/cp932.h"
#include "export/parameter_reader.h"
#include "formats/embedded_text_reader.h"

namespace kelvara {

namespace {

// An open file read at offsets, which leaves the file's position alone.
class FileSource final : public formats::ByteSource {
  public:
    FileSource(int fd, std::uint64_t size) : fd_(fd), size_(size) {}

    std::uint64_t size() const override { return size_; }

    std::optional<std::size_t> read_at(std::uint64_t offset,
                                       std::span<std::uint8_t> into) override {
        std::size_t got = 0;
        while (got < into.size()) {
            const ssize_t n = ::pread(fd_, into.data() + got, into.size() - got,
                                      static_cast<off_t>(offset + got));
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) {
                error_ = errno;
                return std::nullopt;
            }
            if (n == 0) break;
            got += static_cast<std::size_t>(n);
        }
        return got;
    }

    int error() const { return error_; }

  private:
    const int fd_;
    const std::uint64_t size_;
    int error_ = 0;
};

enum class Kind { text, png, gif, json };

Kind kind_of(const QByteArray& head) {
    if (head.startsWith("\x89PNG")) return Kind::png;
    if (head.startsWith("GIF8")) return Kind::gif;
    if (head.startsWith('{')) return Kind::json;
    return Kind::text;
}

qint64 limit_of(Kind kind) {
    switch (kind) {
        case Kind::text:
            return parameter_file_size_limit;
        case Kind::json:
            return json_file_size_limit;
        case Kind::png:
        case Kind::gif:
            break;
    }
    return picture_file_size_limit;
}

FileError too_large(Kind kind) {
    if (kind == Kind::text) {
        return {{},
                QStringLiteral("larger than %1 KiB; a parameter file is a few hundred bytes")
                    .arg(parameter_file_size_limit / 1024)};
    }
    return {
        {},
        QStringLiteral("larger than %1 MiB; no %2 Kelvara writes is that large")
            .arg(limit_of(kind) / (1024 * 1024))
            .arg(kind == Kind::json ? QStringLiteral("atlas JSON") : QStringLiteral("picture"))};
}

// The file from its start, up to one byte more than limit, which tells a file that grew after it
// was looked at.
FileResult<QByteArray> read_whole(FileSource& file, Kind kind) {
    QByteArray bytes(limit_of(kind) + 1, Qt::Uninitialized);
    const std::optional<std::size_t> got =
        file.read_at(0, std::span(reinterpret_cast<std::uint8_t*>(bytes.data()),
                                  static_cast<std::size_t>(bytes.size())));
    if (!got) return FileError{{}, system_reason(file.error())};
    if (static_cast<qint64>(*got) > limit_of(kind)) return too_large(kind);
    bytes.truncate(static_cast<qsizetype>(*got));
    return bytes;
}

FileError no_parameters() {
    return {{}, QStringLiteral("no Kelvara parameters in the file")};
}

// The parameters Kelvara wrote in UTF-8, as the Shift-JIS of a parameter file.
FileResult<QByteArray> from_utf8(QByteArrayView text) {
    QStringDecoder decode(QStringDecoder::Utf8);
    const QString decoded = decode(text);
    if (decode.hasError()) {
        return FileError{{}, QStringLiteral("Kelvara's parameters in it are not UTF-8 text")};
    }
    std::optional<QByteArray> bytes = to_cp932(decoded);
    if (!bytes) return FileError{{}, QStringLiteral("the system cannot convert to Shift-JIS")};
    return std::move(*bytes);
}

FileResult<QByteArray> json_parameters(const QByteArray& bytes) {
    QJsonParseError problem{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &problem);
    if (problem.error != QJsonParseError::NoError) {
        return FileError{{},
                         QStringLiteral("damaged JSON: %1 at byte %2")
                             .arg(problem.errorString())
                             .arg(problem.offset)};
    }
    const QJsonValue parameters = document.object()[QLatin1String("meta")]
                                      .toObject()[QLatin1String(json_kelvara_key)]
                                      .toObject()[QLatin1String(json_parameters_key)];
    if (!parameters.isString()) return no_parameters();
    return from_utf8(parameters.toString().toUtf8());
}

FileResult<QByteArray> picture_parameters(FileSource& file, Kind kind) {
    const formats::TextRead read =
        kind == Kind::png ? formats::read_png_parameters(file) : formats::read_gif_parameters(file);
    if (read) return from_utf8(QByteArrayView(read.value().data(), read.value().size()));
    switch (read.error().problem) {
        case formats::TextReadProblem::read_failed:
            return FileError{{}, system_reason(file.error())};
        case formats::TextReadProblem::no_parameters:
            return no_parameters();
        default:
            return FileError{{}, QString::fromStdString(read.error().reason)};
    }
}

}  // namespace

FileResult<QByteArray> parameter_bytes(int fd, qint64 size) {
    FileSource file(fd, static_cast<std::uint64_t>(std::max<qint64>(size, 0)));
    std::array<std::uint8_t, 8> start{};
    const std::optional<std::size_t> got = file.read_at(0, start);
    if (!got) return FileError{{}, system_reason(file.error())};
    const Kind kind = kind_of(
        QByteArray(reinterpret_cast<const char*>(start.data()), static_cast<qsizetype>(*got)));
    if (size > limit_of(kind)) return too_large(kind);
    if (kind == Kind::png || kind == Kind::gif) return picture_parameters(file, kind);
    FileResult<QByteArray> bytes = read_whole(file, kind);
    if (!bytes || kind == Kind::text) return bytes;
    return json_parameters(bytes.value());
}

}  // namespace kelvara
