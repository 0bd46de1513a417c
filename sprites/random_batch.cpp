#include "random_batch.h"

#include <QElapsedTimer>

#include "character_output.h"
#include "export/batch_writer.h"
#include "export/parameter_file.h"
#include "parallel_render.h"
#include "random/random_generation.h"

namespace kelvara::cli {

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

QString write_random_batch(const RandomBatch& batch, const QString& folder, Colour background,
                           int jobs, const CharacterOutput& output, QTextStream& err,
                           bool progress) {
    BatchWriter writer(folder);
    std::vector<CharacterOutput> outputs(static_cast<std::size_t>(jobs_for(batch.size(), jobs)),
                                         output);
    auto one = [&](int i, int job) -> QString {
        const EditorState s = batch.selection(i);
        const QString name = batch.name(i);
        const auto text = parameter_file(name, s);
        if (!text) return QStringLiteral("this system cannot write Shift-JIS");
        const QByteArray image =
            outputs[static_cast<std::size_t>(job)].file_bytes(s, OutputStyle{background});
        FileStatus written = writer.add(name + QStringLiteral(".bmp"), image);
        if (written) written = writer.add(name + QStringLiteral(".txt"), *text);
        return written ? QString() : describe(written.error());
    };
    QElapsedTimer clock;
    clock.start();
    auto report = [&](int done) {
        const double seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
        err << "\r" << done << "/" << batch.size();
        // Blanks after the rate cover the end of a longer one before it.
        if (seconds > 0.05) err << "  " << qRound(done / seconds) << "/s   ";
        err.flush();
    };
    QString problem = progress ? run_parallel(batch.size(), jobs, one, report)
                               : run_parallel(batch.size(), jobs, one);
    if (problem.isEmpty()) {
        if (const FileStatus committed = writer.commit(); !committed) {
            problem = describe(committed.error());
        }
    }
    if (progress) err << "\n";
    return problem;
}

}  // namespace kelvara::cli
