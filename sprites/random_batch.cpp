#include "random_batch.h"

#include "character_output.h"
#include "export/encoded_bytes.h"
#include "export/export_paths.h"
#include "export/parameter_file.h"
#include "output_check.h"
#include "parallel_render.h"
#include "random/random_generation.h"
#include "sprite_png.h"

namespace kelvara::sprites {

namespace {

const QString bmp = QStringLiteral(".bmp");
const QString txt = QStringLiteral(".txt");

}  // namespace

RandomBatch::RandomBatch(const EditorState& start, int count, RandomSource& source)
    : start_(start) {
    values_.reserve(static_cast<std::size_t>(count));
    EditorState s = start;
    for (int i = 0; i < count; ++i) {
        // One press of the random button: the flagged items change, the others stay.
        for (const RandomDraw& d : draw_random_items(s, last_face, last_face, source))
            s.*random_item(d.item).value = d.value;
        auto& v = values_.emplace_back();
        for (std::size_t k = 0; k < random_items.size(); ++k) v[k] = s.*random_items[k].value;
    }
}

EditorState RandomBatch::selection(int i) const {
    EditorState s = start_;
    const auto& v = values_[static_cast<std::size_t>(i)];
    for (std::size_t k = 0; k < random_items.size(); ++k) s.*random_items[k].value = v[k];
    return s;
}

QString RandomBatch::name(int i) const {
    const int digits = static_cast<int>(QString::number(size()).size());
    return QStringLiteral("kelvara_%1").arg(i + 1, digits, 10, QLatin1Char('0'));
}

QStringList RandomBatch::paths(const QString& folder) const {
    QStringList paths;
    for (int i = 0; i < size(); ++i) {
        paths << export_path(folder, name(i), bmp) << export_path(folder, name(i), txt);
    }
    return paths;
}

FileStatus write_random_batch(const RandomBatch& batch, const QString& folder, Colour background,
                              int jobs, const CharacterOutput& output,
                              const std::function<void(int done)>& progress,
                              const BatchWriter::Waiting& waiting) {
    if (!make_folder(folder)) return FileError{folder, QStringLiteral("cannot make the folder")};
    BatchWriter writer(folder, waiting);
    std::vector<CharacterOutput> outputs(static_cast<std::size_t>(jobs_for(batch.size(), jobs)),
                                         output);
    auto one = [&](int i, int job) -> FileStatus {
        const EditorState s = batch.selection(i);
        const QString name = batch.name(i);
        const auto text = parameter_file(name, s);
        if (!text) {
            return FileError{export_path(folder, name, txt),
                             QStringLiteral("this system cannot write Shift-JIS")};
        }
        const formats::Encoded image =
            outputs[static_cast<std::size_t>(job)].file_bytes(s, OutputStyle{background});
        if (!image) {
            return FileError{export_path(folder, name, bmp),
                             QString::fromStdString(image.error().describe())};
        }
        FileStatus written = writer.add(name + bmp, raw_bytes(image.value()));
        if (written) written = writer.add(name + txt, *text);
        return written;
    };
    if (FileStatus drawn = run_parallel(batch.size(), jobs, one, progress); !drawn) return drawn;
    return writer.commit();
}

}  // namespace kelvara::sprites
