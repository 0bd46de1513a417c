#include <benchmark/benchmark.h>

#include "assets/embedded_assets.h"
#include "compositor/character_draw.h"
#include "compositor/head.h"
#include "compositor/recolor.h"
#include "compositor/render_character.h"
#include "export/parameter_file.h"
#include "model/random_items.h"
#include "sprites/parallel_render.h"
#include "sprites/random_batch.h"

namespace kelvara {
namespace {

struct Loaded {
    Sheets sheets = load_embedded_sheets();
    Workspace w;
    EditorState state;

    Loaded() {
        state.size_num = 4;
        state.back_color = RGB(212, 208, 200);
        state.eye_grey_flg = 0;  // the eye-grey rule on too: every rule in play
        load_palettes(load_embedded_palette_strips(), state.palettes);
        state.hair_color_num = 12;
        state.cloth_color_num = 5;
        state.cloth2_color_num = 26;
        cut_head_cell(sheets.face_set, 123, w.face_pic);
        cut_head_cell(sheets.hair_set, 301, w.hair_pic);
        cut_pose_cell(sheets.cloth_set, 17, w.pre_cloth_pic);
    }
};

Loaded& loaded() {
    static Loaded l;
    return l;
}

void BM_compose_head(benchmark::State& st) {
    Loaded& l = loaded();
    for (auto _ : st) {
        compose_head(l.w, 301);
        benchmark::DoNotOptimize(l.w.pre_face_pic.bits().data());
    }
}
BENCHMARK(BM_compose_head);

void BM_Character_draw(benchmark::State& st) {
    Loaded& l = loaded();
    l.state.size_num = static_cast<Int16>(st.range(0));
    compose_head(l.w, 301);
    for (auto _ : st) {
        Character_draw(l.state, false, l.w);
        benchmark::DoNotOptimize(l.w.character_view.bits().data());
    }
}
BENCHMARK(BM_Character_draw)->Arg(1)->Arg(4)->Arg(6);

// Recolouring a full 64 x 64 composed sprite; each round starts from the template colours again,
// so the time includes copying the 16 KB sprite back.
void BM_recolor_sprite(benchmark::State& st) {
    Loaded& l = loaded();
    compose_head(l.w, 301);
    l.state.size_num = 4;
    Character_draw(l.state, false, l.w);
    Surface layered = l.w.pre_cloth_pic;
    Surface sprite(64, 64, key_color);
    sprite.PaintPicture(layered, 0, 0, 67, 67, 0, 0, 67, 67);
    Surface work = sprite;
    for (auto _ : st) {
        work = sprite;
        recolor_sprite(l.state, work);
        benchmark::DoNotOptimize(work.bits().data());
    }
}
BENCHMARK(BM_recolor_sprite);

// A whole character from its selection, as the command-line renderer makes one: cells cut, head
// composed, layered, recoloured, drawn. Items per second is characters per second on one core.
void BM_render_character(benchmark::State& st) {
    Loaded& l = loaded();
    EditorState s = l.state;
    s.size_num = 1;
    int n = 0;
    for (auto _ : st) {
        s.face_num = static_cast<Int16>(n % 712);
        s.hair_num = static_cast<Int16>((n * 7) % 712);
        s.cloth_num = static_cast<Int16>(n % 136);
        render_character(l.sheets, s, l.w);
        benchmark::DoNotOptimize(l.w.pre_pic.bits().data());
        ++n;
    }
    st.SetItemsProcessed(st.iterations());
}
BENCHMARK(BM_render_character);

// A random batch in memory as kelvara-render random makes it, on st.range(0) jobs: every character
// rendered and encoded as its BMP and parameter file, nothing written. Items per second (real
// time) is characters per second; compare the rates of 1 and 2 jobs.
void BM_random_batch_in_memory(benchmark::State& st) {
    static const sprites::CharacterOutput output;
    EditorState start = start_up_selection();
    for (const RandomItemInfo& info : random_items) start.*info.flag = 1;
    RandomSource source;
    source.seed(7);
    const sprites::RandomBatch batch(start, 2000, source);
    const int jobs = static_cast<int>(st.range(0));
    std::vector<sprites::CharacterOutput> outputs(static_cast<std::size_t>(jobs), output);
    std::vector<qsizetype> bytes(static_cast<std::size_t>(jobs));
    for (auto _ : st) {
        sprites::run_parallel(batch.size(), jobs, [&](int i, int job) {
            const EditorState s = batch.selection(i);
            const auto j = static_cast<std::size_t>(job);
            bytes[j] += static_cast<qsizetype>(
                            outputs[j].file_bytes(s, sprites::OutputStyle{}).value().size()) +
                        parameter_file(batch.name(i), s)->size();
            return FileStatus();
        });
    }
    benchmark::DoNotOptimize(bytes.data());
    st.SetItemsProcessed(st.iterations() * batch.size());
}
BENCHMARK(BM_random_batch_in_memory)->Arg(1)->Arg(2)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kelvara

BENCHMARK_MAIN();
