#include <unistd.h>

#include <QElapsedTimer>
#include <cstdio>

#include "cli.h"
#include "command_line.h"
#include "commands.h"
#include "export/file_error.h"
#include "input_output.h"
#include "random/random_generation.h"
#include "sprite_options.h"
#include "sprites/character_output.h"
#include "sprites/random_batch.h"

namespace kelvara::cli {

namespace {

struct RandomRequest {
    int count = 0;
    QString folder;
    EditorState start;  // the random flags and the sprite type of the batch
    Colour background = default_back_color;
    std::optional<std::uint32_t> seed;  // none: from the clock
    int jobs = 1;
};

// The random flags from --items, or the start-up ones.
void set_random_flags(EditorState& s, const CommandLine& line) {
    if (!line.has(items_option)) return;  // the start-up flags
    for (const RandomItemInfo& info : random_items) s.*info.flag = 0;
    for (const QString& wanted : line.value(items_option).split(QLatin1Char(','))) {
        bool known = false;
        for (const RandomItemInfo& info : random_items) {
            if (wanted.trimmed() == QLatin1String(info.name.data(), info.name.size())) {
                s.*info.flag = 1;
                known = true;
            }
        }
        if (!known) {
            throw BadInput(QStringLiteral("--items: unknown item \"%1\"").arg(shortened(wanted)));
        }
    }
}

RandomRequest random_request(const CommandLine& line) {
    if (!line.positional().isEmpty()) throw BadInput(QStringLiteral("random takes no file names"));
    RandomRequest r;
    r.count = static_cast<int>(line.number(count_option));
    r.folder = line.value(folder_option);
    if (r.folder.isEmpty()) throw BadInput(QStringLiteral("random needs --out DIR"));
    r.start = start_up_selection();
    set_random_flags(r.start, line);
    const QString type = line.choice(type_option, QStringLiteral("かおづら"));
    if (type == QStringLiteral("だめーじ") || type == QLatin1String("damage")) r.start.type_flg = 1;
    r.background = background_value(line);
    if (line.has(seed_option)) r.seed = static_cast<std::uint32_t>(line.number(seed_option));
    r.jobs = jobs_value(line);
    return r;
}

// The count and rate on a terminal as the batch goes on.
std::function<void(int)> progress_report(int count, QTextStream& err) {
    if (isatty(fileno(stderr)) == 0 || count < 20) return {};
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    return [clock, count, &err](int done) {
        const double seconds = static_cast<double>(clock->nsecsElapsed()) / 1e9;
        err << "\r" << done << "/" << count;
        // Blanks after the rate cover the end of a longer one before it.
        if (seconds > 0.05) err << "  " << qRound(done / seconds) << "/s   ";
        err.flush();
    };
}

}  // namespace

int random_command(const CommandLine& line, QTextStream& /*out*/, QTextStream& err) {
    const RandomRequest r = random_request(line);
    RandomSource source;
    if (r.seed) {
        source.seed(*r.seed);
    } else {
        source.seed_from_clock();
    }
    // Every selection is drawn before any is rendered, so the batch does not depend on the jobs.
    const sprites::RandomBatch batch(r.start, r.count, source);
    check_batch_folder(r.folder, batch.paths(r.folder));

    const auto progress = progress_report(r.count, err);
    const FileStatus written =
        sprites::write_random_batch(batch, r.folder, r.background, r.jobs,
                                    sprites::CharacterOutput(), progress, waiting_report(err));
    if (progress) err << "\n";
    return finish(written, err);
}

}  // namespace kelvara::cli
